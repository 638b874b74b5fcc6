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
  // The Flip menu's "Horizontal" turns the image upside down and "Vertical"
  // mirrors it left to right (the toolbar names them the other way round).
  static constexpr Mirror kFlips[] = {Mirror::UpsideDown, Mirror::LeftRight};
  for (int i = 0; i < 2; ++i)
    BindCommand(window, QStringLiteral("mnuFlip_%1").arg(i), [i](Document& doc) { FlipCommand(doc, kFlips[i]); });
  static constexpr QuarterTurn kTurns[] = {QuarterTurn::Clockwise, QuarterTurn::Counterclockwise,
                                           QuarterTurn::HalfTurn};
  for (int i = 0; i < 3; ++i)
    BindCommand(window, QStringLiteral("mnuRotate_%1").arg(i), [i](Document& doc) { RotateCommand(doc, kTurns[i]); });
  Bind(window, QStringLiteral("mnuRotate_3"), [&window] { RotateDialog::ShowFor(window); });

  Bind(window, QStringLiteral("mnuEffects_0"), [&window] { RunModal<ResampleDialog>(window); });
  BindCommand(window, QStringLiteral("mnuEffects_3"), InterchangeColors);
  Bind(window, QStringLiteral("mnuEffects_4"), [&window] { RunModal<ScatterDialog>(window); });
  Bind(window, QStringLiteral("mnuEffects_5"), [&window] { RunModal<DuotoneDialog>(window); });
  BindCommand(window, QStringLiteral("mnuEffects_6"), [&window](Document& doc) {
    ReplaceColor(doc, window.State().ForeColour, window.State().BackColour);
  });
  static constexpr ColourReduction kReductions[] = {ColourReduction::BlackAndWhite, ColourReduction::Colours16,
                                                    ColourReduction::Colours256};
  for (int i = 0; i < 3; ++i)
    BindCommand(window, QStringLiteral("mnuConvert_%1").arg(i),
                [i](Document& doc) { ReduceColours(doc, kReductions[i]); });
  Bind(window, QStringLiteral("mnuEffects_8"), [&window] { RunModal<CrystalDialog>(window); });
  BindCommand(window, QStringLiteral("mnuEffects_9"), [](Document& doc) { ShadeCommand(doc, HighlightColour()); });

  window.SetTextToolHandler([&window](int px, int py, Colour c) { RunTextDialog(window, px, py, c); });
}

}  // namespace gs::ui
