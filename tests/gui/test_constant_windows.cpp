// The pi and e windows from end to end: checks, a run with its step
// counter, stop and close during a run, and the saved file.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "calculators/ensyuuritu/ensyuuritu_window.h"
#include "calculators/sizentaisuunotei/sizentaisuunotei_window.h"
#include "tests/gui/scripted_desktop.h"

namespace taketa {

class ConstantWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    desktop_ = std::make_unique<testing::ScriptedDesktop>();
    pi_ = std::make_unique<Tfrm_ensyuuritu>();
    pi_->ShowFromMenu();
  }
  void cleanup() {
    pi_.reset();
    desktop_.reset();
  }

  void controls();
  void refusesInput_data();
  void refusesInput();
  void computesWithStepCounter();
  void stopPressEndsTheRun();
  void closeEndsTheRun();
  void savesWithTheTitleAsItReadsWhenSaving();
  void editingClearsTheResult();
  void eWindow();

 private:
  void Start(const QString& text) {
    pi_->Edit1->setText(text);
    pi_->Button1->click();
  }

  std::unique_ptr<testing::ScriptedDesktop> desktop_;
  std::unique_ptr<Tfrm_ensyuuritu> pi_;
};

void ConstantWindowsTest::controls() {
  QCOMPARE(pi_->objectName(), QString("frm_ensyuuritu"));
  QCOMPARE(pi_->windowTitle(), QString("frm_ensyuuritu"));
  QCOMPARE(pi_->findChild<QLabel*>("Label1")->text(), QString("円周率を 60000桁まで求めることができます。"));
  QCOMPARE(pi_->findChild<QLabel*>("Label2")->text(), QString("円周率を何桁まで求めますか。桁数＝"));
  QCOMPARE(pi_->findChild<QLineEdit*>("Edit1")->geometry(), QRect(308, 62, 73, 24));
  QCOMPARE(pi_->findChild<QPushButton*>("Button1")->text(), QString("計算開始"));
  QCOMPARE(pi_->findChild<QPushButton*>("Button2")->text(), QString("終了"));
  QVERIFY(pi_->findChild<QPlainTextEdit*>("Memo2")->isHidden());
  QVERIFY(!pi_->findChild<QPlainTextEdit*>("Memo1")->isHidden());
  QCOMPARE(pi_->focusWidget(), pi_->Edit1);
}

void ConstantWindowsTest::refusesInput_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("message");
  const QString range = "半角数字で 2以上 60000以下の自然数を入力してください。";
  QTest::newRow("empty") << "" << range;
  QTest::newRow("letter") << "12a" << range;
  QTest::newRow("full-width") << "１２" << range;
  QTest::newRow("one") << "1" << range;
  QTest::newRow("too large") << "60001" << range;
  QTest::newRow("six characters") << "123456" << "入力文字数を5以下にしてください。";
}

void ConstantWindowsTest::refusesInput() {
  QFETCH(QString, text);
  QFETCH(QString, message);
  pi_->Button1->setFocus();
  Start(text);
  QCOMPARE(desktop_->messages, QStringList({message}));
  QCOMPARE(desktop_->beeps, 1);
  QCOMPARE(pi_->focusWidget(), pi_->Edit1);
  QVERIFY(!pi_->busy());
  QCOMPARE(pi_->Button1->text(), QString("計算開始"));
  QVERIFY(pi_->Memo2->isHidden());
  QVERIFY(pi_->Memo1->toPlainText().isEmpty());
  QVERIFY(desktop_->questions.isEmpty());
}

void ConstantWindowsTest::computesWithStepCounter() {
  Start("50");
  QCOMPARE(pi_->Memo1->toPlainText(), QString("31415926535897932384626433832795028841971693993751"));
  QVERIFY(!pi_->Memo2->isHidden());
  QCOMPARE(pi_->Memo2->toPlainText(), QString("40"));
  QCOMPARE(desktop_->questions, QStringList({"計算完了。　計算結果を保存または印刷しますか。"}));
  QVERIFY(!QFile::exists(desktop_->primary().file));  // answered No
  QCOMPARE(pi_->Button1->text(), QString("計算開始"));
  QVERIFY(!pi_->Button2->isHidden());
  QVERIFY(!pi_->busy());
  QCOMPARE(pi_->focusWidget(), pi_->Edit1);
}

