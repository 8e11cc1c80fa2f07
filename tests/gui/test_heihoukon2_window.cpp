// The square root window: controls, the line-break check without a digit
// check, checks and their messages, the wait notice, exact and cut roots
// and the saved file.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "calculators/heihoukon2/heihoukon2_window.h"
#include "tests/gui/scripted_desktop.h"
#include "tests/gui/visibility_log.h"

namespace taketa {

class Heihoukon2WindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    desktop_ = std::make_unique<testing::ScriptedDesktop>();
    w_ = std::make_unique<Tfrm_heihoukon2>();
    w_->ShowFromMenu();
  }
  void cleanup() {
    w_.reset();
    desktop_.reset();
  }

  void controls();
  void typingChecks();
  void refusesInput_data();
  void refusesInput();
  void exactAndCutRoots();
  void showingAgain();

 private:
  void Start(const QString& a, std::deque<bool> answers = {}) {
    w_->Memo3->setPlainText(a);
    desktop_->Clear();
    desktop_->answers = std::move(answers);
    w_->Button1->click();
  }

  std::unique_ptr<testing::ScriptedDesktop> desktop_;
  std::unique_ptr<Tfrm_heihoukon2> w_;
};

void Heihoukon2WindowTest::controls() {
  QCOMPARE(w_->objectName(), QString("frm_heihoukon2"));
  auto label = [&](const char* name) { return w_->findChild<QLabel*>(name)->text(); };
  QCOMPARE(label("Label1"), QString("200桁以内の正の数Ａ(整数または小数)の正の平方根を（それが無理数であるとき"
                                    "には、10000桁まで）求めます。"));
  QCOMPARE(label("Label2"), QString("Ａ＝"));
  QCOMPARE(label("Label3"), QString("求める平方根"));
  QCOMPARE(w_->findChild<QPushButton*>("Button1")->text(), QString("計算開始"));
  QCOMPARE(w_->findChild<QPushButton*>("Button3")->text(), QString("終了"));
  QVERIFY(!w_->findChild<QPushButton*>("Button2"));  // no clear button
  auto memo = [&](const char* name) { return w_->findChild<QPlainTextEdit*>(name); };
  QCOMPARE(memo("Memo2")->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  QCOMPARE(memo("Memo2")->focusPolicy(), Qt::ClickFocus);
  QCOMPARE(memo("Memo1")->focusPolicy(), Qt::ClickFocus);
  QVERIFY(memo("Memo1")->isHidden());
  QVERIFY(memo("Memo4")->isHidden());
  QCOMPARE(memo("Memo4")->toPlainText(), QString(" 計算中です。"));
  QCOMPARE(w_->focusWidget(), w_->Memo3);
}

void Heihoukon2WindowTest::typingChecks() {
  w_->Memo2->setPlainText("2");
  w_->Memo3->setPlainText("2.2a");  // no digit check while typing
  QVERIFY(w_->Memo2->toPlainText().isEmpty());
  QCOMPARE(w_->Memo1->toPlainText(), QString("入力文字数＝4"));
  QVERIFY(!w_->Memo1->isHidden());
  QVERIFY(desktop_->messages.isEmpty());
  w_->Memo3->setPlainText("4\n");
  QCOMPARE(desktop_->messages, QStringList({"BackSpaceキーを押して、改行コードを取り除いてください。"}));
  QCOMPARE(w_->Memo1->toPlainText(), QString("入力文字数＝3"));
}

void Heihoukon2WindowTest::refusesInput_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("message");
  const QString range = "半角数字で200桁以内の正の数を入力してください。";
  QTest::newRow("line break") << "4\n" << "BackSpaceキーを押して、改行コードを取り除いてください。";
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
  testing::VisibilityLog notice(w_->Memo4);
  w_->Memo3->setPlainText(text);
  w_->Button1->setFocus();
  desktop_->Clear();
  w_->Button1->click();
  QCOMPARE(desktop_->messages, QStringList({message}));
  QCOMPARE(desktop_->beeps, 1);
  QCOMPARE(w_->focusWidget(), w_->Memo3);
  QVERIFY(notice.events.isEmpty());
  QVERIFY(w_->Memo2->toPlainText().isEmpty());
  QVERIFY(desktop_->questions.isEmpty());
}

void Heihoukon2WindowTest::exactAndCutRoots() {
  testing::VisibilityLog notice(w_->Memo4);
  Start("1.00", {true, false});
  QCOMPARE(w_->Memo2->toPlainText(), QString("1.0"));
  QCOMPARE(notice.events, QStringList({"shown", "hidden"}));
  QCOMPARE(testing::ScriptedDesktop::Read(desktop_->primary().file),
           QByteArray("1.00\x82\xcc\x95\xbd\x95\xfb\x8d\xaa\x81i10000\x8c\x85\x81j\r\n1.0\r\n"));
  QCOMPARE(w_->focusWidget(), w_->Memo3);
  for (const auto& [a, root] : {std::pair<const char*, const char*>{".25", ".5"}, {"4.", "2."},
                                {"0.0001", "0.01"}, {"6.25", "2.5"}}) {
    Start(a);
    QCOMPARE(w_->Memo2->toPlainText(), QString(root));
  }
  Start("0002", {true, false});
  const QString root = w_->Memo2->toPlainText();
  QCOMPARE(root.size(), 10001);
  QVERIFY(root.startsWith("01.4142135623730950488016887242096980785696718753769"));
  const QByteArray saved = testing::ScriptedDesktop::Read(desktop_->primary().file);
  QVERIFY(saved.startsWith("0002\x82\xcc\x95\xbd\x95\xfb\x8d\xaa\x81i10000\x8c\x85\x81j\r\n01.41421356"));
  QCOMPARE(saved.size(), 4 + 19 + 2 + 10001 + 2);
  QCOMPARE(w_->focusWidget(), w_->Memo3);
}

void Heihoukon2WindowTest::showingAgain() {
  Start("2.25");
  QCOMPARE(w_->Memo2->toPlainText(), QString("1.5"));
  w_->Button3->click();
  QVERIFY(w_->isHidden());
  w_->ShowFromMenu();
  QVERIFY(w_->Memo2->toPlainText().isEmpty());
  QVERIFY(w_->Memo3->toPlainText().isEmpty());
  QVERIFY(w_->Memo1->isHidden());
  QVERIFY(w_->Memo4->isHidden());
  QCOMPARE(w_->focusWidget(), w_->Memo3);
}

}  // namespace taketa

QTEST_MAIN(taketa::Heihoukon2WindowTest)
#include "test_heihoukon2_window.moc"
