// SPDX-License-Identifier: GPL-3.0-or-later
#include "keypad.h"

#include <algorithm>
#include <cmath>

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QGridLayout>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "xp_button.h"

using numerette::Button;
using numerette::Calculator;

namespace {

constexpr int KeyWidth = 50;
constexpr int KeyHeight = 34;
constexpr int KeySpacing = 6;
constexpr int KeyPixelSize = 17;
constexpr int MemoryKeyPixelSize = 14;
constexpr int TitlePixelSize = 13;
constexpr int FrameMargin = 6;

enum class KeyKind { Digit, Operator, Total, Memory, Clear };

struct KeyDesign {
    Button button;
    QStringView name;
    QStringView caption;
    const char* description;
    int row;
    int column;
    KeyKind kind;
};

// Five columns; the cell right of minus stays free in Result mode, for the tall ENTER
// key of Add mode.
constexpr int PlusRow = 4;
constexpr int PlusColumn = 4;
constexpr int EnterRow = 3;

const std::array<KeyDesign, numerette::ButtonCount> Design{{
    {Button::MC, u"MC", u"MC", QT_TRANSLATE_NOOP("Keypad", "Memory clear"), 0, 0, KeyKind::Memory},
    {Button::MR, u"MR", u"MR", QT_TRANSLATE_NOOP("Keypad", "Memory recall"), 0, 1, KeyKind::Memory},
    {Button::Mmais, u"Mmais", u"M+", QT_TRANSLATE_NOOP("Keypad", "Memory add"), 0, 2, KeyKind::Memory},
    {Button::Mmenos, u"Mmenos", u"M-", QT_TRANSLATE_NOOP("Keypad", "Memory subtract"), 0, 3, KeyKind::Memory},
    {Button::CE, u"chkCE", u"CE", QT_TRANSLATE_NOOP("Keypad", "Clear"), 0, 4, KeyKind::Clear},
    {Button::Num7, u"chkNum7", u"7", "7", 1, 0, KeyKind::Digit},
    {Button::Num8, u"chkNum8", u"8", "8", 1, 1, KeyKind::Digit},
    {Button::Num9, u"chkNum9", u"9", "9", 1, 2, KeyKind::Digit},
    {Button::Dividir, u"chkDividir", u"\u00F7", QT_TRANSLATE_NOOP("Keypad", "Divide"), 1, 3, KeyKind::Operator},
    {Button::Back, u"chkBack", u"\u2190", QT_TRANSLATE_NOOP("Keypad", "Backspace"), 1, 4, KeyKind::Clear},
    {Button::Num4, u"chkNum4", u"4", "4", 2, 0, KeyKind::Digit},
    {Button::Num5, u"chkNum5", u"5", "5", 2, 1, KeyKind::Digit},
    {Button::Num6, u"chkNum6", u"6", "6", 2, 2, KeyKind::Digit},
    {Button::Vezes, u"chkVezes", u"\u00D7", QT_TRANSLATE_NOOP("Keypad", "Multiply"), 2, 3, KeyKind::Operator},
    {Button::Percent, u"chkPercent", u"%", QT_TRANSLATE_NOOP("Keypad", "Percent"), 2, 4, KeyKind::Operator},
    {Button::Num1, u"chkNum1", u"1", "1", 3, 0, KeyKind::Digit},
    {Button::Num2, u"chkNum2", u"2", "2", 3, 1, KeyKind::Digit},
    {Button::Num3, u"chkNum3", u"3", "3", 3, 2, KeyKind::Digit},
    {Button::Menos, u"chkMenos", u"\u2212", QT_TRANSLATE_NOOP("Keypad", "Minus"), EnterRow, 3, KeyKind::Operator},
    {Button::Num0, u"chkNum0", u"0", "0", 4, 0, KeyKind::Digit},
    {Button::Virgula, u"chkVirgula", u".", QT_TRANSLATE_NOOP("Keypad", "Decimal separator"), 4, 1, KeyKind::Digit},
    {Button::Neg, u"chkNeg", u"+/-", QT_TRANSLATE_NOOP("Keypad", "Change sign"), 4, 2, KeyKind::Digit},
    {Button::Igual, u"chkIgual", u"=", QT_TRANSLATE_NOOP("Keypad", "Equals"), PlusRow, 3, KeyKind::Total},
    {Button::Mais, u"chkMais", u"+", QT_TRANSLATE_NOOP("Keypad", "Plus"), PlusRow, PlusColumn, KeyKind::Total},
}};

void paint(XPButton* key, KeyKind kind)
{
    switch (kind) {
    case KeyKind::Digit:
        key->setFaceColour(QColor(0xf7, 0xf8, 0xfa));
        key->setCaptionColour(QColor(0x1d, 0x26, 0x33));
        break;
    case KeyKind::Operator:
        key->setFaceColour(QColor(0xd6, 0xe2, 0xf1));
        key->setCaptionColour(QColor(0x15, 0x39, 0x6a));
        break;
    case KeyKind::Total:
        key->setFaceColour(QColor(0xff, 0xcc, 0x73));
        key->setCaptionColour(QColor(0x4d, 0x2c, 0x00));
        break;
    case KeyKind::Memory:
        key->setFaceColour(QColor(0x5b, 0x6d, 0x87));
        key->setCaptionColour(Qt::white);
        break;
    case KeyKind::Clear:
        key->setFaceColour(QColor(0xf4, 0xcd, 0xc8));
        key->setCaptionColour(QColor(0x8c, 0x1d, 0x12));
        break;
    }
}

} // namespace

