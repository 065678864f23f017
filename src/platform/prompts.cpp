#include "platform/prompts.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>

QStringList Prompts::QtNameFilters(const QString& filter) {
  const QStringList parts = filter.split('|');
  QStringList result;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(';', ' ');
    result << QStringLiteral("%1 (%2)").arg(parts[i], patterns.trimmed());
  }
  return result;
}

namespace {

QMessageBox::Icon IconOf(Prompts::Kind kind) {
  switch (kind) {
    case Prompts::Kind::Information:
      return QMessageBox::Information;
    case Prompts::Kind::Warning:
      return QMessageBox::Warning;
    case Prompts::Kind::Error:
      return QMessageBox::Critical;
    case Prompts::Kind::Confirmation:
      return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

QString TitleOf(Prompts::Kind kind) {
  switch (kind) {
    case Prompts::Kind::Information:
      return QStringLiteral("Information");
    case Prompts::Kind::Warning:
      return QStringLiteral("Warning");
    case Prompts::Kind::Error:
      return QStringLiteral("Error");
    case Prompts::Kind::Confirmation:
      return QStringLiteral("Confirm");
  }
  return QString();
}

QFileDialog* MakeFileDialog(QWidget* parent, const Prompts::FileRequest& request) {
  auto* dialog = new QFileDialog(parent, request.caption, request.directory);
  const QStringList filters = Prompts::QtNameFilters(request.filter);
  if (!filters.isEmpty()) {
    dialog->setNameFilters(filters);
    dialog->selectNameFilter(filters.value(request.filterIndex, filters.first()));
  }
  if (!request.fileName.isEmpty()) dialog->selectFile(request.fileName);
  if (!request.defaultSuffix.isEmpty()) dialog->setDefaultSuffix(request.defaultSuffix);
  return dialog;
}

}  // namespace

Prompts::Answer DialogPrompts::Message(Kind kind, const QString& text, Buttons buttons) {
  QMessageBox box(IconOf(kind), TitleOf(kind), text, QMessageBox::NoButton, Parent);
  switch (buttons) {
    case Buttons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case Buttons::OkCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      break;
    case Buttons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      break;
    case Buttons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Ok:
      return Answer::Ok;
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    default:
      // Closing the box counts as its most cautious answer.
      return buttons == Buttons::YesNo ? Answer::No
             : buttons == Buttons::Ok  ? Answer::Ok
                                       : Answer::Cancel;
  }
}

std::optional<QString> DialogPrompts::Input(const QString& caption, const QString& prompt,
                                            const QString& value) {
  bool ok = false;
  const QString text =
      QInputDialog::getText(Parent, caption, prompt, QLineEdit::Normal, value, &ok);
  if (!ok) return std::nullopt;
  return text;
}

std::optional<QString> DialogPrompts::OpenFile(const FileRequest& request) {
  QScopedPointer<QFileDialog> dialog(MakeFileDialog(Parent, request));
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  dialog->setFileMode(QFileDialog::ExistingFile);
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return std::nullopt;
  return dialog->selectedFiles().first();
}

std::optional<QStringList> DialogPrompts::OpenFiles(const FileRequest& request) {
  QScopedPointer<QFileDialog> dialog(MakeFileDialog(Parent, request));
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  dialog->setFileMode(QFileDialog::ExistingFiles);
  if (dialog->exec() != QDialog::Accepted) return std::nullopt;
  return dialog->selectedFiles();
}

std::optional<QString> DialogPrompts::SaveFile(const FileRequest& request) {
  QScopedPointer<QFileDialog> dialog(MakeFileDialog(Parent, request));
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  // The program asks its own overwrite question.
  dialog->setOption(QFileDialog::DontConfirmOverwrite);
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return std::nullopt;
  return dialog->selectedFiles().first();
}

std::optional<QColor> DialogPrompts::Color(const QColor& initial) {
  const QColor color = QColorDialog::getColor(initial, Parent);
  if (!color.isValid()) return std::nullopt;
  return color;
}

std::optional<QFont> DialogPrompts::Font(const QFont& initial) {
  bool ok = false;
  const QFont font = QFontDialog::getFont(&ok, initial, Parent);
  if (!ok) return std::nullopt;
  return font;
}

int DialogPrompts::RunModal(QDialog& dialog) {
  // A dialog made without an owner still belongs above the program's window.
  if (!dialog.parentWidget() && Parent) dialog.setParent(Parent, dialog.windowFlags() | Qt::Dialog);
  return dialog.exec();
}
