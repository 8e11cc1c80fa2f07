// The combinations window: what sets it apart from the permutations window
// (its texts, n = r answered at once, the division stage, the title with r
// as typed), a stop after the numerator stage and a close during a run.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "calculators/kumiawase/kumiawase_window.h"
#include "frame/controls.h"
#include "tests/gui/window_fixture.h"

namespace taketa {

class KumiawaseWindowTest : public testing::WindowTest<Tfrm_kumiawase> {
  Q_OBJECT

 private slots:
  void controls();
  void equalNAndRAnsweredAtOnce();
  void computesWithTheDivisionSteps();
  void refusesRAboveN();
  void stopAfterTheNumeratorStage();
  void closeEndsTheRun();
  void savesWithRAsTyped();

 private:
  void Start(const QString& n, const QString& r) {
    w().Edit1->setText(n);
    w().Edit2->setText(r);
    w().Button1->click();
  }
};

void KumiawaseWindowTest::controls() {
  Tfrm_kumiawase& w = this->w();
  QCOMPARE(w.objectName(), QString("frm_kumiawase"));
  const auto label = [&](const char* name) { return w.findChild<QLabel*>(name); };
  QCOMPARE(label("Label1")->text(), QString("組合せの総数を求めます。"));
  QString heading;
  for (const char* name : {"Label3", "Label4", "Label5", "Label6", "Label7", "Label8"}) {
    QVERIFY(label(name)->x() >= 241 && label(name)->x() <= 313);
    heading += label(name)->text();
  }
  QCOMPARE(heading, QString("nCrのnは 50000以下の自然数とします。"));
  QCOMPARE(label("Label12")->text() + label("Label13")->text() + label("Label14")->text() +
               label("Label15")->text(),
           QString("nCr＝"));
  QCOMPARE(w.findChild<QLineEdit*>("Edit2")->geometry(), QRect(197, 62, 72, 24));
  QCOMPARE(w.findChild<RichEditBox*>("RichEdit1")->geometry(), QRect(81, 104, 912, 585));
  QVERIFY(w.Memo2->isHidden());
}

void KumiawaseWindowTest::equalNAndRAnsweredAtOnce() {
  w().Button1->setFocus();
  Start("7", "7");
  QCOMPARE(w().RichEdit1->toPlainText(), QString("1    (桁数＝1)"));
  QCOMPARE(desktop().beeps, 1);
  QVERIFY(desktop().messages.isEmpty());
  QVERIFY(desktop().questions.isEmpty());
  QVERIFY(w().Memo2->isHidden());
  QVERIFY(!w().busy());
  QCOMPARE(w().Button1->text(), QString("計算開始"));
  QVERIFY(!w().Button2->isHidden());
  QCOMPARE(w().focusWidget(), w().Edit1);
}

void KumiawaseWindowTest::computesWithTheDivisionSteps() {
  Start("52", "5");
  QCOMPARE(w().RichEdit1->toPlainText(), QString("2598960    (桁数＝7)"));
  // 311875200 / 120: seven quotient digits, the last step shown.
  QCOMPARE(w().Memo2->toPlainText(), QString("7"));
  QCOMPARE(desktop().questions.size(), 1);
  Start("6", "3");  // 120 / 6: the first quotient digit is 0 and not shown
  QCOMPARE(w().RichEdit1->toPlainText(), QString("20    (桁数＝2)"));
  QCOMPARE(w().Memo2->toPlainText(), QString("3"));
}

void KumiawaseWindowTest::refusesRAboveN() {
  Start("3", "4");
  QCOMPARE(desktop().messages, QStringList({"r は n 以下でなければなりません。"}));
  QCOMPARE(w().focusWidget(), w().Edit2);
  QVERIFY(!w().busy());
  QVERIFY(w().RichEdit1->toPlainText().isEmpty());
}

// 50000C25000: the numerator counts 25001..50000, the denominator 1..25000,
// the division 1..15050. The stop is pressed once the counter has started
// over: in the denominator or the division stage.
void KumiawaseWindowTest::stopAfterTheNumeratorStage() {
  int restarts = 0, previous = 0, stoppedAt = 0;
  QTimer watch;
  connect(&watch, &QTimer::timeout, [&] {
    const int shown = w().Memo2->toPlainText().toInt();
    if (shown < previous) ++restarts;
    previous = shown;
    if (restarts >= 1 && stoppedAt == 0 && w().busy()) {
      stoppedAt = shown;
      w().Button1->click();
    }
  });
  watch.start(0);
  Start("50000", "25000");
  watch.stop();
  QVERIFY(stoppedAt > 0);
  QVERIFY(w().RichEdit1->toPlainText().isEmpty());
  QVERIFY(desktop().questions.isEmpty());
  QVERIFY(!w().busy());
  QCOMPARE(w().Button1->text(), QString("計算開始"));
  QVERIFY(!w().Button2->isHidden());
  const int last = w().Memo2->toPlainText().toInt();
  QVERIFY(last >= stoppedAt && last < 25000);
}

void KumiawaseWindowTest::closeEndsTheRun() {
  WhenRunning(w().Button1, [&] { w().close(); });
  Start("50000", "25000");
  QVERIFY(w().isHidden());
  QVERIFY(w().RichEdit1->toPlainText().isEmpty());
  QVERIFY(desktop().questions.isEmpty());
  QVERIFY(!w().busy());
  w().ShowFromMenu();
  QVERIFY(w().Edit1->text().isEmpty());
  QVERIFY(w().Edit2->text().isEmpty());
}

void KumiawaseWindowTest::savesWithRAsTyped() {
  desktop().answers = {true, false};
  Start("10", "7");
  QCOMPARE(
      SavedTempFile(),
      QByteArray(
          "\x88\xd9\x82\xc8\x82\xe9"
          "10\x8c\xc2\x82\xcc\x82\xe0\x82\xcc\x82\xa9\x82\xe7"
          "7\x8c\xc2\x82\xc6\x82\xc1\x82\xbd\x91\x67\x8d\x87\x82\xb9\x82\xcc\x91\x8d\x90\x94\r\n"
          "120    (\x8c\x85\x90\x94\x81\x81"
          "3)\r\n"));
}

}  // namespace taketa

QTEST_MAIN(taketa::KumiawaseWindowTest)
#include "test_kumiawase_window.moc"
