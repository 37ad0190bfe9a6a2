// SPDX-License-Identifier: GPL-3.0-or-later
#include "wayland_selection.h"

#include <array>
#include <map>
#include <string_view>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

#include <wayland-client.h>

#include <QPointer>
#include <QSocketNotifier>
#include <QStringList>
#include <QThread>

#include "bounded_pipe_reader.h"
#include "pipe_writer.h"
#include "wlr-data-control-unstable-v1-client.h"

namespace numerette {

namespace {

// The plain-text types in the order they are asked for: the first ones name their encoding.
constexpr std::array<const char*, 5> TextTypes {"text/plain;charset=utf-8", "UTF8_STRING", "text/plain", "TEXT",
                                                "STRING"};

// Marks the selections this process offers, so that their text is not asked back from itself.
QString ownType()
{
    return QStringLiteral("application/x-numerette-%1").arg(getpid());
}

QByteArray textTypeOf(const QStringList& offered)
{
    for (const char* type : TextTypes) {
        if (offered.contains(QLatin1String(type)))
            return type;
    }
    return {};
}

} // namespace

// Everything but the construction and the destruction runs in the connection's own thread,
// on the objects that live there: the context and its children.
struct WaylandSelection::Session {
    ~Session();
    Session() = default;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    void start();
    void dispatch();
    void takeSelection(zwlr_data_control_offer_v1* offer);
    void stopReading();
    void offer(const QString& text);
    void unset();
    void dropOwnSource(zwlr_data_control_source_v1* source);
    void tell(const QString& text) const
    {
        QMetaObject::invokeMethod(owner, [told = owner, text] { emit told->changed(text); }, Qt::QueuedConnection);
    }

    WaylandSelection* owner = nullptr;
    std::unique_ptr<QThread> thread;
    std::unique_ptr<QObject> context;
    wl_display* display = nullptr;
    wl_registry* registry = nullptr;
    wl_seat* seat = nullptr;
    zwlr_data_control_manager_v1* manager = nullptr;
    zwlr_data_control_device_v1* device = nullptr;
    // Offers introduced and not yet named by a selection event, with their MIME types.
    std::map<zwlr_data_control_offer_v1*, QStringList> offers;
    zwlr_data_control_offer_v1* selection = nullptr;
    // Until the compositor has answered the creation of the device: a selection event then
    // tells what was copied before the program started (some compositors send none).
    bool atStart = true;
    // The selection this process set last, while it stands, and its text.
    zwlr_data_control_source_v1* ownSource = nullptr;
    QByteArray ownText;
    QSocketNotifier* notifier = nullptr;
    QPointer<BoundedPipeReader> reader;
};

namespace {

using Session = WaylandSelection::Session;

void offerType(void* data, zwlr_data_control_offer_v1* offer, const char* type)
{
    static_cast<Session*>(data)->offers[offer].append(QString::fromUtf8(type));
}

const zwlr_data_control_offer_v1_listener OfferListener {offerType};

// Another program reads the selection this process set.
void sourceSend(void* data, zwlr_data_control_source_v1* /*source*/, const char* /*type*/, int32_t fd)
{
    auto* session = static_cast<Session*>(data);
    new PipeWriter(fd, session->ownText, session->context.get());
}

void sourceCancelled(void* data, zwlr_data_control_source_v1* source)
{
    static_cast<Session*>(data)->dropOwnSource(source);
}

const zwlr_data_control_source_v1_listener SourceListener {sourceSend, sourceCancelled};

void deviceDataOffer(void* data, zwlr_data_control_device_v1* /*device*/, zwlr_data_control_offer_v1* offer)
{
    auto* session = static_cast<Session*>(data);
    session->offers[offer];
    zwlr_data_control_offer_v1_add_listener(offer, &OfferListener, session);
}

void deviceSelection(void* data, zwlr_data_control_device_v1* /*device*/, zwlr_data_control_offer_v1* offer)
{
    static_cast<Session*>(data)->takeSelection(offer);
}

// The seat went away: no selection to watch any more.
void deviceFinished(void* data, zwlr_data_control_device_v1* device)
{
    auto* session = static_cast<Session*>(data);
    session->takeSelection(nullptr);
    zwlr_data_control_device_v1_destroy(device);
    session->device = nullptr;
}

// Bound at version 1, the device announces no primary selection.
void devicePrimarySelection(void* /*data*/, zwlr_data_control_device_v1* /*device*/,
                            zwlr_data_control_offer_v1* /*offer*/)
{
}

const zwlr_data_control_device_v1_listener DeviceListener {deviceDataOffer, deviceSelection, deviceFinished,
                                                          devicePrimarySelection};

void registryGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t /*version*/)
{
    auto* session = static_cast<Session*>(data);
    const std::string_view offered(interface);
    if (offered == wl_seat_interface.name && !session->seat) {
        session->seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    } else if (offered == zwlr_data_control_manager_v1_interface.name && !session->manager) {
        session->manager = static_cast<zwlr_data_control_manager_v1*>(
            wl_registry_bind(registry, name, &zwlr_data_control_manager_v1_interface, 1));
    }
}

void registryGlobalRemove(void* /*data*/, wl_registry* /*registry*/, uint32_t /*name*/)
{
}

const wl_registry_listener RegistryListener {registryGlobal, registryGlobalRemove};

void startAnswered(void* data, wl_callback* callback, uint32_t /*time*/)
{
    static_cast<Session*>(data)->atStart = false;
    wl_callback_destroy(callback);
}

const wl_callback_listener StartListener {startAnswered};

} // namespace

