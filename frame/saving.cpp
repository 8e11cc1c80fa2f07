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
bool WriteTo(const SaveLocation& location, const ResultFile& file, WriteError& error) {
  return WriteFileSafely(QDir::toNativeSeparators(location.file).toStdString(),
                         EncodeResultFile(file), error, SaveFolder::kPrivate);
}

void Saved(QWidget* window, Desktop& desktop, const SaveLocation& location) {
  desktop.Beep();
  const QString question = QStringLiteral("計算結果が ") + QDir::toNativeSeparators(location.file) +
                           QStringLiteral(" に保存されました。 このテキストファイルを開きますか。");
  if (desktop.Confirm(window, question)) desktop.OpenTextEditor(location);
}

// Why a file was not written, in a few words.
QString Why(const WriteError& error) {
  switch (error.failure) {
    case WriteFailure::kNone: return {};
    case WriteFailure::kNoFileName: return QStringLiteral("ファイル名がありません。");
    case WriteFailure::kFolderMissing: return QStringLiteral("フォルダーが見つかりません。");
    case WriteFailure::kNotAFolder: return QStringLiteral("フォルダーではありません。");
    case WriteFailure::kIsAFolder: return QStringLiteral("同じ名前のフォルダーがあります。");
    case WriteFailure::kNotAFile: return QStringLiteral("通常のファイルではありません。");
    case WriteFailure::kFolderIsLink: return QStringLiteral("フォルダーがリンクです。");
    case WriteFailure::kOthersFolder:
      return QStringLiteral("フォルダーがほかのユーザーのものです。");
    case WriteFailure::kOthersMayWrite:
      return QStringLiteral("ほかのユーザーも書き込めるフォルダーです。");
    case WriteFailure::kNoPermission: return QStringLiteral("書き込む権限がありません。");
    case WriteFailure::kReadOnly: return QStringLiteral("読み取り専用です。");
    case WriteFailure::kNoSpace: return QStringLiteral("ディスクの空き容量が足りません。");
    case WriteFailure::kNameTooLong: return QStringLiteral("名前が長すぎます。");
    case WriteFailure::kBadName: return QStringLiteral("名前に使えない文字があります。");
    case WriteFailure::kInUse: return QStringLiteral("ほかのプログラムが使用中です。");
    case WriteFailure::kNotReady: return QStringLiteral("ドライブの準備ができていません。");
    case WriteFailure::kOther: break;
  }
  return QStringLiteral("書き込めませんでした（エラー番号 %1）。").arg(error.code);
}

}  // namespace

QString SaveFailureReport(const std::vector<WriteError>& errors) {
  QString report = QStringLiteral("計算結果を保存できませんでした。");
  for (const WriteError& error : errors) {
    report += '\n' + ToQString(error.path) + QStringLiteral(": ") + Why(error);
  }
  return report;
}

void OfferToSave(QWidget* window, const std::function<ResultFile()>& makeFile) {
  Desktop& desktop = TheDesktop();
  desktop.Beep();
  if (!desktop.Confirm(window, QStringLiteral("計算完了。　計算結果を保存または印刷しますか。"))) {
    return;
  }
  const ResultFile file = makeFile();
  WriteError error;
  const SaveLocation primary = desktop.PrimarySaveLocation();
  if (WriteTo(primary, file, error)) {
    Saved(window, desktop, primary);
    return;
  }
  const SaveLocation fallback = desktop.FallbackSaveLocation();
  WriteError fallbackError;
  if (WriteTo(fallback, file, fallbackError)) {
    Saved(window, desktop, fallback);
    return;
  }
  desktop.ReportError(window, SaveFailureReport({error, fallbackError}));
}

}  // namespace taketa
