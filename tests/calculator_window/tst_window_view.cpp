// SPDX-License-Identifier: GPL-3.0-or-later
// What the user sees of the calculator window after its modes and layouts change: the check
// marks the menus draw, the window's height, the tape's last line and the keys' geometry.
#include <algorithm>
#include <functional>
#include <memory>

#include <QAction>
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include "calculator_session.h"
#include "settings_store.h"
#include "tape_view.h"

using namespace Qt::StringLiterals;

namespace {

using Session = CalculatorSession;

// The menu drawn as the user sees it, cut to one item's row.
QImage drawnItem(QMenu* menu, QAction* item)
{
    menu->ensurePolished();
    menu->adjustSize();
    return menu->grab(menu->actionGeometry(item)).toImage();
}

// The tape's last line (the separator that closes the calculation) lies wholly inside the
// part of the list that is shown.
bool lastLineShown(const TapeView* tape)
{
    QTextBlock last = tape->document()->lastBlock();
    while (last.isValid() && last.text().isEmpty())
        last = last.previous();
    QTextCursor cursor(last);
    cursor.movePosition(QTextCursor::EndOfBlock);
    const QRect line = tape->cursorRect(cursor);
    return tape->viewport()->rect().contains(line);
}

} // namespace

class TstWindowView : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void keysMoveTheListCaret();
    void checkMarksAreDrawn_data();
    void checkMarksAreDrawn();
    void hiddenKeypadKeepsTheHeightAtRestart_data();
    void hiddenKeypadKeepsTheHeightAtRestart();
    void tapeStaysAtItsEnd_data();
    void tapeStaysAtItsEnd();
    void tapeOfMiniModeShowsItsEnd();
    void addModeKeysMatchAStartInAddMode_data();
    void addModeKeysMatchAStartInAddMode();
    void quotationStaysLegible();
    void displaysFitTheirText_data();
    void displaysFitTheirText();
    void tapePaintedStepByStepAsWhole_data();
    void tapePaintedStepByStepAsWhole();

private:
    void fillTape(Session& session);

    std::unique_ptr<QTemporaryDir> m_data;
    std::unique_ptr<numerette::SettingsStore> m_settings;
    FakeCalculatorOwner m_owner;
};

void TstWindowView::init()
{
    makePrivateFolders(m_data, m_settings);
    m_owner = FakeCalculatorOwner{};
}

void TstWindowView::cleanup()
{
    m_settings.reset();
    m_data.reset();
}