void ConstantWindowsTest::stopPressEndsTheRun() {
  bool sawRunning = false;
  QTimer::singleShot(20, pi_.get(), [&] {
    sawRunning = pi_->busy() && pi_->Button1->text() == "計算中止" && pi_->Button2->isHidden();
    pi_->Button1->click();
  });
  Start("60000");
  QVERIFY(sawRunning);
  QVERIFY(pi_->Memo1->toPlainText().isEmpty());
  QVERIFY(desktop_->questions.isEmpty());
  QCOMPARE(pi_->Button1->text(), QString("計算開始"));
  QVERIFY(!pi_->Button2->isHidden());
  QVERIFY(!pi_->busy());
  QVERIFY(!pi_->Memo2->isHidden());  // keeps its last step
  QVERIFY(pi_->Memo2->toPlainText().toInt() >= 2);
}

void ConstantWindowsTest::closeEndsTheRun() {
  QTimer::singleShot(20, pi_.get(), [&] { pi_->close(); });
  Start("60000");
  QVERIFY(pi_->isHidden());
  QVERIFY(pi_->Memo1->toPlainText().isEmpty());
  QVERIFY(desktop_->questions.isEmpty());
  QVERIFY(!pi_->busy());
  // Shown again, the window starts over.
  pi_->ShowFromMenu();
  QVERIFY(pi_->Edit1->text().isEmpty());
  QVERIFY(pi_->Memo2->isHidden());
}

void ConstantWindowsTest::savesWithTheTitleAsItReadsWhenSaving() {
  desktop_->answers = {true, false};
  Start("0010");
  QCOMPARE(testing::ScriptedDesktop::Read(desktop_->primary().file),
           QByteArray("\x89\x7e\x8e\xfc\x97\xa6" "0010\x8c\x85\r\n3141592653\r\n"));
  // The box changed while the run went on: the title follows the box.
  desktop_->Clear();
  desktop_->answers = {true, false};
  QTimer::singleShot(20, pi_.get(), [&] { pi_->Edit1->setText("99"); });
  Start("60000");
  const QByteArray saved = testing::ScriptedDesktop::Read(desktop_->primary().file);
  QVERIFY(saved.startsWith("\x89\x7e\x8e\xfc\x97\xa6" "99\x8c\x85\r\n31415926535"));
  QCOMPARE(saved.size(), 6 + 2 + 2 + 2 + 60000 + 2);
}

void ConstantWindowsTest::editingClearsTheResult() {
  Start("20");
  QVERIFY(!pi_->Memo1->toPlainText().isEmpty());
  pi_->Edit1->setText("21");
  QVERIFY(pi_->Memo1->toPlainText().isEmpty());
  QVERIFY(pi_->Memo2->isHidden());
}

void ConstantWindowsTest::eWindow() {
  Tfrm_sizentaisuunotei e;
  e.ShowFromMenu();
  QCOMPARE(e.objectName(), QString("frm_sizentaisuunotei"));
  QCOMPARE(e.Label1->text(), QString("自然対数の底を 60000桁まで求めることができます。"));
  QCOMPARE(e.Label2->text(), QString("自然対数の底を何桁まで求めますか。桁数＝"));
  QCOMPARE(e.Edit1->geometry(), QRect(356, 62, 72, 24));
  desktop_->answers = {true, false};
  e.Edit1->setText("50");
  e.Button1->click();
  QCOMPARE(e.Memo1->toPlainText(), QString("27182818284590452353602874713526624977572470936999"));
  QCOMPARE(e.Memo2->toPlainText(), QString("45"));
  QCOMPARE(testing::ScriptedDesktop::Read(desktop_->primary().file),
           QByteArray("\x8e\xa9\x91\x52\x91\xce\x90\x94\x82\xcc\x92\xea" "50\x8c\x85\r\n"
                      "27182818284590452353602874713526624977572470936999\r\n"));
}

}  // namespace taketa

QTEST_MAIN(taketa::ConstantWindowsTest)
#include "test_constant_windows.moc"
