// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdlib>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "calculator_session.h"
#include "message_catalogue.h"

using namespace Qt::StringLiterals;

namespace {

using Session = CalculatorSession;

constexpr int TwipsPerPixel = 15;

// The measures that the two layouts change, for comparing one with another.
QList<QVariant> measures(const Session& session)
{
    QList<QVariant> all{session.window.width(), session.widget(u"txtFita"_s)->font().pointSize(),
                        session.widget(u"lblVisor0"_s)->font().pixelSize(),
                        session.widget(u"lblReg"_s)->font().pointSizeF()};
    for (const QString& key : {u"chkNum7"_s, u"MC"_s, u"chkIgual"_s}) {
        const QWidget* button = session.widget(key);
        all << button->minimumSize() << button->font().pixelSize();
    }
    return all;
}

int screenHeight()
{
    return QGuiApplication::primaryScreen()->availableGeometry().height();
}

QString answerMessages(const std::function<void()>& action)
{
    QString shown;
    QTimer answer;
    answer.setInterval(10);
    QObject::connect(&answer, &QTimer::timeout, &answer, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown += box->text();
            box->done(QMessageBox::Ok);
        }
    });
    answer.start();
    action();
    return shown;
}

} // namespace

class TstWindowLayout : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void layoutsSwitchBackAndForth();
    void widthSnapsBack_data();
    void widthSnapsBack();
    void heightStaysOnScreen();
    void hidingTheKeypadShortensTheWindow();
    void layoutAndKeypadComeBackAtRestart_data();
    void layoutAndKeypadComeBackAtRestart();
    void secondaryAndMiniUseTheNormalLayout_data();
    void secondaryAndMiniUseTheNormalLayout();
    void quotationPictureFollowsTheLayout_data();
    void quotationPictureFollowsTheLayout();
    void startWithSession_data();
    void startWithSession();
    void menuLook();

private:
    QString settingsFile() const { return m_data->filePath(u"numeret.ini"_s); }

    std::unique_ptr<QTemporaryDir> m_data;
    std::unique_ptr<numerette::SettingsStore> m_settings;
    FakeCalculatorOwner m_owner;
};

void TstWindowLayout::init()
{
    m_data = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", m_data->filePath(u"data"_s).toUtf8());
    qputenv("XDG_CONFIG_HOME", m_data->filePath(u"config"_s).toUtf8());
    m_settings = std::make_unique<numerette::SettingsStore>(settingsFile());
    m_owner = FakeCalculatorOwner{};
}

void TstWindowLayout::cleanup()
{
    m_settings.reset();
    m_data.reset();
}

// Switching twice gives every part its size back; each switch re-centres the window at the
// top of the screen, at nearly the screen's height.
void TstWindowLayout::layoutsSwitchBackAndForth()
{
    Session session(*m_settings, m_owner);
    QVERIFY(session.show());
    const QList<QVariant> large = measures(session);
    QCOMPARE(session.window.width(), 348);

    QVERIFY(session.window.largeFontMode());
    session.action(u"mnuGrande"_s)->trigger();
    QVERIFY(!session.action(u"mnuGrande"_s)->isChecked());
    // The tool windows open in the layout the window shows.
    QVERIFY(!session.window.largeFontMode());
    QCOMPARE(session.window.width(), 220);
    QVERIFY(session.widget(u"chkNum7"_s)->minimumWidth() < large.at(4).toSize().width());
    QCOMPARE(m_settings->Letrona(), false);
    QCOMPARE(session.window.y(), QGuiApplication::primaryScreen()->availableGeometry().y());
    QTRY_COMPARE(session.window.height(), screenHeight() - 32);
    // Every column of the tape still fits the narrow window.
    const QWidget* tape = session.widget(u"txtFita"_s);
    QVERIFY(tape->width() >= tape->minimumWidth());

    session.action(u"mnuGrande"_s)->trigger();
    QCOMPARE(measures(session), large);
    QCOMPARE(m_settings->Letrona(), true);
}

void TstWindowLayout::widthSnapsBack_data()
{
    QTest::addColumn<bool>("large");
    QTest::addColumn<int>("width");
    QTest::newRow("large") << true << 348;
    QTest::newRow("normal") << false << 220;
}

void TstWindowLayout::widthSnapsBack()
{
    QFETCH(bool, large);
    QFETCH(int, width);
    Session session(*m_settings, m_owner);
    QVERIFY(session.show());
    if (!large)
        session.action(u"mnuGrande"_s)->trigger();
    session.window.resize(width + 150, 400);
    QCOMPARE(session.window.width(), width);
    session.window.resize(width - 60, 400);
    QCOMPARE(session.window.width(), width);
}

