#include "calculators/kaijou/kaijou_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <optional>
#include <string>

#include "calculators/kaijou/kaijou_calc.h"
#include "frame/controls.h"

namespace taketa {

Tfrm_kaijou::Tfrm_kaijou()
    : CalculatorWindow(QStringLiteral("frm_kaijou")),
      Label1(AddLabel("Label1", QStringLiteral("50000以下の自然数Ｎの階乗を求めます。"), 37, 29)),
      Label2(AddLabel("Label2", QStringLiteral("Ｎ＝"), 37, 66)),
      Edit1(AddEdit("Edit1", 66, 62, 72, 24)),
      Button1(AddButton("Button1", QStringLiteral("計算開始"), 392, 60, 81, 28)),
      Button2(AddButton("Button2", QStringLiteral("終了"), 496, 60, 81, 28)),
      Memo2(AddMemo("Memo2", 611, 62, 65, 22)),
      RichEdit1(AddRichEdit("RichEdit1", 35, 104, 958, 585)),
      run_(Button1, Button2),
      finished_(this, {RichEdit1}) {
  Memo2->setVisible(false);
  NameBoxes({{Edit1, QStringLiteral("階乗を求めるＮ")},
             {RichEdit1, QStringLiteral("計算結果")},
             {Memo2, QStringLiteral("進行状況")}});
  StartOnEnter({Edit1}, Button1, &run_);
  connect(Button1, &QPushButton::clicked, this, &Tfrm_kaijou::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &Tfrm_kaijou::Button2Click);
  connect(Edit1, &QLineEdit::textChanged, this, &Tfrm_kaijou::Edit1Change);
}

void Tfrm_kaijou::FormShow() {
  RichEdit1->clear();
  Memo2->setVisible(false);
  Edit1->setFocus();
  Edit1->clear();
}

void Tfrm_kaijou::Edit1Change() {
  Memo2->setVisible(false);
  RichEdit1->clear();
}

void Tfrm_kaijou::Button1Click() {
  if (run_.StopOrBegin()) return;
  RichEdit1->clear();
  LetEventsRun();
  WindowRunControl control(run_, {Memo2}, [this] {
    RichEdit1->clear();
    Memo2->setVisible(true);
    run_.EnterRunning();
  });
  const UnitOutcome outcome = kaijou::RunUnit(BoxTexts({Edit1}), control);
  if (outcome.status == UnitOutcome::Status::kRefused) {
    run_.Refuse(this, outcome.error, {Edit1});
    return;
  }
  control.Flush();
  const bool finished = run_.Finished(outcome);
  if (finished) SetText(RichEdit1, outcome.shown[0]);
  run_.LeaveRunning();
  if (!finished) return;
  finished_.KeepAndOffer(outcome.file);
  Edit1->setFocus();
}

}  // namespace taketa
