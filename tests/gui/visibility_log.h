// Records when a control is shown and hidden, so that a test can tell that
// a wait notice appeared during a run that ends with it hidden again.
#pragma once

#include <QEvent>
#include <QObject>
#include <QStringList>
#include <QWidget>

namespace taketa::testing {

class VisibilityLog final : public QObject {
 public:
  explicit VisibilityLog(QWidget* widget) { widget->installEventFilter(this); }

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Show) events << "shown";
    if (event->type() == QEvent::Hide) events << "hidden";
    return false;
  }

  QStringList events;
};

}  // namespace taketa::testing
