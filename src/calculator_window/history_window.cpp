// SPDX-License-Identifier: GPL-3.0-or-later
#include "history_window.h"

#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QVBoxLayout>

#include "calculator.h"
#include "calculator_port.h"
#include "export_command.h"
#include "list_printing.h"
#include "message_boxes.h"
#include "message_catalogue.h"
#include "page_printer.h"
#include "tape_archive.h"

using numerette::Decimal;
using numerette::history::ArchivedCalculation;

namespace {

// The size of the page print's medium font.
constexpr int PrintPointSize = 10;

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QString& accessible)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setAccessibleName(accessible);
    b->setAutoDefault(false);
    return b;
}

template <typename Field>
Field* named(Field* field, const char* name, const QString& accessible)
{
    field->setObjectName(QLatin1String(name));
    field->setAccessibleName(accessible);
    return field;
}

// A label whose mnemonic moves the focus to its field.
QLabel* labelFor(QWidget* field, const QString& caption)
{
    auto* label = new QLabel(caption, field->parentWidget());
    label->setBuddy(field);
    return label;
}

} // namespace

HistoryWindow::HistoryWindow(HistoryWindowServices services, QWidget* parent)
    : QDialog(parent)
    , m_services(std::move(services))
{
    setObjectName(QStringLiteral("frmHistorico"));
    setWindowTitle(QLatin1Char(' ') + tr("Tape History"));
    buildControls();
    refresh();
    // The window opens on the newest day's tape rather than on an empty one.
    if (m_days->count() > 0)
        m_days->setCurrentRow(0);
}

