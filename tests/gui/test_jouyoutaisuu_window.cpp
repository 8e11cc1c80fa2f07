// The common logarithm window: what tells it from the natural logarithm
// window (texts, results, the saved title), its checks and its saved bytes.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "calculators/jouyoutaisuu/jouyoutaisuu_window.h"
#include "tests/gui/window_fixture.h"

namespace taketa {

class JouyoutaisuuWindowTest : public testing::WindowTest<Tfrm_jouyoutaisuu> {
  Q_OBJECT

 private slots:
  void controls();
  void refusesInput();
  void powersOfTenAndSavedBytes();

 private:
  void Start(const QString& text) {
    w().Edit1->setText(text);
    w().Button1->click();
  }
};

void JouyoutaisuuWindowTest::controls() {
  Tfrm_jouyoutaisuu& w = this->w();
  QCOMPARE(w.objectName(), QString("frm_jouyoutaisuu"));
  QCOMPARE(w.windowTitle(), QString("frm_jouyoutaisuu"));
  QCOMPARE(w.Label2->text(),
           QString("20桁以内の正の数(整数または小数)の常用対数を小数点以下 50桁まで求めます。"));
  QCOMPARE(w.Label1->text(), QString("20桁以内の正の数(整数または小数)＝"));
  QCOMPARE(w.Label4->text(), QString("求める常用対数＝"));
  QCOMPARE(w.Button1->text(), QString("計算開始"));
  QCOMPARE(w.Button2->text(), QString("終了"));
  QCOMPARE(NextTabStop(w.Edit1), w.Button1);
  QCOMPARE(NextTabStop(w.Button1), w.Button2);
  QCOMPARE(NextTabStop(w.Button2), w.Edit1);
  QVERIFY(!(w.Edit2->focusPolicy() & Qt::TabFocus));
  QCOMPARE(w.focusWidget(), w.Edit1);
}

void JouyoutaisuuWindowTest::refusesInput() {
  Start("-10");
  Start("1e5");
  Start(".00000000000000000001");
  QCOMPARE(
      desktop().messages,
      QStringList({"半角数字で20桁以内の正の数を入力してください。",
                   "半角数字で20桁以内の正の数を入力してください。",
                   "位取り表示のための 0 も含めて半角数字で20桁以内の正の数を入力してください。"}));
  QCOMPARE(desktop().beeps, 3);
  QVERIFY(desktop().questions.isEmpty());
}

void JouyoutaisuuWindowTest::powersOfTenAndSavedBytes() {
  Start("0.001");
  QCOMPARE(w().Edit2->text(), QString("－3"));
  Start("99999999999999999999");
  QCOMPARE(w().Edit2->text(), QString("19.99999999999999999999565705518096748172346699608673"));
  desktop().Clear();
  desktop().answers = {true, false};
  Start("100");
  QCOMPARE(w().Edit2->text(), QString("2"));
  QCOMPARE(SavedTempFile(), QByteArray("100\x82\xcc\x8f\xed\x97\x70\x91\xce\x90\x94\r\n2\r\n"));
  QCOMPARE(desktop().questions.size(), 2);
  QVERIFY(desktop().opened.isEmpty());
}

}  // namespace taketa

QTEST_MAIN(taketa::JouyoutaisuuWindowTest)
#include "test_jouyoutaisuu_window.moc"
