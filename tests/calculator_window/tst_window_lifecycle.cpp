// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <functional>
#include <memory>

#include <QAction>
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "calculation_list.h"
#include "calculator_session.h"
#include "calculator.h"
#include "fake_calculator_owner.h"
#include "file_size_limit.h"
#include "frm_calcula.h"
#include "list_commands.h"
#include "list_files.h"
#include "message_catalogue.h"
#include "quotations.h"
#include "settings_store.h"
#include "state_file.h"
#include "window_port.h"

using namespace Qt::StringLiterals;
using numerette::tape::DateOrder;

namespace {

const numerette::NumberLocale Point = numerette::NumberLocale::withDecimal(u'.');

// The separators and date order the calculator of these tests works with.
numerette::StateFileReader todaysReader()
{
    return {Point, DateOrder::DayMonthYear, QDate::currentDate()};
}

} // namespace

namespace {

struct Session : CalculatorSession {
    using CalculatorSession::CalculatorSession;

    // What a restart must bring back.
    QStringList calculation() const
    {
        return {calculator.list(),         calculator.total(),   operatorText(calculator.PendingOperator()),
                calculator.entry().text(), calculator.display(), calculator.counter()};
    }
};

struct ShownMessage {
    QMessageBox::Icon icon;
    QString title;
    QString text;
};

// Runs action, answering every message box it shows.
QList<ShownMessage> messagesShownBy(const std::function<void()>& action)
{
    QList<ShownMessage> shown;
    QTimer answer;
    answer.setInterval(10);
    QObject::connect(&answer, &QTimer::timeout, &answer, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown.append({box->icon(), box->windowTitle(), box->text()});
            box->done(QMessageBox::Ok);
        }
    });
    answer.start();
    action();
    return shown;
}

QRect screenArea()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

QString todaysEmptyList(const WindowPort& port)
{
    const QDate today = QDate::currentDate();
    return numerette::tape::dateHeader(today, DateOrder::DayMonthYear, port.weekdayName(today))
        + numerette::tape::LineBreak + numerette::tape::Separator + numerette::tape::LineBreak;
}

const QString YesterdaysList = u" 04/03/2024 Mon           \r\n =========================\r\n"
                               u"                       5 +\r\n                       3 =\r\n"_s;

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TstWindowLifecycle : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void firstStart();
    void sameDayRestartRestoresTheCalculation_data();
    void sameDayRestartRestoresTheCalculation();
    void restartOnAnotherDayClearsTheList_data();
    void restartOnAnotherDayClearsTheList();
    void storedPlaceIsKeptOnScreen_data();
    void storedPlaceIsKeptOnScreen();
    void settingsComeBackAtRestart();
    void secondaryCalculatorStoresNoSetting();
    void miniMode();
    void miniModeExplainsTheHotKeysOnce_data();
    void miniModeExplainsTheHotKeysOnce();
    void closingWhileMinimizedKeepsThePlace();
    void closingSavesThenTellsTheHost_data();
    void closingSavesThenTellsTheHost();
    void windowOpenedDuringTheExitTouchesNothing();
    void stateIsSavedAfterTotalsAndClears();
    void damagedStateStartsANewListAndSaysWhereItWasKept();
    void failedSaveIsToldOnceAndTriedAgain();
    void foreignFieldKeepsTheTape();
    void oversizedListGoesToAFile_data();
    void oversizedListGoesToAFile();
    void fullListQuestion_data();
    void fullListQuestion();
    void firstActivationRunsTheCommandWordOnce();
    void quotationsRotateWhileShown();
    void clickingTheQuotationPicture_data();
    void clickingTheQuotationPicture();
    void optionsAreStoredWhenToggled_data();
    void optionsAreStoredWhenToggled();
    void saveInFile_data();
    void saveInFile();
    void clearingBacksUpWhenChecked_data();
    void clearingBacksUpWhenChecked();
    void showBackup_data();
    void showBackup();
    void oversizedBackupWarnsOnlyWhileShown();

private:
    QString stateFile(int tag = 1) const { return numerette::stateFilePath(tag); }
    QString settingsFile() const { return m_data->filePath(u"numeret.ini"_s); }
    QMap<QString, QString> storedSettings() const;
    void restartInto(std::unique_ptr<Session>& session, CalculatorLaunch launch = {});

    QTemporaryDir m_home;
    std::unique_ptr<QTemporaryDir> m_data;
    std::unique_ptr<numerette::SettingsStore> m_settings;
    FakeCalculatorOwner m_owner;
};

void TstWindowLifecycle::initTestCase()
{
    qputenv("HOME", m_home.path().toUtf8());
}

