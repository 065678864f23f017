// The HTML viewer on the real WebEngine: rendering from memory, links, history, forms,
// the files a page may read, find and print.
#include "platform/html_viewer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>

#include "qt_printers.h"
#include "viewer_driver.h"

using namespace viewer_driver;

namespace {

class HtmlViewerTest : public ::testing::Test {
 protected:
  HtmlViewerTest() : Site(Root.filePath("site")) {
    QDir(Root.path()).mkpath("site/images");
    QImage logo(10, 10, QImage::Format_RGB32);
    logo.fill(Qt::red);
    logo.save(Site.filePath("images/logo.png"));
    Viewer.resize(600, 400);
    Viewer.show();
  }

  void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
  }
  // Renders `html` as site/page.htm from memory and waits for the render.
  bool Render(const QString& html) {
    QSignalSpy finished(&Viewer, &HtmlViewer::RenderFinished);
    Viewer.RenderText(html, Site.path(), "page.htm");
    return Await(finished) && finished.first().first().toBool();
  }
  QString ShownPath() { return Viewer.page()->url().path(); }

  QTemporaryDir Root;
  QDir Site;
  HtmlViewer Viewer;
};

TEST_F(HtmlViewerTest, RendersTheTextFromMemoryWithItsFolderAndKeepsTheScrollPosition) {
  Write(Site.filePath("page.htm"), "<p>DISK</p>");
  Viewer.SetImagesEnabled(true);
  Viewer.SetDefaultColors(Qt::red, Qt::white);
  ASSERT_TRUE(
      Render(QString::fromUtf8("<p id=t>MEMORY \u00e9</p><p id=g><font color=\"#00FF00\">"
                               "own colour</font></p><img src=\"images/logo.png\">")));
  EXPECT_FALSE(Viewer.Busy());
  EXPECT_TRUE(BodyText(Viewer).contains(QString::fromUtf8("MEMORY \u00e9")));
  EXPECT_FALSE(BodyText(Viewer).contains("DISK"));
  EXPECT_EQ(Evaluate(Viewer, "document.images[0].naturalWidth").toInt(), 10);
  // The default text colour yields to the document's own.
  EXPECT_EQ(Evaluate(Viewer, "getComputedStyle(document.getElementById('t')).color").toString(),
            "rgb(255, 0, 0)");
  EXPECT_EQ(Evaluate(Viewer, "getComputedStyle(document.querySelector('font')).color").toString(),
            "rgb(0, 255, 0)");

  // A position asked for while rendering is where the new render shows.
  const QString tall = "<div style=\"height:5000px\">top</div><p>end</p>";
  QSignalSpy finished(&Viewer, &HtmlViewer::RenderFinished);
  Viewer.RenderText(tall, Site.path(), "page.htm");
  EXPECT_TRUE(Viewer.Busy());
  Viewer.SetPosition(700);
  ASSERT_TRUE(Await(finished));
  EXPECT_TRUE(WaitFor([&] { return Viewer.Position() == 700; })) << Viewer.Position();
  // Rendering again at the position read keeps it.
  Viewer.RenderText(tall + "<p>more</p>", Site.path(), "page.htm");
  Viewer.SetPosition(Viewer.Position());
  ASSERT_TRUE(Await(finished, 2));
  EXPECT_TRUE(WaitFor([&] { return Viewer.Position() == 700; }));
  // The page applies the scroll after its own layout, which may come a moment later.
  EXPECT_TRUE(WaitFor([&] { return Evaluate(Viewer, "window.scrollY").toInt() == 700; }))
      << Evaluate(Viewer, "window.scrollY").toInt();

  Viewer.Clear();
  ASSERT_TRUE(Await(finished, 3));
  EXPECT_TRUE(BodyText(Viewer).isEmpty());

  // A large text is held back while it is parsed, then shown whole where it was asked.
  const QString large =
      "<p>first</p>" + QString("<p>filler text</p>\n").repeated(20000) + "<p>last</p>";
  Viewer.RenderText(large, Site.path(), "page.htm");
  Viewer.SetPosition(1500);
  ASSERT_TRUE(Await(finished, 4));
  EXPECT_EQ(Evaluate(Viewer, "getComputedStyle(document.documentElement).display").toString(),
            "block");
  EXPECT_TRUE(BodyText(Viewer).endsWith("last"));
  EXPECT_TRUE(WaitFor([&] { return Evaluate(Viewer, "window.scrollY").toInt() == 1500; }));
}

