// Start-up and the main menu: nineteen windows in their order, only the
// menu shown, each menu button showing its window; what all the calculator
// windows have alike: a name for every box, scroll bars on long results.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

#include "app/menu_window.h"
#include "app/window_instances.h"
#include "calculators/ensyuuritu/ensyuuritu_window.h"
#include "calculators/heihoukon1/heihoukon1_window.h"
#include "calculators/heihoukon2/heihoukon2_window.h"
#include "calculators/kaijou/kaijou_window.h"
#include "calculators/kakezan/kakezan_window.h"
#include "calculators/ruijou/ruijou_window.h"
#include "calculators/sizentaisuu/sizentaisuu_window.h"
#include "calculators/soinsuu2/soinsuu2_window.h"
#include "calculators/warizan1/warizan1_window.h"
#include "calculators/warizan3/warizan3_window.h"
#include "calculators/warizan4/warizan4_window.h"
#include "frame/controls.h"
#include "tests/gui/scripted_desktop.h"

namespace taketa {

class AppTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    CreateWindows();
    frm_menu->ShowFromMenu();
  }
  void cleanupTestCase() { DestroyWindows(); }

  void windowsInOrder();
  void menuLabelsAndButtons();
  void tabOrderStartsWithExit();
  void buttonsShowTheirWindows_data();
  void buttonsShowTheirWindows();
  void noButtonShowsWarizan1();
  void everyBoxHasAName();
  void longResultsScroll();
  void closingTheMenuStopsRunsAndEnds();
};

void AppTest::windowsInOrder() {
  const QStringList expected = {
      "frm_menu",          "frm_ensyuuritu",   "frm_sizentaisuunotei", "frm_heihoukon1",
      "frm_heihoukon2",    "frm_Njoukon",      "frm_kakezan",          "frm_warizan1",
      "frm_warizan3",      "frm_kaijou",       "frm_ruijou",           "frm_soinsuu2",
      "frm_junretu",       "frm_kumiawase",    "frm_warizan4",         "frm_yuurisuubeki",
      "frm_yuurisuubeki2", "frm_jouyoutaisuu", "frm_sizentaisuu"};
  QStringList names;
  for (CalculatorWindow* window : CreatedWindows()) {
    names << window->objectName();
    QCOMPARE(window->windowTitle(), window->objectName());
    QCOMPARE(window->isVisible(), window == static_cast<CalculatorWindow*>(frm_menu));
  }
  QCOMPARE(names, expected);
}

void AppTest::menuLabelsAndButtons() {
  QCOMPARE(frm_menu->findChild<QLabel*>("Label1")->text(),
           QString("下のどれか１つを選んでください。"));
  QCOMPARE(frm_menu->findChild<QLabel*>("Label1")->pos(), QPoint(56, 25));
  QCOMPARE(frm_menu->findChild<QLabel*>("Label3")->pos(), QPoint(700, 25));
  QCOMPARE(frm_menu->findChild<QLabel*>("Label2")->pos(), QPoint(852, 638));
  const QList<QPushButton*> buttons = frm_menu->findChildren<QPushButton*>();
  QCOMPARE(buttons.size(), 18);
  QCOMPARE(frm_menu->Button1->text(), QString("終了"));
  QCOMPARE(frm_menu->Button1->geometry(), QRect(56, 632, 81, 25));
  QCOMPARE(frm_menu->Button4->text(),
           QString("素因数分解（ 50桁以内の自然数を素因数に分解します)"));
  QCOMPARE(frm_menu->Button4->y(), 54);
  QCOMPARE(frm_menu->Button16->y(), 598);
  for (QPushButton* button : buttons) {
    QCOMPARE(button->x(), 56);
    QCOMPARE(button->height(), 25);
    if (button != frm_menu->Button1) {
      QVERIFY2(button->width() >= 300 && button->width() <= 1100, qPrintable(button->objectName()));
    }
  }
}

void AppTest::tabOrderStartsWithExit() {
  QWidget* order[] = {frm_menu->Button1,  frm_menu->Button4,  frm_menu->Button2,
                      frm_menu->Button3,  frm_menu->Button6,  frm_menu->Button5,
                      frm_menu->Button7,  frm_menu->Button13, frm_menu->Button14,
                      frm_menu->Button18, frm_menu->Button8,  frm_menu->Button17,
                      frm_menu->Button11, frm_menu->Button10, frm_menu->Button19,
                      frm_menu->Button12, frm_menu->Button15, frm_menu->Button16};
  // The buttons in the order Tab reaches them, from 終了 on.
  QList<QWidget*> chain = {frm_menu->Button1};
  for (QWidget* w = frm_menu->Button1->nextInFocusChain(); w != frm_menu->Button1;
       w = w->nextInFocusChain()) {
    if (qobject_cast<QPushButton*>(w)) chain << w;
  }
  QCOMPARE(chain, QList<QWidget*>(std::begin(order), std::end(order)));
}