// Every test starts as a first start ever: no saved calculation, no settings, no backup.
void TstWindowLifecycle::init()
{
    m_data = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", m_data->path().toUtf8());
    m_settings = std::make_unique<numerette::SettingsStore>(settingsFile());
    m_owner = FakeCalculatorOwner{};
}

void TstWindowLifecycle::cleanup()
{
    numerette::SetDocumentOpener({});
    m_settings.reset();
    m_data.reset();
}

QMap<QString, QString> TstWindowLifecycle::storedSettings() const
{
    QSettings stored(settingsFile(), QSettings::IniFormat);
    stored.beginGroup(u"Conf"_s);
    QMap<QString, QString> values;
    for (const QString& key : stored.childKeys())
        values.insert(key, stored.value(key).toString());
    return values;
}

// Closes the calculator and opens it again, as the tray's show command does after a park.
void TstWindowLifecycle::restartInto(std::unique_ptr<Session>& session, CalculatorLaunch launch)
{
    session->window.close();
    session.reset();
    session = std::make_unique<Session>(*m_settings, m_owner, std::move(launch));
    QVERIFY(session->show());
}

void TstWindowLifecycle::firstStart()
{
    QGuiApplication::clipboard()->setText(u"12.5"_s);
    Session session(*m_settings, m_owner);
    QVERIFY(session.show());
    frmCalcula& window = session.window;

    QCOMPARE(session.calculator.list(), todaysEmptyList(session.port));
    QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
    QCOMPARE(window.height(), 487);
    QCOMPARE(window.y(), screenArea().y());
    QCOMPARE(window.x(), screenArea().x() + screenArea().width() - window.width() - 24);
    QCOMPARE(window.windowTitle(), u" Numerette FREE"_s);
    QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    for (const QString& option : {u"mnuVisivel"_s, u"mnuBackup"_s, u"mnuNumLock"_s, u"mnuSystray"_s})
        QVERIFY2(session.action(option)->isChecked(), qPrintable(option));
    QCOMPARE(session.stateReads.count(), 1);
}

void TstWindowLifecycle::sameDayRestartRestoresTheCalculation_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("thenTyped");
    QTest::addColumn<QString>("expectedDisplay");

    QTest::newRow("after a total") << u"5+3="_s << u"2+"_s << u"2"_s;
    QTest::newRow("plus pending with a number typed") << u"5+3"_s << u"="_s << u"8"_s;
    QTest::newRow("times pending") << u"12*"_s << u"3="_s << u"36"_s;
    QTest::newRow("decimals typed") << u"1.5+2.25"_s << u"="_s << u"3.75"_s;
    QTest::newRow("two totals and a division pending") << u"5+3=7+1=10/"_s << u"4="_s << u"2.5"_s;
}

void TstWindowLifecycle::sameDayRestartRestoresTheCalculation()
{
    QFETCH(QString, typed);
    QFETCH(QString, thenTyped);
    QFETCH(QString, expectedDisplay);

    auto session = std::make_unique<Session>(*m_settings, m_owner);
    QVERIFY(session->show());
    QTest::keyClicks(&session->window, typed);
    const QStringList before = session->calculation();

    restartInto(session);
    QCOMPARE(session->calculation(), before);

    QTest::keyClicks(&session->window, thenTyped);
    QCOMPARE(session->calculator.display(), expectedDisplay);
}

void TstWindowLifecycle::restartOnAnotherDayClearsTheList_data()
{
    QTest::addColumn<bool>("backupOn");
    QTest::addColumn<QString>("savedList");
    QTest::addColumn<bool>("backedUp");

    QTest::newRow("yesterday's list is backed up") << true << YesterdaysList << true;
    QTest::newRow("backup off writes nothing") << false << YesterdaysList << false;
    QTest::newRow("a list with only its header is not backed up")
        << true << YesterdaysList.left(numerette::MinimumBackupListLength - 1) << false;
}

void TstWindowLifecycle::restartOnAnotherDayClearsTheList()
{
    QFETCH(bool, backupOn);
    QFETCH(QString, savedList);
    QFETCH(bool, backedUp);

    m_settings->setBackup(backupOn);
    const numerette::CalculatorStateRecord saved{
        QDate::currentDate().addDays(-1), savedList, u"8"_s, numerette::Operator::Plus, u"4"_s, u"4"_s, u"002"_s};
    QVERIFY(numerette::writeStateFile(stateFile(), saved, Point));

    Session session(*m_settings, m_owner);
    QCOMPARE(session.calculator.list(), todaysEmptyList(session.port));
    QCOMPARE(session.calculator.total(), u"0"_s);
    QCOMPARE(session.calculator.display(), u"0"_s);

    const QString backup = QString::fromUtf8(contentsOf(numerette::backupFilePath()));
    QCOMPARE(!backup.isEmpty(), backedUp);
    if (backedUp) {
        QVERIFY(backup.startsWith(savedList));
        QVERIFY(backup.contains(u"BKP = "_s));
    }
}

