#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "qt_printers.h"
#include "scripted_prompts.h"
#include "shell/tform1.h"

class SettingsStore;

// A fresh program directory (with the shipped data), a fresh settings store under a
// temporary XDG_CONFIG_HOME and scripted prompts; the main window is started on demand.
class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest();
  ~MainWindowTest() override;

  // Values written to the store before the window starts. The tip window is off unless
  // a test turns it on here.
  void Store(const std::function<void(SettingsStore&)>& write);
  // Creates and starts the main window.
  TForm1& Start();
  // Closes the window as the user would; returns whether it closed.
  bool Close();

  QString ProgramDir() const { return Program.path() + QLatin1Char('/'); }
  QString SettingsPath() const;
  QString Pages(const QString& name) const { return PagesDir.filePath(name); }
  // Writes a page into the pages folder and returns its path.
  QString WritePage(const QString& name, const QByteArray& bytes) const;
  static QByteArray ReadBytes(const QString& path);

  ScriptedPrompts Prompts;
  std::unique_ptr<TForm1> Form;

 private:
  QTemporaryDir Program;
  QTemporaryDir Config;
  QTemporaryDir PagesDir;
  QByteArray SavedConfigHome;
  QString SavedWorkingDir;
};
