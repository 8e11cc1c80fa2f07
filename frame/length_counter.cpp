#include "frame/length_counter.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <string>

#include "calculators/common/line_break.h"
#include "calculators/common/text.h"
#include "frame/controls.h"
#include "frame/desktop.h"

namespace taketa {
namespace {

void ShowCount(QPlainTextEdit* counter, const std::string& text) {
  counter->setVisible(true);
  counter->setPlainText(QStringLiteral("入力文字数＝") + QString::number(Cp932Length(text)));
}

}  // namespace

void ShowLength(QPlainTextEdit* counter, const QPlainTextEdit* box) {
  ShowCount(counter, BoxText(box));
}

void ShowLength(QPlainTextEdit* counter, const QLineEdit* box) { ShowCount(counter, BoxText(box)); }

void CheckTypedText(QWidget* window, const QPlainTextEdit* box, bool digitsOnly) {
  const std::string text = BoxText(box);
  Desktop& desktop = TheDesktop();
  if (EndsWithLineBreak(text)) {
    desktop.Beep();
    desktop.Inform(window, ToQString(kLineBreakMessage));
    return;
  }
  if (digitsOnly && !text.empty() && !IsDigit(text.back())) {
    desktop.Beep();
    desktop.Inform(window, QStringLiteral("半角数字を入力してください。"));
  }
}

}  // namespace taketa
