// The natural logarithm window: its controls, checks, a run with the save
// dialog and the saved file's bytes.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "calculators/sizentaisuu/sizentaisuu_window.h"
#include "tests/gui/window_fixture.h"

namespace taketa {

class SizentaisuuWindowTest : public testing::WindowTest<Tfrm_sizentaisuu> {
  Q_OBJECT

 private slots:
  void controls();
  void refusesInput_data();
  void refusesInput();
  void computesAndOffersToSave();
  void savesTheBytes();
  void editingAndShowingClear();

 private:
  void Start(const QString& text) {
    w().Edit1->setText(text);
    w().Button1->click();
  }
};

void SizentaisuuWindowTest::controls() {
  Tfrm_sizentaisuu& w = this->w();
  QCOMPARE(w.objectName(), QString("frm_sizentaisuu"));
  QCOMPARE(w.windowTitle(), QString("frm_sizentaisuu"));
  QCOMPARE(w.findChild<QLabel*>("Label2")->text(),
           QString("20桁以内の正の数(整数または小数)の自然対数を小数点以下 50桁まで求めます。"));
  QCOMPARE(w.findChild<QLabel*>("Label1")->text(), QString("20桁以内の正の数(整数または小数)＝"));
  QCOMPARE(w.findChild<QLabel*>("Label4")->text(), QString("求める自然対数＝"));
  QCOMPARE(w.findChild<QPushButton*>("Button1")->text(), QString("計算開始"));
  QCOMPARE(w.findChild<QPushButton*>("Button2")->text(), QString("終了"));
  QCOMPARE(w.findChild<QLineEdit*>("Edit1"), w.Edit1);
  QCOMPARE(w.findChild<QLineEdit*>("Edit2"), w.Edit2);
  // Tab order: Edit1, Button1, Button2; the result box is no tab stop.
  QCOMPARE(NextTabStop(w.Edit1), w.Button1);
  QCOMPARE(NextTabStop(w.Button1), w.Button2);
  QCOMPARE(NextTabStop(w.Button2), w.Edit1);
  QVERIFY(!(w.Edit2->focusPolicy() & Qt::TabFocus));
  QVERIFY(w.Edit1->geometry().right() < w.Button1->geometry().left());
  QVERIFY(w.Label1->geometry().right() < w.Edit1->geometry().left());
  QCOMPARE(w.focusWidget(), w.Edit1);
}

void SizentaisuuWindowTest::refusesInput_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("message");
  const QString number = "半角数字で20桁以内の正の数を入力してください。";
  const QString placed =
      "位取り表示のための 0 も含めて半角数字で20桁以内の正の数を入力してください。";
  QTest::newRow("empty") << "" << number;
  QTest::newRow("21 digits") << "123456789012345678901" << number;
  QTest::newRow("point first, 21") << ".00000000000000000001" << placed;
  QTest::newRow("point second, 22") << "0.00000000000000000001" << placed;
  QTest::newRow("letter") << "12a" << number;
  QTest::newRow("full-width digit") << "１" << number;
  QTest::newRow("two points") << "1.2.3" << number;
  QTest::newRow("zero") << "0.0" << number;
  QTest::newRow("lone point") << "." << number;
}

void SizentaisuuWindowTest::refusesInput() {
  QFETCH(QString, text);
  QFETCH(QString, message);
  w().Button1->setFocus();
  Start(text);
  CheckRefused(message, w().Edit1);
  QVERIFY(w().Edit2->text().isEmpty());
}

void SizentaisuuWindowTest::computesAndOffersToSave() {
  Start("2");
  QCOMPARE(w().Edit2->text(), QString("0.69314718055994530941723212145817656807550013436025"));
  QCOMPARE(desktop().questions, QStringList({"計算完了。　計算結果を保存または印刷しますか。"}));
  QCOMPARE(desktop().beeps, 1);
  QVERIFY(!QFile::exists(desktop().primary().file));  // answered No
  QCOMPARE(w().focusWidget(), w().Edit1);
  desktop().Clear();
  Start("1.000");
  QCOMPARE(w().Edit2->text(), QString("0"));
  QCOMPARE(desktop().questions.size(), 1);
}

void SizentaisuuWindowTest::savesTheBytes() {
  desktop().answers = {true, true};
  Start("0.5");
  // 0.5の自然対数, then the result with the full-width minus, in code page 932.
  QCOMPARE(SavedTempFile(), QByteArray("0.5\x82\xcc\x8e\xa9\x91\x52\x91\xce\x90\x94\r\n"
                                       "\x81\x7c"
                                       "0.69314718055994530941723212145817656807550013436025\r\n"));
  QCOMPARE(desktop().questions.size(), 2);
  QCOMPARE(desktop().opened, QStringList({desktop().primary().file}));
  QCOMPARE(w().focusWidget(), w().Edit1);
}

void SizentaisuuWindowTest::editingAndShowingClear() {
  Start("3");
  QVERIFY(!w().Edit2->text().isEmpty());
  w().Edit1->setText("30");
  QVERIFY(w().Edit2->text().isEmpty());
  Start("30");
  w().Button2->click();
  QVERIFY(w().isHidden());
  w().ShowFromMenu();
  QVERIFY(w().Edit1->text().isEmpty());
  QVERIFY(w().Edit2->text().isEmpty());
  QCOMPARE(w().focusWidget(), w().Edit1);
}

}  // namespace taketa

QTEST_MAIN(taketa::SizentaisuuWindowTest)
#include "test_sizentaisuu_window.moc"
