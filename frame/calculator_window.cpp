#include "frame/calculator_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>

#include "frame/controls.h"

#ifdef __GLIBC__
#include <malloc.h>
#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>
#endif

namespace taketa {
namespace {

const QColor kTeal(0, 128, 128);

// A result of a million digits is laid out in one block of about forty
// megabytes. Left to itself the C library maps every such block afresh and
// hands it back when it is freed, and the system then clears and maps it
// page by page at the next result: on a virtual machine that costs as much
// as the layout itself. Kept in the heap instead, the memory a calculation
// frees serves the layout of its result, and one result's layout the next.
// The heap's next stretch is marked for pages of 2 MB where the system
// offers them, so that the first such layout, and one that outgrows the
// heap, fault in a page per 2 MB rather than per 4 KB; nothing is touched
// before it is used.
void KeepFreedMemoryForLongResults() {
#ifdef __GLIBC__
  static const bool kept = [] {
    constexpr std::size_t kStretch = std::size_t{64} << 20, kLargePage = std::size_t{2} << 20;
    mallopt(M_MMAP_THRESHOLD, 128 << 20);
    mallopt(M_TRIM_THRESHOLD, 128 << 20);
#ifdef MADV_HUGEPAGE
    if (void* stretch = std::malloc(kStretch)) {
      const auto start = reinterpret_cast<std::uintptr_t>(stretch);
      const std::uintptr_t begin = (start + kLargePage - 1) & ~(kLargePage - 1);
      const std::uintptr_t end = (start + kStretch) & ~(kLargePage - 1);
      if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
      std::free(stretch);
    }
#endif
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    return true;
  }();
  (void)kept;
#endif
}

QFont JapaneseFont(const QStringList& families, int pixelSize) {
  QFont font;
  font.setFamilies(families);
  font.setPixelSize(pixelSize);
  return font;
}

}  // namespace

QFont GothicFont(int pixelSize) {
  return JapaneseFont(
      {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"), QStringLiteral("IPAGothic"),
       QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("monospace")},
      pixelSize);
}

QFont ProportionalGothicFont(int pixelSize) {
  return JapaneseFont({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                       QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP"),
                       QStringLiteral("sans-serif")},
                      pixelSize);
}

CalculatorWindow::CalculatorWindow(const QString& instanceName, QWidget* parent) : QWidget(parent) {
  KeepFreedMemoryForLongResults();
  setObjectName(instanceName);
  setWindowTitle(instanceName);
  setGeometry(139, 19, 1127, 742);
  QPalette teal = palette();
  teal.setColor(QPalette::Window, kTeal);
  teal.setColor(QPalette::WindowText, Qt::white);
  setPalette(teal);
  setAutoFillBackground(true);
  setFont(GothicFont(16));
}

void CalculatorWindow::ShowFromMenu() {
  if (isHidden()) {
    showMaximized();
  } else {
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
  }
  raise();
  activateWindow();
}

void CalculatorWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void CalculatorWindow::closeEvent(QCloseEvent* event) {
  FormClose();
  event->accept();
}

void CalculatorWindow::NameBoxes(std::initializer_list<std::pair<QWidget*, QString>> boxes) {
  for (const auto& [box, name] : boxes) box->setAccessibleName(name);
}

QLabel* CalculatorWindow::AddLabel(const char* name, const QString& text, int left, int top) {
  auto* label = new QLabel(text, this);
  label->setObjectName(QString::fromLatin1(name));
  label->move(left, top);
  label->adjustSize();
  return label;
}

QLineEdit* CalculatorWindow::AddEdit(const char* name, int left, int top, int width, int height) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setGeometry(left, top, width, height);
  return edit;
}

QPlainTextEdit* CalculatorWindow::AddMemo(const char* name, int left, int top, int width,
                                          int height, MemoStyle style) {
  auto* memo = new MemoBox(this);
  memo->setObjectName(QString::fromLatin1(name));
  memo->setGeometry(left, top, width, height);
  memo->setReadOnly(style.readOnly);
  memo->setTabChangesFocus(true);
  memo->setLineWrapMode(style.wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
  // Digits have no word breaks: wrapping anywhere keeps the layout of a
  // line of many thousand digits fast.
  memo->setWordWrapMode(QTextOption::WrapAnywhere);
  memo->setVerticalScrollBarPolicy(style.scrollBar == ScrollBar::kAlways ? Qt::ScrollBarAlwaysOn
                                   : style.scrollBar == ScrollBar::kAsNeeded
                                       ? Qt::ScrollBarAsNeeded
                                       : Qt::ScrollBarAlwaysOff);
  memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  if (!style.tabStop) memo->setFocusPolicy(Qt::ClickFocus);
  return memo;
}

RichEditBox* CalculatorWindow::AddRichEdit(const char* name, int left, int top, int width,
                                           int height) {
  auto* rich = new RichEditBox(this);
  rich->setObjectName(QString::fromLatin1(name));
  rich->setGeometry(left, top, width, height);
  rich->setTabChangesFocus(true);
  rich->setWordWrapMode(QTextOption::WrapAnywhere);
  rich->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  return rich;
}

QPushButton* CalculatorWindow::AddButton(const char* name, const QString& caption, int left,
                                         int top, int width, int height) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(left, top, width, height);
  button->setAutoDefault(false);
  return button;
}

}  // namespace taketa
