#include "calculators/heihoukon2/heihoukon2_window.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "calculators/heihoukon2/heihoukon2_calc.h"
#include "frame/controls.h"
#include "frame/length_counter.h"
#include "frame/run_protocol.h"

namespace taketa {

Tfrm_heihoukon2::Tfrm_heihoukon2()
    : CalculatorWindow(QStringLiteral("frm_heihoukon2")),
      Label1(
          AddLabel("Label1",
                   QStringLiteral("200桁以内の正の数Ａ(整数または小数)の正の平方根を（それが無理数"
                                  "であるときには、10000桁まで）求めます。"),
                   40, 20)),
      Label2(AddLabel("Label2", QStringLiteral("Ａ＝"), 40, 58)),
      Memo3(AddMemo("Memo3", 80, 54, 900, 46)),
      Label3(AddLabel("Label3", QStringLiteral("求める平方根"), 40, 150)),
      Memo2(
          AddMemo("Memo2", 40, 172, 940, 520, {.scrollBar = ScrollBar::kAlways, .tabStop = false})),
      Memo1(AddMemo("Memo1", 80, 114, 170, 24, {.tabStop = false, .wrap = false})),
      Memo4(AddMemo("Memo4", 270, 114, 130, 24, {.wrap = false})),
      Button1(AddButton("Button1", QStringLiteral("計算開始"), 560, 112, 90, 28)),
      Button3(AddButton("Button3", QStringLiteral("終了"), 670, 112, 81, 28)),
      finished_(this, {Memo2}) {
  NameBoxes({{Memo3, QStringLiteral("平方根を求める数Ａ")},
             {Memo2, QStringLiteral("求める平方根")},
             {Memo1, QStringLiteral("入力文字数")},
             {Memo4, QStringLiteral("計算中の表示")}});
  StartOnEnter({Memo3}, Button1);
  Memo4->setPlainText(QStringLiteral(" 計算中です。"));
  Memo1->setVisible(false);
  Memo4->setVisible(false);
  connect(Button1, &QPushButton::clicked, this, &Tfrm_heihoukon2::Button1Click);
  connect(Button3, &QPushButton::clicked, this, &Tfrm_heihoukon2::Button3Click);
  connect(Memo3, &QPlainTextEdit::textChanged, this, &Tfrm_heihoukon2::Memo3Change);
}

void Tfrm_heihoukon2::FormShow() {
  Memo2->clear();
  Memo3->setFocus();
  Memo3->clear();
  Memo1->setVisible(false);
  Memo4->setVisible(false);
}

void Tfrm_heihoukon2::Memo3Change() {
  Memo2->clear();
  ShowLength(Memo1, Memo3);
  CheckTypedText(this, Memo3, false);
}

void Tfrm_heihoukon2::Button1Click() {
  BeginOneShot({Memo2});
  UnstoppableRun control([this] { ShowWaitNotice(Memo4); });
  const UnitOutcome outcome = heihoukon2::RunUnit(BoxTexts({Memo3}), control);
  if (outcome.status == UnitOutcome::Status::kRefused) {
    ReportInputError(this, outcome.error, {Memo3});
    return;
  }
  Memo4->setVisible(false);
  SetText(Memo2, outcome.shown[0]);
  finished_.KeepAndOffer(outcome.file);
  Memo3->setFocus();
}

}  // namespace taketa
