// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "tape_positions.h"

using namespace Qt::StringLiterals;

class TstTapePositions : public QObject {
    Q_OBJECT

private slots:
    void viewPosition_data();
    void viewPosition();
    void listPosition_data();
    void listPosition();
    void positionsRoundTripOnATape();
    void wordAt_data();
    void wordAt();
};

void TstTapePositions::viewPosition_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("listPosition");
    QTest::addColumn<int>("expected");

    const QString twoLines = u"ab\r\ncd\r\n"_s;
    QTest::newRow("empty list") << QString() << 0 << 0;
    QTest::newRow("start") << twoLines << 0 << 0;
    QTest::newRow("end of the first line") << twoLines << 2 << 2;
    QTest::newRow("between CR and LF is the next line") << twoLines << 3 << 3;
    QTest::newRow("start of the second line") << twoLines << 4 << 3;
    QTest::newRow("end of the list") << twoLines << 8 << 6;
    QTest::newRow("beyond the end is the end") << twoLines << 30 << 6;
    QTest::newRow("before the start is the start") << twoLines << -3 << 0;
    QTest::newRow("a lone LF is one character") << u"a\nb"_s << 3 << 3;
}

void TstTapePositions::viewPosition()
{
    QFETCH(QString, list);
    QFETCH(int, listPosition);
    QFETCH(int, expected);
    QCOMPARE(numerette::viewPosition(list, listPosition), expected);
}

void TstTapePositions::listPosition_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("viewPosition");
    QTest::addColumn<int>("expected");

    const QString twoLines = u"ab\r\ncd\r\n"_s;
    QTest::newRow("start") << twoLines << 0 << 0;
    QTest::newRow("end of the first line") << twoLines << 2 << 2;
    QTest::newRow("start of the second line") << twoLines << 3 << 4;
    QTest::newRow("end of the list") << twoLines << 6 << 8;
    QTest::newRow("beyond the end is the end") << twoLines << 40 << 8;
    QTest::newRow("a lone LF is one character") << u"a\nb"_s << 2 << 2;
}

void TstTapePositions::listPosition()
{
    QFETCH(QString, list);
    QFETCH(int, viewPosition);
    QFETCH(int, expected);
    QCOMPARE(numerette::listPosition(list, viewPosition), expected);
}

void TstTapePositions::positionsRoundTripOnATape()
{
    const QString list = u" 05/03/2024 Tue\r\n =========================\r\n                       5 +\r\n"
                         "                       3 =\r\n 002                      \r\n"_s;
    QString view = list;
    view.remove(u'\r');
    QCOMPARE(numerette::viewLength(list), view.size());
    for (int shown = 0; shown <= view.size(); ++shown) {
        const int position = numerette::listPosition(list, shown);
        QCOMPARE(numerette::viewPosition(list, position), shown);
        QCOMPARE(list.left(position).remove(u'\r'), view.left(shown));
    }
    // Counting from any other position, forwards or back, also from or to one inside a
    // CR LF, gives the same.
    for (int from = 0; from <= list.size(); ++from) {
        for (int position = 0; position <= list.size(); ++position) {
            QCOMPARE(numerette::viewPositionFrom(list, from, numerette::viewPosition(list, from), position),
                     numerette::viewPosition(list, position));
        }
    }
}

void TstTapePositions::wordAt_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("expected");

    const QString item = u"                12 +"_s;
    QTest::newRow("grouped number stays whole") << u"        1,234.56 +"_s << 11 << u"1,234.56"_s;
    QTest::newRow("negative number keeps its minus") << u"      -5 +"_s << 7 << u"-5"_s;
    QTest::newRow("caret before the first digit") << item << 16 << u"12"_s;
    QTest::newRow("caret after the last digit") << item << 18 << u"12"_s;
    QTest::newRow("marker at the line end") << item << int(item.size()) << u"+"_s;
    QTest::newRow("column beyond the line") << item << 99 << u"+"_s;
    QTest::newRow("between two blanks") << item << 3 << QString();
    QTest::newRow("empty line") << QString() << 0 << QString();
    QTest::newRow("label and number are two words") << u" RENT            1,200 +"_s << 3 << u"RENT"_s;
}

void TstTapePositions::wordAt()
{
    QFETCH(QString, line);
    QFETCH(int, column);
    QFETCH(QString, expected);

    const auto word = numerette::wordAt(line, column);
    QCOMPARE(word.has_value(), !expected.isEmpty());
    if (word)
        QCOMPARE(line.mid(word->start, word->length), expected);
}

QTEST_GUILESS_MAIN(TstTapePositions)
#include "tst_tape_positions.moc"
