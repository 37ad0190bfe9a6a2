// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QColor>

#include "cached_picture.h"
#include "centered_text.h"

// An owner-drawn push button: a rounded key with a gradient face, a lighter face under
// the mouse and a centred caption. Besides the usual pushed look while a mouse button
// holds it down, it has a latched pressed state `Value` that the program sets to show a
// key as pressed (for instance while the matching keyboard key is held).
class XPButton : public QAbstractButton {
    Q_OBJECT
    Q_PROPERTY(bool Value READ value WRITE setValue)

public:
    // The mouse button numbers of mouseUp.
    static constexpr int LeftButton = 1;
    static constexpr int RightButton = 2;

    explicit XPButton(const QString& caption = QString(), QWidget* parent = nullptr);

    bool value() const { return m_value; }
    void setValue(bool value);

    // The face colour at rest; the hover face and the edges are derived from it.
    void setFaceColour(const QColor& colour);
    QColor faceColour() const { return m_face; }
    void setCaptionColour(const QColor& colour);

    QSize sizeHint() const override;

signals:
    // A mouse button was released over the key after pressing it there.
    void mouseUp(int mouseButton);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // The key's face without its caption.
    void paintFace(QPainter& painter, const QRectF& frame, bool down, bool hover, bool focus) const;

    bool m_value = false;
    bool m_rightDown = false;
    QColor m_face{0xf4, 0xf6, 0xf9};
    QColor m_caption{0x1d, 0x26, 0x33};
    // The faces by their look: pressed, under the mouse, focused.
    CachedPictures m_faces;
    CenteredText m_captionText;
};
