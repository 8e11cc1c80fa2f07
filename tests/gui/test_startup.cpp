// Start-up: Qt's own texts in Japanese whatever the locale, the program's
// name, version, desktop entry and icon, and its command line. Runs in the
// C locale (on Windows, in whatever locale is not Japanese), where Qt's
// texts would otherwise be English.
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "app/menu_window.h"
#include "app/startup.h"
#include "calculators/ensyuuritu/ensyuuritu_window.h"

namespace taketa {

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void saveQuestionButtonsAreJapanese();
  void contextMenuIsJapanese();
  void nameVersionDesktopEntryAndIcon();
  void versionReachesTheMenu();
  void commandLine_data();
  void commandLine();
};

void StartupTest::initTestCase() {
#ifdef Q_OS_WIN
  // Windows takes the locale from the user's settings, not from LC_ALL.
  QVERIFY(QLocale::system().language() != QLocale::Japanese);
#else
  QCOMPARE(QLocale::system().name(), QString("C"));
#endif

  // A missing translation is no error: Qt's English texts stay.
  QTemporaryDir empty;
  QVERIFY(!InstallQtJapanese(empty.path()));
  QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QString("&Yes"));

  SetUpApplication();
}

// The question every calculator asks after a run, from the system's own
// desktop: its buttons are read while it waits, then it is answered No so
// that nothing is saved.
void StartupTest::saveQuestionButtonsAreJapanese() {
  Tfrm_ensyuuritu pi;
  pi.ShowFromMenu();

  QString question, yes, no;
  bool asked = false;
  QTimer poll;
  poll.setInterval(10);
  connect(&poll, &QTimer::timeout, this, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    poll.stop();
    asked = true;
    question = box->text().remove(QChar(0x2060));  // the word joiners that keep words whole
    if (QAbstractButton* button = box->button(QMessageBox::Yes)) yes = button->text();
    if (QAbstractButton* button = box->button(QMessageBox::No)) {
      no = button->text();
      button->click();
    } else {
      box->reject();
    }
  });
  poll.start();

  pi.Edit1->setText("10");
  pi.Button1->click();
  QTRY_VERIFY_WITH_TIMEOUT(asked, 20000);
  QCOMPARE(question, QString("計算完了。　計算結果を保存または印刷しますか。"));
  QCOMPARE(yes, QString("はい(&Y)"));
  QCOMPARE(no, QString("いいえ(&N)"));
}

void StartupTest::contextMenuIsJapanese() {
  Tfrm_ensyuuritu pi;
  pi.Edit1->setText("123");
  const std::unique_ptr<QMenu> menu(pi.Edit1->createStandardContextMenu());
  QStringList texts;
  for (const QAction* action : menu->actions()) {
    if (!action->isSeparator()) texts << action->text().section('\t', 0, 0);
  }
  QVERIFY2(texts.contains("コピー(&C)"), qPrintable(texts.join(", ")));
  QVERIFY2(texts.contains("すべてを選択"), qPrintable(texts.join(", ")));
}

void StartupTest::nameVersionDesktopEntryAndIcon() {
  QCOMPARE(QApplication::applicationName(), QString("taketa"));
  QCOMPARE(QApplication::applicationVersion(), QString(TAKETA_VERSION));
  QCOMPARE(QGuiApplication::desktopFileName(), QString(TAKETA_APP_ID));
  QVERIFY(QRegularExpression("^[a-z][a-z0-9]*(\\.[A-Za-z][A-Za-z0-9_]*){2,}$")
              .match(TAKETA_APP_ID)
              .hasMatch());

  Tfrm_menu menu;
  const QList<QSize> sizes = menu.windowIcon().availableSizes();
  for (const int size : {48, 128, 256}) QVERIFY(sizes.contains(QSize(size, size)));
  QCOMPARE(menu.windowTitle(), QString("frm_menu"));
}

void StartupTest::versionReachesTheMenu() {
  Tfrm_menu menu;
  const QString line = menu.findChild<QLabel*>("Label3")->text();
  const QRegularExpression expected("^バージョン " + QRegularExpression::escape(TAKETA_VERSION) +
                                    "（\\d{4}年([1-9]|1[0-2])月）$");
  QVERIFY2(expected.match(line).hasMatch(), qPrintable(line));
}

void StartupTest::commandLine_data() {
  QTest::addColumn<QStringList>("arguments");
  QTest::addColumn<bool>("qtOptionsStillThere");
  QTest::addColumn<int>("status");  // -1: the program starts
  QTest::addColumn<QString>("text");

  const QString version = QString("taketa (Taketa) %1\n").arg(TAKETA_VERSION);
  QTest::newRow("nothing") << QStringList{"taketa"} << false << -1 << QString();
  QTest::newRow("version") << QStringList{"taketa", "--version"} << false << 0 << version;
  QTest::newRow("version beside Qt's options")
      << QStringList{"taketa", "-platform", "offscreen", "--version"} << true << 0 << version;
  QTest::newRow("Qt's options before Qt took them")
      << QStringList{"taketa", "-platform", "offscreen"} << true << -1 << QString();
  QTest::newRow("help") << QStringList{"taketa", "--help"} << false << 0
                        << QString("Usage: taketa [--help | --version]\n");
  QTest::newRow("unknown option") << QStringList{"taketa", "--bogus"} << false << 64
                                  << QString("taketa: unknown option 'bogus'.\n");
  QTest::newRow("argument") << QStringList{"taketa", "Temp.txt"} << false << 64
                            << QString("taketa: unexpected argument 'Temp.txt'.\n");
}

// The help and error texts are compared by their first line.
void StartupTest::commandLine() {
  QFETCH(QStringList, arguments);
  QFETCH(bool, qtOptionsStillThere);
  QFETCH(int, status);
  QFETCH(QString, text);
  const auto answer = ReadCommandLine(
      arguments, qtOptionsStillThere ? OtherArguments::kIgnore : OtherArguments::kRefuse);
  QCOMPARE(answer.has_value(), status >= 0);
  if (!answer) return;
  QCOMPARE(answer->status, status);
  QCOMPARE(answer->text.section('\n', 0, 0) + '\n', text);
}

}  // namespace taketa

int main(int argc, char** argv) {
  // The plainest locale: nothing in it asks for Japanese.
  qputenv("LC_ALL", "C");
  qputenv("LANG", "C");
  qunsetenv("LANGUAGE");
  QApplication app(argc, argv);
  taketa::StartupTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "test_startup.moc"
