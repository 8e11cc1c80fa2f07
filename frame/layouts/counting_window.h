// The window of a count of arrangements of r things out of n (nPr, nCr):
// two input boxes, a progress box for the step counter, a large result box
// with the copy and paste pop-up menu.
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

class RichEditBox;

class CountingWindow : public CalculatorWindow {
  Q_OBJECT

 public:
  // What tells the two windows apart.
  struct Design {
    const char* instanceName;
    QString heading;  // Label1
    QString symbol;   // "P" or "C", in the heading and the result caption
    int headingLeft;  // where the heading's "nPr の n は ..." starts
    // The unit's run. A special case it answers at once is shown with a
    // beep and not offered for saving.
    UnitOutcome (*run)(std::span<const std::string> inputs, RunControl& run);
  };

  explicit CountingWindow(const Design& design);

  QLabel* Label1;
  QLabel* Label3;  // "n", then the symbol raised, "r", "の", "n", "は 50000以下の..."
  QLabel* Label4;
  QLabel* Label5;
  QLabel* Label6;
  QLabel* Label7;
  QLabel* Label8;
  QLabel* Label10;  // "n" "＝" before Edit1
  QLabel* Label2;
  QLineEdit* Edit1;  // n
  QLabel* Label11;   // "r" "＝" before Edit2
  QLabel* Label9;
  QLineEdit* Edit2;       // r
  QPushButton* Button1;   // start / stop
  QPushButton* Button2;   // exit
  QPlainTextEdit* Memo2;  // progress
  QLabel* Label12;        // "n", the symbol raised, "r", "＝" before the result
  QLabel* Label13;
  QLabel* Label14;
  QLabel* Label15;
  RichEditBox* RichEdit1;  // the digits and their count, with PopupMenu1

  bool busy() const { return run_.busy(); }
  FinishedResult& finished() { return finished_; }

  void Button1Click();
  void Button2Click() { close(); }
  void Edit1Change();
  void Edit2Change();

 protected:
  void FormShow() override;
  void FormClose() override { run_.Stop(); }

 private:
  Design design_;
  StoppableRun run_;
  FinishedResult finished_;
};

}  // namespace taketa
