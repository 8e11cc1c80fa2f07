// The common logarithm window: what tells it from the natural logarithm
// window (texts, results, the saved title), its checks and its saved bytes.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "calculators/jouyoutaisuu/jouyoutaisuu_window.h"
#include "tests/gui/scripted_desktop.h"

namespace taketa {

class JouyoutaisuuWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    desktop_ = std::make_unique<testing::ScriptedDesktop>();
    window_ = std::make_unique<Tfrm_jouyoutaisuu>();
    window_->ShowFromMenu();
  }
  void cleanup() {
    window_.reset();
    desktop_.reset();
  }

  void controls();
  void refusesInput();
  void powersOfTenAndSavedBytes();

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
  std::unique_ptr<Tfrm_jouyoutaisuu> window_;
};

void JouyoutaisuuWindowTest::controls() {
  Tfrm_jouyoutaisuu& w = *window_;
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
  QCOMPARE(desktop_->messages,
           QStringList({"半角数字で20桁以内の正の数を入力してください。",
                        "半角数字で20桁以内の正の数を入力してください。",
                        "位取り表示のための 0 も含めて半角数字で20桁以内の正の数を入力してください。"}));
  QCOMPARE(desktop_->beeps, 3);
  QVERIFY(desktop_->questions.isEmpty());
}

void JouyoutaisuuWindowTest::powersOfTenAndSavedBytes() {
  Start("0.001");
  QCOMPARE(window_->Edit2->text(), QString("－3"));
  Start("99999999999999999999");
  QCOMPARE(window_->Edit2->text(), QString("19.99999999999999999999565705518096748172346699608673"));
  desktop_->Clear();
  desktop_->answers = {true, false};
  Start("100");
  QCOMPARE(window_->Edit2->text(), QString("2"));
  QCOMPARE(testing::ScriptedDesktop::Read(desktop_->primary().file),
           QByteArray("100\x82\xcc\x8f\xed\x97\x70\x91\xce\x90\x94\r\n2\r\n"));
  QCOMPARE(desktop_->questions.size(), 2);
  QVERIFY(desktop_->opened.isEmpty());
}

}  // namespace taketa

QTEST_MAIN(taketa::JouyoutaisuuWindowTest)
#include "test_jouyoutaisuu_window.moc"
