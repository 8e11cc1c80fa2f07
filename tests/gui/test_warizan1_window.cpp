// The division window for 50-digit numbers: controls, the edit boxes'
// change handlers, checks and their messages, a run and the saved file.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "calculators/warizan1/warizan1_window.h"
#include "tests/gui/window_fixture.h"

namespace taketa {

class Warizan1WindowTest : public testing::WindowTest<Tfrm_warizan1> {
  Q_OBJECT

 private slots:
  void controls();
  void editingClearsTheResult();
  void refusesInput_data();
  void refusesInput();
  void dividesAndSaves();

 private:
  void Start(const QString& a, const QString& b, std::deque<bool> answers = {}) {
    w().Edit1->setText(a);
    w().Edit2->setText(b);
    AnswerNext(std::move(answers));
    w().Button1->click();
  }
};

void Warizan1WindowTest::controls() {
  QCOMPARE(w().objectName(), QString("frm_warizan1"));
  auto label = [&](const char* name) { return w().findChild<QLabel*>(name)->text(); };
  QCOMPARE(label("Label2"), QString("50桁以内の正の数(整数または小数)同士の割り算(Ａ÷Ｂ)をします。"
                                    "商が循環小数であるときには、商を20000桁まで求めます。"));
  QCOMPARE(label("Label1"), QString("Ａ＝"));
  QVERIFY(w().findChild<QLineEdit*>("Edit1"));
  QVERIFY(w().findChild<QLineEdit*>("Edit2"));
  QVERIFY(w().findChild<QPlainTextEdit*>("Memo1"));
  QCOMPARE(w().findChild<QPushButton*>("Button1")->text(), QString("計算開始"));
  QCOMPARE(w().findChild<QPushButton*>("Button2")->text(), QString("終了"));
  QCOMPARE(w().findChildren<QPushButton*>().size(), 2);     // no clear button
  QCOMPARE(w().findChildren<QPlainTextEdit*>().size(), 1);  // no length counter
  QCOMPARE(w().focusWidget(), w().Edit1);
}

void Warizan1WindowTest::editingClearsTheResult() {
  Start("1", "8");
  QCOMPARE(w().Memo1->toPlainText(), QString("0.125"));
  w().Edit2->setText("4");
  QVERIFY(w().Memo1->toPlainText().isEmpty());
  w().Memo1->setPlainText("x");
  w().Edit1->setText("2x");
  QVERIFY(w().Memo1->toPlainText().isEmpty());
  QVERIFY(desktop().messages.isEmpty());  // no checks while typing
}

void Warizan1WindowTest::refusesInput_data() {
  QTest::addColumn<QString>("a");
  QTest::addColumn<QString>("b");
  QTest::addColumn<QString>("message");
  QTest::addColumn<int>("box");
  const QString range = "半角数字で50桁以内の正の数を入力してください。";
  QTest::newRow("A 51 digits") << QString(51, '1') << "2"
                               << "入力文字数を50以下にしてください。" << 0;
  QTest::newRow("A 52 with a point") << QString(51, '1') + "."
                                     << "2"
                                     << "小数点を含めた入力文字数を51以下にしてください。" << 0;
  QTest::newRow("A letter") << "1a"
                            << "2" << range << 0;
  QTest::newRow("A zero") << "0"
                          << "2" << range << 0;
  QTest::newRow("B empty") << "2"
                           << "" << range << 1;
  QTest::newRow("B 51 digits") << "2" << QString(51, '1') << "入力文字数を50以下にしてください。"
                               << 1;
}

void Warizan1WindowTest::refusesInput() {
  QFETCH(QString, a);
  QFETCH(QString, b);
  QFETCH(QString, message);
  QFETCH(int, box);
  w().Button2->setFocus();
  Start(a, b);
  CheckRefused(message, box == 0 ? w().Edit1 : w().Edit2);
  QVERIFY(w().Memo1->toPlainText().isEmpty());
}

void Warizan1WindowTest::dividesAndSaves() {
  Start("22", "7", {true, false});
  const QString q = w().Memo1->toPlainText();
  QCOMPARE(q.size(), 2 + 19998);
  QVERIFY(q.startsWith("3.142857142857"));
  const QByteArray saved = SavedTempFile();
  QVERIFY(
      saved.startsWith("22\x81\x80"
                       "7\x82\xcc\x8c\x76\x8e\x5a\x8c\x8b\x89\xca\x81\x69\x8f\xa4\x81\x6a\r\n"
                       "\r\r\n3.142857"));
  QVERIFY(saved.endsWith("142857\r\n"));  // 19998 decimals: 3333 periods
  QCOMPARE(w().focusWidget(), w().Edit1);
  Start(QString(50, '9'), "." + QString(50, '9'));
  QCOMPARE(w().Memo1->toPlainText(), "1" + QString(50, '0'));
  // Shown again: both boxes and the result are cleared.
  w().Button2->click();
  w().ShowFromMenu();
  QVERIFY(w().Edit1->text().isEmpty());
  QVERIFY(w().Edit2->text().isEmpty());
  QVERIFY(w().Memo1->toPlainText().isEmpty());
  QCOMPARE(w().focusWidget(), w().Edit1);
}

}  // namespace taketa

QTEST_MAIN(taketa::Warizan1WindowTest)
#include "test_warizan1_window.moc"
