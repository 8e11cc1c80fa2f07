// The power window: checks, the length counter, a run with its step
// counter, the four-line file, a stop and closing during a run.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "calculators/ruijou/ruijou_window.h"
#include "frame/controls.h"
#include "tests/gui/window_fixture.h"

namespace taketa {

class RuijouWindowTest : public testing::WindowTest<Tfrm_ruijou> {
  Q_OBJECT

 private slots:
  void controls();
  void lengthCounterAndChangeHandlers();
  void refusesInput_data();
  void refusesInput();
  void computesAndSavesFourLines();
  void savesTheInputsTheRunUsed();
  void stopLeavesNoResult();
  void closeEndsTheRun();

 private:
  void Start(const QString& a, const QString& n) {
    w().Edit1->setText(a);
    w().Edit2->setText(n);
    w().Button1->click();
  }
};

void RuijouWindowTest::controls() {
  QCOMPARE(w().windowTitle(), QString("frm_ruijou"));
  QCOMPARE(
      w().findChild<QLabel*>("Label2")->text(),
      QString(
          "100桁以内の正の数Ａ(整数または小数)の累乗を求めます。累乗の指数は 10000以下の自然数とします。"));
  QCOMPARE(w().findChild<QLabel*>("Label1")->text(), QString("Ａ＝"));
  QCOMPARE(w().findChild<QLabel*>("Label3")->text(), QString("累乗の指数＝"));
  QCOMPARE(w().findChild<QLabel*>("Label4")->text(),
           QString("計算結果を浮動小数点形式で200桁まで表示します。"));
  QVERIFY(w().Label4->isHidden());
  QVERIFY(w().Memo1->isHidden());
  QVERIFY(w().Memo2->isHidden());
  QVERIFY(w().Memo3->isHidden());
  QVERIFY(w().findChild<RichEditBox*>("RichEdit1"));
  QStringList entries;
  for (QAction* entry : w().RichEdit1->findChild<QMenu*>("PopupMenu1")->actions())
    entries << entry->text();
  QCOMPARE(entries, QStringList({"コピー", "貼り付け", "すべてを選択", "", "名前を付けて保存…"}));
  QCOMPARE(w().Button1->text(), QString("計算開始"));
  QCOMPARE(w().Button2->text(), QString("終了"));
  QCOMPARE(w().focusWidget(), w().Edit1);
}

void RuijouWindowTest::lengthCounterAndChangeHandlers() {
  Start("2", "10");
  QVERIFY(!w().RichEdit1->toPlainText().isEmpty());
  w().Edit1->setText("１２a");
  QVERIFY(!w().Memo3->isHidden());
  QCOMPARE(w().Memo3->toPlainText(), QString("入力文字数＝5"));  // full-width characters count 2
  QVERIFY(w().RichEdit1->toPlainText().isEmpty());
  QVERIFY(w().Memo2->toPlainText().isEmpty());
  QVERIFY(w().Memo1->isHidden());
  Start("2", "10");
  w().Edit2->setText("11");
  QVERIFY(w().RichEdit1->toPlainText().isEmpty());
  QVERIFY(w().Memo2->toPlainText().isEmpty());
  QVERIFY(w().Memo1->isHidden());
  // Shown again, the window starts over, the counter hidden.
  w().close();
  w().ShowFromMenu();
  QVERIFY(w().Memo3->isHidden());
  QVERIFY(w().Edit1->text().isEmpty());
  QVERIFY(w().Edit2->text().isEmpty());
}

void RuijouWindowTest::refusesInput_data() {
  QTest::addColumn<QString>("a");
  QTest::addColumn<QString>("n");
  QTest::addColumn<QString>("message");
  QTest::addColumn<int>("box");
  const QString base = "半角数字で100桁以内の正の数を入力してください。";
  const QString exponent = "半角数字で 10000以下の自然数を入力してください。";
  QTest::newRow("101 digits") << QString(101, '1') << "2"
                              << "入力文字数を100以下にしてください。" << 0;
  QTest::newRow("102 with a point") << QString(100, '1') + ".1"
                                    << "2"
                                    << "小数点を含めた入力文字数を101以下にしてください。" << 0;
  QTest::newRow("two points") << "1.2.3"
                              << "2" << base << 0;
  QTest::newRow("zero") << "0.000"
                        << "2" << base << 0;
  QTest::newRow("empty") << ""
                         << "2" << base << 0;
  QTest::newRow("no exponent") << "2"
                               << "" << exponent << 1;
  QTest::newRow("exponent 0") << "2"
                              << "0" << exponent << 1;
  QTest::newRow("exponent 10001") << "2"
                                  << "10001" << exponent << 1;
  QTest::newRow("six characters") << "2"
                                  << "123456"
                                  << "入力文字数を5以下にしてください。" << 1;
}

void RuijouWindowTest::refusesInput() {
  QFETCH(QString, a);
  QFETCH(QString, n);
  QFETCH(QString, message);
  QFETCH(int, box);
  Start(a, n);
  CheckRefused(message, box == 0 ? w().Edit1 : w().Edit2);
  QVERIFY(!w().busy());
  QCOMPARE(w().Button1->text(), QString("計算開始"));
  QVERIFY(w().RichEdit1->toPlainText().isEmpty());
}

void RuijouWindowTest::computesAndSavesFourLines() {
  desktop().answers = {true, false};
  Start("12.5", "2");
  QCOMPARE(w().RichEdit1->toPlainText(), QString("156.25    (桁数＝5)"));
  QCOMPARE(w().Memo2->toPlainText(), QString("1.5625E2"));
  QVERIFY(!w().Memo2->isHidden());
  QVERIFY(!w().Label4->isHidden());
  QCOMPARE(w().Memo1->toPlainText(), QString("2"));
  QCOMPARE(
      SavedTempFile(),
      QByteArray(
          "12.5\x82\xcc"
          "2\x8f\xe6\r\n156.25    (\x8c\x85\x90\x94\x81\x81"
          "5)\r\n\r\r\n"
          "\x95\x82\x93\xae\x8f\xac\x90\x94\x93_\x8c`\x8e\xae\x82\xc5\x82\xcd\x81@1.5625E2\r\n"));
  QCOMPARE(w().Button1->text(), QString("計算開始"));
  QVERIFY(!w().Button2->isHidden());
  QVERIFY(!w().busy());
  QCOMPARE(w().focusWidget(), w().Edit2);
  Start(".5", "1");
  QCOMPARE(w().RichEdit1->toPlainText(), QString("0.5    (桁数＝2)"));
  QCOMPARE(w().Memo2->toPlainText(), QString("5.E-1"));
}

void RuijouWindowTest::savesTheInputsTheRunUsed() {
  // The exponent retyped during the run: the file still says 7 の 10000乗,
  // under Temp.txt and under a name of one's own, with all four lines.
  desktop().answers = {true, false};
  bool typed = false;
  WhenRunning(w().Button1, [&] {
    w().Edit2->setText("3");
    typed = w().busy();
  });
  Start("123456789", "10000");
  QVERIFY(typed);
  const QByteArray saved = SavedTempFile();
  QVERIFY(
      saved.startsWith("123456789\x82\xcc"
                       "10000\x8f\xe6\r\n"));
  QVERIFY(
      saved.contains(" (\x8c\x85\x90\x94\x81\x81"
                     "80916)\r\n\r\r\n"));
  QCOMPARE(SaveAsWithCtrlS(w().Memo2, "power.txt"), saved);
  QVERIFY(desktop().saveDialogs.at(0).endsWith("/123456789の10000乗.txt"));
}

void RuijouWindowTest::stopLeavesNoResult() {
  bool sawRunning = false;
  WhenRunning(w().Button1, [&] {
    sawRunning = w().busy() && w().Button1->text() == "計算中止" && w().Button2->isHidden();
    w().Button1->click();
  });
  Start(QString(100, '7'), "10000");
  QVERIFY(sawRunning);
  QVERIFY(w().RichEdit1->toPlainText().isEmpty());
  QVERIFY(desktop().questions.isEmpty());
  QCOMPARE(w().Button1->text(), QString("計算開始"));
  QVERIFY(!w().Button2->isHidden());
  QVERIFY(!w().Memo1->isHidden());
  QVERIFY(w().Memo1->toPlainText().toInt() >= 1);  // the last step shown
  QVERIFY(w().Memo2->isHidden());
}

void RuijouWindowTest::closeEndsTheRun() {
  WhenRunning(w().Button1, [&] { w().close(); });
  Start(QString(100, '7'), "10000");
  QVERIFY(w().isHidden());
  QVERIFY(!w().busy());
  QVERIFY(desktop().questions.isEmpty());
  QVERIFY(w().RichEdit1->toPlainText().isEmpty());
}

}  // namespace taketa

QTEST_MAIN(taketa::RuijouWindowTest)
#include "test_ruijou_window.moc"
