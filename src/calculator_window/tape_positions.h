// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QStringView>

namespace numerette {

// The calculation list ends its lines with CR LF; the tape view holds each CR LF as one
// line break. These convert positions between the two texts.
int viewLength(QStringView list);
int viewPosition(QStringView list, int listPosition);
int listPosition(QStringView list, int viewPosition);
// The view position of `listPosition`, counted from a list position `from` whose view
// position is known, forwards or back: the tape changes at its end, so only the text
// between them is counted.
int viewPositionFrom(QStringView list, int from, int fromView, int listPosition);

// A run of non-blank characters of one line: what a double-click picks as a word, so that
// "1,234.56" and "-5" stay whole.
struct WordSpan {
    int start = 0;
    int length = 0;
};
// The word under `column` (a caret position, so the character on either side counts);
// nothing when both neighbours are blank.
std::optional<WordSpan> wordAt(QStringView line, int column);

} // namespace numerette
