// The headless command: the calculation of a ".in" file, for batch work and checking.
#include <iostream>

#include "app/reportcommand.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + 1, argv + argc);
  return veldrin::runReportCommand(args, std::cout, std::cerr, veldrin::documentMaker());
}