void TstWindowLifecycle::storedPlaceIsKeptOnScreen_data()
{
    QTest::addColumn<QString>("storedTop");
    QTest::addColumn<QString>("storedLeft");
    QTest::addColumn<int>("expectedTop");
    QTest::addColumn<int>("expectedLeft");

    const QRect screen = screenArea();
    QTest::newRow("on screen") << u"1500"_s << u"1800"_s << 100 << 120;
    QTest::newRow("negative top") << u"-150"_s << u"1800"_s << 0 << 120;
    QTest::newRow("below the bottom edge") << QString::number((screen.height() - 50) * 15) << u"1800"_s << 0 << 120;
    QTest::newRow("past the right edge") << u"1500"_s << QString::number((screen.width() - 50) * 15) << 100 << 0;
}

void TstWindowLifecycle::storedPlaceIsKeptOnScreen()
{
    QFETCH(QString, storedTop);
    QFETCH(QString, storedLeft);
    QFETCH(int, expectedTop);
    QFETCH(int, expectedLeft);

    m_settings->setCalcTop(storedTop.toInt());
    m_settings->setCalcLeft(storedLeft.toInt());
    Session session(*m_settings, m_owner);
    QVERIFY(session.show());
    QCOMPARE(session.window.pos(), screenArea().topLeft() + QPoint(expectedLeft, expectedTop));
}

// What the user chooses in a shown window is stored through the calculator's port, and
// the window's own measures at the close; the next start brings all of it back.
void TstWindowLifecycle::settingsComeBackAtRestart()
{
    auto session = std::make_unique<Session>(*m_settings, m_owner);
    QVERIFY(session->show());
    session->action(u"mnuNumeral20"_s)->trigger();
    messagesShownBy([&] { session->action(u"mnuEnter"_s)->trigger(); });
    session->window.resize(session->window.width(), 420);
    session->window.move(screenArea().topLeft() + QPoint(40, 60));

    restartInto(session);
    QCOMPARE(session->calculator.numberFormatIndex(), 20);
    QVERIFY(session->calculator.addMode());
    QCOMPARE(session->window.height(), 420);
    QCOMPARE(session->window.pos(), screenArea().topLeft() + QPoint(40, 60));
}

void TstWindowLifecycle::secondaryCalculatorStoresNoSetting()
{
    m_settings->setMnuSystray(true);
    const QMap<QString, QString> before = storedSettings();
    Session session(*m_settings, m_owner, CalculatorLaunch{u"outra"_s, 2});
    QVERIFY(session.show());

    QCOMPARE(session.window.windowTitle(), u"Numerette [Aux]"_s);
    for (const QString& name : {u"mnu1"_s, u"mnuConfig"_s, u"mnu9"_s})
        QVERIFY2(!session.menu(name)->menuAction()->isEnabled(), qPrintable(name));
    QVERIFY(session.menu(u"mnuFita"_s)->menuAction()->isEnabled());

    QTest::keyClicks(&session.window, u"5+3="_s);
    session.window.close();
    QCOMPARE(storedSettings(), before);
    QCOMPARE(session.closings.count(), 1);
    QVERIFY(QFile::exists(stateFile(2)));
    QVERIFY(!QFile::exists(stateFile(1)));
}

