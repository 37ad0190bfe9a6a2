// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QStringList>

namespace numerette {

// Installs the program's translation and Qt's own for the language of `locale` (by default the
// desktop's: LANGUAGE, LC_ALL, LC_MESSAGES, LANG). English, the source language, needs none.
// Needs a QCoreApplication; the translators live as long as it does.
void installTranslations(const QLocale& locale = QLocale::system());

// The languages the program ships a translation for, as locale names ("pt_BR").
QStringList shippedLanguages();

// A source text in each language the program speaks: the English source first, then its
// translation in each shipped language, in the order of shippedLanguages() (the source where a
// catalogue lacks it). Texts the program wrote into a tape are read back through these, so a
// tape written in any language, or in several, still reads.
QStringList textInEachLanguage(const char* context, const char* source, const char* disambiguation = nullptr);

} // namespace numerette
