// The window of a logarithm to 50 decimals (natural, common): one input
// box, a one-line result box, no stop and no progress; the calculation runs
// in one go.
#pragma once

#include <QString>
#include <span>
#include <string>

#include "calculators/common/unit.h"
#include "frame/calculator_window.h"
#include "frame/finished_result.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace taketa {

class LogarithmWindow : public CalculatorWindow {
  Q_OBJECT

 public:
  // What tells the two windows apart.
  struct Design {
    const char* instanceName;
    QString heading;                                                           // Label2
    QString resultLabel;                                                       // Label4
    UnitOutcome (*run)(std::span<const std::string> inputs, RunControl& run);  // the unit's run
  };

  explicit LogarithmWindow(const Design& design);

  QLabel* Label2;
  QLabel* Label1;
  QLineEdit* Edit1;      // x
  QPushButton* Button1;  // start
  QPushButton* Button2;  // exit
  QLabel* Label4;
  QLineEdit* Edit2;  // the logarithm

  FinishedResult& finished() { return finished_; }

  void Button1Click();
  void Button2Click() { close(); }
  void Edit1Change();

 protected:
  void FormShow() override;

 private:
  Design design_;
  FinishedResult finished_;
};

}  // namespace taketa
