#include "ui/acquire/ExtractDialog.h"

#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QGuiApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "ui/files/FolderBrowser.h"
#include "ui/main/MainWindow.h"
#include "ui/files/NativePath.h"
#include "ui/main/SurfaceImage.h"

namespace gs::ui {
namespace {

// The busy pointer while a file is read: a large program takes a moment.
struct BusyPointer {
  BusyPointer() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;
};

unsigned CoreButtons(Qt::MouseButtons buttons) {
  unsigned out = kNoButton;
  if (buttons & Qt::LeftButton) out |= kLeftButton;
  if (buttons & Qt::RightButton) out |= kRightButton;
  if (buttons & Qt::MiddleButton) out |= kMiddleButton;
  return out;
}

// The desktop's icon for the file's type at the large-icon size, with alpha.
RgbaImage AssociatedIcon(const QString& path) {
  const QIcon icon = QFileIconProvider().icon(QFileInfo(path));
  if (icon.isNull()) return {};
  const QImage image = icon.pixmap(QSize(kGridCell, kGridCell), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
  RgbaImage out{image.width(), image.height(), {}};
  out.pixels.reserve(static_cast<std::size_t>(image.width()) * static_cast<std::size_t>(image.height()));
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) out.pixels.push_back(WithAlpha(FromQRgb(row[x]), qAlpha(row[x])));
  }
  return out;
}

}  // namespace

// The grid box `picIcons`: shows its share of the viewport's picture and
// reports the mouse in grid pixels.
class ExtractDialog::GridBox : public QWidget {
 public:
  GridBox(ExtractDialog& dialog, QWidget* parent) : QWidget(parent), dialog_(dialog) {
    setAttribute(Qt::WA_OpaquePaintEvent);
  }
  void SetView(QImage view, QStringList lines) {
    view_ = std::move(view);
    lines_ = std::move(lines);
    update();
  }
  const QImage& View() const { return view_; }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), palette().base());
    // The picture is the viewport's: its origin lies where the viewport's is.
    p.drawImage(-x(), -y(), view_);
    if (lines_.isEmpty()) return;
    p.setPen(palette().color(QPalette::Text));
    const int step = fontMetrics().lineSpacing();
    for (int i = 0; i < lines_.size(); ++i) p.drawText(0, fontMetrics().ascent() + i * step, lines_[i]);
  }
  void mouseMoveEvent(QMouseEvent* e) override { dialog_.GridMouse(CoreButtons(e->buttons()), e->position().toPoint()); }
  void mouseReleaseEvent(QMouseEvent* e) override {
    dialog_.GridMouse(CoreButtons(e->button()), e->position().toPoint());
  }

 private:
  ExtractDialog& dialog_;
  QImage view_;
  QStringList lines_;
};

