#include <cmath>

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

}  // namespace

void strengthSection(DesignCase& dc, Platform& ui, const LoadCombinations& combos) {
  const std::size_t chosen = governingForStrength(combos);
  const StrengthTexts& texts = kStrengthTexts[chosen];
  const Single pointLoad = combos[5].Q;
  const Single noPointLoad = 0.0;
  dc.filestring.line(3, pointLoad == 0 ? texts.withoutPointLoad : texts.withPointLoad);
  dc.filestring.line(3, texts.subHeading);
  dc.combination = static_cast<int>(chosen) + 1;
  neili(dc, ui, combos[chosen].qx, combos[chosen].qy, noPointLoad, dc.marlolength, dc.latiaonum);
  if (pointLoad == 0) return;  // exact: any point load at all is checked
  dc.filestring.line(3, "<二>荷载组合六强度计算");
  dc.combination = 6;
  neili(dc, ui, combos[5].qx, combos[5].qy, pointLoad, dc.marlolength, dc.latiaonum);
}

}  // namespace veldrin
