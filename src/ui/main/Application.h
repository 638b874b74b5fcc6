#pragma once
// The editor's application object. An exception thrown by an event handler
// must not unwind through Qt's event loop, which is not written for it: it is
// caught where Qt hands the event over, reported as one line on stderr
// ("glyphsmith: <what>"), and the program ends with status 1.

#include <QApplication>
#include <exception>

namespace gs::ui {

class Application : public QApplication {
 public:
  Application(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;

  // "glyphsmith: <what happened>" on stderr, for an exception that reached the top.
  static void ReportEscaped(std::exception_ptr error);
};

}  // namespace gs::ui
