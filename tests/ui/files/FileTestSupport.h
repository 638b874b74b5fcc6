#pragma once
// Shared by the file command tests: a main window whose settings live in a
// fresh folder, temporary files, and scripted answers for the save options.

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "ui/main/MainWindow.h"
#include "ui/support/ScriptedPrompter.h"

namespace gs::ui::test {

inline QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
  ASSERT_EQ(f.write(bytes), bytes.size()) << path.toStdString();
}

inline unsigned U16At(const QByteArray& b, int offset) {
  return static_cast<unsigned char>(b[offset]) | static_cast<unsigned char>(b[offset + 1]) << 8;
}

// What a click on a list item does.
inline void Pick(QComboBox* combo, int index) {
  combo->setCurrentIndex(index);
  emit combo->activated(index);
}

template <class T = QWidget>
T* Child(QWidget& parent, const char* name) {
  T* w = parent.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(w, nullptr) << name;
  return w;
}

// Answers the save options dialog: picks a depth (0, 1, 2) unless -1, types
// the hotspot when given, and presses OK (or `button`).
inline std::function<int(QDialog&)> SaveOptions(int depthIndex = -1, QString hotX = {}, QString hotY = {},
                                                const char* button = "cmdOK") {
  return [=](QDialog& d) {
    if (depthIndex >= 0) Pick(Child<QComboBox>(d, "cmbSaveAs"), depthIndex);
    if (!hotX.isNull()) Child<QLineEdit>(d, "txtHotX")->setText(hotX);
    if (!hotY.isNull()) Child<QLineEdit>(d, "txtHotY")->setText(hotY);
    QTest::mouseClick(Child<QPushButton>(d, button), Qt::LeftButton);
    return d.result();
  };
}

inline std::function<int(QDialog&)> CancelSaveOptions() { return SaveOptions(-1, {}, {}, "cmdCancel"); }

// The options dialog's answer after `look` has checked it.
inline std::function<int(QDialog&)> Checked(std::function<void(QDialog&)> look,
                                            std::function<int(QDialog&)> answer = SaveOptions()) {
  return [=](QDialog& d) {
    look(d);
    return answer(d);
  };
}

// A main window with a scripted prompter, files in a temporary folder, and
// the recent-file list starting empty.
class FileWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    ClearRecentSettings();
    window = MakeWindow();
  }
  void TearDown() override {
    window.reset();
    ClearRecentSettings();
    EXPECT_TRUE(prompter.answers.empty() && prompter.saveOverAnswers.empty()) << "a scripted answer was not asked for";
    EXPECT_TRUE(prompter.dialogs.empty()) << "a scripted dialog was not shown";
    EXPECT_TRUE(prompter.saveNames.empty() && prompter.openNames.empty()) << "a scripted file name was not asked for";
  }

  static void ClearRecentSettings() { QSettings("GlyphSmith", "GlyphSmith").remove("Recent Files"); }
  std::unique_ptr<MainWindow> MakeWindow(const QString& startupFile = {}) {
    return std::make_unique<MainWindow>(&prompter, startupFile);
  }

  QString Path(const QString& name) const { return dir.filePath(name); }
  Document& Doc() { return window->Doc(); }
  void Trigger(const char* action) { window->Action(QString::fromLatin1(action))->trigger(); }
  // A File menu command answered by a save-file name and the options dialog.
  void SaveThrough(const char* action, const QString& path, std::function<int(QDialog&)> options = SaveOptions()) {
    prompter.saveNames.push_back(path);
    prompter.dialogs.push_back(std::move(options));
    Trigger(action);
  }

  // A picture with several colours and a transparent corner.
  void PaintSample() {
    Surface& img = Doc().WorkingImage;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) img.SetPixel(x, y, Rgb(x * 8, y * 8, (x + y) * 4));
    img.FillRect({0, 0, 6, 4}, Doc().TransparentColor);
    window->RePaint();
  }

  QTemporaryDir dir;
  ScriptedPrompter prompter;
  std::unique_ptr<MainWindow> window;
};

}  // namespace gs::ui::test
