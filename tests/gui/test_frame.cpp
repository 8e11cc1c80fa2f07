// The pieces every window shares: length counter and typing checks, input
// error reports, the stoppable run's buttons and counters, the start keys,
// saving, the finished result saved under a name of one's own, the
// multi-line box and the pop-up menu of the rich text boxes.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>
#include <memory>
#include <utility>

#include "frame/calculator_window.h"
#include "frame/controls.h"
#include "frame/desktop.h"
#include "frame/finished_result.h"
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
  void failureReport();
  void finishedOutcomes();
  void stoppableRunButtons();
  void runControlShowsLastCounters();
  void savingNoWritesNothing();
  void savingYesWritesTheBytes();
  void savingFallsBack();
  void savingFailsInBothPlaces();
  void richEditPopupMenu();
  void enterStarts();
  void finishedResultSavesAs();
  void saveAsOpensInAnExistingFolder();
  void finishedResultForgets();
  void messageBoxLinesBreakBetweenWords();
  void suggestedFileNames_data();
  void suggestedFileNames();
  void memoBoxShowsWhatAPlainBoxShows();
};

void FrameTest::lengthCounter_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("shown");
  QTest::newRow("empty") << ""
                         << "入力文字数＝0";
  QTest::newRow("digits") << "12345"
                          << "入力文字数＝5";
  QTest::newRow("full-width digit counts 2") << "１"
                                             << "入力文字数＝2";
  QTest::newRow("line break counts 2") << "12\n3"
                                       << "入力文字数＝5";
  QTest::newRow("point") << "1.5"
                         << "入力文字数＝3";
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
  QCOMPARE(desktop.messages,
           QStringList({"半角数字を入力してください。", "半角数字を入力してください。"}));
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

void FrameTest::failureReport() {
  testing::ScriptedDesktop desktop;
  CalculatorWindow window("frm_test");
  QLineEdit* box = new QLineEdit(&window);
  window.show();
  box->setFocus();
  ReportFailure(&window, UnitOutcome::Failed());
  QCOMPARE(desktop.beeps, 1);
  QCOMPARE(desktop.messages, QStringList({"計算結果の桁を確定できませんでした。"}));
  QVERIFY(desktop.questions.isEmpty());
}