TEST_F(HtmlViewerTest, RendersFilesInTheirEncodingAndImagesOnlyWhenSwitchedOn) {
  Write(Site.filePath("latin.htm"), "<title>Latin</title><p>caf\xe9</p>");
  QSignalSpy finished(&Viewer, &HtmlViewer::RenderFinished);
  Viewer.RenderFile(Site.filePath("latin.htm"));
  ASSERT_TRUE(Await(finished));
  EXPECT_EQ(BodyText(Viewer), QString::fromUtf8("caf\u00e9"));
  EXPECT_EQ(Viewer.DocumentTitle(), "Latin");

  Viewer.SetImagesEnabled(false);
  Viewer.RenderImage(Site.filePath("images/logo.png"));
  ASSERT_TRUE(Await(finished, 2));
  EXPECT_EQ(Evaluate(Viewer, "document.images[0].naturalWidth").toInt(), 0);
  EXPECT_TRUE(Viewer.DocumentTitle().isEmpty());
  Viewer.SetImagesEnabled(true);
  Viewer.RenderImage(Site.filePath("images/logo.png"));
  ASSERT_TRUE(Await(finished, 3));
  EXPECT_EQ(Evaluate(Viewer, "document.images[0].naturalWidth").toInt(), 10);
}

TEST_F(HtmlViewerTest, LinksAreReportedAsWrittenFollowedUnlessHandledAndKeptInHistory) {
  const QString links =
      "<style>a { display: block; font-size: 40px; margin: 10px; }</style>"
      "<a id=page href=\"page.htm\">page</a><a id=logo href=\"images/logo.gif\">logo</a>"
      "<a id=up href=\"../x.gif\">up</a><p id=empty style=\"height:80px\">nothing</p>";
  Write(
      Site.filePath("page.htm"),
      "<title>Disk page</title><a id=other href=\"other.htm\" style=\"font-size:40px\">other</a>");
  Write(Site.filePath("other.htm"),
        "<title>Other</title><a id=back href=\"page.htm\" style=\"font-size:40px\">back</a>");
  Write(Root.filePath("x.gif"), "GIF89a");
  Viewer.SetHistoryMaxCount(2);
  QStringList clicked;
  QObject::connect(&Viewer, &HtmlViewer::LinkClicked, [&](const QString& target, bool* handled) {
    clicked << target;
    *handled = target.endsWith("logo.gif");
  });
  QSignalSpy pointed(&Viewer, &HtmlViewer::LinkPointed);
  QSignalSpy finished(&Viewer, &HtmlViewer::RenderFinished);
  QSignalSpy history(&Viewer, &HtmlViewer::HistoryChanged);
  ASSERT_TRUE(Render(links));
  const QString memoryUrl = Viewer.page()->url().toString();

  PointAt(Viewer, CenterOf(Viewer, "#page"));
  ASSERT_TRUE(Await(pointed));
  EXPECT_EQ(pointed.last().first().toString(), "page.htm");
  PointAt(Viewer, CenterOf(Viewer, "#empty"));
  ASSERT_TRUE(Await(pointed, 2));
  EXPECT_EQ(pointed.last().first().toString(), "");

  // A handled click stays where it is.
  Click(Viewer, "#logo");
  ASSERT_TRUE(WaitFor([&] { return clicked.size() == 1; }));
  EXPECT_EQ(clicked, QStringList{"images/logo.gif"});
  Settle(500);
  EXPECT_EQ(Viewer.page()->url().toString(), memoryUrl);
  EXPECT_FALSE(Viewer.Busy());
  EXPECT_EQ(Viewer.HistoryCount(), 0);

  Click(Viewer, "#page");
  ASSERT_TRUE(Await(history));
  EXPECT_EQ(clicked.last(), "page.htm");
  EXPECT_TRUE(BodyText(Viewer).contains("other"));
  EXPECT_EQ(Viewer.DocumentTitle(), "Disk page");
  EXPECT_EQ(Viewer.HistoryCount(), 1);
  EXPECT_EQ(Viewer.HistoryIndex(), 0);
  EXPECT_EQ(Viewer.HistoryEntry(0), Site.filePath("page.htm"));

  Click(Viewer, "#other");
  ASSERT_TRUE(Await(history, 2));
  EXPECT_EQ(Viewer.HistoryCount(), 2);
  EXPECT_EQ(Viewer.HistoryEntry(0), Site.filePath("other.htm"));
  EXPECT_EQ(Viewer.HistoryEntry(1), Site.filePath("page.htm"));

  Viewer.SetHistoryIndex(1);
  ASSERT_TRUE(Await(history, 3));
  EXPECT_EQ(Viewer.HistoryIndex(), 1);
  EXPECT_EQ(Viewer.DocumentTitle(), "Disk page");
  Viewer.SetHistoryIndex(2);  // outside the history
  EXPECT_FALSE(Viewer.Busy());
  EXPECT_EQ(Viewer.HistoryIndex(), 1);

  // Following a link from an older entry drops the newer ones; the oldest go past the
  // maximum.
  Click(Viewer, "#other");
  ASSERT_TRUE(Await(history, 4));
  Click(Viewer, "#back");
  ASSERT_TRUE(Await(history, 5));
  EXPECT_EQ(Viewer.HistoryCount(), 2);
  EXPECT_EQ(Viewer.HistoryIndex(), 0);
  EXPECT_EQ(Viewer.HistoryEntry(0), Site.filePath("page.htm"));
  EXPECT_EQ(Viewer.HistoryEntry(1), Site.filePath("other.htm"));

  // "../x.gif" is followed, but lies outside the page's folder and is not served.
  ASSERT_TRUE(Render(links));
  const int renders = finished.size();
  Click(Viewer, "#up");
  ASSERT_TRUE(Await(finished, renders + 1));
  EXPECT_EQ(clicked.last(), "../x.gif");
  EXPECT_FALSE(finished.last().first().toBool());
}

