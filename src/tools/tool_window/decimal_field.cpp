// SPDX-License-Identifier: GPL-3.0-or-later
#include "decimal_field.h"

#include <optional>

#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace numerette {

namespace {

enum class OnFocus { SelectAll, CaretToEnd };

class FieldFilter final : public QObject {
public:
    FieldFilter(QLineEdit& field, OnFocus onFocus, std::optional<QChar> decimal)
        : QObject(&field)
        , m_field(field)
        , m_onFocus(onFocus)
        , m_decimal(decimal)
    {
        field.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &m_field)
            return false;
        if (event->type() == QEvent::FocusIn) {
            // After the mouse press that gave the focus has placed the caret.
            QTimer::singleShot(0, &m_field, [this] {
                if (m_onFocus == OnFocus::SelectAll)
                    m_field.selectAll();
                else
                    m_field.end(false);
            });
        }
        if (event->type() == QEvent::KeyPress && m_decimal)
            return filterKey(*static_cast<QKeyEvent*>(event));
        return false;
    }

private:
    bool filterKey(const QKeyEvent& key)
    {
        const QString text = key.text();
        if (text.size() != 1 || !text.at(0).isPrint())
            return false;
        const QChar typed = text.at(0);
        if (typed >= u'0' && typed <= u'9')
            return false;
        if ((typed == u',' || typed == u'.') && !m_field.text().contains(*m_decimal))
            m_field.insert(QString(*m_decimal));
        return true;
    }

    QLineEdit& m_field;
    OnFocus m_onFocus;
    std::optional<QChar> m_decimal;
};

} // namespace

void makeDecimalField(QLineEdit& field, QChar decimalSeparator)
{
    new FieldFilter(field, OnFocus::SelectAll, decimalSeparator);
}

void caretToEndOnFocus(QLineEdit& field)
{
    new FieldFilter(field, OnFocus::CaretToEnd, std::nullopt);
}

} // namespace numerette
