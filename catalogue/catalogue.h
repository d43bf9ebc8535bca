#pragma once
// The section catalogue: the lipped channels the search for the lightest
// section tries. The program carries its own list (sections.csv, built in);
// a user's list with the same columns is added after it.
#include <string>
#include <string_view>
#include <vector>

namespace veldrin {

struct CatalogueSection {
  std::string name;  // "C160×60×20×2.5"
  double h = 0, b = 0, a = 0, t = 0;  // outer dimensions, mm
};

// A row that was not taken, with where it stands and why.
struct CatalogueProblem {
  std::string origin;  // the file the row came from
  int line = 0;        // 1-based; 0 when the file as a whole could not be read
  std::string text;
};

struct Catalogue {
  std::vector<CatalogueSection> sections;
  std::vector<CatalogueProblem> problems;
};

// Adds the rows "name,h,b,a,t" of a list's bytes to the catalogue. The list
// is UTF-8 (with or without a byte-order mark) or else GBK, as Excel on a
// Chinese Windows saves "CSV"; lines end in CR LF, LF or CR. Blank lines,
// lines starting with '#' and the heading row "name,h,b,a,t" are skipped.
// A row is reported with its line number and left out, never used in part,
// when it is malformed, when its section cannot exist (2a ≥ h, a ≥ b, or no
// flat part left in h − 6t, b − 6t or a − 3t), or when its name is taken:
// by a section the catalogue has already or by an earlier row.
void addCatalogueText(Catalogue& catalogue, std::string_view bytes, const std::string& origin);

// The rows of one list, as above, on their own.
Catalogue parseCatalogue(std::string_view text, const std::string& origin);

// The sections the program ships with.
Catalogue builtinCatalogue();

// Adds the rows of the file at path to the catalogue. A file that does not
// exist adds nothing and is no problem; one that is not a regular file (a
// pipe, a folder) or cannot be read is, and is not opened or read further.
void addUserCatalogue(Catalogue& catalogue, const std::string& path);

// "FILE 第7行: t不是数值:“2,5”，该行未采用", or "FILE: 没有读取权限".
std::string problemText(const CatalogueProblem& problem);

// The name under which a user's list is looked for in their configuration folder.
inline constexpr const char* kUserCatalogueName = "sections.csv";

}  // namespace veldrin