// The thread has ended by now, and the objects that lived in it are gone.
WaylandSelection::Session::~Session()
{
    for (const auto& [offer, types] : offers)
        zwlr_data_control_offer_v1_destroy(offer);
    if (selection)
        zwlr_data_control_offer_v1_destroy(selection);
    if (ownSource)
        zwlr_data_control_source_v1_destroy(ownSource);
    if (device)
        zwlr_data_control_device_v1_destroy(device);
    if (manager)
        zwlr_data_control_manager_v1_destroy(manager);
    if (seat)
        wl_seat_destroy(seat);
    if (registry)
        wl_registry_destroy(registry);
    if (display)
        wl_display_disconnect(display);
}

void WaylandSelection::Session::start()
{
    notifier = new QSocketNotifier(wl_display_get_fd(display), QSocketNotifier::Read, context.get());
    QObject::connect(notifier, &QSocketNotifier::activated, context.get(), [this] { dispatch(); });
    device = zwlr_data_control_manager_v1_get_data_device(manager, seat);
    zwlr_data_control_device_v1_add_listener(device, &DeviceListener, this);
    wl_callback_add_listener(wl_display_sync(display), &StartListener, this);
    wl_display_flush(display);
}

// Reads and handles what the compositor sent; a broken connection stops the watch.
void WaylandSelection::Session::dispatch()
{
    while (wl_display_prepare_read(display) != 0) {
        if (wl_display_dispatch_pending(display) < 0)
            return notifier->setEnabled(false);
    }
    if (wl_display_read_events(display) < 0 || wl_display_dispatch_pending(display) < 0)
        return notifier->setEnabled(false);
    wl_display_flush(display);
}

