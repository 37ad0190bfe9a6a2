// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <bitset>

#include <QObject>
#include <QString>

#include "calculation_history.h"
#include "calculation_list.h"
#include "calculator_port.h"
#include "calculator_state.h"
#include "change_batch.h"
#include "entry_box.h"
#include "grand_total.h"
#include "keyboard_map.h"
#include "keypad_button.h"
#include "list_editor.h"
#include "memory_register.h"
#include "number_text.h"
#include "operators.h"

namespace numerette {

enum class EditCommandResult { Started, Ended, NotEditable };

// The eleven number formats, by their menu index.
struct NumberFormatChoice {
    int index;
    const char* caption;
    const char* picture;
};
extern const std::array<NumberFormatChoice, 11> NumberFormats;
constexpr int StandardFormatIndex = 2;
constexpr int CentsFormatIndex = 1;

// The adding machine: the calculation list, the entry, the displays, the running total and
// the modes, with the rules that run whenever one of them changes. It dispatches keys and
// commands to the parts that keep their own state: the keyboard map, the memory register,
// list editing and search, and the history of undo, redo and re-entry.
// Windows only render this state and feed it keys and commands.
class Calculator : public QObject, public CalculatorState {
    Q_OBJECT

public:
    explicit Calculator(CalculatorPort& port, QObject* parent = nullptr);
    ~Calculator() override;

    // --- Configuration -------------------------------------------------------------------
    void setNumberLocale(const NumberLocale& locale);
    const NumberLocale& numberLocale() const override { return m_locale; }
    QChar DecimalSeparator() const { return m_locale.decimal; }
    void setDateOrder(tape::DateOrder order) { m_dateOrder = order; }
    tape::DateOrder dateOrder() const override { return m_dateOrder; }

    // Whether the user works with the calculator (its window shows, or the headless tape
    // runs). Only then does an item advance the counter and keep its total for undo, does
    // Add on Enter explain itself and is a chosen number format stored; the load of the
    // saved state and a hidden window do none of this.
    void setInteractive(bool on) { m_interactive = on; }
    bool interactive() const { return m_interactive; }
    // Whether keys reach the calculation. While they do not (a calculator built ahead of
    // showing, one closed to the notification area, or the exit under way), the dispatcher
    // drops every character, whoever sends it, and key-downs and key-ups do nothing.
    void setKeysAccepted(bool accepted) { m_keysAccepted = accepted; }
    bool keysAccepted() const override { return m_keysAccepted; }
    // Whether the keypad is in sight (false while its window is minimized). Out of sight,
    // typed operators and totals are not drawn pressed: no key-up would come to release them.
    void setKeypadInSight(bool inSight) { m_keypadInSight = inSight; }

    // --- Keys ----------------------------------------------------------------------------
    // The dispatcher: acts on a character code and may change or consume it (0).
    void Form_KeyPress(int& code);
    // A whole typed key as the keyboard delivers it: key-down, the character (dispatcher,
    // then the entry box), key-up. `character` is 0 for keys that type none.
    void typeKey(int virtualKey, bool shift, int character);
    void Form_KeyDown(int virtualKey, bool shift);
    void Form_KeyUp(int virtualKey);
    // The entry box's own handling of a character the dispatcher passed on.
    void entryKeyPress(int code);
    void entryKeyUp();
    void pressButton(Button button);
    // Shows a keypad button released after the program sent its key code.
    void releaseButton(Button button) { setPressed(button, false); }
    // A number the program puts into the entry (clipboard, paste): it replaces the entry,
    // the entry's change rule shows it, and it is selected so that the next digit replaces it.
    void enterNumber(const QString& text);