void TstWindowLifecycle::miniMode()
{
    m_settings->setCalcTop(1500);
    m_settings->setMnuSystray(true);
    const QMap<QString, QString> before = storedSettings();
    Session session(*m_settings, m_owner, CalculatorLaunch{u"mini"_s, 1});
    QVERIFY(session.show());

    QCOMPARE(session.window.y(), screenArea().y());
    // 1285 twips, unless that is less than the menu bar and the list need.
    QCOMPARE(session.window.height(), std::max(86, session.window.minimumHeight()));
    QVERIFY(session.window.height() < 487 / 2);
    for (const QString& name : {u"lblReg"_s, u"fraTeclado"_s, u"lblVisor3"_s})
        QVERIFY2(session.widget(name)->isHidden(), qPrintable(name));
    for (const QString& name : {u"mnu1"_s, u"mnuConfig"_s, u"mnu9"_s})
        QVERIFY2(!session.menu(name)->menuAction()->isVisible(), qPrintable(name));
    QVERIFY(session.window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QTest::keyClicks(&session.window, u"5"_s);
    QCOMPARE(session.window.windowTitle(), u" 5"_s);

    session.window.close();
    QMap<QString, QString> after = storedSettings();
    QCOMPARE(after.take(u"MiniHeight"_s), QString::number(session.window.height() * 15));
    QCOMPARE(after.take(u"CalcLeft"_s), QString::number((session.window.x() - screenArea().x()) * 15));
    QCOMPARE(after, before);
    QCOMPARE(session.closings.count(), 1);
}

void TstWindowLifecycle::miniModeExplainsTheHotKeysOnce_data()
{
    QTest::addColumn<bool>("miniHeightStored");
    QTest::newRow("first mini start: the hot-key help") << false;
    QTest::newRow("mini height stored: no help") << true;
}

void TstWindowLifecycle::miniModeExplainsTheHotKeysOnce()
{
    QFETCH(bool, miniHeightStored);
    if (miniHeightStored)
        m_settings->setMiniHeight(1285);
    Session session(*m_settings, m_owner, CalculatorLaunch{u"mini"_s, 1});
    const QList<ShownMessage> shown = messagesShownBy([&session] {
        QVERIFY(session.show());
        session.window.activateWindow();
        QTest::qWait(100);
    });
    QCOMPARE(shown.size(), miniHeightStored ? 0 : 1);
    if (!shown.isEmpty())
        QVERIFY(shown.first().text.startsWith(u"Now it's possible to use the calculator with a minimized view"_s));
}

void TstWindowLifecycle::closingWhileMinimizedKeepsThePlace()
{
    Session session(*m_settings, m_owner);
    QVERIFY(session.show());
    session.window.showMinimized();
    QTRY_VERIFY(session.window.isMinimized());
    session.window.close();

    const QMap<QString, QString> stored = storedSettings();
    QVERIFY(stored.contains(u"CalcEnter"_s));
    QVERIFY(stored.contains(u"Backup"_s));
    for (const QString& key : {u"CalcHeight"_s, u"CalcTop"_s, u"CalcLeft"_s, u"Letrona"_s})
        QVERIFY2(!stored.contains(key), qPrintable(key));
}

void TstWindowLifecycle::closingSavesThenTellsTheHost_data()
{
    QTest::addColumn<bool>("stayInTray");
    QTest::newRow("stay in tray checked") << true;
    QTest::newRow("stay in tray unchecked") << false;
}

// The window saves and tells; parking or ending is the host's, so the calculator it leaves
// behind is as the close found it.
void TstWindowLifecycle::closingSavesThenTellsTheHost()
{
    QFETCH(bool, stayInTray);
    m_settings->setMnuSystray(stayInTray);
    Session session(*m_settings, m_owner);
    QVERIFY(session.show());
    QTest::keyClicks(&session.window, u"5+3"_s);
    QString savedEntry;
    connect(&session.window, &frmCalcula::closing, this, [&savedEntry] {
        const auto saved = numerette::readStateFile(numerette::stateFilePath(1), todaysReader());
        savedEntry = saved ? saved->entry : u"nothing saved"_s;
    });
    session.window.close();

    QVERIFY(!session.window.isVisible());
    QCOMPARE(session.closings.count(), 1);
    QCOMPARE(session.closings.constFirst().constFirst().toBool(), stayInTray);
    QCOMPARE(savedEntry, u"3"_s);
    QVERIFY(session.calculator.keysAccepted());
}

// Opened while the process is on its way out: the window reads nothing and, above all,
// does not overwrite the saved calculation with an empty one when it goes.
void TstWindowLifecycle::windowOpenedDuringTheExitTouchesNothing()
{
    const numerette::CalculatorStateRecord saved{
        QDate::currentDate(), YesterdaysList, u"8"_s, numerette::Operator::Plus, u"4"_s, u"4"_s, u"002"_s};
    QVERIFY(numerette::writeStateFile(stateFile(), saved, Point));
    const QByteArray file = contentsOf(stateFile());
    m_owner.parked = true;

    Session session(*m_settings, m_owner);
    session.window.show();
    QTRY_VERIFY(!session.window.isVisible());
    QCOMPARE(contentsOf(stateFile()), file);
    QVERIFY(storedSettings().isEmpty());
    QCOMPARE(session.stateReads.count(), 0);
    QCOMPARE(session.closings.count(), 0);
}

void TstWindowLifecycle::stateIsSavedAfterTotalsAndClears()
{
    Session session(*m_settings, m_owner);
    QVERIFY(session.show());
    const auto saved = [] { return numerette::readStateFile(numerette::stateFilePath(1), todaysReader()); };

    QTest::keyClicks(&session.window, u"5+3="_s);
    QTRY_VERIFY(saved() && saved()->list == session.calculator.list());
    QCOMPARE(saved()->display, u"8"_s);
    QCOMPARE(saved()->total, session.calculator.total());
    QCOMPARE(saved()->pendingOperator, session.calculator.PendingOperator());
    QCOMPARE(saved()->date, QDate::currentDate());

    const QString afterTotal = session.calculator.list();
    QTest::keyClicks(&session.window, u"7+"_s);
    QCoreApplication::processEvents();
    QCOMPARE(saved()->list, afterTotal);

    session.action(u"mnuLimpar"_s)->trigger();
    QTRY_COMPARE(saved()->list, todaysEmptyList(session.port));
}

void TstWindowLifecycle::damagedStateStartsANewListAndSaysWhereItWasKept()
{
    {
        QFile damaged(stateFile());
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        QVERIFY(damaged.write("\"05/03/2024\",\"cut off"));
    }
    std::unique_ptr<Session> session;
    // A window built ahead of showing (as during the splash) tells it only once shown.
    QVERIFY(messagesShownBy([&] {
                session = std::make_unique<Session>(*m_settings, m_owner);
                QTest::qWait(50);
            }).isEmpty());
    const QList<ShownMessage> messages = messagesShownBy([&] {
        QVERIFY(session->show());
        QTest::qWait(50);
    });
    QCOMPARE(session->calculator.list(), todaysEmptyList(session->port));
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.constFirst().icon, QMessageBox::Warning);
    QVERIFY(messages.constFirst().text.contains(stateFile() + u".damaged"_s));
    QCOMPARE(contentsOf(stateFile() + u".damaged"_s), QByteArray("\"05/03/2024\",\"cut off"));
}

