// The headless command: the calculation of a ".in" file, for batch work and checking.
#include <csignal>
#include <iostream>

#include "app/reportcommand.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  // Under a file-size limit a write past it fails with EFBIG, reported like
  // a full disk, instead of the signal ending the command without a word.
  std::signal(SIGXFSZ, SIG_IGN);
  const std::vector<std::string> args(argv + 1, argv + argc);
  return veldrin::runReportCommand(args, std::cout, std::cerr, veldrin::documentMaker());
}