    // --- Commands ------------------------------------------------------------------------
    void chooseNumberFormat(int index);
    // How each step of the arithmetic rounds the total to the format's decimals (half up,
    // away from zero, unless the user chose otherwise).
    void setRoundingMode(RoundingMode mode) { m_roundingMode = mode; }
    RoundingMode roundingMode() const { return m_roundingMode; }
    // The rate of the tax keys in percent; zero turns them off.
    void setTaxRate(const Decimal& percent) { m_taxRate = percent; }
    const Decimal& taxRate() const { return m_taxRate; }
    // Totals go to the clipboard without grouping separators ("1234.56").
    void setPlainClipboard(bool on) { m_plainClipboard = on; }
    void mnuEnter_Click();
    void mnuIgual_Click();
    void setInsertText(bool on);
    // NumLock kept on: the laptop-keypad letters stay letters.
    void setNumLockAlways(bool on) { m_keyboardMap.setNumLockAlways(on); }
    // Set just before the program presses NumLock itself; that press is no total.
    void setSyntheticNumLock(bool on) { m_keyboardMap.setSyntheticNumLock(on); }
    void mnuTempo_Click();
    void mnuUndo_Click();
    void mnuRedo_Click();
    // Double-click on the locked list: the selected word (with the blank the selection
    // takes along) and where the selection starts.
    void reenterFromList(const QString& word, int selectionStart);
    // The clear-list command: backup through the port, then the cleared list.
    void mnuLimpar_Click();
    // The paste command: a number from the clipboard becomes the entry, selected; a text
    // that is no number changes nothing.
    void mnuColar_Click(const QString& clipboardText);
    void clearList();
    void LimpaTudo();
    // A tool's report: the running calculation is marked "T" and totalled unless the list
    // already ends with a closing line, a full list may be cleared first (message 4), then
    // the block and a separator are appended in one write and the calculator is reset.
    // The list is then saved, as after a total.
    void appendToolReport(const QString& block);
    // A report written as it stands, lines ended by CR LF, at the end of the list in one
    // write, without totalling or resetting anything; the list is then saved as after a total.
    void appendReportLines(const QString& lines);
    // Puts back the running calculation saved with the list at the last close.
    void restoreCalculation(const QString& total, Operator pendingOperator, const QString& entry,
                            const QString& display, const QString& counter);
    // The grand total kept with the list at the last close.
    void restoreGrandTotal(const GrandTotalRegister& grandTotal);
    // The total block after the write `edit` (an item line, a marker, or nothing).
    void WriteTotal(const tape::TailEdit& edit);
    // A corrected calculation written whole after a closed list (calculator_correction.cpp):
    // its lines go on the list, the calculator is reset and shows `total`, which goes to the
    // clipboard like any total. `replacedTotal` is the total it corrects while the grand
    // total holds that one (empty otherwise): the grand total then holds `total` in its place.
    void appendCorrection(const QString& lines, const QString& total, const QString& replacedTotal = QString());
    void ApplyPendingOperation();

    // --- Free text, search, grouping and copy (calculator_list_edit.cpp) ------------------
    // The Edit command: on a closed list edit mode starts (the list unlocked for free text);
    // in edit mode it ends. NotEditable (a calculation is running) changes nothing.
    EditCommandResult mnuEditar_Click();
    // Edit mode is the unlocked list: typed keys are the list's, not the dispatcher's.
    bool editMode() const { return m_listEditor.editing(); }
    // In edit mode, `removed` characters at `position` become `text`: its line breaks as CR LF,
    // without double quotes, cut to the length limit. The caret follows it.
    void editList(int position, int removed, const QString& text);
    // Enter in edit mode: a new free-text line at the end of the list, wherever the caret is.
    void listEnterKey();
    // The list lost the focus: the next search starts from the top, and edit mode closes the
    // free text with a separator line and locks the list again.
    void listLostFocus();
    // The search command with the user's answer: from the top for a new text, else from
    // just after the current selection; a match is selected.
    SearchResult mnuLocalizar_Click(const QString& answer);
    const QString& SearchText() const { return m_listEditor.searchText(); }
    // Totals and resets the running calculation, then appends the sums of the interest
    // tool's reports. False (message 30) when they cannot be read; nothing changes then.
    bool mnuAgrupar_Click();
    // The display (the time display in time mode) onto the clipboard.
    void mnuCopiar_Click();

