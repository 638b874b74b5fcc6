#pragma once
// What a fuzz target asserts about a read: a broken promise aborts, which the
// fuzzer reports with the input that broke it.

#include <cstdlib>

namespace gs::fuzz {

inline void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace gs::fuzz
