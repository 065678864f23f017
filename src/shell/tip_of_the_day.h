#pragma once

#include <QDialog>
#include <QString>

#include "core/tips.h"

class QCheckBox;
class QLabel;
class QPushButton;
class Prompts;

// Shows one entry of the tips file at a time: the tips in turn, or a single helper note
// that explains a feature the first time it is used.
class TfTipOfTheDay : public QDialog {
  Q_OBJECT

 public:
  TfTipOfTheDay(const QString& tipsPath, Prompts& prompts, QWidget* parent = nullptr);

  // One past the entry to show: set by the owner before FormShow, read back afterwards.
  int Index = 0;

  // A single helper note under the caller's title, without the tip buttons.
  void SetHelperMode(const QString& title);

  bool ShowTipsChecked() const;
  void SetShowTips(bool checked);

  // Shows the entry for Index. The owner calls it before running the window; a window
  // shown without it runs it on first show.
  void FormShow();

 protected:
  void showEvent(QShowEvent* event) override;

 private slots:
  void bClick();

 private:
  void FormCreate(const QString& tipsPath, Prompts& prompts);
  void Display();

  TipList Tips;
  bool TipMode = true;
  bool FormShown = false;

  QLabel* lTitle;
  QLabel* lTip;
  QPushButton* bClose;
  QPushButton* bNext;
  QPushButton* bPrevious;
  QCheckBox* cbShowTips;
};
