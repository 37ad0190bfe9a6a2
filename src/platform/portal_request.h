// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QDBusConnection>
#include <QObject>
#include <QVariantMap>

class QDBusMessage;
class QDBusPendingCallWatcher;

namespace numerette::portal {

// Response codes of a portal request.
enum class Response : uint { Success = 0, Cancelled = 1, Ended = 2 };

// One call of a desktop portal that answers later, with a Response signal on a request
// object. The request's path is foreseen from a handle token of its own and the answer
// listened for before the call goes out, so that an early answer is not missed; a portal
// that names another path in its reply is listened to there. A failed call answers Ended.
class Request final : public QObject {
    Q_OBJECT

public:
    using Done = std::function<void(Response response, const QVariantMap& results)>;

    // Sends `call` with `options`, given a handle token, as its last argument. `done` runs
    // once, unless `context` goes first.
    static void send(const QDBusConnection& bus, QDBusMessage call, QVariantMap options, QObject* context,
                     Done done);

private slots:
    void response(uint response, const QVariantMap& results);

private:
    Request(const QDBusConnection& bus, QObject* context, Done done);
    void listenOn(const QString& path);
    void replied(QDBusPendingCallWatcher* watcher);
    void finish(Response response, const QVariantMap& results);

    QDBusConnection m_bus;
    QString m_path;
    Done m_done;
};

} // namespace numerette::portal
