#include "tools/reportarithmetic.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <sstream>

namespace veldrin::arith {

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
const std::string kWideEquals = "\xEF\xBC\x9D";  // ＝
const std::string kRoot = "\xE2\x88\x9A";        // √

// Every value a printed expression can stand for.
struct Interval {
  double lo, hi;
};

Interval around(double v, double unit) { return {v - unit, v + unit}; }

Interval hull(std::initializer_list<double> values) {
  if (std::any_of(values.begin(), values.end(), [](double v) { return std::isnan(v); })) return {-kInf, kInf};
  return {std::min(values), std::max(values)};
}

Interval operator+(Interval a, Interval b) { return {a.lo + b.lo, a.hi + b.hi}; }
Interval operator-(Interval a, Interval b) { return {a.lo - b.hi, a.hi - b.lo}; }
Interval operator-(Interval a) { return {-a.hi, -a.lo}; }
Interval operator*(Interval a, Interval b) { return hull({a.lo * b.lo, a.lo * b.hi, a.hi * b.lo, a.hi * b.hi}); }

// A divisor that may be zero allows any quotient: nothing can be judged.
Interval operator/(Interval a, Interval b) {
  if (b.lo <= 0 && b.hi >= 0) return {-kInf, kInf};
  return a * Interval{1 / b.hi, 1 / b.lo};
}

struct NotArithmetic {
  std::string why;
};

Interval power(Interval x, Interval n) {
  const bool wholeExponent = n.lo == n.hi && n.lo == std::floor(n.lo);
  if (x.lo > 0 || (wholeExponent && n.lo >= 0)) {
    Interval r = hull({std::pow(x.lo, n.lo), std::pow(x.lo, n.hi), std::pow(x.hi, n.lo), std::pow(x.hi, n.hi)});
    // An even power of an interval around zero reaches down to zero.
    if (x.lo < 0 && x.hi > 0 && std::fmod(n.lo, 2) == 0) r.lo = 0;
    return r;
  }
  if (x.hi < 0) throw NotArithmetic{"a power of a negative number"};
  return {-kInf, kInf};
}

Interval root(Interval x) {
  if (x.hi < 0) throw NotArithmetic{"the root of a negative number"};
  return {std::sqrt(std::max(x.lo, 0.0)), std::sqrt(x.hi)};
}

// sin or cos of degrees: the ends, and any peak the interval passes.
Interval trig(Interval deg, bool sine) {
  if (!(deg.hi - deg.lo < 360)) return {-1, 1};
  const double rad = std::acos(-1.0) / 180;
  auto f = [&](double d) { return sine ? std::sin(d * rad) : std::cos(d * rad); };
  Interval r = hull({f(deg.lo), f(deg.hi)});
  const double phase = sine ? 90 : 0;  // peaks at phase + 180k
  for (double k = std::ceil((deg.lo - phase) / 180); phase + 180 * k <= deg.hi; ++k) {
    r = hull({r.lo, r.hi, f(phase + 180 * k)});
  }
  return r;
}

struct Token {
  char op = 0;  // '+', '-', '*', '/', '^', '(', ')', ',', 'n' a number, 'f' a function
  double value = 0;
  double unit = 0;  // of the last printed digit; 0 for a whole number of fewer than seven digits
  std::string name;  // of a function
  std::size_t end = 0;  // where its text ends
};

double unitOf(const std::string& digits, const std::string& mantissa, int exponent) {
  const std::size_t point = mantissa.find('.');
  const int decimals = point == std::string::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
  if (point == std::string::npos && exponent == 0 && digits.size() < 7) return 0;
  return std::pow(10.0, exponent - decimals);
}

// How the printed numbers of one expression are read: the constants of its
// formula are exact; a whole number may stand for a value floored to a step
// its text no longer shows.
struct Reading {
  std::vector<double> constants;
  double wholeUnit;

  Interval of(const Token& t) const {
    const bool constant = std::any_of(constants.begin(), constants.end(), [&](double c) {
      return std::fabs(c - t.value) <= 1e-12 * std::fabs(c);
    });
    if (constant) return {t.value, t.value};
    return around(t.value, t.unit > 0 ? t.unit : wholeUnit);
  }
};

std::size_t readNumber(const std::string& s, std::size_t i, Token& t) {
  const std::size_t start = i;
  std::string digits;
  while (i < s.size() && (std::isdigit(static_cast<unsigned char>(s[i])) || s[i] == '.')) {
    if (s[i] != '.' && (!digits.empty() || s[i] != '0')) digits += s[i];
    ++i;
  }
  const std::string mantissa = s.substr(start, i - start);
  int exponent = 0;
  if (i + 1 < s.size() && (s[i] == 'E' || s[i] == 'e')) {
    std::size_t j = i + 1;
    if (s[j] == '+' || s[j] == '-') ++j;
    if (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) {
      while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) ++j;
      exponent = std::atoi(s.substr(i + 1, j - i - 1).c_str());
      i = j;
    }
  }
  t.op = 'n';
  t.value = std::strtod(s.substr(start, i - start).c_str(), nullptr);
  t.unit = unitOf(digits, mantissa, exponent);
  return i;
}

