// SPDX-License-Identifier: GPL-3.0-or-later
// Reads arbitrary bytes as the calculator's state file. A file that reads must come back
// the same after being written again; one that does not must have been set aside.
//
// Input: the file's bytes.
#include <cstddef>
#include <cstdint>

#include <QFile>
#include <QTemporaryDir>

#include "fuzz_failure.h"
#include "state_file.h"

using namespace numerette;

namespace {

const QTemporaryDir& scratchDir()
{
    static const QTemporaryDir dir;
    if (!dir.isValid())
        fuzzFailure(QStringLiteral("no temporary folder: ") + dir.errorString());
    return dir;
}

void writeBytes(const QString& path, const char* data, qint64 size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data, size) != size)
        fuzzFailure(QStringLiteral("cannot write ") + path + QStringLiteral(": ") + file.errorString());
}

void checkRead(const char* data, qint64 size, const StateFileReader& reader)
{
    const QString path = scratchDir().filePath(QStringLiteral("numeret1.fita"));
    const QString aside = path + QStringLiteral(".damaged");
    writeBytes(path, data, size);
    const std::optional<CalculatorStateRecord> record = readStateFile(path, reader);
    if (!record) {
        if (QFile::exists(path) || !QFile::exists(aside))
            fuzzFailure(QStringLiteral("a state file that does not read was not set aside"));
        // Each input starts from an empty folder; damaged copies would otherwise pile up.
        QFile::remove(aside);
        return;
    }
    const QString copy = scratchDir().filePath(QStringLiteral("numeret2.fita"));
    if (!writeStateFile(copy, *record, reader.locale))
        fuzzFailure(QStringLiteral("cannot write the state back"));
    if (readStateFile(copy, reader) != record)
        fuzzFailure(QStringLiteral("the state read back differs from the state written"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto bytes = reinterpret_cast<const char*>(data);
    const QDate today(2024, 3, 5);
    checkRead(bytes, qint64(size), {NumberLocale::withDecimal(u'.'), tape::DateOrder::DayMonthYear, today});
    checkRead(bytes, qint64(size), {NumberLocale::withDecimal(u','), tape::DateOrder::MonthDayYear, today});
    return 0;
}
