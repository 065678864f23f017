#include "scripted_prompts.h"

#include <gtest/gtest.h>

#include <QDialog>

// GCC 12 warns falsely about moving out of a std::optional held in a deque.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"

namespace {
template <typename T>
T Take(std::deque<T>& queue, const char* what, T fallback) {
  if (queue.empty()) {
    ADD_FAILURE() << "The program asked for " << what << " but the test queued no answer";
    return fallback;
  }
  T value = std::move(queue.front());
  queue.pop_front();
  return value;
}
}  // namespace

QStringList ScriptedPrompts::Texts() const {
  QStringList texts;
  for (const Shown& shown : Messages) texts << shown.text;
  return texts;
}

Prompts::Answer ScriptedPrompts::Message(Kind kind, const QString& text, Buttons buttons) {
  Messages.push_back({kind, text, buttons});
  if (buttons == Buttons::Ok && AutoOk && Answers.empty()) return Answer::Ok;
  const std::string what = "an answer to \"" + text.toStdString() + "\"";
  return Take(Answers, what.c_str(), Answer::Cancel);
}

std::optional<QString> ScriptedPrompts::Input(const QString&, const QString&, const QString&) {
  return Take(Inputs, "an input box answer", std::optional<QString>());
}

std::optional<QString> ScriptedPrompts::OpenFile(const FileRequest& request) {
  LastFileRequest = request;
  return Take(Files, "a file to open", std::optional<QString>());
}

std::optional<QStringList> ScriptedPrompts::OpenFiles(const FileRequest& request) {
  LastFileRequest = request;
  return Take(FileLists, "files to open", std::optional<QStringList>());
}

std::optional<QString> ScriptedPrompts::SaveFile(const FileRequest& request) {
  LastFileRequest = request;
  return Take(Files, "a file name to save under", std::optional<QString>());
}

std::optional<QColor> ScriptedPrompts::Color(const QColor&) {
  return Take(Colors, "a colour", std::optional<QColor>());
}

std::optional<QFont> ScriptedPrompts::Font(const QFont&) {
  return Take(Fonts, "a font", std::optional<QFont>());
}

int ScriptedPrompts::RunModal(QDialog& dialog) {
  DialogScript script = Take(Dialogs, "a dialog script", DialogScript());
  if (!script) return QDialog::Rejected;
  return script(dialog);
}

bool ScriptedPrompts::AllAnswersUsed() const {
  return Answers.empty() && Inputs.empty() && Files.empty() && FileLists.empty() &&
         Colors.empty() && Fonts.empty() && Dialogs.empty();
}
