#pragma once
// `frmSave`, the save options dialog: colour depth with a live preview, the
// quality list that chooses the adaptive palette for 256 colours, and the
// cursor hotspot. It is made once and only hidden between showings, so the
// user's choices carry over to the next save; closing it through the window's
// close box drops it (the file commands then make a fresh one next time).

#include <QDialog>
#include <functional>

#include "formats/IconWriter.h"
#include "raster/Geometry.h"
#include "raster/Surface.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace gs::ui {

class Prompter;
class SurfaceView;

class SaveDialog : public QDialog {
  Q_OBJECT
 public:
  enum class Kind { Icon, Cursor, Bitmap, Pcx };
  static constexpr int kCancelled = 255;
  static constexpr int kAdaptive = 2;

  // `image` is read whenever the preview is drawn: at each showing and each
  // change of depth, so the preview shows the document as it is then. The
  // preview takes `previewSize`.
  SaveDialog(std::function<const Surface&()> image, QSize previewSize, Prompter& prompter, QWidget* parent);

  // Before each showing: caption, hotspot frame, quality list, and
  // SaveDialogResult back to 0.
  void Prepare(Kind kind);

  // Puts a hotspot into the X and Y boxes (the one a cursor file carries).
  void SetHotspot(Point hotspot);
  // Starts the depth list at 1, 4 or 8 bits (the depth of the file being
  // saved over) instead of the last one used. Not a pick by the user, so it
  // does not choose the adaptive palette.
  void SetDepth(int bits);

  // Bits per pixel chosen: 1, 4 or 8.
  int SaveDepth() const { return saveDepth_; }
  // 255 after a cancel; 2 when the last pick of this showing was "256 Colors".
  int SaveDialogResult() const { return saveDialogResult_; }
  PaletteMode Mode() const;
  // The hotspot accepted by the last OK of a cursor save.
  Point CursorHot() const { return cursorHot_; }
  // True once the user closed the window itself rather than pressing a button.
  bool ClosedByUser() const { return closedByUser_; }

  // The preview's picture at the chosen depth.
  QImage PreviewImage() const;

 public slots:
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void ShowPreview();
  void DepthPicked(int index);
  void QualityChanged();
  void UpdateQualityEnabled();
  void Confirm();
  void PointAt(QPoint p);

  std::function<const Surface&()> image_;
  Prompter& prompter_;
  QComboBox* saveAs_ = nullptr;
  QComboBox* optimize_ = nullptr;
  SurfaceView* preview_ = nullptr;
  QGroupBox* hotspotFrame_ = nullptr;
  QLineEdit* hotX_ = nullptr;
  QLineEdit* hotY_ = nullptr;
  Kind kind_ = Kind::Icon;
  int saveDepth_ = 4;
  int saveDialogResult_ = 0;
  Point cursorHot_{};
  bool closedByUser_ = false;
};

}  // namespace gs::ui
