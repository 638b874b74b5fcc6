#include "ui/files/AniDialog.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "formats/FieldValues.h"
#include "formats/FormatFiles.h"
#include "ui/files/FolderBrowser.h"
#include "ui/files/NativePath.h"
#include "ui/main/Prompter.h"
#include "ui/main/SurfaceImage.h"

namespace gs::ui {
namespace {

// The icon with its masked pixels see-through.
QImage IconPicture(const IconImage& icon) {
  const Surface& s = icon.image;
  QImage picture(s.Width(), s.Height(), QImage::Format_ARGB32);
  for (int y = 0; y < s.Height(); ++y) {
    const int maskRow = (s.Height() - 1 - y) * 4;  // the mask runs bottom row first
    for (int x = 0; x < s.Width(); ++x) {
      const bool masked = (icon.mask[maskRow + x / 8] >> (7 - x % 8)) & 1;
      picture.setPixel(x, y, masked ? 0u : ToQRgb(s.Row(y)[x]));
    }
  }
  return picture;
}

QString WrittenText(const QString& path, std::size_t frameCount) {
  return frameCount == 1 ? QStringLiteral("%1 written with 1 frame.").arg(path)
                         : QStringLiteral("%1 written with %2 frames.").arg(path).arg(frameCount);
}

}  // namespace

AniDialog::AniDialog(Prompter& prompter, Colour transparent, const QString& startFolder, QWidget* parent)
    : QDialog(parent), prompter_(prompter), transparent_(transparent) {
  setObjectName(QStringLiteral("frmAni"));
  setWindowTitle(QStringLiteral("  Animated Cursor Settings"));

  browser_ = new FolderBrowser(this, {QStringLiteral("*.cur")}, QDir::Files | QDir::Hidden);
  dirView_ = browser_->Tree();
  dirView_->setMinimumSize(220, 170);
  fileList_ = browser_->List();
  fileList_->setMinimumHeight(120);

  preview_ = new QLabel(this);
  preview_->setObjectName(QStringLiteral("picPrev"));
  preview_->setFixedSize(32, 32);
  auto* previewFrame = new QFrame(this);
  previewFrame->setFrameShape(QFrame::Box);
  (new QHBoxLayout(previewFrame))->addWidget(preview_);
  previewFrame->layout()->setContentsMargins(1, 1, 1, 1);

  frames_ = new QListWidget(this);
  frames_->setObjectName(QStringLiteral("lstFiles"));
  frames_->setMinimumWidth(260);

  auto* add = new QPushButton(QStringLiteral("Add"), this);
  add->setObjectName(QStringLiteral("cmdAdd"));
  auto* remove = new QPushButton(QStringLiteral("Delete"), this);
  remove->setObjectName(QStringLiteral("cmdDelete"));

  auto* intervalLabel = new QLabel(QStringLiteral("Set Ani Cursor Frame Interval"), this);
  intervalLabel->setObjectName(QStringLiteral("Label1"));
  interval_ = new QLineEdit(QStringLiteral("15"), this);
  interval_->setObjectName(QStringLiteral("txtInterval"));
  interval_->setMaximumWidth(60);
  auto* unitLabel = new QLabel(QStringLiteral("millisecs"), this);
  unitLabel->setObjectName(QStringLiteral("Label2"));

  // Says what the last OK wrote: the dialog stays open, so nothing else would.
  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("lblStatus"));
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* create = new QPushButton(QStringLiteral("OK"), this);
  create->setObjectName(QStringLiteral("cmdCreate"));
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("cmdCancel"));
  for (QPushButton* b : {add, remove, create, cancel}) b->setAutoDefault(false);

  auto* browse = new QVBoxLayout;
  browse->addWidget(dirView_, 3);
  browse->addWidget(fileList_, 2);
  auto* middle = new QVBoxLayout;
  middle->addWidget(previewFrame, 0, Qt::AlignHCenter);
  middle->addStretch();
  middle->addWidget(add);
  middle->addWidget(remove);
  middle->addStretch();
  auto* intervalRow = new QHBoxLayout;
  intervalRow->addWidget(intervalLabel);
  intervalRow->addWidget(interval_);
  intervalRow->addWidget(unitLabel);
  intervalRow->addStretch();
  intervalRow->addWidget(create);
  intervalRow->addWidget(cancel);

  auto* grid = new QGridLayout(this);
  grid->addLayout(browse, 0, 0);
  grid->addLayout(middle, 0, 1);
  grid->addWidget(frames_, 0, 2);
  grid->addLayout(intervalRow, 1, 0, 1, 3);
  grid->addWidget(status_, 2, 0, 1, 3);

  // The selection, not the current item: a mouse press makes the item current
  // before it selects it, and the preview reads the selected file.
  connect(fileList_, &QListWidget::itemSelectionChanged, this, &AniDialog::PreviewFile);
  connect(fileList_, &QListWidget::itemDoubleClicked, this, &AniDialog::AddFrame);
  connect(add, &QPushButton::clicked, this, &AniDialog::AddFrame);
  connect(remove, &QPushButton::clicked, this, &AniDialog::DeleteFrame);
  connect(create, &QPushButton::clicked, this, &AniDialog::Create);
  connect(cancel, &QPushButton::clicked, this, &AniDialog::reject);

  browser_->Start(startFolder);
}