TEST_F(HtmlViewerTest, SubmittedFormsAreReportedWithTheirFieldsAndSentNowhere) {
  QSignalSpy submitted(&Viewer, &HtmlViewer::FormSubmitted);
  ASSERT_TRUE(
      Render("<form action=\"results.htm\"><input name=a value=\"1 2\">"
             "<input type=checkbox name=c value=yes checked><input type=checkbox name=d value=no>"
             "<select name=s><option>one<option selected>two</select>"
             "<textarea name=t>text</textarea>"
             "<input id=go type=submit name=go value=Send style=\"font-size:30px\"></form>"
             "<form method=post action=\"mailto:someone@example.com\">"
             "<input type=hidden name=subject value=Order>"
             "<input id=mail type=submit value=Mail style=\"font-size:30px\"></form>"));
  const QString shown = Viewer.page()->url().toString();

  Click(Viewer, "#go");
  ASSERT_TRUE(Await(submitted));
  EXPECT_EQ(submitted[0][0].toString(), "results.htm");
  EXPECT_EQ(submitted[0][1].toString(), "GET");
  EXPECT_EQ(submitted[0][2].toStringList(),
            QStringList({"a=1 2", "c=yes", "s=two", "t=text", "go=Send"}));

  Click(Viewer, "#mail");
  ASSERT_TRUE(Await(submitted, 2));
  EXPECT_EQ(submitted[1][0].toString(), "mailto:someone@example.com");
  EXPECT_EQ(submitted[1][1].toString(), "POST");
  EXPECT_EQ(submitted[1][2].toStringList(), QStringList{"subject=Order"});

  // A script's own submit() goes nowhere either.
  Evaluate(Viewer, "document.forms[0].submit()");
  Settle(500);
  EXPECT_EQ(Viewer.page()->url().toString(), shown);
  EXPECT_FALSE(Viewer.Busy());
}

