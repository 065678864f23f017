#pragma once

#include <QString>

class EditorSurface;

// Makes a compound edit of an editor one change for everyone listening, and one undo
// step. Replacing a selection is a deletion and an insertion to the editor, and each would
// tell the listeners (the live preview above all) about a half-done text; here the text
// notifications are held back while the steps run and given once at the end, and the
// selection is left alone until the caller sets it.
class PageChangeBatch {
 public:
  explicit PageChangeBatch(EditorSurface& editor);
  ~PageChangeBatch();
  PageChangeBatch(const PageChangeBatch&) = delete;
  PageChangeBatch& operator=(const PageChangeBatch&) = delete;

  // Replaces the selection (or inserts at the caret); the caret ends after the text and
  // nothing stays selected.
  void ReplaceSelection(const QString& text);

 private:
  EditorSurface& Editor;
  long EventMask;
  int Lines;
};
