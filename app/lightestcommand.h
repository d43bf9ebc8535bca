#pragma once
// veldrin-report --lightest: the search for the lightest section of a design case.
#include <iosfwd>
#include <optional>
#include <string>

#include "input/formstate.h"

namespace veldrin {

struct LightestOutput {
  int exitCode = 0;  // kExitReport: a section passes; kExitNonePasses; kExitInput; kExitIo
  std::string text;  // the table (or its JSON), written only with kExitReport or kExitNonePasses
};

// The built-in catalogue, plus the sections of catalogueFile when given;
// catalogue problems and refusals go to err. json: the result as JSON
// instead of the aligned table.
LightestOutput lightestCommand(const FormState& form, const std::optional<std::string>& catalogueFile, bool json,
                               std::ostream& err);

}  // namespace veldrin
