// Saving where another user may have prepared the folder: a link at
// Temp.txt is replaced, not followed; a folder that is a file, another
// user's, writable by others or read-only is left for the fallback; when
// both places fail the error is reported and the result stays on screen.
// On CI the tests run as root, which writes into any folder: the read-only
// case then saves from a child process that has given up root.
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <deque>

#include "calculators/warizan1/warizan1_window.h"
#include "frame/desktop.h"
#include "frame/saving.h"

namespace taketa {
namespace {

// Answers Yes to every question; saves where the test says.
class FolderDesktop final : public Desktop {
 public:
  FolderDesktop(const QString& primary, const QString& fallback)
      : primary_{primary, primary + "/Temp.txt"}, fallback_{fallback, fallback + "/Temp.txt"} {
    SetDesktop(this);
  }
  ~FolderDesktop() override { SetDesktop(nullptr); }

  void Beep() override {}
  void Inform(QWidget*, const QString& text) override { messages << text; }
  bool Confirm(QWidget*, const QString& text) override {
    questions << text;
    return true;
  }
  void ReportError(QWidget*, const QString& text) override { errors << text; }
  void OpenTextEditor(const SaveLocation& location) override { opened << location.file; }
  SaveLocation PrimarySaveLocation() override { return primary_; }
  SaveLocation FallbackSaveLocation() override { return fallback_; }

  QString SavedQuestion(const SaveLocation& location) const {
    return "計算結果が " + location.file + " に保存されました。 このテキストファイルを開きますか。";
  }

  SaveLocation primary_, fallback_;
  QStringList messages, questions, errors, opened;
};

QByteArray Read(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

bool IsRoot() { return ::geteuid() == 0; }

const passwd* Nobody() { return ::getpwnam("nobody"); }

// Makes `folder` another user's (only root can).
bool GiveAway(const QString& folder) {
  const passwd* nobody = Nobody();
  return nobody != nullptr &&
         ::chown(QFile::encodeName(folder).constData(), nobody->pw_uid, nobody->pw_gid) == 0;
}

void SetMode(const QString& path, mode_t mode) {
  ::chmod(QFile::encodeName(path).constData(), mode);
}

const ResultFile kResult{"円周率10桁", {"3141592653"}};
const QByteArray kResultBytes(
    "\x89\x7e\x8e\xfc\x97\xa6"
    "10\x8c\x85\r\n3141592653\r\n");

}  // namespace

class SafeSavingTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void replacesALinkAtTheFileName();
  void unsafePrimaryFolderFallsBack_data();
  void unsafePrimaryFolderFallsBack();
  void hijackedFallbackIsReportedAndLeftAlone();
  void resultStaysOnScreenWhenNeitherPlaceTakesIt();
  void systemFallbackIsThisUsersOwn();

 private:
  QString Folder(const QString& name) const {
    const QString path = root_->path() + "/" + name;
    QDir().mkpath(path);
    SetMode(path, 0700);
    return path;
  }

