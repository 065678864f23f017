#include "main_window_fixture.h"

#include <QDir>
#include <QFile>

#include "platform/settings_store.h"

MainWindowTest::MainWindowTest()
    : SavedConfigHome(qgetenv("XDG_CONFIG_HOME")), SavedWorkingDir(QDir::currentPath()) {
  qputenv("XDG_CONFIG_HOME", Config.path().toUtf8());
  const QDir data(QStringLiteral(QUORVANE_DATA_DIR));
  for (const QString& name : data.entryList(QDir::Files))
    QFile::copy(data.filePath(name), Program.filePath(name));
  Store([](SettingsStore& store) { store.WriteBool("Helpers", "ShowTipOfTheDay", false); });
}

MainWindowTest::~MainWindowTest() {
  Form.reset();
  QDir::setCurrent(SavedWorkingDir);
  if (SavedConfigHome.isEmpty())
    qunsetenv("XDG_CONFIG_HOME");
  else
    qputenv("XDG_CONFIG_HOME", SavedConfigHome);
}

void MainWindowTest::Store(const std::function<void(SettingsStore&)>& write) {
  SettingsStore store;
  write(store);
}

QString MainWindowTest::SettingsPath() const { return SettingsStore::DefaultPath(); }

TForm1& MainWindowTest::Start() {
  ShellEnvironment environment;
  environment.ProgramDir = ProgramDir();
  environment.Ask = &Prompts;
  Form = std::make_unique<TForm1>(environment);
  Form->Start();
  return *Form;
}

bool MainWindowTest::Close() { return Form->close(); }

QString MainWindowTest::WritePage(const QString& name, const QByteArray& bytes) const {
  const QString path = Pages(name);
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
  file.write(bytes);
  return path;
}

QByteArray MainWindowTest::ReadBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QByteArray("<unreadable>");
  return file.readAll();
}
