// SPDX-License-Identifier: GPL-3.0-or-later
#include "print_service.h"

#include <algorithm>
#include <memory>
#include <optional>

#include <QLibrary>
#include <QStringList>

#include <cups/cups.h>

#include "library_functions.h"

namespace numerette {

namespace {

// A service that does not answer a connection in this long is not running.
constexpr int ConnectTimeoutMs = 5'000;

// The printing service's functions, from its library loaded the first time the service is
// asked rather than linked: the library and what it brings (TLS, Kerberos, service discovery:
// a dozen files) stay out of a start that prints nothing.
struct Cups {
    decltype(&::httpConnect2) connect;
    decltype(&::httpClose) close;
    decltype(&::httpAssembleURIf) assembleUri;
    decltype(&::cupsServer) server;
    decltype(&::cupsEncryption) encryption;
    decltype(&::ippPort) port;
    decltype(&::cupsGetDests2) getDestinations;
    decltype(&::cupsGetDest) getDestination;
    decltype(&::cupsFreeDests) freeDestinations;
    decltype(&::cupsGetJobs2) getJobs;
    decltype(&::cupsFreeJobs) freeJobs;
    decltype(&::cupsDoRequest) doRequest;
    decltype(&::ippNewRequest) newRequest;
    decltype(&::ippAddString) addString;
    decltype(&::ippAddStrings) addStrings;
    decltype(&::ippDelete) deleteMessage;
    decltype(&::ippFindAttribute) findAttribute;
    decltype(&::ippGetBoolean) getBoolean;
    decltype(&::ippGetCount) getCount;
    decltype(&::ippGetInteger) getInteger;
    decltype(&::ippGetString) getString;
};

// Loaded on the first call and kept; null when the library or a function is missing, which
// is as if the service were not running.
const Cups* cups()
{
    static const std::optional<Cups> loaded = []() -> std::optional<Cups> {
        QLibrary library(QStringLiteral(NUMERETTE_CUPS_LIBRARY));
        library.setLoadHints(QLibrary::PreventUnloadHint);
        Cups functions{};
        const bool complete = library.load() && resolveFunction(library, "httpConnect2", functions.connect)
            && resolveFunction(library, "httpClose", functions.close)
            && resolveFunction(library, "httpAssembleURIf", functions.assembleUri)
            && resolveFunction(library, "cupsServer", functions.server)
            && resolveFunction(library, "cupsEncryption", functions.encryption)
            && resolveFunction(library, "ippPort", functions.port)
            && resolveFunction(library, "cupsGetDests2", functions.getDestinations)
            && resolveFunction(library, "cupsGetDest", functions.getDestination)
            && resolveFunction(library, "cupsFreeDests", functions.freeDestinations)
            && resolveFunction(library, "cupsGetJobs2", functions.getJobs)
            && resolveFunction(library, "cupsFreeJobs", functions.freeJobs)
            && resolveFunction(library, "cupsDoRequest", functions.doRequest)
            && resolveFunction(library, "ippNewRequest", functions.newRequest)
            && resolveFunction(library, "ippAddString", functions.addString)
            && resolveFunction(library, "ippAddStrings", functions.addStrings)
            && resolveFunction(library, "ippDelete", functions.deleteMessage)
            && resolveFunction(library, "ippFindAttribute", functions.findAttribute)
            && resolveFunction(library, "ippGetBoolean", functions.getBoolean)
            && resolveFunction(library, "ippGetCount", functions.getCount)
            && resolveFunction(library, "ippGetInteger", functions.getInteger)
            && resolveFunction(library, "ippGetString", functions.getString);
        return complete ? std::optional(functions) : std::nullopt;
    }();
    return loaded ? &*loaded : nullptr;
}

struct HttpClose {
    void operator()(http_t* http) const { cups()->close(http); }
};
using Connection = std::unique_ptr<http_t, HttpClose>;

struct IppDelete {
    void operator()(ipp_t* ipp) const { cups()->deleteMessage(ipp); }
};
using IppMessage = std::unique_ptr<ipp_t, IppDelete>;

Connection connectToService()
{
    const Cups* service = cups();
    if (!service)
        return {};
    return Connection(service->connect(service->server(), service->port(), nullptr, AF_UNSPEC, service->encryption(),
                                       1, ConnectTimeoutMs, nullptr));
}

// Calls use with the user's jobs (all of them, finished ones included), then frees them.
template <typename Use>
auto withJobs(http_t* http, const char* queue, Use use)
{
    cups_job_t* jobs = nullptr;
    const int count = std::max(cups()->getJobs(http, &jobs, queue, 1, CUPS_WHICHJOBS_ALL), 0);
    auto result = use(jobs, jobs + count);
    cups()->freeJobs(count, jobs);
    return result;
}

QString joinedKeywords(ipp_attribute_t* attribute)
{
    QStringList words;
    for (int i = 0; i < cups()->getCount(attribute); ++i)
        words << QString::fromUtf8(cups()->getString(attribute, i, nullptr));
    return words.join(QLatin1String(", "));
}

// The queue's state, asked of the service itself: the destination list leaves out its message.
void readQueueState(http_t* http, const QByteArray& queue, QueueFacts& facts)
{
    const Cups& service = *cups();
    char uri[HTTP_MAX_URI];
    service.assembleUri(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, "/printers/%s",
                     queue.constData());
    ipp_t* request = service.newRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    service.addString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    static const char* const wanted[] = {"printer-is-accepting-jobs", "printer-state", "printer-state-message",
                                         "printer-state-reasons"};
    service.addStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", int(std::size(wanted)),
                  nullptr, wanted);
    const IppMessage response(service.doRequest(http, request, "/"));
    if (!response)
        return;
    if (ipp_attribute_t* accepting = service.findAttribute(response.get(), "printer-is-accepting-jobs", IPP_TAG_BOOLEAN))
        facts.accepting = service.getBoolean(accepting, 0) != 0;
    if (ipp_attribute_t* state = service.findAttribute(response.get(), "printer-state", IPP_TAG_ENUM))
        facts.stopped = service.getInteger(state, 0) == IPP_PSTATE_STOPPED;
    if (ipp_attribute_t* message = service.findAttribute(response.get(), "printer-state-message", IPP_TAG_TEXT))
        facts.stateMessage = QString::fromUtf8(service.getString(message, 0, nullptr)).trimmed();
    if (ipp_attribute_t* reasons = service.findAttribute(response.get(), "printer-state-reasons", IPP_TAG_KEYWORD))
        facts.stateReasons = joinedKeywords(reasons);
}

} // namespace

