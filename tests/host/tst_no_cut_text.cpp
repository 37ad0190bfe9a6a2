// SPDX-License-Identifier: GPL-3.0-or-later
// Every window and dialog of the program, in every layout and mode, shows its texts whole:
// each label, button, field, group title, menu item and tape line fits the room it gets.
// A picture of each window (and of each opened menu) goes to the build's gallery folder,
// for a person to look at.
//
// Each window's Alt letters, and each menu's, lead to one place only.
//
// The language is a parameter: NUMERETTE_TEST_LANGUAGE names a locale such as "pt_BR";
// the program's translation and Qt's own are loaded for it, and the pictures go to a
// gallery folder of that name. NUMERETTE_TEST_PALETTE=dark runs the windows in a dark
// desktop palette, and QT_SCALE_FACTOR at a scale factor; their pictures go to the gallery
// folders "dark" and "scale-" and the factor.
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "calculator_hot_keys.h"
#include "calculator_session.h"
#include "dark_palette.h"
#include "frm_data.h"
#include "frm_juro.h"
#include "frm_paste.h"
#include "frm_peso.h"
#include "frm_regra.h"
#include "languages.h"
#include "message_catalogue.h"
#include "mnemonics.h"
#include "sample_history.h"
#include "schedule_dialogs.h"
#include "settings_store.h"
#include "shown_menus.h"
#include "synthetic_input.h"
#include "text_fit.h"
#include "tool_prompts.h"
#include "../tools/tape_reports_fixture.h"

using namespace Qt::StringLiterals;

namespace {

using Session = CalculatorSession;

// How the calculator window is started for one picture.
struct CalculatorLook {
    bool large = true;
    bool addMode = false;
    bool menuLook = true;
    bool keypadHidden = false;
    bool mini = false;
};

QString fileNameOf(QString name)
{
    static const QRegularExpression unsafe(u"[^A-Za-z0-9]+"_s);
    return name.replace(unsafe, u"-"_s).toLower();
}

// Runs `action`; each modal box it opens is handed to `inspect` once shown, then dismissed.
void withEachModalBox(const std::function<void()>& action, const std::function<void(QWidget&)>& inspect)
{
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, &poll, [&inspect] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box || !box->isVisible())
            return;
        inspect(*box);
        if (auto* message = qobject_cast<QMessageBox*>(box))
            message->done(QMessageBox::No);
        else if (auto* dialog = qobject_cast<QDialog*>(box))
            dialog->reject();
    });
    poll.start();
    action();
}

} // namespace

class TstNoCutText : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void calculatorWindow_data();
    void calculatorWindow();
    void toolWindows_data();
    void toolWindows();
    void pasteMarker();
    void messageAndInputBoxes_data();
    void messageAndInputBoxes();
    void alarmMessage();

private:
    // Checks the window's texts and keeps its picture as `name`.
    void inspect(QWidget& window, const QString& name);
    void inspectMenus(Session& session, const QString& name);
    void keepPicture(QWidget& window, const QString& name);

    QDir m_gallery;
    std::unique_ptr<QTemporaryDir> m_data;
    std::unique_ptr<numerette::SettingsStore> m_settings;
    FakeCalculatorOwner m_owner;
};

