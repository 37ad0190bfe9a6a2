// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include "menu_entry.h"

using namespace Qt::StringLiterals;

namespace {

// Brazilian Portuguese, as far as the entries' comments go, for as long as it lives.
class PortugueseComments : public QTranslator {
public:
    PortugueseComments()
    {
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        QCoreApplication::installTranslator(this);
    }
    ~PortugueseComments() override
    {
        QCoreApplication::removeTranslator(this);
        QLocale::setDefault(m_before);
    }
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        if (QByteArrayView(context) != "MenuEntry")
            return {};
        return QByteArrayView(sourceText).startsWith("Adding machine calculator with")
            ? u"Calculadora de fita\\com papel"_s
            : u"Calculadora na área de notificação"_s;
    }

private:
    QLocale m_before;
};

} // namespace

class TstMenuEntry : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void execQuotesProgram_data();
    void execQuotesProgram();
    void writtenEntryIsValid();
    void autostartEntrySwitches();
    void installedEntry_data();
    void installedEntry();
    void commentInUsersLanguage_data();
    void commentInUsersLanguage();

private:
    QTemporaryDir m_data;
};

void TstMenuEntry::initTestCase()
{
    QVERIFY(m_data.isValid());
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_data.path()));
}

void TstMenuEntry::execQuotesProgram_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("execLine"); // as it stands in the file

    QTest::newRow("plain path") << u"/usr/bin/numerette"_s << u"Exec=\"/usr/bin/numerette\""_s;
    QTest::newRow("folder with blanks") << u"/opt/My Apps/numerette"_s << u"Exec=\"/opt/My Apps/numerette\""_s;
    QTest::newRow("dollar and quote") << u"/opt/a$b\"c/numerette"_s << u"Exec=\"/opt/a\\\\$b\\\\\"c/numerette\""_s;
    QTest::newRow("backslash") << u"/opt/a\\b/numerette"_s << u"Exec=\"/opt/a\\\\\\\\b/numerette\""_s;
    QTest::newRow("percent") << u"/opt/100%/numerette"_s << u"Exec=\"/opt/100%%/numerette\""_s;
}

void TstMenuEntry::execQuotesProgram()
{
    QFETCH(QString, program);
    QFETCH(QString, execLine);
    const QStringList lines = numerette::menuEntryText(program, u"/opt/dir/"_s).split(u'\n');
    QVERIFY2(lines.contains(execLine), qPrintable(lines.join(u'\n')));
    // The working folder is not quoted.
    QVERIFY(lines.contains(u"Path=/opt/dir/"_s));
}

void TstMenuEntry::writtenEntryIsValid()
{
    const QString program = u"/opt/Numerette Folder/numerette"_s;
    QVERIFY(numerette::writeMenuEntry(program, u"/opt/Numerette Folder/"_s));
    // Twice: the second replaces the first.
    QVERIFY(numerette::writeMenuEntry(program, u"/opt/Numerette Folder/"_s));
    const QString path = m_data.filePath(u"applications/numerette.desktop"_s);
    QCOMPARE(numerette::menuEntryPath(), path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QVERIFY(text.startsWith(u"[Desktop Entry]\n"_s));
    QCOMPARE(text.count(u"[Desktop Entry]"_s), 1);
    QVERIFY(text.contains(u"\nName=Numerette\n"_s));
    QVERIFY(text.contains(u"\nType=Application\n"_s));
    QVERIFY(text.contains(u"\nX-KDE-Shortcuts=Ctrl+Shift+C\n"_s));

    const QString validator = QStandardPaths::findExecutable(u"desktop-file-validate"_s);
    if (validator.isEmpty())
        QSKIP("desktop-file-validate is not installed (Debian package desktop-file-utils)");
    QProcess validate;
    validate.start(validator, {path});
    QVERIFY(validate.waitForFinished());
    QVERIFY2(validate.exitCode() == 0, validate.readAllStandardOutput().constData());
}

// The autostart entry starts the program in the notification area; switching off removes
// it, and succeeds also when there was none.
void TstMenuEntry::autostartEntrySwitches()
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_data.filePath(u"config"_s)));
    numerette::AutostartEntry entry(u"/opt/Numerette Folder/numerette"_s);
    QVERIFY(!entry.isOn());
    QVERIFY(entry.setOn(false));
    QVERIFY(entry.setOn(true));
    QVERIFY(entry.isOn());
    const QString path = m_data.filePath(u"config/autostart/numerette.desktop"_s);
    QCOMPARE(numerette::autostartEntryPath(), path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QVERIFY2(text.contains(u"\nExec=\"/opt/Numerette Folder/numerette\" systray\n"_s), qPrintable(text));
    const QString validator = QStandardPaths::findExecutable(u"desktop-file-validate"_s);
    if (!validator.isEmpty())
        QCOMPARE(QProcess::execute(validator, {path}), 0);

    QVERIFY(entry.setOn(false));
    QVERIFY(!entry.isOn());
    QVERIFY(!QFile::exists(path));
}