const char* const kFunctions[] = {"Sqr", "sqrt", "sin", "Sin", "cos", "Cos", "max", "abs"};

// Tokens up to the first text that is not arithmetic; `complete` tells
// whether the whole text was read.
std::vector<Token> tokens(const std::string& s, bool& complete) {
  std::vector<Token> out;
  std::size_t i = 0;
  auto fn = [&](const std::string& name) {
    i += name.size();
    out.push_back(Token{'f', 0, 0, name, i});
  };
  while (i < s.size()) {
    const char c = s[i];
    if (c == ' ') {
      ++i;
    } else if (std::isdigit(static_cast<unsigned char>(c)) || c == '.') {
      Token t;
      i = readNumber(s, i, t);
      t.end = i;
      out.push_back(t);
    } else if (std::string("+-*/^(),").find(c) != std::string::npos) {
      ++i;
      out.push_back(Token{c, 0, 0, {}, i});
    } else if (s.compare(i, kRoot.size(), kRoot) == 0) {
      fn(kRoot);
    } else {
      const auto* f = std::find_if(std::begin(kFunctions), std::end(kFunctions),
                                   [&](const char* name) { return s.compare(i, std::string(name).size(), name) == 0; });
      if (f == std::end(kFunctions)) break;
      fn(*f);
    }
  }
  complete = i >= s.size();
  return out;
}

// Recursive descent with the usual precedence; a sign may only open an
// expression (at its start, after "(" or ","), never follow an operator.
class Parser {
 public:
  Parser(const std::vector<Token>& t, const Reading& reading) : t_(t), reading_(reading) {}

  Interval expression() {
    Interval v{0, 0};
    if (peek('-') || peek('+')) {
      const bool minus = t_[i_++].op == '-';
      v = minus ? -term() : term();
    } else {
      v = term();
    }
    while (peek('+') || peek('-')) v = t_[i_++].op == '+' ? v + term() : v - term();
    return v;
  }

  bool atEnd() const { return i_ == t_.size(); }
  std::size_t used() const { return i_; }

 private:
  bool peek(char op) const { return i_ < t_.size() && t_[i_].op == op; }

  void expect(char op) {
    if (!peek(op)) throw NotArithmetic{std::string("expected ") + op};
    ++i_;
  }

  Interval term() {
    Interval v = factor();
    while (peek('*') || peek('/')) v = t_[i_++].op == '*' ? v * factor() : v / factor();
    return v;
  }

  // A printed exponent is part of the formula (^2, ^4, ^0.5): exact.
  Interval factor() {
    const Interval base = primary();
    if (!peek('^')) return base;
    ++i_;
    if (peek('n')) {
      const double n = t_[i_++].value;
      return power(base, {n, n});
    }
    return power(base, primary());
  }

  Interval call(const std::string& name) {
    if (name == kRoot && !peek('(')) return root(primary());
    expect('(');
    const Interval a = expression();
    Interval r = a;
    if (name == "max") {
      expect(',');
      const Interval b = expression();
      r = {std::max(a.lo, b.lo), std::max(a.hi, b.hi)};
    } else if (name == "abs") {
      r = a.lo >= 0 ? a : a.hi <= 0 ? -a : Interval{0, std::max(-a.lo, a.hi)};
    } else if (name == "sin" || name == "Sin" || name == "cos" || name == "Cos") {
      r = trig(a, name == "sin" || name == "Sin");
    } else {
      r = root(a);
    }
    expect(')');
    return r;
  }

  Interval primary() {
    if (i_ >= t_.size()) throw NotArithmetic{"an operand is missing"};
    const Token& t = t_[i_++];
    if (t.op == 'n') return reading_.of(t);
    if (t.op == 'f') return call(t.name);
    if (t.op == '(') {
      const Interval v = expression();
      expect(')');
      return v;
    }
    if (t.op == '-' || t.op == '+') throw NotArithmetic{"a signed operand after an operator is not in brackets"};
    throw NotArithmetic{std::string("unexpected ") + t.op};
  }

  const std::vector<Token>& t_;
  const Reading& reading_;
  std::size_t i_ = 0;
};

bool hasOperation(const std::vector<Token>& t) {
  for (std::size_t k = 0; k < t.size(); ++k) {
    const char op = t[k].op;
    if (op == '*' || op == '/' || op == '^' || op == '+' || op == 'f') return true;
    if (op == '-' && k > 0) return true;
  }
  return false;
}

