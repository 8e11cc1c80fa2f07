// taketa-window-bench: the largest results as a user sees them in their
// windows, set against the same calculations without a window; how long the
// result box alone takes to show them; and how soon a stop press ends a run.
// Runs on the offscreen platform unless another is chosen.
//
//   taketa-window-bench [--runs N] [NAME-FILTER]
//
// For each case: "calculation" is the unit's checks and computation called
// in this process (what taketa-calc runs, without its output), "taketa-calc"
// the whole program run with its output thrown away, and "window" the time
// from the start button's click until the result is painted and the save
// question is asked. The window may add at most 0.15 s to the calculation.
#include <time.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "bench/bench_support.h"
#include "calculators/common/unit.h"
#include "calculators/ensyuuritu/ensyuuritu_window.h"
#include "calculators/kaijou/kaijou_window.h"
#include "calculators/kumiawase/kumiawase_window.h"
#include "calculators/ruijou/ruijou_window.h"
#include "calculators/warizan3/warizan3_window.h"
#include "frame/controls.h"
#include "frame/desktop.h"

namespace {

using taketa::bench::Digits;
using taketa::bench::Median;

using Clock = std::chrono::steady_clock;

// A moment by the wall clock and by the processor time of this thread:
// on a machine other programs keep busy the wall times grow, the thread's
// own processor time much less.
struct Stamp {
  Clock::time_point wall;
  timespec cpu;

  static Stamp Now() {
    Stamp s{Clock::now(), {}};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &s.cpu);
    return s;
  }
};

struct Span {
  double wall, cpu;
};

Span Between(const Stamp& start, const Stamp& end) {
  return {std::chrono::duration<double>(end.wall - start.wall).count(),
          double(end.cpu.tv_sec - start.cpu.tv_sec) + (end.cpu.tv_nsec - start.cpu.tv_nsec) / 1e9};
}

// Answers No to every question, so that nothing is saved; the first
// question of a run marks the moment its result is on screen: the pending
// events (the result box's layout and paint) run first, as they do behind
// a real message box.
class DecliningDesktop final : public taketa::Desktop {
 public:
  void Beep() override {}
  void Inform(QWidget*, const QString&) override {}
  bool Confirm(QWidget*, const QString&) override {
    if (!asked) {
      QApplication::processEvents();
      askedAt = Stamp::Now();
      asked = true;
    }
    return false;
  }
  void ReportError(QWidget*, const QString&) override {}
  void OpenTextEditor(const taketa::SaveLocation&) override {}
  taketa::SaveLocation PrimarySaveLocation() override { return {}; }
  taketa::SaveLocation FallbackSaveLocation() override { return {}; }

  bool asked = false;
  Stamp askedAt;
};

