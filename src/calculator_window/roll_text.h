// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The list as a paper-roll printer gets it, one entry per printed line: an empty line,
// the list's lines, then two empty lines, each ended by CR LF. The bytes are the
// Windows-1252 code page of those printers, with "×" and "÷" as "*" and "/" and "?" for
// a character the code page lacks.
QList<QByteArray> rollLines(const QString& list);