// A result that comes in while the flag is cleared was stopped; a special
// case answered at once needs no flag.
void FrameTest::finishedOutcomes() {
  QPushButton start, exit;
  StoppableRun run(&start, &exit);
  const UnitOutcome done = UnitOutcome::Done({"t", {"1"}});
  const UnitOutcome special = UnitOutcome::Special({"t", {"1"}}, {"1"}, false);
  QVERIFY(!run.Finished(done));
  QVERIFY(run.Finished(special));
  QVERIFY(!run.Finished(UnitOutcome::Stopped()));
  run.StopOrBegin();
  QVERIFY(run.Finished(done));
  QVERIFY(!run.Finished(UnitOutcome::Failed()));
  QVERIFY(!run.Finished(UnitOutcome::Refused({"m", 0, {}})));
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
           QByteArray("\x89\x7e\x8e\xfc\x97\xa6"
                      "10\x8c\x85\r\n3141592653\r\n"));
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
  // In Japanese, each place with what stood in the way (a file where its
  // parent folder should be).
  // The paths as the system writes them (with \ on Windows).
  const QString home = QDir::toNativeSeparators(QFileInfo(desktop.primary().directory).path());
  const QString tmp = QDir::toNativeSeparators(QFileInfo(desktop.fallback().directory).path());
  QCOMPARE(desktop.errors,
           QStringList({"計算結果を保存できませんでした。\n" + home +
                        ": フォルダーではありません。\n" + tmp + ": フォルダーではありません。"}));
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
  // Nothing selected: the clipboard keeps what it holds.
  rich->moveCursor(QTextCursor::End);
  rich->Copy1()->trigger();
  QCOMPARE(QApplication::clipboard()->text(), QString("99"));
  QCOMPARE(rich->SelectAll1()->text(), QString("すべてを選択"));
  QCOMPARE(rich->PopupMenu1()->actions(),
           QList<QAction*>({rich->Copy1(), rich->Paste1(), rich->SelectAll1()}));
  rich->SelectAll1()->trigger();
  rich->Copy1()->trigger();
  QCOMPARE(QApplication::clipboard()->text(), rich->toPlainText());
  // Only plain text goes to the clipboard.
  QCOMPARE(QApplication::clipboard()->mimeData()->formats(), QStringList({"text/plain"}));

  // The entries show the keys that the other result boxes' menus show for
  // the same commands, and the keys still work in the box.
  QGuiApplication::styleHints()->setShowShortcutsInContextMenus(true);
  auto* memo = new MemoBox(&window);
  const std::unique_ptr<QMenu> standard(memo->createStandardContextMenu());
  const std::pair<const char*, QAction*> entries[] = {{"edit-copy", rich->Copy1()},
                                                      {"edit-paste", rich->Paste1()},
                                                      {"select-all", rich->SelectAll1()}};
  for (const auto& [name, entry] : entries) {
    QAction* same = standard->findChild<QAction*>(name);
    QVERIFY2(same != nullptr, name);
    QVERIFY(!entry->shortcut().isEmpty());
    QCOMPARE(entry->shortcut().toString(QKeySequence::NativeText), same->text().section('\t', 1));
    QVERIFY(entry->isShortcutVisibleInContextMenu());
  }
  window.show();
  rich->setFocus();
  rich->setPlainText("12345");
  QTest::keyClick(rich, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(rich, Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(QApplication::clipboard()->text(), QString("12345"));
}

void FrameTest::enterStarts() {
  CalculatorWindow window("frm_test");
  auto* edit = new QLineEdit(&window);
  auto* memo = new MemoBox(&window);
  auto* start = new QPushButton(&window);
  auto* exit = new QPushButton(&window);
  int clicks = 0;
  connect(start, &QPushButton::clicked, [&] { ++clicks; });
  StoppableRun run(start, exit);
  StartOnEnter({edit, memo}, start, &run);
  window.show();
  QTest::keyClick(edit, Qt::Key_Return);
  QTest::keyClick(edit, Qt::Key_Enter, Qt::KeypadModifier);
  QCOMPARE(clicks, 2);
  // In a multi-line box Enter is a line break and Ctrl+Enter starts.
  QTest::keyClicks(memo, "12");
  QTest::keyClick(memo, Qt::Key_Return);
  QCOMPARE(memo->toPlainText(), QString("12\n"));
  QCOMPARE(clicks, 2);
  QTest::keyClick(memo, Qt::Key_Return, Qt::ControlModifier);
  QTest::keyClick(memo, Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier);
  QCOMPARE(clicks, 4);
  QCOMPARE(memo->toPlainText(), QString("12\n"));
  // While a run is going on, nothing: a stop takes the button.
  run.StopOrBegin();
  QTest::keyClick(edit, Qt::Key_Return);
  QTest::keyClick(memo, Qt::Key_Return, Qt::ControlModifier);
  QCOMPARE(clicks, 4);
  QVERIFY(run.busy());
}

void FrameTest::finishedResultSavesAs() {
  testing::ScriptedDesktop desktop;
  CalculatorWindow window("frm_test");
  auto* memo = new MemoBox(&window);
  auto* edit = new QLineEdit(&window);
  FinishedResult finished(&window, {memo, edit});
  QAction* saveAs = finished.SaveAs1();
  QCOMPARE(saveAs->text(), QString("名前を付けて保存…"));
  QVERIFY(!saveAs->isEnabled());
  // Qt's own entries, then "名前を付けて保存…".
  for (QWidget* box : {static_cast<QWidget*>(memo), static_cast<QWidget*>(edit)}) {
    const std::unique_ptr<QMenu> menu(finished.ContextMenu(box));
    QVERIFY(menu->actions().size() > 2);
    QCOMPARE(menu->actions().last(), saveAs);
    QVERIFY(menu->actions()[menu->actions().size() - 2]->isSeparator());
  }
  memo->setPlainText("3141592653");
  const ResultFile file{"円周率10桁", {"3141592653", std::string(ResultFile::kLoneCr), "末尾"}};
  finished.Keep(file);
  QVERIFY(saveAs->isEnabled());
  desktop.chosenFiles << desktop.PathFor("pi.txt");
  saveAs->trigger();
  QCOMPARE(testing::ScriptedDesktop::Read(desktop.PathFor("pi.txt")),
           QByteArray::fromStdString(EncodeResultFile(file)));
  QCOMPARE(desktop.saveDialogs.size(), 1);
  QVERIFY(desktop.saveDialogs[0].endsWith("/円周率10桁.txt"));
  QVERIFY(!QFile::exists(desktop.primary().file));
  QVERIFY(desktop.errors.isEmpty());
  // Cancelled: nothing written. A file that cannot be written: reported.
  saveAs->trigger();
  QCOMPARE(desktop.saveDialogs.size(), 2);
  desktop.chosenFiles << desktop.PathFor("missing/pi.txt");
  saveAs->trigger();
  QCOMPARE(desktop.errors, QStringList({"計算結果を保存できませんでした。\n" +
                                        QDir::toNativeSeparators(desktop.PathFor("missing")) +
                                        ": フォルダーが見つかりません。"}));
}

// The dialog opens in the documents folder when there is one, else in the
// home folder, always with an absolute path: never in the working folder
// with a name whose folder is missing.
void FrameTest::saveAsOpensInAnExistingFolder() {
  testing::ScriptedDesktop desktop;
  CalculatorWindow window("frm_test");
  auto* memo = new MemoBox(&window);
  FinishedResult finished(&window, {memo});
  memo->setPlainText("3");
  finished.Keep({"円周率2000桁", {"3"}});
#ifdef Q_OS_WIN
  // The shell's Documents folder, whatever HOME says.
  finished.SaveAs1()->trigger();
  QCOMPARE(
      desktop.saveDialogs.value(0),
      QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/円周率2000桁.txt");
  return;
#endif
  const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
  QTemporaryDir root;
  const QString home = root.path() + "/home";
  QVERIFY(QDir().mkpath(home));
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(root.path() + "/config"));  // no user-dirs.dirs
  const auto suggested = [&](const QString& homeVariable) {
    qputenv("HOME", QFile::encodeName(homeVariable));
    desktop.saveDialogs.clear();
    finished.SaveAs1()->trigger();
    return desktop.saveDialogs.value(0);
  };
  QCOMPARE(suggested(home), home + "/円周率2000桁.txt");
  QVERIFY(QDir().mkpath(home + "/Documents"));
  QCOMPARE(suggested(home), home + "/Documents/円周率2000桁.txt");
  // A home given relative to the working folder.
  const QString working = QDir::currentPath();
  QDir::setCurrent(root.path());
  const QString relative = suggested("home");
  QDir::setCurrent(working);
  QCOMPARE(relative, home + "/Documents/円周率2000桁.txt");
  qputenv("HOME", oldHome);
  oldConfig.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", oldConfig);
  QVERIFY(desktop.errors.isEmpty());
}

namespace {

// Keeps a result, makes the change and checks whether it was forgotten.
void KeepThenChange(FinishedResult& finished, const std::function<void()>& change, bool forgets) {
  finished.Keep({"t", {"1"}});
  change();
  QCOMPARE(finished.file() == nullptr, forgets);
  QCOMPARE(finished.SaveAs1()->isEnabled(), !forgets);
}

}  // namespace

void FrameTest::finishedResultForgets() {
  CalculatorWindow window("frm_test");
  auto* memo = new MemoBox(&window);
  auto* rich = new RichEditBox(&window);
  auto* edit = new QLineEdit(&window);
  FinishedResult finished(&window, {memo, rich, edit});
  QCOMPARE(rich->PopupMenu1()->actions().last(), finished.SaveAs1());
  window.show();
  memo->setPlainText("1");
  rich->setPlainText("1");
  edit->setText("1");
  KeepThenChange(
      finished, [&] { memo->appendPlainText("2"); }, false);
  KeepThenChange(
      finished, [&] { memo->clear(); }, true);
  KeepThenChange(
      finished, [&] { rich->clear(); }, true);
  KeepThenChange(
      finished, [&] { edit->clear(); }, true);
  // Hidden by the window forgets; the window itself hidden does not.
  KeepThenChange(
      finished, [&] { window.hide(); }, false);
  window.show();
  KeepThenChange(
      finished, [&] { edit->hide(); }, true);
}

void FrameTest::suggestedFileNames_data() {
  QTest::addColumn<QString>("title");
  QTest::addColumn<QString>("name");
  QTest::newRow("plain") << "円周率1000桁"
                         << "円周率1000桁.txt";
  QTest::newRow("unfit characters") << "1/3:a*b?\"<>|\\\r"
                                    << "1_3_a_b_______.txt";
  QTest::newRow("long") << QString(70, '7') + "÷3 の" << QString(64, '7') + ".txt";
  QTest::newRow("empty") << ""
                         << "計算結果.txt";
  QTest::newRow("hidden file") << ".5の2乗"
                               << "計算結果.5の2乗.txt";
}

// A message box's text keeps its words whole: laid out in any width, its
// lines end after a space or a line break, never inside "保存されました。"
// or a path; it reads as it was given.
void FrameTest::messageBoxLinesBreakBetweenWords() {
  const QString texts[] = {
      "計算完了。　計算結果を保存または印刷しますか。",
      "計算結果が /home/a/Temp/Temp.txt に保存されました。 このテキストファイルを開きますか。",
      "計算結果を保存できませんでした。\n/home/a/Temp: フォルダーではありません。\n"
      "/run/user/1000/Temp: フォルダーではありません。",
      "半角数字で 2以上 60000以下の自然数を入力してください。",
  };
  for (const QString& text : texts) {
    const QString shown = MessageBoxText(text);
    QCOMPARE(QString(shown).remove(QChar(0x2060)), text);
    for (const int width : {60, 150, 300}) {
      QTextLayout layout(shown, QApplication::font());
      QTextOption option;
      option.setWrapMode(QTextOption::WordWrap);
      layout.setTextOption(option);
      layout.beginLayout();
      for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
      }
      layout.endLayout();
      for (int i = 0; i + 1 < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        const QChar last = shown[line.textStart() + line.textLength() - 1];
        QVERIFY2(last.isSpace(), qPrintable(shown.mid(line.textStart(), line.textLength())));
      }
    }
  }
}

