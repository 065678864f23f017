#include "shell/browser_launcher.h"

#include <QAction>
#include <QProcess>

#include "core/browser_launch.h"
#include "platform/prompts.h"
#include "shell/page_documents.h"
#include "shell/preview.h"
#include "shell/tform1.h"

void BrowserLauncher::ViewPageinBrowser1Click() {
  Form.Settings.BrowserRefresh =
      Form.ShowHelperNote(3, QStringLiteral("Browser Refresh"), Form.Settings.BrowserRefresh);
  LaunchBrowser(Form.Settings.Browser1, Form.Settings.Browser1Prefix);
}

void BrowserLauncher::ViewPageinBrowser21Click() {
  Form.Settings.BrowserRefresh =
      Form.ShowHelperNote(3, QStringLiteral("Browser Refresh"), Form.Settings.BrowserRefresh);
  LaunchBrowser(Form.Settings.Browser2, Form.Settings.Browser2Prefix);
}

bool BrowserLauncher::LaunchBrowser(const QString& path, bool prefix) {
  if (path.isEmpty()) {
    Form.Ask().Inform(QStringLiteral("No default browser has been selected!"));
    return false;
  }
  // A browser shown an old or missing file would look like a refresh that did not work.
  QString previewFile;
  if (!Form.Previewer().WritePreviewFile(&previewFile)) return false;
  if (!QProcess::startDetached(path, {BrowserArgument(previewFile, prefix)},
                               Form.Pages().CurrentDir())) {
    Form.Ask().Inform(QStringLiteral(
        "Error launching external browser!  Please verify browser location and try again."));
    return false;
  }
  return true;
}

void BrowserLauncher::UpdateBrowserItems(bool pageOpen) {
  const struct {
    const char* name;
    const QString& path;
  } items[] = {{"ViewPageinBrowser1", Form.Settings.Browser1},
               {"ViewPageinBrowser21", Form.Settings.Browser2}};
  for (const auto& item : items) {
    QAction* action = Form.Command(QString::fromLatin1(item.name));
    if (!action) continue;
    action->setVisible(!item.path.isEmpty());
    if (item.path.isEmpty()) continue;
    action->setText(QString(BrowserCaption(item.path)).replace(QLatin1Char('&'), "&&"));
    action->setEnabled(pageOpen);
  }
}