JobCheck judgeJob(const QueueFacts& facts)
{
    QString reason = facts.stateMessage;
    if (reason.isEmpty() && facts.stateReasons != QLatin1String("none"))
        reason = facts.stateReasons;
    if (!facts.jobFound)
        return {facts.accepting ? JobFate::Failed : JobFate::Refused, reason};
    if (facts.jobEnded)
        return {JobFate::Failed, reason};
    if (facts.stopped)
        return {JobFate::Held, reason};
    return {JobFate::Accepted, {}};
}

PrintServiceStatus CupsPrintService::status()
{
    const Connection http = connectToService();
    if (!http)
        return {PrintServiceState::NotRunning, {}};
    cups_dest_t* dests = nullptr;
    const int count = cups()->getDestinations(http.get(), &dests);
    PrintServiceStatus status{count > 0 ? PrintServiceState::NoDefault : PrintServiceState::NoPrinter, {}};
    const cups_dest_t* chosen = cups()->getDestination(nullptr, nullptr, count, dests);
    if (chosen) {
        status.state = PrintServiceState::DefaultSet;
        status.defaultQueue = QString::fromUtf8(chosen->name);
    }
    cups()->freeDestinations(count, dests);
    return status;
}

int CupsPrintService::newestJob()
{
    const Connection http = connectToService();
    if (!http)
        return 0;
    return withJobs(http.get(), nullptr, [](const cups_job_t* first, const cups_job_t* last) {
        int newest = 0;
        for (const cups_job_t* job = first; job != last; ++job)
            newest = std::max(newest, job->id);
        return newest;
    });
}

JobCheck CupsPrintService::checkJob(const QString& queue, int newestBefore)
{
    const Connection http = connectToService();
    if (!http)
        return {JobFate::Failed, {}};
    const QByteArray name = queue.toUtf8();
    QueueFacts facts;
    withJobs(http.get(), name.constData(), [&facts, newestBefore](const cups_job_t* first, const cups_job_t* last) {
        for (const cups_job_t* job = first; job != last; ++job) {
            if (job->id > newestBefore) {
                facts.jobFound = true;
                facts.jobEnded = job->state == IPP_JSTATE_CANCELED || job->state == IPP_JSTATE_ABORTED;
            }
        }
        return 0;
    });
    readQueueState(http.get(), name, facts);
    return judgeJob(facts);
}

} // namespace numerette
