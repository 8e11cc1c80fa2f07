// What the program does before its windows exist: it reads its command line,
// names itself to the desktop, gives every window its icon and switches Qt's
// own texts (dialog buttons, context menus) to Japanese.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace taketa {

// How to treat arguments other than --help and --version. Before the
// application object exists they may still be Qt's own options
// (-platform NAME, ...), so they are let through then.
enum class OtherArguments { kIgnore, kRefuse };

// What the command line asked for when the program should end at once:
// --help or --version (status 0, `text` for standard output) or a line it
// does not understand (status 64, `text` for standard error).
struct CommandLineAnswer {
  int status;
  QString text;
};

// Reads taketa's command line (program name first). nullopt: start.
std::optional<CommandLineAnswer> ReadCommandLine(const QStringList& arguments,
                                                 OtherArguments others);

// Installs Qt's Japanese translation (qtbase_ja.qm, or the qt_ja.qm that
// windeployqt merges) from `directory`, so
// that Qt's texts are Japanese whatever the locale, like the rest of the
// interface. False, and Qt's English texts stay, when it is not there.
bool InstallQtJapanese(const QString& directory);

// Sets the application's name and version, its desktop file name and the
// window icon, and installs Qt's Japanese translation from Qt's translations
// folder. Needs the application object. The window captions stay as they
// are: no display name is set, since the desktop would append it to them.
void SetUpApplication();

}  // namespace taketa
