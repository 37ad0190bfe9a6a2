// SPDX-License-Identifier: GPL-3.0-or-later
#include <unistd.h>

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "command_line.h"
#include "instance_channel.h"

using namespace Qt::StringLiterals;
using Action = numerette::StartupCommandLine::Action;

class TstCommandLine : public QObject {
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void press_data();
    void press();
    void helpAndVersionLeaveARunningInstanceAlone_data();
    void helpAndVersionLeaveARunningInstanceAlone();
};

void TstCommandLine::parse_data()
{
    QTest::addColumn<QStringList>("arguments"); // after the program's name
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("commandWord");
    QTest::addColumn<QString>("text"); // a piece of the help or error text

    const QString none;
    QTest::newRow("no argument") << QStringList{} << Action::Start << none << none;
    QTest::newRow("command word") << QStringList{u"juro"_s} << Action::Start << u"juro"_s << none;
    QTest::newRow("words joined as before")
        << QStringList{u"outra"_s, u"tempo"_s} << Action::Start << u"outra tempo"_s << none;
    QTest::newRow("leading blanks removed as before") << QStringList{u"  fechar"_s} << Action::Start << u"fechar"_s << none;
    QTest::newRow("Qt's own option passes") << QStringList{u"-style"_s, u"fusion"_s, u"systray"_s}
                                            << Action::Start << u"systray"_s << none;
    QTest::newRow("Qt's option with its value joined") << QStringList{u"-platform=offscreen"_s, u"mini"_s}
                                                        << Action::Start << u"mini"_s << none;
    QTest::newRow("-- lets a word start with a dash")
        << QStringList{u"--"_s, u"-x"_s} << Action::Start << u"-x"_s << none;
    QTest::newRow("--help") << QStringList{u"--help"_s} << Action::ShowHelp << none << u"outratempo"_s;
    QTest::newRow("-h after a word") << QStringList{u"juro"_s, u"-h"_s} << Action::ShowHelp << none << u"fechar"_s;
    QTest::newRow("--version") << QStringList{u"--version"_s} << Action::ShowVersion << none << none;
    QTest::newRow("-v") << QStringList{u"-v"_s} << Action::ShowVersion << none << none;
    QTest::newRow("unknown option") << QStringList{u"--bogus"_s} << Action::UsageError << none << u"'bogus'"_s;
    QTest::newRow("unknown single-dash option") << QStringList{u"-x"_s, u"juro"_s} << Action::UsageError << none
                                                << u"numerette --help"_s;
    QTest::newRow("Qt option without its value") << QStringList{u"-style"_s} << Action::UsageError << none
                                                 << u"style"_s;
}

void TstCommandLine::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(Action, action);
    QFETCH(QString, commandWord);
    QFETCH(QString, text);
    const auto result = numerette::parseStartupCommandLine(QStringList{u"numerette"_s} + arguments);
    QCOMPARE(result.action, action);
    QCOMPARE(result.commandWord, commandWord);
    QVERIFY2(result.text.contains(text), qPrintable(result.text));
}

void TstCommandLine::press_data()
{
    QTest::addColumn<QStringList>("arguments"); // after the program's name
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("pressedKey");
    QTest::addColumn<QString>("text"); // a piece of the error text

    const QString none;
    QTest::newRow("a digit") << QStringList{u"--press"_s, u"7"_s} << Action::Start << u"7"_s << none;
    QTest::newRow("a braced name, joined") << QStringList{u"--press={M+}"_s} << Action::Start << u"{M+}"_s << none;
    QTest::newRow("minus as the value") << QStringList{u"--press"_s, u"-"_s} << Action::Start << u"-"_s << none;
    QTest::newRow("unknown key named, with the list")
        << QStringList{u"--press"_s, u"{Esc}"_s} << Action::UsageError << none
        << u"numerette: unknown key '{Esc}' for --press; the keys are:\n0-9 + -"_s;
    QTest::newRow("no key") << QStringList{u"--press"_s} << Action::UsageError << none << u"press"_s;
    QTest::newRow("with a command word") << QStringList{u"--press"_s, u"7"_s, u"juro"_s} << Action::UsageError
                                         << none << u"'juro'"_s;
}

void TstCommandLine::press()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, text);
    const auto result = numerette::parseStartupCommandLine(QStringList{u"numerette"_s} + arguments);
    QTEST(result.action, "action");
    QTEST(result.pressedKey, "pressedKey");
    QVERIFY2(result.text.contains(text), qPrintable(result.text));
    QVERIFY(result.commandWord.isEmpty());
}

void TstCommandLine::helpAndVersionLeaveARunningInstanceAlone_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output"); // a piece of standard output, or of standard error on failure

    QTest::newRow("--help") << u"--help"_s << 0 << u"Usage: numerette [OPTION] [COMMAND-WORD]\n"_s;
    QTest::newRow("--version") << u"--version"_s << 0 << u"numerette " NUMERETTE_VERSION "\n"_s;
    QTest::newRow("unknown option") << u"--bogus"_s << 2 << u"numerette: Unknown option 'bogus'."_s;
    QTest::newRow("unknown key for --press") << u"--press {Esc}"_s << 2 << u"unknown key '{Esc}' for --press"_s;
    // As the log-in entry starts it: no abort, but the program's own words and status 1.
    QTest::newRow("start without a display") << u"systray"_s << 1
                                             << u"numerette: no display to open the calculator on."_s;
}

// The real program, with a first instance listening and no display at all: it answers and ends
// without starting the application, and nothing reaches the running instance.
void TstCommandLine::helpAndVersionLeaveARunningInstanceAlone()
{
    QFETCH(QString, argument);
    QFETCH(int, exitCode);
    QFETCH(QString, output);

    QTemporaryDir runtime;
    QVERIFY(runtime.isValid());
    // Where the program looks for a running instance under this runtime folder.
    numerette::LocalInstanceChannel running(runtime.filePath(u"numerette-"_s + QString::number(getuid())));
    QCOMPARE(running.claim(), numerette::InstanceChannel::Role::First);
    int received = 0;
    connect(&running, &numerette::InstanceChannel::received, this, [&received] { ++received; });

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"DISPLAY"_s);
    environment.remove(u"WAYLAND_DISPLAY"_s);
    environment.remove(u"QT_QPA_PLATFORM"_s);
    environment.insert(u"XDG_RUNTIME_DIR"_s, runtime.path());
    program.setProcessEnvironment(environment);
    program.start(QString::fromUtf8(NUMERETTE_PATH), argument.split(u' '));
    QVERIFY(program.waitForFinished());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), exitCode);
    const QString standardOutput = QString::fromUtf8(program.readAllStandardOutput());
    const QString standardError = QString::fromUtf8(program.readAllStandardError());
    QVERIFY2((exitCode == 0 ? standardOutput : standardError).contains(output),
             qPrintable(standardOutput + standardError));
    QCoreApplication::processEvents();
    QCOMPARE(received, 0);
}

QTEST_GUILESS_MAIN(TstCommandLine)
#include "tst_command_line.moc"
