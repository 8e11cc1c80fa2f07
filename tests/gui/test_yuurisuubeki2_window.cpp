// The 50-digit decimal power window: controls, checks and the boxes they
// focus, a run with its step counter, special values, a stop and a close
// during the integer power, and the saved file.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "calculators/yuurisuubeki2/yuurisuubeki2_window.h"
#include "tests/gui/window_fixture.h"

namespace taketa {

class Yuurisuubeki2WindowTest : public testing::WindowTest<Tfrm_yuurisuubeki2> {
  Q_OBJECT

 private slots:
  void controls();
  void refusesInput_data();
  void refusesInput();
  void integerPowerWithStepCounter();
  void fractionAndSpecialValues();
  void stopPressEndsTheIntegerPower();
  void closeEndsTheIntegerPower();
  void savesTheBytes();
  void savesToTheFallback();
  void editingClearsTheResult();
  void enterStartsFromEitherBox();

 private:
  void Start(const QString& a, const QString& b) {
    w().Edit1->setText(a);
    w().Edit2->setText(b);
    w().Button1->click();
  }
  bool ExplanationShown() const {
    return !w().Label5->isHidden() && !w().Label6->isHidden() && !w().Label7->isHidden();
  }
  // Acts once the start button reads "計算中止": the run is in its integer
  // power and lets events run.
  void WhenRunning(const std::function<void()>& act) {
    WindowFixture::WhenRunning(w().Button1, [this, act] {
      sawRunning_ =
          w().busy() && w().Button2->isHidden() && !w().Memo1->isHidden() && !w().Memo2->isHidden();
      act();
    });
  }

