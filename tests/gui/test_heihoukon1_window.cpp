// The integer square root window: controls, typing checks, checks and their
// messages, a run with its saved file, the clear button.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "calculators/heihoukon1/heihoukon1_window.h"
#include "tests/gui/window_fixture.h"

namespace taketa {

class Heihoukon1WindowTest : public testing::WindowTest<Tfrm_heihoukon1> {
  Q_OBJECT

 private slots:
  void controls();
  void typingChecks();
  void refusesInput_data();
  void refusesInput();
  void computesAndSaves();
  void clearButtonAndShowingAgain();

 private:
  void Start(const QString& n, std::deque<bool> answers = {}) {
    Type(w().Memo1, n);
    AnswerNext(std::move(answers));
    w().Button1->click();
  }
};

void Heihoukon1WindowTest::controls() {
  QCOMPARE(w().objectName(), QString("frm_heihoukon1"));
  auto label = [&](const char* name) { return w().findChild<QLabel*>(name)->text(); };
  QCOMPARE(label("Label1"), QString("10000桁以内の自然数Ｎの正の平方根の整数部分を求めます。"));
  QCOMPARE(label("Label2"), QString("Ｎ＝"));
  QCOMPARE(label("Label3"), QString("Ｎの平方根の整数部分＝"));
  QCOMPARE(w().findChild<QPushButton*>("Button1")->text(), QString("計算開始"));
  QCOMPARE(w().findChild<QPushButton*>("Button2")->text(), QString("数字の消去"));
  QCOMPARE(w().findChild<QPushButton*>("Button3")->text(), QString("終了"));
  QCOMPARE(w().findChild<QPlainTextEdit*>("Memo1")->verticalScrollBarPolicy(),
           Qt::ScrollBarAlwaysOn);
  QCOMPARE(w().findChild<QPlainTextEdit*>("Memo2")->focusPolicy(), Qt::ClickFocus);
  QVERIFY(w().findChild<QPlainTextEdit*>("Memo3")->isHidden());
  QCOMPARE(w().focusWidget(), w().Memo1);
}

void Heihoukon1WindowTest::typingChecks() {
  w().Memo2->setPlainText("5");
  w().Memo1->setPlainText("25");
  QVERIFY(w().Memo2->toPlainText().isEmpty());
  QCOMPARE(w().Memo3->toPlainText(), QString("入力文字数＝2"));
  QVERIFY(!w().Memo3->isHidden());
  QVERIFY(desktop().messages.isEmpty());
  w().Memo1->setPlainText("25ａ");
  QCOMPARE(w().Memo3->toPlainText(), QString("入力文字数＝4"));
  w().Memo1->setPlainText("25\n");
  QCOMPARE(desktop().messages,
           QStringList({"半角数字を入力してください。",
                        "BackSpaceキーを押して、改行コードを取り除いてください。"}));
  QCOMPARE(desktop().beeps, 2);
}

void Heihoukon1WindowTest::refusesInput_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("message");
  const QString range = "半角数字で 10000桁以内の自然数を入力してください。";
  QTest::newRow("empty") << "" << range;
  QTest::newRow("line break") << "25\n"
                              << "BackSpaceキーを押して、改行コードを取り除いてください。";
  QTest::newRow("10001 characters")
      << QString(10001, '0') << "入力文字数を10000以下にしてください。";
  QTest::newRow("letter") << "2x5" << range;
  QTest::newRow("zero") << "000" << range;
}

void Heihoukon1WindowTest::refusesInput() {
  QFETCH(QString, text);
  QFETCH(QString, message);
  w().Memo1->setPlainText(text);
  w().Memo3->setPlainText("入力文字数＝1");
  w().Button3->setFocus();
  desktop().Clear();
  w().Button1->click();
  CheckRefused(message, w().Memo1);
  QCOMPARE(w().Memo3->toPlainText(), QString("入力文字数＝1"));  // not rewritten
  QVERIFY(w().Memo2->toPlainText().isEmpty());
}

void Heihoukon1WindowTest::computesAndSaves() {
  Start("00025", {true, false});
  QCOMPARE(w().Memo2->toPlainText(), QString("5"));
  QCOMPARE(desktop().questions.size(), 2);
  QCOMPARE(
      SavedTempFile(),
      QByteArray("00025\x82\xcc\x95\xbd\x95\xfb\x8d\xaa\x82\xcc\x90\xae\x90\x94\x95\x94\x95\xaa\r\n"
                 "5\r\n"));
  QVERIFY(desktop().opened.isEmpty());
  QCOMPARE(w().focusWidget(), w().Memo1);
  // A 10000-digit number gives 5000 digits; No writes nothing new.
  QFile::remove(desktop().primary().file);
  Start(QString(10000, '9'));
  QCOMPARE(w().Memo2->toPlainText(), QString(5000, '9'));
  QVERIFY(!QFile::exists(desktop().primary().file));
  QCOMPARE(w().focusWidget(), w().Memo1);
}

void Heihoukon1WindowTest::clearButtonAndShowingAgain() {
  Start("100");
  QCOMPARE(w().Memo2->toPlainText(), QString("10"));
  w().Button3->setFocus();
  w().Button2->click();
  QVERIFY(w().Memo1->toPlainText().isEmpty());
  QVERIFY(w().Memo2->toPlainText().isEmpty());
  QVERIFY(w().Memo3->isHidden());
  QCOMPARE(w().focusWidget(), w().Memo1);
  Start("99");
  w().Button3->click();
  QVERIFY(w().isHidden());
  w().ShowFromMenu();
  QVERIFY(w().Memo1->toPlainText().isEmpty());
  QVERIFY(w().Memo2->toPlainText().isEmpty());
  QVERIFY(w().Memo3->isHidden());
}

}  // namespace taketa

QTEST_MAIN(taketa::Heihoukon1WindowTest)
#include "test_heihoukon1_window.moc"
