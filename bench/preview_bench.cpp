// The preview beside the editor: refreshing a page of 100 KB and 1 MB, set against
// QWebEngineView::setHtml of the same text measured right after each refresh, and typing
// into a 1 MB page with "AutoUpdate" on against the same typing with it off. Then the
// memory of the main window with its three previews against a bare window with one
// editor and one web view. The machines this runs on are shared, so ratios are printed
// and a missed target does not fail the run.

#include <benchmark/benchmark.h>

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QProcess>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEngineView>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "platform/editor_surface.h"
#include "platform/html_viewer.h"
#include "platform/prompts.h"
#include "platform/settings_store.h"
#include "shell/page_documents.h"
#include "shell/preview.h"
#include "shell/tform1.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Runs the event loop until `done` holds; false when `seconds` pass first. It never
// sleeps: the engine queues its own work on this thread, many small steps to a load.
bool WaitUntil(const std::function<bool()>& done, double seconds = 60) {
  const Clock::time_point start = Clock::now();
  QTimer tick;  // wakes the loop to check again
  tick.start(2);
  while (!done()) {
    if (SecondsSince(start) > seconds) return false;
    QApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
  }
  return true;
}

void Spin(int milliseconds) {
  const Clock::time_point start = Clock::now();
  WaitUntil([&] { return SecondsSince(start) * 1000 >= milliseconds; });
}

// Hand-written pages as sites have them: headings, paragraphs with inline markup and
// links, lists and layout tables, with some non-ASCII text.
QString GeneratePage(int kilobytes) {
  std::mt19937 random{unsigned(kilobytes)};
  auto pick = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  static const char* const words[] = {"the",     "page",   "garden", "river",   "meeting",
                                      "program", "season", "photo",  "gallery", "news",
                                      "café",    "façade", "Grüße",  "résumé",  "village",
                                      "&amp;",   "&nbsp;", "order",  "history", "members"};
  auto text = [&](int count) {
    QString out;
    for (int i = 0; i < count; ++i) {
      if (i) out += QLatin1Char(' ');
      switch (pick(0, 7)) {
        case 0:
          out += QStringLiteral("<A HREF=\"page%1.htm\">%2</A>")
                     .arg(pick(1, 99))
                     .arg(words[pick(0, 19)]);
          break;
        case 1:
          out += QStringLiteral("<B>%1</B>").arg(QString::fromUtf8(words[pick(0, 19)]));
          break;
        case 2:
          out += QStringLiteral("<FONT COLOR=\"#336699\">%1</FONT>")
                     .arg(QString::fromUtf8(words[pick(0, 19)]));
          break;
        default:
          out += QString::fromUtf8(words[pick(0, 19)]);
      }
    }
    return out;
  };
  QString page = QStringLiteral(
      "<HTML>\r\n<HEAD><TITLE>Benchmark page</TITLE></HEAD>\r\n"
      "<BODY BGCOLOR=\"#FFFFFF\">\r\n");
  const qsizetype target = qsizetype(kilobytes) * 1024;
  for (int section = 1; page.toUtf8().size() < target - 2048; ++section) {
    page += QStringLiteral("<H2>%1 %2</H2>\r\n").arg(section).arg(text(3));
    for (int p = pick(1, 3); p > 0; --p)
      page += QStringLiteral("<P>%1</P>\r\n").arg(text(pick(30, 80)));
    if (pick(0, 2) == 0) {
      page += QStringLiteral("<UL>\r\n");
      for (int i = pick(3, 8); i > 0; --i)
        page += QStringLiteral("<LI>%1\r\n").arg(text(pick(4, 12)));
      page += QStringLiteral("</UL>\r\n");
    } else {
      page += QStringLiteral("<TABLE BORDER=\"1\" WIDTH=\"100%\">\r\n");
      for (int r = pick(2, 5); r > 0; --r)
        page += QStringLiteral("<TR><TD>%1</TD><TD ALIGN=\"RIGHT\">%2,50</TD></TR>\r\n")
                    .arg(text(pick(3, 10)))
                    .arg(pick(1, 999));
      page += QStringLiteral("</TABLE>\r\n");
    }
  }
  return page + QStringLiteral("</BODY>\r\n</HTML>\r\n");
}

