#pragma once
// The text of catalogue/sections.csv, compiled into the program so that the
// built-in list travels with every copy of it.
#include <string_view>

namespace veldrin {

std::string_view builtinSectionsCsv();

}  // namespace veldrin
