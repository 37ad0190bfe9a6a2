// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace numerette {

// Starts other programs, detached from this process, and finds programs on the PATH.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;

    // Whether the program was started.
    virtual bool startDetached(const QString& program, const QStringList& arguments) = 0;
    // The program's full path when it is on the PATH, else empty.
    virtual QString findProgram(const QString& name) const = 0;
};

class SystemProgramStarter final : public ProgramStarter {
public:
    bool startDetached(const QString& program, const QStringList& arguments) override;
    QString findProgram(const QString& name) const override;
};

// A starter for tests: the programs "on the PATH" are a list, every start is recorded and
// succeeds unless told otherwise.
class FakeProgramStarter final : public ProgramStarter {
public:
    struct Start {
        QString program;
        QStringList arguments;
    };

    bool startDetached(const QString& program, const QStringList& arguments) override;
    QString findProgram(const QString& name) const override;

    void setInstalled(const QStringList& names) { m_installed = names; }
    void setStartsSucceed(bool succeed) { m_startsSucceed = succeed; }
    const QList<Start>& starts() const { return m_starts; }

private:
    QStringList m_installed;
    bool m_startsSucceed = true;
    QList<Start> m_starts;
};

} // namespace numerette
