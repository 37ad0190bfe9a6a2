// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator window's texts go through the installed translation: with a translator that
// marks every text it is asked for, no menu item, key name or help line is left in plain
// English, and a translated quotation keeps its author where its line count puts it.
#include <memory>

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include "calculator_hot_keys.h"
#include "fake_global_hot_keys.h"
#include "list_files.h"
#include "quotations.h"
#include "window_fixture.h"

using namespace Qt::StringLiterals;

namespace {

const QString Mark = u"\u00BB"_s;

// Puts the mark before every text, and answers the one-line quotation below for the first.
class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* disambiguation, int n) const override
    {
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        const QString source = QString::fromUtf8(sourceText);
        if (qstrcmp(context, "QuotationLabel") == 0 && source.startsWith(u"Liberty"))
            return u"Liberdade cresce depressa."_s;
        if (qstrcmp(context, "QuotationLabel") == 0 && source.startsWith(u"Well done"))
            return u"Bem feito\nvale mais."_s;
        return Mark + source;
    }
};

// Every item of the menu and of its submenus, the menu's own caption first.
void collectItems(QMenu* menu, QList<QAction*>& items)
{
    items << menu->menuAction();
    for (QAction* item : menu->actions()) {
        if (item->isSeparator())
            continue;
        if (item->menu())
            collectItems(item->menu(), items);
        else
            items << item;
    }
}

} // namespace

class TstWindowTexts : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void englishQuotationsKeepTheirLayout_data();
    void englishQuotationsKeepTheirLayout();
    void translatedQuotationPlacesTheAuthorByItsLines_data();
    void translatedQuotationPlacesTheAuthorByItsLines();
    void everyMenuItemIsTranslated();
    void everyKeyNameIsTranslated();
    void everyLineOfTheHotKeyHelpIsTranslated_data();
    void everyLineOfTheHotKeyHelpIsTranslated();
    void backupHeadingIsTranslated();

private:
    std::unique_ptr<MarkingTranslator> m_translator;
};

void TstWindowTexts::init()
{
    m_translator.reset();
}

void TstWindowTexts::cleanup()
{
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator.get());
    m_translator.reset();
}

void TstWindowTexts::englishQuotationsKeepTheirLayout_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("shown");
    QTest::newRow("two lines, author after the quote")
        << 1 << u"\"Liberty, when it begins to take root, is a plant\nof rapid growth.\" -- George Washington"_s;
    QTest::newRow("one line, author below") << 4 << u"\"Well done is better than well said.\"\n-- Benjamin Franklin"_s;
}

void TstWindowTexts::englishQuotationsKeepTheirLayout()
{
    QFETCH(int, entry);
    QFETCH(QString, shown);
    QCOMPARE(QuotationLabel::quotation(entry), shown);
}

void TstWindowTexts::translatedQuotationPlacesTheAuthorByItsLines_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("shown");
    QTest::newRow("English two lines, translated one") << 1 << u"\"Liberdade cresce depressa.\"\n-- George Washington"_s;
    QTest::newRow("English one line, translated two") << 4 << u"\"Bem feito\nvale mais.\" -- Benjamin Franklin"_s;
}

void TstWindowTexts::translatedQuotationPlacesTheAuthorByItsLines()
{
    QFETCH(int, entry);
    QFETCH(QString, shown);
    m_translator = std::make_unique<MarkingTranslator>();
    QCoreApplication::installTranslator(m_translator.get());
    QCOMPARE(QuotationLabel::quotation(entry), shown);
}

void TstWindowTexts::everyMenuItemIsTranslated()
{
    m_translator = std::make_unique<MarkingTranslator>();
    QCoreApplication::installTranslator(m_translator.get());
    WindowFixture f;
    QList<QAction*> items;
    for (QAction* top : f.window.menuBar()->actions()) {
        if (top->menu())
            collectItems(top->menu(), items);
    }
    QVERIFY(items.size() > 40);
    for (const QAction* item : std::as_const(items)) {
        // The help menu's caption is the sign "?".
        if (item->text() == u"?")
            continue;
        QVERIFY2(item->text().startsWith(Mark), qPrintable(item->objectName() + u": "_s + item->text()));
    }
}

