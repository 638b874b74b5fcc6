#pragma once
// Edit > "Try as Pointer" (`mnuEdit_6`): while it is checked, the mouse pointer
// over the editing view and the preview is the document itself, with its
// hotspot, remade at every repaint so it follows the drawing; a small cross
// marks the hotspot on the editing view. Only a cursor document has a hotspot,
// so the item is enabled for one only. Unchecked, the widgets get back the
// pointers they had, including one a tool set in the meantime.

#include <QCursor>
#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>

#include "raster/Geometry.h"

class QAction;
class QWidget;

namespace gs::ui {

class HotspotMark;
class MainWindow;

class PointerTrial : public QObject {
  Q_OBJECT
 public:
  // `hotspot` says whether the document is a cursor, and where its hotspot is.
  PointerTrial(MainWindow& window, QAction& action, std::function<std::optional<Point>()> hotspot);

  // Follows the document becoming a cursor or not: enables the item, and
  // turns the trial off when there is no hotspot any more.
  void CursorDocumentChanged();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Shown {
    QPointer<QWidget> widget;
    bool hadCursor = false;  // the widget had a pointer of its own
    QCursor normal;
  };

  void SetOn(bool on);
  void Apply();

  MainWindow& window_;
  QAction& action_;
  std::function<std::optional<Point>()> hotspot_;
  Shown shown_[2];
  HotspotMark* mark_ = nullptr;
  bool on_ = false;
  bool applying_ = false;  // our own pointer changes are not the widgets' new normal ones
};

}  // namespace gs::ui
