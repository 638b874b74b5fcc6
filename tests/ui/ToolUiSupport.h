#pragma once
// A fresh main window per test with mouse helpers that act on the view
// `picIcon` at the view coordinates of a pixel's centre.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "support/ScriptedPrompter.h"
#include "ui/ColourSwatch.h"
#include "ui/EditView.h"
#include "ui/MainWindow.h"

namespace gs::ui::test {

inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kBlue = 0xFF0000;

class ToolUiTest : public ::testing::Test {
 protected:
  ToolUiTest() : window(std::make_unique<MainWindow>(&prompter)) {
    window->SetForeColour(kRed);
    window->SetBackColour(kBlue);
  }

  EditView* view() const { return window->View(); }
  Surface& image() const { return window->Doc().WorkingImage; }
  Document& doc() const { return window->Doc(); }

  // The view point in the middle of pixel (px, py).
  QPoint At(int px, int py) const {
    return QPoint(static_cast<int>((px + 0.5) * view()->width() / 32.0),
                  static_cast<int>((py + 0.5) * view()->height() / 32.0));
  }

  template <typename T = QWidget>
  T* Find(const QString& name) const {
    T* w = window->findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
  }

  void UseTool(int tool) { Find<QToolButton>(QStringLiteral("optTool_%1").arg(tool))->click(); }

  void Press(int px, int py, Qt::MouseButton b = Qt::LeftButton) { QTest::mousePress(view(), b, {}, At(px, py)); }
  void Release(int px, int py, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mouseRelease(view(), b, {}, At(px, py));
  }
  // A move with the given buttons held, as the window system delivers it.
  void MoveTo(QPointF pos, Qt::MouseButtons held) {
    QMouseEvent move(QEvent::MouseMove, pos, view()->mapToGlobal(pos), Qt::NoButton, held, Qt::NoModifier);
    QApplication::sendEvent(view(), &move);
  }
  void MoveTo(int px, int py, Qt::MouseButtons held = Qt::LeftButton) { MoveTo(QPointF(At(px, py)), held); }
  void Drag(QPoint from, QPoint to, Qt::MouseButton b = Qt::LeftButton) {
    Press(from.x(), from.y(), b);
    MoveTo(to.x(), to.y(), b);
    Release(to.x(), to.y(), b);
  }
  void Key(Qt::Key key) { QTest::keyClick(view(), key); }

  // The view's picture of pixel (px, py) as shown on screen.
  Colour Shown(int px, int py) const { return view()->ShownColourAt(QPointF(At(px, py))); }

  ScriptedPrompter prompter;
  std::unique_ptr<MainWindow> window;
};

}  // namespace gs::ui::test
