// The decimal power window: checks, shortcuts, computed results with their
// explanation, a stop during the integer power, and the saved file.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <utility>

#include "calculators/yuurisuubeki/yuurisuubeki_window.h"
#include "tests/gui/window_fixture.h"

namespace taketa {

class YuurisuubekiWindowTest : public testing::WindowTest<Tfrm_yuurisuubeki> {
  Q_OBJECT

 private slots:
  void controls();
  void refusesInput_data();
  void refusesInput();
  void computesAndSaves();
  void shortcutsWithoutExplanation();
  void stopDuringTheIntegerPower();
  void editingClearsTheResult();

 private:
  void Start(const QString& a, const QString& b) {
    w().Edit1->setText(a);
    w().Edit2->setText(b);
    w().Button1->click();
  }
};

void YuurisuubekiWindowTest::controls() {
  QCOMPARE(w().windowTitle(), QString("frm_yuurisuubeki"));
  QCOMPARE(w().findChild<QLabel*>("Label1")->text(),
           QString("Ａ の Ｂ乗 の値を 12桁まで求めます。"));
  QCOMPARE(w().findChild<QLabel*>("Label2")->text(),
           QString("底 Ａ (0.001以上 1200以下の整数または小数)＝"));
  QCOMPARE(w().findChild<QLabel*>("Label3")->text(),
           QString("指数 Ｂ (-1600以上 1600以下の整数または小数)＝"));
  QCOMPARE(w().findChild<QLabel*>("Label4")->text(), QString("Ａ の Ｂ乗＝"));
  QCOMPARE(
      w().findChild<QLabel*>("Label5")->text(),
      QString("計算結果の中に E が含まれているとき、例えば、3.12345678901E275 のようなとき、"));
  QCOMPARE(w().findChild<QLabel*>("Label6")->text(),
           QString("その意味は 3.12345678901×(10の275乗) ということです。"));
  QCOMPARE(w().findChild<QPlainTextEdit*>("Memo1")->toPlainText(), QString(" 計算中です。"));
  QVERIFY(w().Label5->isHidden() && w().Label6->isHidden() && w().Memo1->isHidden());
  QCOMPARE(w().Button1->text(), QString("計算開始"));
  QCOMPARE(w().Button2->text(), QString("終了"));
  QCOMPARE(w().focusWidget(), w().Edit1);
}

void YuurisuubekiWindowTest::refusesInput_data() {
  QTest::addColumn<QString>("a");
  QTest::addColumn<QString>("b");
  QTest::addColumn<QString>("message");
  QTest::addColumn<int>("box");
  QTest::newRow("no base") << ""
                           << "2"
                           << "底 A には半角数字で12桁以内の正の数を入力してください。" << 0;
  QTest::newRow("14 with point")
      << "12.34567890123"
      << "2"
      << "底 A には位取り表示のための 0 も含めて半角数字で12桁以内の正の数を入力してください。"
      << 0;
  QTest::newRow("base too small") << "0.0009"
                                  << "2"
                                  << "底 A には半角数字で0.001以上 1200以下の数を入力してください。"
                                  << 0;
  QTest::newRow("lone minus")
      << "2"
      << "-"
      << "指数 B には半角数字で12桁以内で -1600以上 1600以下の数を入力してください。" << 1;
  QTest::newRow("exponent 14 with point")
      << "2"
      << "-12.34567890123"
      << "指数 B には位取り表示のための 0 も含めて半角数字で12桁以内で -1600以上 1600以下の数 を入力してください。"
      << 1;
  QTest::newRow("exponent too large")
      << "2"
      << "1600.1"
      << "指数 B には半角数字で -1600以上 1600以下の数を入力してください。" << 1;
}

void YuurisuubekiWindowTest::refusesInput() {
  QFETCH(QString, a);
  QFETCH(QString, b);
  QFETCH(QString, message);
  QFETCH(int, box);
  Start(a, b);
  CheckRefused(message, box == 0 ? w().Edit1 : w().Edit2);
  QVERIFY(!w().busy());
  QVERIFY(w().Memo2->toPlainText().isEmpty());
}

void YuurisuubekiWindowTest::computesAndSaves() {
  desktop().answers = {true, false};
  Start("2", "0.5");
  QCOMPARE(w().Memo2->toPlainText(), QString("1.41421356237E0"));
  QVERIFY(!w().Label5->isHidden() && !w().Label6->isHidden());
  QVERIFY(w().Memo1->isHidden());
  QCOMPARE(SavedTempFile(), QByteArray("2\x82\xcc"
                                       "0.5\x8f\xe6\r\n1.41421356237E0\r\n"));
  QCOMPARE(w().focusWidget(), w().Edit2);
  QVERIFY(!w().busy());
  Start("1200", "1600");
  QCOMPARE(w().Memo2->toPlainText(), QString("4.89771687707E4926"));
  QCOMPARE(w().Button1->text(), QString("計算開始"));
  QVERIFY(!w().Button2->isHidden());
  QVERIFY(w().Memo1->isHidden());
  Start("0.001", "-1600");
  QCOMPARE(w().Memo2->toPlainText(), QString("1E4800"));
}

void YuurisuubekiWindowTest::shortcutsWithoutExplanation() {
  desktop().answers = {true, false};
  Start("007", "1");
  QCOMPARE(w().Memo2->toPlainText(), QString("007"));
  QVERIFY(w().Label5->isHidden() && w().Label6->isHidden());
  QCOMPARE(desktop().questions.first(), QString("計算完了。　計算結果を保存または印刷しますか。"));
  QCOMPARE(SavedTempFile(), QByteArray("007\x82\xcc"
                                       "1\x8f\xe6\r\n007\r\n"));
  QCOMPARE(w().focusWidget(), w().Edit2);
  Start("1.0", "123");
  QCOMPARE(w().Memo2->toPlainText(), QString("1"));
  Start("2", "-0");
  QCOMPARE(w().Memo2->toPlainText(), QString("1"));
}

// Calls `action` once, at the next chance events get to run after `widget`
// is shown.
class AfterShown : public QObject {
 public:
  AfterShown(QWidget* widget, std::function<void()> action) : action_(std::move(action)) {
    widget->installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Show && action_) {
      QTimer::singleShot(0, this, std::exchange(action_, nullptr));
    }
    return false;
  }

