// Open pages in the single editor: tabs, working copies, saving and closing.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTabBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <cstdlib>
#include <unistd.h>

#include "main_window_fixture.h"
#include "platform/editor_surface.h"
#include "platform/file_browser.h"
#include "shell/page_documents.h"

namespace {

class PageDocumentsTest : public MainWindowTest {
 protected:
  void SetUp() override { Start(); }
  PageDocuments& Docs() { return Form->Pages(); }
  EditorSurface& Editor() { return *Form->WebPage; }
  QTabBar& Tabs() { return *Form->WebPageTabs; }
  QString Open(const QString& name, const QByteArray& text = "<HTML></HTML>") {
    const QString path = WritePage(name, text);
    EXPECT_TRUE(Docs().LoadFile(path, false));
    return path;
  }
  QStringList TabCaptions() {
    QStringList captions;
    for (int i = 0; i < Tabs().count(); ++i) captions << Tabs().tabText(i);
    return captions;
  }
};

TEST_F(PageDocumentsTest, TabChangeKeepsTextSelectionAndModifiedFlagInTheWorkingCopy) {
  const QString a = Open("a.htm", "first line\nsecond line\n");
  Editor().SetSelectionPoints({2, 7, 1, 3});  // backwards, over two lines
  Editor().ReplaceSelection(QString());
  Editor().SetSelectionPoints({1, 1, 1, 4});
  const QString aText = Editor().WholeText();
  const QString b = Open("b.htm", "other page");

  EXPECT_TRUE(QFile::exists(a + "_"));
  EXPECT_EQ(Editor().WholeText(), "other page");
  EXPECT_FALSE(Editor().Modified());

  Tabs().setCurrentIndex(0);
  EXPECT_EQ(Editor().WholeText(), aText);
  EXPECT_EQ(Editor().GetSelectionPoints(), (EditorSurface::SelectionPoints{1, 1, 1, 4}));
  EXPECT_TRUE(Editor().Modified());
  EXPECT_EQ(Docs().CurrentFileName(), a);
  EXPECT_EQ(Form->windowTitle(), "Quorvane - " + a.toUpper());

  Prompts.Answer(Prompts::Answer::No);  // do not save the changed page
  ASSERT_TRUE(Docs().CloseActivePage());
  EXPECT_FALSE(QFile::exists(a + "_"));
  EXPECT_FALSE(QFile::exists(Pages("quorview.htm")));
  EXPECT_EQ(Docs().CurrentFileName(), b);
}

TEST_F(PageDocumentsTest, ClosingMakesTheRightNeighbourCurrentThenTheLeftOne) {
  const QString a = Open("a.htm", "A");
  Open("b.htm", "B");
  const QString c = Open("c.htm", "C");
  Tabs().setCurrentIndex(1);

  ASSERT_TRUE(Docs().CloseActivePage());
  EXPECT_EQ(TabCaptions(), QStringList({"a.htm", "c.htm"}));
  EXPECT_EQ(Docs().CurrentFileName(), c);
  EXPECT_EQ(Editor().WholeText(), "C");

  ASSERT_TRUE(Docs().CloseActivePage());
  EXPECT_EQ(Docs().CurrentFileName(), a);
  EXPECT_EQ(Editor().WholeText(), "A");

  ASSERT_TRUE(Docs().CloseActivePage());
  EXPECT_FALSE(Docs().PageOpen());
  EXPECT_TRUE(Editor().WholeText().isEmpty());
  EXPECT_FALSE(Editor().isEnabled());
  EXPECT_EQ(Form->windowTitle(), "Quorvane - ");
  EXPECT_FALSE(Docs().CloseActivePage());
}

TEST_F(PageDocumentsTest, MissingFileIsReportedAndAddsNoTab) {
  EXPECT_FALSE(Docs().LoadFile(Pages("gone.htm"), false));
  EXPECT_EQ(Prompts.Texts(), QStringList({"Could not find or open: " + Pages("gone.htm")}));
  EXPECT_EQ(Tabs().count(), 0);
}

TEST_F(PageDocumentsTest, EmptyFileAsksToStartANewPage) {
  Prompts.Answer(Prompts::Answer::No);
  const QString path = WritePage("empty.htm", "");
  EXPECT_TRUE(Docs().LoadFile(path, false));
  EXPECT_EQ(Prompts.Messages.back().text, "Empty file, start creation of new page?");
  EXPECT_EQ(Prompts.Messages.back().buttons, Prompts::Buttons::YesNo);
  EXPECT_EQ(Tabs().count(), 1);
}

TEST_F(PageDocumentsTest, NewOpensTheProgramDirectorysNewPageOnce) {
  Form->Settings.NewFile = false;
  Prompts.Answer(Prompts::Answer::No);
  Docs().New1Click();
  EXPECT_EQ(Docs().CurrentFileName(), ProgramDir() + "newpage.htm");
  EXPECT_TRUE(QFile::exists(ProgramDir() + "newpage.htm"));
  // A second tab of the same file would share its working copy: its tab comes forward.
  Docs().New1Click();
  EXPECT_EQ(Tabs().count(), 1);
  EXPECT_EQ(Prompts.Texts(), QStringList({"Empty file, start creation of new page?"}));
}

TEST_F(PageDocumentsTest, SaveWritesAWindows1252PageBackByteForByte) {
  const QByteArray latin1 = "<P>Caf\xe9 \x80 na\xefve \x81\r\nline two\r\n";
  const QString path = Open("latin.htm", latin1);
  EXPECT_EQ(Editor().LineText(1), QString::fromUtf8("<P>Café € naïve \u0081"));
  ASSERT_TRUE(Docs().Save1Click());
  EXPECT_EQ(ReadBytes(path), latin1);

  Editor().SetSelectionPoints({2, 0, 2, 0});
  Editor().ReplaceSelection(QString::fromUtf8("ā"));  // not in the code page
  ASSERT_TRUE(Docs().Save1Click());
  EXPECT_EQ(ReadBytes(path), QByteArray("<P>Caf\xe9 \x80 na\xefve \x81\r\n&#257;line two\r\n"));
}

TEST_F(PageDocumentsTest, FailedSaveKeepsThePageModifiedAndTellsTheUser) {
  QDir sub(Pages("sub"));
  ASSERT_TRUE(QDir().mkpath(sub.path()));
  const QString path = sub.filePath("page.htm");
  {
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write("old");
  }
  ASSERT_TRUE(Docs().LoadFile(path, false));
  Editor().Append("new text");
  ASSERT_TRUE(sub.removeRecursively());

  EXPECT_FALSE(Docs().Save1Click());
  ASSERT_FALSE(Prompts.Messages.empty());
  EXPECT_EQ(Prompts.Messages.back().kind, Prompts::Kind::Error);
  EXPECT_TRUE(Prompts.Messages.back().text.contains(path));
  EXPECT_TRUE(Editor().Modified());
  EXPECT_EQ(Editor().WholeText(), "oldnew text");

  // Closing asks; "Yes" fails to save again, so the page stays open with its text.
  Prompts.Answer(Prompts::Answer::Yes);
  EXPECT_FALSE(Docs().CloseActivePage());
  EXPECT_EQ(Tabs().count(), 1);
  EXPECT_EQ(Editor().WholeText(), "oldnew text");
}

TEST_F(PageDocumentsTest, WorkingCopyThatCannotBeWrittenStopsTheTabChange) {
  QDir sub(Pages("sub"));
  ASSERT_TRUE(QDir().mkpath(sub.path()));
  {
    QFile f(sub.filePath("a.htm"));
    f.open(QIODevice::WriteOnly);
    f.write("A");
  }
  ASSERT_TRUE(Docs().LoadFile(sub.filePath("a.htm"), false));
  Open("b.htm", "B");
  Tabs().setCurrentIndex(0);
  Editor().Append(" typed");
  ASSERT_TRUE(sub.removeRecursively());

  const int messages = int(Prompts.Messages.size());
  Tabs().setCurrentIndex(1);
  EXPECT_EQ(int(Prompts.Messages.size()), messages + 1);
  EXPECT_EQ(Tabs().currentIndex(), 0);
  EXPECT_EQ(Editor().WholeText(), "A typed");
}

TEST_F(PageDocumentsTest, SaveAsLowerCasesTheFileNameAndLeavesTheProjectOnce) {
  const QString path = WritePage("page.htm", "text");
  ASSERT_TRUE(Docs().LoadFile(path, true));
  QDir().mkpath(Pages("Site"));
  Prompts.AnswerFile(Pages("Site/Index.HTM"));
  ASSERT_TRUE(Docs().SaveAs1Click());
  const QString saved = Pages("Site/index.htm");
  EXPECT_EQ(ReadBytes(saved), "text");
  EXPECT_EQ(Prompts.LastFileRequest.filter, "HTML Documents|*.htm;*.html|Frame Settings|*.set");
  EXPECT_EQ(Prompts.LastFileRequest.fileName, path);
  EXPECT_EQ(Tabs().tabText(0), "index.htm");
  EXPECT_EQ(Form->windowTitle(), "Quorvane - " + saved.toUpper());
  EXPECT_EQ(Docs().CurrentFileName(), saved);
  EXPECT_EQ(Form->Settings.LastFiles[0], saved);
  EXPECT_EQ(Prompts.Texts().filter("no longer part of that project").size(), 1);

  Prompts.AnswerFile(Pages("other.htm"));
  ASSERT_TRUE(Docs().SaveAs1Click());
  EXPECT_EQ(Prompts.Texts().filter("no longer part of that project").size(), 1);
}

TEST_F(PageDocumentsTest, SaveAsOntoAnExistingFileAsksAndCancelChangesNothing) {
  Open("page.htm", "mine");
  const QString other = WritePage("other.htm", "theirs");
  Prompts.AnswerFile(other);
  Prompts.Answer(Prompts::Answer::Cancel);
  EXPECT_FALSE(Docs().SaveAs1Click());
  EXPECT_EQ(Prompts.Messages.back().text, "Overwrite existing file?");
  EXPECT_EQ(Prompts.Messages.back().kind, Prompts::Kind::Warning);
  EXPECT_EQ(ReadBytes(other), "theirs");
  EXPECT_EQ(Docs().CurrentFileName(), Pages("page.htm"));
}

TEST_F(PageDocumentsTest, CloseQuestionCancelKeepsEveryPage) {
  Open("a.htm", "A");
  Editor().Append("1");
  Open("b.htm", "B");
  Editor().Append("2");
  const QByteArray storeBefore = ReadBytes(SettingsPath());
  Prompts.Answer(Prompts::Answer::Cancel);
  EXPECT_FALSE(Close());
  EXPECT_EQ(Prompts.Texts(), QStringList({"Save " + Pages("b.htm") + " before closing?"}));
  EXPECT_EQ(Tabs().count(), 2);
  EXPECT_EQ(Editor().WholeText(), "B2");
  EXPECT_EQ(ReadBytes(SettingsPath()), storeBefore);
}

TEST_F(PageDocumentsTest, InsertFileLeavesTheInternalClipboardAsItWas) {
  Open("page.htm", "<BODY></BODY>");
  Form->SpareEditor->setText("scratch notes");
  const QString snippet = WritePage("snippet.htm", "<B>bold</B>");
  Editor().SetSelectionPoints({1, 6, 1, 6});
  Prompts.AnswerFile(snippet);
  Form->Pages().InsertFile1Click();
  EXPECT_EQ(Editor().WholeText(), "<BODY><B>bold</B></BODY>");
  EXPECT_EQ(Form->SpareEditor->WholeText(), "scratch notes");
}

TEST_F(PageDocumentsTest, FileListDoubleClickRefusesAnOpenPage) {
  const QString path = Open("a.htm", "A");
  emit Form->FileList->FileActivated(path);
  EXPECT_EQ(Prompts.Texts().last(),
            "Selected operation may not be performed on an open file.  Please close the file "
            "and try again.");
  EXPECT_EQ(Tabs().count(), 1);
}

}  // namespace

