// The headless command, run as a process: exit codes, streams and files.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <nlohmann/json.hpp>

namespace fs = std::filesystem;

namespace {

struct Result {
  int exitCode = -1;
  std::string out, err;
};

std::string slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

class ReportCommand : public ::testing::Test {
 protected:
  fs::path dir = fs::temp_directory_path() / ("veldrin-cli-" + std::to_string(::getpid()) + "-" +
                                               ::testing::UnitTest::GetInstance()->current_test_info()->name());
  void SetUp() override { fs::create_directories(dir); }
  void TearDown() override { fs::remove_all(dir); }

  Result run(const std::string& args) { return runRedirected(args, " >" + (dir / "stdout").string()); }
  // The command with its standard output sent where `stdoutRedirection` says.
  Result runRedirected(const std::string& args, const std::string& stdoutRedirection, const std::string& before = "") {
    const fs::path out = dir / "stdout", err = dir / "stderr";
    fs::remove(out);
    const std::string command =
        before + std::string(VELDRIN_REPORT_EXE) + " " + args + stdoutRedirection + " 2>" + err.string();
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, slurp(out), slurp(err)};
  }
  static std::string reproducer(const std::string& name) {
    return std::string(VELDRIN_SOURCE_DIR) + "/tests/reliability/" + name;
  }
  std::string example() const { return std::string(VELDRIN_SOURCE_DIR) + "/examples/default.in"; }
  // The example case, in UTF-8, with line 3 replaced.
  fs::path variant(const std::string& line3) {
    const std::string text =
        "\"****工程墙(屋)面檁条计算\",\"20022308\",\"02-07-30 20:08:07\",250,75,20,2.5,.06\r\n"
        ".12,.3,0,0,1,.75,1,-1.4,7.2,1.5\r\n" + line3 + "\r\n";
    const fs::path p = dir / "case.in";
    std::ofstream(p, std::ios::binary) << text;
    return p;
  }
};

}  // namespace

TEST_F(ReportCommand, HelpDocumentsTheCommand) {
  const Result r = run("--help");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_NE(r.out.find("--web-ratio"), std::string::npos);
  EXPECT_NE(r.out.find("--json"), std::string::npos);
  EXPECT_NE(r.out.find("Exit status"), std::string::npos);
  EXPECT_NE(r.out.find("--lightest"), std::string::npos);
  EXPECT_NE(r.out.find("GBJ18-87 the search is not"), std::string::npos);
}

TEST_F(ReportCommand, TheExampleCaseGivesAReportOnStdout) {
  const Result r = run(example());
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out.rfind("****工程墙(屋)面檁条计算\r\n工程编号:20022308\r\n", 0), 0u);
  EXPECT_NE(r.out.find("〖Veldrin 计算时间:02-07-30 20:08:07〗\r\n"), std::string::npos);
  EXPECT_EQ(r.out.find("\n", 0), r.out.find("\r\n", 0) + 1);  // CR LF line ends
}

TEST_F(ReportCommand, OutputFileHoldsTheSameReport) {
  const Result toStdout = run(example());
  const Result toFile = run(example() + " -o " + (dir / "report.txt").string());
  EXPECT_EQ(toFile.exitCode, 0);
  EXPECT_TRUE(toFile.out.empty());
  EXPECT_EQ(slurp(dir / "report.txt"), toStdout.out);
}

TEST_F(ReportCommand, IoFailuresExitOne) {
  EXPECT_EQ(run((dir / "missing.in").string()).exitCode, 1);
  const Result r = run(example() + " -o " + (dir / "no-such-dir" / "report.txt").string());
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("cannot write"), std::string::npos);
}

TEST_F(ReportCommand, RefusedFileExitsTwoWithItsMessage) {
  const fs::path p = dir / "short.in";
  std::ofstream(p, std::ios::binary) << "\"only one line\"\r\n";
  const Result r = run(p.string());
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_FALSE(r.err.empty());
  EXPECT_TRUE(r.out.empty());
}

TEST_F(ReportCommand, UsageErrorsExitTwo) {
  EXPECT_EQ(run("").exitCode, 2);
  EXPECT_EQ(run(example() + " --bogus").exitCode, 2);
}

TEST_F(ReportCommand, AnIncompleteSelectionStopsTheRun) {
  // An empty deflection item leaves the list unselected, as Open does.
  const fs::path p = variant("\"A3\",,\"0\",\"门式钢架轻型房屋钢结构技术规程CECS102:98\",\"屋面板不能阻止檩条的侧向失稳\"");
  const Result r = run(p.string());
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_TRUE(r.out.empty());
  EXPECT_NE(r.err.find("输入数据不完整: 请输入挠度限值!"), std::string::npos) << r.err;
}