// From the calculator, an arrow takes the keyboard into the list; there the arrows, Page Up
// and Down, Home and End move its caret from line to line, and any other key goes back to
// the calculator.
void TstWindowView::keysMoveTheListCaret()
{
    Session session(*m_settings, m_owner);
    QVERIFY(session.show());
    auto* tape = session.window.findChild<TapeView*>(u"txtFita"_s);
    QTest::keyClicks(&session.window, u"5+3+2="_s);
    const int totalLine = tape->document()->blockCount() - 3;
    const auto caretLine = [tape] { return tape->textCursor().blockNumber(); };

    QTest::keyClick(&session.window, Qt::Key_Up);
    QVERIFY(tape->hasFocus());
    const int start = caretLine();
    QTest::keyClick(tape, Qt::Key_Up);
    QCOMPARE(caretLine(), start - 1);
    QTest::keyClick(tape, Qt::Key_Up);
    QTest::keyClick(tape, Qt::Key_Down);
    QCOMPARE(caretLine(), start - 1);
    QTest::keyClick(tape, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(caretLine(), 0);
    QTest::keyClick(tape, Qt::Key_PageDown);
    QVERIFY(caretLine() > 0);
    QTest::keyClick(tape, Qt::Key_End, Qt::ControlModifier);
    QVERIFY(caretLine() > totalLine);
    QTest::keyClicks(tape, u"7+"_s);
    QVERIFY(session.calculator.list().endsWith(u"                       7 +\r\n"_s));
}

void TstWindowView::checkMarksAreDrawn_data()
{
    QTest::addColumn<bool>("menuLook");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("item");
    for (const bool look : {true, false}) {
        const char* lookName = look ? "own look" : "desktop look";
        for (const auto& [menu, item] : {std::pair{u"mnu4"_s, u"mnuEnter"_s}, {u"mnu4"_s, u"mnuIgual"_s},
                                         {u"mnuSomEscolher"_s, u"mnuSemSom"_s}, {u"mnuSomEscolher"_s, u"mnuBeep"_s},
                                         {u"mnuSomEscolher"_s, u"mnuSom"_s}, {u"mnuFita"_s, u"mnuBackup"_s},
                                         {u"mnu1"_s, u"mnuTempo"_s}, {u"mnuFita"_s, u"mnuEditar"_s},
                                         {u"mnuConfig"_s, u"mnuVisivel"_s}, {u"mnuForm"_s, u"mnuNumeral2"_s}})
            QTest::addRow("%s, %s", lookName, qPrintable(item)) << look << menu << item;
    }
}

// A checked item draws differently from the same item unchecked, whether it has a picture or not.
void TstWindowView::checkMarksAreDrawn()
{
    QFETCH(bool, menuLook);
    QFETCH(QString, menu);
    QFETCH(QString, item);
    m_settings->setMenuXP(menuLook);
    Session session(*m_settings, m_owner);
    QVERIFY(session.show());
    QMenu* shown = session.menu(menu);
    QAction* action = session.action(item);
    QVERIFY(shown && action && action->isCheckable());
    QCOMPARE(action->icon().isNull(), !menuLook || item == u"mnuVisivel"_s || item == u"mnuNumeral2"_s);

    action->setChecked(true);
    const QImage checked = drawnItem(shown, action);
    action->setChecked(false);
    const QImage unchecked = drawnItem(shown, action);
    QVERIFY(!checked.isNull());
    QVERIFY2(checked != unchecked, "the check mark is not drawn");
}

void TstWindowView::hiddenKeypadKeepsTheHeightAtRestart_data()
{
    QTest::addColumn<bool>("large");
    QTest::newRow("large") << true;
    QTest::newRow("normal") << false;
}

// The window closed with the keypad hidden opens again as short as it was, and stores that
// height again at the next close.
void TstWindowView::hiddenKeypadKeepsTheHeightAtRestart()
{
    QFETCH(bool, large);
    int shortHeight = 0;
    {
        Session session(*m_settings, m_owner);
        QVERIFY(session.show());
        if (!large)
            session.action(u"mnuGrande"_s)->trigger();
        session.window.resize(session.window.width(), 487);
        QTRY_COMPARE(session.window.height(), 487);
        session.action(u"mnuOcultar"_s)->trigger();
        QTRY_VERIFY(session.window.height() < 487);
        shortHeight = session.window.height();
        session.window.close();
    }
    const int storedTwips = m_settings->CalcHeight();
    {
        Session again(*m_settings, m_owner);
        QVERIFY(again.show());
        QVERIFY(again.widget(u"fraTeclado"_s)->isHidden());
        QCOMPARE(again.window.height(), shortHeight);
        again.window.close();
    }
    QCOMPARE(m_settings->CalcHeight(), storedTwips);
}

// Forty calculations: far more lines than the list shows.
void TstWindowView::fillTape(Session& session)
{
    for (int i = 0; i < 40; ++i)
        QTest::keyClicks(&session.window, u"12+3="_s);
}

void TstWindowView::tapeStaysAtItsEnd_data()
{
    QTest::addColumn<std::function<void(Session&)>>("change");
    QTest::newRow("keypad hidden") << std::function([](Session& s) { s.action(u"mnuOcultar"_s)->trigger(); });
    QTest::newRow("keypad hidden and shown") << std::function([](Session& s) {
        s.action(u"mnuOcultar"_s)->trigger();
        s.action(u"mnuOcultar"_s)->trigger();
    });
    QTest::newRow("always on top") << std::function([](Session& s) { s.action(u"mnuVisivel"_s)->trigger(); });
    QTest::newRow("normal layout") << std::function([](Session& s) { s.action(u"mnuGrande"_s)->trigger(); });
    QTest::newRow("normal and large layout") << std::function([](Session& s) {
        s.action(u"mnuGrande"_s)->trigger();
        s.action(u"mnuGrande"_s)->trigger();
    });
    QTest::newRow("shorter") << std::function([](Session& s) { s.window.resize(s.window.width(), 420); });
    QTest::newRow("taller") << std::function([](Session& s) { s.window.resize(s.window.width(), 600); });
}

void TstWindowView::tapeStaysAtItsEnd()
{
    QFETCH(std::function<void(Session&)>, change);
    Session session(*m_settings, m_owner);
    QVERIFY(session.show());
    session.window.resize(session.window.width(), 520);
    QTRY_COMPARE(session.window.height(), 520);
    fillTape(session);
    const auto* tape = qobject_cast<TapeView*>(session.widget(u"txtFita"_s));
    QVERIFY(tape);
    QTRY_VERIFY(lastLineShown(tape));

    change(session);
    QVERIFY(QTest::qWaitForWindowExposed(&session.window));

    QTRY_VERIFY(lastLineShown(tape));
    // Not merely scrolled there a moment later: it stays so once everything has settled.
    QTest::qWait(50);
    QVERIFY(lastLineShown(tape));
}

void TstWindowView::tapeOfMiniModeShowsItsEnd()
{
    {
        Session full(*m_settings, m_owner);
        QVERIFY(full.show());
        fillTape(full);
        full.window.close();
    }
    m_settings->setMiniHeight(3000);
    Session mini(*m_settings, m_owner, CalculatorLaunch{u"mini"_s, 1});
    QVERIFY(mini.show());
    const auto* tape = qobject_cast<TapeView*>(mini.widget(u"txtFita"_s));
    QVERIFY(tape->document()->blockCount() > 100);
    QTRY_VERIFY(lastLineShown(tape));
}

void TstWindowView::addModeKeysMatchAStartInAddMode_data()
{
    QTest::addColumn<bool>("large");
    QTest::newRow("large") << true;
    QTest::newRow("normal") << false;
}

// Switching to Add mode in an open window gives the keys the geometry they have when the
// window starts in Add mode: five columns of one width, the ENTER key two rows tall.
void TstWindowView::addModeKeysMatchAStartInAddMode()
{
    QFETCH(bool, large);
    m_settings->setLetrona(large);
    const QStringList keys{u"MC"_s,       u"MR"_s,       u"Mmais"_s,    u"Mmenos"_s, u"chkCE"_s,   u"chkNum7"_s,
                           u"chkNum8"_s,  u"chkNum9"_s,  u"chkDividir"_s, u"chkBack"_s, u"chkNum4"_s, u"chkNum5"_s,
                           u"chkNum6"_s,  u"chkVezes"_s, u"chkPercent"_s, u"chkNum1"_s, u"chkNum2"_s, u"chkNum3"_s,
                           u"chkMenos"_s, u"chkNum0"_s,  u"chkVirgula"_s, u"chkNeg"_s,  u"chkIgual"_s, u"chkMais"_s};
    const auto geometry = [&keys](const Session& session) {
        QList<QRect> all;
        for (const QString& key : keys)
            all << session.widget(key)->geometry();
        return all;
    };

    m_settings->setCalcEnter(true);
    QList<QRect> startedInAddMode;
    {
        Session session(*m_settings, m_owner);
        QVERIFY(session.show());
        startedInAddMode = geometry(session);
        session.window.close();
    }
    m_settings->setCalcEnter(false);
    Session session(*m_settings, m_owner);
    QVERIFY(session.show());
    // The note of the first switch is answered at once.
    QTimer::singleShot(0, &session.window, [] {
        if (QWidget* note = QApplication::activeModalWidget())
            note->close();
    });
    session.action(u"mnuEnter"_s)->trigger();
    QTRY_COMPARE(geometry(session), startedInAddMode);

    const QWidget* enter = session.widget(u"chkMais"_s);
    QCOMPARE(enter->width(), session.widget(u"chkCE"_s)->width());
    QCOMPARE(session.widget(u"chkNum7"_s)->width(), session.widget(u"chkCE"_s)->width());
    QVERIFY(enter->height() > 2 * session.widget(u"chkMenos"_s)->height());
}

// The normal layout shrinks the quotation with everything else, but not below the desktop's
// smallest readable size (nor above the large layout's own).
void TstWindowView::quotationStaysLegible()
{
    Session session(*m_settings, m_owner);
    QVERIFY(session.show());
    const QWidget* quotation = session.widget(u"lblReg"_s);
    const int large = QFontInfo(quotation->font()).pixelSize();
    session.action(u"mnuGrande"_s)->trigger();
    const int legible = QFontInfo(QFontDatabase::systemFont(QFontDatabase::SmallestReadableFont)).pixelSize();
    const int normal = QFontInfo(quotation->font()).pixelSize();
    QVERIFY2(normal >= std::min(legible, large), qPrintable(u"%1 px"_s.arg(normal)));
    QVERIFY(normal <= large);
}

void TstWindowView::displaysFitTheirText_data()
{
    QTest::addColumn<bool>("largeLayout");
    QTest::addColumn<bool>("timeMode");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("shrinks");
    for (const bool large : {true, false}) {
        const char* layout = large ? "large" : "normal";
        QTest::addRow("%s, short number", layout) << large << false << u"7"_s << false;
        QTest::addRow("%s, long result", layout) << large << false << u"999999999999*999999999999="_s << true;
        QTest::addRow("%s, long result, then a short number", layout)
            << large << false << u"999999999999*999999999999=7"_s << false;
        QTest::addRow("%s, time mode", layout) << large << true << QString() << false;
    }
}

// The shown display holds its whole text: at the design's size while it fits, smaller (down
// to the smallest size) when it does not; a change of layout or of display fits it again.
void TstWindowView::displaysFitTheirText()
{
    QFETCH(bool, largeLayout);
    QFETCH(bool, timeMode);
    QFETCH(QString, keys);
    QFETCH(bool, shrinks);
    Session session(*m_settings, m_owner);
    QVERIFY(session.show());
    if (largeLayout != session.action(u"mnuGrande"_s)->isChecked())
        session.action(u"mnuGrande"_s)->trigger();
    QApplication::processEvents();
    // The display's "0" shows at the layout's design size.
    const int designSize = session.widget(u"lblVisor0"_s)->font().pixelSize();
    if (timeMode)
        session.action(u"mnuTempo"_s)->trigger();
    QTest::keyClicks(&session.window, keys);
    QApplication::processEvents();

    const auto* shown = qobject_cast<const QLabel*>(session.widget(timeMode ? u"lblVisor2"_s : u"lblVisor0"_s));
    QVERIFY(shown && shown->isVisible());
    const auto fits = [shown] {
        return shown->fontMetrics().horizontalAdvance(shown->text()) <= shown->contentsRect().width();
    };
    QTRY_VERIFY2(fits(), qPrintable(shown->text()));
    QVERIFY2((shown->font().pixelSize() < designSize) == shrinks,
             qPrintable(u"\"%1\" at %2 px, %3 px wide"_s.arg(shown->text()).arg(shown->font().pixelSize()).arg(shown->contentsRect().width())));
}

void TstWindowView::tapePaintedStepByStepAsWhole_data()
{
    using Step = std::function<void(Session&)>;
    QTest::addColumn<QList<Step>>("steps");
    const auto typed = [](const QString& keys) {
        return Step([keys](Session& session) {
            for (const QChar key : keys) {
                QTest::keyClick(&session.window, key.toLatin1());
                QApplication::processEvents();
            }
        });
    };
    const auto triggered = [](const QString& name) {
        return Step([name](Session& session) { session.action(name)->trigger(); });
    };
    QTest::newRow("items, a total, items past the view's height")
        << QList<Step>{typed(u"12+7+3.5*2=4+5+6+7+8+9+10+11+12+13-2="_s)};
    QTest::newRow("items taken back and put again")
        << QList<Step>{typed(u"1+2+3+4+5+6+7+8+9+"_s), triggered(u"mnuUndo"_s), triggered(u"mnuUndo"_s),
                       triggered(u"mnuRedo"_s), typed(u"4+"_s)};
    QTest::newRow("a cleared list") << QList<Step>{typed(u"1+2+3+4+5+6+7+8+9+="_s), triggered(u"mnuLimpar"_s),
                                                   typed(u"5+"_s)};
}

// The tape changes only the lines an edit touches; what it shows then is what painting it
// whole shows.
void TstWindowView::tapePaintedStepByStepAsWhole()
{
    using Step = std::function<void(Session&)>;
    QFETCH(QList<Step>, steps);
    Session session(*m_settings, m_owner);
    QVERIFY(session.show());
    QWidget* viewport = qobject_cast<TapeView*>(session.widget(u"txtFita"_s))->viewport();
    const auto shown = [&] {
        QApplication::processEvents();
        const QRect area(viewport->mapTo(&session.window, QPoint()), viewport->size());
        return session.window.screen()->grabWindow(session.window.winId(), area.x(), area.y(), area.width(),
                                                   area.height()).toImage();
    };
    for (const Step& step : steps) {
        step(session);
        const QImage stepByStep = shown();
        viewport->repaint();
        QCOMPARE(stepByStep, shown());
    }
}

QTEST_MAIN(TstWindowView)
#include "tst_window_view.moc"
