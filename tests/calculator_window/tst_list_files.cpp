// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include "list_files.h"
#include "message_catalogue.h"

using namespace Qt::StringLiterals;
using numerette::ShowBackupResult;

namespace {

const QString HeaderOnly = u" 05/03/2024 Tue           \r\n =========================\r\n"_s;
const QString Calculation = HeaderOnly + u"                       5 +\r\n"_s;

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool isPrivate(const QString& path)
{
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther
        | QFileDevice::WriteOther;
    return !(QFile::permissions(path) & others);
}

} // namespace

class TstListFiles : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void backUpList_data();
    void backUpList();
    void sizeWarning_data();
    void sizeWarning();
    void showBackup_data();
    void showBackup();
    void saveRoundTrip();
    void saveFailureIsReported();
    void noFileIsWrittenThrough_data();
    void noFileIsWrittenThrough();
    void saveDialogStartPath_data();
    void saveDialogStartPath();
    void backupInDataFolder();

private:
    QString backup() const { return m_dir->filePath(u"numeret.txt"_s); }
    QTemporaryDir m_home;
    std::unique_ptr<QTemporaryDir> m_dir;
};

// The whole test runs with a home of its own: the documents and data folders are in it.
void TstListFiles::initTestCase()
{
    QVERIFY(m_home.isValid());
    QVERIFY(QDir(m_home.path()).mkpath(u"Documents"_s));
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(u".config"_s)));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.filePath(u".local/share"_s)));
    QCoreApplication::setOrganizationName(u"Numeret"_s);
    QCoreApplication::setApplicationName(u"Numeret"_s);
}

void TstListFiles::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TstListFiles::cleanup()
{
    numerette::SetDocumentOpener({});
}

void TstListFiles::backUpList_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray stamp = " =========================\r\n\r\n        BKP = 14:03:09 hs.\r\n\r\n"
                             " =========================\r\n";
    QTest::newRow("empty list: nothing") << QString() << QByteArray();
    QTest::newRow("header and separator only (56 characters): nothing") << HeaderOnly << QByteArray();
    QTest::newRow("header, separator and one character")
        << HeaderOnly + u"x"_s << (HeaderOnly + u"x\r\n"_s).toUtf8() + stamp;
    QTest::newRow("one item line") << Calculation << Calculation.toUtf8() + stamp;
    QTest::newRow("last line without CR LF")
        << HeaderOnly + u" Conta de água"_s << (HeaderOnly + u" Conta de água\r\n"_s).toUtf8() + stamp;
}

void TstListFiles::backUpList()
{
    QFETCH(QString, list);
    QFETCH(QByteArray, expected);
    const numerette::BackupResult result = numerette::backUpList(list, QTime(14, 3, 9), backup());
    QCOMPARE(result.appended, !expected.isEmpty());
    QVERIFY(!result.tooLarge);
    QCOMPARE(contentsOf(backup()), expected);
    if (result.appended) {
        QVERIFY(isPrivate(backup()));
        // A second clearing appends a second record after the first.
        QVERIFY(numerette::backUpList(list, QTime(14, 3, 9), backup()).appended);
        QCOMPARE(contentsOf(backup()), expected + expected);
    }
}

void TstListFiles::sizeWarning_data()
{
    QTest::addColumn<qint64>("shortBy");
    QTest::addColumn<bool>("tooLarge");

    QTest::newRow("one byte short of the limit") << qint64(1) << false;
    QTest::newRow("exactly at the limit") << qint64(0) << true;
    QTest::newRow("past the limit") << qint64(-500) << true;
}

void TstListFiles::sizeWarning()
{
    QFETCH(qint64, shortBy);
    QFETCH(bool, tooLarge);
    const QTime time(9, 0);
    QVERIFY(numerette::backUpList(Calculation, time, backup()).appended);
    const qint64 recordSize = QFileInfo(backup()).size();
    QVERIFY(QFile::resize(backup(), numerette::BackupWarningBytes - recordSize - shortBy));

    const numerette::BackupResult result = numerette::backUpList(Calculation, time, backup());
    QVERIFY(result.appended);
    QCOMPARE(result.tooLarge, tooLarge);
}

void TstListFiles::showBackup_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<bool>("editorStarts");
    QTest::addColumn<ShowBackupResult>("expected");

    QTest::newRow("no backup yet") << false << true << ShowBackupResult::NoBackup;
    QTest::newRow("editor opens it") << true << true << ShowBackupResult::Opened;
    QTest::newRow("no editor") << true << false << ShowBackupResult::CannotOpen;
}

