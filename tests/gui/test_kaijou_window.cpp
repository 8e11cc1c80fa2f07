// The factorial window from end to end: controls, checks, a run with its
// step counter, stop and close during a run, the saved file, the pop-up
// copy and paste of the result box.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "calculators/kaijou/kaijou_window.h"
#include "frame/controls.h"
#include "tests/gui/scripted_desktop.h"

namespace taketa {

class KaijouWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    desktop_ = std::make_unique<testing::ScriptedDesktop>();
    window_ = std::make_unique<Tfrm_kaijou>();
    window_->ShowFromMenu();
  }
  void cleanup() {
    window_.reset();
    desktop_.reset();
  }

  void controls();
  void refusesInput_data();
  void refusesInput();
  void computesWithStepCounter();
  void stopPressEndsTheRun();
  void closeEndsTheRun();
  void savesTheResultWithItsCount();
  void editingClearsTheResult();
  void popupCopiesAndPastes();

 private:
  void Start(const QString& text) {
    window_->Edit1->setText(text);
    window_->Button1->click();
  }

  std::unique_ptr<testing::ScriptedDesktop> desktop_;
  std::unique_ptr<Tfrm_kaijou> window_;
};

void KaijouWindowTest::controls() {
  Tfrm_kaijou& w = *window_;
  QCOMPARE(w.objectName(), QString("frm_kaijou"));
  QCOMPARE(w.windowTitle(), QString("frm_kaijou"));
  QCOMPARE(w.findChild<QLabel*>("Label1")->text(), QString("50000以下の自然数Ｎの階乗を求めます。"));
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
  QTest::newRow("six characters") << "000010" << "入力文字数を5以下にしてください。";
}

void KaijouWindowTest::refusesInput() {
  QFETCH(QString, text);
  QFETCH(QString, message);
  window_->Button1->setFocus();
  Start(text);
  QCOMPARE(desktop_->messages, QStringList({message}));
  QCOMPARE(desktop_->beeps, 1);
  QCOMPARE(window_->focusWidget(), window_->Edit1);
  QVERIFY(!window_->busy());
  QCOMPARE(window_->Button1->text(), QString("計算開始"));
  QVERIFY(!window_->Button2->isHidden());
  QVERIFY(window_->Memo2->isHidden());
  QVERIFY(window_->RichEdit1->toPlainText().isEmpty());
  QVERIFY(desktop_->questions.isEmpty());
}

void KaijouWindowTest::computesWithStepCounter() {
  window_->Button1->setFocus();
  Start("00025");
  QCOMPARE(window_->RichEdit1->toPlainText(), QString("15511210043330985984000000    (桁数＝26)"));
  QVERIFY(!window_->Memo2->isHidden());
  QCOMPARE(window_->Memo2->toPlainText(), QString("25"));
  QCOMPARE(desktop_->beeps, 1);
  QCOMPARE(desktop_->questions, QStringList({"計算完了。　計算結果を保存または印刷しますか。"}));
  QVERIFY(!QFile::exists(desktop_->primary().file));  // answered No
  QCOMPARE(window_->Button1->text(), QString("計算開始"));
  QVERIFY(!window_->Button2->isHidden());
  QVERIFY(!window_->busy());
  QCOMPARE(window_->focusWidget(), window_->Edit1);
}

void KaijouWindowTest::stopPressEndsTheRun() {
  bool sawRunning = false;
  QTimer::singleShot(20, window_.get(), [&] {
    sawRunning = window_->busy() && window_->Button1->text() == "計算中止" && window_->Button2->isHidden() &&
                 !window_->Memo2->isHidden();
    window_->Button1->click();
  });
  Start("50000");
  QVERIFY(sawRunning);
  QVERIFY(window_->RichEdit1->toPlainText().isEmpty());
  QVERIFY(desktop_->questions.isEmpty());
  QCOMPARE(window_->Button1->text(), QString("計算開始"));
  QVERIFY(!window_->Button2->isHidden());
  QVERIFY(!window_->busy());
  QVERIFY(!window_->Memo2->isHidden());  // keeps the last multiplier
  const int last = window_->Memo2->toPlainText().toInt();
  QVERIFY(last >= 1 && last < 50000);
}

void KaijouWindowTest::closeEndsTheRun() {
  QTimer::singleShot(20, window_.get(), [&] { window_->close(); });
  Start("50000");
  QVERIFY(window_->isHidden());
  QVERIFY(window_->RichEdit1->toPlainText().isEmpty());
  QVERIFY(desktop_->questions.isEmpty());
  QVERIFY(!window_->busy());
  QCOMPARE(window_->Button1->text(), QString("計算開始"));
  window_->ShowFromMenu();
  QVERIFY(window_->Edit1->text().isEmpty());
  QVERIFY(window_->Memo2->isHidden());
}

void KaijouWindowTest::savesTheResultWithItsCount() {
  desktop_->answers = {true, true};
  Start("10");
  // 10の階乗 / 3628800    (桁数＝7), in code page 932.
  QCOMPARE(testing::ScriptedDesktop::Read(desktop_->primary().file),
           QByteArray("10\x82\xcc\x8a\x4b\x8f\xe6\r\n3628800    (\x8c\x85\x90\x94\x81\x81" "7)\r\n"));
  QCOMPARE(desktop_->opened, QStringList({desktop_->primary().file}));
  QCOMPARE(window_->focusWidget(), window_->Edit1);
}

void KaijouWindowTest::editingClearsTheResult() {
  Start("20");
  QVERIFY(!window_->RichEdit1->toPlainText().isEmpty());
  QVERIFY(!window_->Memo2->isHidden());
  window_->Edit1->setText("21");
  QVERIFY(window_->RichEdit1->toPlainText().isEmpty());
  QVERIFY(window_->Memo2->isHidden());
}

void KaijouWindowTest::popupCopiesAndPastes() {
  Start("10");
  RichEditBox* rich = window_->RichEdit1;
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

}  // namespace taketa

QTEST_MAIN(taketa::KaijouWindowTest)
#include "test_kaijou_window.moc"
