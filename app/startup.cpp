#include "app/startup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace taketa {
namespace {

constexpr int kExitUsage = 64;

const char kUsage[] =
    "Usage: taketa [--help | --version]\n"
    "\n"
    "Opens the main menu of Taketa (多桁), a calculator for exact many-digit\n"
    "decimal arithmetic with a Japanese interface. taketa-calc runs the same\n"
    "calculators from the command line.\n"
    "\n"
    "  --help     show this text\n"
    "  --version  show the version\n"
    "\n"
    "Qt's own options, such as -platform NAME, are accepted as well.\n";

}  // namespace

std::optional<CommandLineAnswer> ReadCommandLine(const QStringList& arguments,
                                                 OtherArguments others) {
  QCommandLineParser parser;
  const QCommandLineOption help(QStringLiteral("help"));
  const QCommandLineOption version(QStringLiteral("version"));
  parser.addOption(help);
  parser.addOption(version);
  // An unknown option does not stop the parser: --help and --version are
  // seen beside Qt's options.
  const bool understood = parser.parse(arguments);
  if (parser.isSet(help)) return CommandLineAnswer{0, QString::fromUtf8(kUsage)};
  if (parser.isSet(version)) {
    return CommandLineAnswer{0, QStringLiteral("taketa (Taketa) " TAKETA_VERSION "\n")};
  }
  if (others == OtherArguments::kIgnore) return std::nullopt;

  // Worded here rather than by the parser, whose texts follow the
  // translation installed later.
  QString error;
  if (!parser.unknownOptionNames().isEmpty()) {
    error = QStringLiteral("unknown option '%1'.").arg(parser.unknownOptionNames().front());
  } else if (!understood) {
    error = parser.errorText();
  } else if (!parser.positionalArguments().isEmpty()) {
    error = QStringLiteral("unexpected argument '%1'.").arg(parser.positionalArguments().front());
  } else {
    return std::nullopt;
  }
  return CommandLineAnswer{kExitUsage,
                           QStringLiteral("taketa: %1\n\n").arg(error) + QString::fromUtf8(kUsage)};
}

bool InstallQtJapanese(const QString& directory) {
  auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
  // qtbase_ja as Qt installs it; qt_ja as windeployqt merges Qt's texts.
  if (!translator->load(QStringLiteral("qtbase_ja"), directory) &&
      !translator->load(QStringLiteral("qt_ja"), directory)) {
    return false;
  }
  QCoreApplication::installTranslator(translator.release());
  return true;
}

void SetUpApplication() {
  QApplication::setApplicationName(QStringLiteral("taketa"));
  QApplication::setApplicationVersion(QStringLiteral(TAKETA_VERSION));
  QGuiApplication::setDesktopFileName(QStringLiteral(TAKETA_APP_ID));

  // Built into the program, so that it shows uninstalled too.
  QIcon icon;
  for (const int size : {48, 128, 256}) {
    icon.addFile(QStringLiteral(":/icons/taketa-%1.png").arg(size), QSize(size, size));
  }
  QApplication::setWindowIcon(icon);

  // Qt's own folder, or translations/ beside a program that windeployqt
  // deployed.
  if (!InstallQtJapanese(QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    InstallQtJapanese(QCoreApplication::applicationDirPath() + QStringLiteral("/translations"));
  }
}

}  // namespace taketa
