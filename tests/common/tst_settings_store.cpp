// SPDX-License-Identifier: GPL-3.0-or-later
#include <functional>
#include <map>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "settings_store.h"

using namespace Qt::StringLiterals;
using numerette::SettingsStore;

namespace {

constexpr int ScreenDefaultLeft = 9000;

// Each key read and written as the text the tables below use.
struct Accessor {
    std::function<QString(const SettingsStore&)> read;
    std::function<void(SettingsStore&, const QString&)> write;
};

Accessor flagKey(bool (SettingsStore::*get)() const, void (SettingsStore::*set)(bool))
{
    return {[get](const SettingsStore& s) { return (s.*get)() ? u"True"_s : u"False"_s; },
            [set](SettingsStore& s, const QString& v) { (s.*set)(v == u"True"); }};
}

Accessor numberKey(int (SettingsStore::*get)() const, void (SettingsStore::*set)(int))
{
    return {[get](const SettingsStore& s) { return QString::number((s.*get)()); },
            [set](SettingsStore& s, const QString& v) { (s.*set)(v.toInt()); }};
}

Accessor textKey(QString (SettingsStore::*get)() const, void (SettingsStore::*set)(const QString&))
{
    return {[get](const SettingsStore& s) { return (s.*get)(); },
            [set](SettingsStore& s, const QString& v) { (s.*set)(v); }};
}

const std::map<QString, Accessor>& keys()
{
    using S = SettingsStore;
    static const std::map<QString, Accessor> table{
        {u"Formato"_s, numberKey(&S::Formato, &S::setFormato)},
        {u"CalcEnter"_s, flagKey(&S::CalcEnter, &S::setCalcEnter)},
        {u"MiniHeight"_s, numberKey(&S::MiniHeight, &S::setMiniHeight)},
        {u"CalcHeight"_s, numberKey(&S::CalcHeight, &S::setCalcHeight)},
        {u"Letrona"_s, flagKey(&S::Letrona, &S::setLetrona)},
        {u"CalcTop"_s, numberKey(&S::CalcTop, &S::setCalcTop)},
        {u"CalcLeft"_s,
         {[](const S& s) { return QString::number(s.CalcLeft(ScreenDefaultLeft)); },
          [](S& s, const QString& v) { s.setCalcLeft(v.toInt()); }}},
        {u"InserirTexto"_s, flagKey(&S::InserirTexto, &S::setInserirTexto)},
        {u"mnuSystray"_s, flagKey(&S::mnuSystray, &S::setMnuSystray)},
        {u"Monitor"_s, flagKey(&S::Monitor, &S::setMonitor)},
        {u"Oculte"_s, flagKey(&S::Oculte, &S::setOculte)},
        {u"HotKey"_s, flagKey(&S::HotKey, &S::setHotKey)},
        {u"MenuXP"_s, flagKey(&S::MenuXP, &S::setMenuXP)},
        {u"Sons"_s,
         {[](const S& s) { return QString::number(int(s.Sons())); },
          [](S& s, const QString& v) { s.setSons(numerette::SoundMode(v.toInt())); }}},
        {u"Instrumento"_s, numberKey(&S::Instrumento, &S::setInstrumento)},
        {u"Visivel"_s, flagKey(&S::Visivel, &S::setVisivel)},
        {u"Backup"_s, flagKey(&S::Backup, &S::setBackup)},
        {u"NumLock"_s, flagKey(&S::NumLock, &S::setNumLock)},
        {u"Porta"_s, textKey(&S::Porta, &S::setPorta)},
        {u"Velocidade"_s, numberKey(&S::Velocidade, &S::setVelocidade)},
        {u"UltimoArq"_s, textKey(&S::UltimoArq, &S::setUltimoArq)},
        {u"UltimoPath"_s, textKey(&S::UltimoPath, &S::setUltimoPath)},
    };
    return table;
}

} // namespace

class TstSettingsStore : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void defaults_data();
    void defaults();
    void roundTrip_data();
    void roundTrip();
    void storedText_data();
    void storedText();
    void miniHeightSentinel();
    void storeIsPrivate_data();
    void storeIsPrivate();

