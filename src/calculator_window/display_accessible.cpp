// SPDX-License-Identifier: GPL-3.0-or-later
#include "display_accessible.h"

#include "display_row.h"

namespace {

QAccessibleInterface* displayInterface(const QString&, QObject* object)
{
    auto* row = qobject_cast<DisplayRow*>(object);
    return row ? new DisplayAccessible(row) : nullptr;
}

} // namespace

DisplayAccessible::DisplayAccessible(DisplayRow* row) : QAccessibleWidget(row, QAccessible::EditableText) { }

void DisplayAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(displayInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

const DisplayRow& DisplayAccessible::row() const
{
    return *static_cast<const DisplayRow*>(widget());
}

void* DisplayAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State DisplayAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.editable = false;
    return state;
}

void DisplayAccessible::selection(int, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
}

QString DisplayAccessible::text(int startOffset, int endOffset) const
{
    return row().reading().mid(startOffset, endOffset - startOffset);
}

int DisplayAccessible::characterCount() const
{
    return int(row().reading().size());
}

// The words are not drawn where they could be placed character by character; the whole
// row stands for each of them.
QRect DisplayAccessible::characterRect(int) const
{
    return rect();
}

int DisplayAccessible::offsetAtPoint(const QPoint& point) const
{
    return rect().contains(point) ? 0 : -1;
}

// The whole text is one run without attributes; a screen reader builds a line from runs.
QString DisplayAccessible::attributes(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

QVariant DisplayAccessible::currentValue() const
{
    return row().figureValue();
}