  std::unique_ptr<QTemporaryDir> root_;
};

void SafeSavingTest::init() {
  root_ = std::make_unique<QTemporaryDir>();
  QVERIFY(root_->isValid());
}

void SafeSavingTest::cleanup() {
  // Folders a test made read-only or gave away must be removable.
  QDirIterator folders(root_->path(), QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks,
                       QDirIterator::Subdirectories);
  while (folders.hasNext()) SetMode(folders.next(), 0700);
  root_.reset();
}

void SafeSavingTest::replacesALinkAtTheFileName() {
  FolderDesktop desktop(Folder("home/Temp"), Folder("tmp/Temp"));
  const QString victim = root_->path() + "/precious.txt";
  Write(victim, "precious");
  QVERIFY(QFile::link(victim, desktop.primary_.file));
  OfferToSave(nullptr, [] { return kResult; });
  QCOMPARE(Read(victim), QByteArray("precious"));
  QVERIFY(!QFileInfo(desktop.primary_.file).isSymLink());
  QCOMPARE(Read(desktop.primary_.file), kResultBytes);
  QCOMPARE(desktop.questions.size(), 2);
  QCOMPARE(desktop.questions[1], desktop.SavedQuestion(desktop.primary_));
  QCOMPARE(desktop.opened, QStringList({desktop.primary_.file}));
}

void SafeSavingTest::unsafePrimaryFolderFallsBack_data() {
  QTest::addColumn<QString>("folder");
  QTest::newRow("a file") << "file";
  QTest::newRow("writable by others") << "writable";
  QTest::newRow("another user's") << "other";
  QTest::newRow("read-only") << "read-only";
}

void SafeSavingTest::unsafePrimaryFolderFallsBack() {
  QFETCH(QString, folder);
  const QString primary = root_->path() + "/home/Temp";
  const QString fallback = root_->path() + "/tmp/Temp";
  QDir().mkpath(root_->path() + "/home");
  if (folder == "file") {
    Write(primary, "not a folder");
  } else {
    Folder("home/Temp");
    Write(primary + "/Temp.txt", "old");
    if (folder == "writable") SetMode(primary, 0777);
    if (folder == "other") {
      if (!IsRoot()) QSKIP("only root can give a folder to another user");
      QVERIFY(GiveAway(primary));
    }
    if (folder == "read-only") SetMode(primary, 0500);
  }
  const auto save = [&] {
    FolderDesktop desktop(primary, fallback);
    OfferToSave(nullptr, [] { return kResult; });
    return desktop.questions.size() == 2 &&
           desktop.questions[1] == desktop.SavedQuestion(desktop.fallback_) &&
           desktop.errors.isEmpty();
  };
  if (folder == "read-only" && IsRoot()) {
    // Root writes into any folder: a child process that has become another
    // user saves, with both folders that user's.
    const passwd* nobody = Nobody();
    if (nobody == nullptr) QSKIP("no user nobody to save as");
    SetMode(root_->path(), 0711);
    Folder("tmp/Temp");
    QVERIFY(GiveAway(primary) && GiveAway(fallback));
    const pid_t child = ::fork();
    if (child == 0) {
      const bool dropped = ::setgroups(0, nullptr) == 0 && ::setgid(nobody->pw_gid) == 0 &&
                           ::setuid(nobody->pw_uid) == 0;
      _exit(dropped && save() ? 0 : 1);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  } else {
    QVERIFY(save());
  }
  QCOMPARE(Read(fallback + "/Temp.txt"), kResultBytes);
  if (folder == "file") {
    QCOMPARE(Read(primary), QByteArray("not a folder"));
  } else {
    QCOMPARE(Read(primary + "/Temp.txt"), QByteArray("old"));
    QCOMPARE(QDir(primary).entryList(QDir::Files | QDir::Hidden), QStringList({"Temp.txt"}));
  }
  // A fallback folder it created is this user's alone.
  QCOMPARE(QFileInfo(fallback).permissions() & 0x0077, QFileDevice::Permissions());
}

void SafeSavingTest::hijackedFallbackIsReportedAndLeftAlone() {
  // Another user prepared the shared fallback folder with a link to one of
  // our files; our home cannot take the primary folder.
  Write(root_->path() + "/home", "not a folder");
  const QString fallback = Folder("tmp/Temp");
  const QString victim = root_->path() + "/precious.txt";
  Write(victim, "precious");
  QVERIFY(QFile::link(victim, fallback + "/Temp.txt"));
  if (IsRoot()) {
    QVERIFY(GiveAway(fallback));
  } else {
    SetMode(fallback, 0777);
  }
  FolderDesktop desktop(root_->path() + "/home/Temp", fallback);
  OfferToSave(nullptr, [] { return kResult; });
  QCOMPARE(Read(victim), QByteArray("precious"));
  QVERIFY(QFileInfo(fallback + "/Temp.txt").isSymLink());
  QCOMPARE(desktop.questions.size(), 1);  // no "saved" question
  QCOMPARE(desktop.errors.size(), 1);
  QVERIFY2(
      desktop.errors[0].contains(root_->path() + "/home") && desktop.errors[0].contains(fallback),
      qPrintable(desktop.errors[0]));
  QVERIFY(desktop.opened.isEmpty());
}

void SafeSavingTest::resultStaysOnScreenWhenNeitherPlaceTakesIt() {
  // Both Temp folders are plain files: the report says so, in Japanese.
  const QString primary = Folder("home") + "/Temp", fallback = Folder("tmp") + "/Temp";
  Write(primary, "");
  Write(fallback, "");
  FolderDesktop desktop(primary, fallback);
  Tfrm_warizan1 window;
  window.ShowFromMenu();
  window.Edit1->setText("1");
  window.Edit2->setText("8");
  window.Button1->click();
  QCOMPARE(desktop.errors, QStringList({"計算結果を保存できませんでした。\n" + primary +
                                        ": フォルダーではありません。\n" + fallback +
                                        ": フォルダーではありません。"}));
  QCOMPARE(window.Memo1->toPlainText(), QString("0.125"));
  QCOMPARE(window.focusWidget(), window.Edit1);
}

void SafeSavingTest::systemFallbackIsThisUsersOwn() {
  const QByteArray oldTmp = qgetenv("TMPDIR"), oldRuntime = qgetenv("XDG_RUNTIME_DIR");
  const QString tmp = Folder("tmp");
  qputenv("TMPDIR", QFile::encodeName(tmp));
  const QString own = tmp + "/Temp-" + QFile::decodeName(::getpwuid(::geteuid())->pw_name);
  Desktop& system = TheDesktop();

  // A runtime folder of this user's that no one else may enter.
  const QString runtime = Folder("run");
  qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
  QCOMPARE(system.FallbackSaveLocation().file, runtime + "/Temp/Temp.txt");
  // One that others may enter, or none: a folder of this user's own in the
  // temporary folder.
  SetMode(runtime, 0755);
  QCOMPARE(system.FallbackSaveLocation().file, own + "/Temp.txt");
  qunsetenv("XDG_RUNTIME_DIR");
  const SaveLocation fallback = system.FallbackSaveLocation();
  QCOMPARE(fallback.directory, own);
  QCOMPARE(fallback.file, own + "/Temp.txt");
  QVERIFY(!system.PrimarySaveLocation().file.startsWith(tmp));

  // Saved there, the folder is made owner-only.
  WriteError error;
  QVERIFY2(WriteFileSafely(fallback.file.toStdString(), EncodeResultFile(kResult), error,
                           SaveFolder::kPrivate),
           Describe(error).c_str());
  struct stat st;
  QCOMPARE(::stat(QFile::encodeName(own).constData(), &st), 0);
  QCOMPARE(st.st_mode & 0777, mode_t(0700));

  oldTmp.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", oldTmp);
  oldRuntime.isNull() ? qunsetenv("XDG_RUNTIME_DIR") : qputenv("XDG_RUNTIME_DIR", oldRuntime);
}

}  // namespace taketa

QTEST_MAIN(taketa::SafeSavingTest)
#include "test_safe_saving.moc"