void AniDialog::SetFolder(const QString& folder) { browser_->SetFolder(folder); }

QString AniDialog::Folder() const { return browser_->Folder(); }

QString AniDialog::SelectedFile() const {
  const QListWidgetItem* item = fileList_->currentItem();
  if (!item || !item->isSelected()) return {};
  return QDir(browser_->Folder()).filePath(item->text());
}

void AniDialog::PreviewFile() {
  const QString path = SelectedFile();
  if (path.isEmpty()) return;
  // A file that cannot be read leaves the preview as it was.
  const auto icon = ReadIconFile(ToNative(path), transparent_);
  if (icon) preview_->setPixmap(QPixmap::fromImage(IconPicture(*icon)));
}

void AniDialog::AddFrame() {
  const QString path = SelectedFile();
  if (path.isEmpty()) {
    prompter_.ShowMessage(this, Prompter::Icon::Exclamation, QStringLiteral("You must select a file to add !"));
    return;
  }
  frames_->addItem(path);
}

void AniDialog::DeleteFrame() {
  QListWidgetItem* item = frames_->currentItem();
  if (item && item->isSelected()) delete frames_->takeItem(frames_->row(item));
}

QStringList AniDialog::Frames() const {
  QStringList out;
  for (int i = 0; i < frames_->count(); ++i) out << frames_->item(i)->text();
  return out;
}

void AniDialog::Create() {
  status_->clear();
  const auto interval = ParseFrameInterval(interval_->text().toStdString());
  if (!interval) {
    prompter_.ShowMessage(this, Prompter::Icon::Critical, QString::fromStdString(interval.Reason()));
    return;
  }
  if (frames_->count() == 0) {
    prompter_.ShowMessage(this, Prompter::Icon::Exclamation, QStringLiteral("Please, select some files !"));
    return;
  }
  const QString target = prompter_.GetSaveFileName(this, QStringLiteral("Save Animated Cursor"),
                                                   {QStringLiteral("Animated cursors (*.ani)")}, QStringLiteral("ani"));
  if (target.isEmpty()) return;

  std::vector<std::string> paths;
  for (const QString& frame : Frames()) paths.push_back(ToNative(frame));
  // Every frame is read before the target is touched, so a frame that has gone
  // leaves any existing file of that name as it was.
  const auto frames = ReadAnimationFrames(paths);
  if (!frames) {
    prompter_.ShowMessage(this, Prompter::Icon::Critical, FromNative(frames.Reason()));
    return;
  }
  const auto written = WriteAnimatedCursorFile(ToNative(target), *frames, *interval);
  if (!written) {
    prompter_.ShowMessage(this, Prompter::Icon::Critical,
                          FromNative(FileMessage(ToNative(target), written.Reason())));
    return;
  }
  status_->setText(WrittenText(target, frames->order.size()));
}

}  // namespace gs::ui
