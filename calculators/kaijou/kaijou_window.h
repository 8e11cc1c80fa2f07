// The window of unit kaijou: N! for N up to 50000.
#pragma once

#include "frame/calculator_window.h"
#include "frame/finished_result.h"
#include "frame/run_protocol.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace taketa {

class RichEditBox;

class Tfrm_kaijou : public CalculatorWindow {
  Q_OBJECT

 public:
  Tfrm_kaijou();

  QLabel* Label1;
  QLabel* Label2;
  QLineEdit* Edit1;        // N
  QPushButton* Button1;    // start / stop
  QPushButton* Button2;    // exit
  QPlainTextEdit* Memo2;   // progress: the multiplier i
  RichEditBox* RichEdit1;  // the digits and their count, with PopupMenu1

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