// Answers every question by itself; errors and warnings are kept.
class AutoPrompts : public Prompts {
 public:
  QStringList Complaints;
  Answer Message(Kind kind, const QString& text, Buttons buttons) override {
    if (kind == Kind::Error || kind == Kind::Warning) Complaints << text;
    return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
  }
  std::optional<QString> Input(const QString&, const QString&, const QString&) override {
    return std::nullopt;
  }
  std::optional<QString> OpenFile(const FileRequest&) override { return std::nullopt; }
  std::optional<QStringList> OpenFiles(const FileRequest&) override { return std::nullopt; }
  std::optional<QString> SaveFile(const FileRequest&) override { return std::nullopt; }
  std::optional<QColor> Color(const QColor&) override { return std::nullopt; }
  std::optional<QFont> Font(const QFont&) override { return std::nullopt; }
  int RunModal(QDialog&) override { return QDialog::Rejected; }
};

// A fresh program directory and settings store, with the pages written beside them.
class Environment {
 public:
  Environment() {
    qputenv("XDG_CONFIG_HOME", Config.path().toUtf8());
    const QDir data(QStringLiteral(QUORVANE_DATA_DIR));
    for (const QString& name : data.entryList(QDir::Files))
      QFile::copy(data.filePath(name), Program.filePath(name));
    SettingsStore store;
    store.WriteBool(QStringLiteral("Helpers"), QStringLiteral("ShowTipOfTheDay"), false);
    store.WriteInteger(QStringLiteral("WindowAttributes"), QStringLiteral("SplitDirection"), 1);
    store.WriteInteger(QStringLiteral("WindowAttributes"), QStringLiteral("Width"), 1000);
    store.WriteInteger(QStringLiteral("WindowAttributes"), QStringLiteral("Height"), 700);
  }

  QString PagePath(int kilobytes) {
    const QString path =
        QDir(Pages.path()).filePath(QStringLiteral("page_%1kb.htm").arg(kilobytes));
    if (!QFile::exists(path)) {
      QFile file(path);
      if (file.open(QIODevice::WriteOnly)) file.write(GeneratePage(kilobytes).toUtf8());
    }
    return path;
  }

  std::unique_ptr<TForm1> StartWindow() {
    ShellEnvironment environment;
    environment.ProgramDir = Program.path() + QLatin1Char('/');
    environment.Ask = &Ask;
    auto form = std::make_unique<TForm1>(environment);
    form->Start();
    return form;
  }

  AutoPrompts Ask;

 private:
  QTemporaryDir Program;
  QTemporaryDir Config;
  QTemporaryDir Pages;
};

// ---------------------------------------------------------------- timing

struct Samples {
  std::vector<double> Operation;
  std::vector<double> Baseline;
};

struct Run {
  Environment Env;
  std::unique_ptr<TForm1> Form;
  std::unique_ptr<QWebEngineView> Plain;  // the setHtml baseline, as big as the preview
  std::map<std::string, std::map<int, Samples>> Results;
};
Run* Bench = nullptr;

bool Idle(HtmlViewer& viewer) {
  return WaitUntil([&] { return !viewer.Busy(); });
}

void OpenPage(int kilobytes) {
  PageDocuments& pages = Bench->Form->Pages();
  pages.CloseAllPages();
  pages.LoadFile(Bench->Env.PagePath(kilobytes), false);
  Idle(*Bench->Form->HTMLSplit);
}

