#pragma once
// `frmRotate`: the modeless angle dialog of Rotate > Custom.... Apply turns
// the image as it is at that moment by the chosen angle, filling with the back
// colour, and closes the dialog.

#include <QDialog>

class QLabel;
class QScrollBar;

namespace gs::ui {

class MainWindow;

class RotateDialog : public QDialog {
  Q_OBJECT
 public:
  explicit RotateDialog(MainWindow& window);

  // Shows the window's rotation dialog: brought to the front when open,
  // otherwise opened at 0 degrees.
  static RotateDialog* ShowFor(MainWindow& window);

 private:
  void Apply();

  MainWindow& window_;
  QScrollBar* angle_;
  QLabel* angleText_;
};

}  // namespace gs::ui
