// The pieces every window shares: length counter and typing checks, input
// error reports, the stoppable run's buttons and counters, saving, and the
// pop-up menu of the rich text boxes.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "frame/calculator_window.h"
#include "frame/controls.h"
#include "frame/length_counter.h"
#include "frame/run_protocol.h"
#include "frame/saving.h"
#include "tests/gui/scripted_desktop.h"

namespace taketa {

class FrameTest : public QObject {
  Q_OBJECT

 private slots:
  void lengthCounter_data();
  void lengthCounter();
  void typingChecks();
  void inputErrorReport();
  void stoppableRunButtons();
  void runControlShowsLastCounters();
  void savingNoWritesNothing();
  void savingYesWritesTheBytes();
  void savingFallsBack();
  void savingFailsInBothPlaces();
  void richEditPopupMenu();
};

void FrameTest::lengthCounter_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("shown");
  QTest::newRow("empty") << "" << "入力文字数＝0";
  QTest::newRow("digits") << "12345" << "入力文字数＝5";
  QTest::newRow("full-width digit counts 2") << "１" << "入力文字数＝2";
  QTest::newRow("line break counts 2") << "12\n3" << "入力文字数＝5";
  QTest::newRow("point") << "1.5" << "入力文字数＝3";
}

void FrameTest::lengthCounter() {
  QFETCH(QString, text);
  QFETCH(QString, shown);
  QPlainTextEdit box, counter;
  counter.setVisible(false);
  box.setPlainText(text);
  ShowLength(&counter, &box);
  QCOMPARE(counter.toPlainText(), shown);
  QVERIFY(!counter.isHidden());
  QLineEdit edit(text);
  ShowLength(&counter, &edit);
  if (!text.contains('\n')) QCOMPARE(counter.toPlainText(), shown);
}

void FrameTest::typingChecks() {
  testing::ScriptedDesktop desktop;
  QPlainTextEdit box;
  const QString lineBreak = "BackSpaceキーを押して、改行コードを取り除いてください。";
  // A line break at the end is reported on every change, before the digit check.
  box.setPlainText("123\n");
  CheckTypedText(nullptr, &box, true);
  box.setPlainText("123\n4\n");
  CheckTypedText(nullptr, &box, true);
  QCOMPARE(desktop.messages, QStringList({lineBreak, lineBreak}));
  QCOMPARE(desktop.beeps, 2);
  desktop.Clear();
  box.setPlainText("12a");
  CheckTypedText(nullptr, &box, true);
  box.setPlainText("12１");
  CheckTypedText(nullptr, &box, true);
  QCOMPARE(desktop.messages, QStringList({"半角数字を入力してください。", "半角数字を入力してください。"}));
  desktop.Clear();
  box.setPlainText("12a");
  CheckTypedText(nullptr, &box, false);  // no digit check
  box.setPlainText("");
  CheckTypedText(nullptr, &box, true);
  QVERIFY(desktop.messages.isEmpty());
  QCOMPARE(box.toPlainText(), QString());  // the text is never changed by the checks
}

void FrameTest::inputErrorReport() {
  testing::ScriptedDesktop desktop;
  CalculatorWindow window("frm_test");
  QLineEdit* first = new QLineEdit(&window);
  QLineEdit* second = new QLineEdit(&window);
  QPlainTextEdit* counter = new QPlainTextEdit(&window);
  counter->setVisible(false);
  window.show();
  ReportInputError(&window, {"メッセージ", 1, 5001}, {first, second}, counter);
  QCOMPARE(desktop.beeps, 1);
  QCOMPARE(desktop.messages, QStringList({"メッセージ"}));
  QCOMPARE(window.focusWidget(), second);
  QCOMPARE(counter->toPlainText(), QString("入力文字数＝5001"));
  QVERIFY(!counter->isHidden());
}

void FrameTest::stoppableRunButtons() {
  QPushButton start("計算開始"), exit("終了");
  StoppableRun run(&start, &exit);
  QVERIFY(!run.StopOrBegin());
  QVERIFY(run.busy());
  run.EnterRunning();
  QCOMPARE(start.text(), QString("計算中止"));
  QVERIFY(exit.isHidden());
  QVERIFY(run.StopOrBegin());  // the second press stops
  QVERIFY(!run.busy());
  QVERIFY(!run.LeaveRunning());
  QCOMPARE(start.text(), QString("計算開始"));
  QVERIFY(!exit.isHidden());
  QVERIFY(!run.StopOrBegin());
  QVERIFY(run.LeaveRunning());  // finished
  QVERIFY(!run.busy());
}

