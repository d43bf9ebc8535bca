#include "input/numberrules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

using veldrin::isNumeric;
using veldrin::leadingNumber;

TEST(LeadingNumber, BlanksAnywhereAreRemovedFirst) {
  EXPECT_EQ(leadingNumber("1 2"), 12);
  EXPECT_EQ(leadingNumber(" \t7.2\n"), 7.2);
}

TEST(LeadingNumber, ReadingStopsAtTheFirstOtherCharacter) {
  EXPECT_EQ(leadingNumber("7.2m"), 7.2);
  EXPECT_EQ(leadingNumber("1,5"), 1);
  EXPECT_EQ(leadingNumber("1.2.3"), 1.2);
  EXPECT_EQ(leadingNumber("250mm"), 250);
}

TEST(LeadingNumber, SignsPointsAndExponents) {
  EXPECT_EQ(leadingNumber("-1.4"), -1.4);
  EXPECT_EQ(leadingNumber("+.5"), 0.5);
  EXPECT_EQ(leadingNumber("-.5"), -0.5);
  EXPECT_EQ(leadingNumber("1E3"), 1000);
  EXPECT_EQ(leadingNumber("1d2"), 100);
  EXPECT_EQ(leadingNumber("2.5e-1x"), 0.25);
  EXPECT_EQ(leadingNumber("3e"), 3);   // an exponent needs its digits
  EXPECT_EQ(leadingNumber("3e+"), 3);
}

TEST(LeadingNumber, NoNumberGivesZero) {
  EXPECT_EQ(leadingNumber(""), 0);
  EXPECT_EQ(leadingNumber("abc"), 0);
  EXPECT_EQ(leadingNumber("."), 0);
  EXPECT_EQ(leadingNumber("-"), 0);
  EXPECT_EQ(leadingNumber("--5"), 0);
}

TEST(LeadingNumber, BeyondADoubleIsInfinite) { EXPECT_TRUE(std::isinf(leadingNumber("1E400"))); }

TEST(NumericTest, TheWholeTextMustBeOneNumber) {
  EXPECT_TRUE(isNumeric("250"));
  EXPECT_TRUE(isNumeric(" -1.4 "));
  EXPECT_TRUE(isNumeric("1.5E3"));
  EXPECT_TRUE(isNumeric(".5"));
  EXPECT_FALSE(isNumeric("250mm"));
  EXPECT_FALSE(isNumeric(""));
  EXPECT_FALSE(isNumeric("   "));
  EXPECT_FALSE(isNumeric("abc"));
  EXPECT_FALSE(isNumeric("1 2"));
  EXPECT_FALSE(isNumeric("1e"));
}

// The leading number is read as the C library reads it, out of range too.
TEST(LeadingNumber, ReadsAsTheCLibraryDoes) {
  const char* texts[] = {"+5",      "-.5",   "5.",         "1.5E3",     "2.5D-2",  "-1e-400", "1e-400",
                         "-1E400",  "1e-310", "0.1",        "7.2",       "123456789012345678901234567890",
                         "0.00000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                         "00000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                         "00000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                         "000000000000000000000000000000000000000000000000000000000000000000000000000000000000001"};
  for (const char* text : texts) {
    std::string c(text);
    for (char& ch : c) {
      if (ch == 'D') ch = 'E';
    }
    const double want = std::strtod(c.c_str(), nullptr);
    const double got = leadingNumber(text);
    EXPECT_EQ(std::signbit(got), std::signbit(want)) << text;
    if (std::isnan(want)) continue;
    EXPECT_EQ(got, want) << text;
  }
}
