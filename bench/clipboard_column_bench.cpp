// SPDX-License-Identifier: GPL-3.0-or-later
// Measures how long the calculator window takes to add a copied column of 1,000 numbers and
// total it, as the clipboard monitor does with a column copied from a spreadsheet, the
// window painting the tape as it grows. Prints one table row; not a test.
#include <cstdio>

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include "calculator_session.h"
#include "clipboard_reading.h"

namespace {

constexpr int Rows = 1000;

class DiscardedClipboard final : public numerette::ClipboardPort {
public:
    QString clipboardText() const override { return {}; }
    void setClipboardText(const QString&) override {}
    void clearClipboard() override {}
};

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    const QTemporaryDir folder;
    qputenv("XDG_DATA_HOME", folder.path().toUtf8());
    QApplication application(argc, argv);
    numerette::SettingsStore settings(folder.filePath(QStringLiteral("numeret.ini")));
    FakeCalculatorOwner owner;
    CalculatorSession session(settings, owner);
    session.show();
    numerette::Calculator& calculator = session.calculator;

    QString column;
    for (int row = 1; row <= Rows; ++row)
        column += QString::number(row % 97) + QStringLiteral(".25\r\n");
    // 1,000 items outgrow the list's capacity: its question whether to clear the list is
    // answered No, which ends the column there, as a user keeping the tape would.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->done(QMessageBox::No);
    });
    answer.start(1);
    DiscardedClipboard clipboard;
    QElapsedTimer clock;
    clock.start();
    numerette::readClipboard(calculator, clipboard, column);
    QApplication::processEvents();
    const double milliseconds = double(clock.nsecsElapsed()) / 1e6;
    std::printf("| Clipboard column of %d rows, added and totalled | %.1f ms | list %lld characters |\n", Rows,
                milliseconds, qlonglong(calculator.list().size()));
    return 0;
}
