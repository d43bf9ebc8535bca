#include "catalogue/lightesttext.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "catalogue/sectionmass.h"
#include "report/summary.h"

namespace veldrin {

namespace {

constexpr const char* kNone = "—";

std::string fixed(double v, int decimals) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
  return buf;
}

std::string verdict(const SectionTrial& trial, bool proposed) {
  if (trial.status == TrialStatus::Refused) return std::string(statusText(trial.status)) + ": " + trial.reason;
  return std::string(statusText(trial.status)) + (proposed ? "(推荐)" : "");
}

std::string padded(const std::string& s, std::size_t width) {
  return s + std::string(width - std::min(width, displayWidth(s)), ' ');
}

std::string row(const TrialCells& cells, const std::array<std::size_t, 4>& widths) {
  return padded(cells.name, widths[0]) + "  " + std::string(widths[1] - displayWidth(cells.mass), ' ') + cells.mass +
         "  " + padded(cells.governing, widths[2]) + "  " +
         std::string(widths[3] - displayWidth(cells.utilisation), ' ') + cells.utilisation + "  " + cells.verdict;
}

}  // namespace

std::string proposalLine(const LightestSearch& search) {
  if (!search.proposed) return "没有满足全部验算要求的截面";
  const SectionTrial& best = search.trials[*search.proposed];
  const TrialCells cells = trialCells(best, true);
  return "推荐截面: " + cells.name + "  " + cells.mass + "kg/m  控制验算: " + cells.governing + "  利用率: " +
         cells.utilisation;
}

TrialCells trialHeadings() { return {"截面", "重量(kg/m)", "控制验算", "利用率", "结论"}; }

TrialCells trialCells(const SectionTrial& trial, bool proposed) {
  TrialCells cells{trial.section.name, kNone, kNone, kNone, verdict(trial, proposed)};
  if (trial.mass) cells.mass = fixed(massShown(*trial.mass), 2);
  if (trial.governing) {
    cells.governing = trial.governing->name;
    cells.utilisation = utilisationText(trial.governing->utilisation);
  }
  return cells;
}

std::string lightestTable(const LightestSearch& search) {
  std::vector<TrialCells> rows{trialHeadings()};
  for (std::size_t i = 0; i < search.trials.size(); ++i) rows.push_back(trialCells(search.trials[i], search.proposed == i));
  std::array<std::size_t, 4> widths{};
  for (const TrialCells& r : rows) {
    const std::array<std::size_t, 4> w = {displayWidth(r.name), displayWidth(r.mass), displayWidth(r.governing),
                                          displayWidth(r.utilisation)};
    for (std::size_t c = 0; c < widths.size(); ++c) widths[c] = std::max(widths[c], w[c]);
  }
  std::string text;
  for (const TrialCells& r : rows) text += row(r, widths) + "\n";
  return text + proposalLine(search) + "\n";
}

}  // namespace veldrin
