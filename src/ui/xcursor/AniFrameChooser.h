#pragma once
// `frmAniFrames`: which frame of an animated cursor Open takes. The frames are
// listed as pictures in `lstFrames`; one that cannot be read is shown, greyed,
// with its reason, and cannot be chosen.

#include <QDialog>

#include "files/AnimatedCursorOpen.h"

class QListWidget;

namespace gs::ui {

class AniFrameChooser : public QDialog {
  Q_OBJECT
 public:
  AniFrameChooser(const AnimationForOpen& animation, const QString& fileName, QWidget* parent);

  // The frame chosen, from 0.
  int Chosen() const;

 private:
  QListWidget* frames_ = nullptr;
};

}  // namespace gs::ui
