#include "app/reportcommand.h"

#include "app/lightestcommand.h"

#include <cstdio>
#include <ctime>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>

#include "casefile/casefile.h"
#include "input/numberrules.h"
#include "report/run.h"
#include "basetypes/runstop.h"

namespace veldrin {

namespace {

const char* const kUsage =
    "usage: veldrin-report CASE.in [--web-ratio R]... [-o FILE]\n"
    "       veldrin-report --lightest CASE.in [--catalogue FILE] [-o FILE]\n"
    "\n"
    "Opens the design case CASE.in as the main window's Open command does,\n"
    "starting from the window's start-up state (no list selected, CECS102:98,\n"
    "sheeting clear), runs the calculation and writes the report (UTF-8, CR LF\n"
    "line ends) to standard output, or to FILE with -o.\n"
    "\n"
    "  --web-ratio R  answers the web-ratio dialog of GBJ18-87 (the effective\n"
    "                 width-to-thickness ratio of the web); given several times,\n"
    "                 the answers are used in order and the last one repeats\n"
    "  -o FILE        writes the report to FILE instead of standard output\n"
    "  --lightest     instead of the report, runs the whole calculation of the\n"
    "                 case (every check) for each section of the built-in\n"
    "                 catalogue and prints a table: section, kg/m, governing\n"
    "                 check, utilisation, verdict; sections outside the main\n"
    "                 window's bounds, or refused by the run, are listed with the\n"
    "                 reason. The lightest section that passes every check is\n"
    "                 proposed on the last line. Under GBJ18-87 the search is not\n"
    "                 offered: the web's effective ratio must be judged for each\n"
    "                 section.\n"
    "  --catalogue FILE  adds the sections of FILE (CSV rows name,h,b,a,t in mm)\n"
    "                 to the built-in catalogue; a malformed row is reported on\n"
    "                 standard error with its line number and left out\n"
    "  --help         shows this text\n"
    "\n"
    "Message boxes are written to standard error as \"title: text\".\n"
    "Exit status: 0 report written; 2 the run stopped on its input (incomplete\n"
    "selections, refused file, refused values, unanswered web-ratio dialog);\n"
    "1 a file could not be read or written. With --lightest: 0 a section passes,\n"
    "3 none does, 2 the case cannot be searched (GBJ18-87, incomplete selections).\n";

struct Arguments {
  std::string caseFile;
  std::vector<std::string> webRatios;
  std::optional<std::string> output;
  bool help = false;
  bool lightest = false;
  std::optional<std::string> catalogue;
};

// Message boxes become "title: text" lines; the dialog takes the --web-ratio answers.
class CommandLinePlatform : public Platform {
 public:
  CommandLinePlatform(std::vector<std::string> answers, std::ostream& err) : answers_(std::move(answers)), err_(err) {}
  void messageBox(const std::string& text, const std::string& title, MessageIcon) override {
    err_ << title << ": " << text << "\n";
  }
  std::string inputBox(const std::string& prompt, const std::string& title) override {
    if (answers_.empty()) {
      throw RunRefused(title, prompt + " —— 需要输入腹板有效宽厚比: 请用 --web-ratio R 给出答案");
    }
    const std::string answer = answers_[std::min(asked_, answers_.size() - 1)];
    ++asked_;
    return answer;
  }

 private:
  std::vector<std::string> answers_;
  std::size_t asked_ = 0;
  std::ostream& err_;
};

std::optional<Arguments> parseArguments(const std::vector<std::string>& args, std::ostream& err) {
  Arguments parsed;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--help" || a == "-h") {
      parsed.help = true;
    } else if (a == "--web-ratio" && hasValue) {
      parsed.webRatios.push_back(args[++i]);
    } else if (a == "--lightest") {
      parsed.lightest = true;
    } else if (a == "--catalogue" && hasValue) {
      parsed.catalogue = args[++i];
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

std::optional<std::string> readWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return content.str();
}

// Written beside the target and renamed into place: a failure never leaves
// a half-written report.
bool writeFileAtomically(const std::string& path, const std::string& bytes) {
  const std::string temporary = path + ".tmp-veldrin";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      std::remove(temporary.c_str());
      return false;
    }
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

std::string currentDateTime() {
  const std::time_t now = std::time(nullptr);
  char buf[32];
  std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M:%S", std::localtime(&now));
  return buf;
}

int writeReport(const Arguments& args, const std::string& report, std::ostream& out, std::ostream& err) {
  if (!args.output) {
    out << report;
    out.flush();
    return out ? kExitReport : kExitIo;
  }
  if (writeFileAtomically(*args.output, report)) return kExitReport;
  err << "veldrin-report: cannot write \"" << *args.output << "\"\n";
  return kExitIo;
}

}  // namespace

int runReportCommand(const std::vector<std::string>& argList, std::ostream& out, std::ostream& err) {
  const std::optional<Arguments> args = parseArguments(argList, err);
  if (!args) {
    err << kUsage;
    return kExitInput;
  }
  if (args->help) {
    out << kUsage;
    return kExitReport;
  }
  const std::optional<std::string> bytes = readWholeFile(args->caseFile);
  if (!bytes) {
    err << "veldrin-report: cannot read \"" << args->caseFile << "\"\n";
    return kExitIo;
  }
  FormState form = startupForm(currentDateTime());
  DesignCase dc;
  try {
    applyCaseFile(decodeCaseFile(*bytes), form, dc);
  } catch (const CaseFileError& refused) {
    err << "打开文件: " << args->caseFile << ": " << refused.what() << "\n";
    return kExitInput;
  }
  if (args->lightest) {
    const LightestOutput lightest = lightestCommand(form, args->catalogue, false, err);
    if (lightest.exitCode != kExitReport && lightest.exitCode != kExitNonePasses) return lightest.exitCode;
    const int written = writeReport(*args, lightest.text, out, err);
    return written == kExitReport ? lightest.exitCode : written;
  }
  CommandLinePlatform platform(args->webRatios, err);
  const RunOutcome outcome = cmdshow_Click(form, dc, platform);
  if (!outcome.completed) return kExitInput;
  return writeReport(*args, outcome.report, out, err);
}

}  // namespace veldrin
