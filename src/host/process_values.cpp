// SPDX-License-Identifier: GPL-3.0-or-later
#include "process_values.h"

#include <QDate>
#include <QFileInfo>
#include <QLocale>
#include <QTime>

namespace numerette {

namespace {

// A time format pattern without its time-zone field: unquoted "t" and the brackets some
// locales put around it go, and so do the blanks they leave.
QString withoutTimeZone(const QString& pattern)
{
    QString kept;
    bool quoted = false;
    for (const QChar c : pattern) {
        if (c == u'\'')
            quoted = !quoted;
        if (quoted || c != u't')
            kept += c;
    }
    return kept.remove(QLatin1String("()")).simplified();
}

} // namespace

ProcessValues establishProcessValues(const QString& commandWord, const QString& programPath,
                                     const QLocale& locale)
{
    ProcessValues values;
    values.CommandWord = commandWord;
    values.AppDir = appDirOf(programPath);
    values.ExeFileName = QFileInfo(programPath).fileName();
    values.DateFormat = dateFormatOf(locale);
    values.DecimalSeparator = decimalSeparatorOf(locale);
    return values;
}

QString appDirOf(const QString& programPath)
{
    const QString folder = QFileInfo(programPath).absolutePath();
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

QString dateFormatOf(const QLocale& locale)
{
    // Written with ASCII digits, so that a locale with digits of its own still shows its order.
    const QString written
        = QLocale::c().toString(QDate(2000, 12, 31), locale.dateFormat(QLocale::ShortFormat));
    return written.startsWith(u"31") ? QStringLiteral("dd/mm/yyyy") : QStringLiteral("mm/dd/yyyy");
}

QChar decimalSeparatorOf(const QLocale& locale)
{
    return decimalSeparatorFor(locale.decimalPoint(), locale.groupSeparator());
}

QChar decimalSeparatorFor(const QString& decimal, const QString& group)
{
    if (decimal == group)
        return group == u"." ? QLatin1Char(',') : QLatin1Char('.');
    return decimal == u"," ? QLatin1Char(',') : QLatin1Char('.');
}

QString timeOfDayText(const QTime& time, const QLocale& locale)
{
    return locale.toString(time, withoutTimeZone(locale.timeFormat(QLocale::LongFormat)));
}

} // namespace numerette