// A saved total that is no number: the tape stays as today's, a new calculation starts,
// the file is kept aside and the user told once.
void TstWindowLifecycle::foreignFieldKeepsTheTape()
{
    const numerette::CalculatorStateRecord saved{
        QDate::currentDate(), YesterdaysList, u"abc"_s, numerette::Operator::Plus, u"4"_s, u"4"_s, u"002"_s};
    QVERIFY(numerette::writeStateFile(stateFile(), saved, Point));
    std::unique_ptr<Session> session;
    const QList<ShownMessage> messages = messagesShownBy([&] {
        session = std::make_unique<Session>(*m_settings, m_owner);
        QVERIFY(session->show());
        QTest::qWait(50);
    });
    QCOMPARE(session->calculator.list(), YesterdaysList);
    QCOMPARE(session->calculator.total(), u"0"_s);
    QCOMPARE(messages.size(), 1);
    QVERIFY(messages.constFirst().text.contains(stateFile() + u".damaged"_s));
    QTest::keyClicks(&session->window, u"5+3="_s);
    QVERIFY(session->calculator.list().endsWith(u"                       8 T\r\n =========================\r\n"_s));
}

void TstWindowLifecycle::oversizedListGoesToAFile_data()
{
    QTest::addColumn<bool>("backupOn");
    QTest::addColumn<QString>("keptIn");
    QTest::newRow("backup on") << true << u"numeret.txt"_s;
    QTest::newRow("backup off") << false << u"numeret-kept.txt"_s;
}

// A list far beyond its capacity opens with its last calculations; the rest is in a file.
void TstWindowLifecycle::oversizedListGoesToAFile()
{
    QFETCH(bool, backupOn);
    QFETCH(QString, keptIn);
    m_settings->setBackup(backupOn);
    const QString calculation = u"                       5 +\r\n                       3 =\r\n 002                      \r\n"
                                u"                       8 T\r\n =========================\r\n"_s;
    const QString list = YesterdaysList + calculation.repeated(2000);
    QVERIFY(numerette::writeStateFile(
        stateFile(), {QDate::currentDate(), list, u"0"_s, numerette::Operator::Plus, u"0"_s, u"0"_s, u"000"_s}, Point));
    std::unique_ptr<Session> session;
    const QList<ShownMessage> messages = messagesShownBy([&] {
        session = std::make_unique<Session>(*m_settings, m_owner);
        QVERIFY(session->show());
        QTest::qWait(50);
    });
    const QString shown = session->calculator.list();
    QVERIFY(shown.size() <= numerette::tape::CapacityChars);
    QVERIFY(shown.startsWith(calculation));
    QVERIFY(list.endsWith(shown));
    const QString file = QFileInfo(numerette::backupFilePath()).absolutePath() + u'/' + keptIn;
    const QString kept = QString::fromUtf8(contentsOf(file));
    QVERIFY(kept.contains(list.left(list.size() - shown.size())));
    QCOMPARE(messages.size(), 1);
    QVERIFY(messages.constFirst().text.contains(file));
}

