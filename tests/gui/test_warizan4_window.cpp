// The decimal division window: controls, typing checks, checks with the
// length counter rewritten, exact and cut quotients, the saved file with its
// lone carriage-return line, the clear button.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "calculators/warizan4/warizan4_window.h"
#include "tests/gui/window_fixture.h"

namespace taketa {

class Warizan4WindowTest : public testing::WindowTest<Tfrm_warizan4> {
  Q_OBJECT

 private slots:
  void controls();
  void typingChecks();
  void refusesInput_data();
  void refusesInput();
  void dividesAndSaves();
  void clearButtonAndShowingAgain();

 private:
  void Start(const QString& a, const QString& b, std::deque<bool> answers = {}) {
    Type(w().Memo1, a);
    Type(w().Memo2, b);
    AnswerNext(std::move(answers));
    w().Button1->click();
  }
};

void Warizan4WindowTest::controls() {
  QCOMPARE(w().objectName(), QString("frm_warizan4"));
  auto label = [&](const char* name) { return w().findChild<QLabel*>(name)->text(); };
  QCOMPARE(label("Label2"),
           QString("2000桁以内の正の数(整数または小数)同士の割り算(Ａ÷Ｂ)をします。"
                   "商が循環小数であるときには、商を20000桁まで求めます。"));
  QCOMPARE(label("Label1"), QString("Ａ＝"));
  QCOMPARE(label("Label3"), QString("Ｂ＝"));
  QCOMPARE(label("Label4"), QString("Ａ÷Ｂ＝"));
  QCOMPARE(w().findChild<QPushButton*>("Button1")->text(), QString("計算開始"));
  QCOMPARE(w().findChild<QPushButton*>("Button3")->text(), QString("数字の消去"));
  QCOMPARE(w().findChild<QPushButton*>("Button2")->text(), QString("終了"));
  auto memo = [&](const char* name) { return w().findChild<QPlainTextEdit*>(name); };
  QCOMPARE(memo("Memo1")->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  QCOMPARE(memo("Memo3")->focusPolicy(), Qt::ClickFocus);
  QVERIFY(memo("Memo4")->isReadOnly());
  QVERIFY(memo("Memo4")->isHidden());
  QCOMPARE(w().focusWidget(), w().Memo1);
  QCOMPARE(NextTabStop(w().Memo1), w().Memo2);
}

void Warizan4WindowTest::typingChecks() {
  w().Memo3->setPlainText("1");
  w().Memo1->setPlainText("12.5x");  // no digit check while typing
  QVERIFY(w().Memo3->toPlainText().isEmpty());
  QCOMPARE(w().Memo4->toPlainText(), QString("入力文字数＝5"));
  QVERIFY(!w().Memo4->isHidden());
  QVERIFY(desktop().messages.isEmpty());
  w().Memo2->setPlainText("3\n");
  QCOMPARE(w().Memo4->toPlainText(), QString("入力文字数＝3"));
  QCOMPARE(desktop().messages,
           QStringList({"BackSpaceキーを押して、改行コードを取り除いてください。"}));
}

void Warizan4WindowTest::refusesInput_data() {
  QTest::addColumn<QString>("a");
  QTest::addColumn<QString>("b");
  QTest::addColumn<QString>("message");
  QTest::addColumn<int>("box");
  QTest::addColumn<QString>("counter");  // "" when not rewritten
  const QString range = "半角数字で2000桁以内の正の数を入力してください。";
  QTest::newRow("A line break") << "1\n"
                                << "2"
                                << "BackSpaceキーを押して、改行コードを取り除いてください。" << 0
                                << "";
  QTest::newRow("A 2001 digits") << QString(2001, '1') << "2"
                                 << "入力文字数を2000以下にしてください。" << 0
                                 << "入力文字数＝2001";
  QTest::newRow("A 2002 with a point")
      << "." + QString(2001, '1') << "2"
      << "小数点を含めた入力文字数を2001以下にしてください。" << 0 << "入力文字数＝2002";
  QTest::newRow("A two points") << "1.2.3"
                                << "2" << range << 0 << "";
  QTest::newRow("A lone point") << "."
                                << "2" << range << 0 << "";
  QTest::newRow("B empty") << "2"
                           << "" << range << 1 << "";
  QTest::newRow("B 2001 digits") << "2" << QString(2001, '1')
                                 << "入力文字数を2000以下にしてください。" << 1
                                 << "入力文字数＝2001";
  QTest::newRow("B zero") << "2"
                          << "0.0" << range << 1 << "";
}

void Warizan4WindowTest::refusesInput() {
  QFETCH(QString, a);
  QFETCH(QString, b);
  QFETCH(QString, message);
  QFETCH(int, box);
  QFETCH(QString, counter);
  w().Memo1->setPlainText(a);
  w().Memo2->setPlainText(b);
  w().Memo4->setPlainText("入力文字数＝1");
  w().Button2->setFocus();
  desktop().Clear();
  w().Button1->click();
  CheckRefused(message, box == 0 ? w().Memo1 : w().Memo2);
  QCOMPARE(w().Memo4->toPlainText(), counter.isEmpty() ? QString("入力文字数＝1") : counter);
  QVERIFY(w().Memo3->toPlainText().isEmpty());
}

void Warizan4WindowTest::dividesAndSaves() {
  Start("12.34", "0.2", {true, true});
  QCOMPARE(w().Memo3->toPlainText(), QString("61.7"));
  QCOMPARE(SavedTempFile(),
           QByteArray("12.34\x81\x80"
                      "0.2\x82\xcc\x8c\x76\x8e\x5a\x8c\x8b\x89\xca\x81\x69\x8f\xa4\x81\x6a\r\n"
                      "\r\r\n"
                      "61.7\r\n"));
  QCOMPARE(desktop().opened, QStringList({desktop().primary().file}));
  QCOMPARE(w().focusWidget(), w().Memo1);
  Start("1.50", "3");
  QCOMPARE(w().Memo3->toPlainText(), QString("0.50"));
  Start("1", "3");
  QCOMPARE(w().Memo3->toPlainText(), "0." + QString(19999, '3'));
  Start("0.01", "3");
  QCOMPARE(w().Memo3->toPlainText(), "0.00" + QString(19999, '3'));
  QCOMPARE(desktop().questions, QStringList({"計算完了。　計算結果を保存または印刷しますか。"}));
}

void Warizan4WindowTest::clearButtonAndShowingAgain() {
  Start("7", "7");
  QCOMPARE(w().Memo3->toPlainText(), QString("1"));
  w().Button2->setFocus();
  w().Button3->click();
  for (QPlainTextEdit* box : {w().Memo1, w().Memo2, w().Memo3})
    QVERIFY(box->toPlainText().isEmpty());
  QVERIFY(w().Memo4->isHidden());
  QCOMPARE(w().focusWidget(), w().Memo1);
  Start("100", "0.001");
  QCOMPARE(w().Memo3->toPlainText(), QString("100000"));
  w().Button2->click();
  QVERIFY(w().isHidden());
  w().ShowFromMenu();
  for (QPlainTextEdit* box : {w().Memo1, w().Memo2, w().Memo3})
    QVERIFY(box->toPlainText().isEmpty());
  QVERIFY(w().Memo4->isHidden());
  QCOMPARE(w().focusWidget(), w().Memo1);
}

}  // namespace taketa

QTEST_MAIN(taketa::Warizan4WindowTest)
#include "test_warizan4_window.moc"
