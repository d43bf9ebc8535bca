#include "app/reportcommand.h"

#include <cstdio>
#include <ctime>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>

#include "casefile/casefile.h"
#include "input/numberrules.h"
#include "report/checksjson.h"
#include "report/run.h"
#include "basetypes/runstop.h"

namespace veldrin {

namespace {

const char* const kUsage =
    "usage: veldrin-report CASE.in [--json] [--web-ratio R]... [-o FILE]\n"
    "\n"
    "Opens the design case CASE.in as the main window's Open command does,\n"
    "starting from the window's start-up state (no list selected, CECS102:98,\n"
    "sheeting clear), runs the calculation and writes the report (UTF-8, CR LF\n"
    "line ends) to standard output, or to FILE with -o.\n"
    "\n"
    "  --web-ratio R  answers the web-ratio dialog of GBJ18-87 (the effective\n"
    "                 width-to-thickness ratio of the web); given several times,\n"
    "                 the answers are used in order and the last one repeats\n"
    "  --json         writes, instead of the report, the verdicts as one JSON\n"
    "                 object: {\"verdict\": \"pass\"|\"fail\", \"max_utilisation\": u,\n"
    "                 \"governing\": index into checks, \"checks\": [{\"section\",\n"
    "                 \"combination\", \"element\", \"quantity\", \"demand\", \"limit\",\n"
    "                 \"unit\", \"utilisation\", \"passes\", \"location\"}, ...]}, one\n"
    "                 record per verdict of the report, in report order\n"
    "  -o FILE        writes the report (or the JSON) to FILE instead of standard\n"
    "                 output\n"
    "  --help         shows this text\n"
    "\n"
    "Message boxes are written to standard error as \"title: text\".\n"
    "Exit status: 0 report (or JSON) written, whatever its verdicts; 2 the run\n"
    "stopped on its input (incomplete selections, refused file, refused values,\n"
    "unanswered web-ratio dialog; no JSON is written then); 1 a file could not\n"
    "be read or written.\n";

struct Arguments {
  std::string caseFile;
  std::vector<std::string> webRatios;
  std::optional<std::string> output;
  bool help = false;
  bool json = false;  // the verdicts as JSON instead of the report
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
    } else if (a == "--json") {
      parsed.json = true;
    } else if (a == "--web-ratio" && hasValue) {
      parsed.webRatios.push_back(args[++i]);
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
  CommandLinePlatform platform(args->webRatios, err);
  const RunOutcome outcome = cmdshow_Click(form, dc, platform);
  if (!outcome.completed) return kExitInput;
  return writeReport(*args, args->json ? checksJson(outcome.checks).dump(2) + "\n" : outcome.report, out, err);
}

}  // namespace veldrin
