// Section four: which combinations are checked for overall stability, the
// line that justifies each choice, and the checks themselves.
#include <algorithm>

#include "calc/stability.h"
#include "report/governing.h"

namespace veldrin {

namespace {

constexpr std::size_t kOne = 0, kTwo = 1, kThree = 2, kFour = 3, kFive = 4, kSix = 5;

struct StabilityChoice {
  std::size_t combination;
  const char* justification;
  const char* heading;
};

// One or two by the perpendicular load; a tie goes to one.
StabilityChoice oneOrTwo(const LoadCombinations& combos) {
  const bool pointLoad = combos[kSix].Q != 0;
  if (combos[kOne].qy >= combos[kTwo].qy) {
    return {kOne,
            pointLoad ? "[因为荷载组合一设计值大于等于荷载组合二设计值,因此选载组合一进行檩条稳定计算]"
                      : "[因为荷载组合一设计值大于等于荷载组合二、五设计值,因此选载组合一进行檩条稳定计算]",
            "<一>荷载组合一稳定计算"};
  }
  return {kTwo,
          pointLoad ? "[因为荷载组合一设计值小于等于荷载组合二设计值,因此选载组合二进行檩条稳定计算]"
                    : "[因为荷载组合一设计值小于等于荷载组合二或五设计值,因此选载组合二进行檩条稳定计算]",
          "<一>荷载组合二稳定计算"};
}

// Under wind pressure four, then five, can carry more than one and two.
StabilityChoice heaviestDownward(const LoadCombinations& combos, StabilityChoice chosen) {
  if (combos[kFour].qy > combos[chosen.combination].qy) {
    chosen = {kFour, "[因为荷载组合四设计值大于等于荷载组合一、二、五设计值,因此选载组合四进行檩条稳定计算]",
              "<一>荷载组合四稳定计算"};
  }
  if (combos[kFive].qy > combos[chosen.combination].qy) {
    chosen = {kFive, "[因为荷载组合五设计值大于等于荷载组合一、二、四设计值,因此选载组合五进行檩条稳定计算]",
              "<一>荷载组合五稳定计算"};
  }
  return chosen;
}

// Three is always checked (it is the wind combination); the line says only
// what is true of its load against four and five.
const char* threeJustification(const LoadCombinations& combos) {
  const double qy3 = combos[kThree].qy;
  if (qy3 < 0 || qy3 >= std::max<double>(combos[kFour].qy, combos[kFive].qy)) {
    return "[因为荷载组合三设计值大于等于荷载组合四、五设计值,因此选载组合三进行檩条稳定计算]";
  }
  return "[因为荷载组合三设计值小于荷载组合四、五设计值,仍选载组合三进行檩条稳定计算]";
}

void check(DesignCase& dc, const LoadCombinations& combos, std::size_t index, Single pointLoad) {
  const LoadCombination& combo = combos[index];
  dc.combination = static_cast<int>(index) + 1;
  stability_code2(dc, combo.qx, combo.qy, pointLoad, dc.latiaonum);
}

void checkGoverningDownward(DesignCase& dc, const LoadCombinations& combos, Single noPointLoad) {
  const StabilityChoice chosen = heaviestDownward(combos, oneOrTwo(combos));
  dc.filestring.line(3, chosen.justification);
  dc.filestring.line(3, chosen.heading);
  check(dc, combos, chosen.combination, noPointLoad);
}

}  // namespace

void stabilitySection(DesignCase& dc, const LoadCombinations& combos) {
  const Single noPointLoad = 0.0;
  if (dc.sheetingRestrains == 1) {
    dc.filestring.line(3, "因为屋面板能阻止檩条的侧向失稳,因此荷载组合一及二不必计算满足稳定要求!");
  } else {
    checkGoverningDownward(dc, combos, noPointLoad);
  }
  dc.filestring.line(3, threeJustification(combos));
  dc.filestring.line(3, "<二>荷载组合三稳定计算");
  check(dc, combos, kThree, noPointLoad);
  if (combos[kSix].Q != 0) {
    dc.filestring.line(3, "<三>荷载组合六稳定计算");
    check(dc, combos, kSix, combos[kSix].Q);
  }
}

}  // namespace veldrin
