#include "frame/saving.h"

#include <QDir>
#include <string>

#include "frame/controls.h"
#include "frame/desktop.h"

namespace taketa {
namespace {

// Writes the file to `location`, creating its folder. The folder must be
// one only this user can use: both locations are fixed names that another
// user could have made first. False with `error` set when any step fails.
bool WriteTo(const SaveLocation& location, const ResultFile& file, std::string& error) {
  return WriteResultFile(QDir::toNativeSeparators(location.file).toStdString(), file, error,
                         SaveFolder::kPrivate);
}

void Saved(QWidget* window, Desktop& desktop, const SaveLocation& location) {
  desktop.Beep();
  const QString question = QStringLiteral("計算結果が ") + QDir::toNativeSeparators(location.file) +
                           QStringLiteral(" に保存されました。 このテキストファイルを開きますか。");
  if (desktop.Confirm(window, question)) desktop.OpenTextEditor(location);
}

}  // namespace

void OfferToSave(QWidget* window, const std::function<ResultFile()>& makeFile) {
  Desktop& desktop = TheDesktop();
  desktop.Beep();
  if (!desktop.Confirm(window, QStringLiteral("計算完了。　計算結果を保存または印刷しますか。"))) {
    return;
  }
  const ResultFile file = makeFile();
  std::string error;
  const SaveLocation primary = desktop.PrimarySaveLocation();
  if (WriteTo(primary, file, error)) {
    Saved(window, desktop, primary);
    return;
  }
  const SaveLocation fallback = desktop.FallbackSaveLocation();
  std::string fallbackError;
  if (WriteTo(fallback, file, fallbackError)) {
    Saved(window, desktop, fallback);
    return;
  }
  desktop.ReportError(window, ToQString(error + "\n" + fallbackError));
}

}  // namespace taketa
