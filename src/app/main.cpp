#include <QAction>
#include <QTextBrowser>
#include <cstdio>

#include "ui/main/ActionNames.h"
#include "ui/main/Application.h"
#include "ui/main/MainWindow.h"

namespace {

// GLYPHSMITH_SELF_CHECK: the installation test starts the installed editor and
// asks it what a person would see: the window's icon and where it came from,
// and the help page opened from the Help menu. Status 0 when both are there.
int ReportSelfCheck(gs::ui::MainWindow& window) {
  const QIcon icon = window.windowIcon();
  std::printf("window icon: %s\n", icon.isNull()            ? "none"
                                   : icon.name().isEmpty() ? "built-in pictures"
                                                           : qPrintable(icon.name() + " from the icon theme"));
  auto* howToUse = window.findChild<QAction*>(QString::fromLatin1(gs::ui::action::kHowToUse));
  if (howToUse) howToUse->trigger();
  const auto* help = window.findChild<QTextBrowser*>(QStringLiteral("txtHelp"));
  const bool helpFound = help && !help->document()->isEmpty();
  if (helpFound) {
    std::printf("help: \"%s\", %lld characters\n", qPrintable(help->documentTitle()),
                static_cast<long long>(help->document()->characterCount()));
  } else {
    std::printf("help: not found\n");
  }
  std::fflush(stdout);
  return !icon.isNull() && helpFound ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  // Nothing thrown leaves main: whatever reaches here is one line and status 1.
  try {
    gs::ui::Application app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("GlyphSmith"));
    QApplication::setApplicationName(QStringLiteral("GlyphSmith"));
    QApplication::setApplicationVersion(QStringLiteral("5.0"));
    // The installed desktop entry's name (packaging/), which is also its icon's
    // name: desktops match the window to the entry by it.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.glyphsmith.GlyphSmith"));

    // The first argument is the file to open.
    const QStringList args = QApplication::arguments();
    gs::ui::MainWindow window(nullptr, args.size() > 1 ? args.at(1) : QString());
    window.show();
    if (qEnvironmentVariableIsSet("GLYPHSMITH_SELF_CHECK")) {
      QMetaObject::invokeMethod(&app, [&] { QApplication::exit(ReportSelfCheck(window)); }, Qt::QueuedConnection);
    }
    // The start-up benchmark measures process start to a shown window.
    if (qEnvironmentVariableIsSet("GLYPHSMITH_QUIT_WHEN_SHOWN")) QMetaObject::invokeMethod(&app, &QApplication::quit, Qt::QueuedConnection);
    return app.exec();
  } catch (...) {
    gs::ui::Application::ReportEscaped(std::current_exception());
    return 1;
  }
}
