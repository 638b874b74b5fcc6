#include "ui/main/Application.h"
#include "ui/main/MainWindow.h"

int main(int argc, char** argv) {
  // Nothing thrown leaves main: whatever reaches here is one line and status 1.
  try {
    gs::ui::Application app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("GlyphSmith"));
    QApplication::setApplicationName(QStringLiteral("GlyphSmith"));
    QApplication::setApplicationVersion(QStringLiteral("5.0"));

    // The first argument is the file to open.
    const QStringList args = QApplication::arguments();
    gs::ui::MainWindow window(nullptr, args.size() > 1 ? args.at(1) : QString());
    window.show();
    // The start-up benchmark measures process start to a shown window.
    if (qEnvironmentVariableIsSet("GLYPHSMITH_QUIT_WHEN_SHOWN")) QMetaObject::invokeMethod(&app, &QApplication::quit, Qt::QueuedConnection);
    return app.exec();
  } catch (...) {
    gs::ui::Application::ReportEscaped(std::current_exception());
    return 1;
  }
}
