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
    messages.push_back({Icon::Question, text, title, parent && parent->isVisible()});
    return PopAnswer(answers, text, Answer::Cancel);
  }
  Answer AskYesNo(QWidget* parent, const QString& text, const QString& title) override {
    messages.push_back({Icon::Question, text, title, parent && parent->isVisible()});
    return PopAnswer(answers, text, Answer::No);
  }
  SaveOverAnswer AskSaveOver(QWidget* parent, const QString& text, const QString& title) override {
    messages.push_back({Icon::Exclamation, text, title, parent && parent->isVisible()});
    return PopAnswer(saveOverAnswers, text, SaveOverAnswer::Cancel);
  }
  QString GetOpenFileName(QWidget*, const QString& title, const QStringList& filters) override {
    lastDialogTitle = title;
    lastFilters = filters;
    return Pop(openNames, "open");
  }
  QString GetSaveFileName(QWidget*, const QString& title, const QStringList& filters,
                          const QString& defaultSuffix) override {
    lastDialogTitle = title;
    lastFilters = filters;
    lastDefaultSuffix = defaultSuffix;
    return Pop(saveNames, "save");
  }
  std::optional<QColor> ChooseColour(QWidget*, const QColor&) override {
    if (colours.empty()) {
      ADD_FAILURE() << "unexpected colour dialog";
      return std::nullopt;
    }
    auto c = colours.front();
    colours.pop_front();
    return c;
  }
  int ExecDialog(QDialog& dialog) override {
    if (dialogs.empty()) {
      ADD_FAILURE() << "unexpected dialog " << dialog.objectName().toStdString();
      return QDialog::Rejected;
    }
    auto handler = std::move(dialogs.front());
    dialogs.pop_front();
    return handler(dialog);
  }

 private:
  template <class A>
  static A PopAnswer(std::deque<A>& queue, const QString& question, A cancel) {
    if (queue.empty()) {
      ADD_FAILURE() << "unexpected question: " << question.toStdString();
      return cancel;
    }
    const A a = queue.front();
    queue.pop_front();
    return a;
  }
  static QString Pop(std::deque<QString>& queue, const char* what) {
    if (queue.empty()) {
      ADD_FAILURE() << "unexpected " << what << " file dialog";
      return {};
    }
    QString s = queue.front();
    queue.pop_front();
    return s;
  }
};

}  // namespace gs::ui::test
