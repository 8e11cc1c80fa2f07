// The factorial window from end to end: controls, checks, a run with its
// step counter, Enter, stop and close during a run, the saved file and the
// same file saved under a name of one's own, the pop-up menu and the keys
// of the result box.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "calculators/kaijou/kaijou_window.h"
#include "frame/controls.h"
#include "tests/gui/window_fixture.h"

namespace taketa {

class KaijouWindowTest : public testing::WindowTest<Tfrm_kaijou> {
  Q_OBJECT

 private slots:
  void controls();
  void refusesInput_data();
  void refusesInput();
  void computesWithStepCounter();
  void stopPressEndsTheRun();
  void closeEndsTheRun();
  void savesTheResultWithItsCount();
  void editingClearsTheResult();
  void popupCopiesAndPastes();
  void enterStartsAndTheWholeResultCopies();
  void enterDuringARunDoesNothing();
  void saveAsWritesWhatTempTxtHolds();

 private:
  void Start(const QString& text) {
    w().Edit1->setText(text);
    w().Button1->click();
  }
};

void KaijouWindowTest::controls() {
  Tfrm_kaijou& w = this->w();
  QCOMPARE(w.objectName(), QString("frm_kaijou"));
  QCOMPARE(w.windowTitle(), QString("frm_kaijou"));
  QCOMPARE(w.findChild<QLabel*>("Label1")->text(),
           QString("50000以下の自然数Ｎの階乗を求めます。"));
  QCOMPARE(w.findChild<QLabel*>("Label1")->pos(), QPoint(37, 29));
  QCOMPARE(w.findChild<QLabel*>("Label2")->text(), QString("Ｎ＝"));
  QCOMPARE(w.findChild<QLabel*>("Label2")->pos(), QPoint(37, 66));
  QCOMPARE(w.findChild<QLineEdit*>("Edit1")->geometry(), QRect(66, 62, 72, 24));
  QCOMPARE(w.findChild<QPushButton*>("Button1")->geometry(), QRect(392, 60, 81, 28));
  QCOMPARE(w.Button1->text(), QString("計算開始"));
  QCOMPARE(w.findChild<QPushButton*>("Button2")->geometry(), QRect(496, 60, 81, 28));
  QCOMPARE(w.Button2->text(), QString("終了"));
  QCOMPARE(w.findChild<QPlainTextEdit*>("Memo2")->geometry(), QRect(611, 62, 65, 22));
  QVERIFY(w.Memo2->isHidden());
  auto* rich = w.findChild<RichEditBox*>("RichEdit1");
  QCOMPARE(rich->geometry(), QRect(35, 104, 958, 585));
  QVERIFY(!rich->isHidden());
  QCOMPARE(rich->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  QCOMPARE(rich->PopupMenu1()->objectName(), QString("PopupMenu1"));
  QCOMPARE(rich->Copy1()->text(), QString("コピー"));
  QCOMPARE(rich->Paste1()->text(), QString("貼り付け"));
  QCOMPARE(rich->SelectAll1()->text(), QString("すべてを選択"));
  QCOMPARE(w.focusWidget(), w.Edit1);
}

void KaijouWindowTest::refusesInput_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("message");
  const QString range = "半角数字で 50000以下の自然数を入力してください。";
  QTest::newRow("empty") << "" << range;
  QTest::newRow("point") << "1.5" << range;
  QTest::newRow("full-width") << "１０" << range;
  QTest::newRow("zero") << "0" << range;
  QTest::newRow("too large") << "50001" << range;
  QTest::newRow("six characters") << "000010"
                                  << "入力文字数を5以下にしてください。";
}

void KaijouWindowTest::refusesInput() {
  QFETCH(QString, text);
  QFETCH(QString, message);
  w().Button1->setFocus();
  Start(text);
  CheckRefused(message, w().Edit1);
  QVERIFY(!w().busy());
  QCOMPARE(w().Button1->text(), QString("計算開始"));
  QVERIFY(!w().Button2->isHidden());
  QVERIFY(w().Memo2->isHidden());
  QVERIFY(w().RichEdit1->toPlainText().isEmpty());
}

void KaijouWindowTest::computesWithStepCounter() {
  w().Button1->setFocus();
  Start("00025");
  QCOMPARE(w().RichEdit1->toPlainText(), QString("15511210043330985984000000    (桁数＝26)"));
  QVERIFY(!w().Memo2->isHidden());
  QCOMPARE(w().Memo2->toPlainText(), QString("25"));
  QCOMPARE(desktop().beeps, 1);
  QCOMPARE(desktop().questions, QStringList({"計算完了。　計算結果を保存または印刷しますか。"}));
  QVERIFY(!QFile::exists(desktop().primary().file));  // answered No
  QCOMPARE(w().Button1->text(), QString("計算開始"));
  QVERIFY(!w().Button2->isHidden());
  QVERIFY(!w().busy());
  QCOMPARE(w().focusWidget(), w().Edit1);
}

void KaijouWindowTest::stopPressEndsTheRun() {
  bool sawRunning = false;
  WhenRunning(w().Button1, [&] {
    sawRunning = w().busy() && w().Button1->text() == "計算中止" && w().Button2->isHidden() &&
                 !w().Memo2->isHidden();
    w().Button1->click();
  });
  Start("50000");
  QVERIFY(sawRunning);
  QVERIFY(w().RichEdit1->toPlainText().isEmpty());
  QVERIFY(desktop().questions.isEmpty());
  QCOMPARE(w().Button1->text(), QString("計算開始"));
  QVERIFY(!w().Button2->isHidden());
  QVERIFY(!w().busy());
  QVERIFY(!w().Memo2->isHidden());  // keeps the last multiplier
  const int last = w().Memo2->toPlainText().toInt();
  QVERIFY(last >= 1 && last < 50000);
}

void KaijouWindowTest::closeEndsTheRun() {
  WhenRunning(w().Button1, [&] { w().close(); });
  Start("50000");
  QVERIFY(w().isHidden());
  QVERIFY(w().RichEdit1->toPlainText().isEmpty());
  QVERIFY(desktop().questions.isEmpty());
  QVERIFY(!w().busy());
  QCOMPARE(w().Button1->text(), QString("計算開始"));
  w().ShowFromMenu();
  QVERIFY(w().Edit1->text().isEmpty());
  QVERIFY(w().Memo2->isHidden());
}

void KaijouWindowTest::savesTheResultWithItsCount() {
  desktop().answers = {true, true};
  Start("10");
  // 10の階乗 / 3628800    (桁数＝7), in code page 932.
  QCOMPARE(SavedTempFile(),
           QByteArray("10\x82\xcc\x8a\x4b\x8f\xe6\r\n3628800    (\x8c\x85\x90\x94\x81\x81"
                      "7)\r\n"));
  QCOMPARE(desktop().opened, QStringList({desktop().primary().file}));
  QCOMPARE(w().focusWidget(), w().Edit1);
}

void KaijouWindowTest::editingClearsTheResult() {
  Start("20");
  QVERIFY(!w().RichEdit1->toPlainText().isEmpty());
  QVERIFY(!w().Memo2->isHidden());
  w().Edit1->setText("21");
  QVERIFY(w().RichEdit1->toPlainText().isEmpty());
  QVERIFY(w().Memo2->isHidden());
}

void KaijouWindowTest::popupCopiesAndPastes() {
  Start("10");
  RichEditBox* rich = w().RichEdit1;
  QTextCursor cursor = rich->textCursor();
  cursor.setPosition(2);
  cursor.setPosition(7, QTextCursor::KeepAnchor);
  rich->setTextCursor(cursor);
  rich->Copy1()->trigger();
  QCOMPARE(QApplication::clipboard()->text(), QString("28800"));
  QApplication::clipboard()->setText("12");
  cursor.setPosition(0);
  cursor.setPosition(2, QTextCursor::KeepAnchor);
  rich->setTextCursor(cursor);
  rich->Paste1()->trigger();
  QCOMPARE(rich->toPlainText(), QString("1228800    (桁数＝7)"));
}

void KaijouWindowTest::enterStartsAndTheWholeResultCopies() {
  const QString factorial100 =
      "93326215443944152681699238856266700490715968264381621468592963895217599993229915608941463976156518"
      "286253697920827223758251185210916864000000000000000000000000    (桁数＝158)";
  Type(w().Edit1, "100");
  PressEnter(w().Edit1);
  QCOMPARE(w().RichEdit1->toPlainText(), factorial100);
  QCOMPARE(desktop().questions, QStringList({"計算完了。　計算結果を保存または印刷しますか。"}));
  QClipboard* clipboard = QApplication::clipboard();
  clipboard->setText("kept");
  RichEditBox* rich = w().RichEdit1;
  rich->setFocus();
  QTest::keyClick(rich, Qt::Key_C, Qt::ControlModifier);  // nothing selected
  rich->Copy1()->trigger();
  QCOMPARE(clipboard->text(), QString("kept"));
  QTest::keyClick(rich, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(rich, Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(clipboard->text(), factorial100);
  // The same through the pop-up menu: "すべてを選択", then "コピー".
  clipboard->setText("kept");
  rich->moveCursor(QTextCursor::Start);
  rich->SelectAll1()->trigger();
  rich->Copy1()->trigger();
  QCOMPARE(clipboard->text(), factorial100);
}

void KaijouWindowTest::enterDuringARunDoesNothing() {
  bool stillRunning = false;
  WhenRunning(w().Button1, [&] {
    PressEnter(w().Edit1);
    stillRunning = w().busy() && w().Button1->text() == "計算中止";
    w().Button1->click();
  });
  Type(w().Edit1, "50000");
  PressEnter(w().Edit1);
  QVERIFY(stillRunning);
  QVERIFY(!w().busy());
  QVERIFY(w().RichEdit1->toPlainText().isEmpty());  // stopped by the button
  QVERIFY(desktop().questions.isEmpty());
}

void KaijouWindowTest::saveAsWritesWhatTempTxtHolds() {
  QAction* saveAs = w().findChild<QAction*>("SaveAs1");
  QCOMPARE(saveAs->text(), QString("名前を付けて保存…"));
  QCOMPARE(saveAs->shortcut(), QKeySequence(QKeySequence::Save));
  QVERIFY(w().RichEdit1->PopupMenu1()->actions().contains(saveAs));
  QVERIFY(!saveAs->isEnabled());  // nothing finished yet
  desktop().answers = {true, false};
  Start("25");
  QVERIFY(saveAs->isEnabled());
  const QByteArray temp = SavedTempFile();
  QCOMPARE(temp.left(6), QByteArray("25\x82\xcc\x8a\x4b"));
  {
    QFile marked(desktop().primary().file);  // to tell that Temp.txt is left alone
    QVERIFY(marked.open(QIODevice::Append));
    marked.write("mark");
  }
  QCOMPARE(SaveAsWithCtrlS(w().RichEdit1, "n25.txt"), temp);
  QCOMPARE(SavedTempFile(), temp + "mark");
  QCOMPARE(desktop().saveDialogs.size(), 1);
  QVERIFY(desktop().saveDialogs[0].endsWith("/25の階乗.txt"));
  QCOMPARE(desktop().questions.size(), 2);  // the protocol's two, none of its own
  // A cancelled dialog writes nothing; a new input forgets the result.
  saveAs->trigger();
  QCOMPARE(desktop().saveDialogs.size(), 2);
  Type(w().Edit1, "26");
  QVERIFY(!saveAs->isEnabled());
  saveAs->trigger();
  QCOMPARE(desktop().saveDialogs.size(), 2);
}

}  // namespace taketa

QTEST_MAIN(taketa::KaijouWindowTest)
#include "test_kaijou_window.moc"