double Since(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// One run of taketa-calc; a negative time when it could not run.
double RunCalc(const std::vector<std::string>& args) {
  const taketa::bench::Finished run = taketa::bench::Run(TAKETA_CALC, args);
  return run.status == 0 ? run.seconds : -1;
}

struct Case {
  const char* name;
  const char* unit;
  std::vector<std::string> inputs;
  std::function<void()> typeInputs;  // into the window's boxes
  std::function<void()> click;       // the start button
  std::function<void()> showResult;  // shows the last result again in its box
};

void Measure(const Case& c, DecliningDesktop& desktop, int runs) {
  const taketa::Unit* unit = taketa::FindUnit(c.unit);
  std::vector<std::string> args{c.unit};
  args.insert(args.end(), c.inputs.begin(), c.inputs.end());
  std::vector<double> pure, pureCpu, program, window, windowCpu, display;
  for (int r = 0; r < runs; ++r) {
    taketa::UnstoppableRun run;
    Stamp start = Stamp::Now();
    const taketa::UnitOutcome outcome = unit->run(c.inputs, run);
    const Span calculation = Between(start, Stamp::Now());
    if (outcome.status != taketa::UnitOutcome::Status::kDone) std::abort();
    pure.push_back(calculation.wall);
    pureCpu.push_back(calculation.cpu);
    program.push_back(RunCalc(args));

    c.typeInputs();
    QApplication::processEvents();
    desktop.asked = false;
    start = Stamp::Now();
    c.click();
    if (!desktop.asked) std::abort();
    const Span shown = Between(start, desktop.askedAt);
    window.push_back(shown.wall);
    windowCpu.push_back(shown.cpu);

    const Clock::time_point again = Clock::now();
    c.showResult();
    QApplication::processEvents();
    display.push_back(Since(again));
  }
  const bool haveProgram =
      !program.empty() && *std::min_element(program.begin(), program.end()) >= 0;
  const double extra = Median(window) - Median(pure);
  auto seconds = [](double value) { return QByteArray::number(value, 'f', 3); };
  std::printf("%-26s %6.3f %6.3f %8s %6.3f %6.3f %6.3f %6.3f %8s %8.3f  %s\n", c.name, Median(pure),
              Median(pureCpu), haveProgram ? seconds(Median(program)).constData() : "-",
              Median(window), Median(windowCpu), extra, Median(windowCpu) - Median(pureCpu),
              haveProgram ? seconds(Median(window) - Median(program)).constData() : "-",
              Median(display), extra <= 0.15 ? "ok" : "OVER");
}

// The stop press comes `pressAfter` into the run, which must last longer. A
// run that ends before its press was not stopped: it is counted apart, and
// the press still queued for it is taken back so that it starts no new run.
template <class Window>
void PressAndMeasureStop(Window& window, const std::function<void()>& typeInputs, const char* what,
                         int runs, std::chrono::milliseconds pressAfter) {
  std::vector<double> stop;
  int endedFirst = 0;
  for (int r = 0; r < runs; ++r) {
    typeInputs();
    QElapsedTimer timer;
    std::atomic<qint64> pressedAt{0};
    timer.start();
    // The stop press arrives from outside, as a user's click does, at a
    // moment the run does not choose: queued from another thread.
    std::thread presser([&] {
      std::this_thread::sleep_for(pressAfter);
      pressedAt = timer.nsecsElapsed();
      QMetaObject::invokeMethod(window.Button1, "click", Qt::QueuedConnection);
    });
    window.Button1->click();
    const qint64 ended = timer.nsecsElapsed();
    presser.join();
    if (ended < pressedAt) {
      QCoreApplication::removePostedEvents(window.Button1, QEvent::MetaCall);
      ++endedFirst;
      continue;
    }
    stop.push_back((ended - pressedAt) / 1e9);
  }
  std::printf("stop press to end of %-24s ", what);
  if (stop.empty()) {
    std::printf("every run ended before its press at %d ms\n", int(pressAfter.count()));
    return;
  }
  std::printf("median %.4f s, max %.4f s", Median(stop),
              *std::max_element(stop.begin(), stop.end()));
  if (endedFirst > 0) std::printf(" (%d of %d runs ended before the press)", endedFirst, runs);
  std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  int runs = 7;
  QString filter;
  for (int i = 1; i < argc; ++i) {
    if (QString(argv[i]) == "--runs" && i + 1 < argc) {
      runs = std::max(1, std::atoi(argv[++i]));
    } else {
      filter = QString::fromLocal8Bit(argv[i]);
    }
  }

  DecliningDesktop desktop;
  taketa::SetDesktop(&desktop);
  taketa::Tfrm_ruijou ruijou;
  taketa::Tfrm_kaijou kaijou;
  taketa::Tfrm_ensyuuritu pi;
  taketa::Tfrm_warizan3 warizan3;
  for (taketa::CalculatorWindow* w :
       std::initializer_list<taketa::CalculatorWindow*>{&ruijou, &kaijou, &pi, &warizan3}) {
    w->ShowFromMenu();
  }
  // The windows are painted before anything is timed, as a user's windows
  // are before the start press: their first layout is no part of a run.
  QElapsedTimer shown;
  shown.start();
  while (shown.elapsed() < 300) QApplication::processEvents(QEventLoop::AllEvents, 50);

  const std::string base = Digits(100, 9), dividend = Digits(60000, 3), divisor = Digits(30000, 4);
  // Shows the box's text again from empty, as a finished run writes it.
  auto again = [](QPlainTextEdit* box) {
    return [box] {
      const QString text = box->toPlainText();
      box->clear();
      QApplication::processEvents();
      box->setPlainText(text);
    };
  };
  const std::vector<Case> cases = {
      {"ruijou 100 digits ^ 10000",
       "ruijou",
       {base, "10000"},
       [&] {
         ruijou.Edit1->setText(QString::fromStdString(base));
         ruijou.Edit2->setText("10000");
       },
       [&] { ruijou.Button1->click(); },
       again(ruijou.RichEdit1)},
      {"kaijou 50000",
       "kaijou",
       {"50000"},
       [&] { kaijou.Edit1->setText("50000"); },
       [&] { kaijou.Button1->click(); },
       again(kaijou.RichEdit1)},
      {"pi 60000",
       "ensyuuritu",
       {"60000"},
       [&] { pi.Edit1->setText("60000"); },
       [&] { pi.Button1->click(); },
       again(pi.Memo1)},
      {"warizan3 60000 / 30000",
       "warizan3",
       {dividend, divisor},
       [&] {
         warizan3.Memo1->setPlainText(QString::fromStdString(dividend));
         warizan3.Memo2->setPlainText(QString::fromStdString(divisor));
       },
       [&] { warizan3.Button1->click(); },
       again(warizan3.Memo3)},
  };
  std::printf(
      "%d runs each, medians in seconds; cpu: this thread's processor time. The window may\n"
      "add at most 0.15 s to the calculation (ok / OVER: window - calculation, wall).\n",
      runs);
  std::printf("%-26s %13s %8s %13s %13s %8s %8s\n", "", "calculation", "taketa-", "window",
              "window - calc", "window -", "result");
  std::printf("%-26s %6s %6s %8s %6s %6s %6s %6s %8s %8s\n", "case", "wall", "cpu", "calc", "wall",
              "cpu", "wall", "cpu", "t.-calc", "box only");
  for (const Case& c : cases) {
    if (QString(c.name).contains(filter)) Measure(c, desktop, runs);
  }
  if (!filter.isEmpty() && !QStringLiteral("stop").contains(filter)) return 0;

  using std::chrono::milliseconds;
  PressAndMeasureStop(
      pi, [&] { pi.Edit1->setText("60000"); }, "pi 60000", runs, milliseconds(15));
  PressAndMeasureStop(
      ruijou,
      [&] {
        ruijou.Edit1->setText(QString::fromStdString(base));
        ruijou.Edit2->setText("10000");
      },
      "ruijou 100 digits ^ 10000", runs, milliseconds(100));
  taketa::Tfrm_kumiawase kumiawase;
  kumiawase.ShowFromMenu();
  PressAndMeasureStop(
      kumiawase,
      [&] {
        kumiawase.Edit1->setText("50000");
        kumiawase.Edit2->setText("25000");
      },
      "nCr 50000 25000", runs, milliseconds(20));
  taketa::SetDesktop(nullptr);
  return 0;
}
