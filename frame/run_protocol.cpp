#include "frame/run_protocol.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "frame/controls.h"
#include "frame/desktop.h"

namespace taketa {
namespace {

constexpr qint64 kEventIntervalMs = 16;  // about 60 times a second

// Catches the start keys of one input box.
class EnterStarts final : public QObject {
 public:
  EnterStarts(QWidget* box, std::function<QPushButton*()> start, const StoppableRun* run)
      : QObject(box),
        multiLine_(qobject_cast<QPlainTextEdit*>(box) != nullptr),
        start_(std::move(start)),
        run_(run) {
    box->installEventFilter(this);
  }

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
    if (multiLine_ && !(key->modifiers() & Qt::ControlModifier)) return false;  // a line break
    if (run_ == nullptr || !run_->busy()) {
      if (QPushButton* button = start_()) button->click();
    }
    return true;
  }

 private:
  bool multiLine_;
  std::function<QPushButton*()> start_;
  const StoppableRun* run_;
};

}  // namespace

void StartOnEnter(std::initializer_list<QWidget*> inputBoxes, QPushButton* start,
                  const StoppableRun* run) {
  StartOnEnter(
      inputBoxes, [start] { return start; }, run);
}

void StartOnEnter(std::initializer_list<QWidget*> inputBoxes,
                  const std::function<QPushButton*()>& start, const StoppableRun* run) {
  for (QWidget* box : inputBoxes) new EnterStarts(box, start, run);
}

void LetEventsRun() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void ClearBox(QWidget* box) {
  if (auto* edit = qobject_cast<QLineEdit*>(box)) {
    edit->clear();
  } else if (auto* memo = qobject_cast<QPlainTextEdit*>(box)) {
    memo->clear();
  }
}

std::vector<std::string> BoxTexts(std::initializer_list<QWidget*> boxes) {
  std::vector<std::string> texts;
  for (QWidget* box : boxes) {
    if (auto* edit = qobject_cast<QLineEdit*>(box)) {
      texts.push_back(BoxText(edit));
    } else {
      texts.push_back(BoxText(qobject_cast<QPlainTextEdit*>(box)));
    }
  }
  return texts;
}

void BeginOneShot(std::initializer_list<QWidget*> resultBoxes) {
  for (QWidget* box : resultBoxes) ClearBox(box);
  LetEventsRun();
}

void ShowWaitNotice(QWidget* notice) {
  notice->setVisible(true);
  LetEventsRun();
}

void ReportInputError(QWidget* window, const InputError& error,
                      std::initializer_list<QWidget*> inputBoxes, QPlainTextEdit* lengthCounter) {
  if (error.counterLength && lengthCounter != nullptr) {
    lengthCounter->setVisible(true);
    lengthCounter->setPlainText(QStringLiteral("入力文字数＝") +
                                QString::number(*error.counterLength));
  }
  Desktop& desktop = TheDesktop();
  desktop.Beep();
  desktop.Inform(window, ToQString(error.message));
  if (error.box >= 0 && static_cast<std::size_t>(error.box) < inputBoxes.size()) {
    inputBoxes.begin()[error.box]->setFocus();
  }
}

void ReportFailure(QWidget* window, const UnitOutcome& outcome) {
  TheDesktop().Beep();
  TheDesktop().Inform(window, ToQString(outcome.error.message));
}

bool StoppableRun::StopOrBegin() {
  if (busy_) {
    busy_ = false;
    return true;
  }
  busy_ = true;
  return false;
}

void StoppableRun::Refuse(QWidget* window, const InputError& error,
                          std::initializer_list<QWidget*> inputBoxes,
                          QPlainTextEdit* lengthCounter) {
  ReportInputError(window, error, inputBoxes, lengthCounter);
  busy_ = false;
}

void StoppableRun::EnterRunning() {
  start_->setText(QStringLiteral("計算中止"));
  exit_->setVisible(false);
}

bool StoppableRun::LeaveRunning() {
  const bool finished = busy_;
  start_->setText(QStringLiteral("計算開始"));
  exit_->setVisible(true);
  busy_ = false;
  return finished;
}

WindowRunControl::WindowRunControl(StoppableRun& run, std::vector<QPlainTextEdit*> progressBoxes,
                                   std::function<void()> beginComputing)
    : run_(run),
      boxes_(std::move(progressBoxes)),
      pending_(boxes_.size()),
      changed_(boxes_.size(), false),
      beginComputing_(std::move(beginComputing)) {
  sinceEvents_.start();
}

void WindowRunControl::BeginComputing() {
  if (beginComputing_) beginComputing_();
  sinceEvents_.restart();
  firstPoll_ = true;
}

WindowRunControl::~WindowRunControl() { Flush(); }

void WindowRunControl::ShowProgress(std::string_view text, int box) {
  if (box < 0 || static_cast<std::size_t>(box) >= boxes_.size()) return;
  pending_[box] = ToQString(text);
  changed_[box] = true;
}

bool WindowRunControl::StopRequested() {
  if (firstPoll_ || sinceEvents_.elapsed() >= kEventIntervalMs) {
    firstPoll_ = false;
    Flush();
    LetEventsRun();
    sinceEvents_.restart();
  }
  return !run_.busy();
}

void WindowRunControl::Flush() {
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    if (!changed_[i]) continue;
    boxes_[i]->setPlainText(pending_[i]);
    changed_[i] = false;
  }
}

}  // namespace taketa
