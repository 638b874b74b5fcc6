#pragma once
// `frmImport`: open a picture, look at it at actual size in the viewport
// `Picture1` (the picture `picFull` moves under the scroll bars `scrHorizontal`
// and `scrVertical`), mark a rectangle on it by dragging or by typing its
// corners into `txtLeft`, `txtTop`, `txtWidth` and `txtHeight` (X1, Y1, X2,
// Y2), see it squeezed into 32 × 32 in `picResult`, and take that into the
// document with "Acquire". Closing the window is the way out.

#include <QDialog>
#include <array>

#include "acquire/PictureImport.h"

class QLineEdit;
class QScrollBar;

namespace gs::ui {

class MainWindow;
class SurfaceView;

class ImportDialog : public QDialog {
  Q_OBJECT
 public:
  explicit ImportDialog(MainWindow& window);

  const PictureImport& Import() const { return import_; }
  // Opens the picture at `path` as "Open Image" does once a file is chosen.
  // A picture that cannot be read is reported and the previous one stays.
  bool OpenPicture(const QString& path);

 private:
  class PictureBox;
  class Viewport;

  void SelectPicture();
  void FieldEdited(CropField f, const QString& text);
  void MousePressed(QPointF p);
  void MouseMoved(QPointF p, bool leftHeld);
  void MouseReleased(QPointF p);
  // The fields say what the corners are, after a drag.
  void WriteFields();
  void ShowResult();
  void AcquireImage();

  MainWindow& window_;
  PictureImport import_;
  QString picturePath_;
  Viewport* viewport_ = nullptr;
  PictureBox* picture_ = nullptr;
  SurfaceView* result_ = nullptr;
  std::array<QLineEdit*, 4> fields_{};
};

}  // namespace gs::ui
