#include "platform/editor_surface.h"

#include <Qsci/qscilexerhtml.h>

#include <QFontDatabase>
#include <QKeyEvent>
#include <QStringDecoder>
#include <algorithm>
#include <cstdint>

#include "platform/atomic_file.h"

// Scintilla works in UTF-8 byte positions; everything the program sees is in lines from 1
// and QString characters (UTF-16 units) from the start of the line, so every position is
// converted here and nowhere else.

namespace {

// A U+FEFF at the start of the text is a character here, not a byte-order mark to drop
// (QString::fromUtf8 would drop it).
QString FromUtf8(const char* bytes, qsizetype size) {
  QStringDecoder decoder(QStringDecoder::Utf8,
                         QStringDecoder::Flag::ConvertInitialBom | QStringDecoder::Flag::Stateless);
  return decoder.decode(QByteArrayView(bytes, size));
}

// Everything between "<" and ">" takes the tag colours.
constexpr int kTagStyles[] = {
    QsciLexerHTML::Tag,
    QsciLexerHTML::UnknownTag,
    QsciLexerHTML::Attribute,
    QsciLexerHTML::UnknownAttribute,
    QsciLexerHTML::HTMLNumber,
    QsciLexerHTML::HTMLDoubleQuotedString,
    QsciLexerHTML::HTMLSingleQuotedString,
    QsciLexerHTML::OtherInTag,
    QsciLexerHTML::XMLTagEnd,
    QsciLexerHTML::XMLStart,
    QsciLexerHTML::XMLEnd,
    QsciLexerHTML::HTMLValue,
    QsciLexerHTML::SGMLDefault,
    QsciLexerHTML::SGMLCommand,
    QsciLexerHTML::SGMLParameter,
    QsciLexerHTML::SGMLDoubleQuotedString,
    QsciLexerHTML::SGMLSingleQuotedString,
};

}  // namespace

EditorSurface::EditorSurface(QWidget* parent)
    : QsciScintilla(parent), Lexer(new QsciLexerHTML(this)) {
  setUtf8(true);
  const QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  Lexer->setDefaultFont(font);
  Lexer->setFont(font);  // every style, so columns line up whatever the styling
  setLexer(Lexer);
  SetTagColors(Qt::blue, Qt::white);
  // The program highlights matching tags itself.
  setBraceMatching(NoBraceMatch);
}

bool EditorSurface::LoadFile(const QString& path, PageEncoding* encoding, QString* error) {
  QByteArray bytes;
  if (!ReadWholeFile(path, &bytes, error)) return false;
  const DecodedPage page = DecodePage(bytes);
  const QByteArray utf8 = page.Text.toUtf8();
  const bool readOnly = isReadOnly();
  setReadOnly(false);
  // Appending by length keeps NUL characters, which setText() would cut the text at.
  SendScintilla(SCI_CLEARALL);
  SendScintilla(SCI_APPENDTEXT, static_cast<uintptr_t>(utf8.size()), utf8.constData());
  setReadOnly(readOnly);
  SendScintilla(SCI_EMPTYUNDOBUFFER);
  SetModified(false);
  if (encoding) *encoding = page.Encoding;
  return true;
}

bool EditorSurface::SaveFile(const QString& path, PageEncoding encoding, LineEndStyle style,
                             QString* error) const {
  return WriteFileAtomically(path, EncodePage(ApplyLineEnds(WholeText(), style), encoding), error);
}

QString EditorSurface::WholeText() const {
  const long length = SendScintilla(SCI_GETLENGTH);
  const auto* bytes = static_cast<const char*>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
  return FromUtf8(bytes, length);
}

int EditorSurface::TextLength() const {
  return SendScintilla(SCI_COUNTCODEUNITS, 0UL, SendScintilla(SCI_GETLENGTH));
}

void EditorSurface::ClearAll() { clear(); }

void EditorSurface::DeleteSelection() { removeSelectedText(); }

QString EditorSurface::SelectedText() const {
  if (SendScintilla(SCI_SELECTIONISRECTANGLE)) return selectedText();
  return TextBetween(SendScintilla(SCI_GETSELECTIONSTART), SendScintilla(SCI_GETSELECTIONEND));
}

int EditorSurface::SelLength() const {
  return SendScintilla(SCI_COUNTCODEUNITS,
                       static_cast<unsigned long>(SendScintilla(SCI_GETSELECTIONSTART)),
                       SendScintilla(SCI_GETSELECTIONEND));
}

