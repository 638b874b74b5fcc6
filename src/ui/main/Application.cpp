#include "ui/main/Application.h"

#include <cstdio>
#include <new>
#include <stdexcept>

namespace gs::ui {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    ReportEscaped(std::current_exception());
    exit(1);
    return false;
  }
}

void Application::ReportEscaped(std::exception_ptr error) {
  // Plain stdio: nothing here may allocate when memory has run out.
  try {
    std::rethrow_exception(error);
  } catch (const std::bad_alloc&) {
    std::fputs("glyphsmith: not enough memory\n", stderr);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "glyphsmith: %s\n", e.what());
  } catch (...) {
    std::fputs("glyphsmith: an unexpected error stopped the program\n", stderr);
  }
}

}  // namespace gs::ui
