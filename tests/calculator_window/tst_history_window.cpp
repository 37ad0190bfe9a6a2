// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include "archive_check.h"
#include "archived_calculation.h"
#include "history_command.h"
#include "history_window.h"
#include "key_script.h"
#include "private_files.h"
#include "tape_archive.h"
#include "window_fixture.h"

using namespace Qt::StringLiterals;
using numerette::SettingsStore;

namespace {

void type(numerette::Calculator& calculator, const QString& keys)
{
    QString error;
    const bool closed = false;
    numerette::runTapeSteps(calculator, *numerette::parseTapeKeys(keys, error), closed);
}

// The blocks of a tape typed the day before the fixture's today.
QList<numerette::history::ArchivedCalculation> dayBefore(const QString& keys)
{
    struct Yesterday : numerette::CalculatorPort {
        QDate today() const override { return QDate(2024, 3, 4); }
    } port;
    numerette::Calculator calculator(port);
    calculator.setInteractive(true);
    calculator.clearList();
    type(calculator, keys);
    numerette::history::TapeReading reading;
    reading.closedAt = QDateTime(QDate(2024, 3, 4), QTime(17, 0));
    return numerette::history::closedBlocks(calculator.list(), reading);
}

// Answers the message boxes that open while it lives with `answer`, keeping their texts.
struct MessageBoxes {
    explicit MessageBoxes(QMessageBox::StandardButton answer = QMessageBox::Ok)
    {
        QObject::connect(&timer, &QTimer::timeout, &timer, [this, answer] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts.append(box->text());
                box->done(answer);
            }
        });
        timer.start(10);
    }
    QTimer timer;
    QStringList texts;
};

// An archive of many calculations whose last page is overwritten: its tables still read, only
// the check of the whole file finds it damaged.
void writeArchiveWithADamagedPage(const QString& path, bool damaged)
{
    {
        numerette::history::TapeArchive archive;
        QVERIFY(archive.open(path).opened);
        QString keys;
        for (int i = 1; i <= 300; ++i)
            keys += u"%1+2="_s.arg(i);
        QVERIFY(archive.add(dayBefore(keys)));
    }
    if (!damaged)
        return;
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    constexpr qint64 PageBytes = 4096;
    QVERIFY(file.seek(file.size() - PageBytes));
    QCOMPARE(file.write(QByteArray(PageBytes, '\xff')), PageBytes);
}

QStringList totalsOn(const QString& path, QDate day)
{
    numerette::history::TapeArchive archive;
    QStringList totals;
    if (archive.open(path).opened) {
        for (const auto& calculation : archive.dayCalculations(day))
            totals.append(calculation.totalText);
    }
    return totals;
}

QString keysOf(const QKeySequence& shortcut)
{
    return shortcut.toString(QKeySequence::PortableText);
}

} // namespace

class TestHistoryWindow : public QObject {
    Q_OBJECT

private slots:
    // Ctrl+H is the history's alone: no other item of any menu of the window has it.
    void openedByAShortcutNoOtherItemUses()
    {
        WindowFixture f;
        auto* item = f.window.findChild<QAction*>(u"mnuHistorico"_s);
        QVERIFY(item);
        QCOMPARE(keysOf(item->shortcut()), u"Ctrl+H"_s);
        QStringList others;
        for (QAction* action : f.window.findChildren<QAction*>()) {
            if (action != item && !action->shortcut().isEmpty())
                others.append(keysOf(action->shortcut()));
        }
        QVERIFY(!others.isEmpty());
        QVERIFY2(!others.contains(keysOf(item->shortcut())), qPrintable(others.join(u", "_s)));
        QCOMPARE(others.removeDuplicates(), 0);
        item->trigger();
        // It shows once the check of the archive has ended.
        QTRY_VERIFY(f.window.findChild<HistoryWindow*>());
        auto* history = f.window.findChild<HistoryWindow*>();
        QVERIFY(history->isVisible());
        // Every control a screen reader reaches has a name.
        for (QWidget* control : history->findChildren<QWidget*>()) {
            if (control->focusPolicy() != Qt::NoFocus && control->isVisibleTo(history)
                && !qobject_cast<QAbstractButton*>(control) && control->objectName().startsWith(u"txt"_s))
                QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
        }
    }

