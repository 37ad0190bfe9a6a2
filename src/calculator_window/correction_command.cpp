// SPDX-License-Identifier: GPL-3.0-or-later
#include "correction_command.h"

#include <functional>
#include <memory>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>

#include "calculator.h"
#include "correct_item_dialog.h"
#include "item_correction.h"
#include "menu_item.h"
#include "message_boxes.h"
#include "private_files.h"
#include "state_file.h"
#include "tape_positions.h"
#include "typed_calculations.h"
#include "typed_calculations_file.h"

using numerette::ReplayRefusal;

namespace {

// A history of a full list is a few hundred kilobytes at most; anything larger is not one.
constexpr qint64 MaxHistoryBytes = qint64(4) * 1024 * 1024;

QString refusalMessage(ReplayRefusal refusal)
{
    switch (refusal) {
    case ReplayRefusal::NotAnItem:
        return CorrectionCommand::tr("Put the cursor on an item line of a calculation to correct that item.");
    case ReplayRefusal::NotKnown:
        return CorrectionCommand::tr("This calculation was typed before the calculator was last started, or while "
                                     "its window was hidden, so the keys it was typed with are not known.\n\n"
                                     "It cannot be replayed; nothing was changed.");
    case ReplayRefusal::TimeMode:
        return CorrectionCommand::tr("This calculation was typed in time mode.\n\n"
                                     "It cannot be replayed; nothing was changed.");
    case ReplayRefusal::ModeChanged:
        return CorrectionCommand::tr("The number format or the ENTER key function changed during this calculation.\n\n"
                                     "It cannot be replayed; nothing was changed.");
    case ReplayRefusal::EditedText:
        return CorrectionCommand::tr("This calculation was changed by free-text editing.\n\n"
                                     "It cannot be replayed; nothing was changed.");
    case ReplayRefusal::Cut:
        return CorrectionCommand::tr("This calculation was cut short by a clear before its total.\n\n"
                                     "It cannot be replayed; nothing was changed.");
    case ReplayRefusal::UndoneOperator:
        return CorrectionCommand::tr("The percentage of this calculation was taken with the operator of an item "
                                     "that was undone before it.\n\nIt cannot be replayed; nothing was changed.");
    case ReplayRefusal::None:
        break;
    }
    return {};
}

// Gives the keyboard back where it was when the command's dialogs close: the window active
// again, then the widget that had the focus (none: the window takes the calculator's keys).
// The window's own activation puts the keyboard on the calculator, so the focus is set back
// only once that is done.
class FocusReturn {
public:
    explicit FocusReturn(QWidget& window)
        : m_window(&window)
        , m_focus(QApplication::focusWidget())
    {
    }
    ~FocusReturn()
    {
        if (!m_window)
            return;
        const auto restore = [window = m_window, focus = m_focus] {
            if (focus)
                focus->setFocus();
            else if (window && window->focusWidget())
                window->focusWidget()->clearFocus();
        };
        if (m_window->isActiveWindow()) {
            restore();
            return;
        }
        new ActivationWatch(*m_window, restore);  // owned by the window until it has run
        m_window->activateWindow();
    }
    FocusReturn(const FocusReturn&) = delete;
    FocusReturn& operator=(const FocusReturn&) = delete;

private:
    // Runs `then` once the window has handled its next activation, and goes.
    class ActivationWatch : public QObject {
    public:
        ActivationWatch(QWidget& window, std::function<void()> then)
            : QObject(&window)
            , m_then(std::move(then))
        {
            window.installEventFilter(this);
        }
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::WindowActivate) {
                QTimer::singleShot(0, watched, m_then);
                deleteLater();
            }
            return false;
        }

    private:
        std::function<void()> m_then;
    };

    QPointer<QWidget> m_window;
    QPointer<QWidget> m_focus;
};

} // namespace

