// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_data.h"

#include <algorithm>
#include <cmath>

#include <QCheckBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>

#include "tape_reports.h"
#include "date_field.h"
#include "typed_length.h"
#include "message_catalogue.h"
#include "settings_store.h"
#include "tool_dialog.h"

using numerette::Message;
using numerette::dates::Button;
using numerette::dates::Outcome;

namespace {

constexpr std::array<int, numerette::dates::UnitCount> ResultLengths{3, 4, 5, 7};
constexpr std::array<Message, 2> DateCaptions{Message::InitialDateCaption, Message::FinalDateCaption};
constexpr std::array<Message, 5> ButtonMessages{Message::YearsButton, Message::MonthsButton, Message::WeeksButton,
                                                Message::DaysButton, Message::CalculateFinalDateButton};
// How far a result field's text is selected when it takes the focus, and after a calculation.
constexpr int ResultSelection = 10;
constexpr int YearsSelection = 3;

// The large-font layout is 1.9 times as tall as the normal one, where its width doubles.
constexpr double LargeHeightFactor = 1.9;

QFont doubled(QFont font)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * 2);
    else
        font.setPixelSize(font.pixelSize() * 2);
    return font;
}

// A weekday label is as wide as the longest weekday name in its font, so the layout does not
// depend on the day it happens to show.
void fitWeekdays(QLabel& label)
{
    const QFontMetrics metrics(label.font());
    const QLocale locale = QLocale::system();
    int widest = 0;
    for (int day = Qt::Monday; day <= Qt::Sunday; ++day)
        widest = std::max(widest, metrics.horizontalAdvance(locale.dayName(day)));
    label.setMinimumWidth(widest);
}

QString indexed(const char* name, int index)
{
    return QLatin1String(name) + QString::number(index);
}

} // namespace

frmData::frmData(numerette::TapeReports& reports, const QString& dateFormat, QWidget* parent)
    : QDialog(parent)
    , m_reports(reports)
    , m_style(numerette::dates::dateStyleOf(dateFormat, numerette::dates::dateSeparatorOf(QLocale::system())))
{
    setObjectName(QStringLiteral("frmData"));
    numerette::closeWhenAnotherWindowIsActive(*this, [this] { return !m_showingMessage; });
    setWindowTitle(numerette::LoadMessage(Message::DateWindowTitle));
    setWindowFlag(Qt::WindowStaysOnTopHint, numerette::SettingsStore().Visivel());
    buildControls();
    orderTabs();
    for (int i = 0; i < 2; ++i)
        m_txtData[i]->setText(today());
    if (parent)
        move(parent->window()->pos());
}

