// The prime factorisation window: checks, both paths with their progress
// boxes, a stop that keeps the factors found so far, closing during a run,
// and the saved file.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "calculators/soinsuu2/soinsuu2_window.h"
#include "tests/gui/window_fixture.h"

namespace taketa {

class Soinsuu2WindowTest : public testing::WindowTest<Tfrm_soinsuu2> {
  Q_OBJECT

 private slots:
  void controls();
  void refusesInput_data();
  void refusesInput();
  void factorisesAndSaves();
  void primesAndTheLongPath();
  void stopKeepsTheFactorsFoundSoFar();
  void closeEndsTheRun();
  void editingClearsTheResult();

 private:
  void Start(const QString& text) {
    w().Edit1->setText(text);
    w().Button1->click();
  }
};

void Soinsuu2WindowTest::controls() {
  QCOMPARE(w().windowTitle(), QString("frm_soinsuu2"));
  QCOMPARE(w().findChild<QLabel*>("Label1")->text(),
           QString("2 以上 50桁以内の自然数を素因数に分解します。"));
  QCOMPARE(w().findChild<QLabel*>("Label2")->text(), QString("素因数分解したい自然数＝"));
  QCOMPARE(w().findChild<QLabel*>("Label3")->text(), QString("素因数分解結果"));
  QCOMPARE(w().findChild<QPushButton*>("Button1")->text(), QString("計算開始"));
  QCOMPARE(w().findChild<QPushButton*>("Button2")->text(), QString("終了"));
  auto* memo2 = w().findChild<QPlainTextEdit*>("Memo2");
  QCOMPARE(memo2->toPlainText(), QString(" 計算中です。お待ちください。"));
  QVERIFY(memo2->isReadOnly());
  QVERIFY(memo2->isHidden());
  QVERIFY(w().findChild<QPlainTextEdit*>("Memo3")->isHidden());
  QVERIFY(w().findChild<QPlainTextEdit*>("Memo4")->isHidden());
  QVERIFY(!w().findChild<QPlainTextEdit*>("Memo1")->isHidden());
  QCOMPARE(w().focusWidget(), w().Edit1);
}

void Soinsuu2WindowTest::refusesInput_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("message");
  const QString refused = "半角数字で 2以上 50桁以内の自然数を入力してください。";
  QTest::newRow("empty") << "" << refused;
  QTest::newRow("letter") << "12a" << refused;
  QTest::newRow("full-width") << "１２" << refused;
  QTest::newRow("one") << "1" << refused;
  QTest::newRow("zero one") << "01" << refused;
  QTest::newRow("zeros") << "000" << refused;
  QTest::newRow("51 digits") << QString(51, '7') << "入力文字数を50以下にしてください。";
}

void Soinsuu2WindowTest::refusesInput() {
  QFETCH(QString, text);
  QFETCH(QString, message);
  w().Button2->setFocus();
  Start(text);
  CheckRefused(message, w().Edit1);
  QVERIFY(!w().busy());
  QCOMPARE(w().Button1->text(), QString("計算開始"));
  QVERIFY(w().Memo2->isHidden());
}

void Soinsuu2WindowTest::factorisesAndSaves() {
  desktop().answers = {true, false};
  Start("0012");
  QCOMPARE(w().Memo1->toPlainText(), QString("2×2×3    計算完了"));
  QVERIFY(w().Memo2->isHidden());
  QVERIFY(!w().Memo3->isHidden());
  QCOMPARE(w().Memo3->toPlainText(), QString("3"));
  QCOMPARE(w().Memo4->toPlainText(), QString("1"));
  QCOMPARE(desktop().questions.first(), QString("計算完了。　計算結果を保存または印刷しますか。"));
  QCOMPARE(SavedTempFile(), QByteArray("0012 \x82\xcc\x91"
                                       "f\x88\xf6\x90\x94\x95\xaa\x89\xf0\x8c\x8b\x89\xca\r\n"
                                       "2\x81~2\x81~3\r\n"));
  QCOMPARE(w().Button1->text(), QString("計算開始"));
  QVERIFY(!w().Button2->isHidden());
  QVERIFY(!w().busy());
  QCOMPARE(w().focusWidget(), w().Edit1);
}

