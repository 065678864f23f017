#include "platform/editor_surface.h"

#include <Qsci/qscilexerhtml.h>

#include <QFontDatabase>
#include <QKeyEvent>
#include <QStringDecoder>
#include <algorithm>
#include <cstdint>
#include <cstring>

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

// ASCII letters fold to lower case; every other byte stands for itself.
constexpr unsigned char FoldAscii(char c) {
  const auto b = static_cast<unsigned char>(c);
  return b >= 'A' && b <= 'Z' ? b + ('a' - 'A') : b;
}

bool IsAscii(QByteArrayView bytes) {
  return std::all_of(bytes.begin(), bytes.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Start of the first occurrence of `needle` in `text`, ASCII letters matching without
// regard to case, or -1. A needle starting with a non-letter (such as "<") is looked for
// with memchr, the common case of the program's tag searches.
qsizetype FindIgnoringAsciiCase(QByteArrayView text, QByteArrayView needle) {
  const qsizetype n = needle.size();
  const qsizetype last = text.size() - n;  // the last place a match can start
  const unsigned char first = FoldAscii(needle[0]);
  const bool firstIsLetter = first >= 'a' && first <= 'z';
  for (qsizetype i = 0; i <= last; ++i) {
    if (!firstIsLetter) {
      const void* hit = std::memchr(text.data() + i, first, size_t(last - i + 1));
      if (!hit) return -1;
      i = static_cast<const char*>(hit) - text.data();
    } else if (FoldAscii(text[i]) != first) {
      continue;
    }
    qsizetype k = 1;
    while (k < n && FoldAscii(text[i + k]) == FoldAscii(needle[k])) ++k;
    if (k == n) return i;
  }
  return -1;
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
  // The editor holds UTF-8: a UTF-8 page goes in as it is, only Windows-1252 is converted.
  const PageEncoding pageEncoding = DetectPageEncoding(bytes);
  QByteArrayView utf8(bytes);
  QByteArray converted;
  if (pageEncoding == PageEncoding::Utf8Bom) {
    utf8 = utf8.sliced(3);
  } else if (pageEncoding == PageEncoding::Windows1252) {
    converted = DecodePage(bytes).Text.toUtf8();
    utf8 = converted;
  }
  const bool readOnly = isReadOnly();
  const bool collectingUndo = SendScintilla(SCI_GETUNDOCOLLECTION);
  setReadOnly(false);
  // A load is no step to undo: recording it would only copy the old and the new text into
  // the undo history, megabytes for a large page, to be thrown away at once.
  SendScintilla(SCI_SETUNDOCOLLECTION, 0UL);
  SendScintilla(SCI_CLEARALL);
  // Appending by length keeps NUL characters, which setText() would cut the text at.
  SendScintilla(SCI_APPENDTEXT, static_cast<uintptr_t>(utf8.size()), utf8.data());
  SendScintilla(SCI_SETUNDOCOLLECTION, static_cast<unsigned long>(collectingUndo));
  setReadOnly(readOnly);
  SendScintilla(SCI_EMPTYUNDOBUFFER);
  SetModified(false);
  if (encoding) *encoding = pageEncoding;
  return true;
}

bool EditorSurface::SaveFile(const QString& path, PageEncoding encoding, LineEndStyle style,
                             QString* error) const {
  if (encoding != PageEncoding::Windows1252) {
    // The editor's own buffer is the UTF-8 to write whenever no line end changes: no copy
    // of the text through a QString and back.
    const long length = SendScintilla(SCI_GETLENGTH);
    const auto* text = static_cast<const char*>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
    const QByteArrayView view(text, length);
    const bool keepsLineEnds = style == LineEndStyle::Default ||
                               (style == LineEndStyle::Unix && !view.contains('\r')) ||
                               (style == LineEndStyle::Mac && !view.contains('\n'));
    if (keepsLineEnds) {
      if (encoding == PageEncoding::Utf8)
        return WriteFileAtomically(path, QByteArray::fromRawData(text, length), error);
      QByteArray withBom;
      withBom.reserve(length + 3);
      withBom.append("\xEF\xBB\xBF").append(view);
      return WriteFileAtomically(path, withBom, error);
    }
  }
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
  if (IsAscii(needle)) {
    // Scintilla compares a UTF-8 text character by character, a tenth of a second for a
    // page of megabytes, and the preview looks for "<frameset " on every refresh. Its case
    // folding covers ASCII letters only, so an ASCII needle is looked for in the bytes
    // instead, with the same result. The range pointer leaves the buffer's gap where
    // ReplaceAll has just put it.
    const long length = SendScintilla(SCI_GETLENGTH);
    if (from < 0 || from >= length) return -1;
    static_assert(sizeof(long) == sizeof(const char*), "Scintilla hands pointers back as long");
    const auto* text = reinterpret_cast<const char*>(
        SendScintilla(SCI_GETRANGEPOINTER, static_cast<unsigned long>(from), length - from));
    const qsizetype at = FindIgnoringAsciiCase(QByteArrayView(text, length - from), needle);
    if (at < 0) return -1;
    *matchEnd = from + long(at) + long(needle.size());
    return from + long(at);
  }
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
