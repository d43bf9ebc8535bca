#include <cmath>

#include "calc/effectivestrength.h"
#include "calc/moments.h"
#include "calc/stresscheck.h"
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

// The largest corner stress of combination k (no point load) as the
// selected code's check forms it on the section as it stands (the gross one
// while section three chooses).
double largestStress(const DesignCase& dc, const LoadCombinations& combos, std::size_t k) {
  const DesignMoments m = combinationMoments(dc, combos[k].qx, combos[k].qy, 0.0, dc.marlolength, dc.latiaonum);
  return largestMagnitude(checkedCornerStresses(dc, m.mx * 1e6, m.my * 1e6));
}

// The combination chosen by the line load qy, and the one checked: a steeper
// combination with a larger qx can stress the section more than the one
// with the largest qy, so the largest corner stress of one to five decides
// when it exceeds that of the load's choice (the first of equals).
struct StrengthChoice {
  std::size_t byLoad, checked;
  double byLoadStress = 0, checkedStress = 0;
};

StrengthChoice choiceByStress(const DesignCase& dc, const LoadCombinations& combos, std::size_t byLoad) {
  StrengthChoice c{byLoad, byLoad};
  if (dc.code == DesignCode::None) return c;  // no check, no stresses
  c.byLoadStress = c.checkedStress = largestStress(dc, combos, byLoad);
  for (std::size_t k = 0; k < 5; ++k) {
    const double stress = largestStress(dc, combos, k);
    if (stress > c.checkedStress) {
      c.checked = k;
      c.checkedStress = stress;
    }
  }
  return c;
}

void justification(DesignCase& dc, const StrengthChoice& c, bool pointLoad) {
  const StrengthTexts& texts = kStrengthTexts[c.checked];
  if (c.checked == c.byLoad) {
    dc.filestring.line(3, pointLoad ? texts.withPointLoad : texts.withoutPointLoad);
  } else {
    const char* x = chineseNumeral(static_cast<int>(c.checked) + 1);
    dc.filestring.line(3, "因为荷载组合", x, "截面最大应力", c.checkedStress, "MPa大于按线荷载设计值选取的荷载组合",
                       chineseNumeral(static_cast<int>(c.byLoad) + 1), "的", c.byLoadStress, "MPa,因此选取组合", x,
                       "进行强度计算");
  }
  dc.filestring.line(3, texts.subHeading);
}

// Combination six is the only one with a point load.
Single pointLoadOf(const LoadCombinations& combos, std::size_t k) { return k == 5 ? combos[5].Q : Single(0.0); }

// One combination's check; remembers whether it ended asking for an
// effective section (a later check may clear the flag again).
void check(DesignCase& dc, Platform& ui, const LoadCombinations& combos, std::size_t k, StrengthChecks& checked) {
  dc.combination = static_cast<int>(k) + 1;
  neili(dc, ui, combos[k].qx, combos[k].qy, pointLoadOf(combos, k), dc.marlolength, dc.latiaonum);
  checked.combinations.push_back(k);
  checked.effectiveSectionFound = checked.effectiveSectionFound || dc.effectflag;
}

}  // namespace

StrengthChecks strengthSection(DesignCase& dc, Platform& ui, const LoadCombinations& combos) {
  StrengthChecks checked;
  const StrengthChoice chosen = choiceByStress(dc, combos, governingForStrength(combos));
  const Single pointLoad = combos[5].Q;
  justification(dc, chosen, pointLoad != 0);
  check(dc, ui, combos, chosen.checked, checked);
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