    void daysSearchReentryAndDeletion()
    {
        WindowFixture f;
        auto* command = f.window.findChild<HistoryCommand*>();
        QVERIFY(command);
        QVERIFY(command->archive().isOpen());
        QVERIFY(command->archive().add(dayBefore(u"40+2="_s)));
        type(f.calculator, u"5+3="_s);
        type(f.calculator, u"1234.5*2="_s);
        QCOMPARE(command->archive().calculationCount(), 3);

        command->mnuHistorico_Click();
        QTRY_VERIFY(command->historyWindow());
        HistoryWindow* history = command->historyWindow();
        auto* days = history->findChild<QListWidget*>(u"lstDias"_s);
        QCOMPARE(days->count(), 2);
        QVERIFY2(days->item(0)->text().contains(u"calculations: 2,"_s), qPrintable(days->item(0)->text()));
        QVERIFY2(days->item(0)->text().contains(u"2,477.00"_s), qPrintable(days->item(0)->text()));
        // It opens on the newest day's tape.
        QVERIFY2(history->shownTape().contains(u"2,469"_s), qPrintable(history->shownTape()));
        days->setCurrentRow(1);
        QVERIFY(history->shownTape().startsWith(u" 04/03/2024 "_s));
        QVERIFY(history->shownTape().contains(u"42.00 T"_s) || history->shownTape().contains(u"42 T"_s));

        // An amount as the keypad reads it finds its day, and the view jumps to it.
        history->findChild<QLineEdit*>(u"txtValor"_s)->setText(u"1,234.5"_s);
        history->search();
        auto* results = history->findChild<QListWidget*>(u"lstResultados"_s);
        QCOMPARE(results->count(), 1);
        QCOMPARE(history->currentCalculation(), 0);
        QVERIFY(history->shownTape().startsWith(u" 05/03/2024 "_s));

        // Re-entered from the total the caret is in.
        QVERIFY(history->reenterValue());
        QCOMPARE(f.calculator.entry().text(), u"2469"_s);

        history->copyLines();
        QVERIFY2(QApplication::clipboard()->text().contains(u"1,234.5 \u00D7"_s),
                 qPrintable(QApplication::clipboard()->text()));
        QCOMPARE(f.calculator.LastClipboardText(), QApplication::clipboard()->text());

        {
            MessageBoxes answers(QMessageBox::No);
            history->deleteCalculation();
            QCOMPARE(answers.texts.size(), 1);
        }
        QCOMPARE(command->archive().calculationCount(), 3);
        {
            MessageBoxes answers(QMessageBox::Yes);
            history->deleteCalculation();
        }
        QCOMPARE(command->archive().calculationCount(), 2);
        QVERIFY(history->shownTape().isEmpty());
    }

    // The window's Alt letters each lead to one control.
    void mnemonicsAreUnique()
    {
        WindowFixture f;
        auto* command = f.window.findChild<HistoryCommand*>();
        command->mnuHistorico_Click();
        QTRY_VERIFY(command->historyWindow());
        QStringList letters;
        const QRegularExpression mnemonic(u"&([^&])"_s);
        for (QWidget* control : command->historyWindow()->findChildren<QWidget*>()) {
            QString text;
            if (auto* label = qobject_cast<QLabel*>(control))
                text = label->text();
            else if (auto* pressable = qobject_cast<QAbstractButton*>(control))
                text = pressable->text();
            const auto match = mnemonic.match(text);
            if (match.hasMatch())
                letters.append(match.captured(1).toLower());
        }
        QVERIFY(letters.size() > 10);
        QCOMPARE(letters.removeDuplicates(), 0);
    }