void frmData::buildControls()
{
    auto* grid = new QGridLayout(this);
    for (int i = 0; i < 2; ++i) {
        auto* caption = new QLabel(numerette::LoadMessage(DateCaptions[i]), this);
        caption->setObjectName(indexed("lblDat", i));
        m_txtData[i] = new DateField(m_style, this);
        m_txtData[i]->setObjectName(indexed("txtData", i));
        //: Tooltip of a date field: the order it is typed in (day, month, year)
        const QString dayFirst = tr("dd/mm/yyyy");
        //: Tooltip of a date field: the order it is typed in (month, day, year)
        const QString monthFirst = tr("mm/dd/yyyy");
        m_txtData[i]->setToolTip(m_style.order == numerette::tape::DateOrder::DayMonthYear ? dayFirst : monthFirst);
        m_txtData[i]->installEventFilter(this);
        caption->setBuddy(m_txtData[i]);
        m_lblData[i] = new QLabel(this);
        m_lblData[i]->setObjectName(indexed("lblData", i));
        fitWeekdays(*m_lblData[i]);
        grid->addWidget(caption, i, 0);
        grid->addWidget(m_txtData[i], i, 1);
        grid->addWidget(m_lblData[i], i, 2);
        connect(m_txtData[i], &DateField::focused, this, [this, i] { dateFocused(i); });
        connect(m_txtData[i], &DateField::left, this, [this, i] { leaveDate(i); });
        connect(m_txtData[i], &DateField::typed, this, &frmData::clearResults);
        connect(m_txtData[i], &DateField::contentChanged, this, [this, i] { dateChanged(i); });
    }
    const std::array<const char*, numerette::dates::UnitCount> resultNames{"txtAnos", "txtMeses", "txtSemanas",
                                                                           "txtDias"};
    // The boxes and fields have no captions of their own (the buttons beside them name the
    // units), so assistive technology is told what each one is.
    const std::array<QString, numerette::dates::UnitCount> unitNames{tr("Years"), tr("Months"), tr("Weeks"),
                                                                      tr("Days")};
    const std::array<QString, numerette::dates::UnitCount> useNames{tr("Count years"), tr("Count months"),
                                                                     tr("Count weeks"), tr("Count days")};
    for (int i = 0; i < numerette::dates::UnitCount; ++i) {
        m_check[i] = new QCheckBox(this);
        m_check[i]->setAccessibleName(useNames[i]);
        m_check[i]->setObjectName(indexed("Check1", i));
        m_check[i]->setChecked(true);
        m_check[i]->setCursor(Qt::PointingHandCursor);
        m_results[i] = new QLineEdit(this);
        m_results[i]->setObjectName(QLatin1String(resultNames[i]));
        m_results[i]->setAccessibleName(unitNames[i]);
        // A count the window calculates is shown whole, even past what may be typed.
        numerette::limitTypedLength(*m_results[i], ResultLengths[i]);
        m_results[i]->installEventFilter(this);
        grid->addWidget(m_check[i], 2 + i, 0, Qt::AlignRight);
        grid->addWidget(m_results[i], 2 + i, 1);
        connect(m_check[i], &QCheckBox::clicked, this, [this] { cmdCalcula_Click(Button::Years); });
    }
    for (int i = 0; i < int(m_cmdCalcula.size()); ++i) {
        m_cmdCalcula[i] = new QPushButton(numerette::LoadMessage(ButtonMessages[i]), this);
        m_cmdCalcula[i]->setObjectName(indexed("cmdCalcula", i));
        m_cmdCalcula[i]->setAutoDefault(false);
        m_cmdCalcula[i]->installEventFilter(this);
        if (i < numerette::dates::UnitCount)
            grid->addWidget(m_cmdCalcula[i], 2 + i, 2);
        else
            grid->addWidget(m_cmdCalcula[i], 6, 1, 1, 2);
        connect(m_cmdCalcula[i], &QPushButton::clicked, this, [this, i] { cmdCalcula_Click(Button(i)); });
    }
    m_lblBis = new QLabel(numerette::LoadMessage(Message::LeapYearsLabel), this);
    m_lblBis->setObjectName(QStringLiteral("lblBis"));
    m_lblBissextos = new QLabel(this);
    m_lblBissextos->setObjectName(QStringLiteral("lblBissextos"));
    m_lblBis->hide();
    m_lblBissextos->hide();
    grid->addWidget(m_lblBis, 7, 0, 1, 2, Qt::AlignRight);
    grid->addWidget(m_lblBissextos, 7, 2);

    const QDate now = QDate::currentDate();
    m_lblHoje = new QLabel(numerette::LoadMessage(Message::TodayLabel) + today() + QLatin1Char('\n')
                               + QLocale::system().toString(now, QLocale::LongFormat),
                           this);
    m_lblHoje->setObjectName(QStringLiteral("lblHoje"));
    m_lblHoje->setCursor(Qt::PointingHandCursor);
    m_lblHoje->installEventFilter(this);
    grid->addWidget(m_lblHoje, 8, 0, 1, 3, Qt::AlignCenter);
}

void frmData::orderTabs()
{
    QList<QWidget*> chain{m_txtData[0], m_txtData[1]};
    chain.append(QList<QWidget*>(m_results.begin(), m_results.end()));
    chain.append(QList<QWidget*>(m_cmdCalcula.begin(), m_cmdCalcula.end()));
    chain.append(QList<QWidget*>(m_check.begin(), m_check.end()));
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void frmData::useLargeFontLayout()
{
    // Measured from the normal layout, which is what the window would show at its own size.
    adjustSize();
    const QSize normal = size();
    for (auto* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        control->setFont(doubled(control->font()));
    for (QLabel* weekday : m_lblData)
        fitWeekdays(*weekday);
    // A check box without a caption keeps the style's tick box whatever its font.
    const int tickWidth = style()->pixelMetric(QStyle::PM_IndicatorWidth) * 2;
    const int tickHeight = style()->pixelMetric(QStyle::PM_IndicatorHeight) * 2;
    for (QCheckBox* box : m_check)
        box->setStyleSheet(
            QStringLiteral("QCheckBox::indicator { width: %1px; height: %2px; }").arg(tickWidth).arg(tickHeight));
    // Doubled gaps with doubled controls double every control's place as well as its size.
    auto* grid = static_cast<QGridLayout*>(layout());
    grid->setContentsMargins(grid->contentsMargins() * 2);
    grid->setHorizontalSpacing(grid->horizontalSpacing() * 2);
    grid->setVerticalSpacing(grid->verticalSpacing() * 2);
    grid->activate();
    resize(normal.width() * 2, int(std::lround(normal.height() * LargeHeightFactor)));
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
}

QString frmData::today() const
{
    return numerette::dates::formatDate(QDate::currentDate(), m_style);
}

void frmData::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_txtData[0]->setFocus(Qt::OtherFocusReason);
}

bool frmData::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyRelease)
        emit keyReleased();
    if (event->type() == QEvent::MouseButtonRelease && watched == m_lblHoje) {
        lblHoje_Click();
        return false;
    }
    const auto result = std::find(m_results.begin(), m_results.end(), watched);
    if (event->type() == QEvent::FocusIn && result != m_results.end()) {
        QLineEdit* field = *result;
        QTimer::singleShot(0, field, [field] { field->setSelection(0, ResultSelection); });
    }
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const QString text = key->text();
    const bool character = !text.isEmpty() && text.at(0).isPrint();

    if (result != m_results.end() && (character || enter || key->key() == Qt::Key_Backspace)) {
        m_check[result - m_results.begin()]->setChecked(true);
        if (!enter)
            m_txtData[1]->setText(QString());
    }
    if (key->key() == Qt::Key_Escape) {
        reject();
        return true;
    }
    if (enter) {
        if (auto* button = qobject_cast<QPushButton*>(watched)) {
            button->click();
            return true;
        }
        focusNextChild();
        return true;
    }
    if (character && !text.at(0).isDigit() && text.at(0) != QLatin1Char('-'))
        return true;
    return QDialog::eventFilter(watched, event);
}

