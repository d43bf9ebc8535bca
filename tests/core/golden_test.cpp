// Whole reports of the design cases under tests/golden, each checked by hand
// once before it was frozen: NAME.in (+ NAME.args) must give NAME.txt exactly.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

const fs::path kGolden = fs::path(VELDRIN_SOURCE_DIR) / "tests" / "golden";

std::string slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string firstLine(const std::string& text) { return text.substr(0, text.find_first_of("\r\n")); }

std::vector<std::string> caseNames() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(kGolden)) {
    if (entry.path().extension() == ".in") names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// The first line where two reports part, for a readable failure.
std::string firstDifference(const std::string& want, const std::string& got) {
  std::istringstream w(want), g(got);
  std::string lw, lg;
  for (int n = 1;; ++n) {
    const bool more = static_cast<bool>(std::getline(w, lw)) | static_cast<bool>(std::getline(g, lg));
    if (!more) return "same";
    if (lw != lg) return "line " + std::to_string(n) + "\n want: " + lw + "\n  got: " + lg;
    lw.clear();
    lg.clear();
  }
}

class GoldenReport : public ::testing::TestWithParam<std::string> {};

}  // namespace

TEST_P(GoldenReport, MatchesTheFrozenReport) {
  const fs::path in = kGolden / (GetParam() + ".in");
  const fs::path args = kGolden / (GetParam() + ".args");
  const fs::path want = kGolden / (GetParam() + ".txt");
  ASSERT_TRUE(fs::exists(want)) << want;
  // The process id keeps runs of the suite in other trees from writing the same file.
  const fs::path got =
      fs::temp_directory_path() / ("veldrin-golden-" + std::to_string(::getpid()) + "-" + GetParam() + ".txt");
  const std::string extra = fs::exists(args) ? " " + firstLine(slurp(args)) : "";
  const std::string command = std::string(VELDRIN_REPORT_EXE) + " " + in.string() + extra + " -o " + got.string() +
                              " 2>/dev/null";
  const int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command;
  const std::string wanted = slurp(want), produced = slurp(got);
  fs::remove(got);
  EXPECT_TRUE(wanted == produced) << GetParam() << ": " << firstDifference(wanted, produced);
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenReport, ::testing::ValuesIn(caseNames()),
                         [](const auto& info) {
                           std::string n = info.param;
                           for (char& c : n) if (c == '-') c = '_';
                           return n;
                         });
