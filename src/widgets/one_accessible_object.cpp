// SPDX-License-Identifier: GPL-3.0-or-later
#include "one_accessible_object.h"

#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

namespace numerette {
namespace {

constexpr char OneObjectProperty[] = "numeretteOneAccessibleObject";

class OneObject : public QAccessibleWidget {
public:
    explicit OneObject(QWidget* widget) : QAccessibleWidget(widget, QAccessible::StaticText) { }

    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
};

QAccessibleInterface* oneObjectInterface(const QString&, QObject* object)
{
    if (!object || !object->isWidgetType() || !object->property(OneObjectProperty).toBool())
        return nullptr;
    return new OneObject(static_cast<QWidget*>(object));
}

} // namespace

void readAsOneObject(QWidget& widget)
{
    static const bool installed = [] {
        QAccessible::installFactory(oneObjectInterface);
        return true;
    }();
    Q_UNUSED(installed);
    widget.setProperty(OneObjectProperty, true);
}

} // namespace numerette
