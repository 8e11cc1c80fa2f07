// Taketa: creates every window once, shows the menu and runs until the menu
// is closed.
#include <QApplication>
#include <cstdio>

#include "app/menu_window.h"
#include "app/startup.h"
#include "app/window_instances.h"

namespace {

int Answer(const taketa::CommandLineAnswer& answer) {
  std::fputs(answer.text.toLocal8Bit().constData(), answer.status == 0 ? stdout : stderr);
  return answer.status;
}

}  // namespace

int main(int argc, char** argv) {
  // --help and --version need no screen: they are answered before Qt looks
  // for one.
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  if (const auto answer = taketa::ReadCommandLine(arguments, taketa::OtherArguments::kIgnore)) {
    return Answer(*answer);
  }

  QApplication app(argc, argv);
  // Qt has taken its own options away; anything left is a mistake.
  if (const auto answer =
          taketa::ReadCommandLine(QApplication::arguments(), taketa::OtherArguments::kRefuse)) {
    return Answer(*answer);
  }
  taketa::SetUpApplication();

  taketa::CreateWindows();
  taketa::frm_menu->showMaximized();
  const int status = QApplication::exec();
  taketa::DestroyWindows();
  return status;
}
