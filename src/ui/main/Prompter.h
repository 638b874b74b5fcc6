#pragma once
// Every modal question the program asks goes through this seam: message boxes,
// the save prompt, the file dialogs, the colour dialog and the program's own
// modal dialogs. The editor uses QtPrompter; tests answer from a script and
// never block in a modal loop.

#include <QColor>
#include <QString>
#include <QStringList>
#include <optional>

class QDialog;
class QMessageBox;
class QWidget;

namespace gs::ui {

inline const QString kAppTitle = QStringLiteral("GlyphSmith 5.0");

class Prompter {
 public:
  enum class Icon { Information, Exclamation, Critical, Question };
  enum class Answer { Yes, No, Cancel };
  // The question before a save that would keep less than its file holds.
  enum class SaveOverAnswer { Save, SaveAs, Cancel };

  virtual ~Prompter() = default;

  virtual void ShowMessage(QWidget* parent, Icon icon, const QString& text, const QString& title = kAppTitle) = 0;
  // Yes, No and Cancel with the question icon.
  virtual Answer AskYesNoCancel(QWidget* parent, const QString& text, const QString& title = kAppTitle) = 0;
  // Yes and No with the question icon; closing the box is No.
  virtual Answer AskYesNo(QWidget* parent, const QString& text, const QString& title = kAppTitle) = 0;
  // "Save", "Save As..." and "Cancel" with the exclamation icon; closing the
  // box is Cancel.
  virtual SaveOverAnswer AskSaveOver(QWidget* parent, const QString& text, const QString& title = kAppTitle) = 0;
  // `filters` are "Description (*.ext)" entries. Empty result: cancelled.
  virtual QString GetOpenFileName(QWidget* parent, const QString& title, const QStringList& filters) = 0;
  // Asks before overwriting; `defaultSuffix` is added to a name typed without one.
  virtual QString GetSaveFileName(QWidget* parent, const QString& title, const QStringList& filters,
                                  const QString& defaultSuffix) = 0;
  // The platform colour dialog; its custom colours live as long as the program.
  virtual std::optional<QColor> ChooseColour(QWidget* parent, const QColor& initial) = 0;
  // Runs one of the program's own modal dialogs and returns its result code.
  virtual int ExecDialog(QDialog& dialog) = 0;
};

// Gives a message box its title, text and icon, as ShowMessage shows them.
void SetUpMessageBox(QMessageBox& box, Prompter::Icon icon, const QString& text, const QString& title);

class QtPrompter final : public Prompter {
 public:
  void ShowMessage(QWidget* parent, Icon icon, const QString& text, const QString& title) override;
  Answer AskYesNoCancel(QWidget* parent, const QString& text, const QString& title) override;
  Answer AskYesNo(QWidget* parent, const QString& text, const QString& title) override;
  SaveOverAnswer AskSaveOver(QWidget* parent, const QString& text, const QString& title) override;
  QString GetOpenFileName(QWidget* parent, const QString& title, const QStringList& filters) override;
  QString GetSaveFileName(QWidget* parent, const QString& title, const QStringList& filters,
                          const QString& defaultSuffix) override;
  std::optional<QColor> ChooseColour(QWidget* parent, const QColor& initial) override;
  int ExecDialog(QDialog& dialog) override;
};

}  // namespace gs::ui
