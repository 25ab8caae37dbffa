// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "web/exchangejob.h"
#include "web/httpresponse.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <optional>
#include <variant>

class Controller;
class ServiceDialogs;

// Runs the uploads and clock sets that requests ask for, through the controller's own transfer
// commands, so that each keeps the gap its card needs after the exchange before. The controller has
// one line, as the window has: one exchange runs at a time, and a job for several ports goes from
// one to the next. The last jobs are kept for those who ask how they went; their changes can also
// be followed as server-sent events.
class ExchangeJobs : public QObject {
    Q_OBJECT

public:
    static constexpr int kJobsKept = 16;
    static constexpr int kKeepAliveMs = 15000;

    struct Request {
        ExchangeJob::Kind kind = ExchangeJob::Kind::Upload;
        QStringList ports;
        QString brightness = QStringLiteral("4");
        bool clip = false; // send what fits of a project the card cannot hold
    };
    struct Refusal {
        int status = 400;
        QString text;
    };

    ExchangeJobs(Controller& controller, ServiceDialogs& dialogs, QObject* parent = nullptr);

    // The job's number, or why it was not started: another exchange is running, or the first port
    // refused it (an empty project, a port that is gone). A project that does not fit is refused
    // unless it is to be clipped.
    [[nodiscard]] std::variant<int, Refusal> start(const Request& request);
    [[nodiscard]] const ExchangeJob* job(int id) const;
    [[nodiscard]] bool running() const { return m_running.has_value(); }
    // How the job stands now, time left included.
    [[nodiscard]] QJsonObject json(const ExchangeJob& job) const { return job.json(m_clock.elapsed()); }
    // The job's changes as events ("progress", then "end" with how it went) until it ends.
    void follow(int id, HttpResponse response);

signals:
    void jobEnded(int id);

private:
    [[nodiscard]] ExchangeJob* current();
    [[nodiscard]] bool startOnPort(ExchangeJob& job);
    void startOnNextPort();
    void portDone(bool completed);
    void progressed(int maximum, int value);
    void tellFollowers(const ExchangeJob& job, bool ended);

    Controller& m_controller;
    ServiceDialogs& m_dialogs;
    QList<ExchangeJob> m_jobs; // the last ones, oldest first
    std::optional<int> m_running;
    int m_nextId = 1;
    QElapsedTimer m_clock;
    struct Follower {
        int job = 0;
        HttpResponse response;
    };
    std::vector<Follower> m_followers;
    QTimer m_keepAlive;
};