    // --- State ---------------------------------------------------------------------------
    const QString& list() const override { return m_list; }
    bool listLocked() const { return !m_listEditor.editing(); }
    int listSelectionStart() const override { return m_listSelectionStart; }
    int listSelectionLength() const override { return m_listSelectionLength; }
    void setListSelection(int start, int length);
    // The entry's whole text selected and its length limit reset, so that the next typed
    // digit replaces it.
    void SelectEntry();
    // The clipboard text the clipboard monitor must not take up as a new number.
    void setLastClipboardText(const QString& text) { m_lastClipboardText = text; }
    const QString& LastClipboardText() const { return m_lastClipboardText; }
    // What the next total puts on the clipboard instead of the total (the products of a
    // copied two-column block); the total empties it.
    void setPendingClipboardText(const QString& text) { m_pendingClipboardText = text; }
    const QString& PendingClipboardText() const { return m_pendingClipboardText; }
    // Replaces the list's text. While the list is locked and no commit is running, the
    // commit step runs before this returns.
    void setList(const QString& text);

    const EntryBox& entry() const override { return m_entry; }
    const QString& display() const override { return m_visor[std::size_t(DisplayField::Display)]; }
    const QString& counter() const override { return m_visor[std::size_t(DisplayField::Counter)]; }
    const QString& timeDisplay() const override { return m_visor[std::size_t(DisplayField::Time)]; }
    const QString& total() const override { return m_total; }
    const QString& memory() const { return m_memoryRegister.text(); }
    const GrandTotalRegister& grandTotal() const { return m_grandTotal; }
    // The grand total as the display would show it; empty while it holds no total.
    QString grandTotalText() const;
    LabelColour displayColour() const override { return m_visorColour[std::size_t(DisplayField::Display)]; }
    LabelColour timeDisplayColour() const override { return m_visorColour[std::size_t(DisplayField::Time)]; }
    MemoryColour memoryColour() const { return m_memoryRegister.colour(); }
    bool isPressed(Button button) const { return m_pressed.test(std::size_t(button)); }

    Operator PendingOperator() const override { return m_pendingOperator; }
    // The character code of the last operator key (0 before any), which decides how a
    // percentage applies.
    int LastOperatorKey() const { return m_lastOperatorKey; }
    int numberFormatIndex() const { return m_numberFormatIndex; }
    const QString& NumberFormat() const { return m_numberFormat; }
    bool addMode() const { return m_addMode; }
    bool timeMode() const override { return m_timeMode; }
    bool insertText() const { return m_insertText; }
    bool undoEnabled() const { return m_history.undoEnabled(); }
    bool redoEnabled() const { return m_history.redoEnabled(); }

signals:
    // The list's text changed: `removed` characters at `position` became `inserted`.
    // Writers only touch the tail, so views can apply the edit without re-laying out
    // the whole text.
    void listEdited(int position, int removed, const QString& inserted);
    void listSelectionChanged();
    // Any other rendered state changed (labels, colours, keys, modes, menus): once per
    // action, when its outermost ChangeBatch closes.
    void viewChanged();
    // The text of the display, the counter or the time display changed. The moment matters,
    // not only the new texts: the mini window's caption follows the display from one such
    // change to the next.
    void displaysChanged();
    // A total or a report was written or the list was cleared: a moment worth saving the
    // state at.
    void calculationClosed();

private:
    // The three texts of the display row, in the order of m_visor.
    enum class DisplayField { Display, Counter, Time };

