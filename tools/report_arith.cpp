// veldrin-arith: re-evaluates the printed substitutions of reports.
//
//   veldrin-arith REPORT.txt...
//
// Lists every fully numeric substitution that does not give its printed
// result within the rounding of its printed numbers; exit 1 when there is one.
#include <cstdio>
#include <fstream>
#include <sstream>

#include "tools/reportarithmetic.h"

int main(int argc, char** argv) {
  int failing = 0;
  for (int k = 1; k < argc; ++k) {
    std::ifstream in(argv[k], std::ios::binary);
    if (!in) {
      std::fprintf(stderr, "%s: cannot read\n", argv[k]);
      return 2;
    }
    std::ostringstream text;
    text << in.rdbuf();
    const veldrin::arith::Audit audit = veldrin::arith::auditReport(text.str());
    for (const auto& f : audit.failures) std::printf("%s:%s\n", argv[k], veldrin::arith::describe(f).c_str());
    std::fprintf(stderr, "%s: %zu of %d substitutions do not evaluate to the printed result\n", argv[k],
                 audit.failures.size(), audit.substitutions);
    failing += static_cast<int>(audit.failures.size());
  }
  return failing > 0 ? 1 : 0;
}
