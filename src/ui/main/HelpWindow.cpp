#include "ui/main/HelpWindow.h"

#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace gs::ui {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
  setObjectName(QStringLiteral("frmHelp"));
  setWindowTitle(QStringLiteral("GlyphSmith 5.0 Help"));
  browser_->setObjectName(QStringLiteral("txtHelp"));
  browser_->setOpenExternalLinks(false);
  browser_->setSource(QUrl(QStringLiteral("qrc:/help/index.html")));
  auto* close = new QPushButton(QStringLiteral("Close"), this);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(browser_);
  layout->addWidget(close, 0, Qt::AlignRight);
  resize(560, 520);
}

}  // namespace gs::ui
