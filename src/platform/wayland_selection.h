// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include <QObject>
#include <QString>

namespace numerette {

// The clipboard of the Wayland session (the seat's selection), watched through the wlr
// data-control protocol on a connection of its own. A compositor that offers the protocol
// (kwin, sway and the other wlroots ones) tells this client of every new selection whichever
// window has the focus, where Qt's own clipboard hears of a copy made in a native Wayland
// program only once the calculator has the focus again. The connection is served by a thread
// of its own: each selection's plain text is read through a pipe as that thread's event loop
// reports it readable, and the text this process offers is written the same way, so neither a
// slow reader or writer elsewhere nor Qt's clipboard waiting in the window's thread for this
// very process holds anything. Nothing runs while nothing is copied.
class WaylandSelection : public QObject {
    Q_OBJECT

public:
    // The most bytes of text one selection delivers; a longer one reads as no text.
    static constexpr qsizetype MaxTextBytes = qsizetype(8) << 20;

    // Connects to the compositor of WAYLAND_DISPLAY; null where there is none or it does not
    // offer data control.
    static std::unique_ptr<WaylandSelection> connectToSession();
    ~WaylandSelection() override;
    WaylandSelection(const WaylandSelection&) = delete;
    WaylandSelection& operator=(const WaylandSelection&) = delete;

    // Makes the text the selection, offered by this process until another copy replaces it.
    void setText(const QString& text);
    // Unsets the selection, whichever program set it.
    void clear();

    // The connection and its objects (wayland_selection.cpp).
    struct Session;

signals:
    // A new selection, with its plain text: empty when it holds none, is unset or too long.
    // What was copied before the connection was made is not told.
    void changed(const QString& text);

private:
    explicit WaylandSelection(std::unique_ptr<Session> session);

    std::unique_ptr<Session> m_session;
};

} // namespace numerette
