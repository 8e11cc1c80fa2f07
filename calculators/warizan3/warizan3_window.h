// The window of the integer quotient and remainder of two integers of up to
// 60000 digits.
#pragma once

#include "frame/calculator_window.h"
#include "frame/finished_result.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace taketa {

class Tfrm_warizan3 : public CalculatorWindow {
  Q_OBJECT

 public:
  Tfrm_warizan3();

  QLabel* Label2;         // what the window does
  QLabel* Label1;         // "Ａ＝"
  QPlainTextEdit* Memo1;  // dividend A
  QLabel* Label3;         // "Ｂ＝"
  QPlainTextEdit* Memo2;  // divisor B
  QLabel* Label4;         // "Ａ÷Ｂの整商＝"
  QPlainTextEdit* Memo3;  // the quotient
  QLabel* Label5;         // "Ａ÷Ｂの余り＝"
  QPlainTextEdit* Memo4;  // the remainder
  QPlainTextEdit* Memo5;  // wait notice
  QPlainTextEdit* Memo6;  // length counter of both inputs
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
  void FormShow() override;

 private:
  FinishedResult finished_;
};

}  // namespace taketa
