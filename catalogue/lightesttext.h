#pragma once
// The search result as text: the table the dialog shows, aligned for a
// monospaced font, the proposed section last. For the command line.
#include <string>

#include "catalogue/lightest.h"

namespace veldrin {

// One cell text per column, as the table shows them.
struct TrialCells {
  std::string name, mass, governing, utilisation, verdict;
};
TrialCells trialCells(const SectionTrial& trial, bool proposed);

// The column headings.
TrialCells trialHeadings();

// "推荐截面: NAME  6.25kg/m  控制验算: …  利用率: 0.953", or that none passes.
std::string proposalLine(const LightestSearch& search);

// Heading, one line per section in catalogue order, then the proposal (or
// that none passes); LF line ends.
std::string lightestTable(const LightestSearch& search);

}  // namespace veldrin
