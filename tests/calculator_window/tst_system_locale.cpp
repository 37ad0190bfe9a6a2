#include <QTest>

#include "system_locale.h"

using namespace Qt::StringLiterals;
using numerette::tape::DateOrder;

class TstSystemLocale : public QObject {
    Q_OBJECT

private slots:
    void dateOrder_data();
    void dateOrder();
};

void TstSystemLocale::dateOrder_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<DateOrder>("expected");

    QTest::newRow("US") << u"M/d/yy"_s << DateOrder::MonthDayYear;
    QTest::newRow("British") << u"dd/MM/yyyy"_s << DateOrder::DayMonthYear;
    QTest::newRow("German") << u"dd.MM.yy"_s << DateOrder::DayMonthYear;
    QTest::newRow("ISO year first, month before day") << u"yyyy-MM-dd"_s << DateOrder::MonthDayYear;
    QTest::newRow("no day field") << u"MMM yyyy"_s << DateOrder::DayMonthYear;
}

void TstSystemLocale::dateOrder()
{
    QFETCH(QString, format);
    QFETCH(DateOrder, expected);
    QCOMPARE(numerette::system_locale::dateOrderOf(format), expected);
}

QTEST_GUILESS_MAIN(TstSystemLocale)
#include "tst_system_locale.moc"
