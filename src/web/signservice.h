// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "texts/language.h"
#include "web/accessguard.h"
#include "web/httpreply.h"
#include "web/requestlanguage.h"

#include <QJsonObject>
#include <QStringList>
#include <optional>

class Controller;
class ExchangeJobs;
class HttpResponse;
class ProjectKeeper;
class QHttpServerRequest;
class ServiceDialogs;

// The web service's requests: the page and its files, and the JSON API over the controller. It
// adds no rule of its own: changes are made as `p10signctl set` makes them and saved before they
// are answered, uploads and clock sets are the window's transfer commands, and refusals are told
// in the words of the command line and the window, in the language the request asks for.
class SignService {
public:
    struct Parts {
        Controller& controller;
        ServiceDialogs& dialogs;
        ProjectKeeper& project;
        ExchangeJobs& jobs;
        AccessGuard& guard;
    };

    // ports: the ports uploads and clock sets may go to, as the command line named them.
    SignService(Parts parts, QStringList ports);

    void handle(const QHttpServerRequest& request, HttpResponse response);
    // The texts of a running exchange are made in its requester's language until it ends.
    void jobEnded();

private:
    struct Call {
        const QHttpServerRequest& request;
        int number = 0; // the message or job the path names
        QJsonObject body;
    };
    using Handler = HttpReply (SignService::*)(const Call& call);
    struct Route;

    [[nodiscard]] std::optional<HttpReply> route(const QHttpServerRequest& request, HttpResponse& response);
    [[nodiscard]] std::optional<HttpReply> refusal(const AccessGuard::Verdict& verdict) const;

    [[nodiscard]] HttpReply page(const Call& call);
    [[nodiscard]] HttpReply script(const Call& call);
    [[nodiscard]] HttpReply styleSheet(const Call& call);
    [[nodiscard]] HttpReply session(const Call& call);
    [[nodiscard]] HttpReply signIn(const Call& call);
    [[nodiscard]] HttpReply signOut(const Call& call);
    [[nodiscard]] HttpReply project(const Call& call);
    [[nodiscard]] HttpReply changeMessage(const Call& call);
    [[nodiscard]] HttpReply changeSign(const Call& call);
    [[nodiscard]] HttpReply preview(const Call& call);
    [[nodiscard]] HttpReply ports(const Call& call);
    [[nodiscard]] HttpReply upload(const Call& call);
    [[nodiscard]] HttpReply setClock(const Call& call);
    [[nodiscard]] HttpReply job(const Call& call);

    [[nodiscard]] HttpReply change(const Call& call, bool message);
    [[nodiscard]] HttpReply startJob(const Call& call, bool upload);
    [[nodiscard]] HttpReply projectReply(int status, const QJsonObject& body) const;

    Parts m_parts;
    QStringList m_ports;
    RequestLanguage m_language;
    // Whoever started the running exchange: its status texts are made in their language.
    std::optional<Language::Id> m_jobLanguage;
};