void TstWindowLifecycle::fullListQuestion_data()
{
    QTest::addColumn<bool>("backupOn");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("keptIn");
    QTest::newRow("Enter keeps the list") << false << false << QString();
    QTest::newRow("Yes with backup on") << true << true << u"numeret.txt"_s;
    QTest::newRow("Yes with backup off") << false << true << u"numeret-kept.txt"_s;
}

// The question of a full list defaults to No; an erase keeps a copy and says where.
void TstWindowLifecycle::fullListQuestion()
{
    QFETCH(bool, backupOn);
    QFETCH(bool, yes);
    QFETCH(QString, keptIn);
    m_settings->setBackup(backupOn);
    Session session(*m_settings, m_owner);
    QVERIFY(session.show());
    session.calculator.setList(session.calculator.list()
                               + u"                       1 +\r\n"_s.repeated(numerette::tape::CapacityChars / 28));
    QStringList told;
    QTimer answering;
    answering.setInterval(10);
    connect(&answering, &QTimer::timeout, &answering, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        told.append(box->text());
        if (box->standardButtons().testFlag(QMessageBox::Yes) && yes)
            box->button(QMessageBox::Yes)->click();
        else if (box->standardButtons().testFlag(QMessageBox::Yes))
            QTest::keyClick(box, Qt::Key_Return);
        else
            box->done(QMessageBox::Ok);
    });
    answering.start();
    QTest::keyClicks(&session.window, u"5+3="_s);
    QTest::qWait(100);
    QVERIFY(!told.isEmpty());
    QVERIFY(told.constFirst().startsWith(u"Calculation's list is full."_s));
    if (keptIn.isEmpty()) {
        QCOMPARE(told.size(), 1);
        QVERIFY(session.calculator.list().size() > numerette::tape::CapacityChars);
        return;
    }
    const QString file = QFileInfo(numerette::backupFilePath()).absolutePath() + u'/' + keptIn;
    QCOMPARE(told.size(), 2);
    QVERIFY(told.last().contains(file));
    QCOMPARE(session.calculator.list(), todaysEmptyList(session.port));
    QVERIFY(QString::fromUtf8(contentsOf(file)).contains(u"                       8 T"_s));
}

// A total that cannot be saved says so once, naming the file; the following totals try
// again without a word, and once a save has worked a new failure is told again.
void TstWindowLifecycle::failedSaveIsToldOnceAndTriedAgain()
{
    // The tape history would tell of its own failed writes; this is about the state file's.
    m_settings->setHistorico(0);
    Session session(*m_settings, m_owner);
    QVERIFY(session.show());
    const auto type = [&session](const QString& keys) {
        return messagesShownBy([&] {
            QTest::keyClicks(&session.window, keys);
            QTest::qWait(50);
        });
    };
    const auto saved = [] { return numerette::readStateFile(numerette::stateFilePath(1), todaysReader()); };
    {
        const FileSizeLimit full(64);
        const QList<ShownMessage> first = type(u"5+3="_s);
        QCOMPARE(first.size(), 1);
        QCOMPARE(first.constFirst().icon, QMessageBox::Critical);
        QVERIFY(first.constFirst().text.contains(stateFile()));
        QVERIFY(type(u"2+2="_s).isEmpty());
        QVERIFY(!saved() || saved()->list != session.calculator.list());
    }
    QVERIFY(type(u"1+1="_s).isEmpty());
    QVERIFY(saved() && saved()->list == session.calculator.list());
    const FileSizeLimit fullAgain(64);
    QCOMPARE(type(u"4+4="_s).size(), 1);
}

void TstWindowLifecycle::firstActivationRunsTheCommandWordOnce()
{
    Session session(*m_settings, m_owner, CalculatorLaunch{u"tempo"_s, 1});
    QVERIFY(session.show());
    session.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&session.window));
    QVERIFY(session.calculator.timeMode());
    QVERIFY(session.activations.count() >= 1);
    QCOMPARE(session.calculator.listSelectionStart(), session.calculator.list().size() - 2);

    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    session.window.findChild<QuotationLabel*>()->rotate();
    session.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&session.window));
    QVERIFY(session.calculator.timeMode());
}

void TstWindowLifecycle::quotationsRotateWhileShown()
{
    Session session(*m_settings, m_owner);
    auto* quotation = session.window.findChild<QuotationLabel*>(u"lblReg"_s);
    QCOMPARE(quotation->text(), QuotationLabel::quotation(1));
    quotation->rotate();
    QCOMPARE(quotation->text(), QuotationLabel::quotation(1));

    QVERIFY(session.show());
    for (int entry : {2, 3, 4, 5, 6, 1, 2}) {
        quotation->rotate();
        QCOMPARE(quotation->text(), QuotationLabel::quotation(entry));
    }
}

