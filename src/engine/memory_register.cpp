// SPDX-License-Identifier: GPL-3.0-or-later
#include "memory_register.h"

namespace numerette {

void MemoryRegister::clear()
{
    m_text.clear();
}

void MemoryRegister::add(const QString& shown, bool subtract, const NumberLocale& locale)
{
    if (const auto value = ValueOf(shown, locale)) {
        std::optional<Decimal> result;
        if (m_text.isEmpty())
            result = subtract ? value->negated() : *value;
        else if (const auto stored = ValueOf(m_text, locale))
            result = subtract ? stored->minus(*value) : stored->plus(*value);
        if (result)
            m_text = result->toPlainText().replace(QLatin1Char('.'), locale.decimal);
    }
    m_colour = m_text.contains(QLatin1Char('-')) ? MemoryColour::Yellow : MemoryColour::White;
}

} // namespace numerette
