// The pi and e windows from end to end: checks, a run with its step
// counter, stop and close during a run, and the saved file.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "calculators/ensyuuritu/ensyuuritu_window.h"
#include "calculators/sizentaisuunotei/sizentaisuunotei_window.h"
#include "tests/gui/window_fixture.h"

namespace taketa {

class ConstantWindowsTest : public testing::WindowTest<Tfrm_ensyuuritu> {
  Q_OBJECT

 private slots:
  void controls();
  void refusesInput_data();
  void refusesInput();
  void computesWithStepCounter();
  void stopPressEndsTheRun();
  void closeEndsTheRun();
  void savesUnderTheInputTheResultCameFrom();
  void editingClearsTheResult();
  void eWindow();

 private:
  void Start(const QString& text) {
    w().Edit1->setText(text);
    w().Button1->click();
  }
};

void ConstantWindowsTest::controls() {
  QCOMPARE(w().objectName(), QString("frm_ensyuuritu"));
  QCOMPARE(w().windowTitle(), QString("frm_ensyuuritu"));
  QCOMPARE(w().findChild<QLabel*>("Label1")->text(),
           QString("円周率を 60000桁まで求めることができます。"));
  QCOMPARE(w().findChild<QLabel*>("Label2")->text(), QString("円周率を何桁まで求めますか。桁数＝"));
  QCOMPARE(w().findChild<QLineEdit*>("Edit1")->geometry(), QRect(308, 62, 73, 24));
  QCOMPARE(w().findChild<QPushButton*>("Button1")->text(), QString("計算開始"));
  QCOMPARE(w().findChild<QPushButton*>("Button2")->text(), QString("終了"));
  QVERIFY(w().findChild<QPlainTextEdit*>("Memo2")->isHidden());
  QVERIFY(!w().findChild<QPlainTextEdit*>("Memo1")->isHidden());
  QCOMPARE(w().focusWidget(), w().Edit1);
}

void ConstantWindowsTest::refusesInput_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("message");
  const QString range = "半角数字で 2以上 60000以下の自然数を入力してください。";
  QTest::newRow("empty") << "" << range;
  QTest::newRow("letter") << "12a" << range;
  QTest::newRow("full-width") << "１２" << range;
  QTest::newRow("one") << "1" << range;
  QTest::newRow("too large") << "60001" << range;
  QTest::newRow("six characters") << "123456"
                                  << "入力文字数を5以下にしてください。";
}

void ConstantWindowsTest::refusesInput() {
  QFETCH(QString, text);
  QFETCH(QString, message);
  w().Button1->setFocus();
  Start(text);
  CheckRefused(message, w().Edit1);
  QVERIFY(!w().busy());
  QCOMPARE(w().Button1->text(), QString("計算開始"));
  QVERIFY(w().Memo2->isHidden());
  QVERIFY(w().Memo1->toPlainText().isEmpty());
}

void ConstantWindowsTest::computesWithStepCounter() {
  Start("50");
  QCOMPARE(w().Memo1->toPlainText(), QString("31415926535897932384626433832795028841971693993751"));
  QVERIFY(!w().Memo2->isHidden());
  QCOMPARE(w().Memo2->toPlainText(), QString("40"));
  QCOMPARE(desktop().questions, QStringList({"計算完了。　計算結果を保存または印刷しますか。"}));
  QVERIFY(!QFile::exists(desktop().primary().file));  // answered No
  QCOMPARE(w().Button1->text(), QString("計算開始"));
  QVERIFY(!w().Button2->isHidden());
  QVERIFY(!w().busy());
  QCOMPARE(w().focusWidget(), w().Edit1);
}

