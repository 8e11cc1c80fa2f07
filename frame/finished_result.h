// A window's finished result, kept for "名前を付けて保存…": the saving
// protocol always writes the one Temp.txt; this writes the same bytes to a
// file the user names, so that more than one result can be kept.
#pragma once

#include <QObject>
#include <QString>
#include <initializer_list>
#include <optional>
#include <string_view>

#include "calculators/common/result_file.h"

class QAction;
class QMenu;
class QWidget;

namespace taketa {

class FinishedResult final : public QObject {
  Q_OBJECT

 public:
  // `resultBoxes` show the result: multi-line boxes, rich text boxes or
  // single-line boxes. Each gets "名前を付けて保存…" in its context menu
  // (a rich text box at the end of PopupMenu1, the others after Qt's
  // standard entries); Ctrl+S does the same anywhere in the window. The
  // result is forgotten as soon as one of the boxes is emptied or hidden,
  // as the windows do when a run starts, an input changes or the window is
  // shown again.
  FinishedResult(QWidget* window, std::initializer_list<QWidget*> resultBoxes);

  // A finished run: `file` holds the bytes the saving protocol writes
  // (title line from the inputs the run used, result lines).
  void Keep(ResultFile file);
  // Keep(file), then the saving protocol for the same file (OfferToSave).
  void KeepAndOffer(ResultFile file);
  void Forget();
  const ResultFile* file() const { return file_ ? &*file_ : nullptr; }

  // "名前を付けて保存…" (Ctrl+S): enabled while there is a finished result.
  QAction* SaveAs1() const { return saveAs_; }
  // The file dialog, at the user's documents folder with a name made from
  // the title line; then the file, written as the saving protocol writes
  // Temp.txt. A failure is reported; a cancelled dialog writes nothing.
  void SaveAsClick();

  // The context menu of a result box that is not a rich text box (the
  // caller owns it).
  QMenu* ContextMenu(QWidget* box) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
  QAction* saveAs_;
  std::optional<ResultFile> file_;
};

// The file name "名前を付けて保存…" offers for a title line: the title with
// what a file name cannot hold replaced by "_", at most 64 characters, and
// ".txt" ("円周率1000桁" gives "円周率1000桁.txt").
QString SuggestedFileName(std::string_view title);

}  // namespace taketa
