// The window of a decimal power to 12 digits in extended floating point.
#pragma once

#include "frame/calculator_window.h"
#include "frame/finished_result.h"
#include "frame/run_protocol.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace taketa {

class Tfrm_yuurisuubeki : public CalculatorWindow {
  Q_OBJECT

 public:
  Tfrm_yuurisuubeki();

  QLabel* Label1;
  QLabel* Label2;
  QLineEdit* Edit1;  // A
  QLabel* Label3;
  QLineEdit* Edit2;       // B
  QPushButton* Button1;   // start / stop
  QPushButton* Button2;   // exit
  QPlainTextEdit* Memo1;  // wait notice while the integer power runs
  QLabel* Label4;
  QPlainTextEdit* Memo2;  // the result
  QLabel* Label5;
  QLabel* Label6;

  bool busy() const { return run_.busy(); }

  void Button1Click();
  void Button2Click() { close(); }
  void Edit1Change();
  void Edit2Change() { Edit1Change(); }

  FinishedResult& finished() { return finished_; }

 protected:
  void FormShow() override;
  void FormClose() override { run_.Stop(); }

 private:
  StoppableRun run_;
  FinishedResult finished_;
};

}  // namespace taketa
