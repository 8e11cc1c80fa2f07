// The N-th root window: the two stages, N checked again at the start of
// the second, the root of 1 at once, a run and its file, a stop, Button4
// and closing the window returning to the first stage.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "calculators/Njoukon/Njoukon_window.h"
#include "tests/gui/window_fixture.h"

namespace taketa {

class NjoukonWindowTest : public testing::WindowTest<Tfrm_Njoukon> {
  Q_OBJECT

 private slots:
  void controls();
  void stageOneRefuses_data();
  void stageOneRefuses();
  void stageTwo();
  void radicandRefused_data();
  void radicandRefused();
  void degreeCheckedAgain();
  void rootOfOneAtOnce();
  void rootAndSavedFile();
  void stopLeavesNoRoot();
  void button4ReturnsToStageOne();
  void closeReturnsToStageOne();
  void enterPressesTheButtonOfTheStage();

 private:
  void ToStageTwo(const QString& n) {
    w().Edit1->setText(n);
    w().Button1->click();
  }
  void Start(const QString& x) {
    w().Edit2->setText(x);
    w().Button3->click();
  }
  bool InStageOne() const {
    return !w().Label1->isHidden() && !w().Label2->isHidden() && !w().Edit1->isHidden() &&
           !w().Button1->isHidden() && !w().Button2->isHidden() && w().Label3->isHidden() &&
           w().Label4->isHidden() && w().Edit2->isHidden() && w().Button3->isHidden() &&
           w().Label5->isHidden() && w().Edit3->isHidden();
  }
};

void NjoukonWindowTest::controls() {
  QCOMPARE(w().windowTitle(), QString("frm_Njoukon"));
  QCOMPARE(w().findChild<QLabel*>("Label1")->text(), QString("Ｎ乗根( 2≦Ｎ≦300 )を求めます。"));
  QCOMPARE(w().findChild<QLabel*>("Label2")->text(), QString("何乗根を求めますか。Ｎ＝"));
  QCOMPARE(w().findChild<QLabel*>("Label4")->text(), QString("20桁以内の正の数＝"));
  QCOMPARE(w().findChild<QPushButton*>("Button1")->text(), QString("次へ進む"));
  QCOMPARE(w().findChild<QPushButton*>("Button2")->text(), QString("終了"));
  QCOMPARE(w().findChild<QPushButton*>("Button3")->text(), QString("計算開始"));
  QCOMPARE(w().findChild<QPushButton*>("Button4")->text(), QString("終了"));
  QCOMPARE(w().Memo1->toPlainText(), QString(" 計算中です。お待ちください。"));
  QVERIFY(w().Memo1->isReadOnly());
  QVERIFY(InStageOne());
  QVERIFY(w().Button4->isHidden());
  QVERIFY(w().Memo1->isHidden() && w().Memo2->isHidden() && w().Memo3->isHidden());
  QCOMPARE(w().focusWidget(), w().Edit1);
}

void NjoukonWindowTest::stageOneRefuses_data() {
  QTest::addColumn<QString>("n");
  QTest::addColumn<QString>("message");
  const QString range = "半角数字で 2以上 300以下の自然数を入力してください。";
  QTest::newRow("empty") << "" << range;
  QTest::newRow("letter") << "2a" << range;
  QTest::newRow("one") << "1" << range;
  QTest::newRow("301") << "301" << range;
  QTest::newRow("1000") << "1000"
                        << "入力文字数を3以下にしてください。";
}

void NjoukonWindowTest::stageOneRefuses() {
  QFETCH(QString, n);
  QFETCH(QString, message);
  w().Button2->setFocus();
  ToStageTwo(n);
  CheckRefused(message, w().Edit1);
  QVERIFY(InStageOne());
}

void NjoukonWindowTest::stageTwo() {
  ToStageTwo("003");
  QCOMPARE(
      w().Label3->text(),
      QString(
          "20桁以内の正の数(整数または小数)を入力してください。その数の 003乗根を100桁まで求めます。"));
  QVERIFY(!w().Label3->isHidden());
  QVERIFY(w().Button1->isHidden());
  QVERIFY(w().Button2->isHidden());
  QVERIFY(!w().Label4->isHidden() && !w().Edit2->isHidden());
  QVERIFY(!w().Button3->isHidden() && !w().Button4->isHidden());
  QCOMPARE(w().focusWidget(), w().Edit2);
  QVERIFY(desktop().messages.isEmpty());
}

void NjoukonWindowTest::radicandRefused_data() {
  QTest::addColumn<QString>("x");
  QTest::addColumn<QString>("message");
  const QString plain = "半角数字で20桁以内の正の数を入力してください。";
  QTest::newRow("empty") << "" << plain;
  QTest::newRow("zero") << "0.0" << plain;
  QTest::newRow("point") << "." << plain;
  QTest::newRow("21 digits") << QString(21, '9') << plain;
  QTest::newRow("point first, 21")
      << "." + QString(20, '9')
      << "位取り表示のための 0 も含めて半角数字で20桁以内の正の数を入力してください。";
}

void NjoukonWindowTest::radicandRefused() {
  QFETCH(QString, x);
  QFETCH(QString, message);
  ToStageTwo("2");
  w().Button4->setFocus();
  Start(x);
  QCOMPARE(desktop().messages, QStringList({message}));
  QCOMPARE(w().focusWidget(), w().Edit2);
  QVERIFY(!w().busy());
  QVERIFY(w().Edit3->isHidden());
  QCOMPARE(w().Button3->text(), QString("計算開始"));
}

void NjoukonWindowTest::degreeCheckedAgain() {
  ToStageTwo("2");
  w().Edit1->setText("301");  // changed while the second stage is shown
  Start("2");
  QCOMPARE(desktop().messages,
           QStringList({"半角数字で 2以上 300以下の自然数を入力してください。"}));
  QCOMPARE(w().focusWidget(), w().Edit1);
  QVERIFY(!w().busy());
  QVERIFY(desktop().questions.isEmpty());
  // A valid N typed in the second stage is the one used.
  w().Edit1->setText("3");
  Start("8");
  QCOMPARE(w().Edit3->text(), QString("2"));
  QCOMPARE(w().Label5->text(), QString("求める 3乗根"));
}

void NjoukonWindowTest::rootOfOneAtOnce() {
  ToStageTwo("5");
  Start("1.0");
  QCOMPARE(desktop().beeps, 1);
  QVERIFY(desktop().messages.isEmpty());
  QVERIFY(desktop().questions.isEmpty());
  QCOMPARE(w().Edit3->text(), QString("1"));
  QVERIFY(!w().Edit3->isHidden());
  QCOMPARE(w().Label5->text(), QString("求める 5乗根"));
  QVERIFY(!w().busy());
  QCOMPARE(w().Button3->text(), QString("計算開始"));
}

void NjoukonWindowTest::rootAndSavedFile() {
  ToStageTwo("2");
  desktop().answers = {true, false};
  Start("2.25");
  QCOMPARE(w().Edit3->text(), QString("1.5"));
  QVERIFY(!w().Edit3->isHidden());
  QCOMPARE(w().Label5->text(), QString("求める 2乗根"));
  QVERIFY(w().Memo1->isHidden());
  QCOMPARE(w().Memo2->toPlainText(), QString("3"));  // the candidate 1.5
  QCOMPARE(w().Memo3->toPlainText(), QString("2"));
  QCOMPARE(w().Button3->text(), QString("計算開始"));
  QVERIFY(!w().Button4->isHidden());
  QVERIFY(!w().busy());
  QCOMPARE(SavedTempFile(), QByteArray("2.25 \x82\xcc"
                                       "2\x8f\xe6\x8d\xaa\r\n1.5\r\n"));
  QCOMPARE(w().focusWidget(), w().Edit2);
  // The root of 2 to 101 characters.
  Start("2");
  QCOMPARE(w().Edit3->text().size(), 101);
  QVERIFY(w().Edit3->text().startsWith("1.41421356237309504880168872420969807856967187537694"));
  // Editing hides the result and the progress boxes.
  w().Edit2->setText("3");
  QVERIFY(w().Edit3->isHidden() && w().Label5->isHidden());
  QVERIFY(w().Memo2->isHidden() && w().Memo3->isHidden());
}

void NjoukonWindowTest::stopLeavesNoRoot() {
  ToStageTwo("300");
  bool sawRunning = false;
  WhenRunning(w().Button3, [&] {
    sawRunning = w().busy() && w().Button3->text() == "計算中止" && w().Button4->isHidden() &&
                 !w().Memo1->isHidden();
    w().Button3->click();
  });
  Start("72037203720372037203");
  QVERIFY(sawRunning);
  QVERIFY(w().Edit3->isHidden());
  QVERIFY(w().Memo1->isHidden() && w().Memo2->isHidden() && w().Memo3->isHidden());
  QCOMPARE(w().Button3->text(), QString("計算開始"));
  QVERIFY(!w().Button4->isHidden());
  QVERIFY(desktop().questions.isEmpty());
  QVERIFY(!w().busy());
}

void NjoukonWindowTest::button4ReturnsToStageOne() {
  ToStageTwo("2");
  Start("2.25");
  w().Button4->click();
  QVERIFY(w().isHidden());
  QVERIFY(InStageOne());
  QVERIFY(w().Button4->isHidden());
  w().ShowFromMenu();
  QVERIFY(InStageOne());
  QVERIFY(w().Edit1->text().isEmpty());
}

void NjoukonWindowTest::closeReturnsToStageOne() {
  ToStageTwo("2");
  w().close();
  QVERIFY(InStageOne());
  w().ShowFromMenu();
  QVERIFY(w().Button4->isHidden());
  // Closed during a run: the run stops and the window is back at stage 1.
  ToStageTwo("300");
  WhenRunning(w().Button3, [&] { w().close(); });
  Start("72037203720372037203");
  QVERIFY(w().isHidden());
  QVERIFY(!w().busy());
  QVERIFY(desktop().questions.isEmpty());
  QVERIFY(w().Edit2->isHidden() && w().Button3->isHidden());
  w().ShowFromMenu();
  QVERIFY(InStageOne());
  QVERIFY(w().Button4->isHidden());
  QVERIFY(w().Memo1->isHidden() && w().Memo2->isHidden() && w().Memo3->isHidden());
}

void NjoukonWindowTest::enterPressesTheButtonOfTheStage() {
  Type(w().Edit1, "2");
  PressEnter(w().Edit1);  // 次へ進む
  QVERIFY(!w().Edit2->isHidden());
  QCOMPARE(w().focusWidget(), w().Edit2);
  QVERIFY(desktop().questions.isEmpty());
  Type(w().Edit2, "2.25");
  PressEnter(w().Edit2);  // 計算開始
  QCOMPARE(w().Edit3->text(), QString("1.5"));
  QCOMPARE(desktop().questions.size(), 1);
  // In the second stage Enter in N's box starts the calculation too.
  Type(w().Edit1, "3");
  PressEnter(w().Edit1);
  QVERIFY(w().Edit3->text().startsWith("1.3103706971"));
  QCOMPARE(w().Label5->text(), QString("求める 3乗根"));
}

}  // namespace taketa

QTEST_MAIN(taketa::NjoukonWindowTest)
#include "test_Njoukon_window.moc"
