#include "ui/main/Prompter.h"

#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace gs::ui {

void SetUpMessageBox(QMessageBox& box, Prompter::Icon icon, const QString& text, const QString& title) {
  box.setWindowTitle(title);
  box.setText(text);
  switch (icon) {
    case Prompter::Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Prompter::Icon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case Prompter::Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    case Prompter::Icon::Question: box.setIcon(QMessageBox::Question); break;
  }
}

void QtPrompter::ShowMessage(QWidget* parent, Icon icon, const QString& text, const QString& title) {
  QMessageBox box(parent);
  SetUpMessageBox(box, icon, text, title);
  box.exec();
}

Prompter::Answer QtPrompter::AskYesNoCancel(QWidget* parent, const QString& text, const QString& title) {
  const auto button = QMessageBox::question(parent, title, text,
                                            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                            QMessageBox::Yes);
  if (button == QMessageBox::Yes) return Answer::Yes;
  if (button == QMessageBox::No) return Answer::No;
  return Answer::Cancel;
}

Prompter::Answer QtPrompter::AskYesNo(QWidget* parent, const QString& text, const QString& title) {
  const auto button = QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
  return button == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

Prompter::SaveOverAnswer QtPrompter::AskSaveOver(QWidget* parent, const QString& text, const QString& title) {
  QMessageBox box(parent);
  box.setWindowTitle(title);
  box.setText(text);
  box.setIcon(QMessageBox::Warning);
  QPushButton* save = box.addButton(QStringLiteral("Save"), QMessageBox::AcceptRole);
  QPushButton* saveAs = box.addButton(QStringLiteral("Save As..."), QMessageBox::ActionRole);
  QPushButton* cancel = box.addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
  // Enter must not be the answer that throws images away.
  box.setDefaultButton(saveAs);
  box.setEscapeButton(cancel);
  box.exec();
  if (box.clickedButton() == save) return SaveOverAnswer::Save;
  if (box.clickedButton() == saveAs) return SaveOverAnswer::SaveAs;
  return SaveOverAnswer::Cancel;
}

QString QtPrompter::GetOpenFileName(QWidget* parent, const QString& title, const QStringList& filters) {
  QFileDialog dialog(parent, title);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilters(filters);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

QString QtPrompter::GetSaveFileName(QWidget* parent, const QString& title, const QStringList& filters,
                                    const QString& defaultSuffix) {
  QFileDialog dialog(parent, title);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(defaultSuffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

std::optional<QColor> QtPrompter::ChooseColour(QWidget* parent, const QColor& initial) {
  const QColor chosen = QColorDialog::getColor(initial, parent);
  if (!chosen.isValid()) return std::nullopt;
  return chosen;
}

int QtPrompter::ExecDialog(QDialog& dialog) { return dialog.exec(); }

}  // namespace gs::ui
