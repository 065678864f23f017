#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TForm1;

// "Create Project": makes a project directory, adds the project with its settings entry
// to the tree and writes its PROJECT.INI. Opened from a settings entry it edits that
// project's PROJECT.INI instead ("Modify Project Settings").
class TCrtPrjForm : public QDialog {
  Q_OBJECT

 public:
  enum class Mode { Create, Modify };
  TCrtPrjForm(TForm1& form, Mode mode, QWidget* parent = nullptr);

  // The theme names: every themes/t_*.gif of the program directory, from the file
  // name's third character up to its first ".".
  static QStringList ListThemes(const QString& programDir);

  void OkBtnClick();
  void CancelBtnClick();
  void PrjDescExit();
  // Writes the eleven settings into D/PROJECT.INI; false when the file cannot be written.
  bool CreateINI(const QString& directory);

  QLineEdit* PrjName = nullptr;
  QLineEdit* PrjDesc = nullptr;
  QLineEdit* WebsiteURL = nullptr;
  QLineEdit* FTPDirectory = nullptr;
  QLineEdit* FTPLoginID = nullptr;
  QLineEdit* FTPLoginPassword = nullptr;
  QLineEdit* Email = nullptr;
  QLineEdit* TextColorText = nullptr;
  QLineEdit* LinkColorText = nullptr;
  QLineEdit* vLinkColorText = nullptr;
  QLineEdit* ALinkColorText = nullptr;
  QLineEdit* bgColorText = nullptr;
  QLabel* TextColorLabel = nullptr;
  QLabel* LinkColorLabel = nullptr;
  QLabel* vLinkColorLabel = nullptr;
  QLabel* ALinkColorLabel = nullptr;
  QLabel* bgColorLabel = nullptr;
  QComboBox* ThemeChoices = nullptr;
  QPushButton* OkBtn = nullptr;
  QPushButton* CancelBtn = nullptr;

  // While false, a request to close with OK is refused.
  bool CanClose = false;

  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateProject();
  void CreateProjectDirectory(const QString& directory, const QString& name);
  void ReadSettings(const QString& directory);
  void ShowColor(QLineEdit& field, QLabel& sample);

  TForm1& Form;
  Mode Opened;
  QString ProjectDir;  // modify mode: the directory whose settings are edited
};
