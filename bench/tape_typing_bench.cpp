// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the CPU time one key costs in the calculator window, typed into an empty tape
// and into a tape already holding a full list, to show that a key never re-lays out the
// whole tape, beside the same keys typed into the floor window. Prints one table; not a
// test.
#include <cstdio>
#include <ctime>

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include "calculator_session.h"
#include "floor_window.h"
#include "key_script.h"

namespace {

constexpr int ItemsTyped = 1000;
constexpr int FullTapeCharacters = 21000;

// The process's CPU time to the nanosecond (the resource usage counts whole clock ticks).
double cpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// Types `ItemsTyped` items ("7+") through the window's own key handling, letting the
// window paint after every key, and returns the CPU time per key in microseconds.
double microsecondsPerKey(QWidget& window)
{
    const double start = cpuSeconds();
    for (int i = 0; i < ItemsTyped; ++i) {
        QTest::keyClick(&window, Qt::Key_7, Qt::NoModifier);
        QApplication::processEvents();
        QTest::keyClick(&window, Qt::Key_Plus, Qt::NoModifier);
        QApplication::processEvents();
    }
    return (cpuSeconds() - start) / (2.0 * ItemsTyped) * 1e6;
}

double measure(bool fullTape, const QTemporaryDir& folder)
{
    numerette::SettingsStore settings(folder.filePath(QStringLiteral("numeret.ini")));
    FakeCalculatorOwner owner;
    CalculatorSession session(settings, owner);
    session.show();
    numerette::Calculator& calculator = session.calculator;
    calculator.clearList();
    if (fullTape) {
        QString error;
        const auto item = numerette::parseTapeKeys(QStringLiteral("1+"), error);
        const bool closed = false;
        while (calculator.list().size() < FullTapeCharacters)
            numerette::runTapeSteps(calculator, *item, closed);
    }
    QApplication::processEvents();
    const int startLength = int(calculator.list().size());
    const double perKey = microsecondsPerKey(session.window);
    std::printf("| %-12s | %12d | %12d | %14.1f |\n", fullTape ? "full tape" : "empty tape", startLength,
                int(calculator.list().size()), perKey);
    return perKey;
}

double measureFloor()
{
    FloorWindow window;
    window.show();
    QApplication::processEvents();
    const double perKey = microsecondsPerKey(window);
    std::printf("| %-12s | %12s | %12s | %14.1f |\n", "floor window", "", "", perKey);
    return perKey;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    // The window saves its calculation and settings; none of it goes to the user's own.
    const QTemporaryDir folder;
    qputenv("XDG_DATA_HOME", folder.path().toUtf8());
    QApplication application(argc, argv);
    std::printf("| %-12s | %12s | %12s | %14s |\n", "start", "chars before", "chars after", "CPU us per key");
    std::printf("|--------------|--------------|--------------|----------------|\n");
    const double floor = measureFloor();
    const double empty = measure(false, folder);
    const double full = measure(true, folder);
    std::printf("\nfull / empty: %.2f; empty / floor: %.2f; full / floor: %.2f\n", full / empty, empty / floor,
                full / floor);
    return 0;
}
