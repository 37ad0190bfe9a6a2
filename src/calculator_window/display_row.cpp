// SPDX-License-Identifier: GPL-3.0-or-later
#include "display_row.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include <QAccessible>

#include <QEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>

#include "calculator_state.h"
#include "display_accessible.h"
#include "number_text.h"
#include "spoken_line.h"

using numerette::LabelColour;

namespace {

// Long numbers shrink the display's font down to the smallest size rather than be cut.
constexpr int DisplayPixelSize = 28;
constexpr int SmallestDisplayPixelSize = 12;
constexpr int CounterPixelSize = 12;

QColor colourOf(LabelColour colour)
{
    return colour == LabelColour::Red ? QColor(255, 0, 0) : QColor(0, 0, 255);
}

void setTextColour(QLabel* label, const QColor& colour)
{
    if (label->palette().color(QPalette::WindowText) == colour)
        return;
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, colour);
    label->setPalette(colours);
}

int scaled(int pixels, double scale)
{
    return std::max(1, int(std::lround(pixels * scale)));
}

} // namespace

// The largest size, from the design's down to the smallest, at which the text fits the
// label's room. Measuring text is costly and the row renders several times per key, so a
// label is measured again only when its text, its room or the scale has changed; a hidden
// label waits until it shows and the layout has given it its room.
void DisplayRow::fitText(QLabel* label)
{
    if (label->isHidden())
        return;
    const int room = label->contentsRect().width();
    Fitted& last = label == m_display ? m_displayFitted : m_timeDisplayFitted;
    if (last.text == label->text() && last.room == room && last.scale == m_scale)
        return;
    last = {label->text(), room, m_scale};
    QFont fitted = label->font();
    int size = scaled(DisplayPixelSize, m_scale);
    fitted.setPixelSize(size);
    const int smallest = scaled(SmallestDisplayPixelSize, m_scale);
    while (size > smallest && QFontMetrics(fitted).horizontalAdvance(label->text()) > room)
        fitted.setPixelSize(--size);
    if (fitted != label->font()) {
        label->setFont(fitted);
        // The display's height follows its font: the row's size may change.
        placeTexts();
    }
}

