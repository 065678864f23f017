#include "shell/page_documents.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QTabBar>

#include "core/recent_files.h"
#include "platform/editor_surface.h"
#include "platform/html_viewer.h"
#include "platform/prompts.h"
#include "shell/open_html_form.h"
#include "shell/preview.h"
#include "shell/scratch_pad.h"
#include "shell/tform1.h"
#include "tags/source_context.h"
#include "shell/wait_cursor.h"

QString WorkingCopyOf(const QString& path) { return path + QLatin1Char('_'); }

namespace {
QString FileNamePart(const QString& path) { return QFileInfo(path).fileName(); }
QString DirectoryOf(const QString& path) { return QFileInfo(path).absolutePath(); }
}  // namespace

PageDocuments::PageDocuments(TForm1& form) : Form(form), CurrentDirectory(form.ProgramDir()) {
  connect(Form.WebPageTabs, &QTabBar::currentChanged, this, &PageDocuments::WebPageTabsChange);
}

int PageDocuments::Current() const { return Form.WebPageTabs->currentIndex(); }

int PageDocuments::FindOpen(const QString& path) const {
  const QString wanted = QFileInfo(path).absoluteFilePath();
  for (size_t i = 0; i < Pages.size(); ++i)
    if (QFileInfo(Pages[i].FileName).absoluteFilePath() == wanted) return int(i);
  return -1;
}

void PageDocuments::SelectTabQuietly(int index) {
  const QSignalBlocker block(Form.WebPageTabs);
  Form.WebPageTabs->setCurrentIndex(index);
  ShownTab = index;
}

void PageDocuments::MakeWorkingDirectory(const QString& dir, bool reportFailure) {
  if (!QDir::setCurrent(dir) && reportFailure)
    Form.Ask().Message(Prompts::Kind::Error, QStringLiteral("Error changing default directory."),
                       Prompts::Buttons::Ok);
}

bool PageDocuments::WriteEditorTo(const QString& path, PageEncoding encoding, LineEndStyle style) {
  QString error;
  if (Form.WebPage->SaveFile(path, encoding, style, &error)) return true;
  Form.Ask().Fail(error);
  return false;
}

bool PageDocuments::LoadFile(const QString& path, bool inProject) {
  const QFileInfo info(path);
  if (!info.exists() && !path.contains(QLatin1String("newpage"))) {
    Form.Ask().Inform(QStringLiteral("Could not find or open: ") + path);
    Form.Previewer().ScrollToTop();
    return false;
  }
  // A second tab of an open file would share its working copy and lose one of the two
  // texts: the file's own tab comes forward instead.
  const int open = FindOpen(path);
  if (open >= 0) {
    Form.WebPageTabs->setCurrentIndex(open);
    return true;
  }
  const WaitCursor wait;
  // The page being left goes to its working copy before the editor takes the new one.
  if (!Pages.empty() && !SaveToPageHandle(Current())) return false;

  PageHandle handle;
  handle.FileName = path;
  handle.InProject = inProject;
  bool result = false;
  if (info.exists()) {
    QString error;
    PageEncoding encoding = PageEncoding::Utf8;
    if (!Form.WebPage->LoadFile(path, &encoding, &error)) {
      Form.Ask().Fail(error);
      if (!Pages.empty()) LoadFromPageHandle(Current());
      return false;
    }
    handle.Encoding = encoding;
    result = true;
  } else {
    // A new page that is not on disk yet starts empty, not with the text of the page left.
    Form.WebPage->ClearAll();
  }
  Form.WebPage->SetModified(false);
  Form.Command(QStringLiteral("Save1"))->setEnabled(false);
  Pages.push_back(handle);
  {
    const QSignalBlocker block(Form.WebPageTabs);
    Form.WebPageTabs->addTab(FileNamePart(path));
  }
  SelectTabQuietly(int(Pages.size()) - 1);

  Form.SetFormCaption(path);
  CurrentDirectory = DirectoryOf(path);
  MakeWorkingDirectory(CurrentDirectory, false);
  CurrentFile = path;
  Form.WebPageTabs->setToolTip(path);
  SetLastFiles(path);

  if (info.exists() && !info.isWritable())
    Form.Ask().Inform(QStringLiteral("File opened in Read-Only mode"));
  if (info.exists() && info.size() == 0 &&
      Form.Ask().Message(Prompts::Kind::Information,
                         QStringLiteral("Empty file, start creation of new page?"),
                         Prompts::Buttons::YesNo) == Prompts::Answer::Yes) {
    StartInitialValues();
    result = true;
  }
  Form.WebPage->SetModified(false);
  Form.SetPageControlsEnabled(true);
  Form.Previewer().UpdateWebView();
  Form.Previewer().ScrollToTop();
  return result;
}

void PageDocuments::StartInitialValues() {
  // The page generator that fills an empty page is not part of the program yet: the
  // empty page stays open for typing.
}

