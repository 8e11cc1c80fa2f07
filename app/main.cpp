// Taketa: creates every window once, shows the menu and runs until the menu
// is closed.
#include <QApplication>

#include "app/menu_window.h"
#include "app/windows.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  taketa::CreateWindows();
  taketa::frm_menu->showMaximized();
  const int status = QApplication::exec();
  taketa::DestroyWindows();
  return status;
}