  bool sawRunning_ = false;
};

void Yuurisuubeki2WindowTest::controls() {
  Tfrm_yuurisuubeki2& w = this->w();
  QCOMPARE(w.objectName(), QString("frm_yuurisuubeki2"));
  QCOMPARE(w.windowTitle(), QString("frm_yuurisuubeki2"));
  QCOMPARE(w.findChild<QLabel*>("Label1")->text(), QString("Ａ の Ｂ乗 の値を 50桁まで求めます。"));
  QCOMPARE(w.findChild<QLabel*>("Label2")->text(),
           QString("底 Ａ (20桁以内の正の整数または小数)＝"));
  QCOMPARE(w.findChild<QLabel*>("Label3")->text(),
           QString("指数 Ｂ (-5000以上 5000以下の整数または小数)＝"));
  QCOMPARE(w.findChild<QLabel*>("Label4")->text(), QString("Ａ の Ｂ乗＝"));
  QCOMPARE(w.findChild<QLabel*>("Label5")->text(),
           QString("計算結果の中に E が含まれていることがあります。"));
  QCOMPARE(
      w.findChild<QLabel*>("Label7")->text(),
      QString("例えば、3.1234567890123456789012345678901234567890123456789E-275 のようなとき、"));
  QCOMPARE(
      w.findChild<QLabel*>("Label6")->text(),
      QString(
          "その意味は 3.1234567890123456789012345678901234567890123456789×(10の-275乗) ということです。"));
  QCOMPARE(w.findChild<QPushButton*>("Button1")->text(), QString("計算開始"));
  QCOMPARE(w.findChild<QPushButton*>("Button2")->text(), QString("終了"));
  QCOMPARE(w.findChild<QPlainTextEdit*>("Memo1")->toPlainText(), QString(" 計算中です。"));
  QCOMPARE(w.findChild<QPlainTextEdit*>("Memo2"), w.Memo2);
  QCOMPARE(w.findChild<QPlainTextEdit*>("Memo3"), w.Memo3);
  for (QWidget* hidden :
       std::initializer_list<QWidget*>{w.Label5, w.Label6, w.Label7, w.Memo1, w.Memo2}) {
    QVERIFY2(hidden->isHidden(), qPrintable(hidden->objectName()));
  }
  QVERIFY(!w.Memo3->isHidden());
  QVERIFY(!w.Button2->isHidden());
  // Tab order: Edit1, Edit2, Button1, Button2; the counter and the result are no tab stops.
  QCOMPARE(NextTabStop(w.Edit1), w.Edit2);
  QCOMPARE(NextTabStop(w.Edit2), w.Button1);
  QCOMPARE(NextTabStop(w.Button1), w.Button2);
  QCOMPARE(NextTabStop(w.Button2), w.Edit1);
  QVERIFY(!(w.Memo2->focusPolicy() & Qt::TabFocus));
  QVERIFY(!(w.Memo3->focusPolicy() & Qt::TabFocus));
  QVERIFY(w.Memo1->isReadOnly());
  QVERIFY(w.Label2->geometry().right() < w.Edit1->geometry().left());
  QVERIFY(w.Label3->geometry().right() < w.Edit2->geometry().left());
  QCOMPARE(w.focusWidget(), w.Edit1);
}

void Yuurisuubeki2WindowTest::refusesInput_data() {
  QTest::addColumn<QString>("a");
  QTest::addColumn<QString>("b");
  QTest::addColumn<QString>("message");
  QTest::addColumn<int>("box");
  const QString base = "底 A には半角数字で20桁以内の正の数を入力してください。";
  QTest::newRow("A empty") << ""
                           << "2" << base << 1;
  QTest::newRow("A lone point") << "."
                                << "2" << base << 1;
  QTest::newRow("A too long")
      << ".00000000000000000001"
      << "2"
      << "底 A には位取り表示のための 0 も含めて半角数字で20桁以内の正の数を入力してください。"
      << 1;
  QTest::newRow("A zero, B bad too") << "0"
                                     << "x" << base << 1;
  QTest::newRow("B minus")
      << "2"
      << "-"
      << "指数 B には半角数字で20桁以内で -5000以上 5000以下の数を入力してください。" << 2;
  QTest::newRow("B too long")
      << "2"
      << ".12345678901234567890"
      << "指数 B には位取り表示のための 0 も含めて半角数字で20桁以内で -5000以上 5000以下の数 を入力してください。"
      << 2;
  QTest::newRow("B plus") << "2"
                          << "+5"
                          << "指数 B には半角数字で -5000以上 5000以下の数を入力してください。"
                          << 2;
  QTest::newRow("B too large") << "2"
                               << "5000.1"
                               << "指数 B には半角数字で -5000以上 5000以下の数を入力してください。"
                               << 2;
}

void Yuurisuubeki2WindowTest::refusesInput() {
  QFETCH(QString, a);
  QFETCH(QString, b);
  QFETCH(QString, message);
  QFETCH(int, box);
  w().Button1->setFocus();
  Start(a, b);
  CheckRefused(message, box == 1 ? w().Edit1 : w().Edit2);
  QVERIFY(!w().busy());
  QCOMPARE(w().Button1->text(), QString("計算開始"));
  QVERIFY(w().Memo1->isHidden());
  QVERIFY(w().Memo2->isHidden());
  QVERIFY(w().Memo3->toPlainText().isEmpty());
}

void Yuurisuubeki2WindowTest::integerPowerWithStepCounter() {
  Start("2", "10");
  QCOMPARE(w().Memo3->toPlainText(), QString("1.024E3"));
  QVERIFY(!w().Memo2->isHidden());  // keeps its last step
  QCOMPARE(w().Memo2->toPlainText(), QString("10"));
  QVERIFY(w().Memo1->isHidden());
  QVERIFY(ExplanationShown());
  QCOMPARE(w().Button1->text(), QString("計算開始"));
  QVERIFY(!w().Button2->isHidden());
  QVERIFY(!w().busy());
  QCOMPARE(desktop().questions, QStringList({"計算完了。　計算結果を保存または印刷しますか。"}));
  QCOMPARE(w().focusWidget(), w().Edit2);
  Start("2", "-1.5");
  QCOMPARE(w().Memo3->toPlainText(),
           QString("3.5355339059327376220042218105242451964241796884423E-1"));
  QCOMPARE(w().Memo2->toPlainText(), QString("1"));
}

void Yuurisuubeki2WindowTest::fractionAndSpecialValues() {
  Start("007", "1");
  QCOMPARE(w().Memo3->toPlainText(), QString("007"));
  QVERIFY(!ExplanationShown());
  QVERIFY(w().Memo2->isHidden());
  QCOMPARE(desktop().questions.size(), 1);  // a special value is offered for saving too
  Start("4", "0.5");
  QCOMPARE(w().Memo3->toPlainText(),
           QString("2.0000000000000000000000000000000000000000000000000"));
  QVERIFY(w().Memo2->isHidden());  // no integer power
  QVERIFY(ExplanationShown());
  Start("1.0", "-3");
  QCOMPARE(w().Memo3->toPlainText(), QString("1"));
  QVERIFY(ExplanationShown());  // stays shown until the window is shown again
  QCOMPARE(w().focusWidget(), w().Edit2);
}

void Yuurisuubeki2WindowTest::stopPressEndsTheIntegerPower() {
  WhenRunning([this] { w().Button1->click(); });
  Start("98765432109876543219", "5000");
  QVERIFY(sawRunning_);
  QVERIFY(w().Memo3->toPlainText().isEmpty());
  QVERIFY(desktop().questions.isEmpty());
  QVERIFY(w().Memo1->isHidden());
  QVERIFY(w().Memo2->isHidden());
  QVERIFY(w().Memo2->toPlainText().isEmpty());
  QVERIFY(!ExplanationShown());
  QCOMPARE(w().Button1->text(), QString("計算開始"));
  QVERIFY(!w().Button2->isHidden());
  QVERIFY(!w().busy());
  // The next press runs again.
  Start("98765432109876543219", "5000");
  QCOMPARE(w().Memo3->toPlainText(),
           QString("1.0588655302943857553021178885643826338375238059315E99973"));
  QCOMPARE(w().Memo2->toPlainText(), QString("5000"));
}

void Yuurisuubeki2WindowTest::closeEndsTheIntegerPower() {
  WhenRunning([this] { w().close(); });
  Start("3", "4999.75");
  QVERIFY(sawRunning_);
  QVERIFY(w().isHidden());
  QVERIFY(w().Memo3->toPlainText().isEmpty());
  QVERIFY(desktop().questions.isEmpty());
  QVERIFY(!w().busy());
  w().ShowFromMenu();
  QVERIFY(w().Edit1->text().isEmpty());
  QVERIFY(w().Edit2->text().isEmpty());
  QVERIFY(w().Memo1->isHidden());
  QVERIFY(w().Memo2->isHidden());
  QCOMPARE(w().focusWidget(), w().Edit1);
}

void Yuurisuubeki2WindowTest::savesTheBytes() {
  desktop().answers = {true, false};
  Start("2", "0.5");
  // 2の0.5乗 in code page 932.
  QCOMPARE(SavedTempFile(),
           QByteArray("2\x82\xcc"
                      "0.5\x8f\xe6\r\n1.4142135623730950488016887242096980785696718753769\r\n"));
  QCOMPARE(desktop().questions.size(), 2);
  QCOMPARE(w().focusWidget(), w().Edit2);
}

void Yuurisuubeki2WindowTest::savesToTheFallback() {
  desktop().BreakPrimary();
  desktop().answers = {true, true};
  Start("10", "-2");
  QCOMPARE(testing::ScriptedDesktop::Read(desktop().fallback().file),
           QByteArray("10\x82\xcc-2\x8f\xe6\r\n1E-2\r\n"));
  QCOMPARE(desktop().opened, QStringList({desktop().fallback().file}));
  QCOMPARE(w().focusWidget(), w().Edit2);
}

void Yuurisuubeki2WindowTest::editingClearsTheResult() {
  Start("2", "3");
  QVERIFY(!w().Memo3->toPlainText().isEmpty());
  QVERIFY(!w().Memo2->isHidden());
  w().Edit2->setText("4");
  QVERIFY(w().Memo3->toPlainText().isEmpty());
  QVERIFY(w().Memo2->isHidden());
  QVERIFY(ExplanationShown());
  Start("2", "3");
  w().Edit1->setText("5");
  QVERIFY(w().Memo3->toPlainText().isEmpty());
  QVERIFY(w().Memo2->isHidden());
}

void Yuurisuubeki2WindowTest::enterStartsFromEitherBox() {
  Type(w().Edit1, "2");
  Type(w().Edit2, "10");
  PressEnter(w().Edit1);
  QCOMPARE(w().Memo3->toPlainText(), QString("1.024E3"));
  Type(w().Edit2, "-1.5");
  PressEnter(w().Edit2);
  QCOMPARE(w().Memo3->toPlainText(),
           QString("3.5355339059327376220042218105242451964241796884423E-1"));
  QCOMPARE(desktop().questions.size(), 2);
}

}  // namespace taketa

QTEST_MAIN(taketa::Yuurisuubeki2WindowTest)
#include "test_yuurisuubeki2_window.moc"