bool PageDocuments::SaveToPageHandle() { return SaveToPageHandle(Current()); }

bool PageDocuments::SaveToPageHandle(int index) {
  if (index < 0 || size_t(index) >= Pages.size()) return true;
  PageHandle& handle = Pages[size_t(index)];
  const EditorSurface::SelectionPoints points = Form.WebPage->GetSelectionPoints();
  handle.StartLine = points.StartLine;
  handle.StartPosition = points.StartCol;
  handle.EndLine = points.EndLine;
  handle.EndPosition = points.EndCol;
  handle.Modified = Form.WebPage->Modified();
  // The working copy is the program's own file: always UTF-8, so any text fits.
  return WriteEditorTo(WorkingCopyOf(handle.FileName), PageEncoding::Utf8, LineEndStyle::Default);
}

void PageDocuments::LoadFromPageHandle() { LoadFromPageHandle(Current()); }

void PageDocuments::LoadFromPageHandle(int index) {
  if (index < 0 || size_t(index) >= Pages.size()) return;
  const PageHandle& handle = Pages[size_t(index)];
  MakeWorkingDirectory(DirectoryOf(handle.FileName), false);
  CurrentFile = handle.FileName;
  Form.ShowHint(CurrentFile);
  Form.WebPageTabs->setToolTip(CurrentFile);
  Form.SetFormCaption(CurrentFile);
  QString error;
  PageEncoding ignored;
  if (!Form.WebPage->LoadFile(WorkingCopyOf(handle.FileName), &ignored, &error))
    Form.Ask().Fail(error);
  Form.WebPage->SetSelectionPoints(
      {handle.StartLine, handle.StartPosition, handle.EndLine, handle.EndPosition});
  Form.WebPage->SetModified(handle.Modified);
  Form.Command(QStringLiteral("Save1"))->setEnabled(handle.Modified);
  ShownTab = index;
  Form.Previewer().UpdateWebView();
}

void PageDocuments::WebPageTabsChange(int index) {
  if (index == ShownTab || index < 0) return;
  const WaitCursor wait;
  Form.WebPageTabs->setEnabled(false);
  const bool saved = SaveToPageHandle(ShownTab);
  Form.WebPageTabs->setEnabled(true);
  if (!saved) {
    // The text stays in the editor with its own tab.
    SelectTabQuietly(ShownTab);
    return;
  }
  LoadFromPageHandle(index);
  Form.WebPage->setFocus();
  Form.GetLocation();
}

void PageDocuments::WebPageTabsMouseUp() {
  if (!PageOpen()) return;
  Form.ShowHint(
      QStringLiteral("A backup of the File has been saved with a '_' character appended."));
  MakeWorkingDirectory(DirectoryOf(CurrentFile), true);
  const PageEncoding encoding = CurrentHandle().Encoding;
  if (WriteEditorTo(WorkingCopyOf(CurrentFile), PageEncoding::Utf8, LineEndStyle::Default))
    WriteEditorTo(Form.Previewer().PreviewFileOf(CurrentFile), encoding, LineEndStyle::Default);
}

void PageDocuments::New1Click() {
  MakeWorkingDirectory(Form.ProgramDir(), false);
  Form.Settings.NewFile =
      Form.ShowHelperNote(1, QStringLiteral("Orphan Pages"), Form.Settings.NewFile);
  const QString path = Form.ProgramDir() + QStringLiteral("newpage.htm");
  if (!QFileInfo::exists(path)) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
      Form.Ask().Fail(QStringLiteral("Could not create %1: %2.").arg(path, file.errorString()));
      return;
    }
  }
  LoadFile(path, false);
}

void PageDocuments::OpenWeb1Click() {
  TOpenHTMLForm dialog(
      Form.BuildFileFilter(), CurrentDirectory,
      [this](const QString& path) {
        LoadFile(path, false);
        Form.SetPageControlsEnabled(PageOpen());
        Form.WebPage->setFocus();
      },
      &Form);
  Form.Ask().RunModal(dialog);
}

bool PageDocuments::Save1Click() {
  if (CurrentFile.toLower().contains(QLatin1String("newpage.htm")))
    Form.Settings.SavingToDefault =
        Form.ShowHelperNote(9, QStringLiteral("Saving To Default"), Form.Settings.SavingToDefault);
  if (CurrentFile.isEmpty()) return SaveAs1Click();
  if (Form.Settings.AutoTimeStamp) Form.Context().SetLastModifiedDate();
  if (!WriteEditorTo(CurrentFile, CurrentHandle().Encoding, LineEnds)) return false;
  Form.WebPage->SetModified(false);
  Form.Command(QStringLiteral("Save1"))->setEnabled(false);
  return true;
}

