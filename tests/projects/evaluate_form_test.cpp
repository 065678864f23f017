// The page evaluation: what it finds in the page in the editor, and its window.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListView>
#include <QStringListModel>
#include <QUrl>

#include "main_window_fixture.h"
#include "platform/editor_surface.h"
#include "projects/evaluate_form.h"
#include "shell/page_documents.h"

namespace {

class EvaluateFormTest : public MainWindowTest {
 protected:
  void SetUp() override { Start(); }
  TEvaluateForm& Evaluation() { return Form->EvaluateForm(); }
  EditorSurface& Editor() { return *Form->WebPage; }
  QString Open(const QByteArray& text) {
    const QString path = WritePage("page.htm", text);
    EXPECT_TRUE(Form->Pages().LoadFile(path, false));
    return path;
  }
  static QStringList Items(const QListView* list) {
    return static_cast<const QStringListModel*>(list->model())->stringList();
  }
  QStringList Details() { return Items(Evaluation().WebDetails); }
};

TEST_F(EvaluateFormTest, ListsImagesLinksAndMarkersAsTheyStandOnDisk) {
  WritePage("a.gif", QByteArray(120, 'x'));
  WritePage("back.jpg", QByteArray(30, 'x'));
  WritePage("there.htm", "<HTML></HTML>");
  QDir(Pages("")).mkdir("pics");
  WritePage("pics/c.gif", QByteArray(5, 'x'));
  Open(
      "<HTML><HEAD><TITLE>Test Page</TITLE></HEAD>\n"
      "<BODY BACKGROUND=\"back.jpg\">\n"
      "<IMG SRC=\"a.gif\"> and <img src=\"a.gif\" width=2>\n"
      "<img src=\"b.gif\">\n"
      "<img src=\"http://example.com/logo.gif\"><img src=pics\\c.gif>\n"
      "<img src=pics/c.gif>\n"
      "<A HREF=\"#top\">up</A> <a href=\"there.htm\">there</a> <a href=\"gone.htm\">x</a>\n"
      "<a href=\"mailto:me@example.com\">mail</a>\n"
      "<a name=\"end\"></a>\n"
      "</BODY></HTML>\n");

  Evaluation().Evaluate();
  const TEvaluateForm& form = Evaluation();
  EXPECT_EQ(form.windowTitle(), "Web details for: <Test Page>");
  EXPECT_EQ(Items(form.FilesFound), QStringList({"a.gif", "back.jpg", "pics\\c.gif"}));
  EXPECT_EQ(Items(form.FilesMissing), QStringList({"b.gif", "http://example.com/logo.gif"}));
  EXPECT_EQ(Items(form.Links),
            QStringList({"#top", "gone.htm", "mailto:me@example.com", "there.htm"}));
  EXPECT_EQ(Items(form.LocatedLinks), QStringList({"there.htm"}));
  EXPECT_EQ(Items(form.PageMarkers), QStringList({"end"}));
  EXPECT_EQ(Items(form.MissingPages), QStringList({"#end", "top"}));
  EXPECT_EQ(
      Details(),
      QStringList(
          {"Searching for Title...", "Test Page", "2:6: back.jpg(Background Image) Size=30 bytes.",
           "Searching for image items...", "3:5: a.gif Size=120 bytes.",
           "3:27: a.gif Size=120 bytes.", "4:5: b.gif(Did not locate.) Size=-1 bytes.",
           "5:5: http://example.com/logo.gif(Did not locate.) Size=-1 bytes.",
           "5:44: pics\\c.gif Size=5 bytes.", "Searching for link references...", "7:0: #top",
           "7:22: there.htm", "7:52: gone.htm(Did not locate.)",
           "8:0: mailto:me@example.com(Did not locate.)", "Searching for page markers...",
           "9:1: end(Did not locate.)", "", "Page contains 3 SRC references totalling 275 bytes."}))
      << "line 6 is not read: its SRC has no quote and no other SRC on it has one";
  EXPECT_EQ(form.Result().FilesFound(), Items(form.FilesFound));
}

TEST_F(EvaluateFormTest, OnlyTheFirstBackgroundLineIsReadAndTheCaretComesBack) {
  QByteArray page = "<HTML>\n<BODY background=\"one.gif\">\n";
  for (int i = 0; i < 200; ++i) page += "filler line\n";
  page += "<TABLE BACKGROUND=\"two.gif\">\n";
  Open(page);
  Editor().SetSelectionPoints({150, 2, 150, 6});
  Editor().SetFirstVisibleLine(140);
  const int firstVisible = Editor().FirstVisibleLine();
  Evaluation().Evaluate();
  EXPECT_EQ(Evaluation().windowTitle(), "Web details for: <>");
  EXPECT_EQ(Items(Evaluation().FilesMissing), QStringList({"one.gif"}));
  EXPECT_EQ(Editor().GetSelectionPoints(), (EditorSurface::SelectionPoints{150, 2, 150, 6}));
  EXPECT_EQ(Editor().FirstVisibleLine(), firstVisible);
}

TEST_F(EvaluateFormTest, DoubleClickingADetailLinePutsTheCaretThereAndCloses) {
  Open("<HTML>\n<BODY>\n  <IMG SRC=\"x.gif\">\n<a href=\"\">\n</BODY>\n");
  bool closed = false;
  QObject::connect(&Evaluation(), &QDialog::finished, [&] { closed = true; });
  Evaluation().Evaluate();
  const QStringList details = Details();
  ASSERT_EQ(details.indexOf("3:7: x.gif(Did not locate.) Size=-1 bytes."), 3)
      << details.join('|').toStdString();
  Evaluation().WebDetailsDblClick(1);  // the title line names no place
  EXPECT_FALSE(closed);
  Evaluation().WebDetailsDblClick(3);
  EXPECT_EQ(Editor().GetSelectionPoints(), (EditorSurface::SelectionPoints{3, 7, 3, 7}));
  EXPECT_EQ(Form->StatusPanels[0]->text(), "3:7");
  EXPECT_TRUE(closed);
  const int noQuotes = int(details.indexOf("4: Appears to be a link without quotes"));
  ASSERT_GT(noQuotes, 0);
  Evaluation().WebDetailsDblClick(noQuotes);
  EXPECT_EQ(Editor().GetSelectionPoints(), (EditorSurface::SelectionPoints{4, 0, 4, 0}));
}

TEST_F(EvaluateFormTest, ClickingAnItemShowsItAndLeavesItTheOnlySelection) {
  Open("<img src=\"b.gif\"><img src=\"c.gif\"><a href=\"x.htm\"><a href=\"y.htm\">\n");
  Evaluation().Evaluate();
  TEvaluateForm& form = Evaluation();
  form.ListClick(form.FilesMissing, 1);
  form.ListClick(form.Links, 0);
  EXPECT_EQ(form.Header1->text(), "x.htm");
  EXPECT_FALSE(form.FilesMissing->selectionModel()->hasSelection());
  ASSERT_EQ(form.Links->selectionModel()->selectedRows().size(), 1);
  EXPECT_EQ(form.Links->selectionModel()->selectedRows()[0].row(), 0);
  EXPECT_EQ(form.Links->toolTip(),
            "Double click to pass URL to Netscape, or email address to Eudora");
}

TEST_F(EvaluateFormTest, LinksGoToTheDesktopOrSayNothingTookThem) {
  const QString page = Open(
      "<a href=\"MAILTO:me@example.com\"><a href=\"sub/next.htm#part\">"
      "<a href=\"http://example.com/\">\n");
  TEvaluateForm& form = Evaluation();
  form.Evaluate();
  QList<QUrl> handed;
  bool takes = true;
  form.OpenUrl = [&](const QUrl& url) {
    handed << url;
    return takes;
  };
  for (int row = 0; row < 3; ++row) form.LinksDblClick(form.Links, row);
  EXPECT_EQ(handed,
            QList<QUrl>({QUrl("http://example.com/"), QUrl("MAILTO:me@example.com"),
                         QUrl::fromLocalFile(QFileInfo(page).absolutePath() + "/sub/next.htm")
                             .resolved(QUrl("#part"))}));
  EXPECT_TRUE(Prompts.Messages.empty());

  takes = false;
  form.LinksDblClick(form.Links, 1);
  form.LinksDblClick(form.Links, 0);
  EXPECT_EQ(Prompts.Texts(),
            QStringList({"Eudora is not currently running or we just could not find it.",
                         "Netscape is not currently running or we just could not find it."}));
  EXPECT_EQ(Prompts.Messages[0].kind, Prompts::Kind::Information);
}

TEST_F(EvaluateFormTest, TheEvaluateCommandScansAndShowsTheWindow) {
  Open("<TITLE>Menu</TITLE><img src=\"m.gif\">\n");
  QString caption;
  QStringList missing;
  Prompts.AnswerDialog([&](QDialog& dialog) {
    caption = dialog.windowTitle();
    missing = Items(dialog.findChild<QListView*>("FilesMissing"));
    return int(QDialog::Rejected);
  });
  QAction* evaluate = Form->Command("Evaluate1");
  ASSERT_NE(evaluate, nullptr);
  EXPECT_EQ(evaluate->text(), "&Evaluate...");
  EXPECT_EQ(evaluate->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
  evaluate->trigger();
  EXPECT_EQ(caption, "Web details for: <Menu>");
  EXPECT_EQ(missing, QStringList({"m.gif"}));
}

}  // namespace
