// The multiplication window: controls, the length counter shared by both
// boxes, the checks with their focus and counter, a product, the clear and
// exit buttons, and the saved file with its extra line.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "calculators/kakezan/kakezan_window.h"
#include "tests/gui/scripted_desktop.h"

namespace taketa {

class KakezanWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    desktop_ = std::make_unique<testing::ScriptedDesktop>();
    window_ = std::make_unique<Tfrm_kakezan>();
    window_->ShowFromMenu();
  }
  void cleanup() {
    window_.reset();
    desktop_.reset();
  }

  void controls();
  void counterShowsTheBoxThatChanged();
  void lineBreakReportedOnEveryChange();
  void refusesInput_data();
  void refusesInput();
  void multiplies();
  void savesWithTheExtraLine();
  void clearButtonAndShowing();
  void exitCloses();

 private:
  void Start(const QString& a, const QString& b) {
    window_->Memo1->setPlainText(a);
    window_->Memo2->setPlainText(b);
    desktop_->Clear();
    window_->Button1->click();
  }

  std::unique_ptr<testing::ScriptedDesktop> desktop_;
  std::unique_ptr<Tfrm_kakezan> window_;
};

void KakezanWindowTest::controls() {
  Tfrm_kakezan& w = *window_;
  QCOMPARE(w.objectName(), QString("frm_kakezan"));
  const auto label = [&](const char* name) { return w.findChild<QLabel*>(name)->text(); };
  QCOMPARE(label("Label2"), QString("5000桁以内の正の数(整数または小数)同士のかけ算(Ａ×Ｂ)をします。"));
  QCOMPARE(label("Label1"), QString("Ａ＝"));
  QCOMPARE(label("Label3"), QString("Ｂ＝"));
  QCOMPARE(label("Label4"), QString("Ａ×Ｂ＝"));
  QCOMPARE(w.findChild<QPushButton*>("Button1")->text(), QString("計算開始"));
  QCOMPARE(w.findChild<QPushButton*>("Button3")->text(), QString("数字の消去"));
  QCOMPARE(w.findChild<QPushButton*>("Button2")->text(), QString("終了"));
  QCOMPARE(w.findChild<QPlainTextEdit*>("Memo1")->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  QVERIFY(w.findChild<QPlainTextEdit*>("Memo4")->isHidden());
  QVERIFY(!w.Memo3->isHidden());
  // Tab reaches A, then B; the product and the counter are not reached.
  QVERIFY(w.Memo1->focusPolicy() & Qt::TabFocus);
  QVERIFY(w.Memo2->focusPolicy() & Qt::TabFocus);
  QVERIFY(!(w.Memo3->focusPolicy() & Qt::TabFocus));
  QVERIFY(!(w.Memo4->focusPolicy() & Qt::TabFocus));
  QWidget* next = w.Memo1->nextInFocusChain();
  while (!(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
  QCOMPARE(next, static_cast<QWidget*>(w.Memo2));
  QCOMPARE(w.focusWidget(), w.Memo1);
}

void KakezanWindowTest::counterShowsTheBoxThatChanged() {
  window_->Memo1->setPlainText("12345");
  QVERIFY(!window_->Memo4->isHidden());
  QCOMPARE(window_->Memo4->toPlainText(), QString("入力文字数＝5"));
  window_->Memo2->setPlainText("1.5");
  QCOMPARE(window_->Memo4->toPlainText(), QString("入力文字数＝3"));
  window_->Memo1->setPlainText("１２");  // full-width: two each
  QCOMPARE(window_->Memo4->toPlainText(), QString("入力文字数＝4"));
  QVERIFY(desktop_->messages.isEmpty());  // no digit check in this window
  // A change clears the product.
  Start("3", "3");
  QCOMPARE(window_->Memo3->toPlainText(), QString("9"));
  window_->Memo2->setPlainText("4");
  QVERIFY(window_->Memo3->toPlainText().isEmpty());
}

void KakezanWindowTest::lineBreakReportedOnEveryChange() {
  const QString message = "BackSpaceキーを押して、改行コードを取り除いてください。";
  window_->Memo1->setFocus();
  QTest::keyClicks(window_->Memo1, "12");
  QTest::keyClick(window_->Memo1, Qt::Key_Return);
  QCOMPARE(desktop_->messages, QStringList({message}));
  QCOMPARE(desktop_->beeps, 1);
  QCOMPARE(window_->Memo4->toPlainText(), QString("入力文字数＝4"));  // CR LF counts 2
  window_->Memo2->setPlainText("3\n");
  QCOMPARE(desktop_->messages, QStringList({message, message}));
  QCOMPARE(window_->Memo1->toPlainText(), QString("12\n"));  // the text is left as it is
}

void KakezanWindowTest::refusesInput_data() {
  QTest::addColumn<QString>("a");
  QTest::addColumn<QString>("b");
  QTest::addColumn<QString>("message");
  QTest::addColumn<int>("box");
  QTest::addColumn<QString>("counter");  // "" when the counter is not rewritten
  const QString number = "半角数字で5000桁以内の正の数を入力してください。";
  const QString length = "入力文字数を5000以下にしてください。";
  const QString pointLength = "小数点を含めた入力文字数を5001以下にしてください。";
  const QString d5001(5001, '1'), d5000(5000, '1');
  QTest::newRow("A zero") << "0" << "1" << number << 0 << "";
  QTest::newRow("A line break") << "1\n" << "1" << "BackSpaceキーを押して、改行コードを取り除いてください。" << 0 << "";
  QTest::newRow("A 5001 characters") << d5001 << "1" << length << 0 << "入力文字数＝5001";
  QTest::newRow("A 5002 with a point") << d5000 + ".1" << "1" << pointLength << 0 << "入力文字数＝5002";
  QTest::newRow("B empty") << "5" << "" << number << 1 << "";
  QTest::newRow("B 5001 characters") << "5" << d5001 << length << 1 << "入力文字数＝5001";
  QTest::newRow("A before B") << "1e5" << d5001 << number << 0 << "";
}

void KakezanWindowTest::refusesInput() {
  QFETCH(QString, a);
  QFETCH(QString, b);
  QFETCH(QString, message);
  QFETCH(int, box);
  QFETCH(QString, counter);
  window_->Memo4->setPlainText("unchanged");
  window_->Button1->setFocus();
  window_->Memo1->blockSignals(true);  // keep the counter as it is until the check
  window_->Memo2->blockSignals(true);
  Start(a, b);
  QCOMPARE(desktop_->messages, QStringList({message}));
  QCOMPARE(desktop_->beeps, 1);
  QCOMPARE(window_->focusWidget(), box == 0 ? window_->Memo1 : window_->Memo2);
  QCOMPARE(window_->Memo4->toPlainText(), counter.isEmpty() ? QString("unchanged") : counter);
  if (!counter.isEmpty()) QVERIFY(!window_->Memo4->isHidden());
  QVERIFY(window_->Memo3->toPlainText().isEmpty());
  QVERIFY(desktop_->questions.isEmpty());
}

void KakezanWindowTest::multiplies() {
  Start("1.5", "1.5");
  QCOMPARE(window_->Memo3->toPlainText(), QString("2.25"));
  QCOMPARE(desktop_->questions, QStringList({"計算完了。　計算結果を保存または印刷しますか。"}));
  QCOMPARE(window_->Button1->text(), QString("計算開始"));  // no stop in this window
  QCOMPARE(window_->focusWidget(), window_->Memo1);
  const QString nines(5000, '9');
  Start(nines, nines);
  QCOMPARE(window_->Memo3->toPlainText(), QString(4999, '9') + "8" + QString(4999, '0') + "1");
}

void KakezanWindowTest::savesWithTheExtraLine() {
  desktop_->answers = {true, false};
  window_->Memo1->setPlainText("00012");
  window_->Memo2->setPlainText("3");
  window_->Button1->click();
  // 00012×3の計算結果（積）, CR LF, a lone CR, CR LF, 36, CR LF.
  QCOMPARE(testing::ScriptedDesktop::Read(desktop_->primary().file),
           QByteArray("00012\x81~3\x82\xcc\x8cv\x8eZ\x8c\x8b\x89\xca\x81i\x90\xcf\x81j\r\n\r\r\n36\r\n"));
  QCOMPARE(window_->focusWidget(), window_->Memo1);
}

void KakezanWindowTest::clearButtonAndShowing() {
  Start("12", "25");
  QCOMPARE(window_->Memo3->toPlainText(), QString("300"));
  window_->Memo2->setFocus();
  window_->Button3->click();
  QVERIFY(window_->Memo1->toPlainText().isEmpty());
  QVERIFY(window_->Memo2->toPlainText().isEmpty());
  QVERIFY(window_->Memo3->toPlainText().isEmpty());
  QVERIFY(window_->Memo4->isHidden());
  QCOMPARE(window_->focusWidget(), window_->Memo1);
  Start("12", "25");
  window_->close();
  window_->ShowFromMenu();
  QVERIFY(window_->Memo1->toPlainText().isEmpty());
  QVERIFY(window_->Memo3->toPlainText().isEmpty());
  QVERIFY(window_->Memo4->isHidden());
}

void KakezanWindowTest::exitCloses() {
  window_->Button2->click();
  QVERIFY(window_->isHidden());
}

}  // namespace taketa

QTEST_MAIN(taketa::KakezanWindowTest)
#include "test_kakezan_window.moc"
