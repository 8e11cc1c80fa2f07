// The window of the quotient of two positive numbers of up to 2000 digits,
// exact or to 20000 digits.
#pragma once

#include "frame/calculator_window.h"
#include "frame/finished_result.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace taketa {

class Tfrm_warizan4 : public CalculatorWindow {
  Q_OBJECT

 public:
  Tfrm_warizan4();

  QLabel* Label2;         // what the window does
  QLabel* Label1;         // "Ａ＝"
  QPlainTextEdit* Memo1;  // dividend A
  QLabel* Label3;         // "Ｂ＝"
  QPlainTextEdit* Memo2;  // divisor B
  QLabel* Label4;         // "Ａ÷Ｂ＝"
  QPlainTextEdit* Memo3;  // the quotient
  QPlainTextEdit* Memo4;  // length counter of both inputs
  QPushButton* Button1;   // start
  QPushButton* Button3;   // clear
  QPushButton* Button2;   // exit

  void Button1Click();
  void Button2Click() { close(); }
  void Button3Click();
  void Memo1Change();
  void Memo2Change();

  FinishedResult& finished() { return finished_; }

 protected:
  void FormShow() override { Button3Click(); }

 private:
  FinishedResult finished_;
};

}  // namespace taketa
