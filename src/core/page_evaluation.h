#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// The findings of one evaluation of a page: its SRC and background references, its links
// and page markers, and a detail line for each finding saying where it stands. The
// caller finds the lines to scan; this class reads them.
class PageEvaluation {
 public:
  enum class ReferenceKind { Link, Marker };
  // A detail line; Line is 0 for a line that names no place in the page, Column is -1
  // when it names a line only.
  struct Detail {
    QString Text;
    int Line = 0;
    int Column = -1;
  };
  // Size in bytes of the file a reference names, -1 when there is none.
  using FileSize = std::function<qint64(const QString& value)>;
  using FileExists = std::function<bool(const QString& value)>;

  static const QString NotLocated;  // "(Did not locate.)"

  void Clear();
  void AddDetail(const QString& text) { Details.push_back({text, 0, -1}); }

  // Reads the value after every occurrence of `key` (ignoring case) in the line and looks
  // for its file; returns the bytes of the files found, which are also added to the total.
  qint64 ScanLineForImages(int line, const QString& text, const QString& key,
                           const FileSize& sizeOf);
  // Reads the value after every occurrence of `key` (ignoring case) as a link or a page
  // marker. Markers are read after all links, which they are matched against.
  void ScanLineForReferences(int line, const QString& text, ReferenceKind kind, const QString& key,
                             const FileExists& exists);
  // Sorts the lists, pairs in-page links with markers and adds the summary line.
  void Finish();

  // The lists, sorted alphabetically (ignoring case) once Finish has run, each value once.
  const QStringList& FilesFound() const { return Found.Items; }
  const QStringList& FilesMissing() const { return Missing.Items; }
  const QStringList& Links() const { return AllLinks.Items; }
  const QStringList& LocatedLinks() const { return Located.Items; }
  const QStringList& PageMarkers() const { return Markers.Items; }
  const QStringList& MissingPages() const { return Unmatched.Items; }
  const std::vector<Detail>& WebDetails() const { return Details; }
  qint64 TotalBytes() const { return Total; }

 private:
  // A list that holds each value once, compared ignoring case.
  struct ValueList {
    QStringList Items;
    QSet<QString> Keys;
    bool Contains(const QString& value) const { return Keys.contains(value.toCaseFolded()); }
    void Add(const QString& value);
    void Sort();
    void Clear();
  };

  ValueList Found;
  ValueList Missing;
  ValueList AllLinks;
  ValueList Located;
  ValueList Markers;
  ValueList Unmatched;
  std::vector<Detail> Details;
  qint64 Total = 0;
};