void ConstantWindowsTest::stopPressEndsTheRun() {
  bool sawRunning = false;
  WhenRunning(w().Button1, [&] {
    sawRunning = w().busy() && w().Button1->text() == "計算中止" && w().Button2->isHidden();
    w().Button1->click();
  });
  Start("60000");
  QVERIFY(sawRunning);
  QVERIFY(w().Memo1->toPlainText().isEmpty());
  QVERIFY(desktop().questions.isEmpty());
  QCOMPARE(w().Button1->text(), QString("計算開始"));
  QVERIFY(!w().Button2->isHidden());
  QVERIFY(!w().busy());
  QVERIFY(!w().Memo2->isHidden());  // keeps its last step
  QVERIFY(w().Memo2->toPlainText().toInt() >= 2);
}

void ConstantWindowsTest::closeEndsTheRun() {
  WhenRunning(w().Button1, [&] { w().close(); });
  Start("60000");
  QVERIFY(w().isHidden());
  QVERIFY(w().Memo1->toPlainText().isEmpty());
  QVERIFY(desktop().questions.isEmpty());
  QVERIFY(!w().busy());
  // Shown again, the window starts over.
  w().ShowFromMenu();
  QVERIFY(w().Edit1->text().isEmpty());
  QVERIFY(w().Memo2->isHidden());
}

void ConstantWindowsTest::savesUnderTheInputTheResultCameFrom() {
  desktop().answers = {true, false};
  Start("0010");
  QCOMPARE(SavedTempFile(), QByteArray("\x89\x7e\x8e\xfc\x97\xa6"
                                       "0010\x8c\x85\r\n3141592653\r\n"));
  // 99 typed while the 60000 digits are computed: they are saved as
  // 円周率60000桁, under Temp.txt and under a name of one's own alike.
  desktop().Clear();
  desktop().answers = {true, false};
  bool typed = false;
  WhenRunning(w().Button1, [&] {
    w().Edit1->setText("99");
    typed = w().busy();
  });
  Start("60000");
  QVERIFY(typed);
  QCOMPARE(w().Edit1->text(), QString("99"));
  const QByteArray saved = SavedTempFile();
  QVERIFY(
      saved.startsWith("\x89\x7e\x8e\xfc\x97\xa6"
                       "60000\x8c\x85\r\n31415926535"));
  QCOMPARE(saved.size(), 6 + 5 + 2 + 2 + 60000 + 2);
  QCOMPARE(SaveAsWithCtrlS(w().Memo1, "pi.txt"), saved);
  QVERIFY(desktop().saveDialogs.at(0).endsWith("/円周率60000桁.txt"));
}

void ConstantWindowsTest::editingClearsTheResult() {
  Start("20");
  QVERIFY(!w().Memo1->toPlainText().isEmpty());
  w().Edit1->setText("21");
  QVERIFY(w().Memo1->toPlainText().isEmpty());
  QVERIFY(w().Memo2->isHidden());
}

void ConstantWindowsTest::eWindow() {
  Tfrm_sizentaisuunotei e;
  e.ShowFromMenu();
  QCOMPARE(e.objectName(), QString("frm_sizentaisuunotei"));
  QCOMPARE(e.Label1->text(), QString("自然対数の底を 60000桁まで求めることができます。"));
  QCOMPARE(e.Label2->text(), QString("自然対数の底を何桁まで求めますか。桁数＝"));
  QCOMPARE(e.Edit1->geometry(), QRect(356, 62, 72, 24));
  desktop().answers = {true, false};
  e.Edit1->setText("50");
  e.Button1->click();
  QCOMPARE(e.Memo1->toPlainText(), QString("27182818284590452353602874713526624977572470936999"));
  QCOMPARE(e.Memo2->toPlainText(), QString("45"));
  QCOMPARE(SavedTempFile(), QByteArray("\x8e\xa9\x91\x52\x91\xce\x90\x94\x82\xcc\x92\xea"
                                       "50\x8c\x85\r\n"
                                       "27182818284590452353602874713526624977572470936999\r\n"));
}

}  // namespace taketa

QTEST_MAIN(taketa::ConstantWindowsTest)
#include "test_constant_windows.moc"
