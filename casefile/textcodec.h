#pragma once
// The character sets of the ".in" file: the program works in UTF-8, the file
// holds GB18030 (GBK for every character GBK has). Older files in UTF-8 are
// read as well.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veldrin {

// True when the bytes are well-formed UTF-8 (no overlong forms, no
// surrogates, nothing above U+10FFFF).
bool isValidUtf8(std::string_view bytes);

// The result of a conversion, or the byte offset in the input where it
// failed (a byte sequence the source set does not have).
struct Converted {
  std::optional<std::string> text;
  std::size_t failedAt = 0;
};

// Any conversion the C library knows, by charset names ("GB18030", "UTF-8");
// nullopt when it does not know the pair.
std::optional<Converted> convertCharset(std::string_view in, const char* from, const char* to);

Converted utf8ToGb18030(std::string_view utf8);
Converted gb18030ToUtf8(std::string_view gb);

// A file's bytes as UTF-8: well-formed UTF-8 is taken as it is (without a
// leading byte-order mark), anything else is read as GB18030.
Converted fileTextToUtf8(std::string_view bytes);

// The lines of a file's text. Lines end in CR LF, LF or a lone CR (old Mac
// editors, Excel on a Mac); the last one may lack its end.
std::vector<std::string_view> splitLines(std::string_view text);

}  // namespace veldrin