void FrameTest::runControlShowsLastCounters() {
  QPushButton start, exit;
  StoppableRun run(&start, &exit);
  run.StopOrBegin();
  QPlainTextEdit first, second;
  {
    WindowRunControl control(run, {&first, &second});
    for (int k = 1; k <= 100000; ++k) {
      control.ShowStep(k);
      if (k % 1000 == 0) control.ShowStep(k / 1000, 1);
      QVERIFY(!control.StopRequested());
    }
    run.Stop();
    QVERIFY(control.StopRequested());
  }
  QCOMPARE(first.toPlainText(), QString("100000"));
  QCOMPARE(second.toPlainText(), QString("100"));
}

void FrameTest::savingNoWritesNothing() {
  testing::ScriptedDesktop desktop;
  desktop.answers = {false};
  bool built = false;
  OfferToSave(nullptr, [&] {
    built = true;
    return ResultFile{"t", {"1"}};
  });
  QCOMPARE(desktop.questions, QStringList({"計算完了。　計算結果を保存または印刷しますか。"}));
  QCOMPARE(desktop.beeps, 1);
  QVERIFY(!built);
  QVERIFY(!QFile::exists(desktop.primary().file));
  QVERIFY(!QFile::exists(desktop.fallback().file));
}

void FrameTest::savingYesWritesTheBytes() {
  testing::ScriptedDesktop desktop;
  desktop.answers = {true, true};
  OfferToSave(nullptr, [] { return ResultFile{"円周率10桁", {"3141592653"}}; });
  QCOMPARE(testing::ScriptedDesktop::Read(desktop.primary().file),
           QByteArray("\x89\x7e\x8e\xfc\x97\xa6" "10\x8c\x85\r\n3141592653\r\n"));
  QCOMPARE(desktop.questions.size(), 2);
  QCOMPARE(desktop.questions[1], "計算結果が " + QDir::toNativeSeparators(desktop.primary().file) +
                                     " に保存されました。 このテキストファイルを開きますか。");
  QCOMPARE(desktop.opened, QStringList({desktop.primary().file}));
  QCOMPARE(desktop.beeps, 2);
  // Saving again overwrites; No to the second question opens nothing.
  desktop.Clear();
  desktop.answers = {true, false};
  OfferToSave(nullptr, [] { return ResultFile{"a", {"b"}}; });
  QCOMPARE(testing::ScriptedDesktop::Read(desktop.primary().file), QByteArray("a\r\nb\r\n"));
  QVERIFY(desktop.opened.isEmpty());
}

void FrameTest::savingFallsBack() {
  testing::ScriptedDesktop desktop;
  desktop.BreakPrimary();
  desktop.answers = {true, true};
  OfferToSave(nullptr, [] { return ResultFile{"t", {"1"}}; });
  QCOMPARE(testing::ScriptedDesktop::Read(desktop.fallback().file), QByteArray("t\r\n1\r\n"));
  QCOMPARE(desktop.questions[1], "計算結果が " + QDir::toNativeSeparators(desktop.fallback().file) +
                                     " に保存されました。 このテキストファイルを開きますか。");
  QCOMPARE(desktop.opened, QStringList({desktop.fallback().file}));
  QVERIFY(desktop.errors.isEmpty());
}

void FrameTest::savingFailsInBothPlaces() {
  testing::ScriptedDesktop desktop;
  desktop.BreakPrimary();
  desktop.BreakFallback();
  desktop.answers = {true, true};
  OfferToSave(nullptr, [] { return ResultFile{"t", {"1"}}; });
  QCOMPARE(desktop.questions.size(), 1);
  QCOMPARE(desktop.errors.size(), 1);
  QVERIFY(desktop.errors[0].contains("Temp"));
  QVERIFY(desktop.opened.isEmpty());
}

void FrameTest::richEditPopupMenu() {
  CalculatorWindow window("frm_test");
  RichEditBox* rich = new RichEditBox(&window);
  QCOMPARE(rich->PopupMenu1()->objectName(), QString("PopupMenu1"));
  QCOMPARE(rich->Copy1()->text(), QString("コピー"));
  QCOMPARE(rich->Paste1()->text(), QString("貼り付け"));
  rich->setPlainText("15511210043330985984000000    (桁数＝26)");
  QTextCursor cursor = rich->textCursor();
  cursor.setPosition(0);
  cursor.setPosition(5, QTextCursor::KeepAnchor);
  rich->setTextCursor(cursor);
  rich->Copy1()->trigger();
  QCOMPARE(QApplication::clipboard()->text(), QString("15511"));
  QApplication::clipboard()->setText("99");
  rich->Paste1()->trigger();  // replaces the selection
  QCOMPARE(rich->toPlainText().left(7), QString("9921004"));
}

}  // namespace taketa

QTEST_MAIN(taketa::FrameTest)
#include "test_frame.moc"