    // The change report (change_batch.cpp): a change of the rendered state is held while a
    // batch is open and reported as one viewChanged when the outermost closes.
    friend class ChangeBatch;
    friend class ChangeBatchesSetAside;
    void reportChange();
    void reportHeldChange();
    int m_openBatches = 0;
    int m_batchesSetAside = 0;
    bool m_changeHeld = false;

    // Setters that run the change rules of each field. changeList is setList for a write at
    // the end of the list: it costs the tail's length, not the list's.
    void changeList(const tape::TailEdit& edit);
    void setEntryText(const QString& text);
    void setVisor(DisplayField field, const QString& text);
    void setTotal(const QString& text);
    void setPressed(Button button, bool pressed);
    void entryChanged();
    // A second decimal separator would make the entry no number, and the entry rule would
    // then throw the typed number away, so the entry box refuses it.
    bool entryTakesSeparator() const;
    void visorChanged(DisplayField field);
    void totalChanged();
    void recordHistory();

    // Zero tests: a text that is no number cannot be tested, and such a test counts as
    // passed, whichever way it is asked.
    bool isZero(const QString& text) const;
    bool isNonZero(const QString& text) const;
    std::optional<Decimal> valueOf(const QString& text) const;
    QString format(const Decimal& value, QStringView picture) const;
    QString formatText(const QString& text, QStringView picture) const;
    // A result of the arithmetic as the running total keeps it: the number format, rounded
    // with the chosen rounding mode.
    QString formatStep(const Decimal& value) const;
    QString valueColumn() const;

    // The business keys (calculator_business.cpp).
    bool businessKey(int code);
    void grandTotalKey();
    void taxKey(bool added);
    void marginKey();
    void totalRunningCalculation();
    void writeFigures(const QString& lines, const QString& result);
    QString figureText(const Decimal& value) const;
    void addToGrandTotal();
    void putTotalOnClipboard(const QString& total);

    void commitStep();
    void applyPercentage();
    void applyListCaretRule();
    void reselectAfterCommit();
    void checkCapacity();
    void endEditMode();

    void dispatchOperator(int& code);
    void typedMinus(int& code);
    void afterOperator(int code);
    void appendItem(const QString& marker);
    void signChange();
    void clearKey();
    void decimalKeyClick();
    void memoryAdd(bool subtract);
    void clearMemory();

    CalculatorPort& m_port;
    NumberLocale m_locale;
    tape::DateOrder m_dateOrder = tape::DateOrder::DayMonthYear;

    QString m_list;
    bool m_commitRunning = false;
    int m_listSelectionStart = 0;
    int m_listSelectionLength = 0;
    ListEditor m_listEditor;

    KeyboardMap m_keyboardMap;
    EntryBox m_entry;
    std::array<QString, 3> m_visor{QStringLiteral("0"), QStringLiteral("000"), QStringLiteral("00:00:00")};
    std::array<LabelColour, 3> m_visorColour{LabelColour::Blue, LabelColour::Blue, LabelColour::Blue};
    QString m_total = QStringLiteral("0");
    MemoryRegister m_memoryRegister;
    GrandTotalRegister m_grandTotal;
    Decimal m_taxRate;
    bool m_plainClipboard = false;
    std::bitset<ButtonCount> m_pressed;

    Operator m_pendingOperator = Operator::Plus;
    Operator m_lastOperator = Operator::None;
    int m_lastOperatorKey = 0;
    QString m_repeatOperand;
    QString m_insertLabel;
    QString m_pendingClipboardText;
    QString m_lastClipboardText;

    int m_numberFormatIndex = StandardFormatIndex;
    QString m_numberFormat;
    RoundingMode m_roundingMode = RoundingMode::HalfUp;
    bool m_addMode = false;
    bool m_addModeNoteShown = false;
    bool m_timeMode = false;
    bool m_insertText = false;

    CalculationHistory m_history;

    bool m_interactive = false;
    bool m_keysAccepted = true;
    bool m_keypadInSight = true;
};

} // namespace numerette
