// The window of the square root of a positive number of up to 200 digits,
// exact or to 10000 digits.
#pragma once

#include "frame/calculator_window.h"
#include "frame/finished_result.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace taketa {

class Tfrm_heihoukon2 : public CalculatorWindow {
  Q_OBJECT

 public:
  Tfrm_heihoukon2();

  QLabel* Label1;         // what the window does
  QLabel* Label2;         // "Ａ＝"
  QPlainTextEdit* Memo3;  // the number A
  QLabel* Label3;         // "求める平方根"
  QPlainTextEdit* Memo2;  // the root
  QPlainTextEdit* Memo1;  // length counter
  QPlainTextEdit* Memo4;  // wait notice
  QPushButton* Button1;   // start
  QPushButton* Button3;   // exit

  void Button1Click();
  void Button3Click() { close(); }
  void Memo3Change();

  FinishedResult& finished() { return finished_; }

 protected:
  void FormShow() override;

 private:
  FinishedResult finished_;
};

}  // namespace taketa