Keypad::Keypad(Calculator& calculator, QWidget* parent)
    : QGroupBox(parent)
    , m_calculator(calculator)
    , m_grid(new QGridLayout(this))
{
    setObjectName(QStringLiteral("fraTeclado"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    for (const KeyDesign& design : Design) {
        auto* key = new XPButton(design.caption.toString(), this);
        key->setObjectName(design.name.toString());
        key->setAccessibleName(tr(design.description));
        key->setFocusPolicy(Qt::NoFocus);
        // The columns share the width alike, whatever a caption asks for ("EN TER" is wider
        // than a digit), so that the keys stand in even columns in both modes.
        key->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
        paint(key, design.kind);
        m_grid->addWidget(key, design.row, design.column);
        const Button button = design.button;
        connect(key, &XPButton::mouseUp, this, [this, button](int mouseButton) { keyReleased(button, mouseButton); });
        m_keys[std::size_t(button)] = key;
    }
    for (int column = 0; column < m_grid->columnCount(); ++column)
        m_grid->setColumnStretch(column, 1);
    setLayoutScale(1.0);
    render();
}

// Every measure is the design's times the scale, so switching back and forth between the
// layouts always returns to the same sizes.
void Keypad::setLayoutScale(double scale)
{
    m_scale = scale;
    m_grid->setSpacing(scaled(KeySpacing));
    for (const KeyDesign& design : Design) {
        XPButton* key = this->key(design.button);
        key->setMinimumSize(scaled(KeyWidth), scaled(KeyHeight));
        QFont face = key->font();
        face.setBold(true);
        face.setPixelSize(scaled(design.kind == KeyKind::Memory ? MemoryKeyPixelSize : KeyPixelSize));
        key->setFont(face);
    }
    QFont titleFont = font();
    titleFont.setBold(true);
    titleFont.setPixelSize(scaled(TitlePixelSize));
    setFont(titleFont);
    reserveTitleSpace();
}

int Keypad::scaled(int measure) const
{
    return std::max(1, int(std::lround(measure * m_scale)));
}

// The style sizes the frame's margins after the title, and leaves less room for an empty
// one; the keys keep their place whether the memory holds a value or not.
void Keypad::reserveTitleSpace()
{
    const QMargins frame = contentsMargins();
    const int margin = scaled(FrameMargin);
    m_grid->setContentsMargins(std::max(0, margin - frame.left()), std::max(0, titleHeight() - frame.top()),
                               std::max(0, margin - frame.right()), std::max(0, margin - frame.bottom()));
}

int Keypad::titleHeight() const
{
    return fontMetrics().height() + scaled(FrameMargin);
}

void Keypad::changeEvent(QEvent* event)
{
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::FontChange)
        reserveTitleSpace();
}

// The focus moving from the list may end its edit mode: with the button, one render.
void Keypad::keyReleased(Button button, int mouseButton)
{
    const numerette::ChangeBatch oneRender(m_calculator);
    const bool right = mouseButton == XPButton::RightButton;
    if (right || mouseButton == XPButton::LeftButton)
        emit entryFocusWanted();
    if (right && (button == Button::Mais || button == Button::Igual)) {
        emit enterKeyMenuRequested(QCursor::pos());
        return;
    }
    m_calculator.pressButton(button);
}

void Keypad::render()
{
    for (std::size_t i = 0; i < m_keys.size(); ++i)
        m_keys[i]->setValue(m_calculator.isPressed(Button(i)));
    key(Button::Virgula)->setText(QString(m_calculator.DecimalSeparator()));
    // Time mode has neither decimals nor a memory register.
    for (const Button numberOnly : {Button::Virgula, Button::MC, Button::MR, Button::Mmais, Button::Mmenos})
        key(numberOnly)->setEnabled(!m_calculator.timeMode());
    // The grand total stands after the memory register while it holds a total.
    const QString grandTotal = m_calculator.grandTotalText();
    QString shown = m_calculator.memory();
    if (!grandTotal.isEmpty()) {
        //: The grand total above the keys; %1 is its value. GT is what the grand-total key is called.
        shown += (shown.isEmpty() ? QString() : QStringLiteral("    ")) + tr("GT %1").arg(grandTotal);
    }
    if (title() != shown) {
        setTitle(shown);
        reserveTitleSpace();
    }

    const bool addMode = m_calculator.addMode();
    if (m_addModeLook != addMode)
        placePlusKey(addMode);
}

void Keypad::placePlusKey(bool addMode)
{
    m_addModeLook = addMode;
    // The tooltips name the keyboard key that types the button.
    //: Tooltip of the = button in add mode: the NumLock key of the keyboard types it
    const QString numLockKey = tr(" NumLock ");
    //: Tooltip of a button the keyboard's Enter key types
    const QString enterKey = tr(" Enter ");
    //: Tooltip of the + button in result mode: the keyboard's + key types it
    const QString plusKey = tr(" + ");
    key(Button::Igual)->setToolTip(addMode ? numLockKey : enterKey);
    key(Button::Mais)->setToolTip(addMode ? enterKey : plusKey);
    XPButton* plus = key(Button::Mais);
    m_grid->removeWidget(plus);
    if (addMode)
        m_grid->addWidget(plus, EnterRow, PlusColumn, 2, 1);
    else
        m_grid->addWidget(plus, PlusRow, PlusColumn);
    //: Face of the tall Enter button of add mode, on one line in one button's width: at most 6 characters
    plus->setText(addMode ? tr("EN TER") : QStringLiteral("+"));
    plus->setAccessibleName(addMode ? tr("Enter") : tr("Plus"));
}

// A dark panel with the memory register centred above the keys, white, or yellow when
// it is negative.
void Keypad::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    m_panel.draw(painter, *this, event->rect(), 0, [this](QPainter& picture) {
        picture.setRenderHint(QPainter::Antialiasing);
        const QRectF panel = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        QLinearGradient face(panel.topLeft(), panel.bottomLeft());
        face.setColorAt(0, QColor(0x3a, 0x4b, 0x64));
        face.setColorAt(1, QColor(0x24, 0x30, 0x44));
        picture.setPen(QPen(QColor(0x1a, 0x23, 0x33), 1));
        picture.setBrush(face);
        picture.drawRoundedRect(panel, 8, 8);
    });
    painter.setRenderHint(QPainter::Antialiasing);

    const bool negative = m_calculator.memoryColour() == numerette::MemoryColour::Yellow;
    painter.setPen(negative ? QColor(255, 255, 0) : QColor(255, 255, 255));
    painter.drawText(QRect(0, 0, width(), titleHeight()), Qt::AlignCenter, title());
}

// A click on the frame between the keys misses every key: the platform beep says so.
void Keypad::mousePressEvent(QMouseEvent* event)
{
    QApplication::beep();
    event->accept();
}
