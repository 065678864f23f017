// The preview beside the editor: rendering as the user types, frame sets, full screen,
// links and history, forms, searching, external browsers and printing.
#include "shell/preview.h"

#include <Qsci/qsciprinter.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QToolButton>

#include "main_window_fixture.h"
#include "platform/editor_surface.h"
#include "platform/html_viewer.h"
#include "platform/settings_store.h"
#include "platform/three_way_splitter.h"
#include "shell/about_box.h"
#include "shell/browser_launcher.h"
#include "shell/find_dialog.h"
#include "shell/page_documents.h"
#include "shell/page_printer.h"
#include "shell/print_form.h"
#include "shell/submit_form.h"
#include "viewer_driver.h"

using namespace viewer_driver;

namespace {

class PreviewTest : public MainWindowTest {
 protected:
  PreviewTest() {
    // The one-time notes are tested where they matter; elsewhere they stay away.
    Store([](SettingsStore& store) {
      for (const char* note : {"fullscreen", "BrowserRefresh", "ImageDisplaying"})
        store.WriteBool("Helpers", note, false);
    });
  }

  Preview& Previewer() { return Form->Previewer(); }
  HtmlViewer& Split() { return *Form->HTMLSplit; }
  EditorSurface& Editor() { return *Form->WebPage; }
  QMenu* Menu(const char* name) { return Form->findChild<QMenu*>(name); }