void HistoryWindow::buildControls()
{
    m_amountFrom = named(new QLineEdit(this), "txtValor", tr("Amount, or the lowest amount"));
    m_amountTo = named(new QLineEdit(this), "txtValorAte", tr("Highest amount"));
    m_words = named(new QLineEdit(this), "txtPalavras", tr("Words of the labels and notes"));
    m_fromOn = named(new QCheckBox(tr("&From:"), this), "chkDe", tr("From a day on"));
    m_from = named(new QDateEdit(QDate::currentDate(), this), "dtDe", tr("First day"));
    m_toOn = named(new QCheckBox(tr("&Until:"), this), "chkAte", tr("Until a day"));
    m_to = named(new QDateEdit(QDate::currentDate(), this), "dtAte", tr("Last day"));
    for (QDateEdit* date : {m_from, m_to}) {
        date->setCalendarPopup(true);
        date->setEnabled(false);
    }
    connect(m_fromOn, &QCheckBox::toggled, m_from, &QWidget::setEnabled);
    connect(m_toOn, &QCheckBox::toggled, m_to, &QWidget::setEnabled);
    QPushButton* find = button(this, "cmdProcurar", tr("&Search"), tr("Search"));
    connect(find, &QPushButton::clicked, this, &HistoryWindow::search);
    for (QLineEdit* field : {m_amountFrom, m_amountTo, m_words})
        connect(field, &QLineEdit::returnPressed, this, &HistoryWindow::search);

    auto* fields = new QGridLayout;
    fields->addWidget(labelFor(m_amountFrom, tr("&Amount:")), 0, 0);
    fields->addWidget(m_amountFrom, 0, 1);
    fields->addWidget(labelFor(m_amountTo, tr("t&o")), 0, 2);
    fields->addWidget(m_amountTo, 0, 3);
    fields->addWidget(labelFor(m_words, tr("&Words:")), 0, 4);
    fields->addWidget(m_words, 0, 5);
    fields->addWidget(m_fromOn, 1, 0);
    fields->addWidget(m_from, 1, 1);
    fields->addWidget(m_toOn, 1, 2);
    fields->addWidget(m_to, 1, 3);
    fields->addWidget(find, 1, 5);

    m_days = named(new QListWidget(this), "lstDias", tr("Days"));
    m_results = named(new QListWidget(this), "lstResultados", tr("Calculations found"));
    m_view = named(new QPlainTextEdit(this), "txtFitaHistorico", tr("Tape"));
    m_view->setReadOnly(true);
    m_view->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_view->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_view->setMinimumWidth(m_view->fontMetrics().horizontalAdvance(QString(30, u'0')));
    m_view->viewport()->installEventFilter(this);
    m_view->installEventFilter(this);
    connect(m_days, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item)
            showDay(item->data(Qt::UserRole).toDate());
    });
    connect(m_results, &QListWidget::currentRowChanged, this, &HistoryWindow::moveToCalculation);

    auto* lists = new QVBoxLayout;
    lists->addWidget(labelFor(m_days, tr("&Days:")));
    lists->addWidget(m_days, 2);
    lists->addWidget(labelFor(m_results, tr("&Calculations found:")));
    lists->addWidget(m_results, 1);
    auto* tapeColumn = new QVBoxLayout;
    tapeColumn->addWidget(labelFor(m_view, tr("&Tape:")));
    tapeColumn->addWidget(m_view, 1);
    auto* middle = new QHBoxLayout;
    middle->addLayout(lists, 1);
    middle->addLayout(tapeColumn, 1);

    const struct {
        const char* name;
        QString caption;
        QString accessible;
        void (HistoryWindow::*command)();
    } commands[] = {
        {"cmdReentrar", tr("&Re-enter Value"), tr("Re-enter the value into the calculator"), nullptr},
        {"cmdCopiar", tr("Co&py Lines"), tr("Copy lines"), &HistoryWindow::copyLines},
        {"cmdExportar", tr("E&xport..."), tr("Export the tape shown"), &HistoryWindow::exportShown},
        {"cmdImprimir", tr("Pri&nt"), tr("Print the tape shown"), &HistoryWindow::printShown},
        {"cmdApagar", tr("D&elete Calculation..."), tr("Delete the calculation"), &HistoryWindow::deleteCalculation},
        {"cmdApagarDia", tr("Delete Da&y..."), tr("Delete the day"), &HistoryWindow::deleteDay},
        {"cmdImportar", tr("&Import Backup File"), tr("Import the backup file"), &HistoryWindow::importBackup},
    };
    // Two rows of four, so that the window fits a small screen at a large scale factor.
    constexpr int ButtonsPerRow = 4;
    auto* buttons = new QGridLayout;
    int placed = 0;
    const auto place = [&](QWidget* widget) {
        buttons->addWidget(widget, placed / ButtonsPerRow, placed % ButtonsPerRow);
        ++placed;
    };
    for (const auto& command : commands) {
        QPushButton* b = button(this, command.name, command.caption, command.accessible);
        if (command.command)
            connect(b, &QPushButton::clicked, this, command.command);
        else
            connect(b, &QPushButton::clicked, this, &HistoryWindow::reenterValue);
        place(b);
    }
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    close->setObjectName(QStringLiteral("cmdFechar"));
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Return belongs to the field or the tape it is pressed in, never to a default button.
    for (QAbstractButton* b : close->buttons()) {
        if (auto* push = qobject_cast<QPushButton*>(b))
            push->setAutoDefault(false);
    }
    place(close);

    m_status = named(new QLabel(this), "lblEstado", tr("Status"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(middle, 1);
    layout->addWidget(m_status);
    layout->addLayout(buttons);
}

void HistoryWindow::refresh()
{
    const QDate current = m_days->currentItem() ? m_days->currentItem()->data(Qt::UserRole).toDate() : QDate();
    const QSignalBlocker blocker(m_days);
    m_days->clear();
    const QLocale locale;
    const numerette::NumberLocale numbers = m_services.calculator.numberLocale();
    for (const numerette::history::ArchivedDay& day : m_services.archive.days()) {
        const QString sum = numerette::FormatPicture(Decimal::fromDouble15(day.totalSum).value_or(Decimal()),
                                                     u"#,##0.00", numbers);
        // Two lines, so that the row fits the list at any scale and in every language.
        auto* item = new QListWidgetItem(tr("%1\ncalculations: %2, totals: %3")
                                             .arg(locale.toString(day.day, QLocale::ShortFormat) + QLatin1Char(' ')
                                                      + locale.dayName(day.day.dayOfWeek(), QLocale::ShortFormat))
                                             .arg(day.calculations)
                                             .arg(sum),
                                         m_days);
        item->setData(Qt::UserRole, day.day);
        if (day.day == current)
            m_days->setCurrentItem(item);
    }
    if (current.isValid() && m_days->currentItem())
        showDay(current);
}

void HistoryWindow::tell(const QString& text)
{
    m_status->setText(text);
}

void HistoryWindow::showDay(QDate day)
{
    m_results->clear();
    showCalculations(m_services.archive.dayCalculations(day));
    tell(tr("Calculations on this day: %1.").arg(m_shown.size()));
}

void HistoryWindow::showCalculations(const QList<ArchivedCalculation>& calculations)
{
    m_shown = calculations;
    const numerette::CalculatorPort names;
    m_tape = numerette::history::printedTape(m_shown, m_services.calculator.dateOrder(),
                                             [&names](QDate day) { return names.weekdayName(day); });
    // The view ends its lines with one character where the tape has CR LF.
    m_viewStarts.clear();
    for (const qsizetype start : m_tape.starts)
        m_viewStarts.append(int(start - m_tape.text.left(start).count(u'\r')));
    m_view->setPlainText(QString(m_tape.text).remove(u'\r'));
}

std::optional<Decimal> HistoryWindow::typedAmount(QLineEdit* field, bool* bad) const
{
    if (field->text().trimmed().isEmpty())
        return std::nullopt;
    // As the keypad reads numbers: the calculator's separators, grouping by thousands only.
    const auto value = numerette::ValueOf(field->text(), m_services.calculator.numberLocale().withThousandsGrouping());
    if (!value)
        *bad = true;
    return value;
}

void HistoryWindow::search()
{
    numerette::history::ArchiveQuery query;
    bool bad = false;
    query.amountFrom = typedAmount(m_amountFrom, &bad);
    query.amountTo = typedAmount(m_amountTo, &bad);
    if (bad) {
        tell(tr("The amount is no number."));
        return;
    }
    query.words = m_words->text();
    if (m_fromOn->isChecked())
        query.from = m_from->date();
    if (m_toOn->isChecked())
        query.to = m_to->date();
    if (query.isEmpty()) {
        tell(tr("Type an amount or words, or choose the days to search."));
        return;
    }
    // Shown oldest first, as a tape reads; the newest ones are those found.
    QList<ArchivedCalculation> found = m_services.archive.search(query);
    std::reverse(found.begin(), found.end());
    {
        const QSignalBlocker blocker(m_days);
        m_days->setCurrentItem(nullptr);
    }
    showCalculations(found);
    const QSignalBlocker blocker(m_results);
    m_results->clear();
    const QLocale locale;
    for (const ArchivedCalculation& c : m_shown) {
        const QString what = !c.labels.isEmpty() ? c.labels : c.notes.section(QLatin1Char('\n'), 0, 0);
        m_results->addItem(locale.toString(c.day, QLocale::ShortFormat) + QStringLiteral("  ")
                           + (c.totalText.isEmpty() ? tr("note") : c.totalText)
                           + (what.isEmpty() ? QString() : QStringLiteral("  ") + what));
    }
    tell(found.isEmpty() ? tr("No calculation found.")
                         : tr("Calculations found: %1.").arg(found.size())
                               + (found.size() >= query.limit ? QLatin1Char(' ') + tr("Only the newest are shown.")
                                                              : QString()));
    if (!found.isEmpty()) {
        m_results->setCurrentRow(int(found.size()) - 1);
        moveToCalculation(int(found.size()) - 1);
    }
}

int HistoryWindow::currentCalculation() const
{
    const int caret = m_view->textCursor().selectionStart();
    const auto after = std::upper_bound(m_viewStarts.cbegin(), m_viewStarts.cend(), caret);
    return after == m_viewStarts.cbegin() ? -1 : int(after - m_viewStarts.cbegin()) - 1;
}

void HistoryWindow::moveToCalculation(int index)
{
    if (index < 0 || index >= m_viewStarts.size())
        return;
    QTextCursor cursor = m_view->textCursor();
    // The calculation's lines, without the break after its last one.
    const int length = int(m_shown[index].text.size()) - int(m_shown[index].text.count(u'\r')) - 1;
    cursor.setPosition(m_viewStarts[index]);
    cursor.setPosition(m_viewStarts[index] + length, QTextCursor::KeepAnchor);
    m_view->setTextCursor(cursor);
    m_view->ensureCursorVisible();
}

QString HistoryWindow::currentLine() const
{
    return m_view->textCursor().block().text();
}

bool HistoryWindow::reenterValue()
{
    const int index = currentCalculation();
    if (index < 0)
        return false;
    // The line the caret is on, or the total of a calculation chosen whole.
    std::optional<Decimal> value = numerette::history::lineAmount(currentLine(), m_shown[index].decimal);
    if (!value && m_view->textCursor().hasSelection())
        value = m_shown[index].total;
    if (!value) {
        tell(tr("Put the cursor on an item or a total to re-enter its value."));
        return false;
    }
    QString text = value->toPlainText();
    text.replace(u'.', m_services.calculator.numberLocale().decimal);
    m_services.calculator.enterNumber(text);
    tell(tr("%1 re-entered into the calculator.").arg(text));
    return true;
}

void HistoryWindow::copyLines()
{
    QString text = m_view->textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    const int index = currentCalculation();
    if (text.isEmpty() && index >= 0)
        text = m_shown[index].text;
    if (text.isEmpty())
        return;
    // The clipboard monitor takes no input from what the calculator puts there itself.
    m_services.calculator.setLastClipboardText(text);
    QApplication::clipboard()->setText(text);
    tell(tr("Copied."));
}

void HistoryWindow::exportShown()
{
    if (m_tape.text.isEmpty())
        return;
    const QString path = askExportFile(*this, QLatin1Char(' ') + tr("Export from the History"), m_services.settings);
    if (path.isEmpty())
        return;
    const QChar decimal = m_shown.constFirst().decimal;
    if (exportListTo(*this, m_services.settings, path, m_tape.text, m_services.calculator.dateOrder(),
                     numerette::NumberLocale::withDecimal(decimal), 0, m_tape.text.size()))
        tell(tr("Exported."));
}

void HistoryWindow::printShown()
{
    if (m_tape.text.isEmpty())
        return;
    const numerette::PrintReport report =
        m_services.printer.printText(m_tape.text, PrintPointSize, numerette::PrinterChoice::Default);
    if (const std::optional<PrintNotice> notice = printNotice(report))
        numerette::message_boxes::show(this, notice->icon, notice->text);
}

bool HistoryWindow::confirm(const QString& question)
{
    return numerette::message_boxes::askYesNo(this, question, QMessageBox::Warning, QMessageBox::No);
}

void HistoryWindow::deleteCalculation()
{
    const int index = currentCalculation();
    if (index < 0) {
        tell(tr("Put the cursor on the calculation to delete."));
        return;
    }
    const ArchivedCalculation chosen = m_shown[index];
    if (!confirm(tr("Delete this calculation of %1 from the history?\n\n%2")
                     .arg(QLocale().toString(chosen.day, QLocale::ShortFormat), chosen.text.trimmed())))
        return;
    if (!m_services.archive.remove(chosen.id)) {
        tell(tr("The calculation could not be deleted."));
        return;
    }
    m_shown.removeAt(index);
    showCalculations(QList<ArchivedCalculation>(m_shown));
    delete m_results->takeItem(index);
    refresh();
    tell(tr("The calculation was deleted."));
}

void HistoryWindow::deleteDay()
{
    QListWidgetItem* item = m_days->currentItem();
    if (!item) {
        tell(tr("Choose the day to delete."));
        return;
    }
    const QDate day = item->data(Qt::UserRole).toDate();
    if (!confirm(tr("Delete every calculation of %1 from the history?").arg(QLocale().toString(day, QLocale::LongFormat))))
        return;
    if (!m_services.archive.removeDay(day)) {
        tell(tr("The day could not be deleted."));
        return;
    }
    showCalculations({});
    refresh();
    tell(tr("The day was deleted."));
}

void HistoryWindow::importBackup()
{
    const numerette::history::ImportResult result = m_services.importBackup();
    refresh();
    if (!result.error.isEmpty())
        tell(tr("The backup file could not be imported: %1").arg(result.error));
    else
        tell(tr("Calculations imported from the backup file: %1; already in the history: %2.")
                 .arg(result.added)
                 .arg(result.alreadyThere));
}

bool HistoryWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_view->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        m_view->setTextCursor(m_view->cursorForPosition(mouse->position().toPoint()));
        reenterValue();
        return true;
    }
    if (watched == m_view && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            reenterValue();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
