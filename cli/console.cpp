#include "cli/console.h"

#include <cstdlib>

#ifdef _WIN32
#include "platform/win32.h"  // before the others, which need its types

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>
#else
#include <unistd.h>

#include <csignal>
#endif

namespace taketa::cli {
namespace {

void (*interruptHandler)() = nullptr;

}  // namespace

#ifdef _WIN32

namespace {

UINT savedOutputCodePage = 0;  // 0: the console's code page was not changed

void RestoreOutputCodePage() {
  if (savedOutputCodePage != 0) SetConsoleOutputCP(savedOutputCodePage);
}

bool IsConsole(std::FILE* stream) {
  DWORD mode = 0;
  return GetConsoleMode(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream))), &mode) != 0;
}

std::string ToUtf8(const wchar_t* wide) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 1) return {};
  std::string text(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), size, nullptr, nullptr);
  text.pop_back();  // the terminating zero
  return text;
}

BOOL WINAPI OnConsoleControl(DWORD event) {
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) return FALSE;
  if (interruptHandler) interruptHandler();
  return TRUE;
}

}  // namespace

std::vector<std::string> Arguments(int, char**) {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(ToUtf8(wide[i]));
  LocalFree(wide);
  return arguments;
}

void PrepareStandardStreams() {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  if (IsConsole(stdout) || IsConsole(stderr)) {
    const UINT codePage = GetConsoleOutputCP();
    if (codePage != CP_UTF8 && SetConsoleOutputCP(CP_UTF8)) {
      savedOutputCodePage = codePage;
      std::atexit(RestoreOutputCodePage);
    }
  }
}

bool IsTerminal(std::FILE* stream) {
  const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
  DWORD mode = 0;
  if (!GetConsoleMode(handle, &mode)) return false;
  return (mode & ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0 ||
         SetConsoleMode(handle, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0;
}

void OnInterrupt(void (*handler)()) {
  interruptHandler = handler;
  // A parent may have started this program with Ctrl-C switched off; on
  // Linux installing the handler switches SIGINT back on, and so here.
  SetConsoleCtrlHandler(nullptr, FALSE);
  SetConsoleCtrlHandler(OnConsoleControl, TRUE);
}

void ExitNow(int status) {
  RestoreOutputCodePage();
  std::_Exit(status);
}

#else

namespace {

extern "C" void OnSignal(int) {
  if (interruptHandler) interruptHandler();
}

}  // namespace

std::vector<std::string> Arguments(int argc, char** argv) {
  return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

void PrepareStandardStreams() {}

bool IsTerminal(std::FILE* stream) { return isatty(fileno(stream)) == 1; }

void OnInterrupt(void (*handler)()) {
  interruptHandler = handler;
  std::signal(SIGINT, OnSignal);
}

void ExitNow(int status) { std::_Exit(status); }

#endif

}  // namespace taketa::cli
