#include "shell/page_printer.h"

#include <Qsci/qsciprinter.h>

#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPushButton>

#include "platform/editor_surface.h"
#include "platform/html_viewer.h"
#include "platform/prompts.h"
#include "shell/print_form.h"
#include "shell/tform1.h"

PagePrinter::PagePrinter(TForm1& form)
    : Form(form), Device(std::make_unique<QsciPrinter>(QPrinter::HighResolution)) {
  Device->setWrapMode(QsciScintilla::WrapWord);
}

PagePrinter::~PagePrinter() = default;

void PagePrinter::Print1Click() {
  TPrintForm dialog(
      [this](bool graphic, bool text) {
        if (!graphic) {
          if (text) PrintWebPage();
          return;
        }
        // The text follows the picture, so that the two come out in that order.
        PrintGraphicView([this, text] {
          if (text) PrintWebPage();
        });
      },
      &Form);
  Form.Ask().RunModal(dialog);
}

void PagePrinter::PrinterSetup1Click() {
  QPrintDialog dialog(Device.get(), &Form);
  dialog.setWindowTitle(QStringLiteral("Printer Setup"));
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
  // The dialog only chooses the printer here; nothing is printed from it.
  for (QDialogButtonBox* buttons : dialog.findChildren<QDialogButtonBox*>())
    if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) ok->setText(QStringLiteral("OK"));
  Form.Ask().RunModal(dialog);
}

void PagePrinter::PrintGraphicView(const std::function<void()>& then) {
  Form.HTMLSplit->PrintPages(*Device, 1, 9999, [this, then](bool ok) {
    if (!ok) Form.Ask().Fail(QStringLiteral("The page could not be printed."));
    if (then) then();
  });
}

bool PagePrinter::PrintWebPage() {
  // The internal clipboard lends its editor and gets its own text back exactly, without
  // the printed page in its undo history.
  EditorSurface& spare = *Form.SpareEditor;
  const QString own = spare.WholeText();
  const bool modified = spare.Modified();
  const bool readOnly = spare.isReadOnly();
  const QSignalBlocker quiet(&spare);
  spare.setReadOnly(false);
  spare.SendScintilla(QsciScintillaBase::SCI_SETUNDOCOLLECTION, 0L);
  spare.setText(Form.WebPage->WholeText());
  // Source text prints as plain text, without the tag colours.
  spare.SendScintilla(QsciScintillaBase::SCI_SETPRINTCOLOURMODE,
                      static_cast<unsigned long>(QsciScintillaBase::SC_PRINT_BLACKONWHITE));
  Device->setFromTo(0, 0);
  const bool printed = Device->printRange(&spare);
  spare.SendScintilla(QsciScintillaBase::SCI_SETPRINTCOLOURMODE,
                      static_cast<unsigned long>(QsciScintillaBase::SC_PRINT_NORMAL));
  spare.setText(own);
  spare.SendScintilla(QsciScintillaBase::SCI_SETUNDOCOLLECTION, 1L);
  spare.setReadOnly(readOnly);
  spare.SetModified(modified);
  if (!printed) Form.Ask().Fail(QStringLiteral("The page text could not be printed."));
  return printed;
}
