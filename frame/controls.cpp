#include "frame/controls.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>

#include "calculators/common/text.h"

namespace taketa {

std::string BoxText(const QLineEdit* box) { return box->text().toStdString(); }

std::string BoxText(const QPlainTextEdit* box) {
  return WithCrLf(box->toPlainText().toStdString());
}

QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

void SetText(QPlainTextEdit* box, std::string_view utf8) { box->setPlainText(ToQString(utf8)); }

RichEditBox::RichEditBox(QWidget* parent)
    : QPlainTextEdit(parent),
      popupMenu_(new QMenu(this)),
      copy_(popupMenu_->addAction(QStringLiteral("コピー"))),
      paste_(popupMenu_->addAction(QStringLiteral("貼り付け"))) {
  popupMenu_->setObjectName(QStringLiteral("PopupMenu1"));
  copy_->setObjectName(QStringLiteral("Copy1"));
  paste_->setObjectName(QStringLiteral("Paste1"));
  connect(copy_, &QAction::triggered, this, &RichEditBox::Copy1Click);
  connect(paste_, &QAction::triggered, this, &RichEditBox::Paste1Click);
}

void RichEditBox::Copy1Click() {
  const QString selected = textCursor().selectedText().replace(QChar::ParagraphSeparator, '\n');
  QApplication::clipboard()->setText(selected);
}

void RichEditBox::Paste1Click() { textCursor().insertText(QApplication::clipboard()->text()); }

void RichEditBox::contextMenuEvent(QContextMenuEvent* event) { popupMenu_->exec(event->globalPos()); }

}  // namespace taketa
