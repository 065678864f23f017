#pragma once

#include <QString>

class TForm1;

// Shows the page in one of the two external browsers of the settings: the editor text
// goes to the preview file beside the page, and the browser is started on that file.
class BrowserLauncher {
 public:
  explicit BrowserLauncher(TForm1& form) : Form(form) {}

  // "&Browser 1" (and the tool button "Launch external browser #1") and "Bro&wser 2".
  void ViewPageinBrowser1Click();
  void ViewPageinBrowser21Click();

  // Returns whether the browser was started; every failure has been reported.
  bool LaunchBrowser(const QString& path, bool prefix);

  // The Page menu's browser items: shown for a configured browser, named after it, and
  // enabled while a page is open.
  void UpdateBrowserItems(bool pageOpen);

 private:
  TForm1& Form;
};
