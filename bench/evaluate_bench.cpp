// The page evaluation on generated pages of 5,000 and 50,000 lines full of SRC and HREF
// references, set against one plain pass over the same lines of the same editor (each
// line read and lower-cased once, as any scan must). The time per line should stay the
// same from the small page to the large one. The machines this runs on are shared, so
// the summary gives per-line times and ratios from the same run, and nothing fails.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <optional>
#include <random>
#include <vector>

#include "core/tag_text.h"
#include "platform/editor_surface.h"
#include "platform/prompts.h"
#include "projects/evaluate_form.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Nobody to ask: the evaluation asks nothing unless a link is double-clicked.
class SilentPrompts : public Prompts {
 public:
  Answer Message(Kind, const QString&, Buttons) override { return Answer::Ok; }
  std::optional<QString> Input(const QString&, const QString&, const QString&) override {
    return std::nullopt;
  }
  std::optional<QString> OpenFile(const FileRequest&) override { return std::nullopt; }
  std::optional<QStringList> OpenFiles(const FileRequest&) override { return std::nullopt; }
  std::optional<QString> SaveFile(const FileRequest&) override { return std::nullopt; }
  std::optional<QColor> Color(const QColor&) override { return std::nullopt; }
  std::optional<QFont> Font(const QFont&) override { return std::nullopt; }
  int RunModal(QDialog&) override { return 0; }
};

// Body lines with images, links, in-page links and markers, a few on every line; half of
// the images and pages exist beside the page, and some names occur only once.
QString GeneratePage(int lines, const QDir& site) {
  std::mt19937 random{unsigned(lines)};
  auto pick = [&random](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  QString page = QStringLiteral(
      "<HTML><HEAD><TITLE>Generated</TITLE></HEAD>\r\n<BODY BACKGROUND=\"back.gif\">\r\n");
  for (int line = 3; line < lines; ++line) {
    switch (line % 4) {
      case 0:
        page += QStringLiteral(
                    "<P><IMG SRC=\"images/pic%1.gif\" WIDTH=\"20\" HEIGHT=\"20\"> "
                    "<A HREF=\"page%2.htm\">page %2</A> and more text here</P>\r\n")
                    .arg(pick(1, 200))
                    .arg(pick(1, 400));
        break;
      case 1:
        page += QStringLiteral(
                    "<TD><IMG SRC=\"images/pic%1.gif\"><IMG SRC=\"once%2.jpg\" "
                    "ALT=\"x\"> <A HREF=\"#s%3\">up</A></TD>\r\n")
                    .arg(pick(1, 200))
                    .arg(line)
                    .arg(pick(1, 60));
        break;
      case 2:
        page += QStringLiteral(
                    "<A NAME=\"s%1\"></A><A HREF=\"http://example.com/%2\">out</A> "
                    "<A HREF=\"mailto:m%1@example.com\">mail</A>\r\n")
                    .arg(line % 50)
                    .arg(pick(1, 1000));
        break;
      default:
        page += QStringLiteral(
            "Plain text of a paragraph without any reference in it at all, "
            "for the scan to pass over.\r\n");
        break;
    }
  }
  page += QStringLiteral("</BODY></HTML>\r\n");
  site.mkpath(QStringLiteral("images"));
  for (int n = 1; n <= 200; n += 2) {
    QFile image(site.filePath(QStringLiteral("images/pic%1.gif").arg(n)));
    if (image.open(QIODevice::WriteOnly)) image.write(QByteArray(n * 10, 'x'));
  }
  for (int n = 1; n <= 400; n += 2) {
    QFile linked(site.filePath(QStringLiteral("page%1.htm").arg(n)));
    if (linked.open(QIODevice::WriteOnly)) linked.write("<HTML></HTML>");
  }
  return page;
}

// One plain pass: every line of the editor read and lower-cased, and its references counted.
int PlainPass(const EditorSurface& editor) {
  int found = 0;
  for (int line = 1, count = editor.LineCount(); line <= count; ++line)
    found += int(AsciiLower(editor.LineText(line)).count(QLatin1String("src=")));
  return found;
}

struct Measure {
  std::vector<double> Evaluate;
  std::vector<double> Plain;
};
std::map<int, Measure> Results;  // by lines

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void BM_Evaluate(benchmark::State& state) {
  const int lines = int(state.range(0));
  QTemporaryDir site;
  const QString page = GeneratePage(lines, QDir(site.path()));
  EditorSurface editor;
  editor.setText(page);
  SilentPrompts ask;
  TEvaluateForm form({&editor, [&site] { return site.filePath(QStringLiteral("page.htm")); },
                      [&site] { return site.path(); }, [] {}, &ask});
  QDir::setCurrent(site.path());
  for (auto _ : state) {
    const Clock::time_point start = Clock::now();
    form.Evaluate();
    const double evaluate = SecondsSince(start);
    state.SetIterationTime(evaluate);
    const Clock::time_point plainStart = Clock::now();
    benchmark::DoNotOptimize(PlainPass(editor));
    Results[lines].Evaluate.push_back(evaluate);
    Results[lines].Plain.push_back(SecondsSince(plainStart));
  }
  if (form.Result().FilesFound().isEmpty() || form.Result().LocatedLinks().isEmpty() ||
      form.Result().FilesMissing().size() < lines / 8)
    state.SkipWithError("the evaluation did not find the page's references");
  state.counters["lines"] = lines;
  state.counters["details"] = double(form.Result().WebDetails().size());
}
BENCHMARK(BM_Evaluate)
    ->Arg(5000)
    ->Arg(50000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);

void PrintSummary() {
  std::printf("\nEvaluate, median per line (plain pass = every line read and lower-cased once):\n");
  double smallPerLine = 0;
  for (const auto& [lines, measure] : Results) {
    const double perLine = Median(measure.Evaluate) / lines;
    const double plainPerLine = Median(measure.Plain) / lines;
    std::printf("  %6d lines: %7.2f us per line, %5.1fx one plain pass (%.2f us per line)\n", lines,
                perLine * 1e6, plainPerLine > 0 ? perLine / plainPerLine : 0.0, plainPerLine * 1e6);
    if (!smallPerLine)
      smallPerLine = perLine;
    else
      std::printf(
          "  time per line at %d lines is %.2fx that at the smallest page (1.0 is "
          "linear growth)\n",
          lines, perLine / smallPerLine);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  PrintSummary();
  return 0;
}
