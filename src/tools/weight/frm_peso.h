// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>

#include "tool_dialog.h"
#include "tool_prompts.h"
#include "weight_bands.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace numerette {
class TapeReports;
}

// The ideal-weight window: the weight limits of the body-mass bands for a height, the
// class of a weight with an arrow on a scale and advice, and a report appended to the
// calculation list when the window closes after a calculation.
class frmPeso : public numerette::ToolDialog {
    Q_OBJECT

public:
    explicit frmPeso(numerette::TapeReports& reports, QWidget* parent = nullptr);
    ~frmPeso() override;

    // Message boxes go through `prompts` from now on (tests record them).
    void setPrompts(numerette::ToolPrompts& prompts);

    void cmdHomem_Click();
    void done(int result) override;

    // The arrow's left edge on the scale, in twips.
    int arrowTwips() const { return m_arrowTwips; }

signals:
    // A key was released in the window: the calculator keeps NumLock on.
    void keyReleased();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildFields();
    QGroupBox* buildResult();
    QWidget* buildScale();
    void layOutScale();
    void sexChosen();
    void placeArrow(int twips);
    static QString bandName(numerette::weight::WeightClass weightClass);
    void clearResult();
    numerette::weight::Sex sex() const;

    // What a successful calculation was made from: the report is written from it, so that it
    // never mixes the fields as they are now with limits calculated for other ones.
    struct Reported {
        numerette::weight::Sex sex;
        QString heightText;
        QString weightText;
        numerette::weight::BandLimits limits;
    };

    numerette::TapeReports& m_reports;
    // The calculator's separators; numbers are read grouped by thousands only.
    numerette::NumberLocale m_locale;
    std::unique_ptr<numerette::ToolPrompts> m_messageBoxes;
    numerette::ToolPrompts* m_prompts;
    QLineEdit* m_txtAltura = nullptr;
    QLineEdit* m_txtPeso = nullptr;
    QRadioButton* m_option1 = nullptr;
    QRadioButton* m_option2 = nullptr;
    QLineEdit* m_txtMagro = nullptr;
    QLineEdit* m_txtIdeal = nullptr;
    QLineEdit* m_txtSobrepeso = nullptr;
    QLineEdit* m_txtGordo = nullptr;
    QLineEdit* m_txtObeso = nullptr;
    QGroupBox* m_frame1 = nullptr;
    QWidget* m_scale = nullptr;
    QLabel* m_lblResultado = nullptr;
    QLabel* m_lblMin = nullptr;
    QLabel* m_lblTol1 = nullptr;
    QLabel* m_lblTol2 = nullptr;
    QLabel* m_lblMax = nullptr;
    QLabel* m_imgSeta = nullptr;
    QLabel* m_image2 = nullptr;
    std::optional<Reported> m_reported;
    int m_arrowTwips = 0;
    bool m_closed = false;
};
