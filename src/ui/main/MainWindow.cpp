#include "ui/main/MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <utility>

#include "ui/main/ActionNames.h"
#include "ui/main/Areas.h"
#include "ui/main/ColourSwatch.h"
#include "ui/main/EditView.h"
#include "ui/main/SurfaceImage.h"
#include "ui/main/SurfaceView.h"
#include "ui/help/HelpBrowser.h"
#include "ui/print/PrintCommands.h"

// Resources live in the static ui library; make sure they are linked in.
static void InitGlyphSmithResources() { Q_INIT_RESOURCE(glyphsmith); }

namespace gs::ui {
namespace {

constexpr QColor kPanelColour{0xA5, 0xA5, 0xA5};

// The palette panel: grey, with a two-pixel black edge on its right.
class LeftPanel : public QWidget {
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), kPanelColour);
    p.fillRect(width() - 2, 0, 2, height(), Qt::black);
  }
};

// The bottom strip: its top edge carries on the palette panel's edge in white.
class BottomPanel : public QWidget {
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    p.fillRect(layout::kLeftWidth - 2, 0, width() - layout::kLeftWidth + 2, 2, Qt::white);
  }
};

// The window's own surface, under all panels. It draws two lines along its top
// and clears the status line when the mouse moves over it.
class Body : public QWidget {
 public:
  explicit Body(MainWindow* window) : QWidget(window), window_(window) { setMouseTracking(true); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    p.setPen(palette().color(QPalette::Light));
    p.drawLine(layout::kLeftWidth, 0, width(), 0);
    p.drawLine(layout::kLeftWidth, 1, width(), 1);
  }
  void mouseMoveEvent(QMouseEvent*) override {
    if (!window_->StatusText().isEmpty()) window_->SetStatusText(QString());
  }

 private:
  MainWindow* window_;
};

}  // namespace

MainWindow::MainWindow(Prompter* prompter, const QString& startupFile, QWidget* parent)
    : QMainWindow(parent), prompter_(prompter), startupFile_(startupFile) {
  InitGlyphSmithResources();
  if (!prompter_) {
    ownPrompter_ = std::make_unique<QtPrompter>();
    prompter_ = ownPrompter_.get();
  }
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(UntitledCaption());
  // The icon theme's picture under the desktop entry's name, so that task bars show
  // what the application menu shows; the built-in pictures when none is installed.
  QIcon builtInIcon;
  for (int size : {16, 32, 48, 64, 128, 256}) builtInIcon.addFile(QStringLiteral(":/icons/glyphsmith-%1.png").arg(size));
  setWindowIcon(QIcon::fromTheme(QGuiApplication::desktopFileName(), builtInIcon));

  BuildMenus();
  BuildBody();
  BuildToolbar();

  state_.Doc.UndoAvailabilityChanged = [this](bool available) { Action(action::kUndo)->setEnabled(available); };

  // The areas, in the order their start-up steps run.
  InstallToolCommands(*this);
  InstallFileCommands(*this);
  InstallFilterCommands(*this);
  InstallColourCommands(*this);
  InstallXCursorCommands(*this);
  InstallPrintCommands(*this);

  setMinimumSize(500, 400);
  resize(NormalSize());
  RePaint();
}

MainWindow::~MainWindow() = default;

QAction* MainWindow::AddAction(QMenu* menu, const QString& name, const QString& text, const QKeySequence& key) {
  auto* action = menu->addAction(text);
  action->setObjectName(name);
  if (!key.isEmpty()) action->setShortcut(key);
  action->setEnabled(false);  // each area enables what it implements
  actions_.insert(name, action);
  return action;
}

QAction* MainWindow::Action(const QString& objectName) const { return actions_.value(objectName, nullptr); }

void MainWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  file->setObjectName(action::kFileMenu);
  AddAction(file, action::kNew, "&New", QKeySequence(Qt::CTRL | Qt::Key_N));
  AddAction(file, action::kOpen, "&Open", QKeySequence(Qt::CTRL | Qt::Key_O));
  AddAction(file, action::kSave, "&Save", QKeySequence(Qt::CTRL | Qt::Key_S));
  AddAction(file, action::kSaveAs, "Save As", QKeySequence(Qt::CTRL | Qt::Key_A));
  file->addSeparator();
  AddAction(file, action::kIconExtract, "Icon Extract");
  AddAction(file, action::kAcquireImage, "Acquire Image");
  QMenu* exportMenu = file->addMenu(QStringLiteral("Save Image"));
  exportMenu->setObjectName(QStringLiteral("mnuFile_7"));
  AddAction(exportMenu, action::kExportCursor, "Cursor");
  AddAction(exportMenu, action::kExportBitmap, "Windows Bitmap");
  AddAction(exportMenu, action::kExportPcx, "ZSoft PCX");
  AddAction(exportMenu, action::kExportXCursor, "X Cursor...");
  AddAction(file, action::kCreateAnimatedCursor, "Create animated cursor");
  file->addSeparator();
  AddAction(file, action::kPrint, "&Print", QKeySequence(Qt::CTRL | Qt::Key_P));
  file->addSeparator();
  for (int k = 1; k <= 4; ++k) AddAction(file, action::RecentFile(k), QStringLiteral("%1. ").arg(k));
  file->addSeparator();
  QAction* exit = AddAction(file, action::kExit, "E&xit");
  exit->setEnabled(true);
  connect(exit, &QAction::triggered, this, &QWidget::close);

  QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
  edit->setObjectName(QStringLiteral("mnuEditPop"));
  QAction* undo = AddAction(edit, action::kUndo, "&Undo", QKeySequence(Qt::CTRL | Qt::Key_Z));
  connect(undo, &QAction::triggered, this, [this] {
    if (state_.Doc.RestoreBackup()) RePaint();
  });
  edit->addSeparator();
  AddAction(edit, action::kCut, "Cut", QKeySequence(Qt::CTRL | Qt::Key_X));
  AddAction(edit, action::kCopy, "Copy", QKeySequence(Qt::CTRL | Qt::Key_C));
  AddAction(edit, action::kPaste, "Paste", QKeySequence(Qt::CTRL | Qt::Key_V));
  edit->addSeparator();
  AddAction(edit, action::kTryAsPointer, "Try as Pointer");

  QMenu* filters = menuBar()->addMenu(QStringLiteral("Fi&lters"));
  filters->setObjectName(QStringLiteral("mnuEffectsPop"));
  AddAction(filters, action::kAdjustDimensions, "Adjust Dimensions");
  QMenu* flip = filters->addMenu(QStringLiteral("Flip"));
  flip->setObjectName(QStringLiteral("mnuEffects_1"));
  AddAction(flip, action::kFlipUpsideDown, "Horizontal");
  AddAction(flip, action::kFlipLeftRight, "Vertical");
  QMenu* rotate = filters->addMenu(QStringLiteral("Rotate"));
  rotate->setObjectName(QStringLiteral("mnuEffects_2"));
  AddAction(rotate, action::kRotateClockwise, QStringLiteral("90° Clockwise"));
  AddAction(rotate, action::kRotateCounterclockwise, QStringLiteral("90° Counterclockwise"));
  AddAction(rotate, action::kRotateHalfTurn, QStringLiteral("180°"));
  AddAction(rotate, action::kRotateByAngle, "Custom...");
  AddAction(filters, action::kInterchangeColours, "Interchange Colors");
  AddAction(filters, action::kScatter, "Scatter Effect");
  AddAction(filters, action::kDuotone, "Duotone");
  AddAction(filters, action::kReplaceColour, "Replace color");
  QMenu* convert = filters->addMenu(QStringLiteral("Adjust Color"));
  convert->setObjectName(QStringLiteral("mnuEffects_7"));
  AddAction(convert, action::kReduceToBlackAndWhite, "Black && White ");
  AddAction(convert, action::kReduceTo16Colours, "16 Colors");
  AddAction(convert, action::kReduceTo256Colours, "256 Colors");
  AddAction(filters, action::kCrystallize, "Crystallize Image");
  AddAction(filters, action::kShadeRect, "Shaderect");

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  help->setObjectName(QStringLiteral("mnuHelpPop"));
  QAction* howTo = AddAction(help, action::kHowToUse, "How to Use");
  howTo->setEnabled(true);
  connect(howTo, &QAction::triggered, this, &MainWindow::ShowHelp);
  QAction* about = AddAction(help, action::kAbout, "About");
  about->setEnabled(true);
  connect(about, &QAction::triggered, this, &MainWindow::ShowAbout);
}

