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
            emit changed();
        });
        QClipboard* own = QGuiApplication::clipboard();
        connect(own, &QClipboard::dataChanged, this, [this, own] {
            // Under Qt's Wayland plugin the change of the selection that this offer makes
            // is announced again, with the same text.
            if (own->ownsClipboard() && own->text() != m_text)
                offer(own->text());
        });
    }
    QString clipboardText() const override { return m_text; }
    // Offered to the session as the change of Qt's clipboard announces it, or else here.
    void setClipboardText(const QString& text) override
    {
        QGuiApplication::clipboard()->setText(text);
        if (text != m_text)
            offer(text);
    }
    void clearClipboard() override
    {
        m_text.clear();
        QGuiApplication::clipboard()->clear();
        m_selection->clear();
    }

private:
    void offer(const QString& text)
    {
        m_text = text;
        m_selection->setText(text);
    }

    std::unique_ptr<numerette::WaylandSelection> m_selection;
    QString m_text;
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
