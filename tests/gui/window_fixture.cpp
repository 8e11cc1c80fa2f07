#include "tests/gui/window_fixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace taketa::testing {

void WindowFixture::init() {
  desktop_ = std::make_unique<ScriptedDesktop>();
  window_ = MakeWindow();
  window_->ShowFromMenu();
}

void WindowFixture::cleanup() {
  window_.reset();
  desktop_.reset();
}

void WindowFixture::Type(QWidget* box, const QString& text) {
  if (auto* edit = qobject_cast<QLineEdit*>(box)) {
    edit->setText(text);
  } else if (auto* memo = qobject_cast<QPlainTextEdit*>(box)) {
    memo->setPlainText(text);
  }
}

void WindowFixture::PressEnter(QWidget* box, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(box, Qt::Key_Return, modifiers);
}

QWidget* WindowFixture::NextTabStop(QWidget* from) {
  QWidget* next = from->nextInFocusChain();
  while (next != from && (!(next->focusPolicy() & Qt::TabFocus) || next->isHidden())) {
    next = next->nextInFocusChain();
  }
  return next;
}

void WindowFixture::WhenRunning(QPushButton* start, const std::function<void()>& act) {
  When([start] { return start->text() == "計算中止"; }, act);
}

void WindowFixture::When(const std::function<bool()>& condition, const std::function<void()>& act) {
  auto* timer = new QTimer(window_.get());
  timer->setInterval(0);
  connect(timer, &QTimer::timeout, window_.get(), [condition, timer, act] {
    if (!condition()) return;
    timer->stop();
    timer->deleteLater();
    act();
  });
  timer->start();
}

QByteArray WindowFixture::SaveAsWithCtrlS(QWidget* box, const QString& name) {
  const QString path = desktop_->PathFor(name);
  desktop_->chosenFiles << path;
  QApplication::setActiveWindow(window_.get());
  QTest::keyClick(box, Qt::Key_S, Qt::ControlModifier);
  return ScriptedDesktop::Read(path);
}

void WindowFixture::CheckRefused(const QString& message, QWidget* focus) {
  QCOMPARE(desktop_->messages, QStringList({message}));
  QCOMPARE(desktop_->beeps, 1);
  QCOMPARE(window_->focusWidget(), focus);
  QVERIFY(desktop_->questions.isEmpty());
}

}  // namespace taketa::testing
