// The window of unit kakezan: the product of two numbers of up to 5000
// digits, integers or decimals. One-shot: no stop and no progress counter.
#pragma once

#include "frame/calculator_window.h"
#include "frame/finished_result.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace taketa {

class Tfrm_kakezan : public CalculatorWindow {
  Q_OBJECT

 public:
  Tfrm_kakezan();

  QLabel* Label2;         // what the window does
  QLabel* Label1;         // "Ａ＝"
  QPlainTextEdit* Memo1;  // A
  QLabel* Label3;         // "Ｂ＝"
  QPlainTextEdit* Memo2;  // B
  QPushButton* Button1;   // start
  QPushButton* Button3;   // clear
  QPushButton* Button2;   // exit
  QPlainTextEdit* Memo4;  // length counter of the box that changed last
  QLabel* Label4;         // "Ａ×Ｂ＝"
  QPlainTextEdit* Memo3;  // the product

  void Button1Click();
  void Button2Click() { close(); }
  void Button3Click();
  void Memo1Change();
  void Memo2Change();

  FinishedResult& finished() { return finished_; }

 protected:
  void FormShow() override;

 private:
  void InputChanged(QPlainTextEdit* box);
  FinishedResult finished_;
};

}  // namespace taketa
