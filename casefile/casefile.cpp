// Saving the design case to a ".in" file and filling the window from one.
#include "casefile/casefile.h"

#include "casefile/casewords.h"
#include "casefile/textcodec.h"
#include "input/digitalinput.h"
#include "basetypes/numbertext.h"

namespace veldrin {

namespace {

bool selects(int position, int entries) { return position >= 0 && position < entries; }

// The message of the first list without a usable selection, or empty.
std::string firstMissingSelection(const FormState& form) {
  if (!selects(form.combo1, 2)) return kNoSteelGrade;
  if (!selects(form.combo2, 3)) return kNoDeflectionLimit;
  if (!selects(form.combo3, 3)) return kNoSagRods;
  return {};
}

// A text item of box `box`. A double quote, CR or LF in it would end the item
// or the line early, so such a text is refused rather than written wrongly.
std::string textItem(const std::string& text, int box) {
  if (text.find_first_of("\"\r\n") != std::string::npos) {
    throw CaseFileError(fieldLabel(box) + "中含有双引号或换行，存入文件后无法正确读回，请删除后再保存!");
  }
  const Converted gb = utf8ToGb18030(text);
  if (!gb.text) throw CaseFileError(fieldLabel(box) + "中含有无法保存的字符");
  return "\"" + *gb.text + "\"";
}

std::string wordItem(std::string_view word) { return "\"" + *utf8ToGb18030(word).text + "\""; }

template <typename Number>
std::string numberItem(Number value, int box) {
  try {
    return fileNumText(value);
  } catch (const NonFiniteValue&) {
    throw CaseFileError(fieldLabel(box) + "的数值超出可保存的范围");
  }
}

std::string joinLine(std::initializer_list<std::string> items) {
  std::string line;
  for (const std::string& item : items) line += (line.empty() ? "" : ",") + item;
  return line + "\r\n";
}

std::string line1(const DesignCase& dc) {
  return joinLine({textItem(dc.projectname, 1), textItem(dc.projectcode, 2), textItem(dc.projecttime, 3),
                   numberItem(dc.h, 4), numberItem(dc.b, 5), numberItem(dc.a, 6), numberItem(dc.t, 7),
                   numberItem(dc.degree, 13)});
}

std::string line2(const DesignCase& dc) {
  return joinLine({numberItem(dc.kdeadload, 14), numberItem(dc.kliveload, 15), numberItem(dc.ksnowload, 16),
                   numberItem(dc.kdurtload, 17), numberItem(dc.kshigongload, 18), numberItem(dc.kwindload, 8),
                   numberItem(dc.windhigh, 9), numberItem(dc.windstyle, 10), numberItem(dc.marlolength, 11),
                   numberItem(dc.marlobay, 12)});
}

std::string_view codeWord(const FormState& form) {
  if (form.optcode1) return casewords::kCodeCecs102;
  if (form.optcode2) return casewords::kCodeGbj18;
  if (form.optcode3) return casewords::kCodeGb51022;
  return {};  // neither button on: an empty item
}

std::string codeItem(const FormState& form) {
  const std::string_view word = codeWord(form);
  return word.empty() ? std::string() : wordItem(word);
}

std::string line3(const FormState& form) {
  const std::string missing = firstMissingSelection(form);
  if (!missing.empty()) throw CaseFileError(missing);
  const auto at = [](int position) { return static_cast<std::size_t>(position); };
  const std::string five = joinLine({wordItem(form.combo1 == 0 ? casewords::kSteelQ235 : casewords::kSteelQ345),
                                     wordItem(casewords::kDeflection[at(form.combo2)]),
                                     wordItem(casewords::kSagRods[at(form.combo3)]), codeItem(form),
                                     wordItem(form.check1 == 1 ? casewords::kSheetingRestrains : casewords::kSheetingFree)});
  if (!rodsRestrainLowerFlange(form)) return five;  // files without the box read and write as they always have
  return five.substr(0, five.size() - 2) + "," + wordItem(casewords::kRodsRestrainLowerFlange) + "\r\n";
}

}  // namespace

std::string prepareSave(const FormState& form, DesignCase& dc) {
  readFields(form, dc);
  dc.errstr = firstMissingSelection(form);
  std::string message = std::move(dc.errstr);
  dc.errstr.clear();
  return message;
}

// Every file the window writes must open again: the decoder's refusals are
// the rule, so whatever it refuses is refused here before anything is written.
std::string encodeCaseFile(const FormState& form, const DesignCase& dc) {
  std::string bytes = line1(dc) + line2(dc) + line3(form);
  try {
    decodeCaseFile(bytes);
  } catch (const CaseFileError& wouldNotOpen) {
    throw CaseFileError(std::string("保存后的文件将无法再打开：") + wouldNotOpen.what());
  }
  return bytes;
}

}  // namespace veldrin
