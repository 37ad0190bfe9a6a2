// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculation_archiver.h"

#include <algorithm>
#include <utility>

#include <QCryptographicHash>

#include "archived_calculation.h"
#include "calculator.h"
#include "tape_archive.h"

namespace numerette::history {
namespace {

QString prefixHash(const QString& text)
{
    return QString::fromLatin1(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha1).toHex());
}

qsizetype commonPrefixLength(const QString& a, const QString& b)
{
    const qsizetype length = std::min(a.size(), b.size());
    qsizetype i = 0;
    while (i < length && a[i] == b[i])
        ++i;
    return i;
}

} // namespace

CalculationArchiver::CalculationArchiver(Calculator& calculator, TapeArchive& archive, int calculatorNumber,
                                         QObject* parent)
    : QObject(parent)
    , m_calculator(calculator)
    , m_archive(archive)
    , m_calculatorNumber(calculatorNumber)
    , m_clock([] { return QDateTime::currentDateTime(); })
{
    connect(&calculator, &Calculator::calculationClosed, this, &CalculationArchiver::archiveClosedBlocks);
}

QString CalculationArchiver::progressFact() const
{
    return QStringLiteral("archived-%1").arg(m_calculatorNumber);
}

// The progress stored at the last write: its length and the hash of the list up to it.
void CalculationArchiver::restoreProgress(const QString& list)
{
    m_progressKnown = true;
    const QStringList stored = m_archive.fact(progressFact()).split(QLatin1Char(' '));
    const qsizetype length = stored.size() == 2 ? stored[0].toLongLong() : -1;
    if (length < 0 || length > list.size() || prefixHash(list.left(length)) != stored[1]) {
        m_progressKnown = false;
        return;
    }
    m_archivedPrefix = list.left(length);
}

CalculationArchiver::ListAt CalculationArchiver::listNow() const
{
    TapeReading reading;
    reading.locale = m_calculator.numberLocale();
    reading.dateOrder = m_calculator.dateOrder();
    reading.numberFormat = m_calculator.NumberFormat();
    reading.calculator = m_calculatorNumber;
    reading.closedAt = m_clock();
    return {m_calculator.list(), reading};
}

bool CalculationArchiver::archiveClosedBlocks()
{
    if (!m_holding)
        return write(listNow());
    m_held.append(listNow());
    return true;
}

bool CalculationArchiver::release()
{
    m_holding = false;
    bool written = true;
    for (const ListAt& at : std::as_const(m_held))
        written = write(at) && written;
    m_held.clear();
    return written;
}

bool CalculationArchiver::write(const ListAt& at)
{
    if (!m_archive.isOpen())
        return false;
    const QString& list = at.list;
    if (!m_progressKnown && m_archivedPrefix.isEmpty())
        restoreProgress(list);
    // What is still as it was archived; a block changed since (undone and closed again, or
    // cleared and typed again) is a new one.
    const qsizetype same = commonPrefixLength(list, m_archivedPrefix);
    QList<ArchivedCalculation> blocks = closedBlocks(list, at.reading);
    qsizetype keptEnd = 0;
    blocks.removeIf([same, &keptEnd](const ArchivedCalculation& block) {
        const qsizetype end = block.position + block.text.size();
        if (end > same)
            return false;
        keptEnd = end;
        return true;
    });
    if (blocks.isEmpty()) {
        m_archivedPrefix = list.left(keptEnd);
        return true;
    }
    const qsizetype end = blocks.constLast().position + blocks.constLast().text.size();
    const QString prefix = list.left(end);
    const QList<std::pair<QString, QString>> progress{
        {progressFact(), QString::number(end) + QLatin1Char(' ') + prefixHash(prefix)}};
    QString error;
    const std::optional<int> added =
        m_progressKnown ? m_archive.add(blocks, &error, progress) : m_archive.merge(blocks, &error, progress);
    if (!added) {
        if (!m_failureTold)
            emit archiveFailed(error);
        m_failureTold = true;
        return false;
    }
    m_failureTold = false;
    m_archivedPrefix = prefix;
    m_progressKnown = true;
    if (*added > 0)
        emit archived();
    return true;
}

} // namespace numerette::history
