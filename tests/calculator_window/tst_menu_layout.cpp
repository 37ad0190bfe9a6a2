// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator window's menus as the user finds them: every item in order, with its
// caption, shortcut, check and enabled state, in the main calculator, in mini mode and in a
// secondary calculator. The expected listing of the main calculator is menu_listings/main.txt.
#include <memory>

#include <QFile>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

#include "calculator_session.h"
#include "fake_calculator_owner.h"
#include "menu_listing.h"
#include "settings_store.h"

using namespace Qt::StringLiterals;

namespace {

QStringList mainListing()
{
    QFile file(QStringLiteral(NUMERETTE_MENU_LISTINGS "/main.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

QString nameOf(const QString& line)
{
    return line.section(u" | "_s, 0, 0).trimmed();
}

// The main calculator's listing with the lines of `changed` in place of those of the same name.
QStringList listingWith(const QStringList& changed)
{
    QStringList lines = mainListing();
    for (const QString& change : changed) {
        for (QString& line : lines) {
            if (nameOf(line) == nameOf(change))
                line = change;
        }
    }
    return lines;
}

} // namespace

class TstMenuLayout : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void menusInOrder_data();
    void menusInOrder();

private:
    std::unique_ptr<QTemporaryDir> m_data;
    std::unique_ptr<numerette::SettingsStore> m_settings;
    FakeCalculatorOwner m_owner;
};

void TstMenuLayout::init()
{
    makePrivateFolders(m_data, m_settings);
    m_owner = FakeCalculatorOwner{};
}

void TstMenuLayout::cleanup()
{
    m_settings.reset();
    m_data.reset();
}

void TstMenuLayout::menusInOrder_data()
{
    QTest::addColumn<QString>("commandWord");
    QTest::addColumn<int>("hostTag");
    QTest::addColumn<bool>("largeLayout");
    QTest::addColumn<QStringList>("changed");

    QTest::newRow("main calculator") << QString() << 1 << true << QStringList{};
    QTest::newRow("main calculator, normal layout")
        << QString() << 1 << false << QStringList{u"  mnuGrande | Show with &Large Font |  | checkable"_s};
    // Mini mode shows the list menu alone, in the normal layout with the keypad hidden; it
    // leaves the window's stored options as they are.
    QTest::newRow("mini mode") << u"mini"_s << 1 << true
                               << QStringList{u"> mnu1 | &Options |  | disabled hidden"_s,
                                              u"> mnuConfig | &Settings |  | disabled hidden"_s,
                                              u"  mnuSystray | Stay on &System Tray when Exit |  | checkable"_s,
                                              u"  mnuOcultar | Hide Keyb&oard |  | checkable checked"_s,
                                              u"  mnuGrande | Show with &Large Font |  | checkable"_s,
                                              u"  mnuXP | Office &XP menu |  | checkable"_s,
                                              u"> mnu9 | ? |  | disabled hidden"_s};
    // A secondary calculator shows the other menus disabled, in the normal layout, without
    // hot keys; it leaves the window's stored options as they are.
    QTest::newRow("secondary calculator")
        << u"outra"_s << 2 << true
        << QStringList{u"> mnu1 | &Options |  | disabled"_s,
                       u"> mnuConfig | &Settings |  | disabled"_s,
                       u"  mnuSystray | Stay on &System Tray when Exit |  | checkable"_s,
                       u"  mnuHotKey | &HotKeys (CTRL + Numeric Keyboard) |  | checkable"_s,
                       u"  mnuGrande | Show with &Large Font |  | checkable"_s,
                       u"  mnuXP | Office &XP menu |  | checkable"_s,
                       u"> mnu9 | ? |  | disabled"_s};
}

void TstMenuLayout::menusInOrder()
{
    QFETCH(QString, commandWord);
    QFETCH(int, hostTag);
    QFETCH(bool, largeLayout);
    QFETCH(QStringList, changed);
    m_settings->setLetrona(largeLayout);

    CalculatorSession session(*m_settings, m_owner, CalculatorLaunch{commandWord, hostTag});
    const QStringList listing = numerette::testing::menuBarListing(*session.window.menuBar());
    const QStringList expected = listingWith(changed);
    // The whole listing, for a look at what changed.
    if (listing != expected)
        qInfo().noquote() << listing.join(u'\n');
    QVERIFY(!expected.isEmpty());
    for (qsizetype i = 0; i < std::min(listing.size(), expected.size()); ++i)
        QCOMPARE(listing.at(i), expected.at(i));
    QCOMPARE(listing.size(), expected.size());
}

QTEST_MAIN(TstMenuLayout)
#include "tst_menu_layout.moc"
