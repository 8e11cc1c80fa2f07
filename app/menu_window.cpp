#include "app/menu_window.h"

#include <QApplication>
#include <QDate>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include "app/window_instances.h"
#include "calculators/Njoukon/Njoukon_window.h"
#include "calculators/ensyuuritu/ensyuuritu_window.h"
#include "calculators/heihoukon1/heihoukon1_window.h"
#include "calculators/heihoukon2/heihoukon2_window.h"
#include "calculators/jouyoutaisuu/jouyoutaisuu_window.h"
#include "calculators/junretu/junretu_window.h"
#include "calculators/kaijou/kaijou_window.h"
#include "calculators/kakezan/kakezan_window.h"
#include "calculators/kumiawase/kumiawase_window.h"
#include "calculators/ruijou/ruijou_window.h"
#include "calculators/sizentaisuu/sizentaisuu_window.h"
#include "calculators/sizentaisuunotei/sizentaisuunotei_window.h"
#include "calculators/soinsuu2/soinsuu2_window.h"
#include "calculators/warizan1/warizan1_window.h"
#include "calculators/warizan3/warizan3_window.h"
#include "calculators/warizan4/warizan4_window.h"
#include "calculators/yuurisuubeki/yuurisuubeki_window.h"
#include "calculators/yuurisuubeki2/yuurisuubeki2_window.h"