void Soinsuu2WindowTest::primesAndTheLongPath() {
  Start("2");
  QCOMPARE(w().Memo1->toPlainText(), QString("2 は素数です。"));
  QVERIFY(w().Memo3->isHidden());  // no trial divisor shown
  QVERIFY(w().Memo4->isHidden());
  desktop().Clear();
  desktop().answers = {true, false};
  Start("97");
  QCOMPARE(w().Memo1->toPlainText(), QString("97 は素数です。"));
  QCOMPARE(SavedTempFile(), QByteArray("97 \x82\xcc\x91"
                                       "f\x88\xf6\x90\x94\x95\xaa\x89\xf0\x8c\x8b\x89\xca\r\n"
                                       "97 \x82\xcd\x91"
                                       "f\x90\x94\x82\xc5\x82\xb7\x81"
                                       "B\r\n"));
  // 10^20 on the long path: the bound of 5^20 is 5^10.
  Start("100000000000000000000");
  QString expected;
  for (int i = 0; i < 20; ++i) expected += "2×";
  for (int i = 0; i < 19; ++i) expected += "5×";
  QCOMPARE(w().Memo1->toPlainText(), expected + "5    計算完了");
  QCOMPARE(w().Memo4->toPlainText(), QString("2"));  // the bound of 5, before the last 5
  // The trial divisor shown past 19999 on the long path.
  Start("24190971078898144509952");  // 2^40 * 100003 * 220009
  QVERIFY(w().Memo1->toPlainText().endsWith("2×100003×220009    計算完了"));
  QCOMPARE(w().Memo3->toPlainText(), QString("99999"));
  QCOMPARE(w().Memo4->toPlainText(), QString("469"));
}

void Soinsuu2WindowTest::stopKeepsTheFactorsFoundSoFar() {
  bool sawRunning = false;
  When([&] { return w().Memo1->toPlainText() == "2×2×"; },
       [&] {
         sawRunning = w().busy() && w().Button1->text() == "計算中止" && w().Button2->isHidden() &&
                      !w().Memo2->isHidden();
         w().Button1->click();
       });
  Start("1338233950825270633338199054658177557098890759372");  // 4 and two 24-digit primes
  QVERIFY(sawRunning);
  QCOMPARE(w().Memo1->toPlainText(), QString("2×2×"));
  QVERIFY(desktop().questions.isEmpty());
  QCOMPARE(w().Button1->text(), QString("計算開始"));
  QVERIFY(!w().Button2->isHidden());
  QVERIFY(w().Memo2->isHidden());
  QVERIFY(!w().Memo3->isHidden());
  QVERIFY(!w().busy());
}

void Soinsuu2WindowTest::closeEndsTheRun() {
  WhenRunning(w().Button1, [&] { w().close(); });
  Start("34343943439528845198039498007117089949150873065743");  // two 25-digit primes
  QVERIFY(w().isHidden());
  QVERIFY(desktop().questions.isEmpty());
  QVERIFY(!w().busy());
  w().ShowFromMenu();
  QVERIFY(w().Edit1->text().isEmpty());
  QVERIFY(w().Memo1->toPlainText().isEmpty());
  QVERIFY(w().Memo3->isHidden());
  QVERIFY(w().Memo4->isHidden());
}

void Soinsuu2WindowTest::editingClearsTheResult() {
  Start("600851475143");
  QCOMPARE(w().Memo1->toPlainText(), QString("71×839×1471×6857    計算完了"));
  w().Edit1->setText("60085147514");
  QVERIFY(w().Memo1->toPlainText().isEmpty());
  QVERIFY(w().Memo3->isHidden());
  QVERIFY(w().Memo4->isHidden());
}

}  // namespace taketa

QTEST_MAIN(taketa::Soinsuu2WindowTest)
#include "test_soinsuu2_window.moc"
