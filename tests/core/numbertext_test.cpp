#include "basetypes/numbertext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>

#include "basetypes/reporttext.h"

using veldrin::numText;
using veldrin::Single;
using veldrin::truncateTo;

TEST(NumberText, DoublesKeepFifteenDigitsAndDropTrailingZeros) {
  EXPECT_EQ(numText(1.2 * 0.12 * 1.5), "0.216");
  EXPECT_EQ(numText(206000.0), "206000");
  EXPECT_EQ(numText(-2.4255), "-2.4255");
  EXPECT_EQ(numText(1.0 / 3.0), "0.333333333333333");
  EXPECT_EQ(numText(2.5), "2.5");
}

TEST(NumberText, FloatsKeepSevenDigits) {
  EXPECT_EQ(numText(Single(7.2)), "7.2");
  EXPECT_EQ(numText(Single(0.84)), "0.84");
  EXPECT_EQ(numText(Single(1.0 / 3.0)), "0.3333333");
  EXPECT_EQ(numText(Single(123.46)), "123.46");
}

TEST(NumberText, ExponentOnlyForTinyOrHugeMagnitudes) {
  EXPECT_EQ(numText(0.0001), "0.0001");
  EXPECT_EQ(numText(0.00001), "1E-05");
  EXPECT_EQ(numText(1.5e16), "1.5E+16");
  EXPECT_EQ(numText(123456789012345.0), "123456789012345");
  EXPECT_EQ(numText(Single(12345678.0)), "1.234568E+07");
  EXPECT_EQ(numText(Single(1234567.0)), "1234567");
}

TEST(NumberText, NegativeZeroIsZeroAndIntegersArePlain) {
  EXPECT_EQ(numText(-0.0), "0");
  EXPECT_EQ(numText(Single(-0.0)), "0");
  EXPECT_EQ(numText(static_cast<short>(215)), "215");
  EXPECT_EQ(numText(-3), "-3");
}

TEST(NumberText, NonFiniteNumbersAreRefused) {
  EXPECT_THROW(numText(std::numeric_limits<double>::infinity()), veldrin::NonFiniteValue);
  EXPECT_THROW(numText(std::nan("")), veldrin::NonFiniteValue);
  EXPECT_THROW(numText(Single(1e50)), veldrin::NonFiniteValue);
}

TEST(NumberText, FileFormDropsTheZeroBeforeThePoint) {
  EXPECT_EQ(veldrin::fileNumText(0.75), ".75");
  EXPECT_EQ(veldrin::fileNumText(-0.5), "-.5");
  EXPECT_EQ(veldrin::fileNumText(Single(0.06)), ".06");
  EXPECT_EQ(veldrin::fileNumText(250.0), "250");
  EXPECT_EQ(veldrin::fileNumText(0.0), "0");
}

TEST(SingleField, StandsForTheDecimalItPrintsAs) {
  const Single qy = 0.84;
  EXPECT_EQ(static_cast<double>(qy), 0.84);
  EXPECT_EQ(static_cast<double>(Single(123.46)), 123.46);
  // A 6 m span with qy = 0.84: 3.78 after truncation, not 3.77 from the raw binary value.
  const Single span = 6.0;
  EXPECT_EQ(truncateTo(qy * span * span / 8, 2), 3.78);
  EXPECT_EQ(truncateTo(static_cast<double>(0.84f) * 36 / 8, 2), 3.77);
}

TEST(Truncation, FloorsTheDecimalValueTowardMinusInfinity) {
  EXPECT_EQ(truncateTo(0.29, 2), 0.29);
  EXPECT_EQ(truncateTo(-1.231, 2), -1.24);
  EXPECT_EQ(truncateTo(220.004, 2), 220.0);
  EXPECT_EQ(truncateTo(1.239, 2), 1.23);
  EXPECT_EQ(truncateTo(0.8445, 2), 0.84);
  EXPECT_EQ(truncateTo(-2.3081, 2), -2.31);
  EXPECT_EQ(truncateTo(std::atan(0.06), 3), 0.059);
  EXPECT_EQ(truncateTo(-0.0, 2), 0.0);
}

TEST(ReportLine, IndentPiecesAndCrLf) {
  veldrin::ReportText r;
  r.line(3, "qx=", Single(0.04), "KN/m");
  r.empty();
  r.line(0, "n=", static_cast<short>(2), "根", 1.5);
  EXPECT_EQ(r.str(), "   qx=0.04KN/m\r\n\r\nn=2根1.5\r\n");
}

TEST(ReportLine, RefusedNumberLeavesNoHalfLine) {
  veldrin::ReportText r;
  EXPECT_THROW(r.line(3, "x=", std::nan("")), veldrin::NonFiniteValue);
  EXPECT_EQ(r.str(), "");
}

TEST(ReportLine, MutedTextWritesNothingButStillRefusesNonFiniteNumbers) {
  veldrin::ReportText r;
  r.setMuted(true);
  r.line(3, "qx=", Single(0.04), "KN/m", 2, 1.5);
  r.empty();
  EXPECT_EQ(r.str(), "");
  EXPECT_THROW(r.line(3, "x=", std::nan("")), veldrin::NonFiniteValue);
  EXPECT_THROW(r.line(3, "x=", Single(1e50)), veldrin::NonFiniteValue);
  EXPECT_THROW(r.line(3, 1.0, "x=", -std::numeric_limits<double>::infinity()), veldrin::NonFiniteValue);
  r.setMuted(false);
  r.line(0, "q=", 1.5);
  EXPECT_EQ(r.str(), "q=1.5\r\n");
}

// The texts are those of the C library's "%.15G" and "%.7G", and the
// roundings those of printing and reading back, over every magnitude.
TEST(NumberText, AgreesWithTheCLibraryOverRandomValues) {
  std::mt19937_64 rng(7);
  std::uniform_real_distribution<double> mantissa(-10, 10);
  std::uniform_int_distribution<int> exponent(-12, 22);
  char buf[64];
  for (int i = 0; i < 200000; ++i) {
    const int e = exponent(rng);
    double v = mantissa(rng) * std::pow(10.0, e);
    if (i % 4 == 0) v = std::round(v * 100) / 100;  // values with few decimals, as the report has them
    std::snprintf(buf, sizeof buf, "%.15G", v);
    ASSERT_EQ(numText(v), v == 0 ? "0" : buf) << v;
    ASSERT_EQ(veldrin::roundTo15(v), v == 0 ? v : std::strtod(buf, nullptr)) << buf;
    const float f = static_cast<float>(v);
    std::snprintf(buf, sizeof buf, "%.7G", static_cast<double>(f));
    ASSERT_EQ(numText(Single(f)), f == 0 ? "0" : buf) << buf;
    ASSERT_EQ(veldrin::decimalOfFloat(f), std::strtod(buf, nullptr)) << buf;
  }
}
