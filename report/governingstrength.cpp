#include <cmath>

#include "calc/effectivestrength.h"
#include "calc/moments.h"
#include "report/governing.h"

namespace veldrin {

namespace {

struct StrengthTexts {
  const char* withoutPointLoad;  // combination six carries no point load
  const char* withPointLoad;     // six is checked on its own afterwards
  const char* subHeading;
};

// Indexed like the combinations: one to five.
const StrengthTexts kStrengthTexts[] = {
    {"因为荷载组合一设计值大于等于组合二、三、四、五、六设计值,因此选取组合一进行强度计算",
     "因为荷载组合一设计值大于等于组合二、三、四、五设计值,因此选取组合一进行强度计算", "<一>荷载组合一强度计算"},
    {"因为荷载组合二设计值大于等于组合一、三、四、五、六设计值,因此选取组合二进行强度计算",
     "因为荷载组合二设计值大于等于组合一、三、四、五设计值,因此选取组合二进行强度计算", "<一>荷载组合二强度计算"},
    {"因为荷载组合三设计值大于等于组合一、二、四、五、六设计值,因此选取组合三进行强度计算",
     "因为荷载组合三设计值大于等于组合一、二、四、五设计值,因此选取组合三进行强度计算", "<一>荷载组合三强度计算"},
    {"因为荷载组合四设计值大于等于组合一、二、三、五、六设计值,因此选取组合四进行强度计算",
     "因为荷载组合四设计值大于等于组合一、二、三、五设计值,因此选取组合四进行强度计算", "<一>荷载组合四强度计算"},
    {"因为荷载组合五设计值大于等于组合一、二、三、四、六设计值,因此选取组合五进行强度计算",
     "因为荷载组合五设计值大于等于组合一、二、三、四设计值,因此选取组合五进行强度计算", "<一>荷载组合五强度计算"},
};

// The combination with the largest load perpendicular to the roof: ties go
// to two over one and to three over both; the magnitude of three counts, so
// strong suction can govern. Four and five replace the choice only when
// strictly larger (wind pressure can make them the heaviest).
std::size_t governingForStrength(const LoadCombinations& combos) {
  struct Choice {
    std::size_t index;
    double load;
  } choice{0, combos[0].qy};
  auto takeIf = [&choice](bool governs, std::size_t index, double load) {
    if (governs) choice = {index, load};
  };
  takeIf(combos[1].qy >= choice.load, 1, combos[1].qy);
  const double magnitudeThree = std::fabs(combos[2].qy);
  takeIf(magnitudeThree >= choice.load, 2, magnitudeThree);
  takeIf(combos[3].qy > choice.load, 3, combos[3].qy);
  takeIf(combos[4].qy > choice.load, 4, combos[4].qy);
  return choice.index;
}

// Combination six is the only one with a point load.
Single pointLoadOf(const LoadCombinations& combos, std::size_t k) { return k == 5 ? combos[5].Q : Single(0.0); }

// One combination's check; remembers whether it ended asking for an
// effective section (a later check may clear the flag again).
void check(DesignCase& dc, Platform& ui, const LoadCombinations& combos, std::size_t k, StrengthChecks& checked) {
  neili(dc, ui, combos[k].qx, combos[k].qy, pointLoadOf(combos, k), dc.marlolength, dc.latiaonum);
  checked.combinations.push_back(k);
  checked.effectiveSectionFound = checked.effectiveSectionFound || dc.effectflag;
}

}  // namespace

StrengthChecks strengthSection(DesignCase& dc, Platform& ui, const LoadCombinations& combos) {
  StrengthChecks checked;
  const std::size_t chosen = governingForStrength(combos);
  const StrengthTexts& texts = kStrengthTexts[chosen];
  const Single pointLoad = combos[5].Q;
  dc.filestring.line(3, pointLoad == 0 ? texts.withoutPointLoad : texts.withPointLoad);
  dc.filestring.line(3, texts.subHeading);
  check(dc, ui, combos, chosen, checked);
  if (pointLoad == 0) return checked;  // exact: any point load at all is checked
  dc.filestring.line(3, "<二>荷载组合六强度计算");
  check(dc, ui, combos, 5, checked);
  return checked;
}

// The strength check by effective widths stops at the plates; the section
// they leave must still carry the moments (GB 50018-2002 8.1.1), so every
// verified combination is checked once more on it.
void effectiveSectionStrength(DesignCase& dc, const LoadCombinations& combos, const StrengthChecks& checked) {
  if (!checked.effectiveSectionFound || dc.code == DesignCode::None) return;
  dc.filestring.line(3, "<有效截面强度验算>");
  for (std::size_t k : checked.combinations) {
    const DesignMoments m =
        combinationMoments(dc, combos[k].qx, combos[k].qy, pointLoadOf(combos, k), dc.marlolength, dc.latiaonum);
    const EffectiveSectionCheck c = effectiveSectionCheck(dc, m.mx * 1e6, m.my * 1e6);
    writeEffectiveSectionCheck(dc, static_cast<int>(k) + 1, c);
  }
}

}  // namespace veldrin
