// SPDX-License-Identifier: GPL-3.0-or-later
#include "quotations.h"

#include <algorithm>
#include <array>

#include <QFontDatabase>
#include <QTimer>

#include "quote_mark.h"
#include "twips.h"

namespace {

// The picture's place in the large layout, in twips: a square at the label's left, just
// below its top, with the text moved right past it.
constexpr int PictureTopTwips = 15;
constexpr int PictureSizeTwips = 360;
constexpr int TextIndentTwips = 390;

// The first three quotations run over two lines (the text holds the line break) with the
// author after the closing quote; the last three fit on one line with the author below.
struct Quotation {
    const char* text;
    const char16_t* author;
};

constexpr std::array<Quotation, QuotationLabel::QuotationCount> Quotations{{
    //: Quotation under the tape (the label wraps longer lines). In a quotation of two lines, the
    //: author follows the second line; in one of a single line, the author goes below it.
    {QT_TRANSLATE_NOOP("QuotationLabel", "Liberty, when it begins to take root, is a plant\nof rapid growth."),
     u"George Washington"},
    //: Quotation under the tape (the label wraps longer lines)
    {QT_TRANSLATE_NOOP("QuotationLabel", "The advertisement is the most truthful part\nof a newspaper."),
     u"Thomas Jefferson"},
    //: Quotation under the tape (the label wraps longer lines)
    {QT_TRANSLATE_NOOP("QuotationLabel", "Forgive your enemies, but never forget\ntheir names."), u"John F. Kennedy"},
    //: Quotation under the tape (the label wraps longer lines)
    {QT_TRANSLATE_NOOP("QuotationLabel", "Well done is better than well said."), u"Benjamin Franklin"},
    //: Quotation under the tape (the label wraps longer lines)
    {QT_TRANSLATE_NOOP("QuotationLabel", "If I were two-faced, would I be wearing this one?"), u"Abraham Lincoln"},
    //: Quotation under the tape (the label wraps longer lines)
    {QT_TRANSLATE_NOOP("QuotationLabel", "It is better to offer no excuse than a bad one."), u"George Washington"},
}};

} // namespace

QuotationLabel::QuotationLabel(QWidget* parent)
    : QLabel(parent)
    , m_timer(new QTimer(this))
    , m_picture(new QuoteMark(this))
{
    setObjectName(QStringLiteral("lblReg"));
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    // The window's width follows the tape; a long quotation wraps instead of widening it.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_designPointSize = font().pointSizeF() * 0.85;
    QFont small = font();
    small.setItalic(true);
    setFont(small);
    m_picture->setObjectName(QStringLiteral("Image2"));
    m_picture->setToolTip(tr("Next quotation"));
    m_picture->setAccessibleName(m_picture->toolTip());
    m_picture->setGeometry(0, numerette::pixelsOf(PictureTopTwips), numerette::pixelsOf(PictureSizeTwips), numerette::pixelsOf(PictureSizeTwips));
    setLayoutScale(1.0);
    setText(quotation(1));

    m_timer->setObjectName(QStringLiteral("Timer2"));
    m_timer->setInterval(RotationMilliseconds);
    connect(m_timer, &QTimer::timeout, this, &QuotationLabel::rotate);
    m_timer->start();
    connect(m_picture, &QuoteMark::clicked, this, [this] {
        rotate();
        m_timer->start();
    });
}

// The smaller layout keeps the design's proportion down to the desktop's smallest readable
// size (never above the design's own); below that the quotation wraps onto more lines.
void QuotationLabel::setLayoutScale(double scale)
{
    const double legible =
        std::min(QFontDatabase::systemFont(QFontDatabase::SmallestReadableFont).pointSizeF(), m_designPointSize);
    QFont scaledFont = font();
    scaledFont.setPointSizeF(std::max(m_designPointSize * scale, legible));
    setFont(scaledFont);
    const bool large = scale >= 1.0;
    m_picture->setVisible(large);
    setContentsMargins(large ? numerette::pixelsOf(TextIndentTwips) : 0, 0, 0, 0);
    // A short quotation must not cut the picture off.
    setMinimumHeight(large ? m_picture->geometry().bottom() + 1 : 0);
}

QString QuotationLabel::quotation(int entry)
{
    Q_ASSERT(entry >= 1 && entry <= QuotationCount);
    const Quotation& q = Quotations[std::size_t(entry - 1)];
    const QString author = QString::fromUtf16(q.author);
    const QString text = tr(q.text);
    if (text.contains(u'\n'))
        return QLatin1Char('"') + text + QStringLiteral("\" -- ") + author;
    return QLatin1Char('"') + text + QStringLiteral("\"\n-- ") + author;
}

void QuotationLabel::rotate()
{
    if (!window()->isVisible())
        return;
    setText(quotation(m_counter + 1));
    m_counter = (m_counter + 1) % QuotationCount;
    emit rotated();
}

void QuotationLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    emit clicked();
}
