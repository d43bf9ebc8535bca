#pragma once
// The ".in" design-case file: three comma-separated lines (project and
// section; loads and geometry; the five selection words), CR LF, GBK text.
#include <array>
#include <stdexcept>
#include <string>

#include "input/designcase.h"
#include "input/formstate.h"

namespace veldrin {

// A file that cannot be written or read back faithfully; the message names
// the line and item (reading) or the field (writing). Nothing is applied.
class CaseFileError : public std::runtime_error {
 public:
  explicit CaseFileError(const std::string& message) : std::runtime_error(message) {}
};

// The items of a file as read: line 1 (8 items), line 2 (10), line 3 (5 words,
// each one of its item's words or empty, then the optional items).
struct CaseFileContent {
  std::string projectname, projectcode, projecttime;
  Single h, b, a, t, degree;
  double kdeadload = 0, kliveload = 0, ksnowload = 0, kdurtload = 0, kshigongload = 0, kwindload = 0;
  Single windhigh;
  double windstyle = 0;
  Single marlolength;
  double marlobay = 0;
  std::array<std::string, 5> words;  // steel, deflection, sag rods, code, sheeting
  bool rodsRestrainLowerFlange = false;  // the optional item "拉条同时约束下翼缘" was there
};

// Save, step 1 and 2: the window's fields into the case variables (they keep
// their values even when the save stops), then the selections in the order
// steel grade, deflection limit, sag rods. Returns the message of the first
// missing selection, or an empty text when the save may go on; errstr is
// left empty either way. A number too large for its field throws RunRefused
// (report/runstop.h, title "输入数据检查", text naming the field) exactly as
// the run does; the boxes read before it keep their new values.
std::string prepareSave(const FormState& form, DesignCase& dc);

// The file's bytes (three lines, CR LF, GB18030) for the window's state and
// the variables prepareSave filled. Throws CaseFileError naming the field for
// a text holding a double quote or a line break, which could not be read
// back, with the list message when a list has no selection, and with the
// decoder's message for anything else decodeCaseFile would refuse in the
// bytes: every file written opens again.
std::string encodeCaseFile(const FormState& form, const DesignCase& dc);

// Reads a whole file (UTF-8, with or without a byte-order mark, or GBK /
// GB18030). Lines may end in CR LF or LF, the last one may lack it; blank
// lines after the third are allowed, any other fourth line is refused.
// Throws CaseFileError naming the line and item for a short or malformed
// file, a wrong number of items, a number item that is not a number (empty
// included) or does not fit its field, a load below zero, a selection word
// of line 3 that is not exactly one of its item's words (empty is allowed:
// not chosen), or an optional item that is unknown or given twice.
CaseFileContent decodeCaseFile(const std::string& bytes);

// Open: the variables, the fields in their display form, the selections,
// the code buttons, the sheeting box and μb. An empty selection word leaves
// its list (or the code buttons) without a selection.
void applyCaseFile(const CaseFileContent& content, FormState& form, DesignCase& dc);

}  // namespace veldrin