void TstNoCutText::initTestCase()
{
    const QString language = qEnvironmentVariable("NUMERETTE_TEST_LANGUAGE");
    if (!language.isEmpty()) {
        const QLocale locale(language);
        QLocale::setDefault(locale);
        QVERIFY2(numerette::shippedLanguages().contains(language), qPrintable(language));
        numerette::installTranslations(locale);
    }
    QString folder = language.isEmpty() ? u"en"_s : language;
    if (qEnvironmentVariable("NUMERETTE_TEST_PALETTE") == u"dark"_s) {
        QApplication::setPalette(numerette::testing::darkPalette());
        folder = u"dark"_s;
    }
    if (const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR"); !scale.isEmpty())
        folder = u"scale-"_s + scale;
    m_gallery.setPath(QStringLiteral(NUMERETTE_GALLERY_DIR) + u'/' + folder);
    QVERIFY(m_gallery.mkpath(u"."_s));
}

void TstNoCutText::init()
{
    makePrivateFolders(m_data, m_settings);
    // No hot-key help at a first mini start.
    m_settings->setMiniHeight(4500);
    m_owner = FakeCalculatorOwner{};
}

void TstNoCutText::cleanup()
{
    m_settings.reset();
    m_data.reset();
}

void TstNoCutText::keepPicture(QWidget& window, const QString& name)
{
    const QString file = m_gallery.filePath(fileNameOf(name) + u".png"_s);
    QVERIFY2(window.grab().save(file), qPrintable(file));
}

void TstNoCutText::inspect(QWidget& window, const QString& name)
{
    keepPicture(window, name);
    const QStringList cut = cutTexts(window);
    QVERIFY2(cut.isEmpty(), qPrintable(name + u":\n  "_s + cut.join(u"\n  "_s)));
    const QStringList clashes = clashingMnemonics(window);
    QVERIFY2(clashes.isEmpty(), qPrintable(name + u":\n  "_s + clashes.join(u"\n  "_s)));
}

// Each menu of the bar, and each submenu, as it pops up.
void TstNoCutText::inspectMenus(Session& session, const QString& name)
{
    QStringList cut;
    QVERIFY(numerette::testing::withEachMenuShown(session.window, [&](QMenu& shown) {
        keepPicture(shown, name + u" menu "_s + shown.objectName());
        cut << cutMenuTexts(shown);
    }));
    QVERIFY2(cut.isEmpty(), qPrintable(name + u":\n  "_s + cut.join(u"\n  "_s)));
}

void TstNoCutText::calculatorWindow_data()
{
    QTest::addColumn<CalculatorLook>("look");
    for (const bool large : {true, false}) {
        for (const bool addMode : {false, true}) {
            for (const bool menuLook : {true, false}) {
                QTest::addRow("%s %s %s", large ? "large" : "normal", addMode ? "add" : "result",
                              menuLook ? "own-menus" : "desktop-menus")
                    << CalculatorLook{large, addMode, menuLook};
            }
        }
        QTest::addRow("%s keypad-hidden", large ? "large" : "normal") << CalculatorLook{large, false, true, true};
    }
    QTest::newRow("mini") << CalculatorLook{false, false, true, false, true};
}

void TstNoCutText::calculatorWindow()
{
    QFETCH(CalculatorLook, look);
    m_settings->setLetrona(look.large);
    m_settings->setCalcEnter(look.addMode);
    m_settings->setMenuXP(look.menuLook);
    m_settings->setOculte(look.keypadHidden);
    Session session(*m_settings, m_owner, CalculatorLaunch{look.mini ? u"mini"_s : QString(), 1});
    QVERIFY(session.show());
    // A calculation on the tape, a total on the display and a value in the memory.
    for (const QString& number : {u"1234567.89"_s, u"98765.4"_s}) {
        QTest::keyClicks(&session.window, number);
        if (look.addMode)
            QTest::keyClick(&session.window, Qt::Key_Return);
        else
            QTest::keyClicks(&session.window, u"+"_s);
    }
    QTest::keyClicks(&session.window, u"="_s);
    session.calculator.pressButton(numerette::Button::Mmais);
    const QString name = u"calculator "_s + QString::fromLatin1(QTest::currentDataTag());
    inspect(session.window, name);
    inspectMenus(session, name);
}

void TstNoCutText::toolWindows_data()
{
    QTest::addColumn<std::function<void(numerette::Calculator&, QWidget*)>>("open");
    using Open = std::function<void(numerette::Calculator&, QWidget*)>;
    const auto show = [this](QDialog& window, const QString& name) {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        inspect(window, name);
    };
    QTest::newRow("interest") << Open([show](numerette::Calculator& c, QWidget* parent) {
        tape_reports_fixture::ShownCalculatorReports reports(c);
        frmJuro window(reports, u"dd/mm/yyyy"_s, parent);
        show(window, u"interest"_s);
    });
    QTest::newRow("interest calculated") << Open([show](numerette::Calculator& c, QWidget* parent) {
        tape_reports_fixture::ShownCalculatorReports reports(c);
        frmJuro window(reports, u"dd/mm/yyyy"_s, parent);
        numerette::FakeToolPrompts prompts;
        window.setPrompts(prompts, prompts);
        window.findChild<QLineEdit*>(u"txtValVista"_s)->setText(u"125,000.00"_s);
        window.findChild<QLineEdit*>(u"txtParcelas"_s)->setText(u"24"_s);
        window.findChild<QLineEdit*>(u"txtJuroAp"_s)->setText(u"1.99"_s);
        window.cmdCalcular_Click();
        show(window, u"interest calculated"_s);
    });
    for (const bool large : {false, true}) {
        const QString name = large ? u"dates large"_s : u"dates"_s;
        QTest::newRow(qPrintable(name)) << Open([show, large, name](numerette::Calculator& c, QWidget* parent) {
            tape_reports_fixture::ShownCalculatorReports reports(c);
            frmData window(reports, u"dd/mm/yyyy"_s, parent);
            if (large)
                window.useLargeFontLayout();
            window.findChild<QLineEdit*>(u"txtData0"_s)->setText(u"05/03/1996"_s);
            window.findChild<QLineEdit*>(u"txtData1"_s)->setText(u"05/03/2024"_s);
            window.findChild<QPushButton*>(u"cmdCalcula0"_s)->click();
            show(window, name);
        });
    }
    QTest::newRow("rule of three") << Open([show](numerette::Calculator& c, QWidget* parent) {
        frmRegra window(c.numberLocale(), {}, parent);
        show(window, u"rule of three"_s);
    });
    QTest::newRow("rule of three example") << Open([show](numerette::Calculator& c, QWidget* parent) {
        frmRegra window(c.numberLocale(), {}, parent);
        numerette::FakeToolPrompts prompts;
        prompts.answers = {numerette::PromptAnswer::Yes, numerette::PromptAnswer::Yes, numerette::PromptAnswer::Yes};
        window.setPrompts(prompts);
        window.cmdExemplo_Click();
        window.cmdCalcular_Click();
        show(window, u"rule of three example"_s);
    });
    for (const bool man : {false, true}) {
        const QString name = man ? u"weight man obese"_s : u"weight woman normal"_s;
        QTest::newRow(qPrintable(name)) << Open([show, man, name](numerette::Calculator& c, QWidget* parent) {
            tape_reports_fixture::ShownCalculatorReports reports(c);
            frmPeso window(reports, parent);
            numerette::FakeToolPrompts prompts;
            window.setPrompts(prompts);
            if (man)
                window.findChild<QRadioButton*>(u"Option1"_s)->click();
            window.findChild<QLineEdit*>(u"txtAltura"_s)->setText(u"1.65"_s);
            window.findChild<QLineEdit*>(u"txtPeso"_s)->setText(man ? u"120"_s : u"60"_s);
            window.cmdHomem_Click();
            show(window, name);
        });
    }
    QTest::newRow("tape history") << Open([this, show](numerette::Calculator& c, QWidget* parent) {
        numerette::testing::SampleHistory history(c, *m_settings, parent);
        show(history.window(), u"tape history"_s);
    });
}

void TstNoCutText::toolWindows()
{
    QFETCH(std::function<void(numerette::Calculator&, QWidget*)>, open);
    Session session(*m_settings, m_owner);
    QVERIFY(session.show());
    withEachModalBox([&] { open(session.calculator, &session.window); }, [](QWidget&) {});
}

void TstNoCutText::pasteMarker()
{
    numerette::FakeSyntheticInput input;
    frmPaste marker(input);
    marker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&marker));
    inspect(marker, u"paste marker"_s);
}

