// Saving on Windows (built for Windows only; tests/gui/test_safe_saving.cpp
// holds the POSIX cases): the system's desktop saves to C:\Temp, then to
// A:\Temp; the folders are made from a drive path, missing parents
// included; the file has the bytes it has on Linux; the questions name the
// file with backslashes, as a Windows user writes it.
#include <QDir>
#include <QtTest>

#include "frame/desktop.h"
#include "frame/saving.h"
#include "tests/gui/scripted_desktop.h"

namespace taketa {
namespace {

const ResultFile kResult{"円周率10桁", {"3141592653"}};
const QByteArray kResultBytes(
    "\x89\x7e\x8e\xfc\x97\xa6"
    "10\x8c\x85\r\n3141592653\r\n");

QString SavedQuestion(const SaveLocation& location) {
  return "計算結果が " + QDir::toNativeSeparators(location.file) +
         " に保存されました。 このテキストファイルを開きますか。";
}

}  // namespace

class WindowsSavingTest : public QObject {
  Q_OBJECT

 private slots:
  void systemSavesToDriveCThenA();
  void makesMissingFoldersOnADrive();
  void fallsBackWhenAFileIsInTheWay();
};

void WindowsSavingTest::systemSavesToDriveCThenA() {
  SetDesktop(nullptr);
  Desktop& system = TheDesktop();
  QCOMPARE(system.PrimarySaveLocation().directory, QString("C:/Temp"));
  QCOMPARE(system.PrimarySaveLocation().file, QString("C:/Temp/Temp.txt"));
  QCOMPARE(system.FallbackSaveLocation().directory, QString("A:/Temp"));
  QCOMPARE(system.FallbackSaveLocation().file, QString("A:/Temp/Temp.txt"));
  QCOMPARE(
      SavedQuestion(system.PrimarySaveLocation()),
      QString(
          "計算結果が C:\\Temp\\Temp.txt に保存されました。 このテキストファイルを開きますか。"));
}

// The scripted desktop's folders lie in the temporary folder of a drive
// (C:\users\...\Temp\...), and neither "home" nor "Temp" exists yet.
void WindowsSavingTest::makesMissingFoldersOnADrive() {
  testing::ScriptedDesktop desktop;
  QVERIFY(desktop.primary().file.at(1) == ':');
  QVERIFY(!QDir(desktop.primary().directory).exists());
  desktop.answers = {true, true};
  OfferToSave(nullptr, [] { return kResult; });
  QCOMPARE(testing::ScriptedDesktop::Read(desktop.primary().file), kResultBytes);
  QCOMPARE(desktop.questions, QStringList({"計算完了。　計算結果を保存または印刷しますか。",
                                           SavedQuestion(desktop.primary())}));
  QVERIFY(!desktop.questions[1].contains('/'));
  QCOMPARE(desktop.opened, QStringList({desktop.primary().file}));
  QVERIFY(desktop.errors.isEmpty());
  // Nothing but Temp.txt is left in the folder.
  QCOMPARE(QDir(desktop.primary().directory).entryList(QDir::Files | QDir::Hidden),
           QStringList({"Temp.txt"}));
}

void WindowsSavingTest::fallsBackWhenAFileIsInTheWay() {
  testing::ScriptedDesktop desktop;
  desktop.BreakPrimary();
  desktop.answers = {true, false};
  OfferToSave(nullptr, [] { return kResult; });
  QCOMPARE(testing::ScriptedDesktop::Read(desktop.fallback().file), kResultBytes);
  QCOMPARE(desktop.questions.size(), 2);
  QCOMPARE(desktop.questions[1], SavedQuestion(desktop.fallback()));
  QVERIFY(desktop.opened.isEmpty());
  QVERIFY(desktop.errors.isEmpty());
}

}  // namespace taketa

QTEST_MAIN(taketa::WindowsSavingTest)
#include "test_windows_saving.moc"