bool PageDocuments::SaveAs1Click() {
  if (!PageOpen()) return false;
  Prompts::FileRequest request;
  request.filter = QStringLiteral("HTML Documents|*.htm;*.html|Frame Settings|*.set");
  request.fileName = CurrentFile;
  request.directory = CurrentDirectory;
  const std::optional<QString> chosen = Form.Ask().SaveFile(request);
  if (!chosen) return false;
  if (QFileInfo::exists(*chosen) &&
      Form.Ask().Message(Prompts::Kind::Warning, QStringLiteral("Overwrite existing file?"),
                         Prompts::Buttons::OkCancel) != Prompts::Answer::Ok)
    return false;
  // Names the program writes are lower case; folders keep their names, which on this
  // system are told apart by case.
  const QFileInfo info(*chosen);
  const QString path = QDir(info.absolutePath()).filePath(info.fileName().toLower());
  if (Form.Settings.AutoTimeStamp) Form.Context().SetLastModifiedDate();
  if (!WriteEditorTo(path, CurrentHandle().Encoding, LineEnds)) return false;
  const QString oldName = CurrentFile;
  Form.WebPage->SetModified(false);
  Form.SetFormCaption(path);
  CurrentDirectory = DirectoryOf(path);
  CurrentFile = path;
  SetLastFiles(path);
  RenameSaveAsFile();
  if (oldName != path && FindOpen(oldName) < 0) QFile::remove(WorkingCopyOf(oldName));
  return true;
}

void PageDocuments::RenameSaveAsFile() {
  PageHandle& handle = CurrentHandle();
  handle.FileName = CurrentFile;
  Form.WebPageTabs->setTabText(Current(), FileNamePart(CurrentFile));
  if (handle.InProject)
    Form.Ask().Inform(QStringLiteral(
        "A Save As function has been performed on document that was in a project.  The file "
        "that is being edited is no longer part of that project."));
  handle.InProject = false;
}

bool PageDocuments::CloseActivePage() {
  if (!PageOpen()) return false;
  const int index = Current();
  const QString fileName = CurrentHandle().FileName;
  if (Form.WebPage->Modified()) {
    switch (
        Form.Ask().Message(Prompts::Kind::Confirmation,
                           QStringLiteral("Save ") + fileName + QStringLiteral(" before closing?"),
                           Prompts::Buttons::YesNoCancel)) {
      case Prompts::Answer::Yes:
        // A page that could not be saved stays open: closing it would lose the text.
        if (!Save1Click()) return false;
        break;
      case Prompts::Answer::No:
        break;
      default:
        return false;
    }
  }
  QFile::remove(WorkingCopyOf(fileName));
  QFile::remove(Form.Previewer().PreviewFileOf(fileName));
  ClearPage();

  const int neighbour = index + 1 < int(Pages.size()) ? index + 1 : index - 1;
  Pages.erase(Pages.begin() + index);
  {
    const QSignalBlocker block(Form.WebPageTabs);
    Form.WebPageTabs->removeTab(index);
  }
  if (neighbour < 0) {
    ShownTab = -1;
    Form.WebPage->ClearAll();
    Form.WebPage->SetModified(false);
    Form.Previewer().UpdateWebView();
    Form.SetPageControlsEnabled(false);
  } else {
    const int remaining = neighbour > index ? neighbour - 1 : neighbour;
    SelectTabQuietly(remaining);
    LoadFromPageHandle(remaining);
  }
  return true;
}

int PageDocuments::CloseAllPages() {
  while (PageOpen() && CloseActivePage()) {
  }
  return int(Pages.size());
}

void PageDocuments::ClearPage() {
  Form.WebPage->ClearAll();
  CurrentFile.clear();
  Form.SetFormCaption(QString());
  Form.HTMLSplit->Clear();
}

void PageDocuments::SetLastFiles(const QString& path) {
  if (::SetLastFiles(Form.Settings.LastFiles, path)) SetLastFilesMenu();
}

void PageDocuments::SetLastFilesMenu() {
  for (int n = 1; n <= 4; ++n) {
    const QString& path = Form.Settings.LastFiles[size_t(n - 1)];
    if (path.isEmpty()) continue;
    QAction* item = Form.Command(QStringLiteral("Last%1").arg(n));
    item->setText(QStringLiteral("&%1 %2").arg(n).arg(QString(path).replace('&', "&&")));
    item->setData(path);
    item->setVisible(true);
  }
}

void PageDocuments::LastFileClick(int n) {
  LoadFile(Form.Command(QStringLiteral("Last%1").arg(n))->data().toString(), false);
}

void PageDocuments::InsertFile1Click() {
  Prompts::FileRequest request;
  request.filter = Form.BuildFileFilter();
  request.defaultSuffix = QStringLiteral("HTM");
  request.directory = CurrentDirectory;
  const std::optional<QString> path = Form.Ask().OpenFile(request);
  if (!path) return;
  QString text;
  QString error;
  if (!Form.InternalClipboard().ReadThroughSpareEditor(*path, &text, &error)) {
    Form.Ask().Fail(error);
    return;
  }
  Form.WebPage->ReplaceSelection(text);
}
