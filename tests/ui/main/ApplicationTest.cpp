#include <gtest/gtest.h>

#include <QTimer>
#include <stdexcept>

#include "ui/main/Application.h"

namespace gs::ui {
namespace {

// An exception thrown by an event handler stops at the application object: one
// line on stderr, and the event loop ends with status 1.
TEST(Application, AnExceptionInAnEventHandlerEndsTheProgramWithOneLine) {
  for (const auto& [thrower, line] :
       {std::pair<std::function<void()>, std::string>{[] { throw std::runtime_error("the frame list is damaged"); },
                                                      "glyphsmith: the frame list is damaged\n"},
        {[] { throw std::bad_alloc(); }, "glyphsmith: not enough memory\n"},
        {[] { throw 42; }, "glyphsmith: an unexpected error stopped the program\n"}}) {
    QTimer::singleShot(0, qApp, thrower);
    ::testing::internal::CaptureStderr();
    const int status = QCoreApplication::exec();
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, 1);
    EXPECT_NE(err.find(line), std::string::npos) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
  }
}

}  // namespace
}  // namespace gs::ui
