#pragma once
// The report text: a line is indent spaces, the pieces joined, then CR LF.
// Numbers are written by the default text of their stored type.
#include <string>
#include <string_view>

#include "basetypes/numbertext.h"

namespace veldrin {

class ReportText {
 public:
  template <class... Pieces>
  void line(int indent, const Pieces&... pieces) {
    std::string l(static_cast<std::size_t>(indent), ' ');
    (appendPiece(l, pieces), ...);  // builds the whole line first: a refused number leaves no half line
    text_ += l;
    text_ += "\r\n";
  }
  void empty() { text_ += "\r\n"; }
  void clear() { text_.clear(); }
  const std::string& str() const { return text_; }

 private:
  static void appendPiece(std::string& l, std::string_view s) { l += s; }
  static void appendPiece(std::string& l, const char* s) { l += s; }
  static void appendPiece(std::string& l, const std::string& s) { l += s; }
  template <class N>
  static void appendPiece(std::string& l, const N& n) { l += numText(n); }

  std::string text_;
};

}  // namespace veldrin
