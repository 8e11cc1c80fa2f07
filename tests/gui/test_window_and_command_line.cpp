// Every window runs its unit's sequence: typed into its boxes and started
// with its button, it saves the bytes that taketa-calc's --save writes for
// the same inputs (the unit's RunUnit), its boxes read in the right order.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "app/window_instances.h"
#include "calculators/common/result_file.h"
#include "calculators/common/unit.h"
#include "frame/calculator_window.h"
#include "tests/gui/scripted_desktop.h"

namespace taketa {

class WindowAndCommandLineTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { CreateWindows(); }
  void cleanupTestCase() { DestroyWindows(); }
  void sameSavedFile_data();
  void sameSavedFile();
};

void WindowAndCommandLineTest::sameSavedFile_data() {
  QTest::addColumn<QString>("unit");
  QTest::addColumn<QStringList>("boxes");  // the input boxes, in the unit's order
  QTest::addColumn<QStringList>("inputs");
  QTest::addColumn<QString>("start");
  // Two inputs that differ, so that boxes read in the wrong order show.
  QTest::newRow("ensyuuritu") << "ensyuuritu" << QStringList{"Edit1"} << QStringList{"30"}
                              << "Button1";
  QTest::newRow("sizentaisuunotei")
      << "sizentaisuunotei" << QStringList{"Edit1"} << QStringList{"30"} << "Button1";
  QTest::newRow("heihoukon1") << "heihoukon1" << QStringList{"Memo1"} << QStringList{"12345678"}
                              << "Button1";
  QTest::newRow("heihoukon2") << "heihoukon2" << QStringList{"Memo3"} << QStringList{"2.5"}
                              << "Button1";
  QTest::newRow("Njoukon") << "Njoukon" << QStringList{"Edit1", "Edit2"} << QStringList{"3", "2.5"}
                           << "Button3";
  QTest::newRow("kakezan") << "kakezan" << QStringList{"Memo1", "Memo2"} << QStringList{"1.25", "3"}
                           << "Button1";
  QTest::newRow("warizan1") << "warizan1" << QStringList{"Edit1", "Edit2"} << QStringList{"1", "8"}
                            << "Button1";
  QTest::newRow("warizan3") << "warizan3" << QStringList{"Memo1", "Memo2"}
                            << QStringList{"12345", "67"} << "Button1";
  QTest::newRow("kaijou") << "kaijou" << QStringList{"Edit1"} << QStringList{"25"} << "Button1";
  QTest::newRow("ruijou") << "ruijou" << QStringList{"Edit1", "Edit2"} << QStringList{"1.5", "7"}
                          << "Button1";
  QTest::newRow("soinsuu2") << "soinsuu2" << QStringList{"Edit1"} << QStringList{"360"}
                            << "Button1";
  QTest::newRow("junretu") << "junretu" << QStringList{"Edit1", "Edit2"} << QStringList{"10", "3"}
                           << "Button1";
  QTest::newRow("kumiawase") << "kumiawase" << QStringList{"Edit1", "Edit2"}
                             << QStringList{"10", "3"} << "Button1";
  QTest::newRow("warizan4") << "warizan4" << QStringList{"Memo1", "Memo2"} << QStringList{"22", "7"}
                            << "Button1";
  QTest::newRow("yuurisuubeki") << "yuurisuubeki" << QStringList{"Edit1", "Edit2"}
                                << QStringList{"2", "10.5"} << "Button1";
  QTest::newRow("yuurisuubeki2") << "yuurisuubeki2" << QStringList{"Edit1", "Edit2"}
                                 << QStringList{"3", "-2.25"} << "Button1";
  QTest::newRow("jouyoutaisuu") << "jouyoutaisuu" << QStringList{"Edit1"} << QStringList{"2"}
                                << "Button1";
  QTest::newRow("sizentaisuu") << "sizentaisuu" << QStringList{"Edit1"} << QStringList{"2"}
                               << "Button1";
}

void WindowAndCommandLineTest::sameSavedFile() {
  QFETCH(QString, unit);
  QFETCH(QStringList, boxes);
  QFETCH(QStringList, inputs);
  QFETCH(QString, start);

  CalculatorWindow* window = nullptr;
  for (CalculatorWindow* w : CreatedWindows()) {
    if (w->objectName() == "frm_" + unit) window = w;
  }
  QVERIFY(window != nullptr);
  testing::ScriptedDesktop desktop;
  desktop.answers = {true, false};  // save, do not open it
  window->ShowFromMenu();
  if (unit == "Njoukon") {  // the second stage first
    window->findChild<QLineEdit*>("Edit1")->setText(inputs[0]);
    window->findChild<QPushButton*>("Button1")->click();
  }
  for (qsizetype i = 0; i < boxes.size(); ++i) {
    QWidget* box = window->findChild<QWidget*>(boxes[i]);
    if (auto* edit = qobject_cast<QLineEdit*>(box)) {
      edit->setText(inputs[i]);
    } else {
      qobject_cast<QPlainTextEdit*>(box)->setPlainText(inputs[i]);
    }
  }
  window->findChild<QPushButton*>(start)->click();
  window->close();

  std::vector<std::string> texts;
  for (const QString& input : inputs) texts.push_back(input.toStdString());
  UnstoppableRun run;
  const UnitOutcome outcome = FindUnit(unit.toStdString())->run(texts, run);
  QCOMPARE(outcome.status, UnitOutcome::Status::kDone);
  const std::string expected = EncodeResultFile(outcome.file);
  QCOMPARE(desktop.questions.size(), 2);
  QCOMPARE(testing::ScriptedDesktop::Read(desktop.primary().file),
           QByteArray::fromStdString(expected));
}

}  // namespace taketa

QTEST_MAIN(taketa::WindowAndCommandLineTest)
#include "test_window_and_command_line.moc"