void TstListFiles::showBackup()
{
    QFETCH(bool, exists);
    QFETCH(bool, editorStarts);
    QFETCH(ShowBackupResult, expected);
    if (exists)
        QVERIFY(numerette::backUpList(Calculation, QTime(9, 0), backup()).appended);
    QStringList opened;
    numerette::SetDocumentOpener([&](const QString& target) {
        opened.append(target);
        return editorStarts;
    });
    QCOMPARE(numerette::showBackup(backup()), expected);
    QCOMPARE(opened, exists ? QStringList{backup()} : QStringList());
}

void TstListFiles::saveRoundTrip()
{
    const QString path = m_dir->filePath(u"contas.txt"_s);
    const QString list = Calculation + u"                       2 \u00D7\r\n"_s;
    QVERIFY(numerette::saveListToFile(path, list));
    QCOMPARE(contentsOf(path), (list + u"\r\n"_s).toUtf8());
    QVERIFY(isPrivate(path));
    QCOMPARE(numerette::folderOfSavedFile(path), m_dir->path() + u'/');

    QVERIFY(numerette::saveListToFile(path, HeaderOnly));
    QCOMPARE(contentsOf(path), (HeaderOnly + u"\r\n"_s).toUtf8());
}

void TstListFiles::saveFailureIsReported()
{
    QVERIFY(!numerette::saveListToFile(m_dir->filePath(u"gone/contas.txt"_s), Calculation));
    QVERIFY(!numerette::saveListToFile(m_dir->path(), Calculation));
    QVERIFY(QFileInfo(m_dir->path()).isDir());
}

void TstListFiles::noFileIsWrittenThrough_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("FIFO") << u"FIFO"_s;
    QTest::newRow("link to /dev/zero") << u"link to /dev/zero"_s;
}

// Neither the backup nor a save goes into a FIFO or a device, nor replaces one: both are
// refused, saying why, and what was at the path stays.
void TstListFiles::noFileIsWrittenThrough()
{
    QFETCH(QString, kind);
    if (kind == u"FIFO")
        QCOMPARE(::mkfifo(QFile::encodeName(backup()).constData(), 0600), 0);
    else
        QVERIFY(QFile::link(u"/dev/zero"_s, backup()));
    const numerette::BackupResult result = numerette::backUpList(Calculation, QTime(9, 0), backup());
    QVERIFY(!result.appended);
    QCOMPARE(result.error, u"It is not a regular file."_s);
    QVERIFY(!numerette::saveListToFile(backup(), Calculation));
    QVERIFY(!QFileInfo(backup()).isFile());
    struct stat device = {};
    QVERIFY(::stat("/dev/zero", &device) == 0 && S_ISCHR(device.st_mode));
}

void TstListFiles::saveDialogStartPath_data()
{
    QTest::addColumn<QString>("ultimoArq");
    QTest::addColumn<QString>("ultimoPath");
    QTest::addColumn<QString>("expected");  // "@" stands for the test's home

    QTest::newRow("first save: default name in the documents folder")
        << u"Numeret.txt"_s << QString() << u"@/Documents/Numeret.txt"_s;
    QTest::newRow("last file in its folder") << u"@/saved/contas.txt"_s << u"@/saved/"_s << u"@/saved/contas.txt"_s;
    QTest::newRow("last folder removed") << u"@/gone/contas.txt"_s << u"@/gone/"_s << u"@/Documents/contas.txt"_s;
}

void TstListFiles::saveDialogStartPath()
{
    QFETCH(QString, ultimoArq);
    QFETCH(QString, ultimoPath);
    QFETCH(QString, expected);
    QVERIFY(QDir(m_home.path()).mkpath(u"saved"_s));
    const QString home = m_home.path();
    QCOMPARE(numerette::saveDialogStartPath(ultimoArq.replace(u'@', home), ultimoPath.replace(u'@', home)),
             expected.replace(u'@', home));
}

void TstListFiles::backupInDataFolder()
{
    const QString path = numerette::backupFilePath();
    QVERIFY2(path.startsWith(m_home.filePath(u".local/share/"_s)) && path.endsWith(u"/numeret.txt"_s),
             qPrintable(path));
    QVERIFY(numerette::backUpList(Calculation, QTime(9, 0), path).appended);
    QVERIFY(isPrivate(QFileInfo(path).absolutePath()));
}

QTEST_GUILESS_MAIN(TstListFiles)
#include "tst_list_files.moc"
