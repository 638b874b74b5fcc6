#include <iostream>

#include "CliCommands.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  return gs::cli::Run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
