#include "ui/acquire/ImportDialog.h"

#include <QGridLayout>
#include <algorithm>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QVBoxLayout>

#include "acquire/CropRectangle.h"
#include "formats/PictureFile.h"
#include "ui/main/MainWindow.h"
#include "ui/files/NativePath.h"
#include "ui/main/SurfaceImage.h"
#include "ui/main/SurfaceView.h"
#include "ui/acquire/PictureReader.h"

namespace gs::ui {
namespace {

const QStringList kPictureFilters = {
    QStringLiteral("Image Formats (*.bmp *.dib *.gif *.jpg *.png *.wmf *.emf)"),
    QStringLiteral("Bitmap (*.bmp *.dib)"),
    QStringLiteral("GIF (*.gif)"),
    QStringLiteral("JPEG (*.jpg)"),
    QStringLiteral("PNG (*.png)"),
    QStringLiteral("WMF (*.wmf *.emf)"),
    QStringLiteral("All (*)"),
};

constexpr std::array<CropField, 4> kFields = {CropField::X1, CropField::Y1, CropField::X2, CropField::Y2};

}  // namespace

// `picFull`: the picture at actual size with the crop rectangle's outline,
// inverted so that it shows on any picture; dotted while it is dragged.
class ImportDialog::PictureBox : public QWidget {
 public:
  PictureBox(ImportDialog& dialog, QWidget* parent) : QWidget(parent), dialog_(dialog) {
    setAttribute(Qt::WA_OpaquePaintEvent);
  }
  void SetPicture(QImage image) {
    image_ = std::move(image);
    resize(image_.size());
    update();
  }
  const QImage& Picture() const { return image_; }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter p(this);
    const QRect exposed = event->rect();
    p.fillRect(exposed, palette().base());
    if (image_.isNull()) return;
    p.drawImage(exposed.topLeft(), image_, exposed);
    const Rect r = dialog_.import_.Outline();
    if (r.IsEmpty()) return;
    const bool dotted = dialog_.import_.Crop().Dragging();
    // The four sides as strips of one pixel, each pixel the picture's inverted.
    const QRect sides[] = {{r.left, r.top, r.Width(), 1},
                           {r.left, r.bottom - 1, r.Width(), 1},
                           {r.left, r.top + 1, 1, std::max(0, r.Height() - 2)},
                           {r.right - 1, r.top + 1, 1, std::max(0, r.Height() - 2)}};
    for (const QRect& side : sides) {
      const QRect part = side.intersected(exposed);
      if (part.isEmpty()) continue;
      QImage strip = image_.copy(part).convertToFormat(QImage::Format_ARGB32);
      for (int y = 0; y < strip.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(strip.scanLine(y));
        for (int x = 0; x < strip.width(); ++x) {
          // Dots on every other pixel of the picture, so they line up along each side.
          const bool gap = dotted && ((part.x() + x + part.y() + y) & 1);
          row[x] = gap ? 0u : (row[x] ^ 0x00FFFFFFu) | 0xFF000000u;
        }
      }
      p.drawImage(part.topLeft(), strip);
    }
  }
  void mousePressEvent(QMouseEvent* e) override { dialog_.MousePressed(e->position()); }
  void mouseMoveEvent(QMouseEvent* e) override {
    dialog_.MouseMoved(e->position(), (e->buttons() & Qt::LeftButton) != 0);
  }
  void mouseReleaseEvent(QMouseEvent* e) override { dialog_.MouseReleased(e->position()); }

 private:
  ImportDialog& dialog_;
  QImage image_;
};

