// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessible_program.h"

#include <QAccessibleObject>
#include <QCoreApplication>

namespace numerette {
namespace {

Q_GLOBAL_STATIC(QString, announcedName)

class NamedApplication : public QAccessibleApplication {
public:
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? *announcedName : QAccessibleApplication::text(t);
    }
};

QAccessibleInterface* applicationInterface(const QString&, QObject* object)
{
    return object && object == QCoreApplication::instance() ? new NamedApplication : nullptr;
}

} // namespace

void announceProgramAs(const QString& name)
{
    static const bool installed = [] {
        QAccessible::installFactory(applicationInterface);
        return true;
    }();
    Q_UNUSED(installed);
    *announcedName = name;
}

} // namespace numerette
