// The fixture every window test shares, so that a window's test file holds
// only what is particular to that window.
//
// A window's test derives from WindowTest<its window class>; before each
// test function the fixture puts a fresh scripted desktop in place of the
// system's (no message box, dialog, beep or file outside a temporary folder
// is real) and creates the window, shown as its menu button shows it; after
// each it destroys both. `w()` is the window, `desktop()` the desktop:
//
//   #include "calculators/kaijou/kaijou_window.h"
//   #include "tests/gui/window_fixture.h"
//
//   namespace taketa {
//
//   class KaijouWindowTest : public testing::WindowTest<Tfrm_kaijou> {
//     Q_OBJECT
//
//    private slots:
//     void computes();
//   };
//
//   void KaijouWindowTest::computes() {
//     desktop().answers = {true, false};  // save, then do not open the file
//     Type(w().Edit1, "10");
//     PressEnter(w().Edit1);
//     QCOMPARE(w().RichEdit1->toPlainText(), QString("3628800    (桁数＝7)"));
//     QCOMPARE(SavedTempFile().right(2), QByteArray("\r\n"));
//   }
//
//   }  // namespace taketa
//
//   QTEST_MAIN(taketa::KaijouWindowTest)
//   #include "test_kaijou_window.moc"
//
// The test class must not declare init() or cleanup() of its own (they are
// the fixture's); initTestCase() and cleanupTestCase() are free to use. A
// test that needs a second window creates it itself: the scripted desktop
// serves every window.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "frame/calculator_window.h"
#include "tests/gui/scripted_desktop.h"

class QPushButton;
class QWidget;

namespace taketa::testing {

class WindowFixture : public QObject {
  Q_OBJECT

 protected:
  ScriptedDesktop& desktop() const { return *desktop_; }
  CalculatorWindow& window() const { return *window_; }

  // Replaces the text of a single-line or multi-line box, as typing does
  // (the box's change handler runs).
  static void Type(QWidget* box, const QString& text);
  // Return in a box, with `modifiers` (Qt::ControlModifier: Ctrl+Enter).
  static void PressEnter(QWidget* box, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  // The next visible control that Tab reaches from `from`.
  static QWidget* NextTabStop(QWidget* from);
  // Runs `act` once, as soon as `start` reads "計算中止": the run is under
  // way and lets events run.
  void WhenRunning(QPushButton* start, const std::function<void()>& act);
  // Runs `act` once, at the first event pass at which `condition` holds:
  // a step of a run is reached, whatever the time it took.
  void When(const std::function<bool()>& condition, const std::function<void()>& act);

  // Clears the desktop's record; `answers` answer the questions that follow.
  void AnswerNext(std::deque<bool> answers) {
    desktop_->Clear();
    desktop_->answers = std::move(answers);
  }
  // The bytes of Temp.txt where the saving protocol writes it first.
  QByteArray SavedTempFile() { return ScriptedDesktop::Read(desktop_->primary().file); }
  // Chooses `name` in the next file dialog (in a temporary folder), presses
  // Ctrl+S in `box` and returns the bytes written there.
  QByteArray SaveAsWithCtrlS(QWidget* box, const QString& name);
  // An input refused with `message`: one beep, that message, the focus on
  // `focus` and nothing offered for saving.
  void CheckRefused(const QString& message, QWidget* focus);

 private:
  virtual std::unique_ptr<CalculatorWindow> MakeWindow() = 0;

 private slots:
  void init();
  void cleanup();

 private:
  std::unique_ptr<ScriptedDesktop> desktop_;
  std::unique_ptr<CalculatorWindow> window_;
};

template <class Window>
class WindowTest : public WindowFixture {
 protected:
  Window& w() const { return static_cast<Window&>(window()); }

 private:
  std::unique_ptr<CalculatorWindow> MakeWindow() override { return std::make_unique<Window>(); }
};

}  // namespace taketa::testing
