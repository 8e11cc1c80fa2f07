// The system's desktop, with its real dialogs on the offscreen platform: a
// question that ends a run is asked with its window in front, also when the
// window was minimised during the run (else the modal question stays unseen
// and every window waits for it); a message box shows its text with the
// words kept whole; the file dialog leaves no settings file behind.
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QtTest>
#include <functional>
#include <memory>

#include "calculators/ensyuuritu/ensyuuritu_window.h"
#include "frame/desktop.h"

namespace taketa {
namespace {

// Calls `act` on the first modal dialog of type T to open, from a timer
// that runs inside the dialog's own event loop.
template <class T>
class OnDialog {
 public:
  explicit OnDialog(std::function<void(T*)> act) {
    QObject::connect(&timer_, &QTimer::timeout, [this, act = std::move(act)] {
      auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
      if (dialog == nullptr || !dialog->isVisible()) return;
      timer_.stop();
      ++seen;
      act(dialog);
    });
    timer_.start(5);
  }

  int seen = 0;

 private:
  QTimer timer_;
};

// Every file below `folder`.
QStringList FilesBelow(const QString& folder) {
  QStringList files;
  QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
  while (it.hasNext()) files << it.next();
  return files;
}

}  // namespace

class SystemDesktopTest : public QObject {
  Q_OBJECT

 public:
  explicit SystemDesktopTest(QString home) : home_(std::move(home)) {}

 private slots:
  void init() { SetDesktop(nullptr); }

  void questionOfAMinimisedWindowIsSeen();
  void messageBoxKeepsWordsWhole();
  void fileDialogLeavesNoSettings();

 private:
  QString home_;  // HOME and XDG_CONFIG_HOME lie below it, set before Qt started
};

void SystemDesktopTest::questionOfAMinimisedWindowIsSeen() {
  Tfrm_ensyuuritu window;
  window.ShowFromMenu();
  QVERIFY(window.windowState().testFlag(Qt::WindowMaximized));
  window.Edit1->setText("3000");
  // Minimised during the run: at the first progress shown, at the latest
  // when the last counters are written before the result.
  bool minimised = false;
  connect(window.Memo2, &QPlainTextEdit::textChanged, &window, [&] {
    if (minimised) return;
    minimised = true;
    window.showMinimized();
    QVERIFY(window.isMinimized());
  });
  bool inFront = false;
  QString text;
  OnDialog<QMessageBox> answer([&](QMessageBox* box) {
    inFront = !window.isMinimized() && window.isVisible() &&
              window.windowState().testFlag(Qt::WindowMaximized) && box->parentWidget() == &window;
    text = box->text();
    box->button(QMessageBox::No)->click();
  });
  window.Button1->click();
  QVERIFY(minimised);
  QCOMPARE(answer.seen, 1);
  QVERIFY(inFront);
  QCOMPARE(text.remove(QChar(0x2060)), QString("計算完了。　計算結果を保存または印刷しますか。"));
  QCOMPARE(window.Memo1->toPlainText().size(), 3000);
  QCOMPARE(window.Button1->text(), QString("計算開始"));
}

void SystemDesktopTest::messageBoxKeepsWordsWhole() {
  QWidget parent;
  parent.show();
  const QString question =
      "計算結果が /home/a/Temp/Temp.txt に保存されました。 このテキストファイルを開きますか。";
  QString shown;
  OnDialog<QMessageBox> answer([&](QMessageBox* box) {
    shown = box->text();
    box->button(QMessageBox::Yes)->click();
  });
  QVERIFY(TheDesktop().Confirm(&parent, question));
  QCOMPARE(shown, MessageBoxText(question));
}

void SystemDesktopTest::fileDialogLeavesNoSettings() {
  QWidget parent;
  parent.show();
  const QString folder = home_ + "/Documents";
  QVERIFY(QDir().mkpath(folder));
#ifdef Q_OS_WIN
  // Where Qt keeps its own settings on Windows, with an earlier program's
  // history in them.
  QSettings registry(QStringLiteral("HKEY_CURRENT_USER\\Software\\QtProject"),
                     QSettings::NativeFormat);
  const QString earlier = QStringLiteral("file:///C:/earlier");
  registry.setValue("OrganizationDefaults/FileDialog/lastVisited", earlier);
  registry.sync();
#endif
  QString chosen;
  OnDialog<QFileDialog> choose([&](QFileDialog* dialog) {
    QCOMPARE(dialog->directory().absolutePath(), folder);
    static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept, as the button does
  });
  chosen = TheDesktop().ChooseSaveFile(&parent, folder + "/円周率10桁.txt");
  QCOMPARE(choose.seen, 1);
  QCOMPARE(chosen, folder + "/円周率10桁.txt");
  // Destroyed, the dialog would have written QtProject.conf there, or on
  // Windows its key in the registry.
  QCOMPARE(FilesBelow(home_ + "/.config"), QStringList());
#ifdef Q_OS_WIN
  // Nothing there names this run's folder; the earlier history is back.
  registry.sync();
  QCOMPARE(registry.value("OrganizationDefaults/FileDialog/lastVisited").toString(), earlier);
  for (const QString& key : registry.allKeys()) {
    const QString value = registry.value(key).toStringList().join(u' ');
    QVERIFY2(!value.contains(QUrl::fromLocalFile(folder).toString()) && !value.contains(folder),
             qPrintable(key));
  }
#endif
}

}  // namespace taketa

int main(int argc, char** argv) {
  // A fresh home before Qt reads where settings go.
  QTemporaryDir home;
  qputenv("HOME", QFile::encodeName(home.path()));
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + "/.config"));
  QApplication app(argc, argv);
  taketa::SystemDesktopTest test(home.path());
  return QTest::qExec(&test, argc, argv);
}

#include "test_system_desktop.moc"