CorrectionCommand::CorrectionCommand(QWidget& window, numerette::Calculator& calculator, QPlainTextEdit& tape,
                                     int hostTag)
    : QObject(&window)
    , m_window(window)
    , m_calculator(calculator)
    , m_tape(tape)
    , m_history(new numerette::TypedCalculations(calculator, this))
    , m_historyPath(numerette::stateFilePath(hostTag) + QStringLiteral(".keys"))
{
    // The first change of the list is the saved list coming back: the history kept with it
    // is taken back then, for the calculations whose lines still stand where they stood.
    m_restored = connect(&calculator, &numerette::Calculator::listEdited, this, [this] {
        disconnect(m_restored);
        takeBackHistory();
    });
    connect(&calculator, &numerette::Calculator::calculationClosed, this, &CorrectionCommand::keepHistory);

    m_correct = newMenuItem(this, QStringLiteral("mnuCorrigir"), tr("Co&rrect Item..."), Qt::Key_F10);
    connect(m_correct, &QAction::triggered, this, &CorrectionCommand::mnuCorrigir_Click);

    m_tape.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&m_tape, &QWidget::customContextMenuRequested, this, &CorrectionCommand::showTapeMenu);
}

CorrectionCommand::~CorrectionCommand() = default;

// A caret after the list's last line break stands on no line: the last line is meant.
qsizetype CorrectionCommand::caretListPosition() const
{
    const QString& list = m_calculator.list();
    const qsizetype position = numerette::listPosition(list, m_tape.textCursor().selectionStart());
    return std::min(position, std::max<qsizetype>(0, list.size() - 1));
}

void CorrectionCommand::mnuCorrigir_Click()
{
    correctAt(caretListPosition());
}

// The tape's own menu (copy, select all), with Correct Item for an item line of the locked list.
void CorrectionCommand::showTapeMenu(const QPoint& at)
{
    std::unique_ptr<QMenu> menu(m_tape.createStandardContextMenu(at));
    const qsizetype position =
        numerette::listPosition(m_calculator.list(), m_tape.cursorForPosition(at).position());
    if (m_calculator.listLocked() && m_history->at(position).refusal != ReplayRefusal::NotAnItem) {
        menu->addSeparator();
        QAction* correct = menu->addAction(m_correct->text());
        correct->setObjectName(QStringLiteral("mnuCorrigirLinha"));
        connect(correct, &QAction::triggered, this, [this, position] { correctAt(position); });
    }
    menu->exec(m_tape.viewport()->mapToGlobal(at));
}

void CorrectionCommand::correctAt(qsizetype listPosition)
{
    if (!m_calculator.listLocked())
        return;
    const FocusReturn focusReturn(m_window);
    const auto target = numerette::toCorrect(m_calculator, *m_history, listPosition);
    if (!target) {
        numerette::message_boxes::show(&m_window, QMessageBox::Information,
                                       refusalMessage(m_history->at(listPosition).refusal));
        return;
    }
    CorrectItemDialog dialog(*target, &m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const auto result = numerette::correctItem(m_calculator, *m_history, listPosition, dialog.item(),
                                               numerette::TypedItem{dialog.entry(), dialog.key()});
    if (result == numerette::CorrectionResult::Done)
        keepHistory();
    if (result == numerette::CorrectionResult::DoesNotClose)
        numerette::message_boxes::show(
            &m_window, QMessageBox::Information,
            tr("With this correction the calculation does not come out whole: a percentage of a zero total, or a "
               "number the format shows as zero.\n\nNothing was changed."));
}

// A calculation is taken back only when its keys still type the lines it stands for. What is
// at the path and is no file of a history's size (a FIFO, a device, a link to one) is never
// waited on nor read; the user is told, once the window is up, that it was left alone.
void CorrectionCommand::takeBackHistory()
{
    QString error;
    const auto bytes = numerette::files::readRegularFile(m_historyPath, MaxHistoryBytes, &error);
    if (!bytes) {
        if (!error.isEmpty())
            QTimer::singleShot(0, &m_window, [this, error] {
                numerette::message_boxes::show(
                    &m_window, QMessageBox::Warning,
                    tr("The keys of the calculations on the list were not read from\n%1\n\n%2\n\nThose "
                       "calculations cannot be corrected.")
                        .arg(QDir::toNativeSeparators(m_historyPath), error));
            });
        return;
    }
    const QString& list = m_calculator.list();
    for (const numerette::TypedCalculation& calculation : numerette::typedCalculationsFromJson(*bytes))
        numerette::adoptReplayable(*m_history, list, calculation);
}

// The history is a convenience: a file that cannot be written only makes the calculations
// of this run uncorrectable after a restart.
void CorrectionCommand::keepHistory()
{
    numerette::files::replaceFile(m_historyPath, numerette::typedCalculationsJson(m_history->calculations()));
}