void TstWindowLifecycle::clickingTheQuotationPicture_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("rotates");
    QTest::newRow("left click: next quotation") << Qt::LeftButton << true;
    QTest::newRow("right click: nothing") << Qt::RightButton << false;
}

// A left click on the picture puts up the next quotation at once and starts the 10 seconds
// again. No click on it reaches the quotation label, whose own click asks for a donation.
void TstWindowLifecycle::clickingTheQuotationPicture()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, rotates);
    Session session(*m_settings, m_owner);
    QVERIFY(session.show());
    const auto* quotation = session.window.findChild<QuotationLabel*>(u"lblReg"_s);
    const auto* timer2 = session.window.findChild<QTimer*>(u"Timer2"_s);
    // A coarse timer may run 5 % (500 ms) late; this wait leaves no doubt about a restart.
    constexpr int Elapsed = 1200;
    constexpr int RestartedAtLeast = QuotationLabel::RotationMilliseconds - Elapsed / 2;
    QTest::qWait(Elapsed);
    QVERIFY(timer2->remainingTime() < RestartedAtLeast);

    const QList<ShownMessage> shown
        = messagesShownBy([&] { QTest::mouseClick(session.widget(u"Image2"_s), button); });
    QCOMPARE(shown.size(), 0);
    QCOMPARE(quotation->text(), QuotationLabel::quotation(rotates ? 2 : 1));
    QVERIFY(timer2->isActive());
    QCOMPARE(timer2->remainingTime() > RestartedAtLeast, rotates);
}

void TstWindowLifecycle::optionsAreStoredWhenToggled_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");

    QTest::newRow("always on top") << u"mnuVisivel"_s << u"Visivel"_s << u"False"_s;
    QTest::newRow("NumLock") << u"mnuNumLock"_s << u"NumLock"_s << u"False"_s;
    QTest::newRow("stay in tray") << u"mnuSystray"_s << u"mnuSystray"_s << u"False"_s;
    QTest::newRow("insert text") << u"mnuInserir"_s << u"InserirTexto"_s << u"True"_s;
    QTest::newRow("number format") << u"mnuNumeral20"_s << u"Formato"_s << u"20"_s;
    QTest::newRow("add on Enter") << u"mnuEnter"_s << u"CalcEnter"_s << u"True"_s;
}

void TstWindowLifecycle::optionsAreStoredWhenToggled()
{
    QFETCH(QString, item);
    QFETCH(QString, key);
    QFETCH(QString, stored);

    Session session(*m_settings, m_owner);
    QVERIFY(session.show());
    // Adding on Enter explains itself in a message box.
    messagesShownBy([&] { session.action(item)->trigger(); });
    QCOMPARE(storedSettings().value(key), stored);
    if (item == u"mnuVisivel"_s) {
        QVERIFY(!session.window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(session.window.isVisible());
    }
}

void TstWindowLifecycle::saveInFile_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("saves");

    QTest::newRow("an existing folder") << u"lists"_s << true;
    QTest::newRow("a folder that does not exist") << u"lists/missing"_s << false;
}

void TstWindowLifecycle::saveInFile()
{
    QFETCH(QString, folder);
    QFETCH(bool, saves);

    QVERIFY(QDir(m_data->path()).mkpath(u"lists"_s));
    const QString path = m_data->filePath(folder + u"/march.txt"_s);
    Session session(*m_settings, m_owner);
    QVERIFY(session.show());
    QTest::keyClicks(&session.window, u"5+3="_s);

    bool saved = false;
    const QList<ShownMessage> messages =
        messagesShownBy([&] { saved = session.window.findChild<ListCommands*>()->saveListAs(path); });
    QCOMPARE(saved, saves);
    if (saves) {
        QVERIFY(messages.isEmpty());
        QCOMPARE(contentsOf(path), (session.calculator.list() + u"\r\n"_s).toUtf8());
        QCOMPARE(m_settings->UltimoArq(), path);
        QCOMPARE(numerette::saveDialogStartPath(m_settings->UltimoArq(), m_settings->UltimoPath()), path);
    } else {
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.constFirst().icon, QMessageBox::Critical);
        QCOMPARE(messages.constFirst().title, u" Numerette"_s);
        // The message names the file and says why it failed.
        const QString text = messages.constFirst().text;
        QVERIFY2(text.startsWith(u"Invalid Data! Operation aborted."_s) && text.contains(path)
                     && text.contains(u"No such file or directory"_s),
                 qPrintable(text));
        QCOMPARE(m_settings->UltimoArq(), u"Numeret.txt"_s);
    }
}

// The check only decides what the next clear does; it is stored at the close.
void TstWindowLifecycle::clearingBacksUpWhenChecked_data()
{
    QTest::addColumn<bool>("unchecked");
    QTest::newRow("checked") << false;
    QTest::newRow("unchecked by the user") << true;
}

