#include "platform/settings_store.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>

#include "core/registry_file.h"
#include "qt_printers.h"

namespace {

QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

// What a fresh start would read from disk.
QString OnDisk(const QString& path, const QString& name) {
  return SettingsStore(path).ReadString("Defaults", name, "absent");
}

class SettingsStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Dir.isValid());
    SavedXdg = qgetenv("XDG_CONFIG_HOME");
    HadXdg = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    Path = Dir.filePath("config/Halvorend/Quorvane/settings.reg");
  }
  void TearDown() override {
    if (HadXdg)
      qputenv("XDG_CONFIG_HOME", SavedXdg);
    else
      qunsetenv("XDG_CONFIG_HOME");
  }

  QTemporaryDir Dir;
  QString Path;
  QByteArray SavedXdg;
  bool HadXdg = false;
};

TEST_F(SettingsStoreTest, DefaultPathFollowsXdgConfigHome) {
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(Dir.filePath("config")));
  EXPECT_EQ(SettingsStore::DefaultPath(), Path);
  SettingsStore store;
  EXPECT_EQ(store.FilePath(), Path);
  store.WriteString("Defaults", "FontName", "Arial");
  EXPECT_EQ(OnDisk(Path, "FontName"), "Arial");

  const QString fallback = QDir::homePath() + "/.config/Halvorend/Quorvane/settings.reg";
  qunsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(SettingsStore::DefaultPath(), fallback);
  qputenv("XDG_CONFIG_HOME", "");
  EXPECT_EQ(SettingsStore::DefaultPath(), fallback);
}

TEST_F(SettingsStoreTest, AbsentFileIsEmptyUntilTheFirstWrite) {
  SettingsStore store(Path);
  EXPECT_EQ(store.LoadError(), "");
  EXPECT_EQ(store.ReadInteger("Defaults", "TabSize", 3), 3);
  EXPECT_FALSE(QFile::exists(Path));

  // Each write outside a batch is on disk at once, folders created as needed.
  store.WriteInteger("Defaults", "TabSize", 8);
  EXPECT_EQ(store.WriteError(), "");
  EXPECT_EQ(SettingsStore(Path).ReadInteger("Defaults", "TabSize", 3), 8);
  store.WriteString("Defaults", "FontName", "Arial");
  EXPECT_EQ(OnDisk(Path, "FontName"), "Arial");
  EXPECT_TRUE(ReadBytes(Path).startsWith("REGEDIT4\r\n"));
}

TEST_F(SettingsStoreTest, DamagedFileStartsEmptyAndIsRewrittenWhole) {
  ASSERT_TRUE(QDir().mkpath(QFileInfo(Path).path()));
  WriteBytes(Path,
             "Not a settings file\r\n"
             "[HKEY_CURRENT_USER\\Software\\Halvorend\\Quorvane\\Defaults]\r\n"
             "\"TabSize\"=dword:00000005\r\n");
  SettingsStore store(Path);
  EXPECT_TRUE(store.LoadError().contains(Path)) << store.LoadError().toStdString();
  EXPECT_TRUE(store.LoadError().contains("line 1")) << store.LoadError().toStdString();
  EXPECT_EQ(store.ReadInteger("Defaults", "TabSize", 2), 2);

  store.WriteString("Defaults", "FontName", "Arial");
  QString error;
  std::optional<RegistryFile> saved = RegistryFile::Parse(ReadBytes(Path), &error);
  ASSERT_TRUE(saved) << error.toStdString();
  RegistryFile expected;
  expected.WriteString("Defaults", "FontName", "Arial");
  EXPECT_TRUE(*saved == expected);
}

TEST_F(SettingsStoreTest, UnreadableFileIsReported) {
  ASSERT_TRUE(QDir().mkpath(Path));  // a folder where the file should be
  SettingsStore store(Path);
  EXPECT_TRUE(store.LoadError().contains(Path)) << store.LoadError().toStdString();
  EXPECT_EQ(store.ReadString("Defaults", "FontName", "def"), "def");
}

TEST_F(SettingsStoreTest, FailedWriteKeepsTheValuesAndRetriesLater) {
  const QString blocker = Dir.filePath("blocker");
  WriteBytes(blocker, "not a folder");
  const QString path = blocker + "/settings.reg";
  SettingsStore store(path);
  EXPECT_EQ(store.LoadError(), "");

  store.WriteString("Defaults", "FontName", "Arial");
  EXPECT_TRUE(store.WriteError().contains(path)) << store.WriteError().toStdString();
  EXPECT_EQ(store.ReadString("Defaults", "FontName", ""), "Arial");
  EXPECT_EQ(ReadBytes(blocker), "not a folder");

  // Writing the same value again still reaches the disk once it can.
  ASSERT_TRUE(QFile::remove(blocker));
  store.WriteString("Defaults", "FontName", "Arial");
  EXPECT_EQ(store.WriteError(), "");
  EXPECT_EQ(OnDisk(path, "FontName"), "Arial");
}

// Fails writes the way a full disk does, without needing one: writes past the limit
// give EFBIG instead of the signal.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &Saved);
    OldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = Saved;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &Saved);
    std::signal(SIGXFSZ, OldHandler);
  }

 private:
  rlimit Saved{};
  void (*OldHandler)(int) = nullptr;
};

TEST_F(SettingsStoreTest, FailedWriteLeavesTheOldFileIntact) {
  SettingsStore store(Path);
  store.WriteString("Defaults", "FontName", "Arial");
  const QByteArray old = ReadBytes(Path);
  ASSERT_FALSE(old.isEmpty());
  {
    FileSizeLimit limit(16);
    store.WriteString("Defaults", "FontName", "Times New Roman");
  }
  EXPECT_NE(store.WriteError(), "");
  EXPECT_EQ(ReadBytes(Path), old);
  EXPECT_EQ(store.ReadString("Defaults", "FontName", ""), "Times New Roman");
}

TEST_F(SettingsStoreTest, BatchWritesOnceWhenTheOutermostEnds) {
  SettingsStore store(Path);
  store.WriteString("Defaults", "A", "0");
  {
    SettingsStore::Batch outer(store);
    {
      SettingsStore::Batch inner(store);
      store.WriteString("Defaults", "A", "1");
    }
    store.WriteString("Defaults", "B", "2");
    EXPECT_EQ(OnDisk(Path, "A"), "0");
    EXPECT_EQ(OnDisk(Path, "B"), "absent");
  }
  EXPECT_EQ(OnDisk(Path, "A"), "1");
  EXPECT_EQ(OnDisk(Path, "B"), "2");

  // A batch that changes nothing leaves the file alone.
  const QByteArray edited = ReadBytes(Path) + "; edited by hand\r\n";
  WriteBytes(Path, edited);
  {
    SettingsStore::Batch batch(store);
    store.WriteString("defaults", "a", "1");
  }
  EXPECT_EQ(ReadBytes(Path), edited);
}

}  // namespace