void WaylandSelection::Session::takeSelection(zwlr_data_control_offer_v1* offer)
{
    stopReading();
    if (selection && selection != offer)
        zwlr_data_control_offer_v1_destroy(selection);
    selection = offer;
    if (atStart) {
        offers.erase(offer);
        return;
    }
    if (!offer)
        return tell({});
    QStringList types;
    if (auto introduced = offers.extract(offer))
        types = std::move(introduced.mapped());
    if (ownSource && types.contains(ownType()))
        return tell(QString::fromUtf8(ownText));
    const QByteArray type = textTypeOf(types);
    std::array<int, 2> ends {};
    if (type.isEmpty() || pipe2(ends.data(), O_CLOEXEC) != 0)
        return tell({});
    zwlr_data_control_offer_v1_receive(offer, type.constData(), ends[1]);
    close(ends[1]);
    wl_display_flush(display);
    reader = new BoundedPipeReader(ends[0], MaxTextBytes, context.get());
    QObject::connect(reader, &BoundedPipeReader::finished, context.get(),
                     [this, current = reader.data()](const std::optional<QByteArray>& content) {
                         current->deleteLater();
                         if (reader != current)
                             return;
                         reader = nullptr;
                         tell(content ? QString::fromUtf8(*content) : QString());
                     });
}

void WaylandSelection::Session::offer(const QString& text)
{
    if (!device)
        return;
    auto* source = zwlr_data_control_manager_v1_create_data_source(manager);
    zwlr_data_control_source_v1_add_listener(source, &SourceListener, this);
    zwlr_data_control_source_v1_offer(source, ownType().toUtf8().constData());
    for (const char* type : TextTypes)
        zwlr_data_control_source_v1_offer(source, type);
    zwlr_data_control_device_v1_set_selection(device, source);
    wl_display_flush(display);
    dropOwnSource(ownSource);
    ownSource = source;
    ownText = text.toUtf8();
}

void WaylandSelection::Session::unset()
{
    stopReading();
    if (!device)
        return;
    zwlr_data_control_device_v1_set_selection(device, nullptr);
    wl_display_flush(display);
}

void WaylandSelection::Session::dropOwnSource(zwlr_data_control_source_v1* source)
{
    if (!source)
        return;
    zwlr_data_control_source_v1_destroy(source);
    if (source == ownSource)
        ownSource = nullptr;
}

void WaylandSelection::Session::stopReading()
{
    if (reader)
        reader->deleteLater();
    reader = nullptr;
}

std::unique_ptr<WaylandSelection> WaylandSelection::connectToSession()
{
    // Without WAYLAND_DISPLAY the library would still try the default socket name.
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return nullptr;
    auto session = std::make_unique<Session>();
    session->display = wl_display_connect(nullptr);
    if (!session->display)
        return nullptr;
    session->registry = wl_display_get_registry(session->display);
    wl_registry_add_listener(session->registry, &RegistryListener, session.get());
    if (wl_display_roundtrip(session->display) < 0 || !session->seat || !session->manager)
        return nullptr;

    std::unique_ptr<WaylandSelection> watched(new WaylandSelection(std::move(session)));
    Session& connected = *watched->m_session;
    connected.owner = watched.get();
    connected.thread = std::make_unique<QThread>();
    connected.thread->setObjectName(QStringLiteral("Wayland selection"));
    connected.context = std::make_unique<QObject>();
    connected.context->moveToThread(connected.thread.get());
    connected.thread->start();
    QMetaObject::invokeMethod(connected.context.get(), [&connected] { connected.start(); }, Qt::QueuedConnection);
    return watched;
}

WaylandSelection::WaylandSelection(std::unique_ptr<Session> session)
    : m_session(std::move(session))
{
}

// The objects of the connection's thread go with it, in it.
WaylandSelection::~WaylandSelection()
{
    Session& session = *m_session;
    QObject* context = session.context.get();
    QMetaObject::invokeMethod(
        context, [context] { qDeleteAll(context->children()); }, Qt::BlockingQueuedConnection);
    session.thread->quit();
    session.thread->wait();
}

void WaylandSelection::setText(const QString& text)
{
    Session* session = m_session.get();
    QMetaObject::invokeMethod(session->context.get(), [session, text] { session->offer(text); }, Qt::QueuedConnection);
}

void WaylandSelection::clear()
{
    Session* session = m_session.get();
    QMetaObject::invokeMethod(session->context.get(), [session] { session->unset(); }, Qt::QueuedConnection);
}

} // namespace numerette
