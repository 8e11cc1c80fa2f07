// The window of the quotient of two positive numbers of up to 50 digits,
// exact or to 20000 digits. Created with the others; no menu entry shows it.
#pragma once

#include "frame/calculator_window.h"
#include "frame/finished_result.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace taketa {

class Tfrm_warizan1 : public CalculatorWindow {
  Q_OBJECT

 public:
  Tfrm_warizan1();

  QLabel* Label2;         // what the window does
  QLabel* Label1;         // "Ａ＝"
  QLineEdit* Edit1;       // dividend A
  QLabel* Label3;         // "Ｂ＝"
  QLineEdit* Edit2;       // divisor B
  QLabel* Label4;         // "Ａ÷Ｂ＝"
  QPlainTextEdit* Memo1;  // the quotient
  QPushButton* Button1;   // start
  QPushButton* Button2;   // exit

  void Button1Click();
  void Button2Click() { close(); }
  void Edit1Change();
  void Edit2Change();

  FinishedResult& finished() { return finished_; }

 protected:
  void FormShow() override;

 private:
  FinishedResult finished_;
};

}  // namespace taketa
