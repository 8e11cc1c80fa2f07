// The length counter of an input box and the checks its change handler
// makes while the user types.
#pragma once

class QPlainTextEdit;
class QLineEdit;
class QWidget;

namespace taketa {

// Shows `counter` with "入力文字数＝" and the length of the text (bytes in
// code page 932: a full-width character and a line break count 2).
void ShowLength(QPlainTextEdit* counter, const QPlainTextEdit* box);
void ShowLength(QPlainTextEdit* counter, const QLineEdit* box);

// After ShowLength: a text that ends with a line break is reported ("BackSpace
// キーを押して、改行コードを取り除いてください。") and nothing more is checked;
// with `digitsOnly`, a text whose last character is not a digit is reported
// ("半角数字を入力してください。"). The text itself is left as it is.
void CheckTypedText(QWidget* window, const QPlainTextEdit* box, bool digitsOnly);

}  // namespace taketa