namespace taketa {
namespace {

// "バージョン 1.0.0（2026年12月）": the version and the month of its release.
QString VersionLine() {
  const QDate released = QDate::fromString(QStringLiteral(TAKETA_RELEASE_DATE), Qt::ISODate);
  return QStringLiteral("バージョン %1（%2年%3月）")
      .arg(QStringLiteral(TAKETA_VERSION))
      .arg(released.year())
      .arg(released.month());
}

}  // namespace

Tfrm_menu::Tfrm_menu() : CalculatorWindow(QStringLiteral("frm_menu")) {
  setFont(ProportionalGothicFont(15));
  Label1 = AddLabel("Label1", QStringLiteral("下のどれか１つを選んでください。"), 56, 25);
  Label3 = AddLabel("Label3", VersionLine(), 700, 25);
  Label2 = AddLabel("Label2", QStringLiteral("多桁 開発チーム"), 852, 638);
  for (QLabel* label : {Label1, Label2, Label3}) {
    label->setFont(GothicFont(16));
    label->adjustSize();
  }

  Button4 =
      AddMenuButton("Button4", QStringLiteral("素因数分解（ 50桁以内の自然数を素因数に分解します)"),
                    54, &Tfrm_menu::Button4Click);
  Button2 =
      AddMenuButton("Button2", QStringLiteral("円周率の算出（ 60000桁まで求めることができます)"),
                    88, &Tfrm_menu::Button2Click);
  Button3 = AddMenuButton("Button3",
                          QStringLiteral("自然対数の底の算出（ 60000桁まで求めることができます)"),
                          122, &Tfrm_menu::Button3Click);
  Button6 = AddMenuButton(
      "Button6",
      QStringLiteral(
          "平方根（ 200桁以内の正の整数または小数に対して、その平方根が無理数であるときには、10000桁まで求めます)"),
      156, &Tfrm_menu::Button6Click);
  Button5 = AddMenuButton(
      "Button5",
      QStringLiteral(
          "平方根の整数部分（ 10000桁以内の自然数に対して、その平方根の整数部分を求めます)"),
      190, &Tfrm_menu::Button5Click);
  Button7 = AddMenuButton(
      "Button7",
      QStringLiteral(
          "Ｎ乗根（ 2≦Ｎ≦300 ）（ 20桁以内の正の整数または小数の2乗根から300乗根までを100桁まで求めます)"),
      224, &Tfrm_menu::Button7Click);
  Button13 = AddMenuButton(
      "Button13",
      QStringLiteral(
          "累乗（ 自然数べき ）（ 100桁以内の正の整数または小数の2乗から10000乗までを求めます)"),
      258, &Tfrm_menu::Button13Click);
  Button14 = AddMenuButton(
      "Button14",
      QStringLiteral(
          "累乗（ 小数べき ）１（ 12桁まで求めます。これは多倍長数値計算ではありません)"),
      292, &Tfrm_menu::Button14Click);
  Button18 = AddMenuButton(
      "Button18",
      QStringLiteral(
          "累乗（ 小数べき ）２（ 20桁以内の正の整数または小数に対して、小数べきを50桁まで求めます)"),
      326, &Tfrm_menu::Button18Click);
  Button8 = AddMenuButton(
      "Button8",
      QStringLiteral(
          "かけ算（ 5000桁×5000桁 ）（ 5000桁以内の２つの正の整数または小数のかけ算を行います)"),
      360, &Tfrm_menu::Button8Click);
  Button17 = AddMenuButton(
      "Button17",
      QStringLiteral(
          "わり算１（ 2000桁÷2000桁 ）（ 2000桁以内の２つの正の整数または小数に対して、商が循環小数であるときには、商を20000桁まで求めます)"),
      394, &Tfrm_menu::Button17Click);
  Button11 = AddMenuButton(
      "Button11",
      QStringLiteral(
          "わり算２（ 整商と余り ）（ 60000桁以内の２つの正の整数に対して、整商と余りを求めます)"),
      428, &Tfrm_menu::Button11Click);
  Button10 = AddMenuButton(
      "Button10",
      QStringLiteral(
          "自然対数（ 20桁以内の正の整数または小数の自然対数を小数点以下50桁まで求めます)"),
      462, &Tfrm_menu::Button10Click);
  Button19 = AddMenuButton(
      "Button19",
      QStringLiteral(
          "常用対数（ 20桁以内の正の整数または小数の常用対数を小数点以下50桁まで求めます)"),
      496, &Tfrm_menu::Button19Click);
  Button12 = AddMenuButton("Button12", QStringLiteral("階乗（ 50000以下の自然数の階乗を求めます)"),
                           530, &Tfrm_menu::Button12Click);
  Button15 = AddMenuButton(
      "Button15", QStringLiteral("順列の総数 nPr（ 50000以下の自然数 n に対して、nPrを求めます)"),
      564, &Tfrm_menu::Button15Click);
  Button16 = AddMenuButton(
      "Button16", QStringLiteral("組合せの総数 nCr（ 50000以下の自然数 n に対して、nCrを求めます)"),
      598, &Tfrm_menu::Button16Click);
  Button1 = AddMenuButton("Button1", QStringLiteral("終了"), 632, &Tfrm_menu::Button1Click);
  Button1->resize(81, 25);

  // Tab order: 終了 first, then the buttons from the top down.
  QWidget* order[] = {Button1,  Button4,  Button2,  Button3,  Button6,  Button5,
                      Button7,  Button13, Button14, Button18, Button8,  Button17,
                      Button11, Button10, Button19, Button12, Button15, Button16};
  for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
}

QPushButton* Tfrm_menu::AddMenuButton(const char* name, const QString& caption, int top,
                                      void (Tfrm_menu::*handler)()) {
  const QFont font = GothicFont(16);
  const int width = QFontMetrics(font).horizontalAdvance(caption) + 24;
  QPushButton* button = AddButton(name, caption, 56, top, width, 25);
  button->setFont(font);
  connect(button, &QPushButton::clicked, this, handler);
  return button;
}

void Tfrm_menu::FormClose() {
  for (CalculatorWindow* window : CreatedWindows()) {
    if (window != this) window->close();
  }
  QApplication::quit();
}

void Tfrm_menu::Button1Click() { close(); }
void Tfrm_menu::Button2Click() { frm_ensyuuritu->ShowFromMenu(); }
void Tfrm_menu::Button3Click() { frm_sizentaisuunotei->ShowFromMenu(); }
void Tfrm_menu::Button4Click() { frm_soinsuu2->ShowFromMenu(); }
void Tfrm_menu::Button5Click() { frm_heihoukon1->ShowFromMenu(); }
void Tfrm_menu::Button6Click() { frm_heihoukon2->ShowFromMenu(); }
void Tfrm_menu::Button7Click() { frm_Njoukon->ShowFromMenu(); }
void Tfrm_menu::Button8Click() { frm_kakezan->ShowFromMenu(); }
void Tfrm_menu::Button9Click() { frm_warizan1->ShowFromMenu(); }
void Tfrm_menu::Button10Click() { frm_sizentaisuu->ShowFromMenu(); }
void Tfrm_menu::Button11Click() { frm_warizan3->ShowFromMenu(); }
void Tfrm_menu::Button12Click() { frm_kaijou->ShowFromMenu(); }
void Tfrm_menu::Button13Click() { frm_ruijou->ShowFromMenu(); }
void Tfrm_menu::Button14Click() { frm_yuurisuubeki->ShowFromMenu(); }
void Tfrm_menu::Button15Click() { frm_junretu->ShowFromMenu(); }
void Tfrm_menu::Button16Click() { frm_kumiawase->ShowFromMenu(); }
void Tfrm_menu::Button17Click() { frm_warizan4->ShowFromMenu(); }
void Tfrm_menu::Button18Click() { frm_yuurisuubeki2->ShowFromMenu(); }
void Tfrm_menu::Button19Click() { frm_jouyoutaisuu->ShowFromMenu(); }

}  // namespace taketa
