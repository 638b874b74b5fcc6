#include <iostream>

#include "CliCommands.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  std::vector<std::string> args;
  try {
    args.assign(argv + 1, argv + argc);
  } catch (...) {
    std::cerr << "glyphsmith-cli: not enough memory\n";
    return gs::cli::kExitFailed;
  }
  return gs::cli::Main(args, std::cout, std::cerr);
}
