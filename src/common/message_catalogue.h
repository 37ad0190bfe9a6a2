// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QString>
#include <QStringList>

#include "message_ids.h"

namespace numerette {

// CR LF CR LF: what callers put between two texts joined into one message.
extern const QString DoubleBreak;

// The text of a message in the user's language, with its line breaks as CR LF and the first
// %1, %2 and %3 filled with the arguments (each at most once).
QString LoadMessage(Message id, const QString& a1 = QString(), const QString& a2 = QString(),
                    const QString& a3 = QString());

// A message without arguments in each language the program speaks, English first (see
// textInEachLanguage), with its line breaks as CR LF: for reading back what was written.
QStringList messageInEachLanguage(Message id);

// Opens a web address, a "mailto:" address or a file with the desktop's default handler.
// Returns the platform's result: 0, 1 or 2 mean failure, anything greater success.
int OpenDocument(const QString& target);

// The desktop's opener behind OpenDocument, installed by the program at start-up (and by
// tests). Returns whether the handler was started. Without one, every open fails.
using DocumentOpener = std::function<bool(const QString& target)>;
void SetDocumentOpener(DocumentOpener opener);

// The number at the start of a text, read with "." as the decimal point after leading
// blanks; 0 when there is none.
double LeadingNumber(const QString& text);

} // namespace numerette
