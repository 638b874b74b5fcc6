#pragma once
// `frmPrint`: shows where the picture lands on the page, lets the user choose
// the magnification and the orientation, and prints one page. Pages go to the
// default printer; with no printer set up the page can be saved as a PDF file.

#include <QDialog>
#include <QPrinterInfo>

#include "print/PrintLayout.h"

class QComboBox;
class QRadioButton;

namespace gs {
class Document;
}

namespace gs::ui {

class Prompter;
class SurfaceView;

class PrintDialog : public QDialog {
  Q_OBJECT
 public:
  // `printer` is the printer pages go to; a null one means none is set up.
  PrintDialog(Prompter& prompter, const Document& doc, const QPrinterInfo& printer, QWidget* parent);

  // Pages go to `printer` from now on (null: no printer); the preview follows.
  void SetPrinter(const QPrinterInfo& printer);
  PageOrientation Orientation() const { return orientation_; }
  // The page of the printer in use at the chosen orientation, in printer pixels.
  QSize PageSize() const { return page_; }

  // Redraws the preview from the image, the magnification and the page.
  void RedrawPrev();

 private:
  void SetOrientation(PageOrientation orientation);
  void Print();
  bool SaveAsPdf();

  Prompter& prompter_;
  const Document& doc_;
  QPrinterInfo printer_;
  PageOrientation orientation_ = PageOrientation::Portrait;
  QSize page_;
  QComboBox* stretch_ = nullptr;
  QRadioButton* styles_[2] = {};
  QWidget* box_ = nullptr;
  SurfaceView* paper_ = nullptr;
};

}  // namespace gs::ui