ExtractDialog::ExtractDialog(MainWindow& window, const QString& startFolder)
    : QDialog(&window), window_(window), extractor_(window.Doc().TransparentColor) {
  setObjectName(QStringLiteral("frmExtract"));
  setWindowTitle(QStringLiteral("  Icon Extractor"));

  // Every file: icons live in programs and libraries of any name.
  browser_ = new FolderBrowser(this, {}, QDir::Files | QDir::Hidden | QDir::System);
  dirView_ = browser_->Tree();
  dirView_->setMinimumSize(240, 170);
  fileList_ = browser_->List();
  fileList_->setMinimumHeight(140);

  auto* frame = new QFrame(this);
  frame->setObjectName(QStringLiteral("Frame1"));
  frame->setFrameShape(QFrame::StyledPanel);
  viewport_ = new QFrame(frame);
  viewport_->setObjectName(QStringLiteral("picPreview"));
  viewport_->setFixedSize(kGridViewportSide, kGridViewportSide);
  viewport_->setAutoFillBackground(true);
  viewport_->setBackgroundRole(QPalette::Base);
  gridBox_ = new GridBox(*this, viewport_);
  gridBox_->setObjectName(QStringLiteral("picIcons"));
  scroll_ = new QScrollBar(Qt::Vertical, frame);
  scroll_->setObjectName(QStringLiteral("scrPreview"));
  scroll_->setFixedHeight(kGridViewportSide);
  scroll_->setPageStep(1);
  auto* frameLayout = new QHBoxLayout(frame);
  frameLayout->setSpacing(0);
  frameLayout->addWidget(viewport_);
  frameLayout->addWidget(scroll_);

  auto* extract = new QPushButton(QStringLiteral("Extract"), this);
  extract->setObjectName(QStringLiteral("cmdExtract"));
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("cmdCancel"));
  for (QPushButton* b : {extract, cancel}) b->setAutoDefault(false);

  auto* browse = new QVBoxLayout;
  browse->addWidget(dirView_, 3);
  browse->addWidget(fileList_, 2);
  auto* side = new QVBoxLayout;
  side->addWidget(frame, 0, Qt::AlignHCenter);
  side->addStretch();
  side->addWidget(extract);
  side->addWidget(cancel);
  auto* all = new QHBoxLayout(this);
  all->addLayout(browse, 1);
  all->addLayout(side);

  // The selection, not the current item: a mouse press makes the item current
  // before it selects it.
  connect(fileList_, &QListWidget::itemSelectionChanged, this, &ExtractDialog::FileClicked);
  connect(scroll_, &QScrollBar::valueChanged, this, &ExtractDialog::Scrolled);
  connect(extract, &QPushButton::clicked, this, &ExtractDialog::Extract);
  connect(cancel, &QPushButton::clicked, this, &ExtractDialog::reject);

  ShowGrid();
  browser_->Start(startFolder);
}

void ExtractDialog::SetFolder(const QString& folder) { browser_->SetFolder(folder); }

QString ExtractDialog::Folder() const { return browser_->Folder(); }

void ExtractDialog::FileClicked() {
  const QListWidgetItem* item = fileList_->currentItem();
  if (!item || !item->isSelected()) return;
  const QString path = QDir(browser_->Folder()).filePath(item->text());
  {
    const BusyPointer busy;
    extractor_.ShowFile(ToNative(path));
  }
  if (extractor_.WantsAssociatedIcon()) extractor_.ShowAssociatedIcon(AssociatedIcon(path));
  ShowGrid();
}

void ExtractDialog::ShowGrid() {
  const IconGrid& grid = extractor_.Grid();
  {
    const QSignalBlocker quiet(scroll_);
    scroll_->setRange(0, grid.ScrollMaximum());
    scroll_->setValue(grid.ScrollValue());
    scroll_->setEnabled(grid.ScrollEnabled());
  }
  const Rect box = grid.Box();
  gridBox_->setGeometry(box.left, box.top, box.Width(), box.Height());
  QStringList lines;
  for (const std::string& line : extractor_.MessageLines()) lines << QString::fromStdString(line);
  gridBox_->SetView(ToQImage(extractor_.RenderViewport(FromQColor(viewport_->palette().color(QPalette::Base)))),
                    lines);
}

void ExtractDialog::Scrolled(int value) {
  extractor_.Scroll(value);
  ShowGrid();
}

void ExtractDialog::GridMouse(unsigned buttons, QPoint p) {
  if (extractor_.Mouse(buttons, p.x(), p.y())) ShowGrid();
}

void ExtractDialog::Extract() {
  Document& doc = window_.Doc();
  const auto taken = extractor_.Extract(doc);
  if (!taken) {
    // Nothing was taken: the picture stays, and the dialog stays for another choice.
    const QString why = extractor_.Path().empty() ? QStringLiteral("Choose the file whose icon to extract.")
                                                  : FromNative(taken.Reason());
    window_.Prompt().ShowMessage(this, Prompter::Icon::Exclamation, why);
    return;
  }
  window_.RePaint();
  accept();
}

}  // namespace gs::ui