private:
    QString iniPath() const { return m_dir->filePath(u"Numeret.ini"_s); }
    std::unique_ptr<QTemporaryDir> m_dir;
    // The user's own store lives here; the store finds it once per process.
    QTemporaryDir m_configHome;
};

void TstSettingsStore::initTestCase()
{
    QVERIFY(m_configHome.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_configHome.path()));
}

void TstSettingsStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TstSettingsStore::defaults_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const std::pair<const char*, QString> rows[] = {
        {"Formato", u"2"_s},         {"CalcEnter", u"False"_s},    {"MiniHeight", u"1285"_s},
        {"CalcHeight", u"7305"_s},   {"Letrona", u"True"_s},       {"CalcTop", u"0"_s},
        {"CalcLeft", u"9000"_s},     {"InserirTexto", u"False"_s}, {"mnuSystray", u"True"_s},
        {"Monitor", u"False"_s},     {"Oculte", u"False"_s},       {"HotKey", u"True"_s},
        {"MenuXP", u"True"_s},       {"Sons", u"3"_s},             {"Instrumento", u"0"_s},
        {"Visivel", u"True"_s},      {"Backup", u"True"_s},        {"NumLock", u"True"_s},
        {"Porta", u"LPT1"_s},        {"UltimoArq", u"Numeret.txt"_s}, {"UltimoPath", QString()},
        {"Velocidade", u"9600"_s},
    };
    QCOMPARE(std::size(rows), keys().size());
    for (const auto& [key, expected] : rows)
        QTest::newRow(key) << QString::fromLatin1(key) << expected;
}

void TstSettingsStore::defaults()
{
    QFETCH(QString, key);
    QFETCH(QString, expected);
    const SettingsStore store(iniPath());
    QCOMPARE(keys().at(key).read(store), expected);
}

void TstSettingsStore::roundTrip_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("storedLine");

    QTest::newRow("boolean stored as True") << u"CalcEnter"_s << u"True"_s << u"CalcEnter=True"_s;
    QTest::newRow("boolean stored as False") << u"Backup"_s << u"False"_s << u"Backup=False"_s;
    QTest::newRow("format index in decimal") << u"Formato"_s << u"40"_s << u"Formato=40"_s;
    QTest::newRow("sound mode beep") << u"Sons"_s << u"2"_s << u"Sons=2"_s;
    QTest::newRow("height in twips") << u"CalcHeight"_s << u"6000"_s << u"CalcHeight=6000"_s;
    QTest::newRow("port") << u"Porta"_s << u"COM2"_s << u"Porta=COM2"_s;
    QTest::newRow("path with spaces and accents")
        << u"UltimoArq"_s << u"/home/zé/My Files/contas.txt"_s << u"UltimoArq="_s;
    QTest::newRow("folder with comma") << u"UltimoPath"_s << u"/home/ana/a, b/"_s << u"UltimoPath="_s;
}

void TstSettingsStore::roundTrip()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QString, storedLine);
    {
        SettingsStore store(iniPath());
        keys().at(key).write(store, value);
    }
    QFile file(iniPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString contents = QString::fromUtf8(file.readAll());
    QVERIFY(contents.startsWith(u"[Conf]"_s));
    QVERIFY2(contents.contains(storedLine), qPrintable(contents));
    QCOMPARE(keys().at(key).read(SettingsStore(iniPath())), value);
}

