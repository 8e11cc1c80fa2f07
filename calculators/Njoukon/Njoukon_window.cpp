#include "calculators/Njoukon/Njoukon_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "calculators/Njoukon/Njoukon_calc.h"
#include "frame/controls.h"
#include "frame/desktop.h"

namespace taketa {

Tfrm_Njoukon::Tfrm_Njoukon()
    : CalculatorWindow(QStringLiteral("frm_Njoukon")),
      Label1(AddLabel("Label1", QStringLiteral("Ｎ乗根( 2≦Ｎ≦300 )を求めます。"), 35, 24)),
      Label2(AddLabel("Label2", QStringLiteral("何乗根を求めますか。Ｎ＝"), 35, 64)),
      Edit1(AddEdit("Edit1", 235, 60, 50, 24)),
      Button1(AddButton("Button1", QStringLiteral("次へ進む"), 310, 58, 81, 28)),
      Button2(AddButton("Button2", QStringLiteral("終了"), 410, 58, 81, 28)),
      Label3(AddLabel("Label3", QString(), 35, 104)),
      Label4(AddLabel("Label4", QStringLiteral("20桁以内の正の数＝"), 35, 144)),
      Edit2(AddEdit("Edit2", 195, 140, 200, 24)),
      Button3(AddButton("Button3", QStringLiteral("計算開始"), 420, 138, 81, 28)),
      Button4(AddButton("Button4", QStringLiteral("終了"), 520, 138, 81, 28)),
      Memo1(AddMemo("Memo1", 35, 180, 250, 24, {.readOnly = true, .tabStop = false})),
      Memo2(AddMemo("Memo2", 300, 180, 60, 24, {.tabStop = false})),
      Memo3(AddMemo("Memo3", 375, 180, 60, 24, {.tabStop = false})),
      Label5(AddLabel("Label5", QString(), 35, 224)),
      Edit3(AddEdit("Edit3", 35, 248, 830, 24)),
      run_(Button3, Button4),
      finished_(this, {Edit3}) {
  NameBoxes({{Edit1, QStringLiteral("何乗根かを表すＮ")},
             {Edit2, QStringLiteral("Ｎ乗根を求める数")},
             {Memo1, QStringLiteral("計算中の表示")},
             {Memo2, QStringLiteral("進行状況：求めている根の文字数")},
             {Memo3, QStringLiteral("進行状況：作っている累乗")},
             {Edit3, QStringLiteral("計算結果")}});
  // Enter presses the button of the stage the window is in.
  StartOnEnter(
      {Edit1, Edit2}, [this] { return Button3->isHidden() ? Button1 : Button3; }, &run_);
  Memo1->setPlainText(QStringLiteral(" 計算中です。お待ちください。"));
  for (QWidget* w : std::initializer_list<QWidget*>{Label3, Label4, Edit2, Button3, Button4, Memo1,
                                                    Memo2, Memo3, Label5, Edit3}) {
    w->setVisible(false);
  }
  connect(Button1, &QPushButton::clicked, this, &Tfrm_Njoukon::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &Tfrm_Njoukon::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &Tfrm_Njoukon::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &Tfrm_Njoukon::Button4Click);
  connect(Edit1, &QLineEdit::textChanged, this, &Tfrm_Njoukon::Edit1Change);
  connect(Edit2, &QLineEdit::textChanged, this, &Tfrm_Njoukon::Edit2Change);
}

void Tfrm_Njoukon::FormShow() {
  Memo1->setVisible(false);
  Memo2->setVisible(false);
  Memo3->setVisible(false);
  Edit1->setFocus();
  Edit1->clear();
  Button4->setVisible(false);
}

void Tfrm_Njoukon::ReturnToStageOne() {
  for (QWidget* w :
       {static_cast<QWidget*>(Label1), static_cast<QWidget*>(Label2), static_cast<QWidget*>(Edit1),
        static_cast<QWidget*>(Button1), static_cast<QWidget*>(Button2)}) {
    w->setVisible(true);
  }
  for (QWidget* w : {static_cast<QWidget*>(Label3), static_cast<QWidget*>(Label4),
                     static_cast<QWidget*>(Label5), static_cast<QWidget*>(Edit2),
                     static_cast<QWidget*>(Edit3), static_cast<QWidget*>(Button3)}) {
    w->setVisible(false);
  }
}

void Tfrm_Njoukon::FormClose() {
  ReturnToStageOne();
  run_.Stop();
}

void Tfrm_Njoukon::HideResult() {
  Label5->setVisible(false);
  Edit3->setVisible(false);
  Memo2->setVisible(false);
  Memo3->setVisible(false);
}

void Tfrm_Njoukon::Button1Click() {
  long degree = 0;
  if (InputCheck error = Njoukon::CheckDegree(BoxText(Edit1), degree)) {
    ReportInputError(this, *error, {Edit1, Edit2});
    return;
  }
  Label3->setText(ToQString(Njoukon::StageTwoPrompt(BoxText(Edit1))));
  Label3->adjustSize();
  Label3->setVisible(true);
  Button1->setVisible(false);
  Button2->setVisible(false);
  Label4->setVisible(true);
  Edit2->setVisible(true);
  Button3->setVisible(true);
  Button4->setVisible(true);
  Edit2->setFocus();
  Edit2->clear();
}

void Tfrm_Njoukon::Button3Click() {
  if (run_.StopOrBegin()) return;
  Label5->setVisible(false);
  Edit3->setVisible(false);
  WindowRunControl control(run_, {Memo2, Memo3}, [this] {
    Memo1->setVisible(true);
    Memo2->setVisible(true);
    Memo3->setVisible(true);
    Memo2->clear();
    Memo3->clear();
    LetEventsRun();
    run_.EnterRunning();
  });
  const UnitOutcome outcome = Njoukon::RunUnit(BoxTexts({Edit1, Edit2}), control);
  if (outcome.status == UnitOutcome::Status::kRefused) {
    run_.Refuse(this, outcome.error, {Edit1, Edit2});
    return;
  }
  if (!outcome.computed) {
    // The root of 1, at once: no dialog, no file.
    TheDesktop().Beep();
    ShowRoot(outcome);
    run_.Stop();
    return;
  }
  control.Flush();
  const bool finished = run_.Finished(outcome);
  Memo1->setVisible(false);
  if (finished) {
    ShowRoot(outcome);
  } else {
    Memo2->setVisible(false);
    Memo3->setVisible(false);
  }
  run_.LeaveRunning();
  if (!finished) return;
  finished_.KeepAndOffer(outcome.file);
  Edit2->setFocus();
}

void Tfrm_Njoukon::ShowRoot(const UnitOutcome& outcome) {
  Label5->setText(ToQString(outcome.shown[0]));
  Label5->adjustSize();
  Label5->setVisible(true);
  Edit3->setText(ToQString(outcome.shown[1]));
  if (outcome.computed) Edit3->setCursorPosition(0);  // a long root from its first digit
  Edit3->setVisible(true);
}

void Tfrm_Njoukon::Button4Click() {
  ReturnToStageOne();
  Button4->setVisible(false);
  close();
}

}  // namespace taketa
