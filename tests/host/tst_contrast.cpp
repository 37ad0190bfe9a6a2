// SPDX-License-Identifier: GPL-3.0-or-later
// Every enabled text of the program's windows stands out from what is behind it by at least
// the WCAG AA ratio of 4.5:1, in a light and in a dark palette: the calculator in both
// layouts, both modes and both menu looks with every menu opened, the tape locked, in edit
// mode and with a selection, and the four tools. Measured on the windows' pictures.
#include <functional>
#include <memory>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

#include "calculator_session.h"
#include "contrast.h"
#include "dark_palette.h"
#include "frm_data.h"
#include "frm_juro.h"
#include "frm_peso.h"
#include "frm_regra.h"
#include "menu_look.h"
#include "sample_history.h"
#include "settings_store.h"
#include "shown_menus.h"
#include "tool_prompts.h"
#include "../tools/tape_reports_fixture.h"

using namespace Qt::StringLiterals;
using numerette::testing::darkPalette;
using numerette::testing::lowContrastMenuTexts;
using numerette::testing::lowContrastTexts;

namespace {

constexpr double LeastContrast = 4.5;

using Session = CalculatorSession;

struct CalculatorLook {
    bool large = true;
    bool addMode = false;
    bool menuLook = true;
    // What is done to the tape before the pictures.
    std::function<void(Session&)> tape;
};

void setApplicationPalette(bool dark)
{
    QApplication::setPalette(dark ? darkPalette() : QApplication::style()->standardPalette());
}

QString report(const QString& name, const QStringList& low)
{
    return name + u":\n  "_s + low.join(u"\n  "_s);
}

} // namespace

using OpenTool = std::function<std::unique_ptr<QDialog>(numerette::TapeReports&, numerette::FakeToolPrompts&, QWidget*)>;

Q_DECLARE_METATYPE(CalculatorLook)

class TstContrast : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void calculatorWindow_data();
    void calculatorWindow();
    void menusFollowPaletteChange();
    void toolWindows_data();
    void toolWindows();
    void historyWindow_data();
    void historyWindow();

private:
    void checkWindowAndMenus(Session& session);

    std::unique_ptr<QTemporaryDir> m_data;
    std::unique_ptr<numerette::SettingsStore> m_settings;
    FakeCalculatorOwner m_owner;
};

void TstContrast::init()
{
    makePrivateFolders(m_data, m_settings);
    m_owner = FakeCalculatorOwner{};
}

void TstContrast::cleanup()
{
    setApplicationPalette(false);
    m_settings.reset();
    m_data.reset();
}

void TstContrast::checkWindowAndMenus(Session& session)
{
    QStringList low = lowContrastTexts(session.window, LeastContrast);
    QVERIFY(numerette::testing::withEachMenuShown(
        session.window, [&low](QMenu& shown) { low << lowContrastMenuTexts(shown, LeastContrast); }));
    QVERIFY2(low.isEmpty(), qPrintable(report(QString::fromLatin1(QTest::currentDataTag()), low)));
}

void TstContrast::calculatorWindow_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<CalculatorLook>("look");
    const auto nothing = [](Session&) {};
    const auto editMode = [](Session& s) {
        s.action(u"mnuEditar"_s)->trigger();
        QVERIFY(!s.calculator.listLocked());
        // The caret, drawn in the text's colour, would stand for the text should the text fade.
        s.window.findChild<QPlainTextEdit*>(u"txtFita"_s)->setCursorWidth(0);
    };
    const auto selection = [](Session& s) { s.window.findChild<QPlainTextEdit*>(u"txtFita"_s)->selectAll(); };
    for (const bool dark : {false, true}) {
        const char* palette = dark ? "dark" : "light";
        for (const bool large : {true, false}) {
            for (const bool addMode : {false, true}) {
                for (const bool menuLook : {true, false}) {
                    QTest::addRow("%s %s %s %s", palette, large ? "large" : "normal", addMode ? "add" : "result",
                                  menuLook ? "own-menus" : "desktop-menus")
                        << dark << CalculatorLook{large, addMode, menuLook, nothing};
                }
            }
        }
        QTest::addRow("%s edit mode", palette) << dark << CalculatorLook{true, false, true, editMode};
        QTest::addRow("%s selection", palette) << dark << CalculatorLook{true, false, true, selection};
    }
}

void TstContrast::calculatorWindow()
{
    QFETCH(bool, dark);
    QFETCH(CalculatorLook, look);
    setApplicationPalette(dark);
    m_settings->setLetrona(look.large);
    m_settings->setCalcEnter(look.addMode);
    m_settings->setMenuXP(look.menuLook);
    Session session(*m_settings, m_owner);
    QVERIFY(session.show());
    for (const QString& number : {u"1234567.89"_s, u"98765.4"_s}) {
        QTest::keyClicks(&session.window, number);
        QTest::keyClicks(&session.window, u"+"_s);
    }
    QTest::keyClicks(&session.window, u"="_s);
    look.tape(session);
    checkWindowAndMenus(session);
}