void TstWindowTexts::everyKeyNameIsTranslated()
{
    m_translator = std::make_unique<MarkingTranslator>();
    QCoreApplication::installTranslator(m_translator.get());
    WindowFixture f;
    const QList<QAbstractButton*> keys = f.window.findChildren<QAbstractButton*>();
    int named = 0;
    for (const QAbstractButton* key : keys) {
        if (key->objectName().startsWith(u"chkNum"))
            continue; // a digit's name is the digit
        if (key->accessibleName().isEmpty())
            continue;
        ++named;
        QVERIFY2(key->accessibleName().startsWith(Mark), qPrintable(key->objectName()));
        if (!key->toolTip().isEmpty())
            QVERIFY2(key->toolTip().startsWith(Mark), qPrintable(key->objectName()));
    }
    QVERIFY(named >= 14);
}

void TstWindowTexts::everyLineOfTheHotKeyHelpIsTranslated_data()
{
    using numerette::HotKeyDelivery;
    QTest::addColumn<HotKeyDelivery>("delivery");
    QTest::addColumn<std::vector<numerette::AssignedHotKey>>("assigned");
    QTest::addColumn<QStringList>("lastLines");
    const std::vector<numerette::AssignedHotKey> none;
    QTest::newRow("X display") << HotKeyDelivery::XDisplay << none << QStringList();
    QTest::newRow("XWayland") << HotKeyDelivery::XWaylandWindows << none << QStringList{Mark};
    QTest::newRow("no hot keys") << HotKeyDelivery::Unavailable << none << QStringList{Mark};
    QTest::newRow("desktop shortcuts, none assigned") << HotKeyDelivery::DesktopShortcuts << none << QStringList{Mark};
    // The keys are the desktop's own words.
    QTest::newRow("desktop shortcuts, two assigned")
        << HotKeyDelivery::DesktopShortcuts
        << std::vector<numerette::AssignedHotKey>{{Mark + u"Digit 5"_s, u"Ctrl+Alt+5"_s}, {Mark + u"Total"_s, u"F9"_s}}
        << QStringList{Mark, u"Ctrl+Alt+5 = "_s + Mark + u"Digit 5"_s, u"F9 = "_s + Mark + u"Total"_s};
}

void TstWindowTexts::everyLineOfTheHotKeyHelpIsTranslated()
{
    QFETCH(numerette::HotKeyDelivery, delivery);
    QFETCH(std::vector<numerette::AssignedHotKey>, assigned);
    QFETCH(QStringList, lastLines);
    m_translator = std::make_unique<MarkingTranslator>();
    QCoreApplication::installTranslator(m_translator.get());
    numerette::FakeGlobalHotKeys keys;
    keys.setDelivery(delivery, assigned);
    const QStringList lines = hotKeyHelpText(keys).split(QRegularExpression(u"[\r\n]+"_s), Qt::SkipEmptyParts);
    // The hot keys, where they come from, then the heading and the four keys of the window.
    constexpr qsizetype HotKeyLines = 9;
    constexpr qsizetype WindowKeyLines = 5;
    QCOMPARE(lines.size(), HotKeyLines + lastLines.size() + WindowKeyLines);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const qsizetype delivered = i - HotKeyLines;
        const QString start = delivered >= 0 && delivered < lastLines.size() ? lastLines.at(delivered) : Mark;
        QVERIFY2(lines.at(i).startsWith(start), qPrintable(lines.at(i)));
    }
}

void TstWindowTexts::backupHeadingIsTranslated()
{
    m_translator = std::make_unique<MarkingTranslator>();
    QCoreApplication::installTranslator(m_translator.get());
    QTemporaryDir dir;
    const QString path = dir.filePath(u"numeret.txt"_s);
    const QString list = QString(u'1').repeated(numerette::MinimumBackupListLength);
    QVERIFY(numerette::backUpList(list, QTime(9, 5, 7), path).appended);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(QString::fromUtf8(file.readAll()).contains(Mark + u"BKP = 09:05:07 hs."_s));
}

QTEST_MAIN(TstWindowTexts)
#include "tst_window_texts.moc"
