// The split preview shows what an insertion wrote, whoever refreshes it.
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWebEngineScript>

#include "platform/html_viewer.h"
#include "tag_page_fixture.h"

namespace {

// The preview's document body as markup, once it has rendered `wanted`; what it shows
// at the deadline otherwise.
QString BodyOnceItShows(HtmlViewer& viewer, const QString& wanted) {
  QString body;
  const QDeadlineTimer deadline(20000);
  while (!deadline.hasExpired()) {
    bool done = false;
    viewer.page()->runJavaScript(QStringLiteral("document.body ? document.body.innerHTML : ''"),
                                 QWebEngineScript::ApplicationWorld, [&](const QVariant& value) {
                                   body = value.toString();
                                   done = true;
                                 });
    while (!done && !deadline.hasExpired())
      QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (body.contains(wanted)) break;
    QEventLoop pause;
    QTimer::singleShot(50, &pause, &QEventLoop::quit);
    pause.exec();
  }
  return body;
}

class PreviewFollows : public TagPageTest, public ::testing::WithParamInterface<bool> {};

TEST_P(PreviewFollows, EveryInsertion) {
  Form->Settings.AutoUpdate = GetParam();
  OpenPage("<P>one two</P>");
  ASSERT_TRUE(BodyOnceItShows(*Form->HTMLSplit, "one two").contains("one two"));

  Editor().SetSelectionPoints({1, 10, 1, 7});
  Tags().InsertSelected(QStringLiteral("<B>"));
  EXPECT_TRUE(BodyOnceItShows(*Form->HTMLSplit, "one <b>two</b>").contains("one <b>two</b>"));

  Editor().SetSelectionPoints({1, 3, 1, 3});
  Click(QStringLiteral("BRBtn"));
  EXPECT_TRUE(BodyOnceItShows(*Form->HTMLSplit, "<br>one").contains("<br>one"));

  Tags().InsertLines({"<H2>lines</H2>"}, Editor());
  EXPECT_TRUE(BodyOnceItShows(*Form->HTMLSplit, "<h2>lines</h2>").contains("<h2>lines</h2>"));
}

INSTANTIATE_TEST_SUITE_P(TagInsertion, PreviewFollows, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return info.param ? "AutoUpdateOn" : "AutoUpdateOff";
                         });

}  // namespace
