#pragma once

#include <QDialog>
#include <QString>
#include <functional>

#include "core/page_evaluation.h"

class EditorSurface;
class Prompts;
class QLabel;
class QListView;
class QStringListModel;
class QUrl;

// What the evaluation reads and whom it tells: the page editor, the page in it and its
// directory (where SRC references are looked for), the caret display and the user.
struct EvaluationSource {
  EditorSurface* Editor = nullptr;
  std::function<QString()> PageFileName;
  std::function<QString()> PageDirectory;
  std::function<void()> ShowCaretPosition;
  Prompts* Ask = nullptr;
};

// "Web Page Details": the title, images, links and page markers of the page in the
// editor, each checked against the disk, with a detail line for every finding. The same
// scan runs without the window for the commands that need a page's references.
class TEvaluateForm : public QDialog {
  Q_OBJECT

 public:
  TEvaluateForm(const EvaluationSource& source, QWidget* parent = nullptr);

  // Scans the page in the editor and fills the lists. The caret, the selection and the
  // view are left as they are.
  void Evaluate();
  const PageEvaluation& Result() const { return Findings; }

  // Runs the scan and shows the window modally.
  void Evaluate1Click();

  // Hands a link to the desktop: a mail address to the mail program, anything else to the
  // browser. Replaceable so that nothing is started from a test.
  std::function<bool(const QUrl&)> OpenUrl;

  QLabel* Header1 = nullptr;
  QListView* FilesFound = nullptr;
  QListView* FilesMissing = nullptr;
  QListView* Links = nullptr;
  QListView* LocatedLinks = nullptr;
  QListView* PageMarkers = nullptr;
  QListView* MissingPages = nullptr;
  QListView* WebDetails = nullptr;

  // Handlers.
  void ListClick(QListView* list, int row);
  void LinksDblClick(QListView* list, int row);
  void WebDetailsDblClick(int row);

 private:
  QListView* AddList(const QString& name, const QString& accessibleName);
  void ShowFindings();

  EvaluationSource Source;
  PageEvaluation Findings;
};
