#include <QApplication>
#include <QPointer>
#include <QTimer>

#include "platform/prompts.h"
#include "shell/splash.h"
#include "shell/tform1.h"

int main(int argc, char** argv) {
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);
  QPointer<TSpash> splash = new TSpash;
  splash->show();
  app.processEvents();
  QApplication::setApplicationName(QStringLiteral("Quorvane 32"));

  DialogPrompts prompts;
  ShellEnvironment environment;
  environment.ProgramDir = QCoreApplication::applicationDirPath() + QLatin1Char('/');
  environment.Ask = &prompts;
  TForm1 form(environment);
  prompts.SetParent(&form);
  if (splash) splash->close();
  // Started from the event loop, so the window is on screen before any first dialog.
  QTimer::singleShot(0, &form, &TForm1::Start);
  return app.exec();
}
