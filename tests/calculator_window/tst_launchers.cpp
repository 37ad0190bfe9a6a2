// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QClipboard>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "calculator.h"
#include "calculator_port.h"
#include "fake_calculator_owner.h"
#include "fake_desktop.h"
#include "frm_calcula.h"
#include "key_script.h"
#include "message_catalogue.h"
#include "settings_store.h"
#include "tool_launchers.h"

using namespace Qt::StringLiterals;

namespace {

struct Fixture {
    explicit Fixture(int hostTag = 1)
    {
        qputenv("XDG_DATA_HOME", dir.path().toUtf8());
        window = std::make_unique<frmCalcula>(calculator, settings, CalculatorLaunch{QString(), hostTag}, owner,
                                              desktop.services());
        window->load();
        window->show();
    }
    void run(const QString& item) { window->findChild<QAction*>(item)->trigger(); }

    QTemporaryDir dir;
    numerette::SettingsStore settings{dir.filePath(u"numeret.ini"_s)};
    FakeCalculatorOwner owner;
    numerette::CalculatorPort port;
    numerette::Calculator calculator{port};
    FakeDesktop desktop;
    numerette::FakeGlobalHotKeys& hotKeys = desktop.hotKeys;
    numerette::FakeNumLockSwitch& numLock = desktop.numLock;
    numerette::FakeProgramStarter& programs = desktop.programs;
    std::unique_ptr<frmCalcula> window;
};

// Answers the next message boxes with the given button and keeps their texts and icons.
struct MessageBoxAnswers {
    explicit MessageBoxAnswers(QMessageBox::StandardButton answer)
    {
        QObject::connect(&timer, &QTimer::timeout, &timer, [this, answer] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts << box->text();
                icons << box->icon();
                box->done(box->button(answer) ? answer : QMessageBox::Ok);
            }
        });
        timer.start(10);
    }
    QTimer timer;
    QStringList texts;
    QList<QMessageBox::Icon> icons;
};

struct OpenerGuard {
    explicit OpenerGuard(bool succeeds)
    {
        numerette::SetDocumentOpener([this, succeeds](const QString& target) {
            opened << target;
            return succeeds;
        });
    }
    ~OpenerGuard() { numerette::SetDocumentOpener({}); }
    QStringList opened;
};

} // namespace

class TstLaunchers : public QObject {
    Q_OBJECT

private slots:
    void anotherCalculator_data();
    void anotherCalculator();
    void desktopCalculator();
    void desktopCalculatorMissing();
    void pagesMinimizeOnSuccessOnly_data();
    void pagesMinimizeOnSuccessOnly();
    void helpAnsweredNoOpensNothing();
    void aboutNamesTheVersion();
    void toolsItemAsksTheHostForItsMenu();
    void counterDoubleClickOpensAnotherCalculator();
    void quotationClickOffersTheDonationPage_data();
    void quotationClickOffersTheDonationPage();
    void toolLaunchers_data();
    void toolLaunchers();
};

void TstLaunchers::anotherCalculator_data()
{
    QTest::addColumn<int>("hostTag");
    QTest::addColumn<bool>("timeMode");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("main calculator") << 1 << false << QStringList{u"outra"_s};
    QTest::newRow("main calculator in time mode") << 1 << true << QStringList{u"outratempo"_s};
    QTest::newRow("secondary calculator opens none") << 2 << false << QStringList{};
}

void TstLaunchers::anotherCalculator()
{
    QFETCH(int, hostTag);
    QFETCH(bool, timeMode);
    QFETCH(QStringList, arguments);
    Fixture f(hostTag);
    if (timeMode)
        f.calculator.mnuTempo_Click();
    QApplication::clipboard()->setText(u"12.50"_s);
    f.run(u"mnuOutra"_s);
    if (arguments.isEmpty()) {
        QVERIFY(f.programs.starts().isEmpty());
        return;
    }
    QCOMPARE(f.programs.starts().size(), 1);
    QCOMPARE(f.programs.starts().first().program, QCoreApplication::applicationFilePath());
    QCOMPARE(f.programs.starts().first().arguments, arguments);
    QVERIFY(QApplication::clipboard()->text().isEmpty());
}

void TstLaunchers::desktopCalculator()
{
    Fixture f;
    f.programs.setInstalled({u"xcalc"_s, u"kcalc"_s});
    f.run(u"mnuWindows"_s);
    QCOMPARE(f.programs.starts().size(), 1);
    QCOMPARE(f.programs.starts().first().program, u"/usr/bin/kcalc"_s);
}

void TstLaunchers::desktopCalculatorMissing()
{
    Fixture f;
    MessageBoxAnswers answers(QMessageBox::Ok);
    f.run(u"mnuWindows"_s);
    QCOMPARE(answers.texts, QStringList{numerette::LoadMessage(numerette::Message::SystemCalculatorNotFound)});
    QCOMPARE(answers.icons.value(0), QMessageBox::Critical);
}

