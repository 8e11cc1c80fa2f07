// The window of A^B to 50 digits: stoppable while the integer power runs
// (with its step counter), then the logarithm and exponential series in one
// go.
#pragma once

#include "frame/calculator_window.h"
#include "frame/finished_result.h"
#include "frame/run_protocol.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace taketa {

class Tfrm_yuurisuubeki2 : public CalculatorWindow {
  Q_OBJECT

 public:
  Tfrm_yuurisuubeki2();

  QLabel* Label1;
  QLabel* Label2;
  QLineEdit* Edit1;  // A
  QLabel* Label3;
  QLineEdit* Edit2;       // B
  QPushButton* Button1;   // start / stop
  QPushButton* Button2;   // exit
  QPlainTextEdit* Memo1;  // " 計算中です。"
  QPlainTextEdit* Memo2;  // step counter of the integer power
  QLabel* Label4;
  QPlainTextEdit* Memo3;  // A^B
  QLabel* Label5;
  QLabel* Label7;
  QLabel* Label6;

  bool busy() const { return run_.busy(); }

  void Button1Click();
  void Button2Click() { close(); }
  void Edit1Change();
  void Edit2Change();

  FinishedResult& finished() { return finished_; }

 protected:
  void FormShow() override;
  void FormClose() override { run_.Stop(); }

 private:
  StoppableRun run_;
  FinishedResult finished_;
};

}  // namespace taketa
