#include "shell/helper_notes.h"

#include "platform/prompts.h"
#include "shell/tip_of_the_day.h"

bool ShowHelperNote(Prompts& prompts, const QString& tipsPath, int n, const QString& title,
                    bool flag) {
  if (!flag) return false;
  TfTipOfTheDay window(tipsPath, prompts);
  window.SetHelperMode(title);
  window.Index = n;
  window.FormShow();
  prompts.RunModal(window);
  return window.ShowTipsChecked();
}

void ShowTipWindow(Prompts& prompts, const QString& tipsPath, int& tipNumber,
                   bool& showTipOfTheDay) {
  TfTipOfTheDay window(tipsPath, prompts);
  window.Index = tipNumber;
  window.SetShowTips(showTipOfTheDay);
  window.FormShow();
  prompts.RunModal(window);
  // The window steps back one on showing; two on lands on the tip after the last one seen.
  tipNumber = window.Index + 2;
  showTipOfTheDay = window.ShowTipsChecked();
}
