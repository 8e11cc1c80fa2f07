// The multiplication window: controls, the length counter shared by both
// boxes, the checks with their focus and counter, a product, the clear and
// exit buttons, and the saved file with its extra line.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "calculators/kakezan/kakezan_window.h"
#include "tests/gui/window_fixture.h"

namespace taketa {

class KakezanWindowTest : public testing::WindowTest<Tfrm_kakezan> {
  Q_OBJECT

 private slots:
  void controls();
  void counterShowsTheBoxThatChanged();
  void lineBreakReportedOnEveryChange();
  void refusesInput_data();
  void refusesInput();
  void multiplies();
  void ctrlEnterStartsEnterBreaksTheLine();
  void savesWithTheExtraLine();
  void clearButtonAndShowing();
  void exitCloses();

 private:
  void Start(const QString& a, const QString& b) {
    w().Memo1->setPlainText(a);
    w().Memo2->setPlainText(b);
    desktop().Clear();
    w().Button1->click();
  }
};

void KakezanWindowTest::controls() {
  Tfrm_kakezan& w = this->w();
  QCOMPARE(w.objectName(), QString("frm_kakezan"));
  const auto label = [&](const char* name) { return w.findChild<QLabel*>(name)->text(); };
  QCOMPARE(label("Label2"),
           QString("5000桁以内の正の数(整数または小数)同士のかけ算(Ａ×Ｂ)をします。"));
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
  QCOMPARE(NextTabStop(w.Memo1), static_cast<QWidget*>(w.Memo2));
  QCOMPARE(w.focusWidget(), w.Memo1);
}

void KakezanWindowTest::counterShowsTheBoxThatChanged() {
  w().Memo1->setPlainText("12345");
  QVERIFY(!w().Memo4->isHidden());
  QCOMPARE(w().Memo4->toPlainText(), QString("入力文字数＝5"));
  w().Memo2->setPlainText("1.5");
  QCOMPARE(w().Memo4->toPlainText(), QString("入力文字数＝3"));
  w().Memo1->setPlainText("１２");  // full-width: two each
  QCOMPARE(w().Memo4->toPlainText(), QString("入力文字数＝4"));
  QVERIFY(desktop().messages.isEmpty());  // no digit check in this window
  // A change clears the product.
  Start("3", "3");
  QCOMPARE(w().Memo3->toPlainText(), QString("9"));
  w().Memo2->setPlainText("4");
  QVERIFY(w().Memo3->toPlainText().isEmpty());
}

void KakezanWindowTest::lineBreakReportedOnEveryChange() {
  const QString message = "BackSpaceキーを押して、改行コードを取り除いてください。";
  w().Memo1->setFocus();
  QTest::keyClicks(w().Memo1, "12");
  QTest::keyClick(w().Memo1, Qt::Key_Return);
  QCOMPARE(desktop().messages, QStringList({message}));
  QCOMPARE(desktop().beeps, 1);
  QCOMPARE(w().Memo4->toPlainText(), QString("入力文字数＝4"));  // CR LF counts 2
  w().Memo2->setPlainText("3\n");
  QCOMPARE(desktop().messages, QStringList({message, message}));
  QCOMPARE(w().Memo1->toPlainText(), QString("12\n"));  // the text is left as it is
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
  QTest::newRow("A zero") << "0"
                          << "1" << number << 0 << "";
  QTest::newRow("A line break") << "1\n"
                                << "1"
                                << "BackSpaceキーを押して、改行コードを取り除いてください。" << 0
                                << "";
  QTest::newRow("A 5001 characters") << d5001 << "1" << length << 0 << "入力文字数＝5001";
  QTest::newRow("A 5002 with a point") << d5000 + ".1"
                                       << "1" << pointLength << 0 << "入力文字数＝5002";
  QTest::newRow("B empty") << "5"
                           << "" << number << 1 << "";
  QTest::newRow("B 5001 characters") << "5" << d5001 << length << 1 << "入力文字数＝5001";
  QTest::newRow("A before B") << "1e5" << d5001 << number << 0 << "";
}

void KakezanWindowTest::refusesInput() {
  QFETCH(QString, a);
  QFETCH(QString, b);
  QFETCH(QString, message);
  QFETCH(int, box);
  QFETCH(QString, counter);
  w().Memo4->setPlainText("unchanged");
  w().Button1->setFocus();
  w().Memo1->blockSignals(true);  // keep the counter as it is until the check
  w().Memo2->blockSignals(true);
  Start(a, b);
  CheckRefused(message, box == 0 ? w().Memo1 : w().Memo2);
  QCOMPARE(w().Memo4->toPlainText(), counter.isEmpty() ? QString("unchanged") : counter);
  if (!counter.isEmpty()) QVERIFY(!w().Memo4->isHidden());
  QVERIFY(w().Memo3->toPlainText().isEmpty());
}

void KakezanWindowTest::multiplies() {
  Start("1.5", "1.5");
  QCOMPARE(w().Memo3->toPlainText(), QString("2.25"));
  QCOMPARE(desktop().questions, QStringList({"計算完了。　計算結果を保存または印刷しますか。"}));
  QCOMPARE(w().Button1->text(), QString("計算開始"));  // no stop in this window
  QCOMPARE(w().focusWidget(), w().Memo1);
  const QString nines(5000, '9');
  Start(nines, nines);
  QCOMPARE(w().Memo3->toPlainText(), QString(4999, '9') + "8" + QString(4999, '0') + "1");
}

void KakezanWindowTest::ctrlEnterStartsEnterBreaksTheLine() {
  Type(w().Memo1, "1.5");
  Type(w().Memo2, "1.5");
  PressEnter(w().Memo2, Qt::ControlModifier);
  QCOMPARE(w().Memo3->toPlainText(), QString("2.25"));
  QCOMPARE(desktop().questions.size(), 1);
  // Enter alone is a line break in the box, reported by its change handler.
  w().Memo1->moveCursor(QTextCursor::End);
  PressEnter(w().Memo1);
  QCOMPARE(w().Memo1->toPlainText(), QString("1.5\n"));
  QCOMPARE(desktop().messages,
           QStringList({"BackSpaceキーを押して、改行コードを取り除いてください。"}));
  QCOMPARE(desktop().questions.size(), 1);
}

void KakezanWindowTest::savesWithTheExtraLine() {
  desktop().answers = {true, false};
  w().Memo1->setPlainText("00012");
  w().Memo2->setPlainText("3");
  w().Button1->click();
  // 00012×3の計算結果（積）, CR LF, a lone CR, CR LF, 36, CR LF.
  QCOMPARE(SavedTempFile(),
           QByteArray(
               "00012\x81~3\x82\xcc\x8cv\x8eZ\x8c\x8b\x89\xca\x81i\x90\xcf\x81j\r\n\r\r\n36\r\n"));
  QCOMPARE(w().focusWidget(), w().Memo1);
}

void KakezanWindowTest::clearButtonAndShowing() {
  Start("12", "25");
  QCOMPARE(w().Memo3->toPlainText(), QString("300"));
  w().Memo2->setFocus();
  w().Button3->click();
  QVERIFY(w().Memo1->toPlainText().isEmpty());
  QVERIFY(w().Memo2->toPlainText().isEmpty());
  QVERIFY(w().Memo3->toPlainText().isEmpty());
  QVERIFY(w().Memo4->isHidden());
  QCOMPARE(w().focusWidget(), w().Memo1);
  Start("12", "25");
  w().close();
  w().ShowFromMenu();
  QVERIFY(w().Memo1->toPlainText().isEmpty());
  QVERIFY(w().Memo3->toPlainText().isEmpty());
  QVERIFY(w().Memo4->isHidden());
}

void KakezanWindowTest::exitCloses() {
  w().Button2->click();
  QVERIFY(w().isHidden());
}

}  // namespace taketa

QTEST_MAIN(taketa::KakezanWindowTest)
#include "test_kakezan_window.moc"