void TstWindowLifecycle::clearingBacksUpWhenChecked()
{
    QFETCH(bool, unchecked);

    Session session(*m_settings, m_owner);
    QVERIFY(session.show());
    if (unchecked)
        session.action(u"mnuBackup"_s)->trigger();
    QVERIFY(!storedSettings().contains(u"Backup"_s));
    QTest::keyClicks(&session.window, u"5+3="_s);
    const QString list = session.calculator.list();
    session.action(u"mnuLimpar"_s)->trigger();

    QCOMPARE(session.calculator.list(), todaysEmptyList(session.port));
    QCOMPARE(QString::fromUtf8(contentsOf(numerette::backupFilePath())).startsWith(list), !unchecked);
    session.window.close();
    QCOMPARE(storedSettings().value(u"Backup"_s), unchecked ? u"False"_s : u"True"_s);
}

void TstWindowLifecycle::showBackup_data()
{
    QTest::addColumn<bool>("backupExists");
    QTest::addColumn<bool>("editorOpens");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("message");

    QTest::newRow("no backup yet") << false << true << int(QMessageBox::Information) << u"There is no backup to show"_s;
    QTest::newRow("no editor for it") << true << false << int(QMessageBox::Critical) << u"Could not open backup file:"_s;
    QTest::newRow("the editor shows it") << true << true << int(QMessageBox::NoIcon) << QString();
}

void TstWindowLifecycle::showBackup()
{
    QFETCH(bool, backupExists);
    QFETCH(bool, editorOpens);
    QFETCH(int, icon);
    QFETCH(QString, message);

    if (backupExists)
        QVERIFY(numerette::backUpList(YesterdaysList, QTime(9, 30), numerette::backupFilePath()).appended);
    QStringList opened;
    numerette::SetDocumentOpener([&](const QString& target) {
        opened.append(target);
        return editorOpens;
    });
    Session session(*m_settings, m_owner);
    QVERIFY(session.show());

    const QList<ShownMessage> messages = messagesShownBy([&] { session.action(u"mnuMostraBack"_s)->trigger(); });
    QCOMPARE(messages.isEmpty(), message.isEmpty());
    if (!messages.isEmpty()) {
        QCOMPARE(int(messages.constFirst().icon), icon);
        QVERIFY2(messages.constFirst().text.startsWith(message), qPrintable(messages.constFirst().text));
    }
    if (backupExists) {
        QCOMPARE(opened, QStringList{numerette::backupFilePath()});
        // The message names the file that could not be opened.
        if (!editorOpens)
            QVERIFY(messages.constFirst().text.endsWith(numerette::backupFilePath()));
    }
    QCOMPARE(session.window.isMinimized(), backupExists && editorOpens);
}

// The warning about an oversized backup file sends the user to it; never before the window
// is shown (a new day's clear at start-up).
void TstWindowLifecycle::oversizedBackupWarnsOnlyWhileShown()
{
    {
        QFile backup(numerette::backupFilePath());
        QVERIFY(backup.open(QIODevice::WriteOnly));
        QVERIFY(backup.write(QByteArray(numerette::BackupWarningBytes, 'x')));
    }
    numerette::SetDocumentOpener([](const QString&) { return true; });
    const numerette::CalculatorStateRecord saved{
        QDate::currentDate().addDays(-1), YesterdaysList, u"0"_s, numerette::Operator::Plus, u"0"_s, u"0"_s, u"000"_s};
    QVERIFY(numerette::writeStateFile(stateFile(), saved, Point));

    std::unique_ptr<Session> session;
    QVERIFY(messagesShownBy([&] { session = std::make_unique<Session>(*m_settings, m_owner); }).isEmpty());
    QVERIFY(QString::fromUtf8(contentsOf(numerette::backupFilePath())).contains(YesterdaysList));
    QVERIFY(session->show());

    // Delete clears the display, and then the list; the message box takes the key's release.
    QTest::keyClicks(&session->window, u"5+3="_s);
    QTest::keyClick(&session->window, Qt::Key_Delete);
    const QList<ShownMessage> messages =
        messagesShownBy([&] { QTest::keyPress(&session->window, Qt::Key_Delete); });
    QCOMPARE(session->calculator.list(), todaysEmptyList(session->port));
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.constFirst().icon, QMessageBox::Warning);
    QVERIFY(messages.constFirst().text.startsWith(u"Your calculation backup file is too large."_s));
    QVERIFY(session->window.isMinimized());
    QVERIFY(!session->calculator.isPressed(numerette::Button::CE));
}

QTEST_MAIN(TstWindowLifecycle)
#include "tst_window_lifecycle.moc"