TEST_F(ReportCommand, TheWebRatioDialogIsAnsweredFromTheCommandLine) {
  const fs::path p = variant("\"A3\",\"1/150\",\"0\",\"冷弯薄壁型钢结构技术规范GBJ18-87\",\"屋面板不能阻止檩条的侧向失稳\"");
  const Result unanswered = run(p.string());
  EXPECT_EQ(unanswered.exitCode, 2);
  EXPECT_NE(unanswered.err.find("--web-ratio"), std::string::npos);
  EXPECT_TRUE(unanswered.out.empty());
  const Result answered = run(p.string() + " --web-ratio 50");
  EXPECT_EQ(answered.exitCode, 0) << answered.err;
  EXPECT_NE(answered.out.find("18.计算规范:冷弯薄壁型钢结构技术规范GBJ18-87"), std::string::npos);
  EXPECT_NE(answered.out.find("腹板有效宽厚比为:htf3=50"), std::string::npos);
  for (const char* refused : {"\"\"", "abc", "0", "-5", "50mm"}) {
    const Result r = run(p.string() + " --web-ratio " + refused);
    EXPECT_EQ(r.exitCode, 2) << refused;
    EXPECT_NE(r.err.find("腹板有效宽厚比输入有误(非数字输入或者输入值<=0)，请输入大于0的数值!"), std::string::npos) << r.err;
  }
  EXPECT_EQ(run(example() + " --web-ratio abc").exitCode, 0) << "an answer is judged only when it is used";
}

TEST_F(ReportCommand, LightestIsNotOfferedUnderGbj18) {
  const fs::path p = variant("\"A3\",\"1/150\",\"0\",\"冷弯薄壁型钢结构技术规范GBJ18-87\",\"屋面板不能阻止檩条的侧向失稳\"");
  const Result r = run("--lightest " + p.string() + " --web-ratio 50");
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_TRUE(r.out.empty());
  EXPECT_EQ(r.err, "截面选型: 规范GBJ18-87要求逐个截面输入腹板有效宽厚比，截面选型只适用于规程CECS102:98和规范GB51022-2015\n");
}

TEST_F(ReportCommand, LightestTakesAUserCatalogueAndReportsItsBadRows) {
  EXPECT_EQ(run("--lightest " + example() + " --catalogue " + (dir / "missing.csv").string()).exitCode, 1);
  const fs::path csv = dir / "mine.csv";
  std::ofstream(csv, std::ios::binary) << "name,h,b,a,t\nC230×75×20×2.3,230,75,20,2.3\nC230 bad,230,75,20,x\n";
  const Result r = run("--lightest " + example() + " --catalogue " + csv.string());
  EXPECT_EQ(r.err, "veldrin-report: " + csv.string() + " 第3行: t不是数值:“x”，该行未采用\n");
  std::istringstream lines(r.out);
  std::vector<std::string> rows;
  for (std::string line; std::getline(lines, line);) rows.push_back(line);
  ASSERT_EQ(rows.size(), 1u + 29u + 1u + 1u);  // heading, built-in, the user's section, the proposal
  EXPECT_EQ(rows[30].rfind("C230×75×20×2.3 ", 0), 0u) << rows[30];
  const Result gbk = run("--lightest --json " + example() + " --catalogue " + reproducer("excel_gbk_times_sign.csv"));
  EXPECT_EQ(nlohmann::json::parse(gbk.out).at("sections").at(29).at("name"), "C230×75×20×2.3") << gbk.err;
}

