#pragma once
// veldrin-report: Open followed by the calculate command, without a window.
#include <iosfwd>
#include <string>
#include <vector>

#include "app/documentmaker.h"

namespace veldrin {

enum ExitCode { kExitReport = 0, kExitIo = 1, kExitInput = 2, kExitNonePasses = 3 };

// Runs the command with its arguments (without the program name); the report
// goes to out (or the -o file), messages to err. Returns the exit code. The
// maker writes the .rtf and .pdf documents; without one they are refused.
int runReportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                     const DocumentMaker& documents = {});

}  // namespace veldrin
