// taketa-window-bench: calculations as a user sees them in their windows
// (pi to 60000 digits, 50000!), to set against the same runs in taketa-calc;
// how long showing the largest result takes; and how soon a stop press ends
// a run. Runs on the offscreen platform unless another is chosen.
//
//   taketa-window-bench [--runs N]
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "calculators/ensyuuritu/ensyuuritu_window.h"
#include "calculators/kaijou/kaijou_window.h"
#include "calculators/kumiawase/kumiawase_window.h"
#include "frame/controls.h"
#include "frame/desktop.h"

namespace {

// Answers No to every question, so that nothing is saved.
class DecliningDesktop final : public taketa::Desktop {
 public:
  void Beep() override {}
  void Inform(QWidget*, const QString&) override {}
  bool Confirm(QWidget*, const QString&) override { return false; }
  void ReportError(QWidget*, const QString&) override {}
  void OpenTextEditor(const taketa::SaveLocation&) override {}
  taketa::SaveLocation PrimarySaveLocation() override { return {}; }
  taketa::SaveLocation FallbackSaveLocation() override { return {}; }
};

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  int runs = 7;
  for (int i = 1; i + 1 < argc; ++i)
    if (QString(argv[i]) == "--runs") runs = std::max(1, std::atoi(argv[i + 1]));

  DecliningDesktop desktop;
  taketa::SetDesktop(&desktop);
  taketa::Tfrm_ensyuuritu window;
  window.ShowFromMenu();

  std::vector<double> whole, stop;
  for (int r = 0; r < runs; ++r) {
    window.Edit1->setText("60000");
    QElapsedTimer timer;
    timer.start();
    window.Button1->click();
    whole.push_back(timer.nsecsElapsed() / 1e9);
  }
  // The stop press arrives from outside, as a user's click does, at a moment
  // the run does not choose: queued from another thread 50 ms into the run.
  for (int r = 0; r < runs; ++r) {
    window.Edit1->setText("60000");
    QElapsedTimer timer;
    std::atomic<qint64> pressedAt{0};
    timer.start();
    std::thread presser([&] {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
      pressedAt = timer.nsecsElapsed();
      QMetaObject::invokeMethod(window.Button1, "click", Qt::QueuedConnection);
    });
    window.Button1->click();
    const qint64 ended = timer.nsecsElapsed();
    presser.join();
    stop.push_back((ended - pressedAt) / 1e9);
  }
  std::printf("pi 60000 in the window (start to result)   median %.3f s  (%d runs)\n", Median(whole), runs);
  std::printf("stop press to end of run                     median %.4f s, max %.4f s\n", Median(stop),
              *std::max_element(stop.begin(), stop.end()));

  // 50000! in the rich text box: the whole run, and the result's display
  // alone (its 213237 digits and the suffix set and painted).
  taketa::Tfrm_kaijou kaijou;
  kaijou.ShowFromMenu();
  std::vector<double> factorial, display;
  for (int r = 0; r < runs; ++r) {
    kaijou.Edit1->setText("50000");
    QElapsedTimer timer;
    timer.start();
    kaijou.Button1->click();
    factorial.push_back(timer.nsecsElapsed() / 1e9);
    const QString text = kaijou.RichEdit1->toPlainText();
    kaijou.RichEdit1->clear();
    QApplication::processEvents();
    timer.restart();
    kaijou.RichEdit1->setPlainText(text);
    QApplication::processEvents();
    display.push_back(timer.nsecsElapsed() / 1e9);
  }
  std::printf("kaijou 50000 in the window (start to result) median %.3f s\n", Median(factorial));
  std::printf("showing 50000! in RichEdit1                  median %.4f s\n", Median(display));

  // A stop press 50 ms into nCr 50000 25000.
  taketa::Tfrm_kumiawase kumiawase;
  kumiawase.ShowFromMenu();
  std::vector<double> kumiawaseStop;
  for (int r = 0; r < runs; ++r) {
    kumiawase.Edit1->setText("50000");
    kumiawase.Edit2->setText("25000");
    QElapsedTimer timer;
    std::atomic<qint64> pressedAt{0};
    timer.start();
    std::thread presser([&] {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
      pressedAt = timer.nsecsElapsed();
      QMetaObject::invokeMethod(kumiawase.Button1, "click", Qt::QueuedConnection);
    });
    kumiawase.Button1->click();
    const qint64 ended = timer.nsecsElapsed();
    presser.join();
    kumiawaseStop.push_back((ended - pressedAt) / 1e9);
  }
  std::printf("stop press to end of nCr 50000 25000         median %.4f s, max %.4f s\n",
              Median(kumiawaseStop), *std::max_element(kumiawaseStop.begin(), kumiawaseStop.end()));
  taketa::SetDesktop(nullptr);
  return 0;
}
