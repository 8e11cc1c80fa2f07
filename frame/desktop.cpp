#include "frame/desktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>
#include <QTextBoundaryFinder>
#include <QUrl>
#include <QVariant>

#ifndef Q_OS_WIN
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace taketa {
namespace {

const QString kCaption = QStringLiteral("多桁");
// U+2060 WORD JOINER: no line break on either side, and nothing to see.
constexpr QChar kWordJoiner(0x2060);

#ifndef Q_OS_WIN
// The session's runtime folder when it is safe to save into: an absolute
// path to a folder (not a link) of this user's that no one else may enter.
// Empty otherwise.
QString PrivateRuntimeFolder() {
  const QByteArray path = qgetenv("XDG_RUNTIME_DIR");
  struct stat st;
  if (!path.startsWith('/') || ::lstat(path.constData(), &st) != 0) return {};
  if (!S_ISDIR(st.st_mode) || st.st_uid != ::geteuid() || (st.st_mode & 077) != 0) return {};
  return QFile::decodeName(path);
}

// This user's login name, or the user number when it has none.
QString UserName() {
  const passwd* entry = ::getpwuid(::geteuid());
  return entry != nullptr ? QFile::decodeName(entry->pw_name) : QString::number(::geteuid());
}
#endif

// A message box of the window `parent` belongs to, with `text` broken into
// lines between words only, shown once the window is in front.
int ShowMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                   QMessageBox::StandardButtons buttons) {
  QMessageBox box(icon, kCaption, MessageBoxText(text), buttons, parent);
  if (buttons.testFlag(QMessageBox::Yes)) {
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
  }
  BringToFront(parent);
  return box.exec();
}

// Nothing is to persist between runs but the saved result file; the file
// dialog, though, keeps its last folder and history in the user's Qt
// settings when it is destroyed, whatever its options. Made before the
// dialog and destroyed after it, this leaves none: elsewhere the settings of
// this process go below /dev/null, where no file can ever be made; on
// Windows, where the dialog always writes to the registry
// (HKEY_CURRENT_USER\Software\QtProject), what was there before is put back
// (the keys removed when there were none).
class NoSettingsKept {
 public:
#ifdef Q_OS_WIN
  NoSettingsKept() {
    QSettings qt(QtKey(), QSettings::NativeFormat);
    existed_ = qt.childGroups().contains(QStringLiteral("OrganizationDefaults"));
    qt.beginGroup(FileDialogGroup());
    for (const QString& key : qt.allKeys()) before_.insert(key, qt.value(key));
  }

  ~NoSettingsKept() {
    {
      QSettings qt(QtKey(), QSettings::NativeFormat);
      qt.remove(FileDialogGroup());
      qt.beginGroup(FileDialogGroup());
      for (auto value = before_.cbegin(); value != before_.cend(); ++value) {
        qt.setValue(value.key(), value.value());
      }
      qt.endGroup();
      if (!existed_) qt.remove(QStringLiteral("OrganizationDefaults"));
    }
    QSettings software(QStringLiteral("HKEY_CURRENT_USER\\Software"), QSettings::NativeFormat);
    software.beginGroup(QStringLiteral("QtProject"));
    const bool empty = software.allKeys().isEmpty();
    software.endGroup();
    if (empty) software.remove(QStringLiteral("QtProject"));
  }
#else
  NoSettingsKept() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
  }
#endif
  NoSettingsKept(const NoSettingsKept&) = delete;
  NoSettingsKept& operator=(const NoSettingsKept&) = delete;

#ifdef Q_OS_WIN
 private:
  static QString QtKey() { return QStringLiteral("HKEY_CURRENT_USER\\Software\\QtProject"); }
  static QString FileDialogGroup() { return QStringLiteral("OrganizationDefaults/FileDialog"); }

  QVariantMap before_;
  bool existed_ = false;
#endif
};

class SystemDesktop final : public Desktop {
 public:
  void Beep() override { QApplication::beep(); }

  void Inform(QWidget* parent, const QString& text) override {
    ShowMessageBox(parent, QMessageBox::NoIcon, text, QMessageBox::Ok);
  }

  bool Confirm(QWidget* parent, const QString& text) override {
    return ShowMessageBox(parent, QMessageBox::Question, text,
                          QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
  }

  void ReportError(QWidget* parent, const QString& text) override {
    ShowMessageBox(parent, QMessageBox::Critical, text, QMessageBox::Ok);
  }

  void OpenTextEditor(const SaveLocation& location) override {
#ifdef Q_OS_WIN
    // Notepad from the drive that holds the file, as the program always did.
    const QString drive = location.file.left(2);
    QProcess::startDetached(drive + QStringLiteral("\\windows\\notepad.exe"),
                            {QDir::toNativeSeparators(location.file)});
#else
    QDesktopServices::openUrl(QUrl::fromLocalFile(location.file));
#endif
  }

  SaveLocation PrimarySaveLocation() override {
#ifdef Q_OS_WIN
    return {QStringLiteral("C:/Temp"), QStringLiteral("C:/Temp/Temp.txt")};
#else
    const QString dir = QDir::homePath() + QStringLiteral("/Temp");
    return {dir, dir + QStringLiteral("/Temp.txt")};
#endif
  }

  SaveLocation FallbackSaveLocation() override {
#ifdef Q_OS_WIN
    return {QStringLiteral("A:/Temp"), QStringLiteral("A:/Temp/Temp.txt")};
#else
    // The temporary folder is shared by every user of the machine: a fixed
    // name there could be another user's folder, or a link of theirs.
    const QString runtime = PrivateRuntimeFolder();
    const QString dir = runtime.isEmpty() ? QDir::tempPath() + QStringLiteral("/Temp-") + UserName()
                                          : runtime + QStringLiteral("/Temp");
    return {dir, dir + QStringLiteral("/Temp.txt")};
#endif
  }

  QString ChooseSaveFile(QWidget* parent, const QString& suggested) override {
    const NoSettingsKept kept;  // outlives the dialog
    BringToFront(parent);
    QFileDialog dialog(parent, QStringLiteral("名前を付けて保存"), suggested,
                       QStringLiteral("テキスト ファイル (*.txt);;すべてのファイル (*)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.selectFile(suggested);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
               ? dialog.selectedFiles().first()
               : QString();
  }
};

Desktop* chosen = nullptr;

}  // namespace

QString MessageBoxText(const QString& text) {
  QTextBoundaryFinder lines(QTextBoundaryFinder::Line, text);
  QString shown;
  shown.reserve(text.size() + text.size() / 2);
  qsizetype from = 0;
  for (qsizetype at = lines.toNextBoundary(); at > 0 && at < text.size();
       at = lines.toNextBoundary()) {
    shown += QStringView(text).mid(from, at - from);
    // A line may still break after a space or a line break, nowhere else.
    if (!text[at - 1].isSpace()) shown += kWordJoiner;
    from = at;
  }
  shown += QStringView(text).mid(from);
  return shown;
}

void BringToFront(QWidget* widget) {
  if (widget == nullptr) return;
  QWidget* window = widget->window();
  if (window->isMinimized()) window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
  window->raise();
  window->activateWindow();
}

QString Desktop::ChooseSaveFile(QWidget*, const QString&) { return {}; }

Desktop& TheDesktop() {
  static SystemDesktop system;
  return chosen ? *chosen : system;
}

void SetDesktop(Desktop* desktop) { chosen = desktop; }

}  // namespace taketa
