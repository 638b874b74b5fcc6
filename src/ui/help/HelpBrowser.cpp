#include "ui/help/HelpBrowser.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

// The pages are a resource of the static ui library: make sure it is linked in
// and registered, whoever opens the help first.
static void InitHelpPages() { Q_INIT_RESOURCE(glyphsmith); }

namespace gs::ui {
namespace {

constexpr int kPageRole = Qt::UserRole;

QString PageUrl(const QString& file) { return QStringLiteral("qrc%1/%2").arg(HelpBrowser::PagesFolder(), file); }

}  // namespace

HelpBrowser::HelpBrowser(QWidget* parent)
    : QWidget(parent, Qt::Window),
      index_((InitHelpPages(), HelpIndex::Load(PagesFolder()))),
      tabs_(new QTabWidget(this)),
      contents_(new QTreeWidget(this)),
      keyword_(new QLineEdit(this)),
      keywords_(new QListWidget(this)),
      search_(new QLineEdit(this)),
      results_(new QListWidget(this)),
      resultsLabel_(new QLabel(this)),
      browser_(new QTextBrowser(this)) {
  setObjectName(QStringLiteral("frmHelp"));
  setWindowTitle(QStringLiteral("GlyphSmith 5.0 Help"));
  for (const QString& problem : index_.Problems()) qWarning("help: %s", qPrintable(problem));

  tabs_->setObjectName(QStringLiteral("tabHelp"));
  contents_->setObjectName(QStringLiteral("treeContents"));
  contents_->setHeaderHidden(true);
  tabs_->addTab(contents_, QStringLiteral("Contents"));

  auto* indexTab = new QWidget(this);
  keyword_->setObjectName(QStringLiteral("txtKeyword"));
  keyword_->setPlaceholderText(QStringLiteral("Type a keyword"));
  keywords_->setObjectName(QStringLiteral("lstIndex"));
  auto* indexLayout = new QVBoxLayout(indexTab);
  indexLayout->addWidget(keyword_);
  indexLayout->addWidget(keywords_);
  tabs_->addTab(indexTab, QStringLiteral("Index"));

  auto* searchTab = new QWidget(this);
  search_->setObjectName(QStringLiteral("txtSearch"));
  search_->setPlaceholderText(QStringLiteral("Words to find"));
  auto* searchButton = new QPushButton(QStringLiteral("Search"), searchTab);
  searchButton->setObjectName(QStringLiteral("cmdSearch"));
  resultsLabel_->setObjectName(QStringLiteral("lblResults"));
  resultsLabel_->setWordWrap(true);
  results_->setObjectName(QStringLiteral("lstResults"));
  auto* searchRow = new QHBoxLayout;
  searchRow->addWidget(search_);
  searchRow->addWidget(searchButton);
  auto* searchLayout = new QVBoxLayout(searchTab);
  searchLayout->addLayout(searchRow);
  searchLayout->addWidget(resultsLabel_);
  searchLayout->addWidget(results_);
  tabs_->addTab(searchTab, QStringLiteral("Search"));

  browser_->setObjectName(QStringLiteral("txtHelp"));
  browser_->setOpenExternalLinks(false);
  // Pictures of windows are wider than the text column would like; let the
  // page scroll sideways rather than squeeze them.
  browser_->document()->setDefaultStyleSheet(QStringLiteral(
      "span.menu { font-weight: bold; } span.control { font-weight: bold; } img { margin: 6px; }"));

  auto* splitter = new QSplitter(this);
  splitter->addWidget(tabs_);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({220, 600});

  auto* back = new QPushButton(QStringLiteral("Back"), this);
  back->setObjectName(QStringLiteral("cmdBack"));
  back->setEnabled(false);
  auto* forward = new QPushButton(QStringLiteral("Forward"), this);
  forward->setObjectName(QStringLiteral("cmdForward"));
  forward->setEnabled(false);
  auto* close = new QPushButton(QStringLiteral("Close"), this);
  close->setObjectName(QStringLiteral("cmdClose"));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(back);
  buttons->addWidget(forward);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(splitter, 1);
  layout->addLayout(buttons);

  connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  connect(browser_, &QTextBrowser::sourceChanged, this, &HelpBrowser::FollowSource);
  connect(contents_, &QTreeWidget::itemClicked, this,
          [this](QTreeWidgetItem* item) { ShowPage(item->data(0, kPageRole).toString()); });
  connect(contents_, &QTreeWidget::itemActivated, this,
          [this](QTreeWidgetItem* item) { ShowPage(item->data(0, kPageRole).toString()); });
  connect(keyword_, &QLineEdit::textEdited, this, &HelpBrowser::FindKeyword);
  connect(keyword_, &QLineEdit::returnPressed, this, [this] { OpenIndexItem(keywords_->currentItem()); });
  connect(keywords_, &QListWidget::itemActivated, this, &HelpBrowser::OpenIndexItem);
  connect(keywords_, &QListWidget::itemClicked, this, &HelpBrowser::OpenIndexItem);
  connect(search_, &QLineEdit::returnPressed, this, [this] { RunSearch(search_->text()); });
  connect(searchButton, &QPushButton::clicked, this, [this] { RunSearch(search_->text()); });
  connect(results_, &QListWidget::itemActivated, this, &HelpBrowser::OpenSearchItem);
  connect(results_, &QListWidget::itemClicked, this, &HelpBrowser::OpenSearchItem);

  BuildContents();
  BuildIndex();
  ShowPage(QStringLiteral("index.html"));
  // Wide enough for the main window's picture beside the contents.
  resize(1000, 680);
}

void HelpBrowser::BuildContents() {
  QTreeWidgetItem* parent = nullptr;
  for (const HelpPage& page : index_.Pages()) {
    QTreeWidgetItem* item = page.depth > 0 && parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(contents_);
    if (page.depth == 0) parent = item;
    item->setText(0, page.title);
    item->setData(0, kPageRole, page.file);
  }
  contents_->expandAll();
}

void HelpBrowser::BuildIndex() {
  for (const HelpKeyword& k : index_.Keywords()) {
    for (int page : k.pages) {
      // A keyword on several pages is listed once for each, with the page named.
      const QString text = k.pages.size() > 1 ? QStringLiteral("%1 (%2)").arg(k.word, index_.Pages()[page].title) : k.word;
      auto* item = new QListWidgetItem(text, keywords_);
      item->setData(kPageRole, index_.Pages()[page].file);
    }
  }
}

void HelpBrowser::ShowPage(const QString& file) {
  if (file.isEmpty()) return;
  browser_->setSource(QUrl(PageUrl(file)));
}

QString HelpBrowser::CurrentPage() const { return browser_->source().path().section(QLatin1Char('/'), -1); }

void HelpBrowser::FollowSource(const QUrl& url) {
  // The contents list shows where the reader is, however the page was reached.
  // The browser tells the new page before source() has it.
  const QString file = url.path().section(QLatin1Char('/'), -1);
  for (QTreeWidgetItemIterator it(contents_); *it; ++it) {
    if ((*it)->data(0, kPageRole).toString() == file) {
      const QSignalBlocker block(contents_);
      contents_->setCurrentItem(*it);
      return;
    }
  }
}

void HelpBrowser::FindKeyword(const QString& text) {
  const QString wanted = text.trimmed();
  if (wanted.isEmpty()) return;
  for (int i = 0; i < keywords_->count(); ++i) {
    if (keywords_->item(i)->text().startsWith(wanted, Qt::CaseInsensitive)) {
      keywords_->setCurrentRow(i);
      keywords_->scrollToItem(keywords_->item(i), QAbstractItemView::PositionAtTop);
      return;
    }
  }
}

void HelpBrowser::OpenIndexItem(QListWidgetItem* item) {
  if (item) ShowPage(item->data(kPageRole).toString());
}

int HelpBrowser::RunSearch(const QString& query) {
  results_->clear();
  lastQuery_ = query.trimmed();
  const QList<int> found = index_.Search(lastQuery_);
  for (int page : found) {
    auto* item = new QListWidgetItem(index_.Pages()[page].title, results_);
    item->setData(kPageRole, index_.Pages()[page].file);
  }
  if (lastQuery_.isEmpty()) {
    resultsLabel_->clear();
  } else if (found.isEmpty()) {
    resultsLabel_->setText(QStringLiteral("No page holds all of \"%1\".").arg(lastQuery_));
  } else {
    resultsLabel_->setText(found.size() == 1 ? QStringLiteral("1 page found.")
                                             : QStringLiteral("%1 pages found.").arg(found.size()));
  }
  if (search_->text() != query) search_->setText(query);
  tabs_->setCurrentIndex(2);
  return static_cast<int>(found.size());
}

void HelpBrowser::OpenSearchItem(QListWidgetItem* item) {
  if (!item) return;
  ShowPage(item->data(kPageRole).toString());
  // Mark the first place the first word appears, as a reader would look for it.
  const QStringList words = HelpIndex::Words(lastQuery_);
  if (!words.isEmpty()) browser_->find(words.first());
}

}  // namespace gs::ui
