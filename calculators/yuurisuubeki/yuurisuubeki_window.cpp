#include "calculators/yuurisuubeki/yuurisuubeki_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "calculators/yuurisuubeki/yuurisuubeki_calc.h"
#include "frame/controls.h"

namespace taketa {

Tfrm_yuurisuubeki::Tfrm_yuurisuubeki()
    : CalculatorWindow(QStringLiteral("frm_yuurisuubeki")),
      Label1(AddLabel("Label1", QStringLiteral("Ａ の Ｂ乗 の値を 12桁まで求めます。"), 35, 24)),
      Label2(AddLabel("Label2", QStringLiteral("底 Ａ (0.001以上 1200以下の整数または小数)＝"), 35,
                      64)),
      Edit1(AddEdit("Edit1", 420, 60, 130, 24)),
      Label3(AddLabel("Label3", QStringLiteral("指数 Ｂ (-1600以上 1600以下の整数または小数)＝"),
                      35, 100)),
      Edit2(AddEdit("Edit2", 420, 96, 130, 24)),
      Button1(AddButton("Button1", QStringLiteral("計算開始"), 575, 94, 81, 28)),
      Button2(AddButton("Button2", QStringLiteral("終了"), 675, 94, 81, 28)),
      Memo1(AddMemo("Memo1", 775, 96, 130, 24, {.tabStop = false})),
      Label4(AddLabel("Label4", QStringLiteral("Ａ の Ｂ乗＝"), 35, 148)),
      Memo2(AddMemo("Memo2", 140, 144, 300, 24)),
      Label5(AddLabel("Label5",
                      QStringLiteral("計算結果の中に E が含まれているとき、例えば、"
                                     "3.12345678901E275 のようなとき、"),
                      35, 192)),
      Label6(AddLabel("Label6",
                      QStringLiteral("その意味は 3.12345678901×(10の275乗) ということです。"), 35,
                      216)),
      run_(Button1, Button2),
      finished_(this, {Memo2}) {
  NameBoxes({{Edit1, QStringLiteral("底Ａ")},
             {Edit2, QStringLiteral("指数Ｂ")},
             {Memo1, QStringLiteral("計算中の表示")},
             {Memo2, QStringLiteral("計算結果：Ａ の Ｂ乗")}});
  StartOnEnter({Edit1, Edit2}, Button1, &run_);
  Memo1->setPlainText(QStringLiteral(" 計算中です。"));
  Memo1->setVisible(false);
  Label5->setVisible(false);
  Label6->setVisible(false);
  connect(Button1, &QPushButton::clicked, this, &Tfrm_yuurisuubeki::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &Tfrm_yuurisuubeki::Button2Click);
  connect(Edit1, &QLineEdit::textChanged, this, &Tfrm_yuurisuubeki::Edit1Change);
  connect(Edit2, &QLineEdit::textChanged, this, &Tfrm_yuurisuubeki::Edit2Change);
}

void Tfrm_yuurisuubeki::FormShow() {
  Edit1->setFocus();
  Edit1->clear();
  Edit2->clear();
  Label5->setVisible(false);
  Label6->setVisible(false);
  Memo1->setVisible(false);
}

void Tfrm_yuurisuubeki::Edit1Change() { Memo2->clear(); }

void Tfrm_yuurisuubeki::Button1Click() {
  if (run_.StopOrBegin()) return;
  Memo2->clear();
  LetEventsRun();
  WindowRunControl control(run_, {}, [this] {
    Memo1->setVisible(true);
    run_.EnterRunning();
    LetEventsRun();
  });
  const UnitOutcome outcome = yuurisuubeki::RunUnit(BoxTexts({Edit1, Edit2}), control);
  if (outcome.status == UnitOutcome::Status::kRefused) {
    run_.Refuse(this, outcome.error, {Edit1, Edit2});
    return;
  }
  if (outcome.computed) Memo1->setVisible(false);
  if (!run_.Finished(outcome)) {
    run_.LeaveRunning();
    if (outcome.status == UnitOutcome::Status::kFailed) ReportFailure(this, outcome);
    return;
  }
  if (outcome.computed) {
    Label5->setVisible(true);
    Label6->setVisible(true);
  }
  SetText(Memo2, outcome.shown[0]);
  run_.LeaveRunning();
  finished_.KeepAndOffer(outcome.file);
  Edit2->setFocus();
}

}  // namespace taketa