TEST_F(HtmlViewerTest, PagesReadTheirOwnFolderAndTheGivenOnesButNoOtherFile) {
  Write(Root.filePath("secret.txt"), "TOP SECRET");
  Write(Site.filePath("data.txt"), "SITE DATA");
  ASSERT_TRUE(QFile::link(Root.filePath("secret.txt"), Site.filePath("link.txt")));
  QTemporaryDir shared;
  Write(shared.filePath("shared.txt"), "SHARED");
  Viewer.SetExtraRoots({shared.path()});
  // Requests go through XMLHttpRequest: this engine's fetch() refuses custom schemes.
  const QString script =
      "<script>window.results = {};"
      "function probe(name, url) { return new Promise(function (done) {"
      "  var x = new XMLHttpRequest(); x.open('GET', url);"
      "  x.onload = function () { results[name] = x.status + ' ' + x.responseText; done(); };"
      "  x.onerror = function () { results[name] = 'failed'; done(); }; x.send(); }); }"
      "Promise.all([probe('inside', 'data.txt'), probe('shared', '%1/shared.txt'),"
      "  probe('parent', '../secret.txt'), probe('file', 'file://%2/secret.txt'),"
      "  probe('link', 'link.txt'), probe('deep', '../../../../../../../../etc/passwd')])"
      ".then(function () { window.done = true; });</script>";
  ASSERT_TRUE(Render(script.arg(shared.path(), Root.path())));
  ASSERT_TRUE(WaitFor([&] { return Evaluate(Viewer, "window.done === true").toBool(); }));
  const QVariantMap results = Evaluate(Viewer, "window.results").toMap();
  EXPECT_EQ(results["inside"].toString(), "200 SITE DATA");
  EXPECT_EQ(results["shared"].toString(), "200 SHARED");
  for (const char* outside : {"parent", "file", "link", "deep"}) {
    EXPECT_FALSE(results[outside].toString().contains("TOP SECRET")) << outside;
    EXPECT_FALSE(results[outside].toString().contains("root:")) << outside;
  }
}

TEST_F(HtmlViewerTest, FindsTextToTheEndAndPrintsThePage) {
  ASSERT_TRUE(Render("<p>alpha beta Alpha</p>"));
  auto find = [&](const QString& text, bool matchCase) {
    std::optional<bool> found;
    Viewer.FindNext(text, matchCase, [&](bool result) { found = result; });
    return WaitFor([&] { return found.has_value(); }) && *found;
  };
  EXPECT_TRUE(find("alpha", false));
  EXPECT_TRUE(find("alpha", false));
  EXPECT_FALSE(find("alpha", false));  // back at the start
  EXPECT_TRUE(find("Alpha", true));
  EXPECT_FALSE(find("Alpha", true));
  EXPECT_FALSE(find("gamma", false));

  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(Root.filePath("page.pdf"));
  std::optional<bool> printed;
  Viewer.PrintPages(printer, 1, 9999, [&](bool ok) { printed = ok; });
  ASSERT_TRUE(WaitFor([&] { return printed.has_value(); }));
  EXPECT_TRUE(*printed);
  QFile pdf(Root.filePath("page.pdf"));
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.read(4) == "%PDF");
}

}  // namespace
