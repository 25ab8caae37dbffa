// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/exchangejobs.h"

#include "controller/controller.h"
#include "link/uploadestimate.h"
#include "texts/linktexts.h"
#include "texts/messagetexts.h"
#include "web/servicedialogs.h"
#include "web/servicetexts.h"

#include <QJsonDocument>
#include <algorithm>

ExchangeJobs::ExchangeJobs(Controller& controller, ServiceDialogs& dialogs, QObject* parent)
    : QObject(parent)
    , m_controller(controller)
    , m_dialogs(dialogs)
{
    m_clock.start();
    m_keepAlive.setInterval(kKeepAliveMs);
    connect(&m_keepAlive, &QTimer::timeout, this, [this] {
        std::erase_if(m_followers, [](Follower& follower) { return !follower.response.sendKeepAlive(); });
        if (m_followers.empty())
            m_keepAlive.stop();
    });
    connect(&m_controller, &Controller::uploadProgressChanged, this, &ExchangeJobs::progressed);
    connect(&m_controller, &Controller::clockProgressChanged, this, &ExchangeJobs::progressed);
    connect(&m_controller, &Controller::transferStatusChanged, this, [this](const QString& text) {
        if (ExchangeJob* job = current()) {
            job->status = text;
            tellFollowers(*job, false);
        }
    });
    connect(&m_controller, &Controller::transferFinished, this, &ExchangeJobs::portDone);
}

ExchangeJob* ExchangeJobs::current()
{
    const auto found = std::find_if(m_jobs.begin(), m_jobs.end(),
                                    [this](const ExchangeJob& job) { return job.id == m_running; });
    return found == m_jobs.end() ? nullptr : &*found;
}

const ExchangeJob* ExchangeJobs::job(int id) const
{
    const auto found =
        std::find_if(m_jobs.cbegin(), m_jobs.cend(), [id](const ExchangeJob& job) { return job.id == id; });
    return found == m_jobs.cend() ? nullptr : &*found;
}

std::variant<int, ExchangeJobs::Refusal> ExchangeJobs::start(const Request& request)
{
    if (running() || m_controller.transferInProgress())
        return Refusal{409, MessageTexts::busy()};
    if (request.kind == ExchangeJob::Kind::Upload) {
        const UploadEstimate upload = UploadEstimate::of(m_controller.project());
        if (!upload.fits() && !request.clip)
            return Refusal{400, upload.overCapacityText(ServiceTexts::clipHint())};
        // Brightness is no part of a project file; the card gets the request's.
        m_controller.typeText(GlobalList::Brightness, request.brightness);
    }
    ExchangeJob job;
    job.id = m_nextId++;
    job.kind = request.kind;
    job.ports = request.ports;
    m_jobs.append(job);
    m_running = job.id;
    if (!startOnPort(m_jobs.last())) {
        m_jobs.removeLast();
        m_running.reset();
        return Refusal{400, m_dialogs.take().join(u'\n')};
    }
    if (m_jobs.size() > kJobsKept)
        m_jobs.removeFirst();
    return job.id;
}

bool ExchangeJobs::startOnPort(ExchangeJob& job)
{
    m_controller.typeText(GlobalList::Port, job.ports.at(job.portIndex));
    job.progressValue = 0;
    job.progressMaximum = 0;
    job.startedMs = m_clock.elapsed();
    const bool upload = job.kind == ExchangeJob::Kind::Upload;
    job.estimatedMs = upload ? qRound64(UploadEstimate::of(m_controller.project()).seconds * 1000) +
                                   m_controller.linkQuietLeftMs()
                             : 0;
    return upload ? m_controller.send(TransferCommands::Overflow::Clip) : m_controller.sendClock();
}

void ExchangeJobs::startOnNextPort()
{
    ExchangeJob* job = current();
    while (job && ++job->portIndex < job->ports.size()) {
        if (startOnPort(*job))
            return;
        job->results.append(
            {job->ports.at(job->portIndex), false, LinkTexts::notStarted(), m_dialogs.take()});
    }
    if (!job)
        return;
    const bool allCompleted =
        std::all_of(job->results.cbegin(), job->results.cend(),
                    [](const ExchangeJob::PortResult& result) { return result.completed; });
    job->state = allCompleted ? ExchangeJob::State::Completed : ExchangeJob::State::Failed;
    m_running.reset();
    tellFollowers(*job, true);
    emit jobEnded(job->id);
}

void ExchangeJobs::portDone(bool completed)
{
    ExchangeJob* job = current();
    if (!job)
        return;
    job->status = m_controller.transferStatus();
    job->results.append({job->ports.at(job->portIndex), completed, job->status, m_dialogs.take()});
    // From the event loop, as the command line does: the next port's first progress and a port
    // that cannot be opened are seen as they are for the first.
    QTimer::singleShot(0, this, &ExchangeJobs::startOnNextPort);
}

void ExchangeJobs::progressed(int maximum, int value)
{
    ExchangeJob* job = current();
    if (!job || value == 0)
        return;
    job->progressMaximum = maximum;
    job->progressValue = value;
    tellFollowers(*job, false);
}

void ExchangeJobs::follow(int id, HttpResponse response)
{
    const ExchangeJob* followed = job(id);
    response.startEvents();
    const QByteArray now = QJsonDocument(json(*followed)).toJson(QJsonDocument::Compact);
    if (followed->state != ExchangeJob::State::Running) {
        response.sendEvent("end", now);
        response.close();
        return;
    }
    response.sendEvent("progress", now);
    m_followers.push_back({id, std::move(response)});
    m_keepAlive.start();
}

void ExchangeJobs::tellFollowers(const ExchangeJob& job, bool ended)
{
    const QByteArray data = QJsonDocument(json(job)).toJson(QJsonDocument::Compact);
    std::erase_if(m_followers, [&](Follower& follower) {
        if (follower.job != job.id)
            return false;
        if (!follower.response.sendEvent(ended ? "end" : "progress", data))
            return true;
        if (ended)
            follower.response.close();
        return ended;
    });
}
