// The natural logarithm window: its controls, checks, a run with the save
// dialog and the saved file's bytes.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "calculators/sizentaisuu/sizentaisuu_window.h"
#include "tests/gui/scripted_desktop.h"

namespace taketa {

class SizentaisuuWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    desktop_ = std::make_unique<testing::ScriptedDesktop>();
    window_ = std::make_unique<Tfrm_sizentaisuu>();
    window_->ShowFromMenu();
  }
  void cleanup() {
    window_.reset();
    desktop_.reset();
  }

  void controls();
  void refusesInput_data();
  void refusesInput();
  void computesAndOffersToSave();
  void savesTheBytes();
  void editingAndShowingClear();

 private:
  // The next visible control that Tab reaches.
  static QWidget* NextTabStop(QWidget* from) {
    QWidget* w = from->nextInFocusChain();
    while (w != from && (!(w->focusPolicy() & Qt::TabFocus) || w->isHidden())) w = w->nextInFocusChain();
    return w;
  }
  void Start(const QString& text) {
    window_->Edit1->setText(text);
    window_->Button1->click();
  }

  std::unique_ptr<testing::ScriptedDesktop> desktop_;
  std::unique_ptr<Tfrm_sizentaisuu> window_;
};

void SizentaisuuWindowTest::controls() {
  Tfrm_sizentaisuu& w = *window_;
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
  const QString placed = "位取り表示のための 0 も含めて半角数字で20桁以内の正の数を入力してください。";
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
  window_->Button1->setFocus();
  Start(text);
  QCOMPARE(desktop_->messages, QStringList({message}));
  QCOMPARE(desktop_->beeps, 1);
  QCOMPARE(window_->focusWidget(), window_->Edit1);
  QVERIFY(window_->Edit2->text().isEmpty());
  QVERIFY(desktop_->questions.isEmpty());
}

void SizentaisuuWindowTest::computesAndOffersToSave() {
  Start("2");
  QCOMPARE(window_->Edit2->text(), QString("0.69314718055994530941723212145817656807550013436025"));
  QCOMPARE(desktop_->questions, QStringList({"計算完了。　計算結果を保存または印刷しますか。"}));
  QCOMPARE(desktop_->beeps, 1);
  QVERIFY(!QFile::exists(desktop_->primary().file));  // answered No
  QCOMPARE(window_->focusWidget(), window_->Edit1);
  desktop_->Clear();
  Start("1.000");
  QCOMPARE(window_->Edit2->text(), QString("0"));
  QCOMPARE(desktop_->questions.size(), 1);
}

void SizentaisuuWindowTest::savesTheBytes() {
  desktop_->answers = {true, true};
  Start("0.5");
  // 0.5の自然対数, then the result with the full-width minus, in code page 932.
  QCOMPARE(testing::ScriptedDesktop::Read(desktop_->primary().file),
           QByteArray("0.5\x82\xcc\x8e\xa9\x91\x52\x91\xce\x90\x94\r\n"
                      "\x81\x7c" "0.69314718055994530941723212145817656807550013436025\r\n"));
  QCOMPARE(desktop_->questions.size(), 2);
  QCOMPARE(desktop_->opened, QStringList({desktop_->primary().file}));
  QCOMPARE(window_->focusWidget(), window_->Edit1);
}

void SizentaisuuWindowTest::editingAndShowingClear() {
  Start("3");
  QVERIFY(!window_->Edit2->text().isEmpty());
  window_->Edit1->setText("30");
  QVERIFY(window_->Edit2->text().isEmpty());
  Start("30");
  window_->Button2->click();
  QVERIFY(window_->isHidden());
  window_->ShowFromMenu();
  QVERIFY(window_->Edit1->text().isEmpty());
  QVERIFY(window_->Edit2->text().isEmpty());
  QCOMPARE(window_->focusWidget(), window_->Edit1);
}

}  // namespace taketa

QTEST_MAIN(taketa::SizentaisuuWindowTest)
#include "test_sizentaisuu_window.moc"
