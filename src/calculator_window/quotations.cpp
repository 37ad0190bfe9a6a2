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

// The first three quotations run over two lines with the author after the closing quote;
// the last three fit on one line with the author below.
struct Quotation {
    const char16_t* firstLine;
    const char16_t* secondLine;  // empty for a one-line quotation
    const char16_t* author;
};

constexpr std::array<Quotation, QuotationLabel::QuotationCount> Quotations{{
    {u"Liberty, when it begins to take root, is a plant", u"of rapid growth.", u"George Washington"},
    {u"The advertisement is the most truthful part", u"of a newspaper.", u"Thomas Jefferson"},
    {u"Forgive your enemies, but never forget", u"their names.", u"John F. Kennedy"},
    {u"Well done is better than well said.", u"", u"Benjamin Franklin"},
    {u"If I were two-faced, would I be wearing this one?", u"", u"Abraham Lincoln"},
    {u"It is better to offer no excuse than a bad one.", u"", u"George Washington"},
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
    const QString secondLine = QString::fromUtf16(q.secondLine);
    const QString quote = QLatin1Char('"') + QString::fromUtf16(q.firstLine);
    if (secondLine.isEmpty())
        return quote + QStringLiteral("\"\n-- ") + author;
    return quote + QLatin1Char('\n') + secondLine + QStringLiteral("\" -- ") + author;
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
