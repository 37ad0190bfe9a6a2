// SPDX-License-Identifier: GPL-3.0-or-later
#include "typed_calculations_file.h"

#include <algorithm>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "calculator.h"

namespace numerette {
namespace {

constexpr int Version = 1;

std::optional<TypedCalculation> calculationOf(const QJsonObject& object)
{
    TypedCalculation calculation;
    calculation.start = object.value(QLatin1String("start")).toInteger(-1);
    calculation.end = object.value(QLatin1String("end")).toInteger(-1);
    calculation.lines = object.value(QLatin1String("lines")).toString();
    calculation.formatIndex = object.value(QLatin1String("format")).toInt(-1);
    calculation.addMode = object.value(QLatin1String("add")).toBool();
    calculation.insertText = object.value(QLatin1String("insert")).toBool();
    const QString decimal = object.value(QLatin1String("decimal")).toString();
    if (decimal != QLatin1String(".") && decimal != QLatin1String(","))
        return std::nullopt;
    calculation.locale = NumberLocale::withDecimal(decimal.front());
    calculation.closed = true;
    for (const auto& value : object.value(QLatin1String("items")).toArray()) {
        const QJsonArray item = value.toArray();
        const int key = item.at(1).toInt();
        if (item.size() != 2 || !item.at(0).isString() || !ValueOf(item.at(0).toString(), calculation.locale)
            || !QList<int>{2, '+', '-', '*', '/', '%', '='}.contains(key))
            return std::nullopt;
        calculation.items.push_back({item.at(0).toString(), key});
    }
    const bool knownFormat = std::any_of(NumberFormats.begin(), NumberFormats.end(), [&calculation](const auto& c) {
        return c.index == calculation.formatIndex;
    });
    if (!knownFormat || calculation.items.empty() || calculation.start < 0
        || calculation.end - calculation.start != calculation.lines.size())
        return std::nullopt;
    return calculation;
}

} // namespace

QByteArray typedCalculationsJson(const std::vector<TypedCalculation>& calculations)
{
    QJsonArray list;
    for (const TypedCalculation& calculation : calculations) {
        if (!calculation.closed || calculation.timeMode || calculation.refusal != ReplayRefusal::None)
            continue;
        QJsonArray items;
        for (const TypedItem& item : calculation.items)
            items.append(QJsonArray{item.entry, item.key});
        list.append(QJsonObject{
            {QLatin1String("start"), calculation.start},
            {QLatin1String("end"), calculation.end},
            {QLatin1String("lines"), calculation.lines},
            {QLatin1String("format"), calculation.formatIndex},
            {QLatin1String("add"), calculation.addMode},
            {QLatin1String("insert"), calculation.insertText},
            {QLatin1String("decimal"), QString(calculation.locale.decimal)},
            {QLatin1String("items"), items},
        });
    }
    return QJsonDocument(QJsonObject{{QLatin1String("version"), Version}, {QLatin1String("calculations"), list}})
        .toJson(QJsonDocument::Compact);
}

std::vector<TypedCalculation> typedCalculationsFromJson(const QByteArray& json)
{
    const QJsonObject root = QJsonDocument::fromJson(json).object();
    if (root.value(QLatin1String("version")).toInt() != Version)
        return {};
    std::vector<TypedCalculation> calculations;
    for (const auto& value : root.value(QLatin1String("calculations")).toArray()) {
        if (const auto calculation = calculationOf(value.toObject()))
            calculations.push_back(*calculation);
    }
    return calculations;
}

} // namespace numerette
