// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>

#include <QGroupBox>

#include "cached_picture.h"
#include "calculator.h"

class QGridLayout;
class XPButton;

// The keypad frame `fraTeclado`: the owner-drawn keys, laid out in five columns, with the
// memory register (and the grand total while it holds one) as the frame's title. In Add mode the plus key is the tall ENTER key
// beside the minus and equals keys; in Result mode it is a plus key level with equals.
class Keypad : public QGroupBox {
    Q_OBJECT

public:
    explicit Keypad(numerette::Calculator& calculator, QWidget* parent = nullptr);

    void render();
    // 1 for the large layout the keys are designed for; smaller for the normal layout.
    void setLayoutScale(double scale);

signals:
    // A right click on the plus or the equals key.
    void enterKeyMenuRequested(const QPoint& globalPosition);
    // A key clicked with the mouse hands the typing back to the entry, before the key acts.
    void entryFocusWanted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    XPButton* key(numerette::Button button) const { return m_keys[std::size_t(button)]; }
    void keyReleased(numerette::Button button, int mouseButton);
    void placePlusKey(bool addMode);
    void reserveTitleSpace();
    int titleHeight() const;
    int scaled(int measure) const;

    numerette::Calculator& m_calculator;
    QGridLayout* m_grid;
    std::array<XPButton*, numerette::ButtonCount> m_keys{};
    std::optional<bool> m_addModeLook;
    double m_scale = 1.0;
    // The panel behind the keys, painted once per size.
    CachedPictures m_panel;
};
