#pragma once
// The report text: a line is indent spaces, the pieces joined, then CR LF.
// Numbers are written by the default text of their stored type.
// A muted text writes nothing (a search runs whole calculations whose report
// nobody reads) but still refuses a number that is not finite, so that a
// muted run stops exactly where a written one would.
#include <cmath>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "basetypes/numbertext.h"
#include "basetypes/reporttable.h"

namespace veldrin {

// A number written after an operator or under a power: a negative one goes in
// brackets ("*(-1.4)", "(-0.46)^2"), so that a substitution reads as the
// arithmetic that was done.
template <class N>
struct Operand {
  N value;
};

template <class N>
Operand<N> operand(N value) {
  return {value};
}

template <class N>
std::string operandText(N value) {
  return value < 0 ? "(" + numText(value) + ")" : numText(value);
}

// A piece of a type of its own (a term of a formula) is written by its
// appendReportPiece(std::string&, const T&) and checked by its
// refuseNonFiniteTerms(const T&), both found next to the type.

class ReportText {
 public:
  template <class... Pieces>
  void line(int indent, const Pieces&... pieces) {
    if (muted_) {
      (refuseNonFinite(pieces), ...);
      return;
    }
    std::string l(static_cast<std::size_t>(indent), ' ');
    (appendPiece(l, pieces), ...);  // builds the whole line first: a refused number leaves no half line
    text_ += l;
    text_ += "\r\n";
    ++lines_;
  }
  void empty() {
    if (muted_) return;
    text_ += "\r\n";
    ++lines_;
  }
  // The table's rows lined up, one line each; the table is kept with its
  // place, so that a document can show it as a table.
  void table(int indent, ReportTable cells) {
    if (muted_) return;
    PlacedTable placed{lines_, indent, std::move(cells)};
    for (const std::string& row : alignedLines(placed.table)) line(indent, row);
    tables_.push_back(std::move(placed));
  }
  void clear() {  // a muted text stays muted
    text_.clear();
    tables_.clear();
    lines_ = 0;
  }
  void setMuted(bool muted) { muted_ = muted; }
  bool muted() const { return muted_; }
  const std::string& str() const { return text_; }
  const std::vector<PlacedTable>& tables() const { return tables_; }

 private:
  static void appendPiece(std::string& l, std::string_view s) { l += s; }
  static void appendPiece(std::string& l, const char* s) { l += s; }
  static void appendPiece(std::string& l, const std::string& s) { l += s; }
  template <class N>
  static void appendPiece(std::string& l, const N& n) {
    if constexpr (requires { appendReportPiece(l, n); }) {
      appendReportPiece(l, n);
    } else {
      l += numText(n);
    }
  }
  template <class N>
  static void appendPiece(std::string& l, const Operand<N>& o) { l += operandText(o.value); }

  template <class N>
  static void refuseNonFinite(const Operand<N>& o) {
    refuseNonFinite(o.value);
  }
  template <class P>
  static void refuseNonFinite(const P& piece) {
    if constexpr (requires { refuseNonFiniteTerms(piece); }) {
      refuseNonFiniteTerms(piece);
    } else if constexpr (std::is_same_v<P, Single>) {
      if (!std::isfinite(piece.raw())) throw NonFiniteValue();
    } else if constexpr (std::is_floating_point_v<P>) {
      if (!std::isfinite(piece)) throw NonFiniteValue();
    }
  }

  std::string text_;
  std::vector<PlacedTable> tables_;
  std::size_t lines_ = 0;  // lines written so far
  bool muted_ = false;
};

}  // namespace veldrin
