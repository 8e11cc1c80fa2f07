#include "calculators/warizan3/warizan3_window.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "calculators/warizan3/warizan3_calc.h"
#include "frame/controls.h"
#include "frame/desktop.h"
#include "frame/length_counter.h"
#include "frame/run_protocol.h"

namespace taketa {

Tfrm_warizan3::Tfrm_warizan3()
    : CalculatorWindow(QStringLiteral("frm_warizan3")),
      Label2(AddLabel(
          "Label2",
          QStringLiteral("60000桁以内の正の整数同士の割り算(Ａ÷Ｂ)の整商と余りを求めます。"), 40,
          20)),
      Label1(AddLabel("Label1", QStringLiteral("Ａ＝"), 40, 56)),
      Memo1(AddMemo("Memo1", 80, 52, 900, 130, {.scrollBar = ScrollBar::kAlways})),
      Label3(AddLabel("Label3", QStringLiteral("Ｂ＝"), 40, 200)),
      Memo2(AddMemo("Memo2", 80, 196, 900, 130)),
      Label4(AddLabel("Label4", QStringLiteral("Ａ÷Ｂの整商＝"), 40, 388)),
      Memo3(AddMemo("Memo3", 40, 410, 940, 130,
                    {.scrollBar = ScrollBar::kAsNeeded, .tabStop = false})),
      Label5(AddLabel("Label5", QStringLiteral("Ａ÷Ｂの余り＝"), 40, 552)),
      Memo4(AddMemo("Memo4", 40, 574, 940, 120,
                    {.scrollBar = ScrollBar::kAsNeeded, .tabStop = false})),
      Memo5(AddMemo("Memo5", 80, 342, 250, 24, {.readOnly = true, .wrap = false})),
      Memo6(AddMemo("Memo6", 350, 342, 170, 24, {.wrap = false})),
      Button1(AddButton("Button1", QStringLiteral("計算開始"), 560, 340, 90, 28)),
      Button3(AddButton("Button3", QStringLiteral("数字の消去"), 670, 340, 100, 28)),
      Button2(AddButton("Button2", QStringLiteral("終了"), 790, 340, 81, 28)),
      finished_(this, {Memo3, Memo4}) {
  NameBoxes({{Memo1, QStringLiteral("割られる数Ａ")},
             {Memo2, QStringLiteral("割る数Ｂ")},
             {Memo3, QStringLiteral("Ａ÷Ｂの整商")},
             {Memo4, QStringLiteral("Ａ÷Ｂの余り")},
             {Memo5, QStringLiteral("計算中の表示")},
             {Memo6, QStringLiteral("入力文字数")}});
  StartOnEnter({Memo1, Memo2}, Button1);
  Memo5->setPlainText(QStringLiteral(" 計算中です。お待ちください。"));
  Memo5->setVisible(false);
  Memo6->setVisible(false);
  connect(Button1, &QPushButton::clicked, this, &Tfrm_warizan3::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &Tfrm_warizan3::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &Tfrm_warizan3::Button3Click);
  connect(Memo1, &QPlainTextEdit::textChanged, this, &Tfrm_warizan3::Memo1Change);
  connect(Memo2, &QPlainTextEdit::textChanged, this, &Tfrm_warizan3::Memo2Change);
}

void Tfrm_warizan3::FormShow() {
  Memo1->setFocus();
  for (QPlainTextEdit* box : {Memo1, Memo2, Memo3, Memo4}) box->clear();
  Memo5->setVisible(false);
  Memo6->setVisible(false);
}

void Tfrm_warizan3::Button3Click() {
  for (QPlainTextEdit* box : {Memo1, Memo2, Memo3, Memo4}) box->clear();
  Memo6->setVisible(false);
  Memo1->setFocus();
}

void Tfrm_warizan3::Memo1Change() {
  Memo3->clear();
  Memo4->clear();
  ShowLength(Memo6, Memo1);
  CheckTypedText(this, Memo1, true);
}

void Tfrm_warizan3::Memo2Change() {
  Memo3->clear();
  Memo4->clear();
  ShowLength(Memo6, Memo2);
  CheckTypedText(this, Memo2, true);
}

void Tfrm_warizan3::Button1Click() {
  BeginOneShot({Memo3, Memo4});
  UnstoppableRun control([this] { ShowWaitNotice(Memo5); });
  const UnitOutcome outcome = warizan3::RunUnit(BoxTexts({Memo1, Memo2}), control);
  if (outcome.status == UnitOutcome::Status::kRefused) {
    ReportInputError(this, outcome.error, {Memo1, Memo2}, Memo6);
    return;
  }
  SetText(Memo3, outcome.shown[0]);
  SetText(Memo4, outcome.shown[1]);
  Memo5->setVisible(false);
  if (!outcome.offersSave) {
    // A has fewer digits than B: shown at once, nothing to save.
    TheDesktop().Beep();
    Memo1->setFocus();
    return;
  }
  LetEventsRun();
  finished_.KeepAndOffer(outcome.file);
  Memo1->setFocus();
}

}  // namespace taketa