void TstWindowLayout::heightStaysOnScreen()
{
    Session session(*m_settings, m_owner);
    QVERIFY(session.show());
    session.window.resize(session.window.width(), screenHeight() + 300);
    QTRY_COMPARE(session.window.height(), screenHeight() - 32);
}

// The quotation moves up to just below the display row; showing the keypad again restores it.
void TstWindowLayout::hidingTheKeypadShortensTheWindow()
{
    Session session(*m_settings, m_owner);
    QVERIFY(session.show());
    session.window.resize(session.window.width(), 600);
    QTRY_COMPARE(session.window.height(), 600);
    QWidget* keypad = session.widget(u"fraTeclado"_s);
    const int keypadHeight = keypad->height();
    const int tapeHeight = session.widget(u"txtFita"_s)->height();

    session.action(u"mnuOcultar"_s)->trigger();
    QVERIFY(session.action(u"mnuOcultar"_s)->isChecked());
    QVERIFY(keypad->isHidden());
    QTRY_COMPARE(session.window.height(), 600 - keypadHeight);
    // The list keeps its height, give or take the gap the keypad left.
    QTRY_VERIFY(std::abs(session.widget(u"txtFita"_s)->height() - tapeHeight) <= 10);
    const QWidget* display = session.widget(u"lblVisor3"_s);
    const QWidget* quotation = session.widget(u"lblReg"_s);
    QVERIFY(quotation->y() - (display->y() + display->height()) < 20);

    session.action(u"mnuOcultar"_s)->trigger();
    QVERIFY(keypad->isVisible());
    QTRY_COMPARE(session.window.height(), 600);
}

void TstWindowLayout::layoutAndKeypadComeBackAtRestart_data()
{
    QTest::addColumn<bool>("large");
    QTest::addColumn<bool>("keypadHidden");
    QTest::newRow("large, keypad shown") << true << false;
    QTest::newRow("normal, keypad hidden") << false << true;
}

void TstWindowLayout::layoutAndKeypadComeBackAtRestart()
{
    QFETCH(bool, large);
    QFETCH(bool, keypadHidden);
    {
        Session session(*m_settings, m_owner);
        QVERIFY(session.show());
        if (!large)
            session.action(u"mnuGrande"_s)->trigger();
        if (keypadHidden)
            session.action(u"mnuOcultar"_s)->trigger();
        session.window.close();
    }
    QSettings stored(settingsFile(), QSettings::IniFormat);
    QCOMPARE(stored.value(u"Conf/Letrona"_s).toString(), large ? u"True"_s : u"False"_s);
    QCOMPARE(stored.value(u"Conf/Oculte"_s).toString(), keypadHidden ? u"True"_s : u"False"_s);

    Session again(*m_settings, m_owner);
    QVERIFY(again.show());
    QCOMPARE(again.action(u"mnuGrande"_s)->isChecked(), large);
    QCOMPARE(again.window.width(), large ? 348 : 220);
    QCOMPARE(again.action(u"mnuOcultar"_s)->isChecked(), keypadHidden);
    QCOMPARE(again.widget(u"fraTeclado"_s)->isHidden(), keypadHidden);
}

void TstWindowLayout::secondaryAndMiniUseTheNormalLayout_data()
{
    QTest::addColumn<QString>("commandWord");
    QTest::addColumn<int>("hostTag");
    QTest::newRow("secondary") << QString() << 2;
    QTest::newRow("mini") << u"mini"_s << 1;
}

// Mini mode: the list fills the window and the width still follows the layout.
void TstWindowLayout::secondaryAndMiniUseTheNormalLayout()
{
    QFETCH(QString, commandWord);
    QFETCH(int, hostTag);
    const CalculatorLaunch launch{commandWord, hostTag};
    m_settings->setMiniHeight(4500);
    Session session(*m_settings, m_owner, launch);
    QVERIFY(session.show());
    QVERIFY(!session.action(u"mnuGrande"_s)->isChecked());
    QCOMPARE(session.window.width(), 220);
    if (launch.isMini())
        QVERIFY(session.widget(u"fraTeclado"_s)->isHidden());
}

