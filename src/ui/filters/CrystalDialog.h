#pragma once
// `frmCrystal`: the block size of Crystallize Image.

#include <QDialog>

class QSlider;

namespace gs::ui {

class MainWindow;

class CrystalDialog : public QDialog {
  Q_OBJECT
 public:
  explicit CrystalDialog(MainWindow& window);

 private:
  void Apply();

  MainWindow& window_;
  QSlider* slider_;
};

}  // namespace gs::ui
