// The Filters menu: transforms, colour operations and effects, their dialogs,
// and the Text tool's dialog. The toolbar buttons run these menu entries.

#include <QAction>
#include <QGuiApplication>
#include <QPalette>
#include <functional>

#include "filters/ColourOperations.h"
#include "filters/ShadeRect.h"
#include "filters/Transforms.h"
#include "ui/filters/CrystalDialog.h"
#include "ui/filters/DuotoneDialog.h"
#include "ui/filters/ResampleDialog.h"
#include "ui/filters/RotateDialog.h"
#include "ui/filters/ScatterDialog.h"
#include "ui/filters/TextDialog.h"
#include "ui/main/ActionNames.h"
#include "ui/main/Areas.h"
#include "ui/main/MainWindow.h"
#include "ui/main/SurfaceImage.h"

namespace gs::ui {

namespace {

// Enables the entry and runs `run` when it is chosen.
void Bind(MainWindow& window, const QString& name, std::function<void()> run) {
  QAction* action = window.Action(name);
  Q_ASSERT(action);
  action->setEnabled(true);
  QObject::connect(action, &QAction::triggered, &window, std::move(run));
}

// A command that changes the document at once, then shows the result.
void BindCommand(MainWindow& window, const QString& name, std::function<void(Document&)> command) {
  Bind(window, name, [&window, command = std::move(command)] {
    command(window.Doc());
    window.RePaint();
  });
}

template <typename Dialog>
void RunModal(MainWindow& window) {
  Dialog dialog(window);
  window.Prompt().ExecDialog(dialog);
}

// The platform's colour for selected items.
Colour HighlightColour() { return FromQColor(QGuiApplication::palette().color(QPalette::Highlight)); }

}  // namespace

void InstallFilterCommands(MainWindow& window) {
  BindCommand(window, action::kFlipUpsideDown, [](Document& doc) { FlipCommand(doc, Mirror::UpsideDown); });
  BindCommand(window, action::kFlipLeftRight, [](Document& doc) { FlipCommand(doc, Mirror::LeftRight); });
  BindCommand(window, action::kRotateClockwise, [](Document& doc) { RotateCommand(doc, QuarterTurn::Clockwise); });
  BindCommand(window, action::kRotateCounterclockwise,
              [](Document& doc) { RotateCommand(doc, QuarterTurn::Counterclockwise); });
  BindCommand(window, action::kRotateHalfTurn, [](Document& doc) { RotateCommand(doc, QuarterTurn::HalfTurn); });
  Bind(window, action::kRotateByAngle, [&window] { RotateDialog::ShowFor(window); });

  Bind(window, action::kAdjustDimensions, [&window] { RunModal<ResampleDialog>(window); });
  BindCommand(window, action::kInterchangeColours, InterchangeColors);
  Bind(window, action::kScatter, [&window] { RunModal<ScatterDialog>(window); });
  Bind(window, action::kDuotone, [&window] { RunModal<DuotoneDialog>(window); });
  BindCommand(window, action::kReplaceColour, [&window](Document& doc) {
    ReplaceColor(doc, window.State().ForeColour, window.State().BackColour);
  });
  BindCommand(window, action::kReduceToBlackAndWhite,
              [](Document& doc) { ReduceColours(doc, ColourReduction::BlackAndWhite); });
  BindCommand(window, action::kReduceTo16Colours, [](Document& doc) { ReduceColours(doc, ColourReduction::Colours16); });
  BindCommand(window, action::kReduceTo256Colours,
              [](Document& doc) { ReduceColours(doc, ColourReduction::Colours256); });
  Bind(window, action::kCrystallize, [&window] { RunModal<CrystalDialog>(window); });
  BindCommand(window, action::kShadeRect, [](Document& doc) { ShadeCommand(doc, HighlightColour()); });

  window.SetTextToolHandler([&window](int px, int py, Colour c) { RunTextDialog(window, px, py, c); });
}

}  // namespace gs::ui