// A refresh of the preview from the editor after a one-character change, until the
// render is done; right after it, setHtml of the same text in a plain view.
void BM_Refresh(benchmark::State& state) {
  const int kb = int(state.range(0));
  Bench->Form->Settings.AutoUpdate = false;
  OpenPage(kb);
  EditorSurface& editor = *Bench->Form->WebPage;
  HtmlViewer& split = *Bench->Form->HTMLSplit;
  const int middle = editor.LineCount() / 2;
  const QUrl base = QUrl::fromLocalFile(QFileInfo(Bench->Env.PagePath(kb)).absolutePath() + "/");
  bool insert = true;
  for (auto _ : state) {
    editor.SetSelectionPoints({middle, 0, middle, insert ? 0 : 1});
    editor.ReplaceSelection(insert ? QStringLiteral("x") : QString());
    insert = !insert;
    Clock::time_point start = Clock::now();
    Bench->Form->Previewer().UpdateWebView();
    if (!Idle(split)) {
      state.SkipWithError("the preview did not finish rendering");
      break;
    }
    const double refresh = SecondsSince(start);

    bool loaded = false;
    const QMetaObject::Connection done = QObject::connect(
        Bench->Plain.get(), &QWebEngineView::loadFinished, [&loaded] { loaded = true; });
    const QString text = editor.WholeText();
    start = Clock::now();
    Bench->Plain->setHtml(text, base);
    const bool finished = WaitUntil([&] { return loaded; });
    const double setHtml = SecondsSince(start);
    QObject::disconnect(done);
    if (!finished) {
      state.SkipWithError("setHtml did not finish");
      break;
    }
    state.SetIterationTime(refresh);
    Samples& samples = Bench->Results["Refresh"][kb];
    samples.Operation.push_back(refresh);
    samples.Baseline.push_back(setHtml);
  }
  if (!Bench->Env.Ask.Complaints.isEmpty())
    state.SkipWithError(Bench->Env.Ask.Complaints.takeFirst().toStdString().c_str());
}

// One keystroke in the middle of the page, timed from the key press until the editor has
// handled it (including whatever the preview does on the change); between keystrokes the
// user's typing speed (about 25 characters a second) lets the renders run.
void BM_Typing(benchmark::State& state) {
  const int kb = int(state.range(0));
  const bool autoUpdate = state.range(1) != 0;
  Bench->Form->Settings.AutoUpdate = false;
  OpenPage(kb);
  Bench->Form->Settings.AutoUpdate = autoUpdate;
  EditorSurface& editor = *Bench->Form->WebPage;
  const int middle = editor.LineCount() / 2;
  editor.SetSelectionPoints({middle, 0, middle, 0});
  editor.setFocus();
  std::vector<double>& samples =
      Bench->Results[autoUpdate ? "Typing on" : "Typing off"][kb].Operation;
  for (auto _ : state) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    const Clock::time_point start = Clock::now();
    QApplication::sendEvent(&editor, &press);
    QApplication::sendEvent(&editor, &release);
    // What the change set off on the user-interface thread belongs to the keystroke.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const double seconds = SecondsSince(start);
    state.SetIterationTime(seconds);
    samples.push_back(seconds);
    Spin(40);
  }
  Bench->Form->Settings.AutoUpdate = false;
  Idle(*Bench->Form->HTMLSplit);
}

void PrintRatios() {
  std::printf("\nSummary (medians of samples taken side by side in this run)\n");
  for (const int kb : {100, 1024}) {
    const auto& refresh = Bench->Results["Refresh"];
    if (!refresh.count(kb)) continue;
    const double ours = Median(refresh.at(kb).Operation);
    const double plain = Median(refresh.at(kb).Baseline);
    const double ratio = plain > 0 ? ours / plain : 0;
    std::printf("Refresh %4d KB: %7.1f ms, setHtml %7.1f ms, ratio %.2f (target <= 0.65: %s)\n", kb,
                ours * 1e3, plain * 1e3, ratio, ratio <= 0.65 ? "met" : "MISSED");
  }
  const auto& on = Bench->Results["Typing on"];
  const auto& off = Bench->Results["Typing off"];
  for (const auto& [kb, samples] : on) {
    if (!off.count(kb)) continue;
    const double with = Median(samples.Operation);
    const double without = Median(off.at(kb).Operation);
    std::printf("Keystroke in %d KB with AutoUpdate: %.2f ms, without: %.2f ms, ratio %.1f\n", kb,
                with * 1e3, without * 1e3, without > 0 ? with / without : 0);
  }
}

// ---------------------------------------------------------------- memory

// Proportional set size of a process in kilobytes.
long Pss(const QString& pid) {
  QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
  if (!rollup.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : rollup.readAll().split('\n'))
    if (line.startsWith("Pss:")) return line.mid(4).trimmed().split(' ').value(0).toLong();
  return 0;
}

