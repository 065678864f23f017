#pragma once

#include <QStringList>
#include <deque>
#include <functional>
#include <variant>

#include "platform/prompts.h"

// Plays the user: records every message box as the user would see it and hands out
// answers queued by the test. A question with no queued answer fails the test, so a
// test notices every question it did not expect.
class ScriptedPrompts : public Prompts {
 public:
  struct Shown {
    Kind kind;
    QString text;
    Buttons buttons;
  };
  using DialogScript = std::function<int(QDialog&)>;

  std::vector<Shown> Messages;  // every box, in order
  QStringList Texts() const;    // their texts only

  // Queue answers; each is used once, in order.
  void Answer(Prompts::Answer answer) { Answers.push_back(answer); }
  void AnswerInput(std::optional<QString> text) { Inputs.push_back(std::move(text)); }
  void AnswerFile(std::optional<QString> path) { Files.push_back(std::move(path)); }
  void AnswerFiles(std::optional<QStringList> paths) { FileLists.push_back(std::move(paths)); }
  void AnswerColor(std::optional<QColor> color) { Colors.push_back(color); }
  void AnswerFont(std::optional<QFont> font) { Fonts.push_back(std::move(font)); }
  // The script gets the dialog after it is set up for showing and returns its result.
  void AnswerDialog(DialogScript script) { Dialogs.push_back(std::move(script)); }

  // The last file request the program made, to check filters and proposed names.
  FileRequest LastFileRequest;
  // Boxes answered OK by themselves: plain OK boxes need no queued answer.
  bool AutoOk = true;

  Prompts::Answer Message(Kind kind, const QString& text, Buttons buttons) override;
  std::optional<QString> Input(const QString& caption, const QString& prompt,
                               const QString& value) override;
  std::optional<QString> OpenFile(const FileRequest& request) override;
  std::optional<QStringList> OpenFiles(const FileRequest& request) override;
  std::optional<QString> SaveFile(const FileRequest& request) override;
  std::optional<QColor> Color(const QColor& initial) override;
  std::optional<QFont> Font(const QFont& initial) override;
  int RunModal(QDialog& dialog) override;

  bool AllAnswersUsed() const;

 private:
  std::deque<Prompts::Answer> Answers;
  std::deque<std::optional<QString>> Inputs;
  std::deque<std::optional<QString>> Files;
  std::deque<std::optional<QStringList>> FileLists;
  std::deque<std::optional<QColor>> Colors;
  std::deque<std::optional<QFont>> Fonts;
  std::deque<DialogScript> Dialogs;
};
