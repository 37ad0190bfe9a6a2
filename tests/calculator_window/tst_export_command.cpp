// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QAction>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "calculator.h"
#include "calculator_port.h"
#include "export_command.h"
#include "message_catalogue.h"
#include "settings_store.h"
#include "tape_csv.h"

using namespace Qt::StringLiterals;

namespace {

const QString Tape = u" 05/03/2024 Tue           \r\n =========================\r\n"
                     u"                    12.5 ×\r\n                       4 ÷\r\n"
                     u"                       2 =\r\n 003                      \r\n"
                     u"                      25 T\r\n =========================\r\n"_s;

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int modeOf(const QString& path)
{
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 0777) : -1;
}

struct Fixture {
    Fixture()
        : command(window, calculator, settings)
    {
        calculator.setList(Tape);
    }
    QString path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    numerette::SettingsStore settings{dir.filePath(u"numeret.ini"_s)};
    numerette::CalculatorPort port;
    numerette::Calculator calculator{port};
    QWidget window;
    ExportCommand command;
};

// Closes the message boxes that open while it lives, keeping their texts.
struct MessageBoxes {
    MessageBoxes()
    {
        QObject::connect(&timer, &QTimer::timeout, &timer, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts.append(box->text());
                box->done(QMessageBox::Ok);
            }
        });
        timer.start(10);
    }
    QTimer timer;
    QStringList texts;
};

} // namespace

class TstExportCommand : public QObject {
    Q_OBJECT

private slots:
    void csvOfTheWholeList();
    void csvOfTheSelection();
    void workbookForXlsx();
    void pdfAsThePagePrintDrawsIt();
    void failedWriteSaysSoAndRemembersNothing_data();
    void failedWriteSaysSoAndRemembersNothing();
    void fileDialogStartsWhereSaveLastSaved();
};

void TstExportCommand::csvOfTheWholeList()
{
    Fixture f;
    const QString path = f.path(u"tape.csv"_s);
    QVERIFY(f.command.exportTo(path));
    QCOMPARE(contentsOf(path), numerette::tapeCsv(Tape, numerette::tape::DateOrder::DayMonthYear, {}).toUtf8());
    QCOMPARE(modeOf(path), 0600);
    QCOMPARE(f.settings.UltimoPath(), f.dir.path() + u'/');
}

void TstExportCommand::csvOfTheSelection()
{
    Fixture f;
    f.calculator.setListSelection(3 * 28 + 10, 28);  // from the 4 ÷ line into the 2 = line
    const QString path = f.path(u"part.csv"_s);
    QVERIFY(f.command.exportTo(path));
    QCOMPARE(QString::fromUtf8(contentsOf(path)),
             u"date,kind,value,operator,label\r\n2024-03-05,item,4,/,\r\n2024-03-05,item,2,=,\r\n"_s);
}

// What the workbook holds is for a spreadsheet program to tell (tst_spreadsheet_export); here,
// that it is one, written as the other exports are.
void TstExportCommand::workbookForXlsx()
{
    Fixture f;
    const QString path = f.path(u"tape.XLSX"_s);
    QVERIFY(f.command.exportTo(path));
    QVERIFY(contentsOf(path).startsWith("PK\x03\x04"));
    QCOMPARE(modeOf(path), 0600);
    QCOMPARE(f.settings.UltimoPath(), f.dir.path() + u'/');
}

// The PDF is the page print's drawing: the text comes back from it whole, in order.
void TstExportCommand::pdfAsThePagePrintDrawsIt()
{
    const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed; it reads the exported PDF back");
    Fixture f;
    const QString path = f.path(u"tape.PDF"_s);
    QVERIFY(f.command.exportTo(path));
    QCOMPARE(modeOf(path), 0600);
    QVERIFY(contentsOf(path).startsWith("%PDF"));
    QProcess reader;
    reader.start(pdftotext, {u"-layout"_s, path, u"-"_s});
    QVERIFY(reader.waitForFinished());
    const QString text = QString::fromUtf8(reader.readAllStandardOutput());
    QCOMPARE(text.count(u'\f'), 1);
    const QRegularExpression blanks(u"\\s+"_s);
    QVERIFY2(QString(text).remove(blanks) == QString(Tape).remove(blanks), qPrintable(text));

    f.calculator.setListSelection(3 * 28 + 10, 28);
    QVERIFY(f.command.exportTo(path));
    reader.start(pdftotext, {u"-layout"_s, path, u"-"_s});
    QVERIFY(reader.waitForFinished());
    QCOMPARE(QString::fromUtf8(reader.readAllStandardOutput()).remove(blanks), u"4÷2="_s);
}

void TstExportCommand::failedWriteSaysSoAndRemembersNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("folder");

    QTest::newRow("missing folder, CSV") << "missing/tape.csv" << "";
    QTest::newRow("missing folder, PDF") << "missing/tape.pdf" << "";
    QTest::newRow("a folder in the file's place") << "taken.csv" << "taken.csv";
}

// The message names the file and gives the reason below it, as a failed save of the
// calculations does.
void TstExportCommand::failedWriteSaysSoAndRemembersNothing()
{
    QFETCH(QString, name);
    QFETCH(QString, folder);
    Fixture f;
    if (!folder.isEmpty())
        QVERIFY(QDir(f.dir.path()).mkdir(folder));
    MessageBoxes boxes;
    const QString remembered = f.settings.UltimoPath();
    const QString path = f.path(name);
    QVERIFY(!f.command.exportTo(path));
    QCOMPARE(boxes.texts.size(), 1);
    const QStringList parts = boxes.texts.constFirst().split(u"\n\n"_s);
    QCOMPARE(parts.size(), 2);
    QVERIFY2(parts.at(0).endsWith(u'\n' + path), qPrintable(parts.at(0)));
    QVERIFY2(!parts.at(1).trimmed().isEmpty(), "no reason given");
    QCOMPARE(f.settings.UltimoPath(), remembered);
}

// As Save in File: the last folder, the last name (here with .csv), an overwrite prompt; the
// PDF filter turns the proposed name into a .pdf one, and a PDF is written.
void TstExportCommand::fileDialogStartsWhereSaveLastSaved()
{
    Fixture f;
    f.settings.setUltimoArq(f.path(u"March.txt"_s));
    f.settings.setUltimoPath(f.dir.path() + u'/');
    QString proposed, title;
    QStringList filters;
    bool overwritePrompt = false;
    QTimer::singleShot(50, &f.window, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        title = dialog->windowTitle();
        proposed = dialog->selectedFiles().value(0);
        filters = dialog->nameFilters();
        overwritePrompt = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        dialog->selectNameFilter(u"PDF (*.pdf)"_s);
        emit dialog->filterSelected(u"PDF (*.pdf)"_s);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    f.window.findChild<QAction*>(u"mnuExportar"_s)->trigger();
    QCOMPARE(title, u" Export"_s);
    QCOMPARE(proposed, f.path(u"March.csv"_s));
    QCOMPARE(filters, (QStringList{u"CSV (*.csv)"_s, u"Spreadsheet (*.xlsx)"_s, u"PDF (*.pdf)"_s}));
    QVERIFY(overwritePrompt);
    QVERIFY2(contentsOf(f.path(u"March.pdf"_s)).startsWith("%PDF"),
             qPrintable(QDir(f.dir.path()).entryList().join(u' ')));
}

QTEST_MAIN(TstExportCommand)
#include "tst_export_command.moc"