 private:
  std::function<void()> action_;
};

void YuurisuubekiWindowTest::stopDuringTheIntegerPower() {
  // The press arrives where the run lets events run after showing its wait
  // notice, before the integer power is done.
  bool sawRunning = false;
  AfterShown press(w().Memo1, [&] {
    sawRunning = w().busy() && w().Button1->text() == "計算中止" && !w().Memo1->isHidden() &&
                 w().Button2->isHidden();
    w().Button1->click();
  });
  Start("999.999999999", "1599.5");
  QVERIFY(sawRunning);
  QVERIFY(w().Memo2->toPlainText().isEmpty());
  QVERIFY(w().Memo1->isHidden());
  QVERIFY(w().Label5->isHidden());
  QCOMPARE(w().Button1->text(), QString("計算開始"));
  QVERIFY(!w().Button2->isHidden());
  QVERIFY(desktop().questions.isEmpty());
  QVERIFY(!w().busy());
}

void YuurisuubekiWindowTest::editingClearsTheResult() {
  Start("2", "10");
  QCOMPARE(w().Memo2->toPlainText(), QString("1024"));
  w().Edit2->setText("11");
  QVERIFY(w().Memo2->toPlainText().isEmpty());
  Start("2", "10");
  w().Edit1->setText("3");
  QVERIFY(w().Memo2->toPlainText().isEmpty());
}

}  // namespace taketa

QTEST_MAIN(taketa::YuurisuubekiWindowTest)
#include "test_yuurisuubeki_window.moc"
