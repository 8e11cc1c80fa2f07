// The power window: a number of up to 100 digits to a natural exponent.
#pragma once

#include "frame/calculator_window.h"
#include "frame/finished_result.h"
#include "frame/run_protocol.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace taketa {

class Tfrm_ruijou : public CalculatorWindow {
  Q_OBJECT

 public:
  Tfrm_ruijou();

  QLabel* Label2;
  QLabel* Label1;
  QLineEdit* Edit1;       // the base A
  QPlainTextEdit* Memo3;  // length counter of Edit1
  QLabel* Label3;
  QLineEdit* Edit2;        // the exponent
  QPushButton* Button1;    // start / stop
  QPushButton* Button2;    // exit
  QPlainTextEdit* Memo1;   // progress: multiplications done
  RichEditBox* RichEdit1;  // the full result, with PopupMenu1
  QLabel* Label4;
  QPlainTextEdit* Memo2;  // the floating form

  bool busy() const { return run_.busy(); }

  void Button1Click();
  void Button2Click() { close(); }
  void Edit1Change();
  void Edit2Change();

  FinishedResult& finished() { return finished_; }

 protected:
  void FormShow() override;
  void FormClose() override { run_.Stop(); }

 private:
  StoppableRun run_;
  FinishedResult finished_;
};

}  // namespace taketa
