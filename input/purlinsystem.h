#pragma once
// How the purlin is built: its section family and the line of spans it runs
// over. The defaults are the one simply supported lipped C that a case without
// these inputs describes, so a case that never mentions them is checked as
// before.
#include <optional>
#include <vector>

namespace veldrin {

enum class SectionFamily {
  C,    // 卷边槽钢
  Z,    // 卷边Z形钢: lips at 90°
  Z45,  // 斜卷边Z形钢: lips at 45° to the flange
};

enum class SpanSystem {
  Single,       // 单跨简支
  MultiSimple,  // 多跨简支: each span a simple span of its own
  Lapped,       // 连续(嵌套搭接): Z purlins nested over the interior supports
};

// Which way a Z's upper flange points along the slope; it fixes the sign of
// the down-slope load's projection on the Z's principal axes.
enum class ZUpperFlange { TowardRidge, TowardEaves };

struct PurlinSystem {
  SectionFamily family = SectionFamily::C;
  SpanSystem system = SpanSystem::Single;
  // Span lengths, m, left to right; empty: one span of the case's span field.
  std::vector<double> spans;
  // Lap half-length a per interior support, m; no value: automatic (the
  // shortest the detailing rule allows). Empty: automatic everywhere.
  std::vector<std::optional<double>> lapHalfLengths;
  ZUpperFlange zUpperFlange = ZUpperFlange::TowardRidge;
  // Bearing length of the support, mm; no value: a cleat (檩托), where the
  // web is not checked for crippling.
  std::optional<double> bearingLength;

  bool isDefault() const {
    return family == SectionFamily::C && system == SpanSystem::Single && spans.empty() &&
           lapHalfLengths.empty() && zUpperFlange == ZUpperFlange::TowardRidge && !bearingLength;
  }
};

}  // namespace veldrin
