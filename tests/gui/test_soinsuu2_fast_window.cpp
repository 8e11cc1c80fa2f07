// The prime factorisation window past trial division: the factors found by
// the fast phase, the progress boxes keeping trial division's last values,
// the saved file, and a stop press or closing the window in the fast phase
// ending the run as stopped.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <functional>

#include "calculators/soinsuu2/fast_factoring.h"
#include "calculators/soinsuu2/soinsuu2_window.h"
#include "tests/gui/window_fixture.h"

namespace taketa {

class Soinsuu2FastWindowTest : public testing::WindowTest<Tfrm_soinsuu2> {
  Q_OBJECT

 private slots:
  void initTestCase() {
    if (!soinsuu2::HasFastFactoring()) QSKIP("built without the fast phase");
  }

  void factorsPastTheSwitch();
  void primePastTheSwitch();
  void stopInTheFastPhase();
  void closeInTheFastPhase();

 private:
  void Start(const QString& text) {
    w().Edit1->setText(text);
    w().Button1->click();
  }

  // Runs `text` and calls `act` at the first pass that lets events run
  // after trial division's last divisor on the long path (1999999) is
  // shown: the box shows it there. That pass is the fast phase's (or, when
  // the fast phase ends first, the one that writes the last counters: the
  // act is then still a stop before the run ends). True when it acted.
  bool RunAndActInFastPhase(const QString& text, const std::function<void()>& act) {
    bool acted = false;
    const QMetaObject::Connection watch =
        connect(w().Memo3, &QPlainTextEdit::textChanged, this, [&] {
          if (acted || w().Memo3->toPlainText() != "1999999") return;
          acted = true;
          sawRunning_ = w().busy() && w().Button1->text() == "計算中止" && !w().Memo2->isHidden();
          act();
        });
    Start(text);
    disconnect(watch);
    return acted;
  }

  bool sawRunning_ = false;
};

void Soinsuu2FastWindowTest::factorsPastTheSwitch() {
  desktop().answers = {true, false};
  Start("1000000070003700000259");  // 100000007 * 10000000000037, on the long path
  QCOMPARE(w().Memo1->toPlainText(), QString("100000007×10000000000037    計算完了"));
  QVERIFY(w().Memo2->isHidden());
  QCOMPARE(w().Memo3->toPlainText(), QString("1999999"));  // the last divisor shown
  QCOMPARE(w().Memo4->toPlainText(), QString("31622777708"));
  QCOMPARE(desktop().questions.first(), QString("計算完了。　計算結果を保存または印刷しますか。"));
  QCOMPARE(SavedTempFile(), QByteArray("1000000070003700000259 \x82\xcc\x91"
                                       "f\x88\xf6\x90\x94\x95\xaa\x89\xf0\x8c\x8b\x89\xca\r\n"
                                       "100000007\x81~10000000000037\r\n"));
  QCOMPARE(w().Button1->text(), QString("計算開始"));
  QVERIFY(!w().busy());
  // The short path: 2000003 * 4193457089879.
  desktop().Clear();
  Start("8386926760129269637");
  QCOMPARE(w().Memo1->toPlainText(), QString("2000003×4193457089879    計算完了"));
  QCOMPARE(w().Memo3->toPlainText(), QString("1900001"));
  QCOMPARE(w().Memo4->toPlainText(), QString("2896019122"));
}

void Soinsuu2FastWindowTest::primePastTheSwitch() {
  Start("68872619123325750582126672159013577773552198715857");
  QCOMPARE(w().Memo1->toPlainText(),
           QString("68872619123325750582126672159013577773552198715857 は素数です。"));
  QCOMPARE(desktop().questions.size(), 1);
}

void Soinsuu2FastWindowTest::stopInTheFastPhase() {
  // 2 and two 25-digit primes: 2 found, the rest left to the fast phase.
  QVERIFY(RunAndActInFastPhase("43465929696482541898941019251319768253810556157054",
                               [&] { w().Button1->click(); }));
  QVERIFY(sawRunning_);
  QCOMPARE(w().Memo1->toPlainText(), QString("2×"));
  QVERIFY(desktop().questions.isEmpty());
  QCOMPARE(w().Button1->text(), QString("計算開始"));
  QVERIFY(!w().Button2->isHidden());
  QVERIFY(w().Memo2->isHidden());
  QVERIFY(!w().busy());
}

void Soinsuu2FastWindowTest::closeInTheFastPhase() {
  QVERIFY(RunAndActInFastPhase("34343943439528845198039498007117089949150873065743",
                               [&] { w().close(); }));
  QVERIFY(w().isHidden());
  QVERIFY(desktop().questions.isEmpty());
  QVERIFY(!w().busy());
  w().ShowFromMenu();
  QVERIFY(w().Memo1->toPlainText().isEmpty());
}

}  // namespace taketa

QTEST_MAIN(taketa::Soinsuu2FastWindowTest)
#include "test_soinsuu2_fast_window.moc"
