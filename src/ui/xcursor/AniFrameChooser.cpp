#include "ui/xcursor/AniFrameChooser.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "ui/files/NativePath.h"
#include "ui/xcursor/CursorPicture.h"

namespace gs::ui {
namespace {

// Twice the real size: big enough to tell frames apart, pixels kept sharp.
constexpr int kThumbnailSide = 2 * kImageSize;

}  // namespace

AniFrameChooser::AniFrameChooser(const AnimationForOpen& animation, const QString& fileName, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("frmAniFrames"));
  setWindowTitle(QStringLiteral(" Open a Frame"));

  auto* label = new QLabel(
      QStringLiteral("%1 holds %2 frames. Choose the one to open:").arg(fileName).arg(animation.frames.size()), this);
  label->setObjectName(QStringLiteral("lblFrames"));
  label->setWordWrap(true);

  frames_ = new QListWidget(this);
  frames_->setObjectName(QStringLiteral("lstFrames"));
  frames_->setViewMode(QListView::IconMode);
  frames_->setIconSize(QSize(kThumbnailSide, kThumbnailSide));
  frames_->setGridSize(QSize(kThumbnailSide + 40, kThumbnailSide + 44));
  frames_->setResizeMode(QListView::Adjust);
  frames_->setMovement(QListView::Static);
  frames_->setWordWrap(true);
  frames_->setMinimumSize(4 * (kThumbnailSide + 40) + 24, kThumbnailSide + 64);
  for (std::size_t k = 0; k < animation.frames.size(); ++k) {
    const auto& frame = animation.frames[k];
    auto* item = new QListWidgetItem(QStringLiteral("Frame %1").arg(k + 1), frames_);
    if (frame) {
      const QImage picture = ToArgbImage(CursorFrameFromIcon(*frame).image);
      item->setIcon(QPixmap::fromImage(picture.scaled(kThumbnailSide, kThumbnailSide)));
      item->setToolTip(QStringLiteral("Hotspot %1, %2").arg(frame->hotspot.x).arg(frame->hotspot.y));
    } else {
      item->setIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning));
      item->setText(QStringLiteral("Frame %1 (damaged)").arg(k + 1));
      item->setToolTip(FromNative(frame.Reason()));
      item->setFlags(item->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsSelectable));
    }
  }
  frames_->setCurrentRow(static_cast<int>(animation.firstReadable));

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Open"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  // A damaged frame is never current, so a double click opens a readable one.
  connect(frames_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    if (item->flags() & Qt::ItemIsEnabled) accept();
  });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(frames_);
  layout->addWidget(buttons);
}

int AniFrameChooser::Chosen() const { return frames_->currentRow(); }

}  // namespace gs::ui
