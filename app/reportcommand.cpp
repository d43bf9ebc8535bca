#include "app/reportcommand.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <optional>
#include <stdexcept>

#include "app/lightestcommand.h"
#include "app/outputfile.h"
#include "calc/platecheck.h"
#include "casefile/casefile.h"
#include "input/numberrules.h"
#include "report/checksjson.h"
#include "report/reportbook.h"
#include "report/run.h"
#include "basetypes/runstop.h"

namespace veldrin {

namespace {

const char* const kUsage =
    "usage: veldrin-report CASE.in [--json] [--web-ratio R]... [--date YYYY-MM-DD] [-o FILE]\n"
    "       veldrin-report --lightest CASE.in [--json] [--catalogue FILE] [-o FILE]\n"
    "\n"
    "Opens the design case CASE.in as the main window's Open command does,\n"
    "starting from the window's start-up state (no list selected, CECS102:98,\n"
    "sheeting clear), runs the calculation and writes the report (UTF-8, CR LF\n"
    "line ends) to standard output, or to FILE with -o.\n"
    "\n"
    "A FILE ending in .pdf is written as an A4 PDF document, one ending in .rtf\n"
    "as a rich-text document: the calculation book, with a title block at the\n"
    "head of page 1 (project, code, section, span, verdict, a sign-off table\n"
    "and the date of the run), the section figure, then the report with its\n"
    "summary as a table, and the project name and page number in each page's\n"
    "footer. Any other name gets the plain text. FILE is replaced whole or not\n"
    "at all; an existing FILE that is not a regular file (a device, a folder)\n"
    "or that may not be written (write-protected) is refused, and so is a link\n"
    "to nothing.\n"
    "\n"
    "  --web-ratio R  answers the web-ratio dialog of GBJ18-87 (the effective\n"
    "                 width-to-thickness ratio of the web); given several times,\n"
    "                 the answers are used in order and the last one repeats.\n"
    "                 R must be a number greater than 0: any other answer, when\n"
    "                 the dialog asks it, stops the run (exit 2) with the\n"
    "                 window's message; under the other codes it is not used\n"
    "  --json         writes, instead of the report, the verdicts as one JSON\n"
    "                 object: {\"verdict\": \"pass\"|\"fail\", \"max_utilisation\": u,\n"
    "                 \"governing\": index into checks, \"checks\": [{\"section\",\n"
    "                 \"combination\", \"element\", \"quantity\", \"demand\", \"limit\",\n"
    "                 \"unit\", \"utilisation\", \"passes\", \"location\"}, ...]}, one\n"
    "                 record per verdict of the report, in report order\n"
    "  --date D       the date of the run the title block of a .pdf or .rtf\n"
    "                 gives as 计算日期 (YYYY-MM-DD); today's by default\n"
    "  -o FILE        writes the report to FILE (.txt, .rtf, .pdf) instead of\n"
    "                 standard output; with --json the JSON, whatever the name\n"
    "  --lightest     instead of the report, runs the whole calculation of the\n"
    "                 case (every check) for each section of the built-in\n"
    "                 catalogue and prints a table: section, kg/m, governing\n"
    "                 check, utilisation, verdict; sections outside the main\n"
    "                 window's bounds, or refused by the run, are listed with the\n"
    "                 reason. The lightest section that passes every check is\n"
    "                 proposed on the last line. Under GBJ18-87 the search is not\n"
    "                 offered: the web's effective ratio must be judged for each\n"
    "                 section. With --json: {\"proposed\": index or null,\n"
    "                 \"sections\": [{\"name\", \"h\", \"b\", \"a\", \"t\", \"mass\" (kg/m),\n"
    "                 \"status\": \"pass\"|\"fail\"|\"refused\", \"reason\" (refused only),\n"
    "                 \"max_utilisation\", \"governing\" (the governing check record,\n"
    "                 as above)}, ...]} in catalogue order\n"
    "  --catalogue FILE  adds the sections of FILE (CSV rows name,h,b,a,t in mm)\n"
    "                 to the built-in catalogue (UTF-8, or else GBK as Excel saves\n"
    "                 it on a Chinese Windows); a row that is malformed, whose\n"
    "                 section cannot exist or whose name is already taken is\n"
    "                 reported on standard error with its line number and left out\n"
    "  --help         shows this text\n"
    "\n"
    "CASE.in is refused, naming its line and item, when it is malformed, when a\n"
    "number item is not a number, when a load (dead, live, snow, dust,\n"
    "construction, base wind pressure) is below 0 (0 is accepted), or when an\n"
    "item of line 3 is not exactly one of its item's words (steel \"A3\" or\n"
    "\"16Mn\", deflection \"1/150\", \"1/240\" or \"1/360\", sag rods \"0\", \"1\"\n"
    "or \"2\", the three code texts, the two sheeting texts) or a known optional\n"
    "item given once (\"拉条同时约束下翼缘\", ignored with 0 sag rods). An empty\n"
    "item of line 3 chooses nothing: the run then stops asking for it.\n"
    "\n"
    "Message boxes are written to standard error as \"title: text\".\n"
    "Exit status: 0 report (or JSON) written, whatever its verdicts; 2 the run\n"
    "stopped on its input (refused file, incomplete selections or no code chosen,\n"
    "refused values, an unanswered web-ratio dialog or an answer that is not a\n"
    "number greater than 0, a document kind this build cannot write; no JSON is\n"
    "written then); 1 a file could not be read or written, or standard output\n"
    "could not be written. With --lightest: 0 a section passes, 3 none does, 2\n"
    "the case cannot be searched (GBJ18-87, incomplete selections, no code).\n";

struct Arguments {
  std::string caseFile;
  std::vector<std::string> webRatios;
  std::optional<std::string> output;
  bool help = false;
  bool json = false;  // the verdicts as JSON instead of the report
  bool lightest = false;
  std::optional<std::string> catalogue;
  std::optional<std::string> runDate;  // --date
};

// Message boxes become "title: text" lines; the dialog takes the --web-ratio
// answers. Nobody can be asked again: an answer the window would refuse
// stops the run with the window's message.
class CommandLinePlatform : public Platform {
 public:
  CommandLinePlatform(std::vector<std::string> answers, std::ostream& err) : answers_(std::move(answers)), err_(err) {}
  void messageBox(const std::string& text, const std::string& title, MessageIcon) override {
    err_ << title << ": " << text << "\n";
  }
  std::optional<std::string> inputBox(const std::string& prompt, const std::string& title) override {
    if (answers_.empty()) {
      throw RunRefused(title, prompt + " —— 需要输入腹板有效宽厚比: 请用 --web-ratio R 给出答案");
    }
    const std::string answer = answers_[std::min(asked_, answers_.size() - 1)];
    ++asked_;
    if (!webRatioAnswer(answer)) throw RunRefused(title, std::string(kWebRatioRefused) + " (--web-ratio \"" + answer + "\")");
    return answer;
  }