QToolButton* MainWindow::AddButton(QWidget* parent, const QString& name, const QString& tooltip,
                                   const QString& actionName, const QRect& geometry) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setToolTip(tooltip);
  button->setGeometry(geometry);
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  const QString picture = QStringLiteral(":/icons/%1.png").arg(name);
  if (QFile::exists(picture)) {
    button->setIcon(QIcon(picture));
    button->setIconSize(QSize(24, 24));
  } else {
    button->setText(tooltip.left(2));
  }
  // A toolbar button runs its menu item and follows its enabled state.
  QAction* action = Action(actionName);
  Q_ASSERT(action);
  button->setEnabled(action->isEnabled());
  connect(action, &QAction::changed, button, [button, action] { button->setEnabled(action->isEnabled()); });
  connect(button, &QToolButton::clicked, action, &QAction::trigger);
  return button;
}

void MainWindow::BuildToolbar() {
  struct Button {
    const char* name;
    const char* tooltip;
    const char* action;
  };
  static const Button kTop[] = {
      {"tbNew", "New", action::kNew},
      {"tbOpen", "Open", action::kOpen},
      {"tbSave", "Save", action::kSave},
      {"tbExtract", "Extract Icon from File", action::kIconExtract},
      {"tbAcquire", "Acquire Icon from Image", action::kAcquireImage},
      {"tbSavecursor", "Save Cursor", action::kExportCursor},
      {"tbSavebmp", "Save Bitmap", action::kExportBitmap},
      {"tbPrint", "Print", action::kPrint},
      {"tbUndo", "Undo", action::kUndo},
      {"tbCut", "Cut", action::kCut},
      {"tbCopy", "Copy", action::kCopy},
      {"tbPaste", "Paste", action::kPaste},
      {"tbFliph", "Flip Image Horizontally", action::kFlipLeftRight},
      {"tbFlipv", "Flip Image Vertically", action::kFlipUpsideDown},
      {"tbScolor", "Switch Colors", action::kReplaceColour},
  };
  for (int k = 0; k < 15; ++k)
    AddButton(toolbar_, kTop[k].name, kTop[k].tooltip, kTop[k].action, QRect(12 + 40 * k, 16, 41, 41));

  static const Button kBottom[] = {
      {"tbCW", "Rotate 90 Degrees Clockwise", action::kRotateClockwise},
      {"tbACW", "Rotate 90 Degrees Anti-Clockwise", action::kRotateCounterclockwise},
      {"tbSROT", "Rotate 180 Degrees", action::kRotateHalfTurn},
      {"tbAROT", "Rotate Arbitray Angle", action::kRotateByAngle},
  };
  for (int k = 0; k < 4; ++k)
    AddButton(bottomStrip_, kBottom[k].name, kBottom[k].tooltip, kBottom[k].action,
              QRect(layout::kViewRect.left() - 14 + 44 * k, 8, 41, 41));
  auto* palette = new QPushButton(QStringLiteral("Show Color Palette"), bottomStrip_);
  palette->setObjectName(QStringLiteral("cmdPalette"));
  palette->setGeometry(layout::kViewRect.left() - 14 + 44 * 4 + 10, 14, 130, 28);
  palette->setFocusPolicy(Qt::NoFocus);
  palette->setEnabled(false);  // until the colour palette dialog is attached
}

