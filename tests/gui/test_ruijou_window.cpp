// The power window: checks, the length counter, a run with its step
// counter, the four-line file, a stop and closing during a run.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "calculators/ruijou/ruijou_window.h"
#include "frame/controls.h"
#include "tests/gui/scripted_desktop.h"

namespace taketa {

class RuijouWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    desktop_ = std::make_unique<testing::ScriptedDesktop>();
    w_ = std::make_unique<Tfrm_ruijou>();
    w_->ShowFromMenu();
  }
  void cleanup() {
    w_.reset();
    desktop_.reset();
  }

  void controls();
  void lengthCounterAndChangeHandlers();
  void refusesInput_data();
  void refusesInput();
  void computesAndSavesFourLines();
  void stopLeavesNoResult();
  void closeEndsTheRun();

 private:
  void Start(const QString& a, const QString& n) {
    w_->Edit1->setText(a);
    w_->Edit2->setText(n);
    w_->Button1->click();
  }

  std::unique_ptr<testing::ScriptedDesktop> desktop_;
  std::unique_ptr<Tfrm_ruijou> w_;
};

void RuijouWindowTest::controls() {
  QCOMPARE(w_->windowTitle(), QString("frm_ruijou"));
  QCOMPARE(w_->findChild<QLabel*>("Label2")->text(),
           QString("100桁以内の正の数Ａ(整数または小数)の累乗を求めます。累乗の指数は 10000以下の自然数とします。"));
  QCOMPARE(w_->findChild<QLabel*>("Label1")->text(), QString("Ａ＝"));
  QCOMPARE(w_->findChild<QLabel*>("Label3")->text(), QString("累乗の指数＝"));
  QCOMPARE(w_->findChild<QLabel*>("Label4")->text(), QString("計算結果を浮動小数点形式で200桁まで表示します。"));
  QVERIFY(w_->Label4->isHidden());
  QVERIFY(w_->Memo1->isHidden());
  QVERIFY(w_->Memo2->isHidden());
  QVERIFY(w_->Memo3->isHidden());
  QVERIFY(w_->findChild<RichEditBox*>("RichEdit1"));
  QCOMPARE(w_->RichEdit1->findChild<QMenu*>("PopupMenu1")->actions().size(), 2);
  QCOMPARE(w_->RichEdit1->findChild<QAction*>("Copy1")->text(), QString("コピー"));
  QCOMPARE(w_->RichEdit1->findChild<QAction*>("Paste1")->text(), QString("貼り付け"));
  QCOMPARE(w_->Button1->text(), QString("計算開始"));
  QCOMPARE(w_->Button2->text(), QString("終了"));
  QCOMPARE(w_->focusWidget(), w_->Edit1);
}

void RuijouWindowTest::lengthCounterAndChangeHandlers() {
  Start("2", "10");
  QVERIFY(!w_->RichEdit1->toPlainText().isEmpty());
  w_->Edit1->setText("１２a");
  QVERIFY(!w_->Memo3->isHidden());
  QCOMPARE(w_->Memo3->toPlainText(), QString("入力文字数＝5"));  // full-width characters count 2
  QVERIFY(w_->RichEdit1->toPlainText().isEmpty());
  QVERIFY(w_->Memo2->toPlainText().isEmpty());
  QVERIFY(w_->Memo1->isHidden());
  Start("2", "10");
  w_->Edit2->setText("11");
  QVERIFY(w_->RichEdit1->toPlainText().isEmpty());
  QVERIFY(w_->Memo2->toPlainText().isEmpty());
  QVERIFY(w_->Memo1->isHidden());
  // Shown again, the window starts over, the counter hidden.
  w_->close();
  w_->ShowFromMenu();
  QVERIFY(w_->Memo3->isHidden());
  QVERIFY(w_->Edit1->text().isEmpty());
  QVERIFY(w_->Edit2->text().isEmpty());
}

