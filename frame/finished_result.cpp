#include "frame/finished_result.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <memory>
#include <string>

#include "frame/controls.h"
#include "frame/desktop.h"
#include "frame/saving.h"

namespace taketa {
namespace {

constexpr qsizetype kLongestName = 64;

// Where the file dialog opens: the documents folder when there is one, else
// the home folder, as an absolute path (a dialog given a folder that is not
// there, or a relative one, opens in the working folder and offers a name
// whose folder is missing).
QString DocumentsFolder() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QFileInfo folder(!documents.isEmpty() && QFileInfo(documents).isDir() ? documents
                                                                              : QDir::homePath());
  return folder.absoluteFilePath();
}

}  // namespace

QString SuggestedFileName(std::string_view title) {
  QString name;
  for (const QChar c : ToQString(title)) {
    const bool unfit = c.unicode() < 0x20 || QStringLiteral("\\/:*?\"<>|").contains(c);
    name += unfit ? QChar('_') : c;
  }
  name = name.left(kLongestName).trimmed();
  if (!name.isEmpty() && name.back().isHighSurrogate()) name.chop(1);
  if (name.isEmpty() || name.startsWith('.')) name.prepend(QStringLiteral("計算結果"));
  return name + QStringLiteral(".txt");
}

FinishedResult::FinishedResult(QWidget* window, std::initializer_list<QWidget*> resultBoxes)
    : window_(window), saveAs_(new QAction(QStringLiteral("名前を付けて保存…"), window)) {
  saveAs_->setObjectName(QStringLiteral("SaveAs1"));
  saveAs_->setShortcut(QKeySequence::Save);
  saveAs_->setShortcutContext(Qt::WindowShortcut);
  saveAs_->setEnabled(false);
  window->addAction(saveAs_);
  connect(saveAs_, &QAction::triggered, this, &FinishedResult::SaveAsClick);
  for (QWidget* box : resultBoxes) {
    box->installEventFilter(this);
    if (auto* rich = qobject_cast<RichEditBox*>(box)) {
      rich->PopupMenu1()->addSeparator();
      rich->PopupMenu1()->addAction(saveAs_);
    } else {
      box->setContextMenuPolicy(Qt::CustomContextMenu);
      connect(box, &QWidget::customContextMenuRequested, this, [this, box](const QPoint& at) {
        // A scroll area reports the point in its viewport.
        auto* area = qobject_cast<QAbstractScrollArea*>(box);
        const std::unique_ptr<QMenu> menu(ContextMenu(box));
        menu->exec((area ? area->viewport() : box)->mapToGlobal(at));
      });
    }
    if (auto* memo = qobject_cast<QPlainTextEdit*>(box)) {
      connect(memo, &QPlainTextEdit::textChanged, this, [this, memo] {
        if (memo->document()->isEmpty()) Forget();
      });
    } else if (auto* edit = qobject_cast<QLineEdit*>(box)) {
      connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text.isEmpty()) Forget();
      });
    }
  }
}

void FinishedResult::Keep(ResultFile file) {
  file_ = std::move(file);
  saveAs_->setEnabled(true);
}

void FinishedResult::KeepAndOffer(ResultFile file) {
  Keep(file);
  OfferToSave(window_, [&file] { return std::move(file); });
}

void FinishedResult::Forget() {
  file_.reset();
  saveAs_->setEnabled(false);
}

void FinishedResult::SaveAsClick() {
  if (!file_) return;
  Desktop& desktop = TheDesktop();
  const QString path =
      desktop.ChooseSaveFile(window_, DocumentsFolder() + '/' + SuggestedFileName(file_->title));
  if (path.isEmpty()) return;
  WriteError error;
  if (!WriteFileSafely(QDir::toNativeSeparators(path).toStdString(), EncodeResultFile(*file_),
                       error)) {
    desktop.ReportError(window_, SaveFailureReport({error}));
  }
}

QMenu* FinishedResult::ContextMenu(QWidget* box) const {
  QMenu* menu = nullptr;
  if (auto* memo = qobject_cast<QPlainTextEdit*>(box)) {
    menu = memo->createStandardContextMenu();
  } else if (auto* edit = qobject_cast<QLineEdit*>(box)) {
    menu = edit->createStandardContextMenu();
  } else {
    menu = new QMenu;
  }
  menu->addSeparator();
  menu->addAction(saveAs_);
  return menu;
}

bool FinishedResult::eventFilter(QObject* watched, QEvent* event) {
  // Hidden by the window itself, not because the window was closed.
  if (event->type() == QEvent::Hide && static_cast<QWidget*>(watched)->isHidden()) Forget();
  return false;
}

}  // namespace taketa
