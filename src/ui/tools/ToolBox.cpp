#include "ui/tools/ToolBox.h"

#include <QButtonGroup>
#include <QFile>
#include <QFrame>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

#include "ui/main/EditView.h"
#include "ui/main/MainWindow.h"
#include "ui/main/SurfaceImage.h"
#include "ui/tools/ToolSession.h"

namespace gs::ui {

const char* const ToolBox::kToolTips[kToolCount] = {
    "Lasso", "Eraser", "Flood Fill", "Color Picker", "Pencil", "Paintbrush",
    "Spray", "Text", "Line",       "Rectangle",    "Circle", "Rounded Rectangle"};

namespace {

// Where each tool's button stands, in two columns of six.
struct GridPlace {
  int row, column;
};
constexpr GridPlace kGrid[kToolCount] = {{0, 0}, {0, 1}, {1, 0}, {1, 1}, {2, 0}, {2, 1},
                                         {3, 0}, {5, 1}, {3, 1}, {4, 0}, {5, 0}, {4, 1}};
constexpr int kButtonSize = 37;
constexpr int kButtonStep = 41;
constexpr int kGridLeft = 25;
constexpr int kGridTop = 90;
// The option panels' shared place in the palette panel.
constexpr QRect kPanelRect{14, 295, 43, 68};

// A short plain label when no picture is shipped for a tool.
const char* const kFallbackLabels[kToolCount] = {"Sel", "Er", "Fill", "Pick", "Pen", "Br",
                                                 "Spr", "A",  "Ln",   "Rect", "Circ", "RRc"};

}  // namespace

OptionPanelView::OptionPanelView(OptionPanel panel, ToolOptions& options, QWidget* parent)
    : QWidget(parent), panel_(panel), options_(options) {
  setObjectName(QStringLiteral("picTool%1").arg(static_cast<int>(panel)));
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void OptionPanelView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, ToQImage(OptionPanelPicture(panel_, OptionChoice(panel_, options_), width(), height())));
}

void OptionPanelView::mousePressEvent(QMouseEvent* event) {
  const QPointF pos = event->position();
  if (PressOptionPanel(panel_, ToMouseButton(event->button()), pos.x(), pos.y(), width(), height(), options_))
    update();
}

ToolBox::ToolBox(MainWindow& window, ToolSession& session) : QObject(&window) {
  setObjectName(QStringLiteral("toolBox"));
  auto* group = new QButtonGroup(this);
  group->setExclusive(true);
  for (int tool = 0; tool < kToolCount; ++tool) {
    auto* button = new QToolButton(window.ToolsFrame());
    button->setObjectName(QStringLiteral("optTool_%1").arg(tool));
    button->setToolTip(QString::fromLatin1(kToolTips[tool]));
    button->setCheckable(true);
    button->setAutoRaise(true);
    // The keys belong to the view, so the buttons never keep the focus.
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(kGridLeft + kButtonStep * kGrid[tool].column, kGridTop + kButtonStep * kGrid[tool].row,
                        kButtonSize, kButtonSize);
    const QString picture = QStringLiteral(":/icons/optTool_%1.png").arg(tool);
    if (QFile::exists(picture)) {
      button->setIcon(QIcon(picture));
      button->setIconSize(QSize(kButtonSize - 8, kButtonSize - 8));
    } else {
      button->setText(QString::fromLatin1(kFallbackLabels[tool]));
    }
    group->addButton(button, tool);
    buttons_[tool] = button;
  }

  ToolOptions& options = window.State().Tools;
  int k = 0;
  for (OptionPanel panel : kOptionPanels) {
    auto* view = new OptionPanelView(panel, options, window.PaletteArea());
    view->setGeometry(kPanelRect);
    view->hide();
    panels_[k++] = view;
  }
  connect(group, &QButtonGroup::idClicked, &session, &ToolSession::SelectTool);
  connect(&session, &ToolSession::toolSelected, this, [this](int tool) {
    buttons_[tool]->setChecked(true);
    ShowPanelOf(tool);
  });

  // Start-up chooses the Pencil.
  session.SelectTool(ToolPencil);
}

void ToolBox::ShowPanelOf(int tool) {
  const OptionPanel shown = OptionPanelOf(tool);
  for (OptionPanelView* view : panels_) {
    view->setVisible(view->Panel() == shown);
    // The fill-style panel shows the style of the shape now chosen.
    if (view->Panel() == shown) view->update();
  }
}

}  // namespace gs::ui
