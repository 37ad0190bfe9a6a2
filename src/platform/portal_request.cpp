// SPDX-License-Identifier: GPL-3.0-or-later
#include "portal_request.h"

#include <utility>

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

#include "portal_shortcuts.h"

namespace numerette::portal {

namespace {

const QString RequestInterface = QStringLiteral("org.freedesktop.portal.Request");

// Tokens need only be unique among this connection's requests.
QString nextToken()
{
    static int count = 0;
    return QStringLiteral("numerette%1").arg(++count);
}

} // namespace

Request::Request(const QDBusConnection& bus, QObject* context, Done done)
    : QObject(context)
    , m_bus(bus)
    , m_done(std::move(done))
{
}

void Request::send(const QDBusConnection& bus, QDBusMessage call, QVariantMap options, QObject* context, Done done)
{
    auto* request = new Request(bus, context, std::move(done));
    const QString token = nextToken();
    request->listenOn(requestPath(bus.baseService(), token));
    options.insert(QStringLiteral("handle_token"), token);
    call << options;
    auto* watcher = new QDBusPendingCallWatcher(request->m_bus.asyncCall(call), request);
    connect(watcher, &QDBusPendingCallWatcher::finished, request, &Request::replied);
}

void Request::listenOn(const QString& path)
{
    if (!m_path.isEmpty())
        m_bus.disconnect(QString::fromUtf16(Service), m_path, RequestInterface, QStringLiteral("Response"), this,
                         SLOT(response(uint, QVariantMap)));
    m_path = path;
    m_bus.connect(QString::fromUtf16(Service), m_path, RequestInterface, QStringLiteral("Response"), this,
                  SLOT(response(uint, QVariantMap)));
}

void Request::replied(QDBusPendingCallWatcher* watcher)
{
    watcher->deleteLater();
    const QDBusPendingReply<QDBusObjectPath> reply = *watcher;
    if (reply.isError()) {
        finish(Response::Ended, {});
        return;
    }
    if (reply.value().path() != m_path)
        listenOn(reply.value().path());
}

void Request::response(uint response, const QVariantMap& results)
{
    finish(response <= uint(Response::Ended) ? Response(response) : Response::Ended, results);
}

void Request::finish(Response response, const QVariantMap& results)
{
    if (!m_done)
        return;
    m_bus.disconnect(QString::fromUtf16(Service), m_path, RequestInterface, QStringLiteral("Response"), this,
                     SLOT(response(uint, QVariantMap)));
    const Done done = std::exchange(m_done, nullptr);
    deleteLater();
    done(response, results);
}

} // namespace numerette::portal