void TstLaunchers::pagesMinimizeOnSuccessOnly_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QString>("failure");
    QTest::newRow("donation opens") << u"mnuReg"_s << true << QString();
    QTest::newRow("donation fails") << u"mnuReg"_s << false << numerette::LoadMessage(numerette::Message::BrowserError);
    QTest::newRow("mail opens") << u"mnuEmail"_s << true << QString();
    QTest::newRow("mail fails") << u"mnuEmail"_s << false
                                << numerette::LoadMessage(numerette::Message::MailProgramError, u"support@numerette.org"_s);
}

void TstLaunchers::pagesMinimizeOnSuccessOnly()
{
    QFETCH(QString, item);
    QFETCH(bool, opens);
    QFETCH(QString, failure);
    Fixture f;
    OpenerGuard opener(opens);
    MessageBoxAnswers answers(QMessageBox::Ok);
    f.run(item);
    QCOMPARE(opener.opened.size(), 1);
    QCOMPARE(f.window->isMinimized(), opens);
    // Boxes show the catalogue's CR LF as plain line breaks.
    QCOMPARE(answers.texts, failure.isEmpty() ? QStringList{} : QStringList{failure.remove(u'\r')});
}

void TstLaunchers::helpAnsweredNoOpensNothing()
{
    Fixture f;
    OpenerGuard opener(true);
    MessageBoxAnswers answers(QMessageBox::No);
    f.run(u"mnuAjuda"_s);
    QCOMPARE(answers.texts.size(), 2);
    QVERIFY(answers.texts.at(0).startsWith(u"Now it's possible"_s));
    QVERIFY(opener.opened.isEmpty());
    QVERIFY(!f.window->isMinimized());
}

void TstLaunchers::aboutNamesTheVersion()
{
    Fixture f;
    OpenerGuard opener(true);
    MessageBoxAnswers answers(QMessageBox::No);
    f.run(u"mnuCalc"_s);
    QCOMPARE(answers.texts.size(), 1);
    QVERIFY2(answers.texts.at(0).startsWith(u"Numerette FREE " NUMERETTE_VERSION "\n"_s), qPrintable(answers.texts.at(0)));
    QCOMPARE(answers.icons.value(0), QMessageBox::Information);
    QVERIFY(opener.opened.isEmpty());
}

void TstLaunchers::toolsItemAsksTheHostForItsMenu()
{
    Fixture f;
    QSignalSpy asked(f.window.get(), &frmCalcula::toolsMenuRequested);
    f.run(u"mnuUtil"_s);
    QCOMPARE(asked.count(), 1);
}

void TstLaunchers::counterDoubleClickOpensAnotherCalculator()
{
    Fixture f;
    QTest::mouseDClick(f.window->findChild<QLabel*>(u"lblVisor1"_s), Qt::LeftButton);
    QCOMPARE(f.programs.starts().size(), 1);
    QCOMPARE(f.programs.starts().first().arguments, QStringList{u"outra"_s});
}

void TstLaunchers::quotationClickOffersTheDonationPage_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("pageOpened");
    QTest::newRow("yes opens the donation page") << QMessageBox::Yes << true;
    QTest::newRow("no ends the command") << QMessageBox::No << false;
}

void TstLaunchers::quotationClickOffersTheDonationPage()
{
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, pageOpened);
    Fixture f;
    OpenerGuard opener(true);
    MessageBoxAnswers answers(answer);
    auto* quotation = f.window->findChild<QLabel*>(u"lblReg"_s);
    QTest::mouseClick(quotation, Qt::LeftButton);
    QCOMPARE(answers.texts.size(), 2);
    QCOMPARE(answers.texts.at(0), quotation->text());
    QCOMPARE(opener.opened.size(), pageOpened ? 1 : 0);
}

void TstLaunchers::toolLaunchers_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<ToolWindow>("tool");
    QTest::addColumn<bool>("totalsFirst");
    QTest::newRow("date tool totals and resets") << u"mnuData"_s << ToolWindow::Dates << true;
    QTest::newRow("weight tool totals and resets") << u"mnuPeso"_s << ToolWindow::Weight << true;
    QTest::newRow("interest tool totals and resets") << u"mnuJuro"_s << ToolWindow::Interest << true;
    QTest::newRow("rule of three opens as it is") << u"mnuRegra"_s << ToolWindow::RuleOfThree << false;
}

void TstLaunchers::toolLaunchers()
{
    QFETCH(QString, item);
    QFETCH(ToolWindow, tool);
    QFETCH(bool, totalsFirst);
    Fixture f;
    QString error;
    const bool closed = false;
    numerette::runTapeSteps(f.calculator, *numerette::parseTapeKeys(u"5+3"_s, error), closed);
    QList<ToolWindow> requested;
    QObject::connect(&f.window->toolLaunchers(), &ToolLaunchers::toolRequested, f.window.get(),
                     [&requested](ToolWindow t) { requested << t; });
    f.run(item);
    QCOMPARE(requested, QList<ToolWindow>{tool});
    QCOMPARE(f.calculator.list().contains(u"8 T"_s), totalsFirst);
    QCOMPARE(f.calculator.counter(), totalsFirst ? u"000"_s : u"001"_s);
}

QTEST_MAIN(TstLaunchers)
#include "tst_launchers.moc"
