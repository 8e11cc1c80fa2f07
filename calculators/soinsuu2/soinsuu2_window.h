// The prime factorisation window.
#pragma once

#include "frame/calculator_window.h"
#include "frame/finished_result.h"
#include "frame/run_protocol.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace taketa {

class Tfrm_soinsuu2 : public CalculatorWindow {
  Q_OBJECT

 public:
  Tfrm_soinsuu2();

  QLabel* Label1;
  QLabel* Label2;
  QLineEdit* Edit1;
  QPushButton* Button1;   // start / stop
  QPushButton* Button2;   // exit
  QPlainTextEdit* Memo2;  // wait notice
  QPlainTextEdit* Memo3;  // progress: the trial divisor
  QPlainTextEdit* Memo4;  // progress: the square-root bound
  QLabel* Label3;
  QPlainTextEdit* Memo1;  // the factorisation as it grows

  bool busy() const { return run_.busy(); }

  void Button1Click();
  void Button2Click() { close(); }
  void Edit1Change();

  FinishedResult& finished() { return finished_; }

 protected:
  void FormShow() override;
  void FormClose() override { run_.Stop(); }

 private:
  StoppableRun run_;
  FinishedResult finished_;
};

}  // namespace taketa