 private:
  std::vector<std::string> answers_;
  std::size_t asked_ = 0;
  std::ostream& err_;
};

// YYYY-MM-DD with a month and a day that can be.
bool isDate(const std::string& text) {
  int year = 0, month = 0, day = 0;
  char tail = 0;
  if (text.size() != 10 || std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &year, &month, &day, &tail) != 3) return false;
  return text[4] == '-' && text[7] == '-' && month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

std::optional<Arguments> parseArguments(const std::vector<std::string>& args, std::ostream& err) {
  Arguments parsed;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--help" || a == "-h") {
      parsed.help = true;
    } else if (a == "--json") {
      parsed.json = true;
    } else if (a == "--web-ratio" && hasValue) {
      parsed.webRatios.push_back(args[++i]);
    } else if (a == "--lightest") {
      parsed.lightest = true;
    } else if (a == "--catalogue" && hasValue) {
      parsed.catalogue = args[++i];
    } else if (a == "--date" && hasValue) {
      parsed.runDate = args[++i];
      if (!isDate(*parsed.runDate)) {
        err << "veldrin-report: --date wants a date YYYY-MM-DD, not \"" << *parsed.runDate << "\"\n";
        return std::nullopt;
      }
    } else if (a == "-o" && hasValue) {
      parsed.output = args[++i];
    } else if (!a.empty() && a[0] != '-' && parsed.caseFile.empty()) {
      parsed.caseFile = a;
    } else {
      err << "veldrin-report: unexpected argument \"" << a << "\"\n";
      return std::nullopt;
    }
  }
  if (parsed.caseFile.empty() && !parsed.help) {
    err << "veldrin-report: no design-case file given\n";
    return std::nullopt;
  }
  return parsed;
}

bool endsWith(std::string name, const std::string& suffix) {
  std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
  return name.size() >= suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
}

DocumentKind kindOf(const std::optional<std::string>& output) {
  if (output && endsWith(*output, ".pdf")) return DocumentKind::Pdf;
  if (output && endsWith(*output, ".rtf")) return DocumentKind::Rtf;
  return DocumentKind::Text;
}