void MainWindow::BuildBody() {
  body_ = new Body(this);
  body_->setObjectName(QStringLiteral("body"));
  setCentralWidget(body_);

  toolbar_ = new QWidget(body_);
  toolbar_->setObjectName(QStringLiteral("picToolbar"));

  left_ = new LeftPanel(body_);
  left_->setObjectName(QStringLiteral("picLeft"));

  const QRect v = layout::kViewRect;
  auto* viewLabel = new QLabel(QStringLiteral("Icon Edit View"), body_);
  viewLabel->setObjectName(QStringLiteral("lblIconView"));
  viewLabel->setGeometry(v.left() - 14, v.top() - 15 - 20, 120, 17);

  viewFrame_ = new QFrame(body_);
  viewFrame_->setObjectName(QStringLiteral("fraIconView"));
  viewFrame_->setFrameShape(QFrame::StyledPanel);
  viewFrame_->setAutoFillBackground(true);
  QPalette grey = viewFrame_->palette();
  grey.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
  viewFrame_->setPalette(grey);
  viewFrame_->setGeometry(v.left() - 14, v.top() - 15, 302, 311);

  view_ = new EditView(body_);
  view_->setGeometry(v);
  connect(view_, &EditView::statusText, this, &MainWindow::SetStatusText);

  toolsFrame_ = new QFrame(body_);
  toolsFrame_->setObjectName(QStringLiteral("fraTools"));
  toolsFrame_->setFrameShape(QFrame::StyledPanel);
  toolsFrame_->setGeometry(layout::kToolsFrameRect);
  auto* previewLabel = new QLabel(QStringLiteral("Icon Preview"), toolsFrame_);
  previewLabel->setObjectName(QStringLiteral("lblPreview"));
  previewLabel->setAlignment(Qt::AlignCenter);
  previewLabel->setGeometry(4, 6, 121, 17);
  auto* previewFrame = new QFrame(toolsFrame_);
  previewFrame->setFrameShape(QFrame::Box);
  previewFrame->setGeometry(47, 26, 34, 34);
  preview_ = new SurfaceView(previewFrame);
  preview_->setObjectName(QStringLiteral("picSmallIcon"));
  preview_->setGeometry(1, 1, kImageSize, kImageSize);

  auto* transparentLabel = new QLabel(QStringLiteral("Transparent Color:"), toolsFrame_);
  transparentLabel->setObjectName(QStringLiteral("lblTransparent"));
  transparentLabel->setToolTip(QStringLiteral("Icon Transparent Color"));
  transparentLabel->setAlignment(Qt::AlignCenter);
  transparentLabel->setGeometry(4, 356, 121, 17);
  transparentSwatch_ = new ColourSwatch(toolsFrame_, state_.Doc.TransparentColor);
  transparentSwatch_->setObjectName(QStringLiteral("picColor_20"));
  transparentSwatch_->setGeometry(49, 378, 30, 30);

  bottomStrip_ = new BottomPanel(body_);
  bottomStrip_->setObjectName(QStringLiteral("picColors"));

  statusStrip_ = new QWidget(body_);
  statusStrip_->setObjectName(QStringLiteral("picStatus"));
  status_ = new QLabel(statusStrip_);
  status_->setObjectName(QStringLiteral("lblStatus"));
  status_->setGeometry(4, 2, 433, 17);

  // Leaving the panels for the window's own surface clears the status too.
  for (QWidget* w : {toolbar_, static_cast<QWidget*>(bottomStrip_), statusStrip_}) {
    w->setMouseTracking(true);
    w->installEventFilter(this);
  }
  LayoutStrips();
}

