#include "ui/print/PrintDialog.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "document/Document.h"
#include "ui/files/NativePath.h"
#include "ui/main/Prompter.h"
#include "ui/main/SurfaceView.h"
#include "ui/print/PageOutput.h"

namespace gs::ui {
namespace {

// The preview box `Picture1`: the sheet sits in it with a margin of 2 pixels
// along its long side.
constexpr int kBoxSide = 125;

}  // namespace

PrintDialog::PrintDialog(Prompter& prompter, const Document& doc, const QPrinterInfo& printer, QWidget* parent)
    : QDialog(parent), prompter_(prompter), doc_(doc), printer_(printer) {
  setObjectName(QStringLiteral("frmPrint"));
  setWindowTitle(QStringLiteral(" Print Preview"));
  setModal(true);

  auto* frame2 = new QFrame(this);
  frame2->setObjectName(QStringLiteral("Frame2"));
  frame2->setFrameShape(QFrame::StyledPanel);
  frame2->setGeometry(8, 8, kBoxSide + 16, kBoxSide + 16);
  box_ = new QWidget(frame2);
  box_->setObjectName(QStringLiteral("Picture1"));
  box_->setAutoFillBackground(true);
  QPalette grey = box_->palette();
  grey.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
  box_->setPalette(grey);
  box_->setGeometry(8, 8, kBoxSide, kBoxSide);
  paper_ = new SurfaceView(box_);
  paper_->setObjectName(QStringLiteral("picPaper"));

  const int right = frame2->geometry().right() + 12;
  stretch_ = new QComboBox(this);
  stretch_->setObjectName(QStringLiteral("cboStretch"));
  // Typed magnifications are allowed ("250%", "Stretch"); the list is only a start.
  stretch_->setEditable(true);
  stretch_->setInsertPolicy(QComboBox::NoInsert);
  for (std::string_view item : kMagnifications) stretch_->addItem(QString::fromLatin1(item.data(), item.size()));
  stretch_->setCurrentIndex(static_cast<int>(kMagnifications.size()) - 1);
  stretch_->setGeometry(right, 14, 121, 24);

  auto* frame1 = new QGroupBox(QStringLiteral("Orientation"), this);
  frame1->setObjectName(QStringLiteral("Frame1"));
  frame1->setGeometry(right, 46, 121, 70);
  const char* captions[2] = {"Portrait", "Landscape"};
  for (int k = 0; k < 2; ++k) {
    styles_[k] = new QRadioButton(QString::fromLatin1(captions[k]), frame1);
    styles_[k]->setObjectName(QStringLiteral("optStyle_%1").arg(k));
    styles_[k]->setGeometry(10, 20 + 22 * k, 105, 20);
    const auto orientation = k == 0 ? PageOrientation::Portrait : PageOrientation::Landscape;
    connect(styles_[k], &QRadioButton::clicked, this, [this, orientation] { SetOrientation(orientation); });
  }
  styles_[0]->setChecked(true);

  auto* print = new QPushButton(QStringLiteral(" Print"), this);
  print->setObjectName(QStringLiteral("cmdPrint"));
  print->setGeometry(right, 124, 121, 30);
  print->setDefault(true);
  connect(print, &QPushButton::clicked, this, &PrintDialog::Print);

  connect(stretch_, &QComboBox::currentTextChanged, this, &PrintDialog::RedrawPrev);
  setFixedSize(right + 121 + 10, frame2->geometry().bottom() + 9);
  SetOrientation(PageOrientation::Portrait);
}

void PrintDialog::SetPrinter(const QPrinterInfo& printer) {
  printer_ = printer;
  SetOrientation(orientation_);
}

void PrintDialog::SetOrientation(PageOrientation orientation) {
  orientation_ = orientation;
  styles_[orientation == PageOrientation::Landscape ? 1 : 0]->setChecked(true);
  const Rect r = PaperRect(orientation);
  paper_->setGeometry(r.left, r.top, r.Width(), r.Height());
  page_ = PageSizeFor(printer_, orientation);
  RedrawPrev();
}

void PrintDialog::RedrawPrev() {
  const std::string text = stretch_->currentText().toStdString();
  paper_->setSurface(
      RenderPreview(doc_.WorkingImage, text, page_.width(), page_.height(), paper_->width(), paper_->height()));
}

void PrintDialog::Print() {
  const std::string magnification = stretch_->currentText().toStdString();
  const std::string refusal = PrintRefusal(magnification);
  if (!refusal.empty()) {
    prompter_.ShowMessage(this, Prompter::Icon::Exclamation, QString::fromStdString(refusal));
    return;
  }
  if (printer_.isNull()) {
    if (SaveAsPdf()) accept();
    return;
  }
  const Surface picture = PagePicture(doc_.WorkingImage, doc_.TransparentColor);
  const auto printed = PrintPage(printer_, orientation_, picture, magnification, kAppTitle);
  if (!printed) {
    prompter_.ShowMessage(this, Prompter::Icon::Critical,
                          QStringLiteral("Cannot print: %1.").arg(QString::fromStdString(printed.Reason())));
    return;
  }
  accept();
}

bool PrintDialog::SaveAsPdf() {
  const auto answer = prompter_.AskYesNo(
      this, QStringLiteral("No printer is set up on this computer.\nSave the page as a PDF file instead?"));
  if (answer != Prompter::Answer::Yes) return false;
  const QString target = prompter_.GetSaveFileName(this, QStringLiteral("Save Page as PDF"),
                                                   {QStringLiteral("PDF Files (*.pdf)")}, QStringLiteral("pdf"));
  if (target.isEmpty()) return false;
  const QString title =
      doc_.CurrentFile.empty() ? QStringLiteral("Untitled") : QFileInfo(FromNative(doc_.CurrentFile)).fileName();
  const auto written = WritePdfPage(target, orientation_, PagePicture(doc_.WorkingImage, doc_.TransparentColor),
                                    stretch_->currentText().toStdString(), title);
  if (!written) {
    prompter_.ShowMessage(this, Prompter::Icon::Critical,
                          FromNative(FileMessage(ToNative(target), written.Reason())));
    return false;
  }
  return true;
}

}  // namespace gs::ui
