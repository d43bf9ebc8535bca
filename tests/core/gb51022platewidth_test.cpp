#include "calc/gb51022/platewidth.h"

#include <gtest/gtest.h>

#include <cmath>

namespace veldrin::gb51022 {
namespace {

// The box sections of the GB 50018-2002 commentary to 5.6.3, uniformly
// compressed (ψ = 1, σ1 = 205, k = 4 on both sides): each side is restrained
// by the other, so ξ = (c/b)·√(k/kc) = c/b.
struct BoxSide {
  double width, neighbour;  // b/t of the side and of the adjacent side (t = 1)
  double k1, be;
};

TEST(PlateWidth, ReproducesTheCommentaryBoxSections) {
  const struct {
    BoxSide longSide, shortSide;
    double area;  // Ae/t² of the whole box: two of each side
  } boxes[] = {
      {{120, 20, 1.7, 65.19}, {20, 120, 0.136, 15.94}, 162.3},  // the long side's k1 = 2.45 is capped at 1.7
      {{180, 76, 1.539, 62.03}, {76, 180, 0.283, 26.60}, 177.3},
  };
  for (const auto& box : boxes) {
    double area = 0;
    for (const BoxSide& side : {box.longSide, box.shortSide}) {
      const double k1 = restraintCoefficient(PlateKind::Stiffened, side.neighbour / side.width);
      EXPECT_NEAR(k1, side.k1, 0.001) << side.width;
      const PlateWidth w = plateWidth({PlateKind::Stiffened, side.width, 1, 205, 1, 4, k1});
      EXPECT_NEAR(w.be, side.be, 0.005) << side.width;
      area += 2 * w.be;
    }
    EXPECT_NEAR(area, box.area, 0.05);
  }
}

TEST(PlateWidth, BucklingCoefficientsOfTheThreeKindsOfPlate) {
  const struct {
    PlateKind kind;
    double psi;
    bool maxAtSupport;
    double k;
  } cases[] = {
      {PlateKind::Stiffened, 1, true, 4.0},
      {PlateKind::Stiffened, -1, true, 23.87},
      {PlateKind::Stiffened, -2, true, 23.87},  // below −1 the value at −1
      {PlateKind::PartlyStiffened, 1, true, 0.98},
      {PlateKind::PartlyStiffened, 1, false, 0.975},
      {PlateKind::PartlyStiffened, -1, true, 24.16},
      {PlateKind::Unstiffened, 1, true, 0.425},
      {PlateKind::Unstiffened, -0.2, true, 4.25},
      {PlateKind::Unstiffened, -1, true, 23.91},
      {PlateKind::Unstiffened, 1, false, 0.425},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(bucklingCoefficient(c.kind, c.psi, c.maxAtSupport), c.k, 0.001) << c.psi;
  }
}

TEST(PlateWidth, RestraintOfTheAdjacentPlateAndItsCaps) {
  EXPECT_NEAR(restraintCoefficient(PlateKind::Stiffened, 1.0), 1.0, 1e-12);
  EXPECT_NEAR(restraintCoefficient(PlateKind::Stiffened, 2.0), 0.11 + 0.93 / (1.95 * 1.95), 1e-12);
  EXPECT_DOUBLE_EQ(restraintCoefficient(PlateKind::Stiffened, 0.01), 1.7);
  EXPECT_DOUBLE_EQ(restraintCoefficient(PlateKind::PartlyStiffened, 0.01), 2.4);
  EXPECT_DOUBLE_EQ(restraintCoefficient(PlateKind::Unstiffened, 0.01), 3.0);
}

TEST(PlateWidth, FormulaByTheSlendernessAndWhereTheWidthSits) {
  // ρ = 1 (k·k1 = σ1/205), α = 1: the bounds are 18 and 38.
  const PlateWidth stocky = plateWidth({PlateKind::Stiffened, 18, 1, 205, 1, 4, 0.25});
  EXPECT_EQ(stocky.formula, 1);
  EXPECT_TRUE(stocky.fullyEffective());
  const PlateWidth middle = plateWidth({PlateKind::Stiffened, 30, 1, 205, 1, 4, 0.25});
  EXPECT_EQ(middle.formula, 2);
  EXPECT_NEAR(middle.be, (std::sqrt(21.8 / 30) - 0.1) * 30, 1e-9);
  EXPECT_NEAR(middle.be1, middle.be / 2, 1e-9);  // 2/(5 − ψ) at ψ = 1
  const PlateWidth slender = plateWidth({PlateKind::PartlyStiffened, 50, 1, 205, 1, 4, 0.25});
  EXPECT_EQ(slender.formula, 3);
  EXPECT_NEAR(slender.be, 25, 1e-9);
  EXPECT_NEAR(slender.be1, 10, 1e-9);  // 0.4be next to the more compressed edge
  // Bending with tension: only bc = b/(1 − ψ) is compressed, α = 1.15.
  const PlateWidth bent = plateWidth({PlateKind::Stiffened, 100, 1, 205, -1, 4, 0.25});
  EXPECT_DOUBLE_EQ(bent.bc, 50);
  EXPECT_DOUBLE_EQ(bent.alpha, 1.15);
  EXPECT_NEAR(bent.be1, 0.4 * bent.be, 1e-9);
  EXPECT_LE(bent.be, bent.bc);
}

}  // namespace
}  // namespace veldrin::gb51022
