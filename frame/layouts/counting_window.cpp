#include "frame/layouts/counting_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "frame/controls.h"
#include "frame/desktop.h"

namespace taketa {

CountingWindow::CountingWindow(const Design& design)
    : CalculatorWindow(QString::fromLatin1(design.instanceName)),
      Label1(AddLabel("Label1", design.heading, 37, 29)),
      Label3(AddLabel("Label3", QStringLiteral("n"), design.headingLeft, 29)),
      Label4(AddLabel("Label4", design.symbol, design.headingLeft + 12, 24)),
      Label5(AddLabel("Label5", QStringLiteral("r"), design.headingLeft + 24, 29)),
      Label6(AddLabel("Label6", QStringLiteral("の"), design.headingLeft + 36, 29)),
      Label7(AddLabel("Label7", QStringLiteral("n"), design.headingLeft + 56, 29)),
      Label8(AddLabel("Label8", QStringLiteral("は 50000以下の自然数とします。"),
                      design.headingLeft + 72, 29)),
      Label10(AddLabel("Label10", QStringLiteral("n"), 37, 60)),
      Label2(AddLabel("Label2", QStringLiteral("＝"), 49, 66)),
      Edit1(AddEdit("Edit1", 64, 62, 72, 24)),
      Label11(AddLabel("Label11", QStringLiteral("r"), 170, 60)),
      Label9(AddLabel("Label9", QStringLiteral("＝"), 182, 66)),
      Edit2(AddEdit("Edit2", 197, 62, 72, 24)),
      Button1(AddButton("Button1", QStringLiteral("計算開始"), 488, 60, 81, 28)),
      Button2(AddButton("Button2", QStringLiteral("終了"), 592, 60, 81, 28)),
      Memo2(AddMemo("Memo2", 715, 62, 65, 22)),
      Label12(AddLabel("Label12", QStringLiteral("n"), 37, 110)),
      Label13(AddLabel("Label13", design.symbol, 47, 106)),
      Label14(AddLabel("Label14", QStringLiteral("r"), 57, 110)),
      Label15(AddLabel("Label15", QStringLiteral("＝"), 66, 110)),
      RichEdit1(AddRichEdit("RichEdit1", 81, 104, 912, 585)),
      design_(design),
      run_(Button1, Button2),
      finished_(this, {RichEdit1}) {
  Memo2->setVisible(false);
  NameBoxes({{Edit1, QStringLiteral("n")},
             {Edit2, QStringLiteral("r")},
             {RichEdit1, QStringLiteral("計算結果 n") + design.symbol + QStringLiteral("r")},
             {Memo2, QStringLiteral("進行状況")}});
  StartOnEnter({Edit1, Edit2}, Button1, &run_);
  connect(Button1, &QPushButton::clicked, this, &CountingWindow::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &CountingWindow::Button2Click);
  connect(Edit1, &QLineEdit::textChanged, this, &CountingWindow::Edit1Change);
  connect(Edit2, &QLineEdit::textChanged, this, &CountingWindow::Edit2Change);
}

void CountingWindow::FormShow() {
  Edit1->setFocus();
  Edit1->clear();
  Edit2->clear();
  RichEdit1->clear();
  Memo2->setVisible(false);
}

void CountingWindow::Edit1Change() {
  Memo2->setVisible(false);
  RichEdit1->clear();
}

void CountingWindow::Edit2Change() {
  Memo2->setVisible(false);
  RichEdit1->clear();
}

void CountingWindow::Button1Click() {
  if (run_.StopOrBegin()) return;
  RichEdit1->clear();
  LetEventsRun();
  WindowRunControl control(run_, {Memo2}, [this] {
    RichEdit1->clear();
    Memo2->setVisible(true);
    run_.EnterRunning();
  });
  const UnitOutcome outcome = design_.run(BoxTexts({Edit1, Edit2}), control);
  if (outcome.status == UnitOutcome::Status::kRefused) {
    run_.Refuse(this, outcome.error, {Edit1, Edit2});
    return;
  }
  if (!outcome.computed) {
    TheDesktop().Beep();
    run_.LeaveRunning();
    Edit1->setFocus();
    SetText(RichEdit1, outcome.shown[0]);
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
