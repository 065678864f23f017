#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <optional>

class QDialog;
class QWidget;

// Every question the program puts to its user goes through here: message boxes with a
// kind and a fixed button set, input boxes, the standard file, colour and font dialogs,
// and the modal runner for the program's own dialogs. Production shows real dialogs;
// tests install a scripted implementation that plays the user.
class Prompts {
 public:
  enum class Kind { Information, Warning, Error, Confirmation };
  enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
  enum class Answer { Ok, Cancel, Yes, No };

  struct FileRequest {
    QString caption;
    QString directory;
    QString fileName;       // proposed name (save) or preselected name (open)
    QString filter;         // "Label|*.a;*.b|Label|*.c" as the program writes filters
    int filterIndex = 0;    // 0-based pair selected first
    QString defaultSuffix;  // appended by the dialog when the user types none
  };

  virtual ~Prompts() = default;

  virtual Answer Message(Kind kind, const QString& text, Buttons buttons) = 0;
  // Returns nothing when the user cancels.
  virtual std::optional<QString> Input(const QString& caption, const QString& prompt,
                                       const QString& value) = 0;
  virtual std::optional<QString> OpenFile(const FileRequest& request) = 0;
  virtual std::optional<QStringList> OpenFiles(const FileRequest& request) = 0;
  virtual std::optional<QString> SaveFile(const FileRequest& request) = 0;
  virtual std::optional<QColor> Color(const QColor& initial) = 0;
  virtual std::optional<QFont> Font(const QFont& initial) = 0;
  // Shows one of the program's own dialogs modally and returns its result code.
  virtual int RunModal(QDialog& dialog) = 0;

  // Short forms for the common boxes.
  void Inform(const QString& text) { Message(Kind::Information, text, Buttons::Ok); }
  void Warn(const QString& text) { Message(Kind::Warning, text, Buttons::Ok); }
  void Fail(const QString& text) { Message(Kind::Error, text, Buttons::Ok); }

  // Turns "Label|*.a;*.b|Other|*.c" into the name filters of a Qt file dialog.
  static QStringList QtNameFilters(const QString& filter);
};

// The real dialogs, parented to a window of the program.
class DialogPrompts : public Prompts {
 public:
  explicit DialogPrompts(QWidget* parent = nullptr) : Parent(parent) {}
  void SetParent(QWidget* parent) { Parent = parent; }

  Answer Message(Kind kind, const QString& text, Buttons buttons) override;
  std::optional<QString> Input(const QString& caption, const QString& prompt,
                               const QString& value) override;
  std::optional<QString> OpenFile(const FileRequest& request) override;
  std::optional<QStringList> OpenFiles(const FileRequest& request) override;
  std::optional<QString> SaveFile(const FileRequest& request) override;
  std::optional<QColor> Color(const QColor& initial) override;
  std::optional<QFont> Font(const QFont& initial) override;
  int RunModal(QDialog& dialog) override;

 private:
  QWidget* Parent;
};
