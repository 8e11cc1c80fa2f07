// What the windows ask of the desktop: message boxes, the beep, where the
// result file goes and the text editor that opens it. Tests put a scripted
// desktop in place of the system's.
#pragma once

#include <QString>

class QWidget;

namespace taketa {

// A folder for Temp.txt: created owner-only when missing. Saving refuses a
// folder that is a link, belongs to another user or others may write to.
struct SaveLocation {
  QString directory;
  QString file;
};

class Desktop {
 public:
  virtual ~Desktop() = default;

  // The default system beep.
  virtual void Beep() = 0;
  // A message box with the text and an OK button.
  virtual void Inform(QWidget* parent, const QString& text) = 0;
  // A question with Yes and No: Yes is the default button (Enter), Escape
  // answers No. True for Yes.
  virtual bool Confirm(QWidget* parent, const QString& text) = 0;
  // The application's general error report.
  virtual void ReportError(QWidget* parent, const QString& text) = 0;
  // Starts the text editor on the file written to `location`, without
  // waiting for it and without checking that it started.
  virtual void OpenTextEditor(const SaveLocation& location) = 0;

  // Where the result file goes, and where it goes when that fails.
  virtual SaveLocation PrimarySaveLocation() = 0;
  virtual SaveLocation FallbackSaveLocation() = 0;

  // The file dialog of "名前を付けて保存…", opened at `suggested` (a folder
  // and a file name). The chosen file, or an empty text when the user
  // cancels (and on a desktop without such a dialog).
  virtual QString ChooseSaveFile(QWidget* parent, const QString& suggested);
};

// `text` as the system's message boxes show it: its lines break after a
// space or at a line break and nowhere else, so that a Japanese phrase
// stays whole ("保存されました。", not "保存されまし" / "た"); the texts put
// a space where a line may break. The text is the same to read: a word
// joiner (U+2060) at every other place where a line could break.
QString MessageBoxText(const QString& text);

// Before a dialog of `widget`'s window opens: a minimised window is restored
// (to the state it had, maximised for a calculator window), raised and made
// active, so that the dialog, which every other window waits for, is seen.
void BringToFront(QWidget* widget);

// The desktop the windows use: the system's unless SetDesktop gave another.
Desktop& TheDesktop();
// Uses `desktop` from now on (not owned); nullptr returns to the system's.
void SetDesktop(Desktop* desktop);

}  // namespace taketa
