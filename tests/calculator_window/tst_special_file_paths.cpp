// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "calculator_session.h"
#include "list_files.h"
#include "state_file.h"

using namespace Qt::StringLiterals;

namespace {

const QString YesterdaysList = u" 04/03/2024 Mon           \r\n =========================\r\n"
                               u"                       5 +\r\n                       3 =\r\n"_s;

// Keeps the texts of the message boxes shown while it lives, answering each with OK.
struct Messages {
    Messages()
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

// What the path can be instead of a file: a FIFO no program opened, a FIFO a program reads
// (kept open by reader), a link to an endless device.
void putAt(const QString& path, const QString& kind, int& reader)
{
    const QByteArray name = QFile::encodeName(path);
    if (kind == u"link to /dev/zero") {
        QVERIFY(QFile::link(u"/dev/zero"_s, path));
        return;
    }
    QCOMPARE(::mkfifo(name.constData(), 0600), 0);
    if (kind == u"FIFO a program reads") {
        reader = ::open(name.constData(), O_RDONLY | O_NONBLOCK);
        QVERIFY(reader >= 0);
    }
}

} // namespace

// Where the keys of the calculations or the backup are kept, something that is no file (a
// FIFO, a device) is never waited on nor read or written: the window starts and clears at
// once, and a message names the file left alone.
class TstSpecialFilePaths : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void keysFile_data();
    void keysFile();
    void backupAtStartUp_data();
    void backupAtStartUp();
    void backupOnClear_data();
    void backupOnClear();

private:
    static void kinds();
    QTemporaryDir m_home;
    std::unique_ptr<QTemporaryDir> m_data;
    std::unique_ptr<numerette::SettingsStore> m_settings;
    FakeCalculatorOwner m_owner;
    int m_reader = -1;
};

void TstSpecialFilePaths::initTestCase()
{
    qputenv("HOME", m_home.path().toUtf8());
}

void TstSpecialFilePaths::init()
{
    m_data = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", m_data->path().toUtf8());
    m_settings = std::make_unique<numerette::SettingsStore>(m_data->filePath(u"numeret.ini"_s));
    m_owner = FakeCalculatorOwner{};
}

void TstSpecialFilePaths::cleanup()
{
    m_settings.reset();
    m_data.reset();
    ssize_t read = 0;
    if (m_reader >= 0) {
        char byte = 0;
        read = ::read(m_reader, &byte, 1);
        ::close(m_reader);
        m_reader = -1;
    }
    // Nothing was written for the program that reads the FIFO, and the device a link named
    // is still the device: no file was put in its place.
    QVERIFY(read <= 0);
    struct stat device = {};
    QVERIFY(::stat("/dev/zero", &device) == 0 && S_ISCHR(device.st_mode));
}

void TstSpecialFilePaths::kinds()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("FIFO") << u"FIFO"_s;
    QTest::newRow("FIFO a program reads") << u"FIFO a program reads"_s;
    QTest::newRow("link to /dev/zero") << u"link to /dev/zero"_s;
}

void TstSpecialFilePaths::keysFile_data()
{
    kinds();
}

void TstSpecialFilePaths::keysFile()
{
    QFETCH(QString, kind);
    const QString keys = numerette::stateFilePath(1) + u".keys"_s;
    putAt(keys, kind, m_reader);

    Messages messages;
    CalculatorSession session(*m_settings, m_owner);
    QVERIFY(session.show());
    QTRY_COMPARE(messages.texts.size(), 1);
    QVERIFY2(messages.texts.constFirst().contains(keys), qPrintable(messages.texts.constFirst()));
    // A total keeps the history: not through the FIFO or the link either.
    for (const QChar c : u"5+3="_s)
        session.calculator.typeKey(0, false, c.unicode());
    QVERIFY(session.calculator.list().contains(u"8 T"_s));
    QVERIFY(!QFileInfo(keys).isFile());
}

void TstSpecialFilePaths::backupAtStartUp_data()
{
    kinds();
}

void TstSpecialFilePaths::backupAtStartUp()
{
    QFETCH(QString, kind);
    putAt(numerette::backupFilePath(), kind, m_reader);
    const numerette::CalculatorStateRecord yesterday{
        QDate::currentDate().addDays(-1), YesterdaysList, u"0"_s, numerette::Operator::Plus, u"0"_s, u"0"_s, u"000"_s};
    QVERIFY(numerette::writeStateFile(numerette::stateFilePath(1), yesterday,
                                      numerette::NumberLocale::withDecimal(u'.')));

    Messages messages;
    CalculatorSession session(*m_settings, m_owner);
    QVERIFY(session.show());
    QTRY_COMPARE(messages.texts.size(), 1);
    QVERIFY2(messages.texts.constFirst().contains(numerette::backupFilePath()),
             qPrintable(messages.texts.constFirst()));
    // Yesterday's list could not be backed up, so it stays.
    QCOMPARE(session.calculator.list(), YesterdaysList);
}

void TstSpecialFilePaths::backupOnClear_data()
{
    kinds();
}

void TstSpecialFilePaths::backupOnClear()
{
    QFETCH(QString, kind);
    CalculatorSession session(*m_settings, m_owner);
    QVERIFY(session.show());
    QTest::keyClicks(&session.window, u"5+3="_s);
    putAt(numerette::backupFilePath(), kind, m_reader);

    Messages messages;
    const QString list = session.calculator.list();
    QTest::keyClick(&session.window, Qt::Key_L, Qt::ControlModifier);
    QTRY_COMPARE(messages.texts.size(), 1);
    QVERIFY2(messages.texts.constFirst().contains(numerette::backupFilePath()),
             qPrintable(messages.texts.constFirst()));
    QCOMPARE(session.calculator.list(), list);
}

QTEST_MAIN(TstSpecialFilePaths)
#include "tst_special_file_paths.moc"
