// The N-th root window, in two stages: first N, then the number.
#pragma once

#include "frame/calculator_window.h"
#include "frame/finished_result.h"
#include "frame/run_protocol.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace taketa {

class Tfrm_Njoukon : public CalculatorWindow {
  Q_OBJECT

 public:
  Tfrm_Njoukon();

  // Stage 1.
  QLabel* Label1;
  QLabel* Label2;
  QLineEdit* Edit1;      // N
  QPushButton* Button1;  // "次へ進む"
  QPushButton* Button2;  // exit
  // Stage 2.
  QLabel* Label3;
  QLabel* Label4;
  QLineEdit* Edit2;       // the radicand
  QPushButton* Button3;   // start / stop
  QPushButton* Button4;   // back to stage 1 and exit
  QPlainTextEdit* Memo1;  // wait notice
  QPlainTextEdit* Memo2;  // progress: the candidate's length
  QPlainTextEdit* Memo3;  // progress: the power reached
  QLabel* Label5;
  QLineEdit* Edit3;  // the root

  bool busy() const { return run_.busy(); }

  void Button1Click();
  void Button2Click() { close(); }
  void Button3Click();
  void Button4Click();
  void Edit1Change() { HideResult(); }
  void Edit2Change() { HideResult(); }

  FinishedResult& finished() { return finished_; }

 protected:
  void FormShow() override;
  void FormClose() override;

 private:
  void ReturnToStageOne();
  void HideResult();
  // Label5's caption and the root in Edit3.
  void ShowRoot(const UnitOutcome& outcome);

  StoppableRun run_;
  FinishedResult finished_;
};

}  // namespace taketa
