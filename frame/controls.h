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

namespace taketa {

// A box's text as the input checks read it: UTF-8, every line break CR LF.
std::string BoxText(const QLineEdit* box);
std::string BoxText(const QPlainTextEdit* box);
QString ToQString(std::string_view utf8);

// Replaces a multi-line box's whole text.
void SetText(QPlainTextEdit* box, std::string_view utf8);

// A rich text box that holds plain text, with the pop-up menu PopupMenu1:
// Copy1 "コピー" copies the selection, Paste1 "貼り付け" pastes the
// clipboard's text at the caret, replacing the selection.
class RichEditBox : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit RichEditBox(QWidget* parent);

  QMenu* PopupMenu1() const { return popupMenu_; }
  QAction* Copy1() const { return copy_; }
  QAction* Paste1() const { return paste_; }

  void Copy1Click();
  void Paste1Click();

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  QMenu* popupMenu_;
  QAction* copy_;
  QAction* paste_;
};

}  // namespace taketa
