// Writes the large program the benchmarks read (LargeProgram.h) to a file, for
// the scripts that compare glyphsmith-cli with other tools on it.
// Usage: write_large_program OUTPUT [GROUPS]

#include <cstdio>
#include <fstream>
#include <string>

#include "LargeProgram.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: write_large_program OUTPUT [GROUPS]\n");
    return 2;
  }
  const int groups = argc == 3 ? std::stoi(argv[2]) : 1000;
  const auto file = gs::testing::LargeProgram(groups);
  std::ofstream out(argv[1], std::ios::binary);
  out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  return out ? 0 : 1;
}