void FrameTest::suggestedFileNames() {
  QFETCH(QString, title);
  QFETCH(QString, name);
  QCOMPARE(SuggestedFileName(title.toStdString()), name);
}

// The multi-line box lays a long line out once and keeps it, and shows
// every character as a plain box does.
void FrameTest::memoBoxShowsWhatAPlainBoxShows() {
  CalculatorWindow window("frm_test");
  auto* plain = new QPlainTextEdit(&window);
  auto* memo = new MemoBox(&window);
  QString text;
  for (int i = 0; i < 3000; ++i) text += QChar('0' + i * 7 % 10);
  text += "    (桁数＝3000)\n浮動小数点形式では　1.5625E2\n2 × 3 ×7^2 Ａ÷Ｂ＝ fi AV";
  for (QPlainTextEdit* box : {plain, static_cast<QPlainTextEdit*>(memo)}) {
    box->setFocusPolicy(Qt::NoFocus);  // no caret in the picture
    box->setGeometry(0, 0, 500, 300);
    box->setWordWrapMode(QTextOption::WrapAnywhere);
    box->setPlainText(text);
  }
  window.show();
  QApplication::processEvents();
  QCOMPARE(memo->grab().toImage(), plain->grab().toImage());
  QVERIFY(memo->document()->firstBlock().layout()->cacheEnabled());
  QVERIFY(memo->document()->firstBlock().layout()->lineCount() > 10);
}

}  // namespace taketa

QTEST_MAIN(taketa::FrameTest)
#include "test_frame.moc"