QString EditorSurface::CurrentText() {
  if (!hasSelectedText()) {
    const long caret = SendScintilla(SCI_GETCURRENTPOS);
    const long line = SendScintilla(SCI_LINEFROMPOSITION, caret);
    SendScintilla(SCI_SETSEL, static_cast<unsigned long>(caret),
                  SendScintilla(SCI_GETLINEENDPOSITION, line));
  }
  return SelectedText();
}

void EditorSurface::ReplaceSelection(const QString& text) { InsertAtCaret(text); }

void EditorSurface::Append(const QString& text) {
  SendScintilla(SCI_GOTOPOS, SendScintilla(SCI_GETLENGTH));
  InsertAtCaret(text);
}

void EditorSurface::InsertAtLine(int line, int col, const QString& text) {
  SendScintilla(SCI_GOTOPOS, PositionOf(line, col));
  InsertAtCaret(text);
}

EditorSurface::SelectionPoints EditorSurface::GetSelectionPoints() const {
  SelectionPoints points;
  LineColumnOf(SendScintilla(SCI_GETANCHOR), &points.StartLine, &points.StartCol);
  LineColumnOf(SendScintilla(SCI_GETCURRENTPOS), &points.EndLine, &points.EndCol);
  return points;
}

void EditorSurface::SetSelectionPoints(const SelectionPoints& points) {
  SendScintilla(SCI_SETSEL,
                static_cast<unsigned long>(PositionOf(points.StartLine, points.StartCol)),
                PositionOf(points.EndLine, points.EndCol));
}

int EditorSurface::FirstVisibleLine() const {
  return SendScintilla(SCI_DOCLINEFROMVISIBLE, SendScintilla(SCI_GETFIRSTVISIBLELINE)) + 1;
}

void EditorSurface::SetFirstVisibleLine(int line) {
  SendScintilla(SCI_SETFIRSTVISIBLELINE,
                SendScintilla(SCI_VISIBLEFROMDOCLINE, std::max(line, 1) - 1));
}

int EditorSurface::FirstVisibleColumn() const {
  return SendScintilla(SCI_GETXOFFSET) / CharWidth();
}

void EditorSurface::SetFirstVisibleColumn(int col) {
  SendScintilla(SCI_SETXOFFSET, std::max(col, 0) * CharWidth());
}

int EditorSurface::LineCount() const { return SendScintilla(SCI_GETLINECOUNT); }

int EditorSurface::LineLength(int line) const {
  if (line < 1 || line > LineCount()) return 0;
  return SendScintilla(SCI_COUNTCODEUNITS,
                       static_cast<unsigned long>(SendScintilla(SCI_POSITIONFROMLINE, line - 1)),
                       SendScintilla(SCI_GETLINEENDPOSITION, line - 1));
}

QString EditorSurface::LineText(int line) const {
  if (line < 1 || line > LineCount()) return QString();
  return TextBetween(SendScintilla(SCI_POSITIONFROMLINE, line - 1),
                     SendScintilla(SCI_GETLINEENDPOSITION, line - 1));
}

bool EditorSurface::FindForward(const QString& text) {
  long matchEnd = 0;
  const long start =
      Search(text.left(MaxFindLength).toUtf8(), SendScintilla(SCI_GETSELECTIONEND), &matchEnd);
  if (start < 0) return false;
  SendScintilla(SCI_SETSEL, static_cast<unsigned long>(start), matchEnd);
  return true;
}

bool EditorSurface::FindFrom(FindPosition& from, const QString& text) const {
  long matchEnd = 0;
  const long start = Search(text.toUtf8(), PositionOf(from.Line, from.Col), &matchEnd);
  if (start < 0) return false;
  LineColumnOf(start, &from.Line, &from.Col);
  return true;
}

int EditorSurface::ReplaceAll(const QString& find, const QString& replacement) {
  const QByteArray needle = find.toUtf8();
  if (needle.isEmpty()) return 0;
  const QByteArray with = replacement.toUtf8();
  int count = 0;
  long from = 0;
  long matchEnd = 0;
  beginUndoAction();
  for (long start; (start = Search(needle, from, &matchEnd)) >= 0; ++count) {
    SendScintilla(SCI_SETTARGETRANGE, static_cast<unsigned long>(start), matchEnd);
    SendScintilla(SCI_REPLACETARGET, static_cast<uintptr_t>(with.size()), with.constData());
    from = SendScintilla(SCI_GETTARGETEND);  // past the replacement, which may hold `find`
  }
  endUndoAction();
  return count;
}

void EditorSurface::SetTagColors(const QColor& text, const QColor& background) {
  for (const int style : kTagStyles) {
    Lexer->setColor(text, style);
    Lexer->setPaper(background, style);
  }
}