void TstMenuEntry::installedEntry_data()
{
    QTest::addColumn<QString>("program");  // relative to a fresh folder
    QTest::addColumn<QStringList>("files"); // made in that folder first
    QTest::addColumn<QString>("entry");    // expected, relative to the folder; empty: none

    const QString installed = u"usr/share/applications/numerette.desktop"_s;
    QTest::newRow("installed in a prefix") << u"usr/bin/numerette"_s << QStringList{installed} << installed;
    QTest::newRow("prefix with blanks") << u"my apps/bin/numerette"_s
                                        << QStringList{u"my apps/share/applications/numerette.desktop"_s}
                                        << u"my apps/share/applications/numerette.desktop"_s;
    QTest::newRow("build folder: no entry beside it") << u"build/src/app/numerette"_s << QStringList{} << QString();
    QTest::newRow("another program's entry only")
        << u"usr/bin/numerette"_s << QStringList{u"usr/share/applications/other.desktop"_s} << QString();
}

void TstMenuEntry::installedEntry()
{
    QFETCH(QString, program);
    QFETCH(QStringList, files);
    QFETCH(QString, entry);
    QTemporaryDir root;
    for (const QString& name : files + QStringList{program}) {
        QVERIFY(QDir(root.path()).mkpath(QFileInfo(name).path()));
        QFile file(root.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QCOMPARE(numerette::installedMenuEntryPath(root.filePath(program)),
             entry.isEmpty() ? QString() : root.filePath(entry));
}

void TstMenuEntry::commentInUsersLanguage_data()
{
    QTest::addColumn<bool>("autostart");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("portuguese"); // as it stands in the file

    QTest::newRow("menu entry") << false << u"Comment=Adding machine calculator with a paper tape"_s
                                << u"Comment[pt_BR]=Calculadora de fita\\\\com papel"_s;
    QTest::newRow("autostart entry") << true << u"Comment=Adding machine calculator in the notification area"_s
                                     << u"Comment[pt_BR]=Calculadora na área de notificação"_s;
}

// Desktops in any language read the English comment; a Portuguese one shows its own.
void TstMenuEntry::commentInUsersLanguage()
{
    QFETCH(bool, autostart);
    QFETCH(QString, english);
    QFETCH(QString, portuguese);
    const auto entry = [autostart] {
        const QString program = u"/opt/numerette"_s;
        return (autostart ? numerette::autostartEntryText(program) : numerette::menuEntryText(program, u"/opt/"_s))
            .split(u'\n');
    };
    QVERIFY(entry().filter(u"Comment["_s).isEmpty());
    const PortugueseComments translation;
    const QStringList lines = entry();
    QVERIFY2(lines.contains(english), qPrintable(lines.join(u'\n')));
    QVERIFY2(lines.contains(portuguese), qPrintable(lines.join(u'\n')));
}

QTEST_GUILESS_MAIN(TstMenuEntry)
#include "tst_menu_entry.moc"
