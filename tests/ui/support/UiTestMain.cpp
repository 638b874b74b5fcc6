#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "ui/main/Application.h"

int main(int argc, char** argv) {
  // Window tests run without a display, and never touch the user's settings.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QStandardPaths::setTestModeEnabled(true);
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
    const QByteArray runtime = QDir::tempPath().toUtf8() + "/glyphsmith-tests-runtime";
    QDir().mkpath(QString::fromUtf8(runtime));
    QFile::setPermissions(QString::fromUtf8(runtime), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime);
  }
  gs::ui::Application app(argc, argv);  // the program's own, as the editor runs
  QApplication::setOrganizationName(QStringLiteral("GlyphSmith"));
  QApplication::setApplicationName(QStringLiteral("GlyphSmith"));
  // Test processes run side by side: each keeps its settings in its own folder.
  QTemporaryDir settingsDir;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
