#pragma once

#include <Qsci/qsciscintilla.h>

#include <QColor>

#include "core/page_text.h"

class QsciLexerHTML;

// The source editor as the program uses it: the page editor and the internal clipboard
// editor are both one of these. Lines count from 1 and columns from 0 (in characters)
// wherever the program sees them. The editor never stores its file by itself; pages are
// saved only through the page commands.
class EditorSurface : public QsciScintilla {
  Q_OBJECT

 public:
  struct SelectionPoints {
    int StartLine = 1;
    int StartCol = 0;
    int EndLine = 1;  // the end is the caret
    int EndCol = 0;
    bool operator==(const SelectionPoints& o) const {
      return StartLine == o.StartLine && StartCol == o.StartCol && EndLine == o.EndLine &&
             EndCol == o.EndCol;
    }
  };
  // A search position kept apart from the caret (find from a position).
  struct FindPosition {
    int Line = 1;
    int Col = 0;
  };

  static constexpr int MaxFindLength = 125;

  explicit EditorSurface(QWidget* parent = nullptr);

  // Replace the whole text by a file's contents (decoded as in DecodePage); clears the
  // modified flag and the undo history. False with a message when the file cannot be read.
  bool LoadFile(const QString& path, PageEncoding* encoding, QString* error);
  // Write the whole text to a file atomically in the given encoding and line-end style.
  // False with a message when it cannot be written; the old file is then left as it was.
  bool SaveFile(const QString& path, PageEncoding encoding, LineEndStyle style,
                QString* error) const;

  QString WholeText() const;
  int TextLength() const;  // in characters
  void ClearAll();
  void DeleteSelection();
  QString SelectedText() const;
  int SelLength() const;  // in characters, 0 when nothing is selected
  // The selection; with none, first extends it from the caret to the end of its line.
  QString CurrentText();
  // Replaces the selection (or inserts at the caret); the caret ends after the text and
  // nothing stays selected.
  void ReplaceSelection(const QString& text);
  void Append(const QString& text);
  // Caret to line/column (clamped to the text), then insert there.
  void InsertAtLine(int line, int col, const QString& text);

  SelectionPoints GetSelectionPoints() const;
  void SetSelectionPoints(const SelectionPoints& points);

  int FirstVisibleLine() const;  // from 1
  void SetFirstVisibleLine(int line);
  int FirstVisibleColumn() const;  // from 0
  void SetFirstVisibleColumn(int col);

  int LineCount() const;
  int LineLength(int line) const;    // without the line end
  QString LineText(int line) const;  // without the line end

  // Forward from the caret, ignoring case; selects the match. At most MaxFindLength
  // characters of the text are looked for.
  bool FindForward(const QString& text);
  // Forward from `from`, ignoring case, without touching caret, selection or scroll
  // position; on success `from` is moved to the start of the match.
  bool FindFrom(FindPosition& from, const QString& text) const;
  // Replaces every occurrence (ignoring case) as one undo step; returns the count.
  int ReplaceAll(const QString& find, const QString& replacement);

  // The editor itself can only clear its modified state; a page coming back from its
  // working copy may need it set again.
  bool Modified() const { return isModified() || MarkedModified; }
  void SetModified(bool modified) {
    MarkedModified = modified;
    if (!modified) setModified(false);
  }
  bool InsertMode() const { return !overwriteMode(); }

  void SetSelectionColors(const QColor& background, const QColor& text) {
    SelectionBack = background;
    SelectionFore = text;
    setSelectionBackgroundColor(background);
    setSelectionForegroundColor(text);
  }
  QColor SelectionBackground() const { return SelectionBack; }
  QColor SelectionForeground() const { return SelectionFore; }

  // Font and colours of the text outside tags; the tag colours stay as they are.
  void SetEditorFont(const QFont& font);
  QFont EditorFont() const;
  void SetTextColor(const QColor& color);
  QColor TextColor() const;
  void SetBackgroundColor(const QColor& color);
  QColor BackgroundColor() const;

  void SetTagColors(const QColor& text, const QColor& background);
  QColor TagTextColor() const;
  QColor TagBackgroundColor() const;

 signals:
  // Insert/overwrite mode changed (the Insert key).
  void ModeChanged(bool insertMode);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  long PositionOf(int line, int col) const;  // line from 1, col from 0, clamped
  void LineColumnOf(long position, int* line, int* col) const;
  QString TextBetween(long start, long end) const;
  void InsertAtCaret(const QString& text);
  // Start of the first match (ignoring the case of ASCII letters) at or after `from`, or
  // -1; target kept.
  long Search(const QByteArray& needle, long from, long* matchEnd) const;
  int CharWidth() const;  // pixels of one column of the monospace font
  QsciLexerHTML* Lexer;
  QColor SelectionBack;
  QColor SelectionFore;
  bool MarkedModified = false;
};
