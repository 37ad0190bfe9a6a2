// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

#include "tape_lines.h"

// What a screen reader says for the calculation list, in words rather than tape columns.
class SpokenLine {
    Q_DECLARE_TR_FUNCTIONS(SpokenLine)

public:
    // One line of the list, without its line break: "5 plus", "Total 42", "3 items".
    static QString of(QStringView line, numerette::tape::DateOrder order);

    // What the list's last change told: the spoken last item, or the total when the list
    // ends with a closed calculation. Empty when the list ends in nothing spoken (a
    // separator that closes no calculation).
    static QString ofListEnd(const QString& list, numerette::tape::DateOrder order);

private:
    static QString figureWords(const numerette::tape::FigureParts& figure);
};
