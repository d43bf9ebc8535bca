#include "input/validation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace veldrin {
namespace {

struct Case {
  int field;
  std::string text;
  bool accepted;
};

void expectCases(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    EXPECT_EQ(checkOnEnter(c.field, c.text).accepted, c.accepted) << "box " << c.field << " text '" << c.text << "'";
  }
}

TEST(EnterCheck, SectionDimensionBoundsAreExact) {
  expectCases({{4, "120", false}, {4, "120.5", true}, {4, "400", true}, {4, "400.1", false},
               {4, "120.0000001", true}, {4, "400.0000001", false},
               {5, "40", true}, {5, "150", true}, {5, "39.9", false}, {5, "150.01", false},
               {6, "0", false}, {6, "0.001", true}, {6, "100", true}, {6, "100.5", false},
               {7, "0", false}, {7, "0.1", true}, {7, "-2", false}});
}

TEST(EnterCheck, LoadAndGeometryBounds) {
  expectCases({{8, "0", true}, {8, "-0.01", false},
               {9, "0", false}, {9, "1.0", true},
               {10, "-1.4", true}, {10, "0", true}, {10, "-1E3", true},
               {11, "0", false}, {11, "7.20", true},
               {12, "0", false}, {12, "1.50", true},
               {13, "0", false}, {13, "0.06", true},
               {14, "0", false}, {14, "0.12", true},
               {15, "0", false}, {15, "0.30", true},
               {16, "0", true}, {16, "-1", false},
               {17, "0", true}, {17, "-1", false},
               {18, "0", false}, {18, "1.0", true}});
}

TEST(EnterCheck, TheWholeTextMustBeANumber) {
  expectCases({{4, "250mm", false}, {4, "", false}, {4, "   ", false}, {4, " 250 ", true},
               {4, "2 50", false}, {4, "2.5E2", true}, {4, "+250", true}, {4, "25O", false},
               {10, "abc", false}, {10, "-", false}, {7, ".5", true}, {7, "1,5", false}});
}

TEST(EnterCheck, NumbersBeyondADoubleAreRefused) {
  // "1E999" has the form of a number but no finite value.
  expectCases({{10, "1E999", false}, {7, "1E999", false}, {8, "-1E999", false}});
}

TEST(EnterCheck, EachBoxSaysItsOwnMessage) {
  const std::vector<std::pair<int, std::string>> expected = {
      {4, "输入有误(非数字或者输入值>400或<＝120)，请核对后输入!"},
      {5, "输入有误(非数字或者输入值>150或者输入值<40)，请核对后输入!"},
      {6, "输入有误(非数字或者输入值>100或<=0)，请核对后输入!"},
      {7, "输入有误(非数字输入或者输入值<=0)，请核对后输入!"},
      {8, "输入有误(非数字输入或者输入值<0)，请核对后输入!"},
      {9, "输入有误(非数字输入或者输入值<=0)，请核对后输入!"},
      {10, "输入有误(非数字输入)，请核对后输入!"},
      {11, "输入有误(非数字输入或者输入值<=0)，请核对后输入!"},
      {12, "输入有误(非数字输入或者输入值<=0)，请核对后输入!"},
      {13, "输入有误(非数字输入或者输入值<=0)，请核对后输入!"},
      {14, "输入有误(非数字输入或者输入值<=0)，请核对后输入!"},
      {15, "输入有误(非数字输入或者输入值<=0)，请核对后输入!"},
      {16, "输入有误(非数字输入或者输入值<0)，请核对后输入!"},
      {17, "输入有误(非数字输入或者输入值<0)，请核对后输入!"},
      {18, "输入有误(非数字输入或者输入值<=0)，请核对后输入!"},
  };
  for (const auto& [field, message] : expected) {
    const EnterCheck check = checkOnEnter(field, "x");
    EXPECT_FALSE(check.accepted);
    EXPECT_EQ(check.message, message) << "box " << field;
  }
  EXPECT_TRUE(checkOnEnter(4, "250").message.empty());
}

TEST(EnterChain, RunsFromHeightToTheCalculateButton) {
  for (int field = 4; field < 18; ++field) EXPECT_EQ(nextOnEnter(field), field + 1);
  EXPECT_EQ(nextOnEnter(18), kCalculateButton);
}

TEST(EnterChain, OnlyTheNumericBoxesAreChecked) {
  for (int field : {1, 2, 3, 0, 19}) EXPECT_FALSE(hasEnterCheck(field)) << field;
  for (int field = 4; field <= 18; ++field) EXPECT_TRUE(hasEnterCheck(field)) << field;
  EXPECT_THROW(nextOnEnter(3), std::out_of_range);
  EXPECT_THROW(checkOnEnter(2, "1"), std::out_of_range);
}

TEST(EnterChain, OnlyTheSectionDimensionsRedrawTheLegend) {
  for (int field = 4; field <= 18; ++field) EXPECT_EQ(pressesLegendOnEnter(field), field <= 7) << field;
}

TEST(FocusSelection, ProjectNameSelectsItsFirstFourCharacters) {
  EXPECT_EQ(focusSelectionLength(1, 15), 4);
  EXPECT_EQ(focusSelectionLength(1, 2), 2);
  EXPECT_EQ(focusSelectionLength(1, 0), 0);
  EXPECT_EQ(focusSelectionLength(2, 8), 8);
  EXPECT_EQ(focusSelectionLength(18, 3), 3);
}

}  // namespace
}  // namespace veldrin