// The default case fails stability in all three combinations and λy.
TEST_F(ReportCommand, JsonOfTheDefaultCaseParsesBackToItsVerdicts) {
  const Result r = run("--json " + example());
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const nlohmann::json j = nlohmann::json::parse(r.out);
  EXPECT_EQ(j.at("verdict"), "fail");
  const nlohmann::json& checks = j.at("checks");
  ASSERT_EQ(checks.size(), 15u);
  ASSERT_EQ(j.at("governing"), 10);
  EXPECT_EQ(j.at("max_utilisation"), 3.8);
  EXPECT_EQ(checks[10], nlohmann::json::parse(R"({"section": "stability", "combination": 6, "element": null,
      "quantity": "sigma", "demand": 816.89, "limit": 215, "unit": "MPa", "utilisation": 3.8,
      "passes": false, "location": null})"));
  EXPECT_EQ(checks[6], nlohmann::json::parse(R"({"section": "effective", "combination": 3, "element": null,
      "quantity": "sigma", "demand": 196.17, "limit": 215, "unit": "MPa", "utilisation": 0.913,
      "passes": true, "location": null})"));
  EXPECT_EQ(checks[0], nlohmann::json::parse(R"({"section": "strength", "combination": 3, "element": "upper",
      "quantity": "sigma", "demand": 192.91, "limit": 215, "unit": "MPa", "utilisation": 0.898,
      "passes": true, "location": null})"));
  EXPECT_EQ(checks[12], nlohmann::json::parse(R"({"section": "slenderness", "combination": null, "element": null,
      "quantity": "lambda_y", "demand": 275.93, "limit": 220, "unit": "", "utilisation": 1.255,
      "passes": false, "location": null})"));
  EXPECT_EQ(checks[14], nlohmann::json::parse(R"({"section": "deflection", "combination": null, "element": null,
      "quantity": "wind", "demand": 287.9, "limit": 150, "unit": "L/f", "utilisation": 0.522,
      "passes": true, "location": null})"));
  int failing = 0;
  for (const nlohmann::json& c : checks) failing += c.at("passes") ? 0 : 1;
  EXPECT_EQ(failing, 4);
}

// The default case under GB 51022-2015: suction stability governs.
TEST_F(ReportCommand, JsonOfTheThirdCodeCarriesShearRatiosAndSpanSections) {
  const fs::path p = variant(
      "\"A3\",\"1/150\",\"0\",\"门式刚架轻型房屋钢结构技术规范GB51022-2015\",\"屋面板不能阻止檩条的侧向失稳\"");
  const Result r = run("--json " + p.string());
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const nlohmann::json j = nlohmann::json::parse(r.out);
  EXPECT_EQ(j.at("verdict"), "fail");
  const nlohmann::json& checks = j.at("checks");
  ASSERT_EQ(checks.size(), 17u);
  EXPECT_EQ(j.at("governing"), 10);
  EXPECT_EQ(j.at("max_utilisation"), 4.92);
  EXPECT_EQ(checks[10], nlohmann::json::parse(R"({"section": "stability", "combination": 4, "element": "lower",
      "quantity": "sigma", "demand": 1057.79, "limit": 215, "unit": "MPa", "utilisation": 4.92,
      "passes": false, "location": "midspan"})"));
  EXPECT_EQ(checks[2], nlohmann::json::parse(R"({"section": "shear", "combination": 1, "element": "web",
      "quantity": "tau", "demand": 8.34, "limit": 125, "unit": "MPa", "utilisation": 0.067,
      "passes": true, "location": null})"));
  EXPECT_EQ(checks[13], nlohmann::json::parse(R"({"section": "ratio", "combination": null, "element": "web",
      "quantity": "h/t", "demand": 94, "limit": 250, "unit": "", "utilisation": 0.376,
      "passes": true, "location": null})"));
  EXPECT_EQ(checks[16].at("combination"), 7);
  EXPECT_EQ(checks[16].at("section"), "deflection");
}

TEST_F(ReportCommand, JsonGoesToTheOutputFileAndARefusedRunPrintsNone) {
  const Result toFile = run("--json " + example() + " -o " + (dir / "checks.json").string());
  EXPECT_EQ(toFile.exitCode, 0);
  EXPECT_EQ(nlohmann::json::parse(slurp(dir / "checks.json")).at("checks").size(), 15u);
  // The JSON whatever the name: a document name asks for no document here.
  EXPECT_EQ(run("--json " + example() + " -o " + (dir / "checks.pdf").string()).exitCode, 0);
  EXPECT_EQ(nlohmann::json::parse(slurp(dir / "checks.pdf")).at("verdict"), "fail");
  const fs::path p = variant("\"A3\",\"1/999\",\"0\",\"门式钢架轻型房屋钢结构技术规程CECS102:98\",\"屋面板不能阻止檩条的侧向失稳\"");
  const Result refused = run("--json " + p.string());
  EXPECT_EQ(refused.exitCode, 2);
  EXPECT_TRUE(refused.out.empty());
}

