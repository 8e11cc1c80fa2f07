// The N-th root window: the two stages, N checked again at the start of
// the second, the root of 1 at once, a run and its file, a stop, Button4
// and closing the window returning to the first stage.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "calculators/Njoukon/Njoukon_window.h"
#include "tests/gui/scripted_desktop.h"

namespace taketa {

class NjoukonWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    desktop_ = std::make_unique<testing::ScriptedDesktop>();
    w_ = std::make_unique<Tfrm_Njoukon>();
    w_->ShowFromMenu();
  }
  void cleanup() {
    w_.reset();
    desktop_.reset();
  }

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

 private:
  void ToStageTwo(const QString& n) {
    w_->Edit1->setText(n);
    w_->Button1->click();
  }
  void Start(const QString& x) {
    w_->Edit2->setText(x);
    w_->Button3->click();
  }
  bool InStageOne() const {
    return !w_->Label1->isHidden() && !w_->Label2->isHidden() && !w_->Edit1->isHidden() &&
           !w_->Button1->isHidden() && !w_->Button2->isHidden() && w_->Label3->isHidden() &&
           w_->Label4->isHidden() && w_->Edit2->isHidden() && w_->Button3->isHidden() &&
           w_->Label5->isHidden() && w_->Edit3->isHidden();
  }

  std::unique_ptr<testing::ScriptedDesktop> desktop_;
  std::unique_ptr<Tfrm_Njoukon> w_;
};

void NjoukonWindowTest::controls() {
  QCOMPARE(w_->windowTitle(), QString("frm_Njoukon"));
  QCOMPARE(w_->findChild<QLabel*>("Label1")->text(), QString("Ｎ乗根( 2≦Ｎ≦300 )を求めます。"));
  QCOMPARE(w_->findChild<QLabel*>("Label2")->text(), QString("何乗根を求めますか。Ｎ＝"));
  QCOMPARE(w_->findChild<QLabel*>("Label4")->text(), QString("20桁以内の正の数＝"));
  QCOMPARE(w_->findChild<QPushButton*>("Button1")->text(), QString("次へ進む"));
  QCOMPARE(w_->findChild<QPushButton*>("Button2")->text(), QString("終了"));
  QCOMPARE(w_->findChild<QPushButton*>("Button3")->text(), QString("計算開始"));
  QCOMPARE(w_->findChild<QPushButton*>("Button4")->text(), QString("終了"));
  QCOMPARE(w_->Memo1->toPlainText(), QString(" 計算中です。お待ちください。"));
  QVERIFY(w_->Memo1->isReadOnly());
  QVERIFY(InStageOne());
  QVERIFY(w_->Button4->isHidden());
  QVERIFY(w_->Memo1->isHidden() && w_->Memo2->isHidden() && w_->Memo3->isHidden());
  QCOMPARE(w_->focusWidget(), w_->Edit1);
}

void NjoukonWindowTest::stageOneRefuses_data() {
  QTest::addColumn<QString>("n");
  QTest::addColumn<QString>("message");
  const QString range = "半角数字で 2以上 300以下の自然数を入力してください。";
  QTest::newRow("empty") << "" << range;
  QTest::newRow("letter") << "2a" << range;
  QTest::newRow("one") << "1" << range;
  QTest::newRow("301") << "301" << range;
  QTest::newRow("1000") << "1000" << "入力文字数を3以下にしてください。";
}

void NjoukonWindowTest::stageOneRefuses() {
  QFETCH(QString, n);
  QFETCH(QString, message);
  w_->Button2->setFocus();
  ToStageTwo(n);
  QCOMPARE(desktop_->messages, QStringList({message}));
  QCOMPARE(desktop_->beeps, 1);
  QCOMPARE(w_->focusWidget(), w_->Edit1);
  QVERIFY(InStageOne());
}

void NjoukonWindowTest::stageTwo() {
  ToStageTwo("003");
  QCOMPARE(w_->Label3->text(),
           QString("20桁以内の正の数(整数または小数)を入力してください。その数の 003乗根を100桁まで求めます。"));
  QVERIFY(!w_->Label3->isHidden());
  QVERIFY(w_->Button1->isHidden());
  QVERIFY(w_->Button2->isHidden());
  QVERIFY(!w_->Label4->isHidden() && !w_->Edit2->isHidden());
  QVERIFY(!w_->Button3->isHidden() && !w_->Button4->isHidden());
  QCOMPARE(w_->focusWidget(), w_->Edit2);
  QVERIFY(desktop_->messages.isEmpty());
}

void NjoukonWindowTest::radicandRefused_data() {
  QTest::addColumn<QString>("x");
  QTest::addColumn<QString>("message");
  const QString plain = "半角数字で20桁以内の正の数を入力してください。";
  QTest::newRow("empty") << "" << plain;
  QTest::newRow("zero") << "0.0" << plain;
  QTest::newRow("point") << "." << plain;
  QTest::newRow("21 digits") << QString(21, '9') << plain;
  QTest::newRow("point first, 21") << "." + QString(20, '9')
                                   << "位取り表示のための 0 も含めて半角数字で20桁以内の正の数を入力してください。";
}

void NjoukonWindowTest::radicandRefused() {
  QFETCH(QString, x);
  QFETCH(QString, message);
  ToStageTwo("2");
  w_->Button4->setFocus();
  Start(x);
  QCOMPARE(desktop_->messages, QStringList({message}));
  QCOMPARE(w_->focusWidget(), w_->Edit2);
  QVERIFY(!w_->busy());
  QVERIFY(w_->Edit3->isHidden());
  QCOMPARE(w_->Button3->text(), QString("計算開始"));
}