void RuijouWindowTest::refusesInput_data() {
  QTest::addColumn<QString>("a");
  QTest::addColumn<QString>("n");
  QTest::addColumn<QString>("message");
  QTest::addColumn<int>("box");
  const QString base = "半角数字で100桁以内の正の数を入力してください。";
  const QString exponent = "半角数字で 10000以下の自然数を入力してください。";
  QTest::newRow("101 digits") << QString(101, '1') << "2" << "入力文字数を100以下にしてください。" << 0;
  QTest::newRow("102 with a point") << QString(100, '1') + ".1" << "2"
                                    << "小数点を含めた入力文字数を101以下にしてください。" << 0;
  QTest::newRow("two points") << "1.2.3" << "2" << base << 0;
  QTest::newRow("zero") << "0.000" << "2" << base << 0;
  QTest::newRow("empty") << "" << "2" << base << 0;
  QTest::newRow("no exponent") << "2" << "" << exponent << 1;
  QTest::newRow("exponent 0") << "2" << "0" << exponent << 1;
  QTest::newRow("exponent 10001") << "2" << "10001" << exponent << 1;
  QTest::newRow("six characters") << "2" << "123456" << "入力文字数を5以下にしてください。" << 1;
}

void RuijouWindowTest::refusesInput() {
  QFETCH(QString, a);
  QFETCH(QString, n);
  QFETCH(QString, message);
  QFETCH(int, box);
  Start(a, n);
  QCOMPARE(desktop_->messages, QStringList({message}));
  QCOMPARE(desktop_->beeps, 1);
  QCOMPARE(w_->focusWidget(), box == 0 ? w_->Edit1 : w_->Edit2);
  QVERIFY(!w_->busy());
  QCOMPARE(w_->Button1->text(), QString("計算開始"));
  QVERIFY(w_->RichEdit1->toPlainText().isEmpty());
  QVERIFY(desktop_->questions.isEmpty());
}

void RuijouWindowTest::computesAndSavesFourLines() {
  desktop_->answers = {true, false};
  Start("12.5", "2");
  QCOMPARE(w_->RichEdit1->toPlainText(), QString("156.25    (桁数＝5)"));
  QCOMPARE(w_->Memo2->toPlainText(), QString("1.5625E2"));
  QVERIFY(!w_->Memo2->isHidden());
  QVERIFY(!w_->Label4->isHidden());
  QCOMPARE(w_->Memo1->toPlainText(), QString("2"));
  QCOMPARE(testing::ScriptedDesktop::Read(desktop_->primary().file),
           QByteArray("12.5\x82\xcc" "2\x8f\xe6\r\n156.25    (\x8c\x85\x90\x94\x81\x81" "5)\r\n\r\r\n"
                      "\x95\x82\x93\xae\x8f\xac\x90\x94\x93_\x8c`\x8e\xae\x82\xc5\x82\xcd\x81@1.5625E2\r\n"));
  QCOMPARE(w_->Button1->text(), QString("計算開始"));
  QVERIFY(!w_->Button2->isHidden());
  QVERIFY(!w_->busy());
  QCOMPARE(w_->focusWidget(), w_->Edit2);
  Start(".5", "1");
  QCOMPARE(w_->RichEdit1->toPlainText(), QString("0.5    (桁数＝2)"));
  QCOMPARE(w_->Memo2->toPlainText(), QString("5.E-1"));
}

void RuijouWindowTest::stopLeavesNoResult() {
  bool sawRunning = false;
  QTimer::singleShot(30, w_.get(), [&] {
    sawRunning = w_->busy() && w_->Button1->text() == "計算中止" && w_->Button2->isHidden();
    w_->Button1->click();
  });
  Start(QString(100, '7'), "10000");
  QVERIFY(sawRunning);
  QVERIFY(w_->RichEdit1->toPlainText().isEmpty());
  QVERIFY(desktop_->questions.isEmpty());
  QCOMPARE(w_->Button1->text(), QString("計算開始"));
  QVERIFY(!w_->Button2->isHidden());
  QVERIFY(!w_->Memo1->isHidden());
  QVERIFY(w_->Memo1->toPlainText().toInt() >= 1);  // the last step shown
  QVERIFY(w_->Memo2->isHidden());
}

void RuijouWindowTest::closeEndsTheRun() {
  QTimer::singleShot(30, w_.get(), [&] { w_->close(); });
  Start(QString(100, '7'), "10000");
  QVERIFY(w_->isHidden());
  QVERIFY(!w_->busy());
  QVERIFY(desktop_->questions.isEmpty());
  QVERIFY(w_->RichEdit1->toPlainText().isEmpty());
}

}  // namespace taketa

QTEST_MAIN(taketa::RuijouWindowTest)
#include "test_ruijou_window.moc"
