// What every window of the program is: a teal, maximised top-level window
// named after its instance, whose controls carry their designer names.
#pragma once

#include <QString>
#include <QWidget>
#include <initializer_list>
#include <utility>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace taketa {

class RichEditBox;

// A multi-line box's vertical scroll bar: none, shown once the text is
// longer than the box holds, or always there.
enum class ScrollBar { kNone, kAsNeeded, kAlways };

// How a multi-line box behaves beyond its defaults (editable, lines wrap,
// no scroll bar, reached by Tab).
struct MemoStyle {
  bool readOnly = false;
  ScrollBar scrollBar = ScrollBar::kNone;
  bool tabStop = true;
  bool wrap = true;
};

// Fonts of the windows: "ＭＳ ゴシック" where present, else a Japanese font of
// the same metrics, else the system's Japanese font.
QFont GothicFont(int pixelSize);
QFont ProportionalGothicFont(int pixelSize);

class CalculatorWindow : public QWidget {
  Q_OBJECT

 public:
  // `instanceName` ("frm_ensyuuritu") is the object name and the caption.
  explicit CalculatorWindow(const QString& instanceName, QWidget* parent = nullptr);

  // Shows the window maximised, or brings it to the front when it is shown.
  void ShowFromMenu();

 protected:
  // Runs every time the window is shown.
  virtual void FormShow() {}
  // Runs when the window is closed by its exit button or the window
  // system's close button; the window is then hidden, not destroyed.
  virtual void FormClose() {}

  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

  // Gives the boxes the names a screen reader says for them.
  static void NameBoxes(std::initializer_list<std::pair<QWidget*, QString>> boxes);

  // Controls at their designer positions (left, top, width, height).
  QLabel* AddLabel(const char* name, const QString& text, int left, int top);
  QLineEdit* AddEdit(const char* name, int left, int top, int width, int height);
  QPlainTextEdit* AddMemo(const char* name, int left, int top, int width, int height,
                          MemoStyle style = {});
  RichEditBox* AddRichEdit(const char* name, int left, int top, int width, int height);
  QPushButton* AddButton(const char* name, const QString& caption, int left, int top, int width,
                         int height);
};

}  // namespace taketa
