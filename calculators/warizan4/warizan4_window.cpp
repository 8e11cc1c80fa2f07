#include "calculators/warizan4/warizan4_window.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "calculators/warizan4/warizan4_calc.h"
#include "frame/controls.h"
#include "frame/length_counter.h"
#include "frame/run_protocol.h"

namespace taketa {

Tfrm_warizan4::Tfrm_warizan4()
    : CalculatorWindow(QStringLiteral("frm_warizan4")),
      Label2(
          AddLabel("Label2",
                   QStringLiteral("2000桁以内の正の数(整数または小数)同士の割り算(Ａ÷Ｂ)をします。"
                                  "商が循環小数であるときには、商を20000桁まで求めます。"),
                   40, 20)),
      Label1(AddLabel("Label1", QStringLiteral("Ａ＝"), 40, 56)),
      Memo1(AddMemo("Memo1", 80, 52, 900, 110, {.scrollBar = ScrollBar::kAlways})),
      Label3(AddLabel("Label3", QStringLiteral("Ｂ＝"), 40, 180)),
      Memo2(AddMemo("Memo2", 80, 176, 900, 110)),
      Label4(AddLabel("Label4", QStringLiteral("Ａ÷Ｂ＝"), 40, 346)),
      Memo3(AddMemo("Memo3", 40, 368, 940, 324,
                    {.scrollBar = ScrollBar::kAsNeeded, .tabStop = false})),
      Memo4(AddMemo("Memo4", 80, 302, 170, 24, {.readOnly = true, .wrap = false})),
      Button1(AddButton("Button1", QStringLiteral("計算開始"), 560, 300, 90, 28)),
      Button3(AddButton("Button3", QStringLiteral("数字の消去"), 670, 300, 100, 28)),
      Button2(AddButton("Button2", QStringLiteral("終了"), 790, 300, 81, 28)),
      finished_(this, {Memo3}) {
  NameBoxes({{Memo1, QStringLiteral("割られる数Ａ")},
             {Memo2, QStringLiteral("割る数Ｂ")},
             {Memo3, QStringLiteral("計算結果：Ａ÷Ｂ")},
             {Memo4, QStringLiteral("入力文字数")}});
  StartOnEnter({Memo1, Memo2}, Button1);
  Memo4->setVisible(false);
  connect(Button1, &QPushButton::clicked, this, &Tfrm_warizan4::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &Tfrm_warizan4::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &Tfrm_warizan4::Button3Click);
  connect(Memo1, &QPlainTextEdit::textChanged, this, &Tfrm_warizan4::Memo1Change);
  connect(Memo2, &QPlainTextEdit::textChanged, this, &Tfrm_warizan4::Memo2Change);
}

void Tfrm_warizan4::Button3Click() {
  for (QPlainTextEdit* box : {Memo1, Memo2, Memo3}) box->clear();
  Memo4->setVisible(false);
  Memo1->setFocus();
}

void Tfrm_warizan4::Memo1Change() {
  Memo3->clear();
  ShowLength(Memo4, Memo1);
  CheckTypedText(this, Memo1, false);
}

void Tfrm_warizan4::Memo2Change() {
  Memo3->clear();
  ShowLength(Memo4, Memo2);
  CheckTypedText(this, Memo2, false);
}

void Tfrm_warizan4::Button1Click() {
  BeginOneShot({Memo3});
  UnstoppableRun control;
  const UnitOutcome outcome = warizan4::RunUnit(BoxTexts({Memo1, Memo2}), control);
  if (outcome.status == UnitOutcome::Status::kRefused) {
    ReportInputError(this, outcome.error, {Memo1, Memo2}, Memo4);
    return;
  }
  SetText(Memo3, outcome.shown[0]);
  finished_.KeepAndOffer(outcome.file);
  Memo1->setFocus();
}

}  // namespace taketa