    void exportsTheTapeShown()
    {
        WindowFixture f;
        type(f.calculator, u"5+3="_s);
        auto* command = f.window.findChild<HistoryCommand*>();
        command->mnuHistorico_Click();
        QTRY_VERIFY(command->historyWindow());
        HistoryWindow* history = command->historyWindow();
        history->showDay(QDate(2024, 3, 5));
        // The dialog proposes the last saved name, as a CSV file, in the last folder.
        f.settings.setUltimoArq(f.folder.dir.filePath(u"day.txt"_s));
        f.settings.setUltimoPath(f.folder.dir.path() + u'/');
        const QString path = f.folder.dir.filePath(u"day.csv"_s);
        QTimer::singleShot(50, history, [] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                QMetaObject::invokeMethod(dialog, "accept");
            }
        });
        history->exportShown();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString csv = QString::fromUtf8(file.readAll());
        QVERIFY2(csv.contains(u"2024-03-05,total,8,T"_s), qPrintable(csv));
    }

    // A shorter time that deletes days asks first; No keeps everything.
    void keptForSomeDays()
    {
        WindowFixture f;
        auto* command = f.window.findChild<HistoryCommand*>();
        QVERIFY(command->archive().add(dayBefore(u"40+2="_s)));
        {
            MessageBoxes answers(QMessageBox::No);
            command->keepDays(1);
            QCOMPARE(answers.texts.size(), 1);
        }
        QCOMPARE(f.settings.Historico(), SettingsStore::KeepHistoryForever);
        QCOMPARE(command->archive().calculationCount(), 1);
        {
            MessageBoxes answers(QMessageBox::Yes);
            command->keepDays(1);
        }
        QCOMPARE(f.settings.Historico(), 1);
        QCOMPARE(command->archive().calculationCount(), 0);
        QVERIFY(f.window.findChild<QAction*>(u"mnuHistoricoDias"_s)->isChecked());
    }

    void printsTheTapeShown()
    {
        WindowFixture f;
        type(f.calculator, u"5+3="_s);
        auto* command = f.window.findChild<HistoryCommand*>();
        command->mnuHistorico_Click();
        QTRY_VERIFY(command->historyWindow());
        HistoryWindow* history = command->historyWindow();
        history->showDay(QDate(2024, 3, 5));
        MessageBoxes answers;
        history->printShown();
        QCOMPARE(f.desktop.pagePrinter.documents().size(), 1);
        QCOMPARE(f.desktop.pagePrinter.documents()[0].text, history->shownTape());
        QCOMPARE(answers.texts.size(), 1);
    }

    void damagedArchiveIsKeptAsideAndTold()
    {
        DataFolder folder;
        const QString path = numerette::files::dataFilePath(u"numeret-history.sqlite"_s);
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("no database at all");
        }
        numerette::SettingsStore settings{folder.dir.filePath(u"numeret.ini"_s)};
        FakeCalculatorOwner owner;
        RecordingPort port;
        numerette::Calculator calculator{port};
        FakeDesktop desktop;
        frmCalcula window{calculator, settings, CalculatorLaunch{}, owner, desktop.services()};
        window.load();
        // The archive opens once the window is up.
        window.show();
        QTRY_VERIFY(window.findChild<QMessageBox*>(u"msgHistorico"_s));
        QVERIFY(window.findChild<QMessageBox*>(u"msgHistorico"_s)->text().contains(u".damaged"_s));
        QVERIFY(QFile::exists(path + u".damaged"_s));
        type(calculator, u"5+3="_s);
        QCOMPARE(window.findChild<HistoryCommand*>()->archive().calculationCount(), 1);
    }

    // What closes while the file is checked (even a list cleared since) is written once the
    // check ends, into a new archive when it found the file damaged; a window closed during
    // the check waits for it and writes them before it goes.
    void calculationsClosedDuringTheCheck_data()
    {
        QTest::addColumn<bool>("damaged");
        QTest::addColumn<bool>("closedAtOnce");
        QTest::newRow("sound") << false << false;
        QTest::newRow("damaged page") << true << false;
        QTest::newRow("sound, window closed") << false << true;
        QTest::newRow("damaged page, window closed") << true << true;
    }

    void calculationsClosedDuringTheCheck()
    {
        QFETCH(bool, damaged);
        QFETCH(bool, closedAtOnce);
        DataFolder folder;
        const QString path = numerette::files::dataFilePath(u"numeret-history.sqlite"_s);
        writeArchiveWithADamagedPage(path, damaged);
        numerette::SettingsStore settings{folder.dir.filePath(u"numeret.ini"_s)};
        FakeCalculatorOwner owner;
        RecordingPort port;
        numerette::Calculator calculator{port};
        FakeDesktop desktop;
        auto window = std::make_unique<frmCalcula>(calculator, settings, CalculatorLaunch{}, owner, desktop.services());
        window->load();
        auto* command = window->findChild<HistoryCommand*>();
        auto* check = command->findChild<numerette::history::ArchiveCheck*>();
        QSignalSpy checked(check, &numerette::history::ArchiveCheck::checked);
        // The first total starts the check; its result comes through the event loop, later.
        type(calculator, u"5+3="_s);
        QVERIFY(check->isRunning());
        command->mnuHistorico_Click();
        calculator.clearList();
        type(calculator, u"1+1="_s);
        if (closedAtOnce) {
            window.reset();
        } else {
            QTRY_COMPARE(checked.size(), 1);
            QVERIFY(command->historyWindow());
            QCOMPARE(bool(window->findChild<QMessageBox*>(u"msgHistorico"_s)), damaged);
            window.reset();
        }
        QCOMPARE(QFile::exists(path + u".damaged"_s), damaged);
        QCOMPARE(totalsOn(path, QDate(2024, 3, 5)), (QStringList{u"8"_s, u"2"_s}));
        QCOMPARE(totalsOn(path, QDate(2024, 3, 4)).size(), damaged ? 0 : 300);
    }

    // Not at all: nothing more is archived, and what was kept stays.
    void switchedOff()
    {
        WindowFixture f;
        type(f.calculator, u"5+3="_s);
        auto* command = f.window.findChild<HistoryCommand*>();
        command->keepNone();
        QCOMPARE(f.settings.Historico(), 0);
        QVERIFY(!command->archive().isOpen());
        type(f.calculator, u"1+1="_s);
        command->keepForever();
        QCOMPARE(command->archive().calculationCount(), 2);  // the list's blocks, archived on reopening
        QVERIFY(f.window.findChild<QAction*>(u"mnuHistoricoSempre"_s)->isChecked());
    }
};

QTEST_MAIN(TestHistoryWindow)
#include "tst_history_window.moc"
