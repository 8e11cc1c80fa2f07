#include "frame/controls.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTextLayout>
#include <utility>

#include "calculators/common/text.h"

namespace taketa {
namespace {

// Keeps the layout of every block it lays out. Without it Qt frees a
// block's glyphs once the block is laid out and rebuilds them for each
// caret position asked for, which for a block of a million digits costs
// a third of a second, twice a second while the caret blinks.
class KeptLayout final : public QPlainTextDocumentLayout {
 public:
  using QPlainTextDocumentLayout::QPlainTextDocumentLayout;

 protected:
  void documentChanged(int from, int charsRemoved, int charsAdded) override {
    const int end = from + charsAdded;
    for (QTextBlock block = document()->findBlock(from); block.isValid() && block.position() <= end;
         block = block.next()) {
      block.layout()->setCacheEnabled(true);
    }
    QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded);
  }
};

}  // namespace

std::string BoxText(const QLineEdit* box) { return box->text().toStdString(); }

std::string BoxText(const QPlainTextEdit* box) {
  return WithCrLf(box->toPlainText().toStdString());
}

QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

void SetText(QPlainTextEdit* box, std::string_view utf8) { box->setPlainText(ToQString(utf8)); }

MemoBox::MemoBox(QWidget* parent) : QPlainTextEdit(parent) {
  auto* document = new QTextDocument(this);
  document->setDocumentLayout(new KeptLayout(document));
  setDocument(document);
  // Digits, kana and kanji come out of shaping as they go in: skipping it
  // halves the time a long line takes to lay out. Scripts that need shaping
  // are still shaped.
  QFont unshaped = font();
  unshaped.setStyleStrategy(QFont::PreferNoShaping);
  setFont(unshaped);
}

QMimeData* MemoBox::createMimeDataFromSelection() const {
  auto* data = new QMimeData;
  data->setText(QTextDocumentFragment(textCursor()).toPlainText());
  return data;
}

RichEditBox::RichEditBox(QWidget* parent)
    : MemoBox(parent),
      popupMenu_(new QMenu(this)),
      copy_(popupMenu_->addAction(QStringLiteral("コピー"))),
      paste_(popupMenu_->addAction(QStringLiteral("貼り付け"))),
      selectAll_(popupMenu_->addAction(QStringLiteral("すべてを選択"))) {
  popupMenu_->setObjectName(QStringLiteral("PopupMenu1"));
  copy_->setObjectName(QStringLiteral("Copy1"));
  paste_->setObjectName(QStringLiteral("Paste1"));
  selectAll_->setObjectName(QStringLiteral("SelectAll1"));
  // The keys the box itself takes, shown in the menu as every other result
  // box's menu shows them, and taken by the open menu only (the box's own
  // keys stay the box's).
  const std::pair<QAction*, QKeySequence::StandardKey> keys[] = {
      {copy_, QKeySequence::Copy},
      {paste_, QKeySequence::Paste},
      {selectAll_, QKeySequence::SelectAll}};
  for (const auto& [action, key] : keys) {
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetShortcut);
  }
  connect(copy_, &QAction::triggered, this, &RichEditBox::Copy1Click);
  connect(paste_, &QAction::triggered, this, &RichEditBox::Paste1Click);
  connect(selectAll_, &QAction::triggered, this, &RichEditBox::SelectAll1Click);
}

void RichEditBox::Copy1Click() {
  // With nothing selected the clipboard keeps what the user put there.
  if (textCursor().hasSelection()) copy();
}

void RichEditBox::Paste1Click() { textCursor().insertText(QApplication::clipboard()->text()); }

void RichEditBox::contextMenuEvent(QContextMenuEvent* event) {
  popupMenu_->exec(event->globalPos());
}

}  // namespace taketa