std::string currentTime(const char* format) {
  const std::time_t now = std::time(nullptr);
  char buf[32];
  std::strftime(buf, sizeof buf, format, std::localtime(&now));
  return buf;
}

std::string currentDateTime() { return currentTime("%Y-%m-%d %H:%M:%S"); }

// The section the figure dialog would draw: h, b, a, t read from the
// window's boxes as the dialog reads them.
SectionDims figureSection(const FormState& form) {
  return {leadingNumber(form.field(4)), leadingNumber(form.field(5)), leadingNumber(form.field(6)),
          leadingNumber(form.field(7))};
}

// The bytes of the output: the text itself, or the document made from it.
std::optional<std::string> outputBytes(const Arguments& args, const RunOutcome& outcome, const DesignCase& dc,
                                       const FormState& form, const DocumentMaker& documents, std::ostream& err) {
  const DocumentKind kind = kindOf(args.output);
  if (kind == DocumentKind::Text) return outcome.report;
  try {
    const ReportBook book = reportBook(outcome, dc, args.runDate.value_or(currentTime("%Y-%m-%d")));
    return documents({kind, book, form.field(1), figureSection(form)});
  } catch (const std::exception& failed) {
    err << "veldrin-report: cannot make the document \"" << *args.output << "\": " << failed.what() << "\n";
    return std::nullopt;
  }
}

int writeReport(const Arguments& args, const std::string& bytes, std::ostream& out, std::ostream& err) {
  if (!args.output) {
    const std::string reason = writeStream(out, bytes);
    if (reason.empty()) return kExitReport;
    err << "veldrin-report: cannot write the report to standard output: " << reason << "\n";
    return kExitIo;
  }
  const std::string reason = writeFileWhole(*args.output, bytes);
  if (reason.empty()) return kExitReport;
  err << "veldrin-report: cannot write \"" << *args.output << "\": " << reason << "\n";
  return kExitIo;
}

// A build without the desktop libraries cannot make RTF or PDF: said before
// anything is run.
bool canWrite(const Arguments& args, const DocumentMaker& documents, std::ostream& err) {
  if (args.json || kindOf(args.output) == DocumentKind::Text || documents) return true;
  err << "veldrin-report: \"" << *args.output
      << "\": this build of veldrin-report has no Qt and writes plain text only; RTF and PDF documents need the "
         "build with the desktop program (-DVELDRIN_GUI=ON)\n";
  return false;
}

// --lightest: the table instead of the report; exit 0 or 3 by the search.
int runLightest(const Arguments& args, const FormState& form, std::ostream& out, std::ostream& err) {
  if (!args.json && kindOf(args.output) != DocumentKind::Text) {
    err << "veldrin-report: --lightest writes its table as plain text, not \"" << *args.output << "\"\n";
    return kExitInput;
  }
  const LightestOutput lightest = lightestCommand(form, args.catalogue, args.json, err);
  if (lightest.exitCode != kExitReport && lightest.exitCode != kExitNonePasses) return lightest.exitCode;
  const int written = writeReport(args, lightest.text, out, err);
  return written == kExitReport ? lightest.exitCode : written;
}

}  // namespace

int runReportCommand(const std::vector<std::string>& argList, std::ostream& out, std::ostream& err,
                     const DocumentMaker& documents) {
  const std::optional<Arguments> args = parseArguments(argList, err);
  if (!args) {
    err << kUsage;
    return kExitInput;
  }
  if (args->help) return writeReport(Arguments{}, kUsage, out, err);
  if (!canWrite(*args, documents, err)) return kExitInput;
  const std::optional<std::string> bytes = readInputFile(args->caseFile, err);
  if (!bytes) return kExitIo;
  FormState form = startupForm(currentDateTime());
  DesignCase dc;
  try {
    applyCaseFile(decodeCaseFile(*bytes), form, dc);
  } catch (const CaseFileError& refused) {
    err << "打开文件: " << args->caseFile << ": " << refused.what() << "\n";
    return kExitInput;
  }
  if (args->lightest) return runLightest(*args, form, out, err);
  CommandLinePlatform platform(args->webRatios, err);
  const RunOutcome outcome = cmdshow_Click(form, dc, platform);
  if (!outcome.completed) return kExitInput;
  if (args->json) return writeReport(*args, jsonText(checksJson(outcome.checks)), out, err);
  const std::optional<std::string> document = outputBytes(*args, outcome, dc, form, documents, err);
  if (!document) return kExitIo;
  return writeReport(*args, *document, out, err);
}

}  // namespace veldrin
