// SPDX-License-Identifier: GPL-3.0-or-later
#include "languages.h"

#include <memory>
#include <vector>

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace numerette {

namespace {

// Where the build embeds the compiled translations (numerette_<language>.qm).
const QString TranslationFolder = u":/i18n"_s;
const QString CataloguePrefix = u"numerette_"_s;

// One translator per shipped language, loaded once and kept for reading tapes back.
const std::vector<std::unique_ptr<QTranslator>>& shippedTranslators()
{
    static const std::vector<std::unique_ptr<QTranslator>> translators = [] {
        std::vector<std::unique_ptr<QTranslator>> loaded;
        for (const QString& language : shippedLanguages()) {
            loaded.push_back(std::make_unique<QTranslator>());
            // A catalogue that does not load leaves its language answering in English.
            if (!loaded.back()->load(CataloguePrefix + language, TranslationFolder))
                qWarning("cannot load the %s translation", qPrintable(language));
        }
        return loaded;
    }();
    return translators;
}

void install(const QLocale& locale, const QString& catalogue, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, catalogue, u"_"_s, folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

void installTranslations(const QLocale& locale)
{
    install(locale, u"numerette"_s, TranslationFolder);
    // Qt's own dialogs and buttons ("Yes", "Cancel", the file dialog).
    install(locale, u"qtbase"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QStringList shippedLanguages()
{
    QStringList languages;
    const QStringList files = QDir(TranslationFolder).entryList({CataloguePrefix + u"*.qm"_s}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        languages.append(file.mid(CataloguePrefix.size()).chopped(3));
    return languages;
}

QStringList textInEachLanguage(const char* context, const char* source, const char* disambiguation)
{
    const QString english = QString::fromUtf8(source);
    QStringList forms{english};
    for (const auto& translator : shippedTranslators()) {
        const QString translated = translator->translate(context, source, disambiguation);
        forms.append(translated.isEmpty() ? english : translated);
    }
    return forms;
}

} // namespace numerette
