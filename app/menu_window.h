// The main menu: a column of buttons, each of which shows one calculator
// window. Closing it, or its "終了" button, ends the program.
#pragma once

#include "frame/calculator_window.h"

class QLabel;
class QPushButton;

namespace taketa {

class Tfrm_menu : public CalculatorWindow {
  Q_OBJECT

 public:
  Tfrm_menu();

  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QPushButton* Button1;  // 終了
  QPushButton* Button2;
  QPushButton* Button3;
  QPushButton* Button4;
  QPushButton* Button5;
  QPushButton* Button6;
  QPushButton* Button7;
  QPushButton* Button8;
  QPushButton* Button10;
  QPushButton* Button11;
  QPushButton* Button12;
  QPushButton* Button13;
  QPushButton* Button14;
  QPushButton* Button15;
  QPushButton* Button16;
  QPushButton* Button17;
  QPushButton* Button18;
  QPushButton* Button19;

  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void Button5Click();
  void Button6Click();
  void Button7Click();
  void Button8Click();
  // Shows frm_warizan1; no button of the menu is connected to it.
  void Button9Click();
  void Button10Click();
  void Button11Click();
  void Button12Click();
  void Button13Click();
  void Button14Click();
  void Button15Click();
  void Button16Click();
  void Button17Click();
  void Button18Click();
  void Button19Click();

 protected:
  // Closes every calculator window (a running calculation ends as stopped)
  // and ends the program.
  void FormClose() override;

 private:
  QPushButton* AddMenuButton(const char* name, const QString& caption, int top,
                             void (Tfrm_menu::*handler)());
};

}  // namespace taketa
