// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include <QDialog>

#include "date_calculation.h"
#include "message_ids.h"

namespace numerette {
class TapeReports;
}
class DateField;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The date tool: the span between two dates in years, months, weeks and days with the leap
// days met, or the final date a period reaches. Closing it (Esc, the close box, another
// window of the program becoming active) writes the two dates and the period onto the
// calculator's list.
class frmData : public QDialog {
    Q_OBJECT

public:
    // `dateFormat` is "dd/mm/yyyy" or "mm/dd/yyyy", after the user's short-date order.
    frmData(numerette::TapeReports& reports, const QString& dateFormat, QWidget* parent = nullptr);

    // For a calculator in large-font mode: twice the normal width and 1.9 times its height,
    // every control's measures and font doubled, centred on the screen. Called once, before
    // the window is shown; without it the window opens at the calculator's top-left corner.
    void useLargeFontLayout();

    void done(int result) override;

signals:
    // After every key released in the window's fields (NumLock is kept on after keys).
    void keyReleased();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void orderTabs();
    void cmdCalcula_Click(numerette::dates::Button button);
    // Checks a date field as when it loses the focus: false after message 32, the field
    // emptied and focused.
    bool validateDate(int index);
    void leaveDate(int index);
    void dateFocused(int index);
    void dateChanged(int index);
    void lblHoje_Click();
    void clearResults();
    void showMessage(numerette::Message message);
    numerette::dates::DateForm form() const;
    void showForm(const numerette::dates::DateForm& form);
    void writeReport();
    QString today() const;

    numerette::TapeReports& m_reports;
    numerette::dates::DateStyle m_style;
    std::array<DateField*, 2> m_txtData{};
    std::array<QLabel*, 2> m_lblData{};
    std::array<QLineEdit*, numerette::dates::UnitCount> m_results{};
    std::array<QCheckBox*, numerette::dates::UnitCount> m_check{};
    std::array<QPushButton*, 5> m_cmdCalcula{};
    QLabel* m_lblBissextos = nullptr;
    QLabel* m_lblBis = nullptr;
    QLabel* m_lblHoje = nullptr;
    bool m_closing = false;
    bool m_showingMessage = false;
};
