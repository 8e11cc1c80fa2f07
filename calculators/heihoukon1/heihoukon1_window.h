// The window of the integer part of the square root of a natural number of
// up to 10000 digits.
#pragma once

#include "frame/calculator_window.h"
#include "frame/finished_result.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace taketa {

class Tfrm_heihoukon1 : public CalculatorWindow {
  Q_OBJECT

 public:
  Tfrm_heihoukon1();

  QLabel* Label1;         // what the window does
  QLabel* Label2;         // "Ｎ＝"
  QPlainTextEdit* Memo1;  // the number N
  QLabel* Label3;         // "Ｎの平方根の整数部分＝"
  QPlainTextEdit* Memo2;  // the root
  QPlainTextEdit* Memo3;  // length counter
  QPushButton* Button1;   // start
  QPushButton* Button2;   // clear
  QPushButton* Button3;   // exit

  void Button1Click();
  void Button2Click();
  void Button3Click() { close(); }
  void Memo1Change();

  FinishedResult& finished() { return finished_; }

 protected:
  void FormShow() override;

 private:
  FinishedResult finished_;
};

}  // namespace taketa
