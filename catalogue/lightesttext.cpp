#include "catalogue/lightesttext.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "catalogue/sectionmass.h"

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

// Code points of the East Asian wide ranges in use (CJK, Hangul, full-width forms).
bool wide(char32_t c) {
  return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
         (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
         (c >= 0xFFE0 && c <= 0xFFE6);
}

char32_t codePointAt(const std::string& s, std::size_t& i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(k < s.size() ? s[k] : 0); };
  const unsigned char lead = byte(i);
  const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  char32_t c = length == 1 ? lead : lead & (0x7F >> length);
  for (int k = 1; k < length; ++k) c = (c << 6) | (byte(i + k) & 0x3F);
  i += length;
  return c;
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

std::size_t displayWidth(const std::string& utf8) {
  std::size_t width = 0;
  for (std::size_t i = 0; i < utf8.size();) width += wide(codePointAt(utf8, i)) ? 2 : 1;
  return width;
}

TrialCells trialHeadings() { return {"截面", "重量(kg/m)", "控制验算", "利用率", "结论"}; }

TrialCells trialCells(const SectionTrial& trial, bool proposed) {
  TrialCells cells{trial.section.name, kNone, kNone, kNone, verdict(trial, proposed)};
  if (trial.mass) cells.mass = fixed(massShown(*trial.mass), 2);
  if (trial.governing) {
    cells.governing = trial.governing->name;
    cells.utilisation = fixed(trial.governing->utilisation, 3);
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
