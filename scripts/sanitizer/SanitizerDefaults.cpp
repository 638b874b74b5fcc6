// Linked into every program of a sanitizer build (GLYPHSMITH_SANITIZE): the
// options each sanitizer starts with, so that a test run by hand, by ctest or
// by test discovery stops at the first report and checks for leaks alike.
// Options in the environment (ASAN_OPTIONS, LSAN_OPTIONS, UBSAN_OPTIONS) still
// take precedence.

extern "C" {

const char* __asan_default_options() {
  return "detect_leaks=1:abort_on_error=0:halt_on_error=1:detect_stack_use_after_return=1:"
         "strict_string_checks=1:check_initialization_order=1";
}

const char* __lsan_default_options() { return "suppressions=" GS_LSAN_SUPPRESSIONS ":print_suppressions=0"; }

const char* __ubsan_default_options() { return "halt_on_error=1:print_stacktrace=1"; }

}
