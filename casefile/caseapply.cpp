// Filling the window and the design case from a file that has been read.
#include <algorithm>

#include "casefile/casefile.h"
#include "casefile/casewords.h"
#include "input/digitalinput.h"
#include "basetypes/numbertext.h"

namespace veldrin {

namespace {

void setVariables(const CaseFileContent& c, DesignCase& dc) {
  dc.projectname = c.projectname;
  dc.projectcode = c.projectcode;
  dc.projecttime = c.projecttime;
  dc.h = c.h;
  dc.b = c.b;
  dc.a = c.a;
  dc.t = c.t;
  dc.degree = c.degree;
  dc.kdeadload = c.kdeadload;
  dc.kliveload = c.kliveload;
  dc.ksnowload = c.ksnowload;
  dc.kdurtload = c.kdurtload;
  dc.kshigongload = c.kshigongload;
  dc.kwindload = c.kwindload;
  dc.windhigh = c.windhigh;
  dc.windstyle = c.windstyle;
  dc.marlolength = c.marlolength;
  dc.marlobay = c.marlobay;
}

// The boxes show the variables in display form: "0.30" comes back "0.3".
void fillFields(const DesignCase& dc, FormState& form) {
  form.field(1) = dc.projectname;
  form.field(2) = dc.projectcode;
  form.field(3) = dc.projecttime;
  form.field(4) = numText(dc.h);
  form.field(5) = numText(dc.b);
  form.field(6) = numText(dc.a);
  form.field(7) = numText(dc.t);
  form.field(8) = numText(dc.kwindload);
  form.field(9) = numText(dc.windhigh);
  form.field(10) = numText(dc.windstyle);
  form.field(11) = numText(dc.marlolength);
  form.field(12) = numText(dc.marlobay);
  form.field(13) = numText(dc.degree);
  form.field(14) = numText(dc.kdeadload);
  form.field(15) = numText(dc.kliveload);
  form.field(16) = numText(dc.ksnowload);
  form.field(17) = numText(dc.kdurtload);
  form.field(18) = numText(dc.kshigongload);
}

// Position of word in words; -1 for the empty item, which chooses nothing
// (the reader lets no other word through).
template <std::size_t N>
int positionOf(const std::string& word, const std::array<std::string_view, N>& words) {
  const auto found = std::find(words.begin(), words.end(), word);
  return found == words.end() ? -1 : static_cast<int>(found - words.begin());
}

void applyCode(const std::string& word, FormState& form) {
  const int code = positionOf(word, casewords::kCodes);
  form.optcode1 = code == 0;
  form.optcode2 = code == 1;
  form.optcode3 = code == 2;
}

// Every selection is the file's own: an item left empty leaves its list
// without a selection (the run then asks for it), never the window's last one.
void applySelections(const CaseFileContent& content, FormState& form, DesignCase& dc) {
  const std::array<std::string, 5>& words = content.words;
  form.combo1 = positionOf(words[0], casewords::kSteel);
  form.combo2 = positionOf(words[1], casewords::kDeflection);
  form.combo3 = positionOf(words[2], casewords::kSagRods);
  setEffectiveLengthFactor(dc, form.combo3);
  applyCode(words[3], form);
  form.check1 = positionOf(words[4], casewords::kSheeting) == 1 ? 1 : 0;
  // With no sag rods there is nothing to restrain the lower flange: the word is ignored.
  form.check2 = content.rodsRestrainLowerFlange && form.combo3 != 0;
}

}  // namespace

void applyCaseFile(const CaseFileContent& content, FormState& form, DesignCase& dc) {
  setVariables(content, dc);
  fillFields(dc, form);
  applySelections(content, form, dc);
}

}  // namespace veldrin