std::string trimmed(const std::string& s) {
  const std::size_t a = s.find_first_not_of(' ');
  if (a == std::string::npos) return {};
  return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

void replaceAll(std::string& s, const std::string& from, const std::string& to) {
  for (std::size_t at = 0; (at = s.find(from, at)) != std::string::npos; at += to.size()) s.replace(at, from.size(), to);
}

struct LogicalLine {
  int number;
  std::string text;
};

// The report's lines with ＝ read as =; a line opening with = continues the one before.
std::vector<LogicalLine> logicalLines(const std::string& report) {
  std::vector<LogicalLine> lines;
  std::istringstream in(report);
  std::string line;
  for (int n = 1; std::getline(in, line); ++n) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    replaceAll(line, kWideEquals, "=");
    const std::string body = trimmed(line);
    if (!body.empty() && body[0] == '=' && !lines.empty()) {
      lines.back().text += body;
    } else {
      lines.push_back({n, line});
    }
  }
  return lines;
}

std::vector<std::string> splitAtEquals(const std::string& s) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t at; (at = s.find('=', start)) != std::string::npos; start = at + 1) {
    parts.push_back(s.substr(start, at - start));
  }
  parts.push_back(s.substr(start));
  return parts;
}

// The printed result: the arithmetic that opens the text after "=". A whole
// number there may be a value floored to 0.1 (a slenderness, a span ratio).
std::optional<std::pair<Interval, std::string>> printedResult(const std::string& text) {
  bool complete = false;
  const std::vector<Token> t = tokens(text, complete);
  const Reading reading{{}, 0.1};
  try {
    Parser p(t, reading);
    const Interval v = p.expression();
    return std::make_pair(v, trimmed(text.substr(0, t[p.used() - 1].end)));
  } catch (const NotArithmetic&) {
    return std::nullopt;
  }
}

std::string intervalText(Interval v) {
  std::ostringstream s;
  s.precision(10);
  s << "[" << v.lo << ", " << v.hi << "]";
  return s.str();
}

bool agrees(Interval a, Interval b) {
  const double slack = 1e-9 * std::max({std::fabs(a.lo), std::fabs(a.hi), std::fabs(b.lo), std::fabs(b.hi)}) + 1e-12;
  return !(a.hi < b.lo - slack || a.lo > b.hi + slack);
}

// The numbers a formula writes as such (2 in h/2, 1.2 in 1.2*qD*a), not
// the digits of a name (σ7, x0, q1).
void collectConstants(const std::string& formula, std::vector<double>& constants) {
  auto nameChar = [](unsigned char c) { return std::isalnum(c) || c == '_' || c >= 0x80; };
  for (std::size_t i = 0; i < formula.size();) {
    const unsigned char c = static_cast<unsigned char>(formula[i]);
    if (!std::isdigit(c) || (i > 0 && nameChar(static_cast<unsigned char>(formula[i - 1])))) {
      ++i;
      continue;
    }
    Token t;
    i = readNumber(formula, i, t);
    constants.push_back(t.value);
  }
}

// One numeric substitution against the text after it: nullopt when mid is
// none, else the finding when it does not check out.
std::optional<std::optional<Finding>> check(const std::string& mid, const std::string& after, int line,
                                            const Reading& reading) {
  bool complete = false;
  const std::vector<Token> t = tokens(mid, complete);
  if (!complete || !hasOperation(t)) return std::nullopt;
  const auto result = printedResult(after);
  if (!result) return std::nullopt;
  Finding f{line, trimmed(mid), result->second, {}};
  try {
    Parser p(t, reading);
    const Interval v = p.expression();
    if (!p.atEnd()) throw NotArithmetic{"text after the expression"};
    if (agrees(v, result->first)) return std::optional<Finding>{};
    f.why = "evaluates to " + intervalText(v) + ", printed " + intervalText(result->first);
  } catch (const NotArithmetic& e) {
    f.why = e.why;
  }
  return std::optional<Finding>{f};
}

}  // namespace

Audit auditReport(const std::string& text) {
  Audit audit;
  for (const LogicalLine& l : logicalLines(text)) {
    const std::vector<std::string> parts = splitAtEquals(l.text);
    Reading reading{{}, 0.01};
    collectConstants(parts[0], reading.constants);
    for (std::size_t i = 1; i + 1 < parts.size(); ++i) {
      const auto checked = check(parts[i], parts[i + 1], l.number, reading);
      if (!checked) {
        collectConstants(parts[i], reading.constants);  // a formula, or text
        continue;
      }
      ++audit.substitutions;
      if (*checked) audit.failures.push_back(**checked);
    }
  }
  return audit;
}

std::string describe(const Finding& f) {
  return std::to_string(f.line) + ": " + f.expression + " = " + f.printed + " (" + f.why + ")";
}

}  // namespace veldrin::arith
