#include "frame/layouts/constant_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "frame/controls.h"

namespace taketa {

ConstantWindow::ConstantWindow(const Design& design)
    : CalculatorWindow(QString::fromLatin1(design.instanceName)),
      Label1(AddLabel("Label1", design.heading, 35, 29)),
      Label2(AddLabel("Label2", design.prompt, 35, 66)),
      Edit1(AddEdit("Edit1", design.editLeft, 62, design.editWidth, 24)),
      Memo2(AddMemo("Memo2", 608, 62, 65, 22)),
      Button1(AddButton("Button1", QStringLiteral("計算開始"), 696, 60, 81, 28)),
      Button2(AddButton("Button2", QStringLiteral("終了"), 800, 60, 81, 28)),
      Memo1(AddMemo("Memo1", 33, 104, 958, 585, {.scrollBar = ScrollBar::kAlways})),
      design_(design),
      run_(Button1, Button2),
      finished_(this, {Memo1}) {
  Memo2->setVisible(false);
  NameBoxes({{Edit1, design.inputName},
             {Memo1, QStringLiteral("計算結果")},
             {Memo2, QStringLiteral("進行状況")}});
  StartOnEnter({Edit1}, Button1, &run_);
  connect(Button1, &QPushButton::clicked, this, &ConstantWindow::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &ConstantWindow::Button2Click);
  connect(Edit1, &QLineEdit::textChanged, this, &ConstantWindow::Edit1Change);
}

void ConstantWindow::FormShow() {
  Memo1->clear();
  Memo2->setVisible(false);
  Edit1->setFocus();
  Edit1->clear();
}

void ConstantWindow::Edit1Change() {
  Memo1->clear();
  Memo2->setVisible(false);
}

void ConstantWindow::Button1Click() {
  if (run_.StopOrBegin()) return;
  Memo1->clear();
  LetEventsRun();
  WindowRunControl control(run_, {Memo2}, [this] {
    Memo1->clear();
    Memo2->setVisible(true);
    run_.EnterRunning();
  });
  const UnitOutcome outcome = design_.run(BoxTexts({Edit1}), control);
  if (outcome.status == UnitOutcome::Status::kRefused) {
    run_.Refuse(this, outcome.error, {Edit1});
    return;
  }
  control.Flush();
  const bool finished = run_.Finished(outcome);
  if (finished) SetText(Memo1, outcome.shown[0]);
  run_.LeaveRunning();
  if (!finished) return;
  finished_.KeepAndOffer(outcome.file);
  Edit1->setFocus();
}

}  // namespace taketa
