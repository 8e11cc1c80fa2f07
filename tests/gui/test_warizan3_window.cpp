// The integer quotient and remainder window: controls, checks and their
// messages, typing checks, the wait notice, the shortcut for a shorter
// dividend, the clear button and the five-line saved file.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "calculators/warizan3/warizan3_window.h"
#include "tests/gui/scripted_desktop.h"
#include "tests/gui/visibility_log.h"

namespace taketa {

class Warizan3WindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    desktop_ = std::make_unique<testing::ScriptedDesktop>();
    w_ = std::make_unique<Tfrm_warizan3>();
    w_->ShowFromMenu();
  }
  void cleanup() {
    w_.reset();
    desktop_.reset();
  }

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
    w_->Memo1->setPlainText(a);
    w_->Memo2->setPlainText(b);
    desktop_->Clear();
    desktop_->answers = std::move(answers);
    w_->Button1->click();
  }

  std::unique_ptr<testing::ScriptedDesktop> desktop_;
  std::unique_ptr<Tfrm_warizan3> w_;
};

void Warizan3WindowTest::controls() {
  QCOMPARE(w_->objectName(), QString("frm_warizan3"));
  QCOMPARE(w_->windowTitle(), QString("frm_warizan3"));
  auto label = [&](const char* name) { return w_->findChild<QLabel*>(name)->text(); };
  QCOMPARE(label("Label2"), QString("60000桁以内の正の整数同士の割り算(Ａ÷Ｂ)の整商と余りを求めます。"));
  QCOMPARE(label("Label1"), QString("Ａ＝"));
  QCOMPARE(label("Label3"), QString("Ｂ＝"));
  QCOMPARE(label("Label4"), QString("Ａ÷Ｂの整商＝"));
  QCOMPARE(label("Label5"), QString("Ａ÷Ｂの余り＝"));
  QCOMPARE(w_->findChild<QPushButton*>("Button1")->text(), QString("計算開始"));
  QCOMPARE(w_->findChild<QPushButton*>("Button3")->text(), QString("数字の消去"));
  QCOMPARE(w_->findChild<QPushButton*>("Button2")->text(), QString("終了"));
  auto memo = [&](const char* name) { return w_->findChild<QPlainTextEdit*>(name); };
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
  QCOMPARE(w_->focusWidget(), w_->Memo1);
  QWidget* next = w_->Memo1->nextInFocusChain();
  while (!(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
  QCOMPARE(next, w_->Memo2);
}

void Warizan3WindowTest::typingChecks() {
  const QString digitsOnly = "半角数字を入力してください。";
  w_->Memo3->setPlainText("9");
  w_->Memo4->setPlainText("9");
  w_->Memo1->setPlainText("123");
  QVERIFY(w_->Memo3->toPlainText().isEmpty());
  QVERIFY(w_->Memo4->toPlainText().isEmpty());
  QVERIFY(!w_->Memo6->isHidden());
  QCOMPARE(w_->Memo6->toPlainText(), QString("入力文字数＝3"));
  QVERIFY(desktop_->messages.isEmpty());
  // The counter follows the box that changed, a full-width digit counting 2.
  w_->Memo2->setPlainText("4５");
  QCOMPARE(w_->Memo6->toPlainText(), QString("入力文字数＝3"));
  QCOMPARE(desktop_->messages, QStringList({digitsOnly}));
  QCOMPARE(desktop_->beeps, 1);
  QCOMPARE(w_->Memo2->toPlainText(), QString("4５"));  // left for the user to remove
  desktop_->Clear();
  w_->Memo1->setPlainText("12a");
  w_->Memo1->setPlainText("12\n");
  QCOMPARE(desktop_->messages,
           QStringList({digitsOnly, "BackSpaceキーを押して、改行コードを取り除いてください。"}));
  QCOMPARE(w_->Memo6->toPlainText(), QString("入力文字数＝4"));
  desktop_->Clear();
  w_->Memo1->setPlainText("");
  QVERIFY(desktop_->messages.isEmpty());
}

void Warizan3WindowTest::refusesInput_data() {
  QTest::addColumn<QString>("a");
  QTest::addColumn<QString>("b");
  QTest::addColumn<QString>("message");
  QTest::addColumn<int>("box");
  QTest::addColumn<QString>("counter");  // "" when not rewritten
  const QString range = "半角数字で60000桁以内の正の整数を入力してください。";
  const QString tooLong(60001, '7');
  QTest::newRow("A line break") << "12\n" << "5"
                                << "BackSpaceキーを押して、改行コードを取り除いてください。" << 0 << "";
  QTest::newRow("A letter") << "1x2" << "5" << range << 0 << "";
  QTest::newRow("A too long") << tooLong << "5" << "入力文字数を60000以下にしてください。" << 0
                              << "入力文字数＝60001";
  QTest::newRow("A empty") << "" << "5" << range << 0 << "";
  QTest::newRow("A zero") << "00" << "5" << range << 0 << "";
  QTest::newRow("B letter") << "5" << "５" << range << 1 << "";
  QTest::newRow("B too long") << "5" << tooLong << range << 1 << "入力文字数＝60001";
  QTest::newRow("B zero") << "5" << "0" << range << 1 << "";
}

void Warizan3WindowTest::refusesInput() {
  QFETCH(QString, a);
  QFETCH(QString, b);
  QFETCH(QString, message);
  QFETCH(int, box);
  QFETCH(QString, counter);
  testing::VisibilityLog notice(w_->Memo5);
  w_->Memo1->setPlainText(a);
  w_->Memo2->setPlainText(b);
  w_->Memo6->setPlainText("入力文字数＝1");
  w_->Memo3->setPlainText("old");
  w_->Button1->setFocus();
  desktop_->Clear();
  w_->Button1->click();
  QCOMPARE(desktop_->messages, QStringList({message}));
  QCOMPARE(desktop_->beeps, 1);
  QCOMPARE(w_->focusWidget(), box == 0 ? w_->Memo1 : w_->Memo2);
  QCOMPARE(w_->Memo6->toPlainText(), counter.isEmpty() ? QString("入力文字数＝1") : counter);
  QVERIFY(w_->Memo3->toPlainText().isEmpty());
  QVERIFY(notice.events.isEmpty());
  QVERIFY(desktop_->questions.isEmpty());
}

void Warizan3WindowTest::dividesAndSavesFiveLines() {
  testing::VisibilityLog notice(w_->Memo5);
  Start("000123", "0012", {true, true});
  QCOMPARE(w_->Memo3->toPlainText(), QString("10"));
  QCOMPARE(w_->Memo4->toPlainText(), QString("3"));
  QCOMPARE(notice.events, QStringList({"shown", "hidden"}));
  QVERIFY(w_->Memo5->isHidden());
  QCOMPARE(desktop_->questions.first(), QString("計算完了。　計算結果を保存または印刷しますか。"));
  QCOMPARE(testing::ScriptedDesktop::Read(desktop_->primary().file),
           QByteArray("000123\x81\x80" "0012 \x82\xcc\r\n"
                      "\r\r\n"
                      "\x90\xae\x8f\xa4\x81\x81" "10\r\n"
                      "\r\r\n"
                      "\x97\x5d\x82\xe8\x81\x81" "3\r\n"));
  QCOMPARE(desktop_->opened, QStringList({desktop_->primary().file}));
  QCOMPARE(w_->focusWidget(), w_->Memo1);
  // Same length and smaller: the full way, with the end dialog.
  Start("5", "7");
  QCOMPARE(w_->Memo3->toPlainText(), QString("0"));
  QCOMPARE(w_->Memo4->toPlainText(), QString("5"));
  QCOMPARE(desktop_->questions, QStringList({"計算完了。　計算結果を保存または印刷しますか。"}));
  Start("1000", "10");
  QCOMPARE(w_->Memo3->toPlainText(), QString("100"));
  QCOMPARE(w_->Memo4->toPlainText(), QString("0"));
}

void Warizan3WindowTest::shortcutForShorterDividend() {
  testing::VisibilityLog notice(w_->Memo5);
  w_->Button2->setFocus();
  Start("0005", "10");
  QCOMPARE(w_->Memo3->toPlainText(), QString("0"));
  QCOMPARE(w_->Memo4->toPlainText(), QString("5"));
  QCOMPARE(notice.events, QStringList({"shown", "hidden"}));
  QCOMPARE(desktop_->beeps, 1);
  QVERIFY(desktop_->questions.isEmpty());
  QVERIFY(desktop_->messages.isEmpty());
  QVERIFY(!QFile::exists(desktop_->primary().file));
  QCOMPARE(w_->focusWidget(), w_->Memo1);
}

void Warizan3WindowTest::clearButtonAndShowingAgain() {
  Start("7", "7");
  QCOMPARE(w_->Memo3->toPlainText(), QString("1"));
  QVERIFY(!w_->Memo6->isHidden());
  w_->Button2->setFocus();
  w_->Button3->click();
  for (QPlainTextEdit* box : {w_->Memo1, w_->Memo2, w_->Memo3, w_->Memo4}) {
    QVERIFY(box->toPlainText().isEmpty());
  }
  QVERIFY(w_->Memo6->isHidden());
  QCOMPARE(w_->focusWidget(), w_->Memo1);
  // Closed and shown again: everything starts over.
  Start("8", "3");
  w_->Button2->click();
  QVERIFY(w_->isHidden());
  w_->ShowFromMenu();
  for (QPlainTextEdit* box : {w_->Memo1, w_->Memo2, w_->Memo3, w_->Memo4}) {
    QVERIFY(box->toPlainText().isEmpty());
  }
  QVERIFY(w_->Memo5->isHidden());
  QVERIFY(w_->Memo6->isHidden());
  QCOMPARE(w_->focusWidget(), w_->Memo1);
}

}  // namespace taketa

QTEST_MAIN(taketa::Warizan3WindowTest)
#include "test_warizan3_window.moc"
