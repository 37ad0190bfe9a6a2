// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_starter.h"

#include <QProcess>
#include <QStandardPaths>

namespace numerette {

bool SystemProgramStarter::startDetached(const QString& program, const QStringList& arguments)
{
    return QProcess::startDetached(program, arguments);
}

QString SystemProgramStarter::findProgram(const QString& name) const
{
    return QStandardPaths::findExecutable(name);
}

bool FakeProgramStarter::startDetached(const QString& program, const QStringList& arguments)
{
    m_starts.append({program, arguments});
    return m_startsSucceed;
}

QString FakeProgramStarter::findProgram(const QString& name) const
{
    return m_installed.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
}

} // namespace numerette
