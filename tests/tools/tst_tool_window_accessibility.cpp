// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAbstractButton>
#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "tool_window_fixture.h"

using namespace numerette;
using namespace Qt::StringLiterals;
using tool_window_fixture::Fixture;
using tool_window_fixture::ToolWindow;

namespace {

QAccessibleInterface* accessible(const QDialog& window, const QString& name)
{
    auto* widget = window.findChild<QWidget*>(name);
    return widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
}

} // namespace

// What a screen reader learns of the tool windows' fields, boxes and choices.
class TstToolWindowAccessibility : public QObject {
    Q_OBJECT

private slots:
    void everyControlHasAName_data();
    void everyControlHasAName();
    void namesAndRoles_data();
    void namesAndRoles();
    void weightScaleSaysTheBand();
};

void TstToolWindowAccessibility::everyControlHasAName_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name : {"dates", "interest", "rule of three", "weight"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

// Every control the keyboard or a click can reach, enabled or not (the rule of three enables
// its rows as they fill), is read by a name.
void TstToolWindowAccessibility::everyControlHasAName()
{
    QFETCH(QString, name);
    Fixture f;
    const ToolWindow tool = f.open(name);
    QStringList unnamed;
    for (QWidget* control : tool.window->findChildren<QWidget*>()) {
        if (!qobject_cast<QAbstractButton*>(control) && !qobject_cast<QLineEdit*>(control))
            continue;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
        QVERIFY(iface);
        if (iface->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << control->objectName();
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u", "_s)));
}

void TstToolWindowAccessibility::namesAndRoles_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char* window, const char* control, QAccessible::Role role, const QString& name) {
        QTest::addRow("%s %s", window, control)
            << QString::fromLatin1(window) << QString::fromLatin1(control) << role << name;
    };
    row("dates", "txtData0", QAccessible::EditableText, u"Initial Date"_s);
    row("dates", "txtAnos", QAccessible::EditableText, u"Years"_s);
    row("dates", "txtDias", QAccessible::EditableText, u"Days"_s);
    row("dates", "Check10", QAccessible::CheckBox, u"Count years"_s);
    row("dates", "Check13", QAccessible::CheckBox, u"Count days"_s);
    row("rule of three", "txtValor0", QAccessible::EditableText, u"Quantity, row 1"_s);
    row("rule of three", "txtCond5", QAccessible::EditableText, u"Description, row 6"_s);
    row("rule of three", "txtValor21", QAccessible::EditableText, u"New quantity, row 2"_s);
    row("rule of three", "txtCond20", QAccessible::EditableText, u"New description, row 1"_s);
    row("rule of three", "optInc0", QAccessible::RadioButton, u"Unknown in row 1"_s);
    row("rule of three", "optInc5", QAccessible::RadioButton, u"Unknown in row 6"_s);
    row("weight", "txtAltura", QAccessible::EditableText, u"Height (m)"_s);
    row("weight", "Option1", QAccessible::RadioButton, u"Man"_s);
    row("weight", "txtObeso", QAccessible::EditableText, u"Obese above"_s);
    row("weight", "txtIdeal", QAccessible::EditableText, u"Medium weight"_s);
    row("weight", "txtMagro", QAccessible::EditableText, u"Thin below"_s);
    row("weight", "scale", QAccessible::StaticText, u"Weight scale"_s);
}

void TstToolWindowAccessibility::namesAndRoles()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, expected);
    Fixture f;
    const ToolWindow tool = f.open(window);
    QAccessibleInterface* iface = accessible(*tool.window, control);
    QVERIFY2(iface, qPrintable(control));
    QCOMPARE(iface->role(), role);
    QCOMPARE(iface->text(QAccessible::Name), expected);
}

// The scale's tick marks and arrow are one object that names the band of the result, and
// forgets it with the result.
void TstToolWindowAccessibility::weightScaleSaysTheBand()
{
    Fixture f;
    const ToolWindow tool = f.open(u"weight"_s);
    QAccessibleInterface* scale = accessible(*tool.window, u"scale"_s);
    QVERIFY(scale);
    QCOMPARE(scale->childCount(), 0);
    QCOMPARE(scale->text(QAccessible::Description), u"No result"_s);

    const auto weigh = [&](const QString& weight) {
        tool.window->findChild<QLineEdit*>(u"txtAltura"_s)->setText(u"1.70"_s);
        tool.window->findChild<QLineEdit*>(u"txtPeso"_s)->setText(weight);
        tool.window->findChild<QPushButton*>(u"cmdHomem"_s)->click();
    };
    weigh(u"65"_s);
    QCOMPARE(scale->text(QAccessible::Description), u"Normal weight"_s);
    weigh(u"120"_s);
    QCOMPARE(scale->text(QAccessible::Description), u"Obese"_s);
    weigh(u"5"_s);
    QCOMPARE(scale->text(QAccessible::Description), u"No result"_s);
}

QTEST_MAIN(TstToolWindowAccessibility)
#include "tst_tool_window_accessibility.moc"
