// A desktop for the window tests: it records every beep and message box,
// answers questions from a script, and saves into temporary folders that a
// test can make unwritable.
#pragma once

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>

#include "frame/desktop.h"

namespace taketa::testing {

class ScriptedDesktop final : public Desktop {
 public:
  ScriptedDesktop() {
    SetDesktop(this);
    primary_ = {root_.path() + "/home/Temp", root_.path() + "/home/Temp/Temp.txt"};
    fallback_ = {root_.path() + "/tmp/Temp", root_.path() + "/tmp/Temp/Temp.txt"};
  }
  ~ScriptedDesktop() override { SetDesktop(nullptr); }

  void Beep() override { ++beeps; }
  void Inform(QWidget*, const QString& text) override { messages << text; }
  bool Confirm(QWidget*, const QString& text) override {
    questions << text;
    if (answers.empty()) return false;
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
  }
  void ReportError(QWidget*, const QString& text) override { errors << text; }
  void OpenTextEditor(const SaveLocation& location) override { opened << location.file; }
  SaveLocation PrimarySaveLocation() override { return primary_; }
  SaveLocation FallbackSaveLocation() override { return fallback_; }
  QString ChooseSaveFile(QWidget*, const QString& suggested) override {
    saveDialogs << suggested;
    return chosenFiles.isEmpty() ? QString() : chosenFiles.takeFirst();
  }

  // A file where the location's parent folder should be, so that its Temp
  // folder cannot be made.
  void BreakPrimary() { Block(root_.path() + "/home"); }
  void BreakFallback() { Block(root_.path() + "/tmp"); }

  const SaveLocation& primary() const { return primary_; }
  const SaveLocation& fallback() const { return fallback_; }

  static QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  void Clear() {
    beeps = 0;
    messages.clear();
    questions.clear();
    errors.clear();
    opened.clear();
    answers.clear();
    saveDialogs.clear();
    chosenFiles.clear();
  }

  // A path in the desktop's own temporary folder, for a file dialog's answer.
  QString PathFor(const QString& name) const { return root_.path() + '/' + name; }

  int beeps = 0;
  QStringList messages;      // OK boxes, in order
  QStringList questions;     // Yes/No questions, in order
  QStringList errors;        // general error reports
  QStringList opened;        // files opened in the text editor
  std::deque<bool> answers;  // for the questions; No when it runs out
  QStringList saveDialogs;   // the file dialogs opened, by the file they suggested
  QStringList chosenFiles;   // what the file dialogs answer; cancelled when it runs out

 private:
  static void Block(const QString& path) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
  }

  QTemporaryDir root_;
  SaveLocation primary_, fallback_;
};

}  // namespace taketa::testing
