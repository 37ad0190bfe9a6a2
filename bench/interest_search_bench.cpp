// SPDX-License-Identifier: GPL-3.0-or-later
// Times the interest window's three searches over a grid of large terms (values up to the
// largest currency amount, up to 250 installments, rates up to 1,000 % a month) and prints
// how many searches ran, how many found an answer, and the slowest one with its terms; not a
// test.
#include <cstdio>
#include <functional>

#include <QElapsedTimer>
#include <QString>

#include "interest_search.h"

using namespace numerette;
using namespace numerette::interest;

namespace {

struct Slowest {
    qint64 nanoseconds = 0;
    QString terms;
    int searches = 0;
    int answered = 0;

    void time(const QString& what, const std::function<std::optional<Found>()>& search)
    {
        QElapsedTimer timer;
        timer.start();
        const std::optional<Found> found = search();
        const qint64 spent = timer.nsecsElapsed();
        ++searches;
        answered += found ? 1 : 0;
        if (spent > nanoseconds) {
            nanoseconds = spent;
            terms = what + QStringLiteral(" -> ") + (found ? found->value.toPlainText() : QStringLiteral("none"));
        }
    }

    void print(const char* name) const
    {
        std::printf("%-12s %6d searches, %6d answered, slowest %8.3f ms: %s\n", name, searches, answered,
                    double(nanoseconds) / 1e6, qPrintable(terms));
    }
};

Decimal amount(double value)
{
    return Decimal::fromDouble15(value).value_or(Decimal());
}

} // namespace

int main()
{
    const double values[] = {1e3, 1e6, 1e9, 1e12, 1e14, 9e14};
    const int counts[] = {1, 2, 12, 60, 250};
    const double days[] = {0, 1, 30, 45, 99};

    Slowest installment;
    Slowest rate;
    for (const double value : values) {
        for (const int count : counts) {
            for (const double first : days) {
                for (const double monthly : {0.01, 1.0, 10.0, 100.0, 1000.0}) {
                    const Terms terms{value, count, first, 0, monthly};
                    const Decimal start = amount(value / count).rounded(2);
                    const QString what = QStringLiteral("value %1, %2 x, %3 days, %4 %")
                                             .arg(value)
                                             .arg(count)
                                             .arg(first)
                                             .arg(monthly);
                    installment.time(what, [&] { return findInstallment(terms, start, count == 1); });
                }
                for (const double share : {1e-6, 0.01, 0.5, 0.99, 0.999999}) {
                    // Below the value for more installments than one, up to twice it for one.
                    const double installmentValue = amount(value * share * (count == 1 ? 2 : 1)).rounded(2).toDouble();
                    const Terms terms{value, count, first, installmentValue, 0};
                    const QString what = QStringLiteral("value %1, %2 x, %3 days, installment %4")
                                             .arg(value)
                                             .arg(count)
                                             .arg(first)
                                             .arg(installmentValue, 0, 'f', 2);
                    rate.time(what, [&] { return findRate(terms); });
                }
            }
        }
    }

    Slowest net;
    for (const double check : values) {
        for (const double monthly : {0.0001, 0.5, 1.0, 10.0, 100.0, 1000.0}) {
            for (const double span : {1.0, 29.0, 45.0, 365.0, 730.0}) {
                net.time(QStringLiteral("check %1, %2 %, %3 days").arg(check).arg(monthly).arg(span),
                         [&] { return findNetAmount(amount(check), amount(monthly), span); });
            }
        }
    }

    installment.print("installment");
    rate.print("rate");
    net.print("net amount");
    return 0;
}
