// The window of a constant computed to N digits (pi, e): one input box for
// N, a progress box for the term index, a large result box.
#pragma once

#include <QString>
#include <span>
#include <string>

#include "calculators/common/unit.h"
#include "frame/calculator_window.h"
#include "frame/finished_result.h"
#include "frame/run_protocol.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace taketa {

class ConstantWindow : public CalculatorWindow {
  Q_OBJECT

 public:
  // What tells the two windows apart.
  struct Design {
    const char* instanceName;
    QString heading;          // Label1
    QString prompt;           // Label2
    QString inputName;        // Edit1's name for a screen reader
    int editLeft, editWidth;  // Edit1
    UnitOutcome (*run)(std::span<const std::string> inputs, RunControl& run);  // the unit's run
  };

  explicit ConstantWindow(const Design& design);

  QLabel* Label1;
  QLabel* Label2;
  QLineEdit* Edit1;
  QPlainTextEdit* Memo2;  // progress: the term index
  QPushButton* Button1;   // start / stop
  QPushButton* Button2;   // exit
  QPlainTextEdit* Memo1;  // the digits

  bool busy() const { return run_.busy(); }
  FinishedResult& finished() { return finished_; }

  void Button1Click();
  void Button2Click() { close(); }
  void Edit1Change();

 protected:
  void FormShow() override;
  void FormClose() override { run_.Stop(); }

 private:
  Design design_;
  StoppableRun run_;
  FinishedResult finished_;
};

}  // namespace taketa