// Hostile output paths: the report replaces OUT whole through a temporary of
// its own, and never replaces what is not a regular file.
TEST_F(ReportCommand, ANonRegularOutputIsRefusedAndLeftAsItIs) {
  const fs::path fifo = dir / "pipe", folder = dir / "folder";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  fs::create_directory(folder);
  for (const fs::path& target : {fifo, folder}) {
    const Result r = run(example() + " -o " + target.string());
    EXPECT_EQ(r.exitCode, 1) << target;
    EXPECT_NE(r.err.find("not a regular file"), std::string::npos) << r.err;
  }
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_TRUE(fs::is_directory(folder));
  if (::geteuid() == 0) {  // the reproducer's device node: only root may make one
    const fs::path node = dir / "null";
    ASSERT_EQ(::mknod(node.c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
    EXPECT_EQ(run(example() + " -o " + node.string()).exitCode, 1);
    EXPECT_TRUE(fs::is_character_file(node));
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 5 - (::geteuid() != 0))
      << "pipe, folder, node and the captured streams; no temporary left";
}

TEST_F(ReportCommand, ALongOutputNameAndTheUsersOwnFilesBesideIt) {
  const fs::path longName = dir / std::string(250, 'r');
  EXPECT_EQ(run(example() + " -o " + longName.string()).exitCode, 0);
  EXPECT_EQ(slurp(longName), run(example()).out);

  const fs::path out = dir / "x.txt", users = dir / "x.txt.tmp-veldrin";
  std::ofstream(users) << "keep\n";
  EXPECT_EQ(run(example() + " -o " + out.string()).exitCode, 0);
  EXPECT_EQ(slurp(users), "keep\n");
}

// A link as OUT is followed, as the window's saves follow one: the file it
// names gets the report and the link stays; a link to nothing is refused.
TEST_F(ReportCommand, ALinkAsOutputIsFollowedNotReplaced) {
  const fs::path target = dir / "target.txt", link = dir / "link.txt", dangling = dir / "dangling.txt";
  std::ofstream(target) << "old\n";
  fs::create_symlink(target.filename(), link);
  EXPECT_EQ(run(example() + " -o " + link.string()).exitCode, 0);
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(slurp(target), run(example()).out);

  fs::create_symlink("no-such-folder/report.txt", dangling);
  const Result r = run(example() + " -o " + dangling.string());
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("a link to a file that cannot be reached"), std::string::npos) << r.err;
  EXPECT_TRUE(fs::is_symlink(dangling));
}

// Two runs writing one OUT at once: OUT is always one whole report.
TEST_F(ReportCommand, ConcurrentRunsLeaveOneWholeReport) {
  const std::string other = std::string(VELDRIN_SOURCE_DIR) + "/tests/golden/heavy-snow.in";
  const std::string a = run(example()).out, b = run(other).out;
  ASSERT_NE(a, b);
  const fs::path out = dir / "same.txt";
  const std::string exe = VELDRIN_REPORT_EXE;
  const std::string both = "(" + exe + " " + example() + " -o " + out.string() + " & " + exe + " " + other +
                           " -o " + out.string() + " & wait)";
  for (int round = 0; round < 60; ++round) {
    ASSERT_EQ(std::system(both.c_str()), 0);
    const std::string written = slurp(out);
    ASSERT_TRUE(written == a || written == b) << "round " << round << ": " << written.size() << " bytes";
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 3) << "same.txt, stdout, stderr";
}

TEST_F(ReportCommand, AnUnwritableStandardOutputIsReported) {
  for (const char* redirection : {" >/dev/full", " >&-"}) {
    const Result r = runRedirected(example(), redirection);
    EXPECT_EQ(r.exitCode, 1) << redirection;
    EXPECT_NE(r.err.find("cannot write the report to standard output"), std::string::npos) << r.err;
  }
}

TEST_F(ReportCommand, AFolderOrAPipeGivenAsTheCaseIsAnUnreadableFile) {
  const fs::path pipe = dir / "pipe";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);  // never waited on
  for (const auto& [path, said] : {std::pair{dir, "is a folder"}, std::pair{pipe, "not a regular file"}}) {
    const Result r = run(path.string());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find(said), std::string::npos) << r.err;
  }
}