void frmData::dateFocused(int index)
{
    if (index == 1 && m_txtData[0]->text() != today()
        && !numerette::dates::DateOf(m_txtData[1]->text(), m_style))
        m_txtData[1]->setText(today());
}

void frmData::dateChanged(int index)
{
    const QString weekday = numerette::dates::weekdayName(m_txtData[index]->text(), m_style, QLocale::system());
    m_lblData[index]->setText(weekday);
    for (int i = 0; i < numerette::dates::UnitCount; ++i)
        m_cmdCalcula[i]->setEnabled(!weekday.isEmpty());
    m_cmdCalcula[4]->setEnabled(weekday.isEmpty());
}

bool frmData::validateDate(int index)
{
    DateField* field = m_txtData[index];
    if (const auto valid = numerette::dates::validatedDateText(field->text(), m_style)) {
        field->setText(*valid);
        return true;
    }
    showMessage(Message::IncorrectDate);
    field->setText(numerette::dates::emptyMask(m_style));
    field->setFocus(Qt::OtherFocusReason);
    return false;
}

void frmData::leaveDate(int index)
{
    if (m_showingMessage)
        return;
    validateDate(index);
    if (!numerette::dates::DateOf(m_txtData[0]->text(), m_style))
        m_txtData[0]->setText(today());
}

void frmData::lblHoje_Click()
{
    for (DateField* field : m_txtData)
        field->setText(today());
}

void frmData::clearResults()
{
    for (QLineEdit* result : m_results)
        result->clear();
    m_lblBissextos->clear();
    m_lblBissextos->hide();
    m_lblBis->hide();
}

void frmData::showMessage(Message message)
{
    m_showingMessage = true;
    QMessageBox box(QMessageBox::Warning, windowTitle(), numerette::LoadMessage(message), QMessageBox::Ok, this);
    box.exec();
    m_showingMessage = false;
}

numerette::dates::DateForm frmData::form() const
{
    numerette::dates::DateForm form;
    form.initialDate = m_txtData[0]->text();
    form.finalDate = m_txtData[1]->text();
    for (int i = 0; i < numerette::dates::UnitCount; ++i) {
        form.results[i] = m_results[i]->text();
        form.ticked[i] = m_check[i]->isChecked();
    }
    form.leapDays = m_lblBissextos->text();
    return form;
}

void frmData::showForm(const numerette::dates::DateForm& form)
{
    m_txtData[1]->setText(form.finalDate);
    for (int i = 0; i < numerette::dates::UnitCount; ++i)
        m_results[i]->setText(form.results[i]);
    m_lblBissextos->setText(form.leapDays);
    const bool counted = !form.leapDays.isEmpty() && form.leapDays != QLatin1String("0");
    m_lblBissextos->setVisible(counted);
    m_lblBis->setVisible(counted);
}

void frmData::cmdCalcula_Click(Button button)
{
    leaveDate(0);
    validateDate(1);
    numerette::dates::DateForm calculation = form();
    const Outcome outcome = numerette::dates::calculate(calculation, button, m_style);
    showForm(calculation);
    if (outcome == Outcome::FinalBeforeInitial) {
        showMessage(Message::InitialDateAfterFinal);
        return;
    }
    if (outcome == Outcome::MissingInformation)
        showMessage(Message::CheckFields);
    m_results[0]->setFocus(Qt::OtherFocusReason);
    m_results[0]->setSelection(0, YearsSelection);
}

void frmData::writeReport()
{
    leaveDate(0);
    const QString report = numerette::dates::dateReport(form(), m_style);
    if (report.isEmpty())
        return;
    m_reports.appendReportLines(report);
    m_txtData[1]->setText(QString());
}

void frmData::done(int result)
{
    if (!m_closing) {
        m_closing = true;
        writeReport();
    }
    QDialog::done(result);
    if (parentWidget() && m_reports.calculatorShown())
        parentWidget()->window()->activateWindow();
}
