#pragma once
// Helpers for driving the image operation dialogs in tests.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "raster/Surface.h"
#include "ui/SurfaceImage.h"
#include "ui/SurfaceView.h"

namespace gs::ui::test {

// Every pixel a different colour, none transparent.
inline Surface Numbered() {
  Surface s(32, 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) s.SetPixel(x, y, Rgb(x * 7 + 1, y * 7 + 1, 0x40));
  return s;
}

template <typename W>
W* Child(QWidget& parent, const char* name) {
  W* child = parent.findChild<W*>(QString::fromLatin1(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}

// What a picture box of the dialog shows.
inline Surface Shows(QWidget& dialog, const char* box) {
  return FromQImage(Child<SurfaceView>(dialog, box)->image());
}

// Replaces a field's text by typing.
inline void Type(QWidget& dialog, const char* field, const QString& text) {
  auto* edit = Child<QLineEdit>(dialog, field);
  edit->clear();
  QTest::keyClicks(edit, text);
}

inline int Click(QDialog& dialog, const char* button) {
  Child<QPushButton>(dialog, button)->click();
  return dialog.result();
}

}  // namespace gs::ui::test
