#pragma once
// Answers the program's modal questions from queues filled by a test, and
// records every message, so no test ever waits on a modal loop.

#include <gtest/gtest.h>

#include <QDialog>
#include <QWidget>
#include <deque>
#include <functional>
#include <vector>

#include "ui/main/Prompter.h"

namespace gs::ui::test {

class ScriptedPrompter final : public Prompter {
 public:
  struct Message {
    Icon icon;
    QString text;
    QString title;
    bool overVisibleParent = false;  // asked over a window that was on the screen
  };

  std::vector<Message> messages;
  std::deque<Answer> answers;
  std::deque<SaveOverAnswer> saveOverAnswers;
  std::deque<QString> openNames;
  std::deque<QString> saveNames;
  std::deque<std::optional<QColor>> colours;
  std::deque<std::function<int(QDialog&)>> dialogs;
  // What the file dialogs were asked with, last call first overwritten.
  QString lastDialogTitle;
  QStringList lastFilters;
  QString lastDefaultSuffix;

  void ShowMessage(QWidget* parent, Icon icon, const QString& text, const QString& title) override {
    messages.push_back({icon, text, title, parent && parent->isVisible()});
  }
  Answer AskYesNoCancel(QWidget* parent, const QString& text, const QString& title) override {
    ShowMessage(parent, Icon::Question, text, title);
    return Pop(answers, "question: " + text, Answer::Cancel);
  }
  Answer AskYesNo(QWidget* parent, const QString& text, const QString& title) override {
    ShowMessage(parent, Icon::Question, text, title);
    return Pop(answers, "question: " + text, Answer::No);
  }
  SaveOverAnswer AskSaveOver(QWidget* parent, const QString& text, const QString& title) override {
    ShowMessage(parent, Icon::Exclamation, text, title);
    return Pop(saveOverAnswers, "question: " + text, SaveOverAnswer::Cancel);
  }
  QString GetOpenFileName(QWidget*, const QString& title, const QStringList& filters) override {
    lastDialogTitle = title;
    lastFilters = filters;
    return Pop(openNames, "open file dialog");
  }
  QString GetSaveFileName(QWidget*, const QString& title, const QStringList& filters,
                          const QString& defaultSuffix) override {
    lastDialogTitle = title;
    lastFilters = filters;
    lastDefaultSuffix = defaultSuffix;
    return Pop(saveNames, "save file dialog");
  }
  std::optional<QColor> ChooseColour(QWidget*, const QColor&) override { return Pop(colours, "colour dialog"); }
  int ExecDialog(QDialog& dialog) override {
    const auto handler = Pop(dialogs, "dialog " + dialog.objectName());
    return handler ? handler(dialog) : QDialog::Rejected;
  }

 private:
  // The next scripted answer; `none` (and a failure) when the test gave none.
  template <class A>
  static A Pop(std::deque<A>& queue, const QString& what, A none = {}) {
    if (queue.empty()) {
      ADD_FAILURE() << "unexpected " << what.toStdString();
      return none;
    }
    A a = std::move(queue.front());
    queue.pop_front();
    return a;
  }
};

}  // namespace gs::ui::test
