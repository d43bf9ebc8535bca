// veldrin-scan: runs the calculate command on a fixed, seeded set of random
// but realistic design cases and prints per case one verdict fingerprint, so
// that two builds can be compared case by case (diff the outputs).
//
//   veldrin-scan [COUNT] [SEED]      defaults: 10000 cases, seed 20021
//
// Per case: "<id> <fingerprint>", where the fingerprint is
//   C<n>  a complete report with n failing verdict lines ("(****…)"),
//   G     refused by the input guards (the gross section has no area or stiffness),
//   R     refused for another reason (the message follows),
//   X     a report that contains inf or NaN text.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "calc/sectionproperties.h"
#include "input/digitalinput.h"
#include "report/run.h"

namespace {

using namespace veldrin;

// Answers the web-ratio dialog with the plausible ratio the case was drawn
// with; message boxes are kept so that a refusal can be printed.
class ScanPlatform : public Platform {
 public:
  std::string webRatio;
  std::string lastMessage;
  void messageBox(const std::string& text, const std::string&, MessageIcon) override { lastMessage = text; }
  std::optional<std::string> inputBox(const std::string&, const std::string&) override { return webRatio; }
};

class Draw {
 public:
  explicit Draw(unsigned seed) : gen_(seed) {}
  double uniform(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(gen_); }
  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(gen_); }
  bool chance(double p) { return uniform(0, 1) < p; }

 private:
  std::mt19937 gen_;
};

std::string fixed(double v, int decimals) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
  return buf;
}

// One realistic case: section within the ranges of the standard lipped
// channels, ordinary roof loads, suction or pressure, either code.
FormState drawCase(Draw& d, ScanPlatform& ui) {
  FormState f = startupForm("2002-07-30 20:08:07");
  const double h = d.uniform(120.5, 400);
  const double b = d.uniform(40, std::min(150.0, h));
  const double a = d.uniform(10, std::min(40.0, b / 2));
  f.field(4) = fixed(h, 1);
  f.field(5) = fixed(b, 1);
  f.field(6) = fixed(a, 1);
  f.field(7) = fixed(d.uniform(1.5, 4.0), 1);
  f.field(8) = fixed(d.uniform(0.3, 0.8), 2);
  f.field(9) = fixed(d.uniform(1.0, 1.6), 2);
  f.field(10) = d.chance(0.6) ? fixed(d.uniform(-1.4, -0.8), 2) : fixed(d.uniform(0.2, 0.6), 2);
  f.field(11) = fixed(d.uniform(3, 9), 2);
  f.field(12) = fixed(d.uniform(0.75, 1.8), 2);
  f.field(13) = fixed(d.uniform(0.05, 0.25), 3);
  f.field(14) = fixed(d.uniform(0.1, 0.5), 2);
  f.field(15) = d.chance(0.8) ? "0.3" : "0.5";
  f.field(16) = d.chance(0.5) ? "0" : fixed(d.uniform(0.2, 0.8), 2);
  f.field(17) = d.chance(0.8) ? "0" : fixed(d.uniform(0.3, 1.0), 2);
  f.field(18) = d.chance(0.5) ? "1.0" : "0";
  f.combo1 = d.pick(2);
  f.combo2 = d.pick(3);
  f.combo3 = d.pick(3);
  const bool gbj = d.chance(0.5);
  f.optcode1 = !gbj;
  f.optcode2 = gbj;
  f.check1 = d.pick(2);
  ui.webRatio = fixed(d.uniform(40, 120), 1);
  return f;
}

// The input guards of the run: the gross section must have an area and
// stiffness (the drawn dimensions are all positive and finite).
bool passesInputGuards(const FormState& f) {
  DesignCase dc;
  dc.code = f.optcode1 ? DesignCode::Cecs102 : DesignCode::Gbj18;
  digitalinput(f, dc);
  grossSectionProperties(dc);
  auto positive = [](double v) { return std::isfinite(v) && v > 0; };
  return positive(dc.area) && positive(dc.ix) && positive(dc.iy);
}

int failingLines(const std::string& report) {
  int n = 0;
  for (std::size_t at = 0; (at = report.find("(****", at)) != std::string::npos; ++at) ++n;
  return n;
}

bool hasNonFiniteText(const std::string& report) {
  for (const char* bad : {"inf", "INF", "Inf", "nan", "NAN", "NaN"}) {
    if (report.find(bad) != std::string::npos) return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
  const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atol(argv[2])) : 20021u;
  Draw d(seed);
  int guarded = 0, complete = 0, refused = 0, nonFinite = 0, failingReports = 0;
  for (int id = 1; id <= count; ++id) {
    ScanPlatform ui;
    const FormState form = drawCase(d, ui);
    DesignCase dc;
    const RunOutcome out = cmdshow_Click(form, dc, ui);
    if (!out.completed) {
      const bool guard = !passesInputGuards(form);
      guard ? ++guarded : ++refused;
      std::printf("%d %s\n", id, guard ? "G" : ("R " + ui.lastMessage).c_str());
      continue;
    }
    if (hasNonFiniteText(out.report)) {
      ++nonFinite;
      std::printf("%d X\n", id);
      continue;
    }
    ++complete;
    const int fails = failingLines(out.report);
    if (fails > 0) ++failingReports;
    std::printf("%d C%d\n", id, fails);
  }
  std::printf("# cases %d, refused by input guards %d, complete reports %d (with a failing verdict %d), "
              "refused for other reasons %d, reports with inf/NaN %d\n",
              count, guarded, complete, failingReports, refused, nonFinite);
  return 0;
}
