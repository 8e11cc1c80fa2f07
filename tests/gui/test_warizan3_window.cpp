// The integer quotient and remainder window: controls, checks and their
// messages, typing checks, the wait notice, the shortcut for a shorter
// dividend, the clear button and the five-line saved file.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "calculators/warizan3/warizan3_window.h"
#include "tests/gui/visibility_log.h"
#include "tests/gui/window_fixture.h"

namespace taketa {

class Warizan3WindowTest : public testing::WindowTest<Tfrm_warizan3> {
  Q_OBJECT

 private slots:
  void controls();
  void typingChecks();
  void refusesInput_data();
  void refusesInput();
  void dividesAndSavesFiveLines();
  void shortcutForShorterDividend();
  void clearButtonAndShowingAgain();

 private:
  // Types A and B and presses the start button; `answers` answer the
  // questions that follow.
  void Start(const QString& a, const QString& b, std::deque<bool> answers = {}) {
    Type(w().Memo1, a);
    Type(w().Memo2, b);
    AnswerNext(std::move(answers));
    w().Button1->click();
  }
};

void Warizan3WindowTest::controls() {
  QCOMPARE(w().objectName(), QString("frm_warizan3"));
  QCOMPARE(w().windowTitle(), QString("frm_warizan3"));
  auto label = [&](const char* name) { return w().findChild<QLabel*>(name)->text(); };
  QCOMPARE(label("Label2"),
           QString("60000桁以内の正の整数同士の割り算(Ａ÷Ｂ)の整商と余りを求めます。"));
  QCOMPARE(label("Label1"), QString("Ａ＝"));
  QCOMPARE(label("Label3"), QString("Ｂ＝"));
  QCOMPARE(label("Label4"), QString("Ａ÷Ｂの整商＝"));
  QCOMPARE(label("Label5"), QString("Ａ÷Ｂの余り＝"));
  QCOMPARE(w().findChild<QPushButton*>("Button1")->text(), QString("計算開始"));
  QCOMPARE(w().findChild<QPushButton*>("Button3")->text(), QString("数字の消去"));
  QCOMPARE(w().findChild<QPushButton*>("Button2")->text(), QString("終了"));
  auto memo = [&](const char* name) { return w().findChild<QPlainTextEdit*>(name); };
  QCOMPARE(memo("Memo1")->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  QCOMPARE(memo("Memo5")->toPlainText(), QString(" 計算中です。お待ちください。"));
  QVERIFY(memo("Memo5")->isReadOnly());
  QVERIFY(memo("Memo5")->isHidden());
  QVERIFY(memo("Memo6")->isHidden());
  for (const char* result : {"Memo3", "Memo4"}) {
    QVERIFY(!memo(result)->isHidden());
    QCOMPARE(memo(result)->focusPolicy(), Qt::ClickFocus);  // no tab stop
  }
  // Tab order: A, then B.
  QCOMPARE(w().focusWidget(), w().Memo1);
  QCOMPARE(NextTabStop(w().Memo1), w().Memo2);
}

void Warizan3WindowTest::typingChecks() {
  const QString digitsOnly = "半角数字を入力してください。";
  w().Memo3->setPlainText("9");
  w().Memo4->setPlainText("9");
  w().Memo1->setPlainText("123");
  QVERIFY(w().Memo3->toPlainText().isEmpty());
  QVERIFY(w().Memo4->toPlainText().isEmpty());
  QVERIFY(!w().Memo6->isHidden());
  QCOMPARE(w().Memo6->toPlainText(), QString("入力文字数＝3"));
  QVERIFY(desktop().messages.isEmpty());
  // The counter follows the box that changed, a full-width digit counting 2.
  w().Memo2->setPlainText("4５");
  QCOMPARE(w().Memo6->toPlainText(), QString("入力文字数＝3"));
  QCOMPARE(desktop().messages, QStringList({digitsOnly}));
  QCOMPARE(desktop().beeps, 1);
  QCOMPARE(w().Memo2->toPlainText(), QString("4５"));  // left for the user to remove
  desktop().Clear();
  w().Memo1->setPlainText("12a");
  w().Memo1->setPlainText("12\n");
  QCOMPARE(desktop().messages,
           QStringList({digitsOnly, "BackSpaceキーを押して、改行コードを取り除いてください。"}));
  QCOMPARE(w().Memo6->toPlainText(), QString("入力文字数＝4"));
  desktop().Clear();
  w().Memo1->setPlainText("");
  QVERIFY(desktop().messages.isEmpty());
}

void Warizan3WindowTest::refusesInput_data() {
  QTest::addColumn<QString>("a");
  QTest::addColumn<QString>("b");
  QTest::addColumn<QString>("message");
  QTest::addColumn<int>("box");
  QTest::addColumn<QString>("counter");  // "" when not rewritten
  const QString range = "半角数字で60000桁以内の正の整数を入力してください。";
  const QString tooLong(60001, '7');
  QTest::newRow("A line break") << "12\n"
                                << "5"
                                << "BackSpaceキーを押して、改行コードを取り除いてください。" << 0
                                << "";
  QTest::newRow("A letter") << "1x2"
                            << "5" << range << 0 << "";
  QTest::newRow("A too long") << tooLong << "5"
                              << "入力文字数を60000以下にしてください。" << 0
                              << "入力文字数＝60001";
  QTest::newRow("A empty") << ""
                           << "5" << range << 0 << "";
  QTest::newRow("A zero") << "00"
                          << "5" << range << 0 << "";
  QTest::newRow("B letter") << "5"
                            << "５" << range << 1 << "";
  QTest::newRow("B too long") << "5" << tooLong << range << 1 << "入力文字数＝60001";
  QTest::newRow("B zero") << "5"
                          << "0" << range << 1 << "";
}

void Warizan3WindowTest::refusesInput() {
  QFETCH(QString, a);
  QFETCH(QString, b);
  QFETCH(QString, message);
  QFETCH(int, box);
  QFETCH(QString, counter);
  testing::VisibilityLog notice(w().Memo5);
  w().Memo1->setPlainText(a);
  w().Memo2->setPlainText(b);
  w().Memo6->setPlainText("入力文字数＝1");
  w().Memo3->setPlainText("old");
  w().Button1->setFocus();
  desktop().Clear();
  w().Button1->click();
  CheckRefused(message, box == 0 ? w().Memo1 : w().Memo2);
  QCOMPARE(w().Memo6->toPlainText(), counter.isEmpty() ? QString("入力文字数＝1") : counter);
  QVERIFY(w().Memo3->toPlainText().isEmpty());
  QVERIFY(notice.events.isEmpty());
}

void Warizan3WindowTest::dividesAndSavesFiveLines() {
  testing::VisibilityLog notice(w().Memo5);
  Start("000123", "0012", {true, true});
  QCOMPARE(w().Memo3->toPlainText(), QString("10"));
  QCOMPARE(w().Memo4->toPlainText(), QString("3"));
  QCOMPARE(notice.events, QStringList({"shown", "hidden"}));
  QVERIFY(w().Memo5->isHidden());
  QCOMPARE(desktop().questions.first(), QString("計算完了。　計算結果を保存または印刷しますか。"));
  QCOMPARE(SavedTempFile(), QByteArray("000123\x81\x80"
                                       "0012 \x82\xcc\r\n"
                                       "\r\r\n"
                                       "\x90\xae\x8f\xa4\x81\x81"
                                       "10\r\n"
                                       "\r\r\n"
                                       "\x97\x5d\x82\xe8\x81\x81"
                                       "3\r\n"));
  QCOMPARE(desktop().opened, QStringList({desktop().primary().file}));
  QCOMPARE(w().focusWidget(), w().Memo1);
  // Same length and smaller: the full way, with the end dialog.
  Start("5", "7");
  QCOMPARE(w().Memo3->toPlainText(), QString("0"));
  QCOMPARE(w().Memo4->toPlainText(), QString("5"));
  QCOMPARE(desktop().questions, QStringList({"計算完了。　計算結果を保存または印刷しますか。"}));
  Start("1000", "10");
  QCOMPARE(w().Memo3->toPlainText(), QString("100"));
  QCOMPARE(w().Memo4->toPlainText(), QString("0"));
}

void Warizan3WindowTest::shortcutForShorterDividend() {
  testing::VisibilityLog notice(w().Memo5);
  w().Button2->setFocus();
  Start("0005", "10");
  QCOMPARE(w().Memo3->toPlainText(), QString("0"));
  QCOMPARE(w().Memo4->toPlainText(), QString("5"));
  QCOMPARE(notice.events, QStringList({"shown", "hidden"}));
  QCOMPARE(desktop().beeps, 1);
  QVERIFY(desktop().questions.isEmpty());
  QVERIFY(desktop().messages.isEmpty());
  QVERIFY(!QFile::exists(desktop().primary().file));
  QCOMPARE(w().focusWidget(), w().Memo1);
}

void Warizan3WindowTest::clearButtonAndShowingAgain() {
  Start("7", "7");
  QCOMPARE(w().Memo3->toPlainText(), QString("1"));
  QVERIFY(!w().Memo6->isHidden());
  w().Button2->setFocus();
  w().Button3->click();
  for (QPlainTextEdit* box : {w().Memo1, w().Memo2, w().Memo3, w().Memo4}) {
    QVERIFY(box->toPlainText().isEmpty());
  }
  QVERIFY(w().Memo6->isHidden());
  QCOMPARE(w().focusWidget(), w().Memo1);
  // Closed and shown again: everything starts over.
  Start("8", "3");
  w().Button2->click();
  QVERIFY(w().isHidden());
  w().ShowFromMenu();
  for (QPlainTextEdit* box : {w().Memo1, w().Memo2, w().Memo3, w().Memo4}) {
    QVERIFY(box->toPlainText().isEmpty());
  }
  QVERIFY(w().Memo5->isHidden());
  QVERIFY(w().Memo6->isHidden());
  QCOMPARE(w().focusWidget(), w().Memo1);
}

}  // namespace taketa

QTEST_MAIN(taketa::Warizan3WindowTest)
#include "test_warizan3_window.moc"