void TstNoCutText::messageAndInputBoxes_data()
{
    QTest::addColumn<std::function<void(Session&)>>("open");
    using Open = std::function<void(Session&)>;
    const auto item = [](const QString& name) {
        return Open([name](Session& s) { s.action(name)->trigger(); });
    };
    QTest::newRow("about") << item(u"mnuCalc"_s);
    QTest::newRow("add mode note") << item(u"mnuEnter"_s);
    QTest::newRow("menu look") << item(u"mnuXP"_s);
    QTest::newRow("search") << item(u"mnuLocalizar"_s);
    QTest::newRow("hot keys help") << Open([](Session& s) { ShowHotKeyHelp(&s.window, s.desktop.hotKeys); });
    QTest::newRow("tool message") << Open([](Session& s) {
        numerette::MessageBoxPrompts(&s.window, numerette::LoadMessage(numerette::Message::RuleOfThreeTitle))
            .show(numerette::PromptIcon::Exclamation, numerette::LoadMessage(numerette::Message::ExampleOneClosing));
    });
    QTest::newRow("tool question") << Open([](Session& s) {
        numerette::MessageBoxPrompts(&s.window, numerette::LoadMessage(numerette::Message::RuleOfThreeTitle))
            .ask(numerette::LoadMessage(numerette::Message::ProportionQuestion, u"WORKING HOURS PER DAY"_s, u"CLOSETS"_s));
    });
    QTest::newRow("tool input") << Open([](Session& s) {
        numerette::MessageBoxPrompts(&s.window, numerette::LoadMessage(numerette::Message::InterestWindowTitle))
            .input(numerette::LoadMessage(numerette::Message::InterestWindowTitle), numerette::LoadMessage(numerette::Message::FinalDatePrompt, u"365"_s), QString());
    });
    QTest::newRow("alarm time") << Open([](Session& s) {
        QtScheduleDialogs(&s.window).inputBox(numerette::LoadMessage(numerette::Message::EnterTime), numerette::LoadMessage(numerette::Message::AlarmTitle), u"14:30"_s);
    });
    QTest::newRow("shutdown question") << Open([](Session& s) {
        QtScheduleDialogs(&s.window).askYesNo(numerette::LoadMessage(numerette::Message::ConfirmShutdown, u"23:45"_s));
    });
}

