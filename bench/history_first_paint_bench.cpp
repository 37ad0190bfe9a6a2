// SPDX-License-Identifier: GPL-3.0-or-later
// Times the UI thread from the calculator window's first paint until it is idle again, with
// the tape history opening over a large archive (bench_history with KEEP_HISTORY set writes a
// year of calculations): the UI thread's CPU time in the first 1.5 seconds, and the longest the
// event loop could not run (what a key typed meanwhile waits). Prints the figures; not a test.
//   bench_history_first_paint ARCHIVE
#include <algorithm>
#include <cstdio>
#include <ctime>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include "calculator_session.h"
#include "history_command.h"
#include "private_files.h"
#include "tape_archive.h"

namespace {

constexpr int MeasuredMs = 1500;
constexpr int TickMs = 5;

// The calling thread's CPU time, to the nanosecond.
double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// From the window's first paint on, for MeasuredMs: the UI thread's CPU time, and the longest
// time its event loop could not run a timer due every TickMs.
class FirstPaintToIdle : public QObject {
public:
    explicit FirstPaintToIdle(QWidget& window) { window.installEventFilter(this); }

    double cpuMs() const { return m_cpuMs; }
    double longestStallMs() const { return m_longestStallMs; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            start();
        }
        return false;
    }

private:
    void start()
    {
        m_cpuMs = -threadCpuMs();
        m_sinceTick.start();
        m_tick.setTimerType(Qt::PreciseTimer);
        connect(&m_tick, &QTimer::timeout, this, [this] {
            m_longestStallMs = std::max(m_longestStallMs, double(m_sinceTick.nsecsElapsed()) / 1e6 - TickMs);
            m_sinceTick.start();
        });
        m_tick.start(TickMs);
        QTimer::singleShot(MeasuredMs, this, [this] {
            m_cpuMs += threadCpuMs();
            m_tick.stop();
            QApplication::quit();
        });
    }

    QTimer m_tick;
    QElapsedTimer m_sinceTick;
    double m_cpuMs = 0;
    double m_longestStallMs = 0;
};

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    const QTemporaryDir folder;
    qputenv("XDG_DATA_HOME", folder.path().toUtf8());
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_history_first_paint ARCHIVE\n");
        return 2;
    }
    if (!QFile::copy(QString::fromLocal8Bit(argv[1]), numerette::files::dataFilePath(QStringLiteral("numeret-history.sqlite")))) {
        std::fprintf(stderr, "could not copy %s\n", argv[1]);
        return 1;
    }
    numerette::SettingsStore settings(folder.filePath(QStringLiteral("numeret.ini")));
    FakeCalculatorOwner owner;
    CalculatorSession session(settings, owner);
    FirstPaintToIdle watch(session.window);
    session.window.show();
    application.exec();
    std::printf("%d calculations in the history\n", session.window.findChild<HistoryCommand*>()->archive().calculationCount());
    std::printf("UI thread from the first paint on: %.1f ms CPU in %d ms, the longest stall %.1f ms\n", watch.cpuMs(),
                MeasuredMs, watch.longestStallMs());
    return 0;
}