  // Waits until the split preview has shown everything asked of it.
  bool Idle(HtmlViewer& viewer) {
    return WaitFor([&] { return !viewer.Busy(); });
  }
  bool Shows(HtmlViewer& viewer, const QString& text) {
    return WaitFor([&] { return !viewer.Busy() && BodyText(viewer).contains(text); }, Timeout);
  }
  QString Open(const QString& name, const QByteArray& html) {
    const QString path = WritePage(name, html);
    EXPECT_TRUE(Form->Pages().LoadFile(path, false));
    EXPECT_TRUE(Idle(Split()));
    return path;
  }
  static QByteArray Read(const QString& path) { return ReadBytes(path); }
};

TEST_F(PreviewTest, RendersTheEditorTextAsTypedAndKeepsItsPlace) {
  Start();
  Form->Settings.AutoUpdate = true;
  QTemporaryDir elsewhere;
  {
    QFile secret(elsewhere.filePath("secret.txt"));
    ASSERT_TRUE(secret.open(QIODevice::WriteOnly));
    secret.write("SECRET");
  }
  // The page may read the program's folder, not any other.
  const QString page = QString(
                           "<p>Start</p><div style=\"height:4000px\"></div><p>End</p><script>"
                           "function get(url) { var x = new XMLHttpRequest(); x.open('GET', url, "
                           "false); try { x.send(); return x.status + ' ' + x.responseText; }"
                           " catch (e) { return 'failed'; } }"
                           "window.tips = get('%1TIPS.TXT'); window.secret = get('%2/secret.txt');"
                           "</script>")
                           .arg(ProgramDir(), elsewhere.path());
  Open("page.htm", page.toUtf8());
  ASSERT_TRUE(Shows(Split(), "Start"));
  EXPECT_TRUE(Evaluate(Split(), "window.tips").toString().startsWith("200 "));
  EXPECT_FALSE(Evaluate(Split(), "window.secret").toString().contains("SECRET"));

  // A change keeps the preview where the user scrolled it.
  Split().SetPosition(900);
  ASSERT_TRUE(WaitFor([&] { return Split().Position() == 900; }));
  Editor().SetSelectionPoints({1, 3, 1, 3});
  Editor().ReplaceSelection("Typed ");
  ASSERT_TRUE(Shows(Split(), "Typed Start"));
  EXPECT_TRUE(WaitFor([&] { return Split().Position() == 900; })) << Split().Position();

  // Fast typing: renders do not queue up, and the last keystroke is shown.
  QSignalSpy renders(&Split(), &HtmlViewer::RenderFinished);
  Editor().setFocus();
  QTest::keyClicks(&Editor(), "abcdefghijklmnopqrst");
  ASSERT_TRUE(Shows(Split(), "abcdefghijklmnopqrst"));
  EXPECT_LE(renders.size(), 3);

  // An empty page is cleared, not rendered.
  Editor().ClearAll();
  ASSERT_TRUE(WaitFor([&] { return !Split().Busy() && BodyText(Split()).isEmpty(); }));
  EXPECT_TRUE(Prompts.Texts().isEmpty()) << Prompts.Texts().join('|').toStdString();
}

TEST_F(PreviewTest, APageOfAProjectMayReadTheProjectsFiles) {
  Start();
  ASSERT_TRUE(QDir(Pages("")).mkpath("project/pages"));
  WritePage("project/PROJECT.INI", "[Project]\r\n");
  WritePage("project/shared.txt", "PROJECT FILE");
  const QByteArray page =
      "<script>var x = new XMLHttpRequest(); x.open('GET', '../shared.txt', false);"
      "try { x.send(); window.shared = x.status + ' ' + x.responseText; }"
      "catch (e) { window.shared = 'failed'; }</script>";
  Form->Pages().LoadFile(WritePage("project/pages/inside.htm", page), true);
  ASSERT_TRUE(Idle(Split()));
  EXPECT_EQ(Evaluate(Split(), "window.shared").toString(), "200 PROJECT FILE");
  // The same page opened on its own sees its own folder only.
  Form->Pages().LoadFile(WritePage("project/pages/alone.htm", page), false);
  ASSERT_TRUE(Idle(Split()));
  EXPECT_EQ(Evaluate(Split(), "window.shared").toString(), "failed");
}

TEST_F(PreviewTest, AFrameSetIsShownFromQuorviewBesideThePage) {
  Start();
  WritePage("left.htm", "<p>LEFT</p>");
  WritePage("right.htm", "<p>RIGHT</p>");
  const QString path = Open("frames.htm", "<P>No frames yet</P>\nsecond line\n");
  EXPECT_EQ(Form->SplitScreen->Bar(2), 100);
  EXPECT_FALSE(QFile::exists(Pages("quorview.htm")));

  const QString frames =
      "<!-- <FRAMESET  -->\n<FRAMESET COLS=\"50%,*\"><FRAME SRC=\"left.htm\">"
      "<FRAME SRC=\"right.htm\"></FRAMESET>\n";
  Editor().selectAll();
  Editor().ReplaceSelection(frames);
  Editor().SetSelectionPoints({2, 5, 2, 1});
  Previewer().UpdateWebView();
  // The search for the frame set leaves the caret and selection alone.
  EXPECT_EQ(Editor().GetSelectionPoints(), (EditorSurface::SelectionPoints{2, 5, 2, 1}));
  EXPECT_EQ(Form->SplitScreen->Bar(2), Form->SplitScreen->Bar(1) + 1);
  EXPECT_EQ(Read(Pages("quorview.htm")), frames.toUtf8());
  HtmlViewer& framesView = *Form->HTMLFrames;
  ASSERT_TRUE(Idle(framesView));
  EXPECT_TRUE(framesView.page()->url().path().endsWith("/quorview.htm"));
  EXPECT_TRUE(WaitFor([&] {
    return Evaluate(framesView,
                    "window.frames.length == 2 && "
                    "window.frames[1].document.body.innerText")
               .toString() == "RIGHT";
  }));

  // Closing a page of that folder takes the preview file away.
  ASSERT_TRUE(Form->Pages().Save1Click());
  ASSERT_TRUE(Form->Pages().CloseActivePage());
  EXPECT_FALSE(QFile::exists(Pages("quorview.htm")));
  EXPECT_TRUE(QFile::exists(path));
}

TEST_F(PreviewTest, FullScreenShowsThePageAloneUntilAMenuOpens) {
  Store([](SettingsStore& store) { store.WriteBool("Helpers", "fullscreen", true); });
  Start();
  EXPECT_FALSE(Form->Command("View1")->isVisible());
  Open("page.htm", "<p>Whole window</p>");
  ASSERT_TRUE(Form->Command("View1")->isVisible());
  QToolButton* button = Form->ToolButton("View HTML document in full screen");
  ASSERT_TRUE(button);
  EXPECT_TRUE(button->isEnabled());

  QString noteTitle;
  Prompts.AnswerDialog([&](QDialog& note) {
    noteTitle = note.windowTitle();
    return int(QDialog::Accepted);
  });
  Form->Command("View1")->trigger();
  EXPECT_EQ(noteTitle, "Full Screen");
  Form->Settings.fullscreen = false;  // as if the user unticked "Show Helper on next entry"
  EXPECT_TRUE(Previewer().IsFullScreen());
  EXPECT_TRUE(Form->MainSplitter->isHidden());
  EXPECT_FALSE(Form->ToolsPanel->isVisible());
  EXPECT_TRUE(Form->HTMLFull->isVisible());
  EXPECT_EQ(Form->Command("View1")->text(), "&View Split Screen!");
  EXPECT_EQ(button->toolTip(), "View HTML document in split screen");
  EXPECT_TRUE(Shows(*Form->HTMLFull, "Whole window"));

  // Opening a menu brings the split layout back first.
  QMenu* edit = Menu("Edit");
  edit->popup(Form->mapToGlobal(QPoint(10, 10)));
  edit->close();
  EXPECT_FALSE(Previewer().IsFullScreen());
  EXPECT_TRUE(Form->MainSplitter->isVisible());
  EXPECT_TRUE(Form->ToolsPanel->isVisible());
  EXPECT_FALSE(Form->HTMLFull->isVisible());
  EXPECT_EQ(Form->Command("View1")->text(), "&View Full Screen!");
  EXPECT_EQ(button->toolTip(), "View HTML document in full screen");
  // The history menu leaves it alone.
  Form->Command("View1")->trigger();
  Form->HistoryMenuItem->popup(QPoint(10, 10));
  Form->HistoryMenuItem->close();
  EXPECT_TRUE(Previewer().IsFullScreen());
  Previewer().HideFullScreen();
  EXPECT_FALSE(Previewer().IsFullScreen());

  // The split style toggles between below and beside.
  const int direction = Form->Settings.SplitDirection;
  Form->ToolButton("Toggle split screen style")->click();
  EXPECT_EQ(Form->Settings.SplitDirection, 1 - direction);
  EXPECT_EQ(Form->SplitScreen->orientation(),
            Form->Settings.SplitDirection == 1 ? Qt::Horizontal : Qt::Vertical);
}

TEST_F(PreviewTest, LinksToPicturesFillTheImageBoxOthersAreFollowedAndBackReturnsToTheEditor) {
  Start();
  WritePage("page.htm",
            "<title>Second page</title><a id=home href=\"index.htm\" "
            "style=\"font-size:40px\">home</a>");
  Open("index.htm",
       "<style>a { display:block; font-size:40px; margin:10px }</style>"
       "<a id=page href=\"page.htm\">page</a><a id=logo href=\"images/logo.gif\">logo</a>"
       "<p id=plain>plain</p>");
  QToolButton* back = Form->ToolButton("Move viewer back one page");
  QToolButton* forward = Form->ToolButton("Move viewer forward one page");
  EXPECT_FALSE(back->isEnabled());
  EXPECT_FALSE(forward->isEnabled());

  PointAt(Split(), CenterOf(Split(), "#page"));
  ASSERT_TRUE(WaitFor([&] { return Form->StatusPanels[2]->text() == "page.htm"; }));
  PointAt(Split(), CenterOf(Split(), "#plain"));
  ASSERT_TRUE(WaitFor([&] { return Form->StatusPanels[2]->text().isEmpty(); }));

  Click(Split(), "#logo");
  ASSERT_TRUE(WaitFor([&] { return Form->ImageList->currentText() == "logo.gif"; }));
  Settle(300);
  EXPECT_EQ(Split().HistoryCount(), 0);
  EXPECT_TRUE(BodyText(Split()).contains("plain"));

  QSignalSpy history(&Split(), &HtmlViewer::HistoryChanged);
  Click(Split(), "#page");
  ASSERT_TRUE(Await(history));
  EXPECT_TRUE(BodyText(Split()).contains("home"));
  EXPECT_EQ(Form->windowTitle(), "Second page");
  EXPECT_TRUE(Form->StatusPanels[2]->text().isEmpty());  // the link left with its page
  EXPECT_TRUE(Form->HistoryMenuItem->menuAction()->isVisible());
  QAction* first = Form->findChild<QAction*>("HistoryItem0");
  EXPECT_TRUE(first->isVisible());
  EXPECT_TRUE(first->isChecked());
  EXPECT_EQ(first->text(), Pages("page.htm"));
  EXPECT_FALSE(Form->findChild<QAction*>("HistoryItem1")->isVisible());
  EXPECT_TRUE(back->isEnabled());
  EXPECT_FALSE(forward->isEnabled());

  // Back from the oldest entry shows the edited page, unsaved changes included.
  Editor().SetSelectionPoints({1, 0, 1, 0});
  Editor().ReplaceSelection("<p>EDITED</p>");
  back->click();
  ASSERT_TRUE(Shows(Split(), "EDITED"));
  EXPECT_EQ(Split().HistoryCount(), 1);

  // A history item shows its entry again.
  first->trigger();
  ASSERT_TRUE(Await(history, 2));
  EXPECT_TRUE(BodyText(Split()).contains("home"));
}

TEST_F(PreviewTest, ASubmittedFormShowsItsValuesWithoutBlocking) {
  Start();
  Open("form.htm",
       "<form action=\"mailto:me@example.com\" method=\"post\"><input name=name value=Ann>"
       "<input type=checkbox name=news value=yes checked>"
       "<input id=send type=submit value=Send style=\"font-size:30px\"></form>");
  const QString shown = Split().page()->url().toString();
  Click(Split(), "#send");
  TSubmitForm& results = Previewer().SubmitForm();
  ASSERT_TRUE(WaitFor([&] { return results.isVisible(); }));
  EXPECT_EQ(results.windowTitle(), "Submit Results");
  EXPECT_FALSE(results.isModal());
  EXPECT_EQ(results.Action(), "mailto:me@example.com");
  EXPECT_EQ(results.Method(), "POST");
  EXPECT_EQ(results.Results(), QStringList({"name=Ann", "news=yes"}));
  EXPECT_EQ(Split().page()->url().toString(), shown);
  results.findChild<QPushButton*>("CloseBtn")->click();
  EXPECT_FALSE(results.isVisible());
}

TEST_F(PreviewTest, SearchSourceFindAndThePopUpMenuWorkOnThePreviewSelection) {
  Start();
  Open("find.htm", "<p>Hello <b>World</b> and world</p><div style=\"height:3000px\"></div>");
  Previewer().HTMLPopupPopup();
  EXPECT_FALSE(Previewer().HTMLPopup->findChild<QAction*>("SearchSource2")->isEnabled());
  EXPECT_TRUE(Previewer().HTMLPopup->findChild<QAction*>("Find2")->isEnabled());

  Evaluate(Split(),
           "var r = document.createRange(); var t = document.querySelector('b').firstChild;"
           "r.setStart(t, 0); r.setEnd(t, 5); getSelection().removeAllRanges();"
           "getSelection().addRange(r);");
  ASSERT_TRUE(WaitFor([&] { return Split().SelLength() == 5; }));
  Previewer().HTMLPopupPopup();
  EXPECT_TRUE(Previewer().HTMLPopup->findChild<QAction*>("SearchSource2")->isEnabled());
  EXPECT_TRUE(Previewer().HTMLPopup->findChild<QAction*>("Copy2")->isEnabled());
  Previewer().SearchClick();
  EXPECT_TRUE(Form->Command("SearchSource")->isEnabled());

  Editor().SetSelectionPoints({1, 40, 1, 40});
  Form->Command("SearchSource")->trigger();
  EXPECT_EQ(QApplication::clipboard()->text(), "World");
  EXPECT_EQ(Editor().SelectedText(), "World");
  EXPECT_EQ(Editor().GetSelectionPoints(), (EditorSurface::SelectionPoints{1, 12, 1, 17}));

  // Find goes on from the selection to the end, then says there are no more.
  FindDialog& find = Previewer().FindWindow();
  Previewer().FindClick();
  EXPECT_TRUE(find.isVisible());
  find.FindEdit->setText("world");
  find.FindNextBtn->click();  // the "world" after the selected "World"
  Settle(500);
  EXPECT_TRUE(Prompts.Texts().isEmpty());
  find.FindNextBtn->click();
  ASSERT_TRUE(WaitFor([&] { return !Prompts.Messages.empty(); }));
  EXPECT_EQ(Prompts.Texts(), QStringList{"No further occurances of \"world\""});
  // Matching case finds the lower-case one only; two quick clicks are two searches.
  find.MatchCaseBox->setChecked(true);
  find.FindNextBtn->click();
  find.FindNextBtn->click();
  ASSERT_TRUE(WaitFor([&] { return Prompts.Messages.size() == 2; }));
  Settle(300);
  EXPECT_EQ(Prompts.Texts().size(), 2);

  Previewer().GoToBottomClick();
  ASSERT_TRUE(WaitFor([&] { return Split().Position() > 1000; }));
  Previewer().GoToTopClick();
  EXPECT_TRUE(WaitFor([&] { return Split().Position() == 0; }));
}

TEST_F(PreviewTest, ExternalBrowsersGetThePreviewFileInThePagesFolder) {
  Start();
  QTemporaryDir tools;
  const QString record = tools.filePath("launched.txt");
  const QString browser = tools.filePath("browser.sh");
  {
    QFile script(browser);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(
        QString("#!/bin/sh\nprintf '%s\\n%s\\n' \"$1\" \"$(pwd)\" > '%1'\n").arg(record).toUtf8());
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
  }
  Open("page.htm", "<p>Shown outside</p>");
  Editor().SetSelectionPoints({1, 0, 1, 0});
  Editor().ReplaceSelection("<!-- unsaved -->");

  // Without a browser the Page menu offers none and the button stays off.
  Previewer().Page1Click();
  EXPECT_FALSE(Form->Command("ViewPageinBrowser1")->isVisible());
  EXPECT_FALSE(Form->Command("ViewPageinBrowser21")->isVisible());
  EXPECT_TRUE(Form->Command("RefreshHTML1")->isEnabled());
  EXPECT_FALSE(Form->ToolButton("Launch external browser #1")->isEnabled());
  Previewer().Browsers().ViewPageinBrowser1Click();
  EXPECT_EQ(Prompts.Texts(), QStringList{"No default browser has been selected!"});
  EXPECT_FALSE(QFile::exists(Pages("quorview.htm")));

  Form->Settings.Browser1 = browser;
  Form->Settings.Browser1Prefix = true;
  Form->Settings.Browser2 = tools.filePath("no-such-browser");
  Form->Settings.BrowserRefresh = true;
  Previewer().Page1Click();
  QAction* first = Form->Command("ViewPageinBrowser1");
  EXPECT_TRUE(first->isVisible());
  EXPECT_TRUE(first->isEnabled());
  EXPECT_EQ(first->text(), "View page in browser.sh");
  EXPECT_EQ(Form->Command("ViewPageinBrowser21")->text(), "View page in no-such-browser");

  QString noteTitle;
  Prompts.AnswerDialog([&](QDialog& note) {
    noteTitle = note.windowTitle();
    return int(QDialog::Accepted);
  });
  first->trigger();
  EXPECT_EQ(noteTitle, "Browser Refresh");
  ASSERT_TRUE(WaitFor([&] { return QFile::exists(record); }));
  ASSERT_TRUE(WaitFor([&] { return Read(record).count('\n') == 2; }));
  const QStringList launched = QString::fromUtf8(Read(record)).split('\n');
  EXPECT_EQ(launched[0], "FILE://" + Pages("quorview.htm"));
  EXPECT_EQ(QDir(launched[1]).canonicalPath(), QDir(Pages("")).canonicalPath());
  EXPECT_EQ(Read(Pages("quorview.htm")), Editor().WholeText().toUtf8());

  // A browser that cannot start is reported; the preview file is written all the same.
  QFile::remove(Pages("quorview.htm"));
  Form->Settings.BrowserRefresh = false;
  Form->Command("ViewPageinBrowser21")->trigger();
  EXPECT_EQ(Prompts.Texts().last(),
            "Error launching external browser!  Please verify browser location and try again.");
  EXPECT_TRUE(QFile::exists(Pages("quorview.htm")));
}

TEST_F(PreviewTest, PrintDialogPrintsTextOrPictureAndTheAboutBoxTellsTheVersion) {
  Start();
  Open("print.htm", "<p>Printed page</p>");
  QsciPrinter& printer = Previewer().Printing().Printer();
  printer.setOutputFormat(QPrinter::PdfFormat);
  QTemporaryDir out;
  Form->SpareEditor->setText("scratch notes");
  Form->SpareEditor->SetModified(false);

  printer.setOutputFileName(out.filePath("text.pdf"));
  Prompts.AnswerDialog([](QDialog& dialog) {
    auto& print = static_cast<TPrintForm&>(dialog);
    EXPECT_EQ(print.windowTitle(), "Print");
    EXPECT_TRUE(print.GraphicView->isChecked());
    print.TextView->setChecked(true);
    print.BitBtn1->click();
    return print.result();
  });
  Form->Command("Print1")->trigger();
  EXPECT_TRUE(Read(out.filePath("text.pdf")).startsWith("%PDF"));
  // The internal clipboard lent its editor and has its own text back.
  EXPECT_EQ(Form->SpareEditor->WholeText(), "scratch notes");
  EXPECT_FALSE(Form->SpareEditor->Modified());

  printer.setOutputFileName(out.filePath("picture.pdf"));
  Prompts.AnswerDialog([](QDialog& dialog) {
    static_cast<TPrintForm&>(dialog).BitBtn1->click();
    return dialog.result();
  });
  Form->ToolButton("Print")->click();
  EXPECT_TRUE(WaitFor([&] {
    return printer.printerState() == QPrinter::Idle &&
           Read(out.filePath("picture.pdf")).startsWith("%PDF");
  }));

  // Close prints nothing.
  printer.setOutputFileName(out.filePath("none.pdf"));
  Prompts.AnswerDialog([](QDialog& dialog) {
    static_cast<TPrintForm&>(dialog).BitBtn2->click();
    return dialog.result();
  });
  Form->Command("Print1")->trigger();
  Settle(500);
  EXPECT_FALSE(QFile::exists(out.filePath("none.pdf")));

  Prompts.AnswerDialog([](QDialog& dialog) {
    auto& about = static_cast<TAboutBox&>(dialog);
    EXPECT_EQ(about.windowTitle(), "About Quorvane");
    EXPECT_EQ(about.ProductName->text(), "Quorvane Professional");
    EXPECT_EQ(about.Version->text(), "Version 2.6(32 Bit)");
    EXPECT_TRUE(about.Comments->text().startsWith("Please send comments to: "));
    about.OKButton->click();
    return about.result();
  });
  Form->Command("About1")->trigger();
  EXPECT_TRUE(Prompts.AllAnswersUsed());
  EXPECT_TRUE(Prompts.Texts().isEmpty()) << Prompts.Texts().join('|').toStdString();
}

TEST_F(PreviewTest, StoredTagColoursColourTheEditorsTags) {
  Store([](SettingsStore& store) {
    store.WriteString("Defaults", "SyntaxFGColor", "255");    // red
    store.WriteString("Defaults", "SyntaxBGColor", "65535");  // yellow
    store.WriteString("Defaults", "HTMLFontColor", "32768");  // green
  });
  Start();
  EXPECT_EQ(Form->WebPage->TagTextColor(), QColor(255, 0, 0));
  EXPECT_EQ(Form->WebPage->TagBackgroundColor(), QColor(255, 255, 0));
  Open("colours.htm", "<p id=p>text</p>");
  EXPECT_EQ(Evaluate(Split(), "getComputedStyle(document.getElementById('p')).color").toString(),
            "rgb(0, 128, 0)");
}

}  // namespace