// This process and every process it started, directly or not (WebEngine's zygote and
// renderers hang below its helper process).
long TreePss() {
  std::map<QString, QString> parents;
  for (const QString& pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
    if (pid.toLong() <= 0) continue;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) continue;
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    parents[pid] = QString::fromLatin1(fields.value(1));
  }
  const QString self = QString::number(QCoreApplication::applicationPid());
  long total = 0;
  for (const auto& [pid, parent] : parents) {
    for (QString up = pid; !up.isEmpty() && up != QLatin1String("0"); up = parents[up]) {
      if (up == self) {
        total += Pss(pid);
        break;
      }
      if (!parents.count(up)) break;
    }
  }
  return total;
}

// Child mode: build one of the two windows with the 100 KB page, let it settle, print
// its memory in kilobytes.
int MeasureMemory(const QString& which) {
  Environment env;
  const QString path = env.PagePath(100);
  std::unique_ptr<TForm1> form;
  std::unique_ptr<QSplitter> bare;
  if (which == QLatin1String("window")) {
    form = env.StartWindow();
    form->Pages().LoadFile(path, false);
    Idle(*form->HTMLSplit);
  } else {
    bare = std::make_unique<QSplitter>();
    auto* editor = new QsciScintilla(bare.get());
    auto* view = new QWebEngineView(bare.get());
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QString text = QString::fromUtf8(file.readAll());
    editor->setText(text);
    bare->resize(1000, 700);
    bare->show();
    bool loaded = false;
    QObject::connect(view, &QWebEngineView::loadFinished, [&] { loaded = true; });
    view->setHtml(text, QUrl::fromLocalFile(QFileInfo(path).absolutePath() + "/"));
    WaitUntil([&] { return loaded; });
  }
  Spin(3000);
  std::printf("%ld\n", TreePss());
  return 0;
}

void PrintMemory(const QString& program) {
  long kilobytes[2] = {0, 0};
  const char* const modes[2] = {"floor", "window"};
  for (int i = 0; i < 2; ++i) {
    QProcess child;
    child.start(program, {QStringLiteral("--memory=%1").arg(modes[i])});
    child.waitForFinished(120000);
    const QList<QByteArray> lines = child.readAllStandardOutput().trimmed().split('\n');
    kilobytes[i] = lines.last().trimmed().toLong();
  }
  const double ratio = kilobytes[0] > 0 ? double(kilobytes[1]) / double(kilobytes[0]) : 0;
  std::printf(
      "Memory (PSS with WebEngine's processes): bare editor + web view %.0f MB, "
      "main window with three previews %.0f MB, ratio %.2f (target <= 1.3: %s)\n",
      kilobytes[0] / 1024.0, kilobytes[1] / 1024.0, ratio, ratio <= 1.3 ? "met" : "MISSED");
}

}  // namespace

int main(int argc, char** argv) {
  // Headless unless told otherwise; Chromium's sandbox refuses to run as root.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  QString memory;
  for (int i = 1; i < argc; ++i)
    if (QByteArray(argv[i]).startsWith("--memory=")) memory = QString::fromLatin1(argv[i] + 9);
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  if (!memory.isEmpty()) {
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    return MeasureMemory(memory);
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  QApplication app(argc, argv);
  Run run;
  Bench = &run;
  run.Form = run.Env.StartWindow();
  run.Plain = std::make_unique<QWebEngineView>();
  run.Plain->resize(run.Form->HTMLSplit->size());
  run.Plain->show();

  for (const int kb : {100, 1024})
    benchmark::RegisterBenchmark("Refresh", BM_Refresh)
        ->Arg(kb)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(kb > 500 ? 8 : 15);
  for (const int on : {0, 1})
    benchmark::RegisterBenchmark(on ? "Typing/AutoUpdate" : "Typing/NoAutoUpdate", BM_Typing)
        ->Args({1024, on})
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond)
        ->Iterations(60);
  benchmark::RunSpecifiedBenchmarks();
  PrintRatios();
  run.Form->Pages().CloseAllPages();
  run.Form.reset();
  run.Plain.reset();
  Bench = nullptr;
  PrintMemory(QCoreApplication::applicationFilePath());
  benchmark::Shutdown();
  return 0;
}