void TstNoCutText::messageAndInputBoxes()
{
    QFETCH(std::function<void(Session&)>, open);
    Session session(*m_settings, m_owner);
    QVERIFY(session.show());
    int boxes = 0;
    withEachModalBox([&] { open(session); }, [&](QWidget& box) {
        inspect(box, QString::fromLatin1(QTest::currentDataTag()) + u' ' + QString::number(++boxes));
    });
    QVERIFY(boxes > 0);
}

// An alarm's message stays open without holding the program up.
void TstNoCutText::alarmMessage()
{
    Session session(*m_settings, m_owner);
    QVERIFY(session.show());
    QtScheduleDialogs dialogs(&session.window);
    dialogs.showAlarm(numerette::LoadMessage(numerette::Message::AlarmMessage, u"14:30"_s, u"Call the bank"_s).replace(u"\r\n"_s, u"\n"_s), [] {});
    QMessageBox* alarm = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == u"alarmMessage"_s)
            alarm = qobject_cast<QMessageBox*>(window);
    }
    QVERIFY(alarm);
    QVERIFY(QTest::qWaitForWindowExposed(alarm));
    inspect(*alarm, u"alarm message"_s);
    alarm->close();
}

QTEST_MAIN(TstNoCutText)
#include "tst_no_cut_text.moc"