void AppTest::buttonsShowTheirWindows_data() {
  QTest::addColumn<QString>("button");
  QTest::addColumn<QString>("window");
  const char* rows[][2] = {
      {"Button4", "frm_soinsuu2"},         {"Button2", "frm_ensyuuritu"},
      {"Button3", "frm_sizentaisuunotei"}, {"Button6", "frm_heihoukon2"},
      {"Button5", "frm_heihoukon1"},       {"Button7", "frm_Njoukon"},
      {"Button13", "frm_ruijou"},          {"Button14", "frm_yuurisuubeki"},
      {"Button18", "frm_yuurisuubeki2"},   {"Button8", "frm_kakezan"},
      {"Button17", "frm_warizan4"},        {"Button11", "frm_warizan3"},
      {"Button10", "frm_sizentaisuu"},     {"Button19", "frm_jouyoutaisuu"},
      {"Button12", "frm_kaijou"},          {"Button15", "frm_junretu"},
      {"Button16", "frm_kumiawase"},
  };
  for (const auto& row : rows) QTest::newRow(row[0]) << row[0] << row[1];
}

void AppTest::buttonsShowTheirWindows() {
  QFETCH(QString, button);
  QFETCH(QString, window);
  CalculatorWindow* target = nullptr;
  for (CalculatorWindow* w : CreatedWindows())
    if (w->objectName() == window) target = w;
  QVERIFY(target);
  QVERIFY(!target->isVisible());
  QPushButton* b = frm_menu->findChild<QPushButton*>(button);
  b->click();
  QVERIFY(target->isVisible());
  b->click();  // the same object again, still one
  QVERIFY(target->isVisible());
  int shown = 0;
  for (CalculatorWindow* w : CreatedWindows()) shown += w->objectName() == window;
  QCOMPARE(shown, 1);
  target->close();
  QVERIFY(!target->isVisible());
}

void AppTest::noButtonShowsWarizan1() {
  CalculatorWindow* warizan1 = CreatedWindows()[7];
  QCOMPARE(warizan1->objectName(), QString("frm_warizan1"));
  for (QPushButton* button : frm_menu->findChildren<QPushButton*>()) {
    if (button == frm_menu->Button1) continue;
    button->click();
    QVERIFY(!warizan1->isVisible());
  }
  for (CalculatorWindow* w : CreatedWindows())
    if (w != static_cast<CalculatorWindow*>(frm_menu)) w->close();
}

void AppTest::everyBoxHasAName() {
  for (CalculatorWindow* window : CreatedWindows()) {
    QStringList names;
    for (QWidget* box : window->findChildren<QWidget*>()) {
      if (!qobject_cast<QLineEdit*>(box) && !qobject_cast<QPlainTextEdit*>(box)) continue;
      QVERIFY2(!box->accessibleName().isEmpty(),
               qPrintable(window->objectName() + ' ' + box->objectName()));
      names << box->accessibleName();
    }
    QCOMPARE(names.removeDuplicates(), 0);
  }
  QCOMPARE(frm_ensyuuritu->Edit1->accessibleName(), QString("円周率の桁数"));
  QCOMPARE(frm_ensyuuritu->Memo1->accessibleName(), QString("計算結果"));
  QCOMPARE(frm_ensyuuritu->Memo2->accessibleName(), QString("進行状況"));
  QCOMPARE(frm_warizan3->Memo4->accessibleName(), QString("Ａ÷Ｂの余り"));
  QCOMPARE(frm_sizentaisuu->Edit2->accessibleName(), QString("求める自然対数"));
}

void AppTest::longResultsScroll() {
  const std::pair<CalculatorWindow*, QPlainTextEdit*> asNeeded[] = {
      {frm_kakezan, frm_kakezan->Memo3},   {frm_warizan1, frm_warizan1->Memo1},
      {frm_warizan3, frm_warizan3->Memo3}, {frm_warizan3, frm_warizan3->Memo4},
      {frm_warizan4, frm_warizan4->Memo3}, {frm_heihoukon1, frm_heihoukon1->Memo2}};
  for (const auto& [window, box] : asNeeded) {
    window->ShowFromMenu();
    QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    box->setPlainText("12345");
    QApplication::processEvents();
    QVERIFY2(!box->verticalScrollBar()->isVisible(), qPrintable(box->objectName()));
    box->setPlainText(QString(20000, '7'));
    QApplication::processEvents();
    QVERIFY2(box->verticalScrollBar()->isVisible(), qPrintable(box->objectName()));
    window->close();
  }
  // The boxes that always had one keep it.
  for (QPlainTextEdit* box :
       {frm_ensyuuritu->Memo1, frm_soinsuu2->Memo1, frm_heihoukon2->Memo2, frm_ruijou->Memo2,
        static_cast<QPlainTextEdit*>(frm_kaijou->RichEdit1)}) {
    QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  }
}

// Last: the menu closes every window, so that a running calculation ends as
// stopped, and the program ends.
void AppTest::closingTheMenuStopsRunsAndEnds() {
  testing::ScriptedDesktop desktop;
  frm_menu->Button2->click();
  frm_ensyuuritu->Edit1->setText("60000");
  // 終了 is pressed at the run's first event pass.
  QTimer poll;
  poll.setInterval(0);
  connect(&poll, &QTimer::timeout, frm_menu, [&poll] {
    if (frm_ensyuuritu->Button1->text() != "計算中止") return;
    poll.stop();
    frm_menu->Button1->click();
  });
  poll.start();
  frm_ensyuuritu->Button1->click();
  QVERIFY(frm_ensyuuritu->Memo1->toPlainText().isEmpty());
  QVERIFY(desktop.questions.isEmpty());
  QVERIFY(!frm_ensyuuritu->isVisible());
  QVERIFY(!frm_menu->isVisible());
}

}  // namespace taketa

QTEST_MAIN(taketa::AppTest)
#include "test_app.moc"
