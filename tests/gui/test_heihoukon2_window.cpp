// The square root window: controls, the line-break check without a digit
// check, checks and their messages, the wait notice, exact and cut roots
// and the saved file.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "calculators/heihoukon2/heihoukon2_window.h"
#include "tests/gui/visibility_log.h"
#include "tests/gui/window_fixture.h"

namespace taketa {

class Heihoukon2WindowTest : public testing::WindowTest<Tfrm_heihoukon2> {
  Q_OBJECT

 private slots:
  void controls();
  void typingChecks();
  void refusesInput_data();
  void refusesInput();
  void exactAndCutRoots();
  void showingAgain();

 private:
  void Start(const QString& a, std::deque<bool> answers = {}) {
    Type(w().Memo3, a);
    AnswerNext(std::move(answers));
    w().Button1->click();
  }
};

void Heihoukon2WindowTest::controls() {
  QCOMPARE(w().objectName(), QString("frm_heihoukon2"));
  auto label = [&](const char* name) { return w().findChild<QLabel*>(name)->text(); };
  QCOMPARE(label("Label1"),
           QString("200桁以内の正の数Ａ(整数または小数)の正の平方根を（それが無理数であるとき"
                   "には、10000桁まで）求めます。"));
  QCOMPARE(label("Label2"), QString("Ａ＝"));
  QCOMPARE(label("Label3"), QString("求める平方根"));
  QCOMPARE(w().findChild<QPushButton*>("Button1")->text(), QString("計算開始"));
  QCOMPARE(w().findChild<QPushButton*>("Button3")->text(), QString("終了"));
  QVERIFY(!w().findChild<QPushButton*>("Button2"));  // no clear button
  auto memo = [&](const char* name) { return w().findChild<QPlainTextEdit*>(name); };
  QCOMPARE(memo("Memo2")->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  QCOMPARE(memo("Memo2")->focusPolicy(), Qt::ClickFocus);
  QCOMPARE(memo("Memo1")->focusPolicy(), Qt::ClickFocus);
  QVERIFY(memo("Memo1")->isHidden());
  QVERIFY(memo("Memo4")->isHidden());
  QCOMPARE(memo("Memo4")->toPlainText(), QString(" 計算中です。"));
  QCOMPARE(w().focusWidget(), w().Memo3);
}

void Heihoukon2WindowTest::typingChecks() {
  w().Memo2->setPlainText("2");
  w().Memo3->setPlainText("2.2a");  // no digit check while typing
  QVERIFY(w().Memo2->toPlainText().isEmpty());
  QCOMPARE(w().Memo1->toPlainText(), QString("入力文字数＝4"));
  QVERIFY(!w().Memo1->isHidden());
  QVERIFY(desktop().messages.isEmpty());
  w().Memo3->setPlainText("4\n");
  QCOMPARE(desktop().messages,
           QStringList({"BackSpaceキーを押して、改行コードを取り除いてください。"}));
  QCOMPARE(w().Memo1->toPlainText(), QString("入力文字数＝3"));
}

void Heihoukon2WindowTest::refusesInput_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("message");
  const QString range = "半角数字で200桁以内の正の数を入力してください。";
  QTest::newRow("line break") << "4\n"
                              << "BackSpaceキーを押して、改行コードを取り除いてください。";
  QTest::newRow("201 digits") << QString(201, '4') << "入力文字数を200以下にしてください。";
  QTest::newRow("202 with a point") << QString(201, '4') + "."
                                    << "小数点を含めた入力文字数を201以下にしてください。";
  QTest::newRow("letter") << "4a" << range;
  QTest::newRow("two points") << "1.2.3" << range;
  QTest::newRow("empty") << "" << range;
  QTest::newRow("lone point") << "." << range;
  QTest::newRow("zero") << "0.00" << range;
}

void Heihoukon2WindowTest::refusesInput() {
  QFETCH(QString, text);
  QFETCH(QString, message);
  testing::VisibilityLog notice(w().Memo4);
  w().Memo3->setPlainText(text);
  w().Button1->setFocus();
  desktop().Clear();
  w().Button1->click();
  CheckRefused(message, w().Memo3);
  QVERIFY(notice.events.isEmpty());
  QVERIFY(w().Memo2->toPlainText().isEmpty());
}

void Heihoukon2WindowTest::exactAndCutRoots() {
  testing::VisibilityLog notice(w().Memo4);
  Start("1.00", {true, false});
  QCOMPARE(w().Memo2->toPlainText(), QString("1.0"));
  QCOMPARE(notice.events, QStringList({"shown", "hidden"}));
  QCOMPARE(SavedTempFile(),
           QByteArray("1.00\x82\xcc\x95\xbd\x95\xfb\x8d\xaa\x81i10000\x8c\x85\x81j\r\n1.0\r\n"));
  QCOMPARE(w().focusWidget(), w().Memo3);
  for (const auto& [a, root] : {std::pair<const char*, const char*>{".25", ".5"},
                                {"4.", "2."},
                                {"0.0001", "0.01"},
                                {"6.25", "2.5"}}) {
    Start(a);
    QCOMPARE(w().Memo2->toPlainText(), QString(root));
  }
  Start("0002", {true, false});
  const QString root = w().Memo2->toPlainText();
  QCOMPARE(root.size(), 10001);
  QVERIFY(root.startsWith("01.4142135623730950488016887242096980785696718753769"));
  const QByteArray saved = SavedTempFile();
  QVERIFY(saved.startsWith(
      "0002\x82\xcc\x95\xbd\x95\xfb\x8d\xaa\x81i10000\x8c\x85\x81j\r\n01.41421356"));
  QCOMPARE(saved.size(), 4 + 19 + 2 + 10001 + 2);
  QCOMPARE(w().focusWidget(), w().Memo3);
}

void Heihoukon2WindowTest::showingAgain() {
  Start("2.25");
  QCOMPARE(w().Memo2->toPlainText(), QString("1.5"));
  w().Button3->click();
  QVERIFY(w().isHidden());
  w().ShowFromMenu();
  QVERIFY(w().Memo2->toPlainText().isEmpty());
  QVERIFY(w().Memo3->toPlainText().isEmpty());
  QVERIFY(w().Memo1->isHidden());
  QVERIFY(w().Memo4->isHidden());
  QCOMPARE(w().focusWidget(), w().Memo3);
}

}  // namespace taketa

QTEST_MAIN(taketa::Heihoukon2WindowTest)
#include "test_heihoukon2_window.moc"
