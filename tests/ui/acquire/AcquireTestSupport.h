#pragma once
// Shared by the extractor and picture import window tests: the main window
// with scripted answers, a dialog run from a menu item, and mouse events with
// the buttons held that QTest cannot send.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QToolButton>

#include "ui/files/FileTestSupport.h"

namespace gs::ui::test {

inline void SendMouse(QWidget* w, QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons held) {
  QMouseEvent e(type, QPointF(p), w->mapToGlobal(QPointF(p)), button, held, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

inline void Click(QWidget& d, const char* button) { QTest::mouseClick(Child<QPushButton>(d, button), Qt::LeftButton); }

class AcquireWindowTest : public FileWindowTest {
 protected:
  // Runs the dialog of the tool bar button `button` (which triggers its menu
  // item) shown on the screen; `script` works it as a person would. Returns the
  // dialog's result.
  int RunDialog(const char* button, std::function<void(QDialog&)> script) {
    int result = -1;
    prompter.dialogs.push_back([&, script](QDialog& d) {
      d.show();
      script(d);
      result = d.result();
      return result;
    });
    QTest::mouseClick(Child<QToolButton>(*window, button), Qt::LeftButton);
    return result;
  }
};

}  // namespace gs::ui::test
