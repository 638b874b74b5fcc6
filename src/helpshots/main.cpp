// glyphsmith-help-pictures DIR: opens every window the help pages show, on the
// offscreen platform, and saves each as DIR/<name>.png, with DIR/pictures.qrc
// listing them for the program to carry. Run by the build, so the pictures are
// always of the windows as they are now.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdio>

#include "HelpShots.h"
#include "ui/main/Application.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: glyphsmith-help-pictures DIR\n");
    return 2;
  }
  // The same pictures on every machine with the same fonts: no display, no
  // user settings (recent files), no desktop style.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QStandardPaths::setTestModeEnabled(true);
  QTemporaryDir runtime;
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
  gs::ui::Application app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("GlyphSmith"));
  QApplication::setApplicationName(QStringLiteral("GlyphSmith"));
  QTemporaryDir settings;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());

  const QDir out(QDir().absoluteFilePath(QString::fromLocal8Bit(argv[1])));
  // Windows that list the current folder show an empty one, not the build's.
  QTemporaryDir folder;
  QDir::setCurrent(folder.path());
  if (!QDir().mkpath(out.path())) {
    std::fprintf(stderr, "glyphsmith-help-pictures: cannot make %s\n", argv[1]);
    return 1;
  }
  int failures = 0;
  QString qrc = QStringLiteral("<RCC>\n  <qresource prefix=\"/help/pictures\">\n");
  for (const auto& shot : gs::helpshots::HelpShots()) {
    const QString file = shot.name + QStringLiteral(".png");
    bool saved = false;
    gs::helpshots::ShotSession one([&](QWidget& w) {
      if (!saved) saved = w.grab().save(out.filePath(file), "PNG");
    });
    if (!shot.open(one) || !saved) {
      std::fprintf(stderr, "glyphsmith-help-pictures: no picture of %s\n", qPrintable(shot.name));
      ++failures;
      continue;
    }
    qrc += QStringLiteral("    <file>%1</file>\n").arg(file);
  }
  qrc += QStringLiteral("  </qresource>\n</RCC>\n");
  QFile list(out.filePath(QStringLiteral("pictures.qrc")));
  if (!list.open(QIODevice::WriteOnly | QIODevice::Truncate) || list.write(qrc.toUtf8()) < 0) {
    std::fprintf(stderr, "glyphsmith-help-pictures: cannot write %s\n", qPrintable(list.fileName()));
    return 1;
  }
  return failures == 0 ? 0 : 1;
}
