#pragma once

#include <functional>
#include <memory>

class QsciPrinter;
class TForm1;

// Printing: the rendered page from the split preview and the page's source text through
// the internal clipboard editor, both on the program's one printer.
class PagePrinter {
 public:
  explicit PagePrinter(TForm1& form);
  ~PagePrinter();

  QsciPrinter& Printer() const { return *Device; }

  // "&Print..." and the tool button "Print": the print dialog.
  void Print1Click();
  // "P&rinter Setup...".
  void PrinterSetup1Click();
  // The editor text as plain text; returns whether it printed.
  bool PrintWebPage();
  // The rendered page, pages 1 to 9999; `then` runs when it is done.
  void PrintGraphicView(const std::function<void()>& then);

 private:
  TForm1& Form;
  std::unique_ptr<QsciPrinter> Device;
};
