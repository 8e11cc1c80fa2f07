#include "calculators/warizan1/warizan1_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "calculators/warizan1/warizan1_calc.h"
#include "frame/controls.h"
#include "frame/run_protocol.h"

namespace taketa {

Tfrm_warizan1::Tfrm_warizan1()
    : CalculatorWindow(QStringLiteral("frm_warizan1")),
      Label2(AddLabel("Label2",
                      QStringLiteral("50桁以内の正の数(整数または小数)同士の割り算(Ａ÷Ｂ)をします。"
                                     "商が循環小数であるときには、商を20000桁まで求めます。"),
                      40, 20)),
      Label1(AddLabel("Label1", QStringLiteral("Ａ＝"), 40, 60)),
      Edit1(AddEdit("Edit1", 80, 56, 480, 24)),
      Label3(AddLabel("Label3", QStringLiteral("Ｂ＝"), 40, 96)),
      Edit2(AddEdit("Edit2", 80, 92, 480, 24)),
      Label4(AddLabel("Label4", QStringLiteral("Ａ÷Ｂ＝"), 40, 134)),
      Memo1(AddMemo("Memo1", 40, 156, 940, 536,
                    {.scrollBar = ScrollBar::kAsNeeded, .tabStop = false})),
      Button1(AddButton("Button1", QStringLiteral("計算開始"), 600, 90, 90, 28)),
      Button2(AddButton("Button2", QStringLiteral("終了"), 710, 90, 81, 28)),
      finished_(this, {Memo1}) {
  NameBoxes({{Edit1, QStringLiteral("割られる数Ａ")},
             {Edit2, QStringLiteral("割る数Ｂ")},
             {Memo1, QStringLiteral("計算結果：Ａ÷Ｂ")}});
  StartOnEnter({Edit1, Edit2}, Button1);
  connect(Button1, &QPushButton::clicked, this, &Tfrm_warizan1::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &Tfrm_warizan1::Button2Click);
  connect(Edit1, &QLineEdit::textChanged, this, &Tfrm_warizan1::Edit1Change);
  connect(Edit2, &QLineEdit::textChanged, this, &Tfrm_warizan1::Edit2Change);
}

void Tfrm_warizan1::FormShow() {
  Memo1->clear();
  Edit1->setFocus();
  Edit1->clear();
  Edit2->clear();
}

void Tfrm_warizan1::Edit1Change() { Memo1->clear(); }

void Tfrm_warizan1::Edit2Change() { Memo1->clear(); }

void Tfrm_warizan1::Button1Click() {
  BeginOneShot({Memo1});
  UnstoppableRun control;
  const UnitOutcome outcome = warizan1::RunUnit(BoxTexts({Edit1, Edit2}), control);
  if (outcome.status == UnitOutcome::Status::kRefused) {
    ReportInputError(this, outcome.error, {Edit1, Edit2});
    return;
  }
  SetText(Memo1, outcome.shown[0]);
  finished_.KeepAndOffer(outcome.file);
  Edit1->setFocus();
}

}  // namespace taketa
