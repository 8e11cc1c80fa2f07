#include "calculators/yuurisuubeki2/yuurisuubeki2_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "calculators/yuurisuubeki2/yuurisuubeki2_calc.h"
#include "frame/controls.h"

namespace taketa {

Tfrm_yuurisuubeki2::Tfrm_yuurisuubeki2()
    : CalculatorWindow(QStringLiteral("frm_yuurisuubeki2")),
      Label1(AddLabel("Label1", QStringLiteral("Ａ の Ｂ乗 の値を 50桁まで求めます。"), 35, 29)),
      Label2(AddLabel("Label2", QStringLiteral("底 Ａ (20桁以内の正の整数または小数)＝"), 35, 70)),
      Edit1(AddEdit("Edit1", 420, 66, 200, 24)),
      Label3(AddLabel("Label3", QStringLiteral("指数 Ｂ (-5000以上 5000以下の整数または小数)＝"),
                      35, 104)),
      Edit2(AddEdit("Edit2", 420, 100, 200, 24)),
      Button1(AddButton("Button1", QStringLiteral("計算開始"), 650, 98, 81, 28)),
      Button2(AddButton("Button2", QStringLiteral("終了"), 750, 98, 81, 28)),
      Memo1(
          AddMemo("Memo1", 650, 62, 121, 24, {.readOnly = true, .tabStop = false, .wrap = false})),
      Memo2(AddMemo("Memo2", 780, 62, 65, 24, {.tabStop = false, .wrap = false})),
      Label4(AddLabel("Label4", QStringLiteral("Ａ の Ｂ乗＝"), 35, 154)),
      Memo3(AddMemo("Memo3", 140, 150, 640, 26, {.tabStop = false})),
      Label5(AddLabel("Label5", QStringLiteral("計算結果の中に E が含まれていることがあります。"),
                      35, 222)),
      Label7(AddLabel(
          "Label7",
          QStringLiteral("例えば、3.1234567890123456789012345678901234567890123456789E-275 "
                         "のようなとき、"),
          35, 246)),
      Label6(
          AddLabel("Label6",
                   QStringLiteral("その意味は 3.1234567890123456789012345678901234567890123456789"
                                  "×(10の-275乗) ということです。"),
                   35, 270)),
      run_(Button1, Button2),
      finished_(this, {Memo3}) {
  NameBoxes({{Edit1, QStringLiteral("底Ａ")},
             {Edit2, QStringLiteral("指数Ｂ")},
             {Memo1, QStringLiteral("計算中の表示")},
             {Memo2, QStringLiteral("進行状況")},
             {Memo3, QStringLiteral("計算結果：Ａ の Ｂ乗")}});
  StartOnEnter({Edit1, Edit2}, Button1, &run_);
  Memo1->setPlainText(QStringLiteral(" 計算中です。"));
  for (QWidget* hidden :
       {static_cast<QWidget*>(Memo1), static_cast<QWidget*>(Memo2), static_cast<QWidget*>(Label5),
        static_cast<QWidget*>(Label6), static_cast<QWidget*>(Label7)}) {
    hidden->setVisible(false);
  }
  setTabOrder(Edit1, Edit2);
  setTabOrder(Edit2, Button1);
  setTabOrder(Button1, Button2);
  connect(Button1, &QPushButton::clicked, this, &Tfrm_yuurisuubeki2::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &Tfrm_yuurisuubeki2::Button2Click);
  connect(Edit1, &QLineEdit::textChanged, this, &Tfrm_yuurisuubeki2::Edit1Change);
  connect(Edit2, &QLineEdit::textChanged, this, &Tfrm_yuurisuubeki2::Edit2Change);
}

void Tfrm_yuurisuubeki2::FormShow() {
  Edit1->setFocus();
  Edit1->clear();
  Edit2->clear();
  for (QWidget* box :
       {static_cast<QWidget*>(Label5), static_cast<QWidget*>(Label6), static_cast<QWidget*>(Label7),
        static_cast<QWidget*>(Memo1), static_cast<QWidget*>(Memo2)}) {
    box->setVisible(false);
  }
}

void Tfrm_yuurisuubeki2::Edit1Change() {
  Memo3->clear();
  Memo2->setVisible(false);
}

void Tfrm_yuurisuubeki2::Edit2Change() {
  Memo3->clear();
  Memo2->setVisible(false);
}

void Tfrm_yuurisuubeki2::Button1Click() {
  if (run_.StopOrBegin()) return;
  Memo3->clear();
  LetEventsRun();
  WindowRunControl control(run_, {Memo2}, [this] {
    Memo1->setVisible(true);
    Memo2->setVisible(true);
    Memo2->clear();
    run_.EnterRunning();
    LetEventsRun();
  });
  const UnitOutcome outcome = yuurisuubeki2::RunUnit(BoxTexts({Edit1, Edit2}), control);
  if (outcome.status == UnitOutcome::Status::kRefused) {
    run_.Refuse(this, outcome.error, {Edit1, Edit2});
    return;
  }
  control.Flush();
  if (!run_.Finished(outcome)) {
    // Stopped, or the window closed, during the integer power.
    Memo2->clear();
    Memo1->setVisible(false);
    Memo2->setVisible(false);
    run_.LeaveRunning();
    if (outcome.status == UnitOutcome::Status::kFailed) ReportFailure(this, outcome);
    return;
  }
  if (outcome.computed) {
    Memo1->setVisible(false);
    Label5->setVisible(true);
    Label6->setVisible(true);
    Label7->setVisible(true);
  }
  SetText(Memo3, outcome.shown[0]);
  run_.LeaveRunning();
  finished_.KeepAndOffer(outcome.file);
  Edit2->setFocus();
}

}  // namespace taketa
