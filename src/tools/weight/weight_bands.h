// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QString>

#include "number_text.h"

namespace numerette::weight {

enum class Sex { Man, Woman };
enum class WeightClass { Thin, Normal, Overweight, Fat, Obese };
enum class Invalid { Height, Weight };

// The weight limits of the body-mass bands for one height, as the window shows them
// ("#,##0.00"). The classification compares with these rounded texts.
struct BandLimits {
    QString thin;
    QString medium;
    QString overweight;
    QString fat;
    QString obese;
};

// The arrow's left edge on the scale, in twips: a weight equal to the medium one sits
// at 1560, and the arrow stays within the scale.
constexpr int ArrowMinTwips = -90;
constexpr int ArrowMaxTwips = 3210;

// The outcome of a calculation from the height and weight fields.
struct Weighing {
    // The height field after the conversion of centimetres to metres.
    QString heightText;
    std::optional<Invalid> invalid;
    BandLimits limits;
    WeightClass weightClass = WeightClass::Normal;
    // The advice under the class: lines separated by CR.
    QString advice;
    int arrowTwips = 0;
};

// Height in metres (above 100: centimetres) and weight in kilograms, as typed. Valid
// heights are 1 to 3 m, valid weights 20 to 300 kg; a text that is no number is 0.
Weighing weigh(const QString& height, const QString& weight, Sex sex, const NumberLocale& locale);

// "THIN", "NORMAL", "OVERWEIGHT", "FAT" or "OBESE".
QString classWord(WeightClass weightClass);

// The lines written into the calculation list when the window closes after a
// calculation, each ended by CR LF.
QString weightReport(Sex sex, const QString& heightText, const QString& weightText, const BandLimits& limits,
                     const NumberLocale& locale);

} // namespace numerette::weight