// Refused with exit 1 and the file's name as an ordinary user (root may read and write both).
TEST_F(ReportCommand, AFileTheUserMayNotReadOrWriteIsRefused) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may read and write every file";
  const fs::path locked = dir / "locked.csv", kept = dir / "kept.txt";
  std::ofstream(locked) << "name,h,b,a,t\n";
  std::ofstream(kept) << "KEEP\n";
  fs::permissions(locked, fs::perms::none);
  fs::permissions(kept, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  for (const auto& [args, file] : {std::pair{"--lightest " + example() + " --catalogue ", locked},
                                   std::pair{example() + " -o ", kept}}) {
    const Result r = run(args + file.string());
    EXPECT_EQ(r.exitCode, 1) << args;
    EXPECT_NE(r.err.find("\"" + file.string() + "\""), std::string::npos) << r.err;
  }
  EXPECT_EQ(slurp(kept), "KEEP\n");
}

// Under a file-size limit the write fails as on a full disk: said, old file kept, no temporary left.
TEST_F(ReportCommand, AFileSizeLimitFailsTheWriteWithAMessage) {
  const fs::path out = dir / "big.txt";
  std::ofstream(out) << "OLD\n";
  const Result r = runRedirected(example() + " -o " + out.string(), "", "ulimit -f 1; ");
  ASSERT_EQ(r.exitCode, 1) << "a signal gives -1";
  EXPECT_NE(r.err.find("cannot write \"" + out.string() + "\": File too large"), std::string::npos) << r.err;
  EXPECT_EQ(slurp(out), "OLD\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2) << "big.txt and stderr only";
}

// The reproducers' files: each message names the real defect.
TEST_F(ReportCommand, ReproducerFilesGetMessagesNamingTheirDefect) {
  const struct {
    const char* file;
    int exitCode;
    const char* said;
  } cases[] = {
      {"blank_first_line.in", 2, "第1行是空行"},
      {"dblmax_deadload.in", 2, "第2行第1项(屋面恒载)超出可计算的数值范围"},
      {"cr_only_line_ends.in", 0, ""},
      {"code_word_typo.in", 2, "第3行第4项(设计规范)只能是"},
      {"negative_live_cecs.in", 2, "第2行第2项(屋面活载)输入有误(非数字输入或者输入值<0)，请核对后输入!"},
  };
  for (const auto& c : cases) {
    const Result r = run(reproducer(c.file));
    EXPECT_EQ(r.exitCode, c.exitCode) << c.file << ": " << r.err;
    EXPECT_NE(r.err.find(c.said), std::string::npos) << c.file << ": " << r.err;
  }
  EXPECT_EQ(run(reproducer("cr_only_line_ends.in")).out.substr(0, 200), run(example()).out.substr(0, 200));
}

// RTF and PDF need the desktop libraries: the core-only build says so before
// it runs anything and writes nothing.
TEST_F(ReportCommand, DocumentKindsFollowTheBuild) {
  for (const char* name : {"report.pdf", "report.RTF"}) {
    const fs::path out = dir / name;
    const Result r = run(example() + " -o " + out.string());
    if (VELDRIN_REPORT_WRITES_DOCUMENTS) {
      EXPECT_EQ(r.exitCode, 0) << r.err;
      EXPECT_TRUE(slurp(out).rfind(out.extension() == ".pdf" ? "%PDF-" : "{\\rtf1", 0) == 0) << name;
    } else {
      EXPECT_EQ(r.exitCode, 2) << name;
      EXPECT_NE(r.err.find("plain text only"), std::string::npos) << r.err;
      EXPECT_FALSE(fs::exists(out));
    }
  }
}

TEST_F(ReportCommand, LightestProposesLastAndExitsByWhetherASectionPasses) {
  const std::string words = "\"A3\",\"1/150\",\"%\",\"门式钢架轻型房屋钢结构技术规程CECS102:98\",\"屋面板不能阻止檩条的侧向失稳\"";
  std::string oneRod = words;
  oneRod.replace(oneRod.find('%'), 1, "1");
  const Result passes = run("--lightest " + variant(oneRod).string());
  EXPECT_EQ(passes.exitCode, 0) << passes.err;
  EXPECT_TRUE(passes.err.empty()) << passes.err;
  const std::string last = passes.out.substr(passes.out.rfind('\n', passes.out.size() - 2) + 1);
  EXPECT_EQ(last, "推荐截面: C280×80×20×2.5  9.01kg/m  控制验算: 荷载组合三 稳定 σ3  利用率: 0.845\n");

  const Result none = run("--lightest --json " + example());
  EXPECT_EQ(none.exitCode, 3) << none.err;
  const nlohmann::json j = nlohmann::json::parse(none.out);
  EXPECT_TRUE(j["proposed"].is_null());
  EXPECT_EQ(j["sections"].size(), 29u);
  EXPECT_EQ(j["sections"][28]["status"], "fail");
}
