#include "calculators/common/constant_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "frame/controls.h"
#include "frame/saving.h"

namespace taketa {

ConstantWindow::ConstantWindow(const Design& design)
    : CalculatorWindow(QString::fromLatin1(design.instanceName)),
      Label1(AddLabel("Label1", design.heading, 35, 29)),
      Label2(AddLabel("Label2", design.prompt, 35, 66)),
      Edit1(AddEdit("Edit1", design.editLeft, 62, design.editWidth, 24)),
      Memo2(AddMemo("Memo2", 608, 62, 65, 22)),
      Button1(AddButton("Button1", QStringLiteral("計算開始"), 696, 60, 81, 28)),
      Button2(AddButton("Button2", QStringLiteral("終了"), 800, 60, 81, 28)),
      Memo1(AddMemo("Memo1", 33, 104, 958, 585, {.verticalScrollBar = true})),
      design_(design),
      run_(Button1, Button2) {
  Memo2->setVisible(false);
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
  int digits = 0;
  if (InputCheck error = design_.check(BoxText(Edit1), digits)) {
    run_.Refuse(this, *error, {Edit1});
    return;
  }
  Memo1->clear();
  Memo2->setVisible(true);
  const std::optional<std::string> result =
      run_.Run({Memo2}, [&](RunControl& control) { return design_.compute(digits, control); });
  if (result) SetText(Memo1, *result);
  run_.LeaveRunning();
  if (!result) return;
  OfferToSave(this, [&] { return ResultFile{design_.saveTitle(BoxText(Edit1)), {*result}}; });
  Edit1->setFocus();
}

}  // namespace taketa