// `Picture1`: the picture moved by two scroll bars along its right and bottom
// inner edges, which are usable only while the picture is larger than what
// they leave visible.
class ImportDialog::Viewport : public QFrame {
 public:
  explicit Viewport(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    inner_ = new QWidget(this);
    horizontal_ = new QScrollBar(Qt::Horizontal, this);
    horizontal_->setObjectName(QStringLiteral("scrHorizontal"));
    vertical_ = new QScrollBar(Qt::Vertical, this);
    vertical_->setObjectName(QStringLiteral("scrVertical"));
    connect(horizontal_, &QScrollBar::valueChanged, this, [this](int v) { picture_->move(-v, picture_->y()); });
    connect(vertical_, &QScrollBar::valueChanged, this, [this](int v) { picture_->move(picture_->x(), -v); });
  }
  // The area the picture shows in; it is `picFull`'s parent.
  QWidget* Inner() const { return inner_; }
  void SetPictureBox(QWidget* picture) { picture_ = picture; }
  // After a new picture: back to its top left.
  void Restart() {
    const QSignalBlocker h(horizontal_), v(vertical_);
    horizontal_->setValue(0);
    vertical_->setValue(0);
    picture_->move(0, 0);
    Layout();
  }

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QFrame::resizeEvent(event);
    Layout();
  }

 private:
  void Layout() {
    if (!picture_) return;
    const QRect area = contentsRect();
    const int barW = vertical_->sizeHint().width(), barH = horizontal_->sizeHint().height();
    const int visibleW = std::max(0, area.width() - barW), visibleH = std::max(0, area.height() - barH);
    vertical_->setGeometry(area.x() + visibleW, area.y(), barW, visibleH);
    horizontal_->setGeometry(area.x(), area.y() + visibleH, visibleW, barH);
    inner_->setGeometry(area.x(), area.y(), visibleW, visibleH);
    Fit(horizontal_, picture_->width() - visibleW, visibleW);
    Fit(vertical_, picture_->height() - visibleH, visibleH);
    picture_->move(-horizontal_->value(), -vertical_->value());
  }
  static void Fit(QScrollBar* bar, int maximum, int page) {
    bar->setRange(0, std::max(0, maximum));
    bar->setPageStep(std::max(1, page));
    bar->setSingleStep(16);
    bar->setEnabled(maximum >= 1);
  }

  QWidget* inner_ = nullptr;
  QWidget* picture_ = nullptr;
  QScrollBar* horizontal_ = nullptr;
  QScrollBar* vertical_ = nullptr;
};

ImportDialog::ImportDialog(MainWindow& window) : QDialog(&window), window_(window) {
  setObjectName(QStringLiteral("frmImport"));
  setWindowTitle(QStringLiteral("  Acquire Icon from Image"));
  setSizeGripEnabled(true);

  auto* sourceLabel = new QLabel(QStringLiteral("Source Image"), this);
  viewport_ = new Viewport(this);
  viewport_->setObjectName(QStringLiteral("Picture1"));
  viewport_->setMinimumSize(160, 120);
  picture_ = new PictureBox(*this, viewport_->Inner());
  picture_->setObjectName(QStringLiteral("picFull"));
  viewport_->SetPictureBox(picture_);

  auto* resultLabel = new QLabel(QStringLiteral("Result:"), this);
  result_ = new SurfaceView(this);
  result_->setObjectName(QStringLiteral("picResult"));
  result_->setFixedSize(window_.Preview()->size());
  auto* resultFrame = new QFrame(this);
  resultFrame->setFrameShape(QFrame::Box);
  (new QHBoxLayout(resultFrame))->addWidget(result_);
  resultFrame->layout()->setContentsMargins(1, 1, 1, 1);

  auto* fieldGrid = new QGridLayout;
  static const char* const kNames[] = {"txtLeft", "txtTop", "txtWidth", "txtHeight"};
  static const char* const kCaptions[] = {"X1:", "Y1:", "X2:", "Y2:"};
  auto* digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
  for (int i = 0; i < 4; ++i) {
    auto* field = new QLineEdit(QString::number(kInitialCropCorners[static_cast<std::size_t>(i)]), this);
    field->setObjectName(QString::fromLatin1(kNames[i]));
    field->setValidator(digits);
    field->setMaxLength(5);
    field->setFixedWidth(56);
    fields_[static_cast<std::size_t>(i)] = field;
    fieldGrid->addWidget(new QLabel(QString::fromLatin1(kCaptions[i]), this), i, 0);
    fieldGrid->addWidget(field, i, 1);
    const CropField f = kFields[static_cast<std::size_t>(i)];
    connect(field, &QLineEdit::textChanged, this, [this, f](const QString& text) { FieldEdited(f, text); });
  }

  auto* open = new QPushButton(QStringLiteral("Open Image"), this);
  open->setObjectName(QStringLiteral("cmdSelect"));
  auto* acquire = new QPushButton(QStringLiteral("Acquire"), this);
  acquire->setObjectName(QStringLiteral("cmdImport"));
  for (QPushButton* b : {open, acquire}) b->setAutoDefault(false);

  auto* left = new QVBoxLayout;
  left->addWidget(sourceLabel);
  left->addWidget(viewport_, 1);
  auto* side = new QVBoxLayout;
  side->addWidget(resultLabel);
  side->addWidget(resultFrame, 0, Qt::AlignLeft);
  side->addSpacing(8);
  side->addLayout(fieldGrid);
  side->addStretch();
  side->addWidget(open);
  side->addWidget(acquire);
  auto* all = new QHBoxLayout(this);
  all->addLayout(left, 1);
  all->addLayout(side);

  connect(open, &QPushButton::clicked, this, &ImportDialog::SelectPicture);
  connect(acquire, &QPushButton::clicked, this, &ImportDialog::AcquireImage);

  // The fields' initial texts are the rectangle.
  import_.SetCorners(kInitialCropCorners[0], kInitialCropCorners[1], kInitialCropCorners[2], kInitialCropCorners[3]);
  ShowResult();
  resize(560, 420);
}

