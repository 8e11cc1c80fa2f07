// The integer square root window: controls, typing checks, checks and their
// messages, a run with its saved file, the clear button.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "calculators/heihoukon1/heihoukon1_window.h"
#include "tests/gui/scripted_desktop.h"

namespace taketa {

class Heihoukon1WindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    desktop_ = std::make_unique<testing::ScriptedDesktop>();
    w_ = std::make_unique<Tfrm_heihoukon1>();
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
  void computesAndSaves();
  void clearButtonAndShowingAgain();

 private:
  void Start(const QString& n, std::deque<bool> answers = {}) {
    w_->Memo1->setPlainText(n);
    desktop_->Clear();
    desktop_->answers = std::move(answers);
    w_->Button1->click();
  }

  std::unique_ptr<testing::ScriptedDesktop> desktop_;
  std::unique_ptr<Tfrm_heihoukon1> w_;
};

void Heihoukon1WindowTest::controls() {
  QCOMPARE(w_->objectName(), QString("frm_heihoukon1"));
  auto label = [&](const char* name) { return w_->findChild<QLabel*>(name)->text(); };
  QCOMPARE(label("Label1"), QString("10000桁以内の自然数Ｎの正の平方根の整数部分を求めます。"));
  QCOMPARE(label("Label2"), QString("Ｎ＝"));
  QCOMPARE(label("Label3"), QString("Ｎの平方根の整数部分＝"));
  QCOMPARE(w_->findChild<QPushButton*>("Button1")->text(), QString("計算開始"));
  QCOMPARE(w_->findChild<QPushButton*>("Button2")->text(), QString("数字の消去"));
  QCOMPARE(w_->findChild<QPushButton*>("Button3")->text(), QString("終了"));
  QCOMPARE(w_->findChild<QPlainTextEdit*>("Memo1")->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  QCOMPARE(w_->findChild<QPlainTextEdit*>("Memo2")->focusPolicy(), Qt::ClickFocus);
  QVERIFY(w_->findChild<QPlainTextEdit*>("Memo3")->isHidden());
  QCOMPARE(w_->focusWidget(), w_->Memo1);
}

void Heihoukon1WindowTest::typingChecks() {
  w_->Memo2->setPlainText("5");
  w_->Memo1->setPlainText("25");
  QVERIFY(w_->Memo2->toPlainText().isEmpty());
  QCOMPARE(w_->Memo3->toPlainText(), QString("入力文字数＝2"));
  QVERIFY(!w_->Memo3->isHidden());
  QVERIFY(desktop_->messages.isEmpty());
  w_->Memo1->setPlainText("25ａ");
  QCOMPARE(w_->Memo3->toPlainText(), QString("入力文字数＝4"));
  w_->Memo1->setPlainText("25\n");
  QCOMPARE(desktop_->messages, QStringList({"半角数字を入力してください。",
                                            "BackSpaceキーを押して、改行コードを取り除いてください。"}));
  QCOMPARE(desktop_->beeps, 2);
}

void Heihoukon1WindowTest::refusesInput_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("message");
  const QString range = "半角数字で 10000桁以内の自然数を入力してください。";
  QTest::newRow("empty") << "" << range;
  QTest::newRow("line break") << "25\n" << "BackSpaceキーを押して、改行コードを取り除いてください。";
  QTest::newRow("10001 characters") << QString(10001, '0') << "入力文字数を10000以下にしてください。";
  QTest::newRow("letter") << "2x5" << range;
  QTest::newRow("zero") << "000" << range;
}

void Heihoukon1WindowTest::refusesInput() {
  QFETCH(QString, text);
  QFETCH(QString, message);
  w_->Memo1->setPlainText(text);
  w_->Memo3->setPlainText("入力文字数＝1");
  w_->Button3->setFocus();
  desktop_->Clear();
  w_->Button1->click();
  QCOMPARE(desktop_->messages, QStringList({message}));
  QCOMPARE(desktop_->beeps, 1);
  QCOMPARE(w_->focusWidget(), w_->Memo1);
  QCOMPARE(w_->Memo3->toPlainText(), QString("入力文字数＝1"));  // not rewritten
  QVERIFY(w_->Memo2->toPlainText().isEmpty());
  QVERIFY(desktop_->questions.isEmpty());
}

void Heihoukon1WindowTest::computesAndSaves() {
  Start("00025", {true, false});
  QCOMPARE(w_->Memo2->toPlainText(), QString("5"));
  QCOMPARE(desktop_->questions.size(), 2);
  QCOMPARE(testing::ScriptedDesktop::Read(desktop_->primary().file),
           QByteArray("00025\x82\xcc\x95\xbd\x95\xfb\x8d\xaa\x82\xcc\x90\xae\x90\x94\x95\x94\x95\xaa\r\n"
                      "5\r\n"));
  QVERIFY(desktop_->opened.isEmpty());
  QCOMPARE(w_->focusWidget(), w_->Memo1);
  // A 10000-digit number gives 5000 digits; No writes nothing new.
  QFile::remove(desktop_->primary().file);
  Start(QString(10000, '9'));
  QCOMPARE(w_->Memo2->toPlainText(), QString(5000, '9'));
  QVERIFY(!QFile::exists(desktop_->primary().file));
  QCOMPARE(w_->focusWidget(), w_->Memo1);
}

void Heihoukon1WindowTest::clearButtonAndShowingAgain() {
  Start("100");
  QCOMPARE(w_->Memo2->toPlainText(), QString("10"));
  w_->Button3->setFocus();
  w_->Button2->click();
  QVERIFY(w_->Memo1->toPlainText().isEmpty());
  QVERIFY(w_->Memo2->toPlainText().isEmpty());
  QVERIFY(w_->Memo3->isHidden());
  QCOMPARE(w_->focusWidget(), w_->Memo1);
  Start("99");
  w_->Button3->click();
  QVERIFY(w_->isHidden());
  w_->ShowFromMenu();
  QVERIFY(w_->Memo1->toPlainText().isEmpty());
  QVERIFY(w_->Memo2->toPlainText().isEmpty());
  QVERIFY(w_->Memo3->isHidden());
}

}  // namespace taketa

QTEST_MAIN(taketa::Heihoukon1WindowTest)
#include "test_heihoukon1_window.moc"