namespace {

// A tiny file system that fills up, where this machine lets the test mount one.
class FullDiskTest : public PageDocumentsTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Mount.isValid());
    const QString command =
        QStringLiteral("mount -t tmpfs -o size=64k tmpfs '%1' 2>/dev/null").arg(Mount.path());
    if (geteuid() != 0 || std::system(command.toLocal8Bit().constData()) != 0)
      GTEST_SKIP() << "cannot mount a small file system here";
    Mounted = true;
    PageDocumentsTest::SetUp();
  }
  void TearDown() override {
    if (!Mounted) return;
    Form.reset();
    QDir::setCurrent(QDir::tempPath());
    std::system(QStringLiteral("umount '%1'").arg(Mount.path()).toLocal8Bit().constData());
  }
  void FillDisk() {
    QFile filler(Mount.filePath("filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
  }
  QTemporaryDir Mount;
  bool Mounted = false;
};

TEST_F(FullDiskTest, SaveOnAFullDiskKeepsTheOldFileAndThePage) {
  const QString path = Mount.filePath("page.htm");
  {
    QFile page(path);
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<P>old</P>");
  }
  ASSERT_TRUE(Docs().LoadFile(path, false));
  FillDisk();
  Editor().Append(QString(2000, QLatin1Char('n')));

  EXPECT_FALSE(Docs().Save1Click());
  ASSERT_FALSE(Prompts.Messages.empty());
  EXPECT_EQ(Prompts.Messages.back().kind, Prompts::Kind::Error);
  EXPECT_TRUE(Prompts.Messages.back().text.contains("full")) << Prompts.Messages.back().text.toStdString();
  EXPECT_EQ(ReadBytes(path), "<P>old</P>");
  EXPECT_TRUE(Editor().Modified());
  EXPECT_EQ(Editor().TextLength(), 10 + 2000);
}

}  // namespace

namespace {

TEST_F(PageDocumentsTest, SaveButtonFollowsTheModifiedFlag) {
  QToolButton* save = Form->ToolButton("Save page");
  Open("a.htm", "A");
  EXPECT_FALSE(save->isEnabled());
  Editor().Append("1");
  EXPECT_TRUE(save->isEnabled());
  ASSERT_TRUE(Docs().Save1Click());
  EXPECT_FALSE(save->isEnabled());
}

}  // namespace
