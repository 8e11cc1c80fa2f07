#include "calculators/kakezan/kakezan_window.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <string>

#include "calculators/kakezan/kakezan_calc.h"
#include "frame/controls.h"
#include "frame/length_counter.h"
#include "frame/run_protocol.h"

namespace taketa {

Tfrm_kakezan::Tfrm_kakezan()
    : CalculatorWindow(QStringLiteral("frm_kakezan")),
      Label2(AddLabel(
          "Label2",
          QStringLiteral("5000桁以内の正の数(整数または小数)同士のかけ算(Ａ×Ｂ)をします。"), 37,
          20)),
      Label1(AddLabel("Label1", QStringLiteral("Ａ＝"), 37, 60)),
      Memo1(AddMemo("Memo1", 85, 56, 906, 150, {.scrollBar = ScrollBar::kAlways})),
      Label3(AddLabel("Label3", QStringLiteral("Ｂ＝"), 37, 222)),
      Memo2(AddMemo("Memo2", 85, 218, 906, 150)),
      Button1(AddButton("Button1", QStringLiteral("計算開始"), 85, 382, 81, 28)),
      Button3(AddButton("Button3", QStringLiteral("数字の消去"), 189, 382, 105, 28)),
      Button2(AddButton("Button2", QStringLiteral("終了"), 317, 382, 81, 28)),
      Memo4(AddMemo("Memo4", 421, 384, 185, 24, {.tabStop = false})),
      Label4(AddLabel("Label4", QStringLiteral("Ａ×Ｂ＝"), 37, 426)),
      Memo3(AddMemo("Memo3", 85, 448, 906, 250,
                    {.scrollBar = ScrollBar::kAsNeeded, .tabStop = false})),
      finished_(this, {Memo3}) {
  NameBoxes({{Memo1, QStringLiteral("かけられる数Ａ")},
             {Memo2, QStringLiteral("かける数Ｂ")},
             {Memo4, QStringLiteral("入力文字数")},
             {Memo3, QStringLiteral("計算結果：Ａ×Ｂ")}});
  StartOnEnter({Memo1, Memo2}, Button1);
  Memo4->setVisible(false);
  connect(Button1, &QPushButton::clicked, this, &Tfrm_kakezan::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &Tfrm_kakezan::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &Tfrm_kakezan::Button3Click);
  connect(Memo1, &QPlainTextEdit::textChanged, this, &Tfrm_kakezan::Memo1Change);
  connect(Memo2, &QPlainTextEdit::textChanged, this, &Tfrm_kakezan::Memo2Change);
}

void Tfrm_kakezan::FormShow() {
  Memo1->clear();
  Memo2->clear();
  Memo3->clear();
  Memo4->setVisible(false);
  Memo1->setFocus();
}

void Tfrm_kakezan::Button3Click() { FormShow(); }

void Tfrm_kakezan::Memo1Change() { InputChanged(Memo1); }

void Tfrm_kakezan::Memo2Change() { InputChanged(Memo2); }

void Tfrm_kakezan::InputChanged(QPlainTextEdit* box) {
  Memo3->clear();
  ShowLength(Memo4, box);
  CheckTypedText(this, box, false);
}

void Tfrm_kakezan::Button1Click() {
  BeginOneShot({Memo3});
  UnstoppableRun control;
  const UnitOutcome outcome = kakezan::RunUnit(BoxTexts({Memo1, Memo2}), control);
  if (outcome.status == UnitOutcome::Status::kRefused) {
    ReportInputError(this, outcome.error, {Memo1, Memo2}, Memo4);
    return;
  }
  SetText(Memo3, outcome.shown[0]);
  finished_.KeepAndOffer(outcome.file);
  Memo1->setFocus();
}

}  // namespace taketa