// Hand-edited or foreign values: what the program reads from them.
void TstSettingsStore::storedText_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Formato word") << u"Formato"_s << u"banana"_s << u"2"_s;
    QTest::newRow("Formato out of range") << u"Formato"_s << u"999"_s << u"2"_s;
    QTest::newRow("Sons 9") << u"Sons"_s << u"9"_s << u"3"_s;
    QTest::newRow("Sons none") << u"Sons"_s << u"1"_s << u"1"_s;
    QTest::newRow("Instrumento 500") << u"Instrumento"_s << u"500"_s << u"0"_s;
    QTest::newRow("CalcHeight negative") << u"CalcHeight"_s << u"-5"_s << u"7305"_s;
    QTest::newRow("CalcHeight astronomic") << u"CalcHeight"_s << u"1e30"_s << u"7305"_s;
    QTest::newRow("CalcHeight not a number") << u"CalcHeight"_s << u"nan"_s << u"7305"_s;
    QTest::newRow("CalcHeight single precision") << u"CalcHeight"_s << u"6000.4"_s << u"6000"_s;
    QTest::newRow("MiniHeight decimal comma") << u"MiniHeight"_s << u"\"1300,6\""_s << u"1301"_s;
    QTest::newRow("CalcTop negative") << u"CalcTop"_s << u"-150"_s << u"0"_s;
    QTest::newRow("CalcLeft word gives the screen default") << u"CalcLeft"_s << u"x"_s << u"9000"_s;
    QTest::newRow("CalcLeft astronomic") << u"CalcLeft"_s << u"-1e300"_s << u"0"_s;
    QTest::newRow("CalcLeft beyond any screen") << u"CalcLeft"_s << u"9e99"_s << QString::number(numerette::MaxTwips);
    QTest::newRow("boolean lower case") << u"CalcEnter"_s << u"true"_s << u"True"_s;
    QTest::newRow("boolean as -1") << u"CalcEnter"_s << u"-1"_s << u"True"_s;
    QTest::newRow("boolean word") << u"Letrona"_s << u"banana"_s << u"True"_s;
    QTest::newRow("unquoted comma in text") << u"Porta"_s << u"LPT1,x"_s << u"LPT1,x"_s;
}

void TstSettingsStore::storedText()
{
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(QString, expected);
    QFile file(iniPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write((u"[Conf]\n"_s + key + u'=' + stored + u'\n').toUtf8());
    file.close();
    QCOMPARE(keys().at(key).read(SettingsStore(iniPath())), expected);
}

void TstSettingsStore::miniHeightSentinel()
{
    QVERIFY(!SettingsStore(iniPath()).isMiniHeightStored());
    SettingsStore(iniPath()).setMiniHeight(1400);
    QVERIFY(SettingsStore(iniPath()).isMiniHeightStored());
}

void TstSettingsStore::storeIsPrivate_data()
{
    QTest::addColumn<bool>("usersOwnStore");
    QTest::addColumn<bool>("earlierVersionsFiles");
    QTest::newRow("new folder and file") << true << false;
    QTest::newRow("folder and file readable by all") << true << true;
    QTest::newRow("a file the caller names") << false << true;
}

// The user's store: folder 0700 and file 0600, before and after a value is written. A
// file the caller names becomes 0600 too, in a folder left as it was.
void TstSettingsStore::storeIsPrivate()
{
    QFETCH(bool, usersOwnStore);
    QFETCH(bool, earlierVersionsFiles);
    const QString file = usersOwnStore
        ? QSettings(QSettings::IniFormat, QSettings::UserScope, u"Numeret"_s, u"Numeret"_s).fileName()
        : m_dir->filePath(u"Numeret/Numeret.ini"_s);
    const QString folder = QFileInfo(file).absolutePath();
    QVERIFY(folder.startsWith(usersOwnStore ? m_configHome.path() : m_dir->path()));
    QDir(folder).removeRecursively();
    const auto removeStore = qScopeGuard([&folder] { QDir(folder).removeRecursively(); });
    const QFileDevice::Permissions readableByAll(0x7755);
    if (earlierVersionsFiles) {
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::setPermissions(folder, readableByAll));
        QFile old(file);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("[Conf]\nFormato=4\n");
        old.close();
        QVERIFY(QFile::setPermissions(file, QFileDevice::Permissions(0x6644)));
    }
    const QFileDevice::Permissions folderMode = usersOwnStore ? QFileDevice::Permissions(0x7700) : readableByAll;
    {
        SettingsStore store(usersOwnStore ? QString() : file);
        QCOMPARE(QFile::permissions(folder), folderMode);
        QCOMPARE(QFile::permissions(file), QFileDevice::Permissions(0x6600));
        QCOMPARE(store.Formato(), earlierVersionsFiles ? 4 : 2);
        store.setFormato(3);
    }
    QCOMPARE(QFile::permissions(folder), folderMode);
    QCOMPARE(QFile::permissions(file), QFileDevice::Permissions(0x6600));
    QCOMPARE(SettingsStore(file).Formato(), 3);
}

QTEST_GUILESS_MAIN(TstSettingsStore)
#include "tst_settings_store.moc"