void NjoukonWindowTest::degreeCheckedAgain() {
  ToStageTwo("2");
  w_->Edit1->setText("301");  // changed while the second stage is shown
  Start("2");
  QCOMPARE(desktop_->messages, QStringList({"半角数字で 2以上 300以下の自然数を入力してください。"}));
  QCOMPARE(w_->focusWidget(), w_->Edit1);
  QVERIFY(!w_->busy());
  QVERIFY(desktop_->questions.isEmpty());
  // A valid N typed in the second stage is the one used.
  w_->Edit1->setText("3");
  Start("8");
  QCOMPARE(w_->Edit3->text(), QString("2"));
  QCOMPARE(w_->Label5->text(), QString("求める 3乗根"));
}

void NjoukonWindowTest::rootOfOneAtOnce() {
  ToStageTwo("5");
  Start("1.0");
  QCOMPARE(desktop_->beeps, 1);
  QVERIFY(desktop_->messages.isEmpty());
  QVERIFY(desktop_->questions.isEmpty());
  QCOMPARE(w_->Edit3->text(), QString("1"));
  QVERIFY(!w_->Edit3->isHidden());
  QCOMPARE(w_->Label5->text(), QString("求める 5乗根"));
  QVERIFY(!w_->busy());
  QCOMPARE(w_->Button3->text(), QString("計算開始"));
}

void NjoukonWindowTest::rootAndSavedFile() {
  ToStageTwo("2");
  desktop_->answers = {true, false};
  Start("2.25");
  QCOMPARE(w_->Edit3->text(), QString("1.5"));
  QVERIFY(!w_->Edit3->isHidden());
  QCOMPARE(w_->Label5->text(), QString("求める 2乗根"));
  QVERIFY(w_->Memo1->isHidden());
  QCOMPARE(w_->Memo2->toPlainText(), QString("3"));  // the candidate 1.5
  QCOMPARE(w_->Memo3->toPlainText(), QString("2"));
  QCOMPARE(w_->Button3->text(), QString("計算開始"));
  QVERIFY(!w_->Button4->isHidden());
  QVERIFY(!w_->busy());
  QCOMPARE(testing::ScriptedDesktop::Read(desktop_->primary().file),
           QByteArray("2.25 \x82\xcc" "2\x8f\xe6\x8d\xaa\r\n1.5\r\n"));
  QCOMPARE(w_->focusWidget(), w_->Edit2);
  // The root of 2 to 101 characters.
  Start("2");
  QCOMPARE(w_->Edit3->text().size(), 101);
  QVERIFY(w_->Edit3->text().startsWith("1.41421356237309504880168872420969807856967187537694"));
  // Editing hides the result and the progress boxes.
  w_->Edit2->setText("3");
  QVERIFY(w_->Edit3->isHidden() && w_->Label5->isHidden());
  QVERIFY(w_->Memo2->isHidden() && w_->Memo3->isHidden());
}

void NjoukonWindowTest::stopLeavesNoRoot() {
  ToStageTwo("300");
  bool sawRunning = false;
  QTimer::singleShot(30, w_.get(), [&] {
    sawRunning = w_->busy() && w_->Button3->text() == "計算中止" && w_->Button4->isHidden() &&
                 !w_->Memo1->isHidden();
    w_->Button3->click();
  });
  Start("72037203720372037203");
  QVERIFY(sawRunning);
  QVERIFY(w_->Edit3->isHidden());
  QVERIFY(w_->Memo1->isHidden() && w_->Memo2->isHidden() && w_->Memo3->isHidden());
  QCOMPARE(w_->Button3->text(), QString("計算開始"));
  QVERIFY(!w_->Button4->isHidden());
  QVERIFY(desktop_->questions.isEmpty());
  QVERIFY(!w_->busy());
}

void NjoukonWindowTest::button4ReturnsToStageOne() {
  ToStageTwo("2");
  Start("2.25");
  w_->Button4->click();
  QVERIFY(w_->isHidden());
  QVERIFY(InStageOne());
  QVERIFY(w_->Button4->isHidden());
  w_->ShowFromMenu();
  QVERIFY(InStageOne());
  QVERIFY(w_->Edit1->text().isEmpty());
}

void NjoukonWindowTest::closeReturnsToStageOne() {
  ToStageTwo("2");
  w_->close();
  QVERIFY(InStageOne());
  w_->ShowFromMenu();
  QVERIFY(w_->Button4->isHidden());
  // Closed during a run: the run stops and the window is back at stage 1.
  ToStageTwo("300");
  QTimer::singleShot(30, w_.get(), [&] { w_->close(); });
  Start("72037203720372037203");
  QVERIFY(w_->isHidden());
  QVERIFY(!w_->busy());
  QVERIFY(desktop_->questions.isEmpty());
  QVERIFY(w_->Edit2->isHidden() && w_->Button3->isHidden());
  w_->ShowFromMenu();
  QVERIFY(InStageOne());
  QVERIFY(w_->Button4->isHidden());
  QVERIFY(w_->Memo1->isHidden() && w_->Memo2->isHidden() && w_->Memo3->isHidden());
}

}  // namespace taketa

QTEST_MAIN(taketa::NjoukonWindowTest)
#include "test_Njoukon_window.moc"
