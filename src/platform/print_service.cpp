// SPDX-License-Identifier: GPL-3.0-or-later
#include "print_service.h"

#include <algorithm>
#include <memory>

#include <QStringList>

#include <cups/cups.h>

namespace numerette {

namespace {

// A service that does not answer a connection in this long is not running.
constexpr int ConnectTimeoutMs = 5'000;

struct HttpClose {
    void operator()(http_t* http) const { httpClose(http); }
};
using Connection = std::unique_ptr<http_t, HttpClose>;

struct IppDelete {
    void operator()(ipp_t* ipp) const { ippDelete(ipp); }
};
using IppMessage = std::unique_ptr<ipp_t, IppDelete>;

Connection connectToService()
{
    return Connection(
        httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, ConnectTimeoutMs, nullptr));
}

// Calls use with the user's jobs (all of them, finished ones included), then frees them.
template <typename Use>
auto withJobs(http_t* http, const char* queue, Use use)
{
    cups_job_t* jobs = nullptr;
    const int count = std::max(cupsGetJobs2(http, &jobs, queue, 1, CUPS_WHICHJOBS_ALL), 0);
    auto result = use(jobs, jobs + count);
    cupsFreeJobs(count, jobs);
    return result;
}

QString joinedKeywords(ipp_attribute_t* attribute)
{
    QStringList words;
    for (int i = 0; i < ippGetCount(attribute); ++i)
        words << QString::fromUtf8(ippGetString(attribute, i, nullptr));
    return words.join(QLatin1String(", "));
}

// The queue's state, asked of the service itself: the destination list leaves out its message.
void readQueueState(http_t* http, const QByteArray& queue, QueueFacts& facts)
{
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, "/printers/%s",
                     queue.constData());
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    static const char* const wanted[] = {"printer-is-accepting-jobs", "printer-state", "printer-state-message",
                                         "printer-state-reasons"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", int(std::size(wanted)),
                  nullptr, wanted);
    const IppMessage response(cupsDoRequest(http, request, "/"));
    if (!response)
        return;
    if (ipp_attribute_t* accepting = ippFindAttribute(response.get(), "printer-is-accepting-jobs", IPP_TAG_BOOLEAN))
        facts.accepting = ippGetBoolean(accepting, 0) != 0;
    if (ipp_attribute_t* state = ippFindAttribute(response.get(), "printer-state", IPP_TAG_ENUM))
        facts.stopped = ippGetInteger(state, 0) == IPP_PSTATE_STOPPED;
    if (ipp_attribute_t* message = ippFindAttribute(response.get(), "printer-state-message", IPP_TAG_TEXT))
        facts.stateMessage = QString::fromUtf8(ippGetString(message, 0, nullptr)).trimmed();
    if (ipp_attribute_t* reasons = ippFindAttribute(response.get(), "printer-state-reasons", IPP_TAG_KEYWORD))
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
    const int count = cupsGetDests2(http.get(), &dests);
    PrintServiceStatus status{count > 0 ? PrintServiceState::NoDefault : PrintServiceState::NoPrinter, {}};
    const cups_dest_t* chosen = cupsGetDest(nullptr, nullptr, count, dests);
    if (chosen) {
        status.state = PrintServiceState::DefaultSet;
        status.defaultQueue = QString::fromUtf8(chosen->name);
    }
    cupsFreeDests(count, dests);
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
