// The permutations window from end to end: controls, the checks of both
// boxes with their focus, a run counting from n - r + 1, a stop, the saved
// file, the change handlers.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "calculators/junretu/junretu_window.h"
#include "frame/controls.h"
#include "tests/gui/window_fixture.h"

namespace taketa {

class JunretuWindowTest : public testing::WindowTest<Tfrm_junretu> {
  Q_OBJECT

 private slots:
  void controls();
  void showingClearsBothBoxes();
  void refusesInput_data();
  void refusesInput();
  void computesFromNMinusRPlusOne();
  void stopPressEndsTheRun();
  void savesWithBothTexts();
  void editingEitherBoxClearsTheResult();

 private:
  void Start(const QString& n, const QString& r) {
    w().Edit1->setText(n);
    w().Edit2->setText(r);
    w().Button1->click();
  }
};

void JunretuWindowTest::controls() {
  Tfrm_junretu& w = this->w();
  QCOMPARE(w.objectName(), QString("frm_junretu"));
  const auto label = [&](const char* name) { return w.findChild<QLabel*>(name); };
  QCOMPARE(label("Label1")->text(), QString("順列の総数を求めます。"));
  QCOMPARE(label("Label1")->pos(), QPoint(37, 29));
  QString heading;
  for (const char* name : {"Label3", "Label4", "Label5", "Label6", "Label7", "Label8"}) {
    QVERIFY(label(name)->x() >= 220 && label(name)->x() <= 292);
    heading += label(name)->text();
  }
  QCOMPARE(heading, QString("nPrのnは 50000以下の自然数とします。"));
  QVERIFY(label("Label4")->y() < label("Label3")->y());  // P raised
  QCOMPARE(label("Label10")->text() + label("Label2")->text(), QString("n＝"));
  QCOMPARE(label("Label11")->text() + label("Label9")->text(), QString("r＝"));
  QCOMPARE(label("Label12")->text() + label("Label13")->text() + label("Label14")->text() +
               label("Label15")->text(),
           QString("nPr＝"));
  QCOMPARE(w.findChild<QLineEdit*>("Edit1")->geometry(), QRect(64, 62, 72, 24));
  QCOMPARE(w.findChild<QLineEdit*>("Edit2")->geometry(), QRect(197, 62, 72, 24));
  QCOMPARE(w.findChild<QPushButton*>("Button1")->geometry(), QRect(488, 60, 81, 28));
  QCOMPARE(w.findChild<QPushButton*>("Button2")->geometry(), QRect(592, 60, 81, 28));
  QCOMPARE(w.findChild<QPlainTextEdit*>("Memo2")->geometry(), QRect(715, 62, 65, 22));
  QVERIFY(w.Memo2->isHidden());
  QCOMPARE(w.findChild<RichEditBox*>("RichEdit1")->geometry(), QRect(81, 104, 912, 585));
  QCOMPARE(w.focusWidget(), w.Edit1);
  // Tab goes from n to r.
  QCOMPARE(NextTabStop(w.Edit1), static_cast<QWidget*>(w.Edit2));
}

void JunretuWindowTest::showingClearsBothBoxes() {
  Start("10", "3");
  w().close();
  w().ShowFromMenu();
  QVERIFY(w().Edit1->text().isEmpty());
  QVERIFY(w().Edit2->text().isEmpty());
  QVERIFY(w().RichEdit1->toPlainText().isEmpty());
  QVERIFY(w().Memo2->isHidden());
  QCOMPARE(w().focusWidget(), w().Edit1);
}

void JunretuWindowTest::refusesInput_data() {
  QTest::addColumn<QString>("n");
  QTest::addColumn<QString>("r");
  QTest::addColumn<QString>("message");
  QTest::addColumn<int>("box");
  const QString range = "半角数字で 50000以下の自然数を入力してください。";
  const QString length = "入力文字数を5以下にしてください。";
  QTest::newRow("n empty") << ""
                           << "3" << range << 0;
  QTest::newRow("n too long") << "000010"
                              << "3" << length << 0;
  QTest::newRow("r empty") << "10"
                           << "" << range << 1;
  QTest::newRow("r zero") << "10"
                          << "0" << range << 1;
  QTest::newRow("r above n") << "3"
                             << "4"
                             << "r は n 以下でなければなりません。" << 1;
}

void JunretuWindowTest::refusesInput() {
  QFETCH(QString, n);
  QFETCH(QString, r);
  QFETCH(QString, message);
  QFETCH(int, box);
  w().Button1->setFocus();
  Start(n, r);
  CheckRefused(message, box == 0 ? w().Edit1 : w().Edit2);
  QVERIFY(!w().busy());
  QCOMPARE(w().Button1->text(), QString("計算開始"));
  QVERIFY(w().Memo2->isHidden());
  QVERIFY(w().RichEdit1->toPlainText().isEmpty());
}

void JunretuWindowTest::computesFromNMinusRPlusOne() {
  Start("10", "3");
  QCOMPARE(w().RichEdit1->toPlainText(), QString("720    (桁数＝3)"));
  QCOMPARE(w().Memo2->toPlainText(), QString("10"));
  QCOMPARE(desktop().questions, QStringList({"計算完了。　計算結果を保存または印刷しますか。"}));
  QVERIFY(!w().busy());
  QCOMPARE(w().Button1->text(), QString("計算開始"));
  QCOMPARE(w().focusWidget(), w().Edit1);
  Start("5", "5");
  QCOMPARE(w().RichEdit1->toPlainText(), QString("120    (桁数＝3)"));
  QCOMPARE(desktop().questions.size(), 2);
}

void JunretuWindowTest::stopPressEndsTheRun() {
  bool sawRunning = false;
  WhenRunning(w().Button1, [&] {
    sawRunning = w().busy() && w().Button1->text() == "計算中止" && w().Button2->isHidden();
    w().Button1->click();
  });
  Start("50000", "50000");
  QVERIFY(sawRunning);
  QVERIFY(w().RichEdit1->toPlainText().isEmpty());
  QVERIFY(desktop().questions.isEmpty());
  QCOMPARE(w().Button1->text(), QString("計算開始"));
  QVERIFY(!w().Button2->isHidden());
  QVERIFY(!w().busy());
  const int last = w().Memo2->toPlainText().toInt();
  QVERIFY(last >= 1 && last < 50000);
}

void JunretuWindowTest::savesWithBothTexts() {
  desktop().answers = {true, false};
  Start("10", "03");
  // 異なる10個のものから03個とった順列の総数 / 720    (桁数＝3)
  QCOMPARE(
      SavedTempFile(),
      QByteArray("\x88\xd9\x82\xc8\x82\xe9"
                 "10\x8c\xc2\x82\xcc\x82\xe0\x82\xcc\x82\xa9\x82\xe7"
                 "03\x8c\xc2\x82\xc6\x82\xc1\x82\xbd\x8f\x87\x97\xf1\x82\xcc\x91\x8d\x90\x94\r\n"
                 "720    (\x8c\x85\x90\x94\x81\x81"
                 "3)\r\n"));
  QVERIFY(desktop().opened.isEmpty());
}

void JunretuWindowTest::editingEitherBoxClearsTheResult() {
  Start("10", "3");
  w().Edit2->setText("4");
  QVERIFY(w().RichEdit1->toPlainText().isEmpty());
  QVERIFY(w().Memo2->isHidden());
  Start("10", "3");
  w().Edit1->setText("11");
  QVERIFY(w().RichEdit1->toPlainText().isEmpty());
  QVERIFY(w().Memo2->isHidden());
}

}  // namespace taketa

QTEST_MAIN(taketa::JunretuWindowTest)
#include "test_junretu_window.moc"