void MainWindow::LayoutStrips() {
  const int w = body_->width() > 0 ? body_->width() : layout::kClientWidth;
  const int h = body_->height() > 0 ? body_->height() : layout::kClientHeight;
  toolbar_->setGeometry(0, 0, w, layout::kToolbarHeight);
  statusStrip_->setGeometry(0, h - layout::kStatusHeight, w, layout::kStatusHeight);
  bottomStrip_->setGeometry(0, h - layout::kStatusHeight - layout::kBottomStripHeight, w,
                            layout::kBottomStripHeight);
  left_->setGeometry(0, layout::kToolbarHeight, layout::kLeftWidth,
                     bottomStrip_->y() - layout::kToolbarHeight);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove && !StatusText().isEmpty()) SetStatusText(QString());
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::RePaint() {
  view_->Render(state_.Doc);
  preview_->setSurface(state_.Doc.WorkingImage);
  emit repainted();
}

void MainWindow::SetForeColour(Colour c) {
  state_.ForeColour = c & 0xFFFFFF;
  emit coloursChanged();
}

void MainWindow::SetBackColour(Colour c) {
  state_.BackColour = c & 0xFFFFFF;
  emit coloursChanged();
}

void MainWindow::SetTransparentColour(Colour c) {
  state_.Doc.TransparentColor = c & 0xFFFFFF;
  transparentSwatch_->setColour(state_.Doc.TransparentColor);
  emit coloursChanged();
}

void MainWindow::SetStatusText(const QString& text) { status_->setText(text); }
QString MainWindow::StatusText() const { return status_->text(); }

void MainWindow::SetTextToolHandler(std::function<void(int, int, Colour)> handler) {
  textToolHandler_ = std::move(handler);
}

void MainWindow::RunTextTool(int px, int py, Colour c) {
  if (textToolHandler_) textToolHandler_(px, py, c);
}

void MainWindow::SetCloseGuard(std::function<bool()> guard) { closeGuard_ = std::move(guard); }

void MainWindow::closeEvent(QCloseEvent* event) {
  if (closeGuard_ && !closeGuard_()) {
    event->ignore();
    return;
  }
  if (help_) help_->close();
  event->accept();
}

void MainWindow::WhenShown(std::function<void()> task) {
  whenShown_.push_back(std::move(task));
  if (isVisible()) QueueShownTasks();
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  QueueShownTasks();
}

// From the event loop: the window is mapped by then, and a modal question is
// not run from inside show().
void MainWindow::QueueShownTasks() {
  for (auto& task : std::exchange(whenShown_, {})) QTimer::singleShot(0, this, std::move(task));
}

// Leaving the window leaves no colour behind in the status line: no move over
// the window's own surface may come to clear it.
void MainWindow::leaveEvent(QEvent* event) {
  QMainWindow::leaveEvent(event);
  if (!StatusText().isEmpty()) SetStatusText(QString());
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  LayoutStrips();
  // The border does not resize the window; maximising does. A size change in
  // the normal state snaps back once the window system has settled.
  QTimer::singleShot(0, this, &MainWindow::KeepNormalSize);
}

void MainWindow::KeepNormalSize() {
  if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)) return;
  if (size() != NormalSize()) resize(NormalSize());
}

QSize MainWindow::NormalSize() const {
  return {layout::kClientWidth, layout::kClientHeight + menuBar()->sizeHint().height()};
}

void MainWindow::ShowHelp() {
  if (!help_) help_ = new HelpBrowser(this);
  help_->show();
  help_->raise();
  help_->activateWindow();
}

void MainWindow::ShowAbout() {
  prompter_->ShowMessage(this, Prompter::Icon::Information, AboutText(), QStringLiteral("About GlyphSmith"));
}

QString MainWindow::AboutText() {
  return QStringLiteral(
             "GlyphSmith 5.0\nVersion %1\n\nAn editor for 32 × 32 icons and cursors.\n\n"
             "Licence: GNU General Public License, version 3 or any later version (GPL-3.0-or-later).\n"
             "Built with Qt %2, running with Qt %3.")
      .arg(QStringLiteral(GLYPHSMITH_VERSION), QStringLiteral(QT_VERSION_STR), QString::fromLatin1(qVersion()));
}

}  // namespace gs::ui
