// SPDX-License-Identifier: GPL-3.0-or-later
// Times the UI thread from the calculator window's first paint until it is idle again, with
// the tape history opening over a large archive (bench_history with KEEP_HISTORY set writes a
// year of calculations): the time the event loop spent busy in the first 1.5 seconds, and its
// longest busy stretch, the one a key typed meanwhile waits for. Prints the figures; not a test.
//   bench_history_first_paint ARCHIVE
#include <algorithm>
#include <cstdio>

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include "calculator_session.h"
#include "history_command.h"
#include "private_files.h"

namespace {

constexpr int MeasuredMs = 1500;

// Sums the stretches between the event loop's waking and its going to sleep, from start() on.
class BusyTime : public QObject {
public:
    BusyTime()
    {
        QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
        connect(dispatcher, &QAbstractEventDispatcher::awake, this, [this] {
            if (m_running)
                m_stretch.start();
        });
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [this] { endStretch(); });
    }

    void start()
    {
        m_running = true;
        m_stretch.start();
    }
    void stop()
    {
        endStretch();
        m_running = false;
    }
    double totalMs() const { return m_totalMs; }
    double longestMs() const { return m_longestMs; }

private:
    void endStretch()
    {
        if (!m_running || !m_stretch.isValid())
            return;
        const double ms = double(m_stretch.nsecsElapsed()) / 1e6;
        m_stretch.invalidate();
        m_totalMs += ms;
        m_longestMs = std::max(m_longestMs, ms);
    }

    QElapsedTimer m_stretch;
    bool m_running = false;
    double m_totalMs = 0;
    double m_longestMs = 0;
};

// Starts `busy` when the window paints for the first time.
class FirstPaint : public QObject {
public:
    FirstPaint(QWidget& window, BusyTime& busy)
        : m_busy(busy)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            m_busy.start();
            QTimer::singleShot(MeasuredMs, qApp, [this] {
                m_busy.stop();
                QApplication::quit();
            });
        }
        return false;
    }

private:
    BusyTime& m_busy;
};

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    // The event loop without GLib tells when it wakes and when it goes to sleep.
    qputenv("QT_NO_GLIB", QByteArrayLiteral("1"));
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
    BusyTime busy;
    FirstPaint paint(session.window, busy);
    session.window.show();
    application.exec();
    std::printf("%d calculations in the history\n", session.window.findChild<HistoryCommand*>()->archive().calculationCount());
    std::printf("UI thread busy after the first paint: %.1f ms in %d ms, the longest stretch %.1f ms\n", busy.totalMs(),
                MeasuredMs, busy.longestMs());
    return 0;
}
