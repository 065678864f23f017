#include "tags/page_change_batch.h"

#include "platform/editor_surface.h"

PageChangeBatch::PageChangeBatch(EditorSurface& editor)
    : Editor(editor),
      EventMask(editor.SendScintilla(QsciScintillaBase::SCI_GETMODEVENTMASK)),
      Lines(editor.LineCount()) {
  Editor.beginUndoAction();
  // Only the text notifications: the save point and selection keep the editor's own
  // state (its modified flag, whether text is selected) as it should be.
  Editor.SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK, 0UL);
}

PageChangeBatch::~PageChangeBatch() {
  Editor.SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK,
                       static_cast<unsigned long>(EventMask));
  Editor.endUndoAction();
  emit Editor.textChanged();
  if (Editor.LineCount() != Lines) emit Editor.linesChanged();
}

void PageChangeBatch::ReplaceSelection(const QString& text) {
  if (Editor.SendScintilla(QsciScintillaBase::SCI_SELECTIONISRECTANGLE)) {
    Editor.ReplaceSelection(text);  // every piece of a rectangle goes
    return;
  }
  // Replacing the target, unlike the selection, does not announce a selection that
  // is gone before the new text is there.
  const QByteArray utf8 = text.toUtf8();
  Editor.SendScintilla(QsciScintillaBase::SCI_TARGETFROMSELECTION);
  Editor.SendScintilla(QsciScintillaBase::SCI_REPLACETARGET, static_cast<uintptr_t>(utf8.size()),
                       utf8.constData());
  Editor.SendScintilla(QsciScintillaBase::SCI_GOTOPOS,
                       Editor.SendScintilla(QsciScintillaBase::SCI_GETTARGETEND));
}
