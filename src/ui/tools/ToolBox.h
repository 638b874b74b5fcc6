#pragma once
// The twelve tool buttons `optTool_0..11` in the tools frame and the option
// panels `picTool1`, `picTool5`, `picTool6`, `picTool8`, `picTool9` that share
// one place in the palette panel; only the current tool's panel shows.

#include <QObject>
#include <QWidget>
#include <array>

#include "tools/OptionPanels.h"

class QToolButton;

namespace gs::ui {

class MainWindow;
class ToolSession;

// One option panel: the program's picture of its choices with the current
// one highlighted; a press picks a choice.
class OptionPanelView : public QWidget {
  Q_OBJECT
 public:
  OptionPanelView(OptionPanel panel, ToolOptions& options, QWidget* parent);
  OptionPanel Panel() const { return panel_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  OptionPanel panel_;
  ToolOptions& options_;
};

class ToolBox : public QObject {
  Q_OBJECT
 public:
  static const char* const kToolTips[kToolCount];

  ToolBox(MainWindow& window, ToolSession& session);

  QToolButton* Button(int tool) const { return buttons_[tool]; }

 private:
  void ShowPanelOf(int tool);

  std::array<QToolButton*, kToolCount> buttons_{};
  std::array<OptionPanelView*, 5> panels_{};
};

}  // namespace gs::ui
