// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitored_clipboard.h"

#include <memory>

#include <QClipboard>
#include <QGuiApplication>
#include <QScopedValueRollback>

#include "wayland_selection.h"

namespace {

// Qt's clipboard, marking its own writes so that the change they announce is not taken for a
// copy made elsewhere.
class QtClipboard final : public MonitoredClipboard {
public:
    explicit QtClipboard(QObject* parent)
        : MonitoredClipboard(parent)
    {
        connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this] {
            if (!m_writing)
                emit changed();
        });
    }
    QString clipboardText() const override { return QGuiApplication::clipboard()->text(); }
    void setClipboardText(const QString& text) override
    {
        const QScopedValueRollback writing(m_writing, true);
        QGuiApplication::clipboard()->setText(text);
    }
    void clearClipboard() override
    {
        const QScopedValueRollback writing(m_writing, true);
        QGuiApplication::clipboard()->clear();
    }

private:
    bool m_writing = false;
};

// The session's selection through data control. Its text is the last one the compositor
// delivered, or what the monitor wrote or cleared since; the calculator's own writes come back
// as a new selection a moment later, already accounted for by then. Whatever the program puts
// on Qt's clipboard (totals, copies) is offered as the session's selection as well, since a
// compositor may pass an X11 client's copy on, or accept a Wayland client's, only while that
// client has the focus. Clearing unsets the selection itself, which Qt's clipboard cannot do
// for another program's copy under Wayland.
class SessionSelection final : public MonitoredClipboard {
public:
    SessionSelection(std::unique_ptr<numerette::WaylandSelection> selection, QObject* parent)
        : MonitoredClipboard(parent)
        , m_selection(std::move(selection))
    {
        connect(m_selection.get(), &numerette::WaylandSelection::changed, this, [this](const QString& text) {
            m_text = text;
            m_offered = text;
            emit changed();
        });
        QClipboard* own = QGuiApplication::clipboard();
        connect(own, &QClipboard::dataChanged, this, [this, own] {
            if (own->ownsClipboard())
                m_text = own->text();
        });
        // Offered once the write that changed Qt's clipboard has run its course: an X11
        // compositor bridge takes the X selection for the offer at once, and a program that
        // reads back what it just wrote would then be answered through the bridge. The same
        // text is not offered twice (Qt's Wayland plugin announces the change the offer makes).
        connect(
            own, &QClipboard::dataChanged, this,
            [this, own] {
                if (!own->ownsClipboard() || own->text() == m_offered)
                    return;
                m_offered = own->text();
                m_selection->setText(m_offered);
            },
            Qt::QueuedConnection);
    }
    QString clipboardText() const override { return m_text; }
    void setClipboardText(const QString& text) override
    {
        m_text = text;
        QGuiApplication::clipboard()->setText(text);
    }
    void clearClipboard() override
    {
        m_text.clear();
        QGuiApplication::clipboard()->clear();
        m_selection->clear();
    }

private:
    std::unique_ptr<numerette::WaylandSelection> m_selection;
    // What the monitor takes the clipboard to hold, and the text the session's selection
    // was last known to hold.
    QString m_text;
    QString m_offered;
};

} // namespace

MonitoredClipboard* MonitoredClipboard::create(QObject* parent)
{
    if (auto selection = numerette::WaylandSelection::connectToSession())
        return new SessionSelection(std::move(selection), parent);
    return qtClipboard(parent);
}

MonitoredClipboard* MonitoredClipboard::qtClipboard(QObject* parent)
{
    return new QtClipboard(parent);
}
