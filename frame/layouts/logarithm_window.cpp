#include "frame/layouts/logarithm_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "frame/controls.h"
#include "frame/run_protocol.h"

namespace taketa {

LogarithmWindow::LogarithmWindow(const Design& design)
    : CalculatorWindow(QString::fromLatin1(design.instanceName)),
      Label2(AddLabel("Label2", design.heading, 35, 29)),
      Label1(AddLabel("Label1", QStringLiteral("20桁以内の正の数(整数または小数)＝"), 35, 70)),
      Edit1(AddEdit("Edit1", 320, 66, 200, 24)),
      Button1(AddButton("Button1", QStringLiteral("計算開始"), 560, 64, 81, 28)),
      Button2(AddButton("Button2", QStringLiteral("終了"), 664, 64, 81, 28)),
      Label4(AddLabel("Label4", design.resultLabel, 35, 122)),
      Edit2(AddEdit("Edit2", 180, 118, 600, 24)),
      design_(design),
      finished_(this, {Edit2}) {
  Edit2->setFocusPolicy(Qt::ClickFocus);  // no tab stop
  QString resultName = design.resultLabel;
  resultName.remove(QStringLiteral("＝"));
  NameBoxes({{Edit1, QStringLiteral("20桁以内の正の数")}, {Edit2, resultName}});
  StartOnEnter({Edit1}, Button1);
  setTabOrder(Edit1, Button1);
  setTabOrder(Button1, Button2);
  connect(Button1, &QPushButton::clicked, this, &LogarithmWindow::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &LogarithmWindow::Button2Click);
  connect(Edit1, &QLineEdit::textChanged, this, &LogarithmWindow::Edit1Change);
}

void LogarithmWindow::FormShow() {
  Edit1->setFocus();
  Edit1->clear();
  Edit2->clear();
}

void LogarithmWindow::Edit1Change() { Edit2->clear(); }

void LogarithmWindow::Button1Click() {
  BeginOneShot({Edit2});
  UnstoppableRun control;
  const UnitOutcome outcome = design_.run(BoxTexts({Edit1}), control);
  if (outcome.status == UnitOutcome::Status::kRefused) {
    ReportInputError(this, outcome.error, {Edit1});
    return;
  }
  if (outcome.status == UnitOutcome::Status::kFailed) {
    ReportFailure(this, outcome);
    return;
  }
  Edit2->setText(ToQString(outcome.shown[0]));
  Edit2->setCursorPosition(0);  // the result from its first digit
  finished_.KeepAndOffer(outcome.file);
  Edit1->setFocus();
}

}  // namespace taketa
