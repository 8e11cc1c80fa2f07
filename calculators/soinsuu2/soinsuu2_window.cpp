#include "calculators/soinsuu2/soinsuu2_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <functional>
#include <utility>

#include "calculators/soinsuu2/soinsuu2_calc.h"
#include "frame/controls.h"

namespace taketa {
namespace {

// The window's run: the divisor and bound boxes appear with their first
// value; the result box shows the factors as they are found.
class FactorisationRun final : public RunControl {
 public:
  FactorisationRun(StoppableRun& run, QPlainTextEdit* divisor, QPlainTextEdit* bound,
                   QPlainTextEdit* factors, std::function<void()> beginComputing)
      : control_(run, {divisor, bound, factors}, std::move(beginComputing)),
        boxes_{divisor, bound} {}

  void ShowProgress(std::string_view text, int box) override {
    if (box < 2 && boxes_[box]->isHidden()) {
      SetText(boxes_[box], text);
      boxes_[box]->setVisible(true);
    }
    control_.ShowProgress(text, box);
  }
  bool StopRequested() override { return control_.StopRequested(); }
  void BeginComputing() override { control_.BeginComputing(); }
  void Flush() { control_.Flush(); }

 private:
  WindowRunControl control_;
  QPlainTextEdit* boxes_[2];
};

}  // namespace

Tfrm_soinsuu2::Tfrm_soinsuu2()
    : CalculatorWindow(QStringLiteral("frm_soinsuu2")),
      Label1(AddLabel("Label1", QStringLiteral("2 以上 50桁以内の自然数を素因数に分解します。"), 35,
                      24)),
      Label2(AddLabel("Label2", QStringLiteral("素因数分解したい自然数＝"), 35, 64)),
      Edit1(AddEdit("Edit1", 235, 60, 430, 24)),
      Button1(AddButton("Button1", QStringLiteral("計算開始"), 690, 58, 81, 28)),
      Button2(AddButton("Button2", QStringLiteral("終了"), 790, 58, 81, 28)),
      Memo2(AddMemo("Memo2", 35, 100, 250, 24, {.readOnly = true, .tabStop = false})),
      Memo3(AddMemo("Memo3", 300, 100, 160, 24, {.tabStop = false})),
      Memo4(AddMemo("Memo4", 475, 100, 260, 24, {.tabStop = false})),
      Label3(AddLabel("Label3", QStringLiteral("素因数分解結果"), 35, 140)),
      Memo1(AddMemo("Memo1", 35, 164, 958, 320, {.scrollBar = ScrollBar::kAlways})),
      run_(Button1, Button2),
      finished_(this, {Memo1}) {
  NameBoxes({{Edit1, QStringLiteral("素因数分解したい自然数")},
             {Memo2, QStringLiteral("計算中の表示")},
             {Memo3, QStringLiteral("進行状況：試している除数")},
             {Memo4, QStringLiteral("進行状況：平方根の上限")},
             {Memo1, QStringLiteral("素因数分解結果")}});
  StartOnEnter({Edit1}, Button1, &run_);
  Memo2->setPlainText(QStringLiteral(" 計算中です。お待ちください。"));
  Memo2->setVisible(false);
  Memo3->setVisible(false);
  Memo4->setVisible(false);
  connect(Button1, &QPushButton::clicked, this, &Tfrm_soinsuu2::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &Tfrm_soinsuu2::Button2Click);
  connect(Edit1, &QLineEdit::textChanged, this, &Tfrm_soinsuu2::Edit1Change);
}

void Tfrm_soinsuu2::FormShow() {
  Memo1->clear();
  Memo2->setVisible(false);
  Memo3->setVisible(false);
  Memo4->setVisible(false);
  Edit1->setFocus();
  Edit1->clear();
}

void Tfrm_soinsuu2::Edit1Change() {
  Memo1->clear();
  Memo3->setVisible(false);
  Memo4->setVisible(false);
}

void Tfrm_soinsuu2::Button1Click() {
  if (run_.StopOrBegin()) return;
  Memo1->clear();
  LetEventsRun();
  FactorisationRun control(run_, Memo3, Memo4, Memo1, [this] {
    Memo2->setVisible(true);
    run_.EnterRunning();
    Memo1->clear();
  });
  const UnitOutcome outcome = soinsuu2::RunUnit(BoxTexts({Edit1}), control);
  if (outcome.status == UnitOutcome::Status::kRefused) {
    run_.Refuse(this, outcome.error, {Edit1});
    return;
  }
  control.Flush();
  const bool finished = run_.Finished(outcome);
  if (finished) SetText(Memo1, outcome.shown[0]);
  Memo2->setVisible(false);
  run_.LeaveRunning();
  if (!finished) return;  // the result box keeps the factors found so far
  finished_.KeepAndOffer(outcome.file);
  Edit1->setFocus();
}

}  // namespace taketa
