#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QListWidget;
class QPushButton;

// "Copy/Move a Page": the list of projects a page can be copied or moved to. The
// project commands fill it and act on the button pressed.
class TCopyMoveForm : public QDialog {
  Q_OBJECT

 public:
  explicit TCopyMoveForm(QWidget* parent = nullptr);

  QLabel* Label1 = nullptr;
  QListWidget* ListBox1 = nullptr;
  QPushButton* CopyBtn = nullptr;
  QPushButton* MoveBtn = nullptr;
  QPushButton* CancelBtn = nullptr;

  // The entry text of the page's own project; choosing it offers Copy only.
  QString OwnProject;
  // Runs for CopyBtn (false) and MoveBtn (true) with a project chosen.
  std::function<void(bool move)> CopyMove;

  void ListBox1Click();
};
