#include "calculators/heihoukon1/heihoukon1_window.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "calculators/heihoukon1/heihoukon1_calc.h"
#include "frame/controls.h"
#include "frame/length_counter.h"
#include "frame/run_protocol.h"

namespace taketa {

Tfrm_heihoukon1::Tfrm_heihoukon1()
    : CalculatorWindow(QStringLiteral("frm_heihoukon1")),
      Label1(AddLabel("Label1",
                      QStringLiteral("10000桁以内の自然数Ｎの正の平方根の整数部分を求めます。"), 40,
                      20)),
      Label2(AddLabel("Label2", QStringLiteral("Ｎ＝"), 40, 56)),
      Memo1(AddMemo("Memo1", 80, 52, 900, 250, {.scrollBar = ScrollBar::kAlways})),
      Label3(AddLabel("Label3", QStringLiteral("Ｎの平方根の整数部分＝"), 40, 368)),
      Memo2(AddMemo("Memo2", 40, 390, 940, 300,
                    {.scrollBar = ScrollBar::kAsNeeded, .tabStop = false})),
      Memo3(AddMemo("Memo3", 80, 318, 170, 24, {.wrap = false})),
      Button1(AddButton("Button1", QStringLiteral("計算開始"), 560, 316, 90, 28)),
      Button2(AddButton("Button2", QStringLiteral("数字の消去"), 670, 316, 100, 28)),
      Button3(AddButton("Button3", QStringLiteral("終了"), 790, 316, 81, 28)),
      finished_(this, {Memo2}) {
  NameBoxes({{Memo1, QStringLiteral("平方根を求める自然数Ｎ")},
             {Memo2, QStringLiteral("Ｎの平方根の整数部分")},
             {Memo3, QStringLiteral("入力文字数")}});
  StartOnEnter({Memo1}, Button1);
  Memo3->setVisible(false);
  connect(Button1, &QPushButton::clicked, this, &Tfrm_heihoukon1::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &Tfrm_heihoukon1::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &Tfrm_heihoukon1::Button3Click);
  connect(Memo1, &QPlainTextEdit::textChanged, this, &Tfrm_heihoukon1::Memo1Change);
}

void Tfrm_heihoukon1::FormShow() { Button2Click(); }

void Tfrm_heihoukon1::Button2Click() {
  Memo1->clear();
  Memo2->clear();
  Memo3->setVisible(false);
  Memo1->setFocus();
}

void Tfrm_heihoukon1::Memo1Change() {
  Memo2->clear();
  ShowLength(Memo3, Memo1);
  CheckTypedText(this, Memo1, true);
}

void Tfrm_heihoukon1::Button1Click() {
  BeginOneShot({Memo2});
  UnstoppableRun control;
  const UnitOutcome outcome = heihoukon1::RunUnit(BoxTexts({Memo1}), control);
  if (outcome.status == UnitOutcome::Status::kRefused) {
    ReportInputError(this, outcome.error, {Memo1});
    return;
  }
  SetText(Memo2, outcome.shown[0]);
  finished_.KeepAndOffer(outcome.file);
  Memo1->setFocus();
}

}  // namespace taketa