// A desktop that turns dark while the program runs turns the menus dark, and back.
void TstContrast::menusFollowPaletteChange()
{
    m_settings->setMenuXP(true);
    Session session(*m_settings, m_owner);
    QVERIFY(session.show());
    for (const bool dark : {true, false}) {
        setApplicationPalette(dark);
        QCOMPARE(numerette::paletteIsDark(QApplication::palette()), dark);
        // The bar shows the look's own background, light or dark as the palette.
        const QColor bar = session.window.menuBar()->grab().toImage().pixelColor(1, 1);
        QVERIFY(bar != QApplication::palette().color(QPalette::Window));
        QCOMPARE(bar.lightness() < 128, dark);
        checkWindowAndMenus(session);
    }
}

void TstContrast::toolWindows_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<OpenTool>("open");
    for (const bool dark : {false, true}) {
        const char* palette = dark ? "dark" : "light";
        QTest::addRow("%s interest", palette)
            << dark << OpenTool([](numerette::TapeReports& c, numerette::FakeToolPrompts& prompts, QWidget* parent) {
                   auto window = std::make_unique<frmJuro>(c, u"dd/mm/yyyy"_s, parent);
                   window->setPrompts(prompts, prompts);
                   window->findChild<QLineEdit*>(u"txtValVista"_s)->setText(u"125,000.00"_s);
                   window->findChild<QLineEdit*>(u"txtParcelas"_s)->setText(u"24"_s);
                   window->findChild<QLineEdit*>(u"txtJuroAp"_s)->setText(u"1.99"_s);
                   window->cmdCalcular_Click();
                   return std::unique_ptr<QDialog>(std::move(window));
               });
        QTest::addRow("%s dates", palette)
            << dark << OpenTool([](numerette::TapeReports& c, numerette::FakeToolPrompts&, QWidget* parent) {
                   auto window = std::make_unique<frmData>(c, u"dd/mm/yyyy"_s, parent);
                   window->findChild<QLineEdit*>(u"txtData0"_s)->setText(u"05/03/1996"_s);
                   window->findChild<QLineEdit*>(u"txtData1"_s)->setText(u"05/03/2024"_s);
                   window->findChild<QPushButton*>(u"cmdCalcula0"_s)->click();
                   return std::unique_ptr<QDialog>(std::move(window));
               });
        QTest::addRow("%s rule of three", palette)
            << dark << OpenTool([](numerette::TapeReports& c, numerette::FakeToolPrompts& prompts, QWidget* parent) {
                   auto window = std::make_unique<frmRegra>(c.numberLocale(), nullptr, parent);
                   prompts.answers = {numerette::PromptAnswer::Yes, numerette::PromptAnswer::Yes,
                                      numerette::PromptAnswer::Yes};
                   window->setPrompts(prompts);
                   window->cmdExemplo_Click();
                   window->cmdCalcular_Click();
                   return std::unique_ptr<QDialog>(std::move(window));
               });
        QTest::addRow("%s weight", palette)
            << dark << OpenTool([](numerette::TapeReports& c, numerette::FakeToolPrompts& prompts, QWidget* parent) {
                   auto window = std::make_unique<frmPeso>(c, parent);
                   window->findChild<QLineEdit*>(u"txtAltura"_s)->setText(u"1.65"_s);
                   window->setPrompts(prompts);
                   window->findChild<QLineEdit*>(u"txtPeso"_s)->setText(u"60"_s);
                   window->cmdHomem_Click();
                   return std::unique_ptr<QDialog>(std::move(window));
               });
    }
}

void TstContrast::toolWindows()
{
    QFETCH(bool, dark);
    QFETCH(OpenTool, open);
    setApplicationPalette(dark);
    Session session(*m_settings, m_owner);
    QVERIFY(session.show());
    numerette::FakeToolPrompts prompts;
    tape_reports_fixture::ShownCalculatorReports reports(session.calculator);
    const std::unique_ptr<QDialog> window = open(reports, prompts, &session.window);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    // A field's selected text shows in the desktop's own selection colours.
    for (QLineEdit* field : window->findChildren<QLineEdit*>())
        field->deselect();
    const QStringList low = lowContrastTexts(*window, LeastContrast);
    QVERIFY2(low.isEmpty(), qPrintable(report(QString::fromLatin1(QTest::currentDataTag()), low)));
}

void TstContrast::historyWindow_data()
{
    QTest::addColumn<bool>("dark");
    QTest::newRow("light") << false;
    QTest::newRow("dark") << true;
}

void TstContrast::historyWindow()
{
    QFETCH(bool, dark);
    setApplicationPalette(dark);
    Session session(*m_settings, m_owner);
    QVERIFY(session.show());
    numerette::testing::SampleHistory history(session.calculator, *m_settings, &session.window);
    history.window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&history.window()));
    for (QLineEdit* field : history.window().findChildren<QLineEdit*>())
        field->deselect();
    const QStringList low = lowContrastTexts(history.window(), LeastContrast);
    QVERIFY2(low.isEmpty(), qPrintable(report(QString::fromLatin1(QTest::currentDataTag()), low)));
}

QTEST_MAIN(TstContrast)
#include "tst_contrast.moc"
