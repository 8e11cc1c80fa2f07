// Offering to save a finished result.
#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "calculators/common/result_file.h"
#include "platform/file_writing.h"

class QWidget;

namespace taketa {

// Beeps and asks "計算完了。　計算結果を保存または印刷しますか。". On Yes,
// writes the file that `makeFile` builds from the boxes as they read at that
// moment to the primary location, or, when that fails, to the fallback
// location; then beeps, says where it went and offers to open it in the
// text editor. When the fallback fails too, the error is reported and
// nothing else happens. The caller puts the focus where it belongs after.
void OfferToSave(QWidget* window, const std::function<ResultFile()>& makeFile);

// The error report of a save that failed, in Japanese:
// "計算結果を保存できませんでした。", then a line for each place tried, its
// path and why ("/home/user/Temp: フォルダーではありません。").
QString SaveFailureReport(const std::vector<WriteError>& errors);

}  // namespace taketa