void EditorSurface::SetEditorFont(const QFont& font) {
  Lexer->setDefaultFont(font);
  Lexer->setFont(font);
}

QFont EditorSurface::EditorFont() const { return Lexer->QsciLexer::defaultFont(); }

void EditorSurface::SetTextColor(const QColor& color) {
  const QColor tagText = TagTextColor();
  const QColor tagBackground = TagBackgroundColor();
  Lexer->setDefaultColor(color);
  Lexer->setColor(color, -1);
  SetTagColors(tagText, tagBackground);
}

QColor EditorSurface::TextColor() const { return Lexer->QsciLexer::defaultColor(); }

void EditorSurface::SetBackgroundColor(const QColor& color) {
  const QColor tagText = TagTextColor();
  const QColor tagBackground = TagBackgroundColor();
  Lexer->setDefaultPaper(color);
  Lexer->setPaper(color, -1);
  SetTagColors(tagText, tagBackground);
}

QColor EditorSurface::BackgroundColor() const { return Lexer->QsciLexer::defaultPaper(); }

QColor EditorSurface::TagTextColor() const { return Lexer->color(QsciLexerHTML::Tag); }

QColor EditorSurface::TagBackgroundColor() const { return Lexer->paper(QsciLexerHTML::Tag); }

void EditorSurface::keyPressEvent(QKeyEvent* event) {
  const bool overwrite = overwriteMode();
  QsciScintilla::keyPressEvent(event);
  if (overwriteMode() != overwrite) emit ModeChanged(!overwriteMode());
}

long EditorSurface::PositionOf(int line, int col) const {
  if (line < 1) return 0;
  if (line > LineCount()) return SendScintilla(SCI_GETLENGTH);
  const long start = SendScintilla(SCI_POSITIONFROMLINE, line - 1);
  const long end = SendScintilla(SCI_GETLINEENDPOSITION, line - 1);
  if (col <= 0) return start;
  if (col >= SendScintilla(SCI_COUNTCODEUNITS, static_cast<unsigned long>(start), end)) return end;
  return SendScintilla(SCI_POSITIONRELATIVECODEUNITS, static_cast<unsigned long>(start),
                       static_cast<long>(col));
}

void EditorSurface::LineColumnOf(long position, int* line, int* col) const {
  const long index = SendScintilla(SCI_LINEFROMPOSITION, position);
  *line = index + 1;
  *col = SendScintilla(SCI_COUNTCODEUNITS,
                       static_cast<unsigned long>(SendScintilla(SCI_POSITIONFROMLINE, index)),
                       position);
}

QString EditorSurface::TextBetween(long start, long end) const {
  if (end <= start) return QString();
  QByteArray bytes(end - start + 1, Qt::Uninitialized);
  SendScintilla(SCI_GETTEXTRANGE, start, end, bytes.data());
  return FromUtf8(bytes.constData(), end - start);
}

void EditorSurface::InsertAtCaret(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  beginUndoAction();
  SendScintilla(SCI_REPLACESEL, "");
  // By length, so that NUL characters are inserted too; leaves the caret after the text.
  SendScintilla(SCI_ADDTEXT, static_cast<uintptr_t>(utf8.size()), utf8.constData());
  endUndoAction();
  SendScintilla(SCI_SCROLLCARET);
}

long EditorSurface::Search(const QByteArray& needle, long from, long* matchEnd) const {
  if (needle.isEmpty()) return -1;
  // The target is shared with anyone else searching or replacing: leave it as found.
  const long oldStart = SendScintilla(SCI_GETTARGETSTART);
  const long oldEnd = SendScintilla(SCI_GETTARGETEND);
  const long oldFlags = SendScintilla(SCI_GETSEARCHFLAGS);
  SendScintilla(SCI_SETTARGETRANGE, static_cast<unsigned long>(from), SendScintilla(SCI_GETLENGTH));
  SendScintilla(SCI_SETSEARCHFLAGS, 0UL);  // ignoring case, plain text
  const long start =
      SendScintilla(SCI_SEARCHINTARGET, static_cast<uintptr_t>(needle.size()), needle.constData());
  if (start >= 0) *matchEnd = SendScintilla(SCI_GETTARGETEND);
  SendScintilla(SCI_SETSEARCHFLAGS, static_cast<unsigned long>(oldFlags));
  SendScintilla(SCI_SETTARGETRANGE, static_cast<unsigned long>(oldStart), oldEnd);
  return start;
}

int EditorSurface::CharWidth() const {
  const int width = SendScintilla(SCI_TEXTWIDTH, static_cast<unsigned long>(STYLE_DEFAULT), "0");
  return std::max(width, 1);
}
