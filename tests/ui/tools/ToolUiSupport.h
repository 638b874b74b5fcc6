#pragma once
// A fresh main window per test, painting red with the left button and blue
// with the right, and mouse helpers acting on the view `picIcon` at the view
// coordinates of a pixel's centre.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <memory>

#include "ui/main/ColourSwatch.h"
#include "ui/main/EditView.h"
#include "ui/main/MainWindow.h"
#include "ui/support/ScriptedPrompter.h"

namespace gs::ui::test {

inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kBlue = 0xFF0000;

inline int Count(const Surface& s, Colour c) {
  return static_cast<int>(std::count(s.Pixels().begin(), s.Pixels().end(), c));
}

class ToolUiTest : public ::testing::Test {
 protected:
  ToolUiTest() : window(std::make_unique<MainWindow>(&prompter)) {
    window->SetForeColour(kRed);
    window->SetBackColour(kBlue);
  }

  EditView* view() const { return window->View(); }
  Surface& image() const { return window->Doc().WorkingImage; }
  Document& doc() const { return window->Doc(); }
  Colour transparent() const { return window->Doc().TransparentColor; }

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
  // Clicks a panel (picTool1, ...) at a point given as fractions of its size.
  void Choose(const char* panel, double fx, double fy, Qt::MouseButton b = Qt::LeftButton) {
    QWidget* p = Find(QString::fromLatin1(panel));
    QTest::mouseClick(p, b, {}, QPoint(static_cast<int>(fx * p->width()), static_cast<int>(fy * p->height())));
  }

  // Presses and releases as the window system delivers them, with the buttons
  // this fixture holds: nothing carries over from an earlier test.
  void Press(int px, int py, Qt::MouseButton b = Qt::LeftButton) {
    held_ |= b;
    Send(QEvent::MouseButtonPress, At(px, py), b);
  }
  void Release(int px, int py, Qt::MouseButton b = Qt::LeftButton) {
    held_ &= ~Qt::MouseButtons(b);
    Send(QEvent::MouseButtonRelease, At(px, py), b);
  }
  // A move with the buttons held, as the window system delivers it.
  void MoveTo(int px, int py, Qt::MouseButtons held = Qt::LeftButton) {
    const QPointF pos(At(px, py));
    QMouseEvent move(QEvent::MouseMove, pos, view()->mapToGlobal(pos), Qt::NoButton, held, Qt::NoModifier);
    QApplication::sendEvent(view(), &move);
  }
  void Drag(QPoint from, QPoint to, Qt::MouseButton b = Qt::LeftButton) {
    Press(from.x(), from.y(), b);
    MoveTo(to.x(), to.y(), b);
    Release(to.x(), to.y(), b);
  }
  void Key(Qt::Key key) { QTest::keyClick(view(), key); }
  void Undo() { window->Action("mnuEdit_0")->trigger(); }
  // What the view shows over pixel (px, py).
  Colour Shown(int px, int py) const { return view()->ShownColourAt(QPointF(At(px, py))); }

  ScriptedPrompter prompter;
  std::unique_ptr<MainWindow> window;

 private:
  void Send(QEvent::Type type, QPointF pos, Qt::MouseButton b) {
    QMouseEvent event(type, pos, view()->mapToGlobal(pos), b, held_, Qt::NoModifier);
    QApplication::sendEvent(view(), &event);
  }
  Qt::MouseButtons held_;
};

}  // namespace gs::ui::test