void ImportDialog::SelectPicture() {
  const QString path = window_.Prompt().GetOpenFileName(this, QStringLiteral("Import Picture"), kPictureFilters);
  if (!path.isEmpty()) OpenPicture(path);
}

bool ImportDialog::OpenPicture(const QString& path) {
  Surface picture;
  {
    const auto read = ReadPicture(path);
    if (!read) {
      window_.Prompt().ShowMessage(this, Prompter::Icon::Exclamation,
                                   FromNative(FileMessage(ToNative(path), read.Reason())));
      return false;
    }
    // Transparent parts of the picture become the transparent colour.
    picture = PictureSurface(*read, window_.Doc().TransparentColor);
  }
  picturePath_ = path;
  import_.SetPicture(std::move(picture));
  picture_->SetPicture(ToQImage(import_.Picture()));
  viewport_->Restart();
  ShowResult();
  return true;
}

void ImportDialog::FieldEdited(CropField f, const QString& text) {
  if (import_.SetFieldText(f, ToNative(text))) {
    picture_->update();
    ShowResult();
  }
}

void ImportDialog::MousePressed(QPointF p) {
  import_.Press(p.x(), p.y());
  picture_->update();
}

void ImportDialog::MouseMoved(QPointF p, bool leftHeld) {
  if (import_.Move(p.x(), p.y(), leftHeld)) picture_->update();
}

void ImportDialog::MouseReleased(QPointF p) {
  if (import_.Release(p.x(), p.y())) picture_->update();
  WriteFields();
  ShowResult();
}

void ImportDialog::WriteFields() {
  for (std::size_t i = 0; i < fields_.size(); ++i) fields_[i]->setText(FromNative(import_.Crop().FieldText(kFields[i])));
}

void ImportDialog::ShowResult() {
  const auto& preview = import_.Preview();
  if (preview) result_->setSurface(*preview);
  else result_->setSurface(Surface(result_->width(), result_->height(), FromQColor(palette().color(QPalette::Base))));
}

void ImportDialog::AcquireImage() {
  switch (import_.AcquireInto(window_.Doc())) {
    case AcquireOutcome::Acquired:
      window_.RePaint();
      accept();
      return;
    case AcquireOutcome::NoPicture:
      // Nothing to take: the picture in the editor stays as it was.
      reject();
      return;
    case AcquireOutcome::EmptyRectangle:
      window_.Prompt().ShowMessage(
          this, Prompter::Icon::Exclamation,
          FromNative(FileMessage(ToNative(picturePath_), AcquireProblem(AcquireOutcome::EmptyRectangle, import_))));
      return;
  }
}

}  // namespace gs::ui
