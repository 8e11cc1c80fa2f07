// The controls the calculator windows are built from, and their text as the
// calculations read it.
#pragma once

#include <QPlainTextEdit>
#include <QString>
#include <string>
#include <string_view>

class QLineEdit;
class QMenu;
class QAction;
class QMimeData;

namespace taketa {

// A box's text as the input checks read it: UTF-8, every line break CR LF.
std::string BoxText(const QLineEdit* box);
std::string BoxText(const QPlainTextEdit* box);
QString ToQString(std::string_view utf8);

// Replaces a multi-line box's whole text.
void SetText(QPlainTextEdit* box, std::string_view utf8);

// A multi-line box that shows a line of a million digits without delay: a
// line is laid out once, when its text changes, and its layout is kept for
// painting and for the caret (Qt would otherwise lay the whole line out
// again at every blink); text that needs no shaping (digits, kana, kanji) is
// not shaped, which looks the same; and a copy puts plain text only on the
// clipboard.
class MemoBox : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit MemoBox(QWidget* parent);

 protected:
  QMimeData* createMimeDataFromSelection() const override;
};

// A rich text box that holds plain text, with the pop-up menu PopupMenu1:
// Copy1 "コピー" copies the selection (nothing selected: the clipboard keeps
// what it holds), Paste1 "貼り付け" pastes the clipboard's text at the
// caret, replacing the selection, SelectAll1 "すべてを選択" selects the
// whole text. The entries show their keys (Ctrl+C, Ctrl+V, Ctrl+A), as the
// menus of the other result boxes do.
class RichEditBox : public MemoBox {
  Q_OBJECT

 public:
  explicit RichEditBox(QWidget* parent);

  QMenu* PopupMenu1() const { return popupMenu_; }
  QAction* Copy1() const { return copy_; }
  QAction* Paste1() const { return paste_; }
  QAction* SelectAll1() const { return selectAll_; }

  void Copy1Click();
  void Paste1Click();
  void SelectAll1Click() { selectAll(); }

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  QMenu* popupMenu_;
  QAction* copy_;
  QAction* paste_;
  QAction* selectAll_;
};

}  // namespace taketa
