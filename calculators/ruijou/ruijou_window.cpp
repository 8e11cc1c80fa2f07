#include "calculators/ruijou/ruijou_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "calculators/ruijou/ruijou_calc.h"
#include "frame/controls.h"
#include "frame/length_counter.h"

namespace taketa {

Tfrm_ruijou::Tfrm_ruijou()
    : CalculatorWindow(QStringLiteral("frm_ruijou")),
      Label2(AddLabel("Label2",
                      QStringLiteral("100桁以内の正の数Ａ(整数または小数)の累乗を求めます。"
                                     "累乗の指数は 10000以下の自然数とします。"),
                      35, 20)),
      Label1(AddLabel("Label1", QStringLiteral("Ａ＝"), 35, 58)),
      Edit1(AddEdit("Edit1", 75, 54, 830, 24)),
      Memo3(AddMemo("Memo3", 915, 54, 150, 24, {.tabStop = false})),
      Label3(AddLabel("Label3", QStringLiteral("累乗の指数＝"), 35, 96)),
      Edit2(AddEdit("Edit2", 140, 92, 70, 24)),
      Button1(AddButton("Button1", QStringLiteral("計算開始"), 235, 90, 81, 28)),
      Button2(AddButton("Button2", QStringLiteral("終了"), 335, 90, 81, 28)),
      Memo1(AddMemo("Memo1", 440, 92, 80, 24, {.tabStop = false})),
      RichEdit1(AddRichEdit("RichEdit1", 35, 130, 1030, 390)),
      Label4(AddLabel("Label4", QStringLiteral("計算結果を浮動小数点形式で200桁まで表示します。"),
                      35, 530)),
      Memo2(AddMemo("Memo2", 35, 554, 1030, 110, {.scrollBar = ScrollBar::kAlways})),
      run_(Button1, Button2),
      finished_(this, {RichEdit1, Memo2}) {
  NameBoxes({{Edit1, QStringLiteral("累乗の底Ａ")},
             {Memo3, QStringLiteral("入力文字数")},
             {Edit2, QStringLiteral("累乗の指数")},
             {Memo1, QStringLiteral("進行状況")},
             {RichEdit1, QStringLiteral("計算結果")},
             {Memo2, QStringLiteral("計算結果の浮動小数点形式")}});
  StartOnEnter({Edit1, Edit2}, Button1, &run_);
  Memo1->setVisible(false);
  Memo2->setVisible(false);
  Memo3->setVisible(false);
  Label4->setVisible(false);
  connect(Button1, &QPushButton::clicked, this, &Tfrm_ruijou::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &Tfrm_ruijou::Button2Click);
  connect(Edit1, &QLineEdit::textChanged, this, &Tfrm_ruijou::Edit1Change);
  connect(Edit2, &QLineEdit::textChanged, this, &Tfrm_ruijou::Edit2Change);
}

void Tfrm_ruijou::FormShow() {
  RichEdit1->clear();
  Memo1->setVisible(false);
  Memo2->setVisible(false);
  Label4->setVisible(false);
  Edit1->setFocus();
  Edit1->clear();
  Edit2->clear();
  Memo3->setVisible(false);
}

void Tfrm_ruijou::Edit1Change() {
  Memo1->setVisible(false);
  RichEdit1->clear();
  Memo2->clear();
  ShowLength(Memo3, Edit1);
}

void Tfrm_ruijou::Edit2Change() {
  Memo1->setVisible(false);
  RichEdit1->clear();
  Memo2->clear();
}

void Tfrm_ruijou::Button1Click() {
  if (run_.StopOrBegin()) return;
  RichEdit1->clear();
  Memo1->setVisible(true);
  Memo1->clear();
  Memo2->clear();
  LetEventsRun();
  WindowRunControl control(run_, {Memo1}, [this] { run_.EnterRunning(); });
  const UnitOutcome outcome = ruijou::RunUnit(BoxTexts({Edit1, Edit2}), control);
  if (outcome.status == UnitOutcome::Status::kRefused) {
    run_.Refuse(this, outcome.error, {Edit1, Edit2});
    return;
  }
  control.Flush();
  const bool finished = run_.Finished(outcome);
  if (finished) {
    Memo2->setVisible(true);
    Label4->setVisible(true);
    SetText(RichEdit1, outcome.shown[0]);
    SetText(Memo2, outcome.shown[1]);
  }
  run_.LeaveRunning();
  if (!finished) return;
  finished_.KeepAndOffer(outcome.file);
  Edit2->setFocus();
}

}  // namespace taketa
