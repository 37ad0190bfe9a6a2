// SPDX-License-Identifier: GPL-3.0-or-later
#include "exclusive_choice.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QVariant>

namespace numerette {
namespace {

constexpr char ChoiceProperty[] = "numeretteExclusiveChoice";

class ExclusiveChoice : public QAccessibleWidget {
public:
    explicit ExclusiveChoice(QAbstractButton* button) : QAccessibleWidget(button, QAccessible::RadioButton) { }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = button()->isChecked();
        return state;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return QString(button()->text()).remove(QLatin1Char('&'));
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override
    {
        if (action == pressAction() && button()->isEnabled())
            button()->click();
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

QAccessibleInterface* choiceInterface(const QString&, QObject* object)
{
    auto* button = qobject_cast<QAbstractButton*>(object);
    return button && button->property(ChoiceProperty).toBool() ? new ExclusiveChoice(button) : nullptr;
}

} // namespace

void readAsExclusiveChoice(QAbstractButton& button)
{
    static const bool installed = [] {
        QAccessible::installFactory(choiceInterface);
        return true;
    }();
    Q_UNUSED(installed);
    button.setProperty(ChoiceProperty, true);
}

} // namespace numerette