void TstWindowLayout::quotationPictureFollowsTheLayout_data()
{
    QTest::addColumn<QString>("commandWord");
    QTest::addColumn<int>("hostTag");
    QTest::addColumn<int>("layoutSwitches");
    QTest::addColumn<bool>("shown");
    QTest::newRow("large") << QString() << 1 << 0 << true;
    QTest::newRow("normal") << QString() << 1 << 1 << false;
    QTest::newRow("normal and back to large") << QString() << 1 << 2 << true;
    QTest::newRow("secondary") << QString() << 2 << 0 << false;
    QTest::newRow("mini") << u"mini"_s << 1 << 0 << false;
}

// The picture beside the quotation shows in the large layout only: 15 twips below the
// label's top, wholly inside the label and clear of its text.
void TstWindowLayout::quotationPictureFollowsTheLayout()
{
    QFETCH(QString, commandWord);
    QFETCH(int, hostTag);
    QFETCH(int, layoutSwitches);
    QFETCH(bool, shown);
    m_settings->setMiniHeight(4500);
    Session session(*m_settings, m_owner, CalculatorLaunch{commandWord, hostTag});
    QVERIFY(session.show());
    for (int i = 0; i < layoutSwitches; ++i)
        session.action(u"mnuGrande"_s)->trigger();

    const QWidget* quotation = session.widget(u"lblReg"_s);
    const QWidget* picture = session.widget(u"Image2"_s);
    QVERIFY(picture);
    QCOMPARE(picture->isVisible(), shown);
    if (!shown)
        return;
    // The large layout's scale is 1: design twips map straight to pixels.
    const int labelTop = quotation->mapTo(&session.window, QPoint()).y();
    QCOMPARE(picture->mapTo(&session.window, QPoint()).y(), labelTop + 15 / TwipsPerPixel);
    QVERIFY(quotation->rect().contains(picture->geometry()));
    QVERIFY(picture->geometry().right() < quotation->contentsRect().left());
}

void TstWindowLayout::startWithSession_data()
{
    QTest::addColumn<bool>("startsBefore");
    QTest::addColumn<bool>("works");
    QTest::addColumn<bool>("startsAfter");

    QTest::newRow("switched on") << false << true << true;
    QTest::newRow("switched off") << true << true << false;
    QTest::newRow("refused") << false << false << false;
}

// The check shows whether the program starts with the session, from the load on; after a
// change the desktop refused it still tells the truth.
void TstWindowLayout::startWithSession()
{
    QFETCH(bool, startsBefore);
    QFETCH(bool, works);
    QFETCH(bool, startsAfter);

    FakeDesktop desktop;
    desktop.sessionStart.setOn(startsBefore);
    desktop.sessionStart.setWorks(works);
    WindowPort port;
    numerette::Calculator calculator{port};
    frmCalcula window(calculator, *m_settings, CalculatorLaunch{}, m_owner, desktop.services());
    port.attach(window);
    window.load();
    QAction* item = window.findChild<QAction*>(u"mnuFicar"_s);
    QCOMPARE(item->isChecked(), startsBefore);
    item->trigger();
    QCOMPARE(desktop.sessionStart.isOn(), startsAfter);
    QCOMPARE(item->isChecked(), startsAfter);
}

// The look is stored for the next start, with a message saying so; with it on, the items in
// the menus have pictures and the menu bar keeps its captions.
void TstWindowLayout::menuLook()
{
    m_settings->setMenuXP(false);
    {
        Session session(*m_settings, m_owner);
        QVERIFY(session.show());
        QVERIFY(session.action(u"mnuUndo"_s)->icon().isNull());
        QCOMPARE(answerMessages([&] { session.action(u"mnuXP"_s)->trigger(); }),
                 numerette::LoadMessage(numerette::Message::RestartNeeded).replace(u"\r\n"_s, u"\n"_s));
        QCOMPARE(m_settings->MenuXP(), true);
        QVERIFY(session.action(u"mnuUndo"_s)->icon().isNull());
        session.window.close();
    }
    Session again(*m_settings, m_owner);
    QVERIFY(again.show());
    QVERIFY(again.action(u"mnuXP"_s)->isChecked());
    QVERIFY(!again.action(u"mnuUndo"_s)->icon().isNull());
    QVERIFY(!again.action(u"mnuEnter"_s)->icon().isNull());
    for (QAction* top : again.window.menuBar()->actions())
        QVERIFY2(top->icon().isNull(), qPrintable(top->text()));
}

QTEST_MAIN(TstWindowLayout)
#include "tst_window_layout.moc"