DisplayRow::DisplayRow(const numerette::CalculatorState& calculator, QWidget* parent)
    : QLabel(parent)
    , m_calculator(calculator)
{
    setObjectName(QStringLiteral("lblVisor3"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    m_counter = new QLabel(this);
    m_counter->setObjectName(QStringLiteral("lblVisor1"));
    m_counter->installEventFilter(this);
    // The counter has no format menu; the rest of the row has.
    m_counter->setContextMenuPolicy(Qt::PreventContextMenu);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QLabel::customContextMenuRequested, this,
            [this](const QPoint& position) { emit formatMenuRequested(mapToGlobal(position)); });
    // The labels' texts are their names, so that each change of them is told.
    m_counter->setAccessibleDescription(tr("Item count"));
    m_counter->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    setTextColour(m_counter, QColor(0x2b, 0x34, 0x42));

    m_display = addDisplay(QStringLiteral("lblVisor0"));
    m_display->setAccessibleDescription(tr("Display"));
    m_timeDisplay = addDisplay(QStringLiteral("lblVisor2"));
    m_timeDisplay->setAccessibleDescription(tr("Time display"));
    // Shown in time mode only, in the display's place.
    m_timeDisplay->hide();

    // Reached with Tab, not by a click: a click on the display copies it.
    setFocusPolicy(Qt::TabFocus);
    DisplayAccessible::install();
    setAccessibleName(tr("Display"));
    m_readListLength = calculator.list().size();

    setLayoutScale(1.0);
}

// Fonts and margins are the design's times the scale.
void DisplayRow::setLayoutScale(double scale)
{
    m_scale = scale;
    m_margins = QMargins(scaled(8, scale), scaled(2, scale), scaled(10, scale), scaled(4, scale));
    QFont counterFont = m_counter->font();
    counterFont.setPixelSize(scaled(CounterPixelSize, scale));
    m_counter->setFont(counterFont);
    for (QLabel* label : {m_display, m_timeDisplay}) {
        QFont displayFont = label->font();
        displayFont.setPixelSize(scaled(DisplayPixelSize, scale));
        label->setFont(displayFont);
        m_displayMinimumHeight = QFontMetrics(displayFont).height();
    }
    render();
    placeTexts();
    updateGeometry();
}

QLabel* DisplayRow::addDisplay(const QString& name)
{
    auto* label = new QLabel(this);
    label->setObjectName(name);
    QFont displayFont;
    displayFont.setFamilies({QStringLiteral("Verdana"), QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")});
    displayFont.setBold(true);
    label->setFont(displayFont);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    label->setContextMenuPolicy(Qt::CustomContextMenu);
    label->installEventFilter(this);
    connect(label, &QLabel::customContextMenuRequested, this,
            [this, label](const QPoint& position) { emit formatMenuRequested(label->mapToGlobal(position)); });
    return label;
}

void DisplayRow::render()
{
    m_display->setText(m_calculator.display());
    setTextColour(m_display, colourOf(m_calculator.displayColour()));
    m_timeDisplay->setText(m_calculator.timeDisplay());
    setTextColour(m_timeDisplay, colourOf(m_calculator.timeDisplayColour()));
    m_counter->setText(m_calculator.counter());
    const bool timeMode = m_calculator.timeMode();
    if (m_display->isHidden() != timeMode) {
        m_display->setVisible(!timeMode);
        m_timeDisplay->setVisible(timeMode);
        // Placed at once: a hidden row hears of no change of its texts.
        placeTexts();
    }
    fitText(m_display);
    fitText(m_timeDisplay);
    updateReading();
}

QVariant DisplayRow::figureValue() const
{
    const QString& figure = shownDisplay()->text();
    if (const auto value = numerette::ValueOf(figure, m_calculator.numberLocale()))
        return value->toDouble();
    return {};
}

// A key that wrote to the list is read as the line it wrote; any other that changed the
// figure, as the figure. A render that changed neither (the row renders at a key's release
// too) keeps the reading. Assistive technology hears of each change of the reading and of
// the value; without it nobody hears, and the reading is taken only when asked for (the
// spoken line costs more than the rest of the row's render).
void DisplayRow::updateReading()
{
    const qsizetype listLength = m_calculator.list().size();
    const QString& figure = shownDisplay()->text();
    const numerette::NumberLocale& locale = m_calculator.numberLocale();
    if (listLength > m_readListLength)
        m_pendingReading = PendingReading::ListEnd;
    else if (figure != m_readFigure)
        m_pendingReading = PendingReading::Figure;
    // The row renders several times per key; the figure is read again only when it changed.
    const bool figureChanged = figure != m_readFigure || locale.decimal != m_readLocale.decimal
        || locale.group != m_readLocale.group || locale.thousandsGrouping != m_readLocale.thousandsGrouping;
    m_readListLength = listLength;
    m_readFigure = figure;
    m_readLocale = locale;
    if (!QAccessible::isActive()) {
        m_readValueKnown = false;
        return;
    }
    const QString before = m_reading;
    const bool readingChanged = reading() != before;
    const QVariant value = figureChanged || !m_readValueKnown ? figureValue() : m_readValue;
    const bool valueChanged = value != m_readValue;
    m_readValue = value;
    m_readValueKnown = true;
    if (readingChanged) {
        QAccessibleTextUpdateEvent event(this, 0, before, m_reading);
        QAccessible::updateAccessibility(&event);
    }
    if (valueChanged) {
        QAccessibleValueChangeEvent event(this, value);
        QAccessible::updateAccessibility(&event);
    }
}

const QString& DisplayRow::reading() const
{
    switch (std::exchange(m_pendingReading, PendingReading::None)) {
    case PendingReading::ListEnd:
        m_reading = SpokenLine::ofListEnd(m_calculator.list(), m_calculator.dateOrder());
        break;
    case PendingReading::Figure:
        m_reading = m_readFigure;
        break;
    case PendingReading::None:
        break;
    }
    if (m_reading.isEmpty())
        m_reading = m_readFigure;
    return m_reading;
}

// The row places its texts itself, as a row layout would: the counter at its own width, the
// shown display in the rest. A layout would pass every change of a text's size up to the
// window, which then lays out all its parts again at every key; the row tells the window
// only when its own size changes.
QSize DisplayRow::rowSize(QSize counter, QSize display) const
{
    const QSize texts(counter.width() + spacing() + display.width(), std::max(counter.height(), display.height()));
    return texts.grownBy(m_margins);
}

int DisplayRow::spacing() const
{
    const int spacing = style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing, nullptr, this);
    return spacing >= 0 ? spacing
                        : style()->layoutSpacing(QSizePolicy::Label, QSizePolicy::Label, Qt::Horizontal, nullptr, this);
}

QLabel* DisplayRow::shownDisplay() const
{
    return m_display->isHidden() ? m_timeDisplay : m_display;
}

// The row is as tall as its texts; its own (empty) label text does not count. The displays
// ask for no width: they shrink their font to the room they get.
QSize DisplayRow::sizeHint() const
{
    return rowSize(m_counter->sizeHint().expandedTo(m_counter->minimumSizeHint()), QSize(0, displayHeights().hint));
}

QSize DisplayRow::minimumSizeHint() const
{
    return rowSize(m_counter->minimumSizeHint(), QSize(0, displayHeights().minimum));
}

// A display's text is one line, so its heights follow its font alone; asking the label
// would measure its text, which changes at every key.
DisplayRow::Heights DisplayRow::displayHeights() const
{
    const QLabel* display = shownDisplay();
    if (m_displayHeights.font != display->font() || m_displayHeights.display != display
        || m_displayHeights.empty != display->text().isEmpty()) {
        const QSize minimum = display->minimumSizeHint();
        m_displayHeights = {display->font(), display, display->text().isEmpty(),
                            display->sizeHint().expandedTo(minimum).height(), minimum.height()};
    }
    return m_displayHeights;
}

void DisplayRow::placeTexts()
{
    const QRect area = rect().marginsRemoved(m_margins);
    const int counterWidth = std::min(m_counter->sizeHint().expandedTo(m_counter->minimumSizeHint()).width(),
                                      area.width());
    m_counter->setGeometry(area.x(), area.y(), counterWidth, area.height());
    const int displayLeft = area.x() + counterWidth + spacing();
    // A label of changing size asks its parent for a layout pass at every change of text, and
    // a display's text changes at every key. Its size follows its place alone, so it is fixed.
    QLabel* display = shownDisplay();
    display->move(displayLeft, area.y());
    display->setFixedSize(QSize(std::max(0, area.right() + 1 - displayLeft), area.height())
                              .expandedTo(QSize(0, m_displayMinimumHeight)));
    const QSize hint = sizeHint();
    const QSize minimum = minimumSizeHint();
    if (hint != m_toldSizeHint || minimum != m_toldMinimumSize) {
        m_toldSizeHint = hint;
        m_toldMinimumSize = minimum;
        updateGeometry();
    }
}

// A text's size changed, or a display showed or hid.
bool DisplayRow::event(QEvent* event)
{
    if (event->type() == QEvent::LayoutRequest)
        placeTexts();
    return QLabel::event(event);
}

void DisplayRow::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    placeTexts();
}

// A light, slightly sunken panel behind the display texts.
void DisplayRow::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    m_panel.draw(painter, *this, event->rect(), 0, [this](QPainter& picture) {
        picture.setRenderHint(QPainter::Antialiasing);
        const QRectF panel = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        QLinearGradient face(panel.topLeft(), panel.bottomLeft());
        face.setColorAt(0, QColor(0xe6, 0xeb, 0xf2));
        face.setColorAt(0.25, QColor(0xfb, 0xfc, 0xfe));
        face.setColorAt(1, QColor(0xf1, 0xf4, 0xf8));
        picture.setPen(QPen(QColor(0x8d, 0x99, 0xab), 1));
        picture.setBrush(face);
        picture.drawRoundedRect(panel, 6, 6);
    });
}

bool DisplayRow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_counter && event->type() == QEvent::MouseButtonDblClick)
        emit counterDoubleClicked();
    // A display's room changes with the window and as the displays take turns.
    if ((watched == m_display || watched == m_timeDisplay) && event->type() == QEvent::Resize)
        fitText(static_cast<QLabel*>(watched));
    return QLabel::eventFilter(watched, event);
}

// The labels leave their clicks to the row, so one place serves the row and both displays.
void DisplayRow::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void DisplayRow::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (event->button() != Qt::RightButton && rect().contains(at) && !m_counter->geometry().contains(at))
        emit displayClicked();
}
