// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/signservice.h"

#include "controller/controller.h"
#include "ctl/previewwriter.h"
#include "ctl/projectsummary.h"
#include "ctl/settingchanges.h"
#include "link/clock.h"
#include "model/limits.h"
#include "texts/messagetexts.h"
#include "web/acceptlanguage.h"
#include "web/changerequest.h"
#include "web/exchangejobs.h"
#include "web/httpresponse.h"
#include "web/pagetexts.h"
#include "web/projectkeeper.h"
#include "web/servicedialogs.h"
#include "web/servicetexts.h"
#include "web/weblog.h"

#include <QElapsedTimer>
#include <QFile>
#include <QHttpServerRequest>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTime>
#include <QUrlQuery>

namespace {

using Method = QHttpServerRequest::Method;
using Need = AccessGuard::Need;

// A path's parts; "#" stands for a number, which the call gets.
constexpr qsizetype kMaxNumberDigits = 6;

constexpr int kPreviewSecondsDefault = 10;
constexpr int kPreviewSecondsMax = 30;
constexpr int kPreviewScaleDefault = 2;
constexpr int kPreviewScaleMax = 8;

const QByteArray kPageSecurity = QByteArrayLiteral(
    "default-src 'none'; script-src 'self'; style-src 'self'; img-src 'self'; connect-src 'self'; "
    "base-uri 'none'; form-action 'none'; frame-ancestors 'none'");

bool matches(QStringView pattern, QStringView path, int& number)
{
    const QList<QStringView> wanted = pattern.split(u'/');
    const QList<QStringView> given = path.split(u'/');
    if (wanted.size() != given.size())
        return false;
    for (qsizetype i = 0; i < wanted.size(); ++i) {
        if (wanted.at(i) != u"#") {
            if (wanted.at(i) != given.at(i))
                return false;
            continue;
        }
        const QStringView digits = given.at(i);
        const bool allDigits = std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit(); });
        if (digits.isEmpty() || digits.size() > kMaxNumberDigits || !allDigits)
            return false;
        number = digits.toInt();
    }
    return true;
}

const char* methodName(Method method)
{
    switch (method) {
    case Method::Get:
        return "GET";
    case Method::Post:
        return "POST";
    case Method::Patch:
        return "PATCH";
    case Method::Delete:
        return "DELETE";
    case Method::Put:
        return "PUT";
    case Method::Head:
        return "HEAD";
    default:
        return "OTHER";
    }
}

QByteArray resource(const QString& name)
{
    QFile file(QStringLiteral(":/page/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The request's number, or nothing when it is missing or out of range.
std::optional<int> wholeValue(const QJsonValue& value, int fallback, int min, int max)
{
    if (value.isUndefined())
        return fallback;
    // A string that is no number is refused, not read as 0.
    bool numeric = value.isDouble();
    const double number = value.isString() ? value.toString().toDouble(&numeric) : value.toDouble();
    if (!numeric || number != std::floor(number) || number < min || number > max)
        return std::nullopt;
    return int(number);
}

std::optional<int> queryValue(const QUrlQuery& query, const QString& key, int fallback, int max)
{
    if (!query.hasQueryItem(key))
        return fallback;
    bool numeric = false;
    const int value = query.queryItemValue(key).toInt(&numeric);
    return numeric && value >= 1 && value <= max ? std::optional<int>(value) : std::nullopt;
}

} // namespace

struct SignService::Route {
    Method method;
    const char16_t* path;
    Need need;
    Handler handler; // none: the job's events, which keep the connection
};

SignService::SignService(Parts parts, QStringList ports)
    : m_parts(parts)
    , m_ports(std::move(ports))
{
}

void SignService::handle(const QHttpServerRequest& request, HttpResponse response)
{
    QElapsedTimer took;
    took.start();
    // Nothing told before this request belongs to its answer.
    static_cast<void>(m_parts.dialogs.take());
    const QStringList languages = acceptedLanguages(request.value(QByteArrayLiteral("Accept-Language")));
    m_language.use(languages.isEmpty() ? std::nullopt
                                       : std::optional<Language::Id>(Language::fromUiLanguages(languages)));
    const std::optional<HttpReply> reply = route(request, response);
    if (reply)
        response.send(*reply);
    if (m_parts.jobs.running() && !m_jobLanguage)
        m_jobLanguage = m_language.inUse();
    m_language.use(m_jobLanguage);

    qCInfo(lcWeb).noquote() << request.remoteAddress().toString() << methodName(request.method())
                            << request.url().path() << (reply ? QString::number(reply->status) : "events")
                            << took.elapsed() << "ms";
}

void SignService::jobEnded()
{
    m_jobLanguage.reset();
    m_language.use(std::nullopt);
}

std::optional<HttpReply> SignService::route(const QHttpServerRequest& request, HttpResponse& response)
{
    static const Route kRoutes[] = {
        {Method::Get, u"/", Need::Page, &SignService::page},
        {Method::Get, u"/app.js", Need::Page, &SignService::script},
        {Method::Get, u"/style.css", Need::Page, &SignService::styleSheet},
        {Method::Get, u"/api/session", Need::SignIn, &SignService::session},
        {Method::Post, u"/api/session", Need::SignIn, &SignService::signIn},
        {Method::Delete, u"/api/session", Need::Change, &SignService::signOut},
        {Method::Get, u"/api/project", Need::Read, &SignService::project},
        {Method::Patch, u"/api/messages/#", Need::Change, &SignService::changeMessage},
        {Method::Patch, u"/api/sign", Need::Change, &SignService::changeSign},
        {Method::Get, u"/api/messages/#/preview.gif", Need::Read, &SignService::preview},
        {Method::Get, u"/api/ports", Need::Read, &SignService::ports},
        {Method::Post, u"/api/upload", Need::Change, &SignService::upload},
        {Method::Post, u"/api/clock", Need::Change, &SignService::setClock},
        {Method::Get, u"/api/jobs/#", Need::Read, &SignService::job},
        {Method::Get, u"/api/jobs/#/events", Need::Read, nullptr},
    };
    const QString path = request.url().path();
    const Route* found = nullptr;
    QByteArrayList allowed;
    int number = 0;
    for (const Route& route : kRoutes) {
        if (!matches(QStringView(route.path), path, number))
            continue;
        allowed << methodName(route.method);
        if (route.method == request.method()) {
            found = &route;
            break;
        }
    }
    if (allowed.isEmpty())
        return HttpReply::error(404, ServiceTexts::notFound());
    if (!found)
        return HttpReply::error(405, ServiceTexts::methodNotAllowed())
            .withHeader("Allow", allowed.join(", "));
    if (auto refused = refusal(m_parts.guard.check(request, found->need)))
        return refused;

    Call call{request, number, {}};
    if (!request.body().isEmpty()) {
        const QJsonDocument body = QJsonDocument::fromJson(request.body());
        if (!body.isObject())
            return HttpReply::error(400, ServiceTexts::badJson());
        call.body = body.object();
    }
    if (found->handler)
        return (this->*found->handler)(call);
    if (!m_parts.jobs.job(number))
        return HttpReply::error(404, ServiceTexts::notFound());
    m_parts.jobs.follow(number, std::move(response));
    return std::nullopt;
}

std::optional<HttpReply> SignService::refusal(const AccessGuard::Verdict& verdict) const
{
    using Refusal = AccessGuard::Refusal;
    switch (verdict.refusal) {
    case Refusal::None:
        return std::nullopt;
    case Refusal::WrongHost:
        return HttpReply::error(403, ServiceTexts::wrongHost());
    case Refusal::ForeignOrigin:
        return HttpReply::error(403, ServiceTexts::foreignOrigin());
    case Refusal::NoCsrfToken:
        return HttpReply::error(403, ServiceTexts::noCsrfToken());
    case Refusal::NotJson:
        return HttpReply::error(415, ServiceTexts::notJson());
    case Refusal::SignInNeeded:
        return HttpReply::error(401, ServiceTexts::signInNeeded()).withHeader("WWW-Authenticate", "Bearer");
    case Refusal::WrongSecret:
        return HttpReply::error(401, ServiceTexts::wrongSecret()).withHeader("WWW-Authenticate", "Bearer");
    case Refusal::Throttled: {
        const qint64 seconds = (verdict.retryAfterMs + 999) / 1000;
        return HttpReply::error(429, ServiceTexts::throttled(seconds))
            .withHeader("Retry-After", QByteArray::number(seconds));
    }
    }
    return std::nullopt;
}

HttpReply SignService::page(const Call&)
{
    // The texts sit in the page as data; "</" is written so that no text can end the script element.
    QByteArray texts = QJsonDocument(pageTexts()).toJson(QJsonDocument::Compact);
    texts.replace("</", "<\\/");
    QByteArray html = resource(QStringLiteral("index.html"));
    html.replace("{{lang}}", Language::code(m_language.inUse()).toLatin1());
    html.replace("{{texts}}", texts);
    return HttpReply{200, QByteArrayLiteral("text/html; charset=utf-8"), html, {}}.withHeader(
        "Content-Security-Policy", kPageSecurity);
}

HttpReply SignService::script(const Call&)
{
    return {200, QByteArrayLiteral("text/javascript; charset=utf-8"), resource(QStringLiteral("app.js")), {}};
}

HttpReply SignService::styleSheet(const Call&)
{
    return {200, QByteArrayLiteral("text/css; charset=utf-8"), resource(QStringLiteral("style.css")), {}};
}

HttpReply SignService::session(const Call& call)
{
    const QByteArray csrf = m_parts.guard.csrfOf(call.request);
    return HttpReply::json(
        200, {{QStringLiteral("secretNeeded"), m_parts.guard.secretNeeded()},
              {QStringLiteral("signedIn"), !csrf.isEmpty()},
              {QStringLiteral("csrf"), csrf.isEmpty() ? QJsonValue() : QString::fromLatin1(csrf)}});
}

HttpReply SignService::signIn(const Call& call)
{
    const QJsonValue secret = call.body.value(QStringLiteral("secret"));
    if (!secret.isUndefined() && !secret.isString())
        return HttpReply::error(400, ServiceTexts::badType(QStringLiteral("secret")));
    AccessGuard::Session opened;
    if (auto refused = refusal(m_parts.guard.signIn(call.request, secret.toString().toUtf8(), opened)))
        return *refused;
    return HttpReply::json(200, {{QStringLiteral("csrf"), QString::fromLatin1(opened.csrf)}})
        .withHeader("Set-Cookie", opened.cookie);
}

HttpReply SignService::signOut(const Call& call)
{
    return HttpReply{204, {}, {}, {}}.withHeader("Set-Cookie", m_parts.guard.signOut(call.request));
}

HttpReply SignService::projectReply(int status, const QJsonObject& body) const
{
    return HttpReply::json(status, body).withHeader("ETag", m_parts.project.etag());
}

HttpReply SignService::project(const Call& call)
{
    m_parts.project.refresh();
    if (call.request.value(QByteArrayLiteral("If-None-Match")) == m_parts.project.etag())
        return HttpReply{304, {}, {}, {}}.withHeader("ETag", m_parts.project.etag());
    return projectReply(200, ProjectSummary::of(m_parts.controller.project()).json());
}

HttpReply SignService::changeMessage(const Call& call)
{
    if (call.number >= kMessageCount)
        return HttpReply::error(404, ServiceTexts::notFound());
    return change(call, true);
}

HttpReply SignService::changeSign(const Call& call)
{
    return change(call, false);
}

HttpReply SignService::change(const Call& call, bool message)
{
    const QByteArray expected = call.request.value(QByteArrayLiteral("If-Match"));
    if (expected.isEmpty())
        return HttpReply::error(428, ServiceTexts::versionNeeded());
    const QString& path = m_parts.project.path();
    auto read = message ? ChangeRequest::forMessage(call.number, call.body, path)
                        : ChangeRequest::forSign(call.body, path);
    if (const auto* refused = std::get_if<QString>(&read))
        return HttpReply::error(400, *refused);
    const ChangeRequest& request = std::get<ChangeRequest>(read);
    if (request.empty())
        return HttpReply::error(400, ServiceTexts::nothingToChange());

    Controller& controller = m_parts.controller;
    QString refused;
    const auto apply = [&] {
        if (request.text) {
            controller.selectTab(call.number);
            controller.setMessageText(call.number, *request.text);
        }
        for (const MessageGroup& group : request.messageGroups)
            SettingChanges::applyToMessage(controller, group.message, group.changes);
        if (request.text)
            controller.adoptText();
        refused = SettingChanges::applyToSign(controller, request.globalChanges).value_or(QString());
        return refused.isEmpty();
    };
    const ProjectKeeper::Outcome outcome = m_parts.project.change(expected, apply);
    const QStringList told = m_parts.dialogs.take();
    switch (outcome) {
    case ProjectKeeper::Outcome::Saved:
        return projectReply(200,
                            {{QStringLiteral("project"), ProjectSummary::of(controller.project()).json()},
                             {QStringLiteral("warnings"), QJsonArray::fromStringList(told)}});
    case ProjectKeeper::Outcome::Stale:
        return HttpReply::error(409, ServiceTexts::staleVersion()).withHeader("ETag", m_parts.project.etag());
    case ProjectKeeper::Outcome::Busy:
        return HttpReply::error(409, MessageTexts::busy());
    case ProjectKeeper::Outcome::Refused:
        return HttpReply::error(400, refused);
    case ProjectKeeper::Outcome::Failed:
        break;
    }
    return HttpReply::error(500, (QStringList{ServiceTexts::notSaved()} + told).join(u'\n'));
}

HttpReply SignService::preview(const Call& call)
{
    if (call.number >= kMessageCount)
        return HttpReply::error(404, ServiceTexts::notFound());
    const QUrlQuery query(call.request.url());
    const auto seconds =
        queryValue(query, QStringLiteral("seconds"), kPreviewSecondsDefault, kPreviewSecondsMax);
    const auto scale = queryValue(query, QStringLiteral("scale"), kPreviewScaleDefault, kPreviewScaleMax);
    // The sign's clock at the start, as `preview --at` sets it: the work time decides whether it is lit.
    const QString atText = query.queryItemValue(QStringLiteral("at"));
    const QTime at = atText.isEmpty() ? m_parts.controller.clock().timeOfDay()
                                      : QTime::fromString(atText, QStringLiteral("HH:mm:ss"));
    if (!seconds || !scale || !at.isValid())
        return HttpReply::error(400, ServiceTexts::badPreview());
    m_parts.project.refresh();
    SignRecording recording;
    recording.message = call.number;
    recording.seconds = *seconds;
    recording.scale = *scale;
    auto gif = previewGif(m_parts.controller.project(), {recording, at});
    if (const auto* failure = std::get_if<QString>(&gif))
        return HttpReply::error(500, *failure);
    return HttpReply{200, QByteArrayLiteral("image/gif"), std::get<QByteArray>(gif), {}}.withHeader(
        "ETag", m_parts.project.etag());
}

HttpReply SignService::ports(const Call&)
{
    QJsonArray ports;
    for (qsizetype i = 0; i < m_ports.size(); ++i)
        ports.append(QJsonObject{{QStringLiteral("index"), int(i)}, {QStringLiteral("name"), m_ports.at(i)}});
    return HttpReply::json(
        200, {{QStringLiteral("ports"), ports}, {QStringLiteral("busy"), m_parts.jobs.running()}});
}

HttpReply SignService::upload(const Call& call)
{
    return startJob(call, true);
}

HttpReply SignService::setClock(const Call& call)
{
    return startJob(call, false);
}

HttpReply SignService::startJob(const Call& call, bool upload)
{
    if (m_ports.isEmpty())
        return HttpReply::error(400, ServiceTexts::noPorts());
    ExchangeJobs::Request request;
    request.kind = upload ? ExchangeJob::Kind::Upload : ExchangeJob::Kind::ClockSet;
    const QJsonValue port = call.body.value(QStringLiteral("port"));
    if (port.isUndefined() || port == QLatin1String("all")) {
        request.ports = m_ports;
    } else {
        const auto index = wholeValue(port, 0, 0, int(m_ports.size()) - 1);
        if (!index)
            return HttpReply::error(400, ServiceTexts::badPort(port.toVariant().toString()));
        request.ports = QStringList{m_ports.at(*index)};
    }
    if (upload) {
        const auto brightness = wholeValue(call.body.value(QStringLiteral("brightness")), 4, 1, 4);
        if (!brightness)
            return HttpReply::error(400, ServiceTexts::badBrightness());
        request.brightness = QString::number(*brightness);
        const QJsonValue clip = call.body.value(QStringLiteral("clip"));
        if (!clip.isUndefined() && !clip.isBool())
            return HttpReply::error(400, ServiceTexts::badType(QStringLiteral("clip")));
        request.clip = clip.toBool();
    }
    // What goes to the card is the project as saved, whoever saved it last.
    m_parts.project.refresh();
    const auto started = m_parts.jobs.start(request);
    if (const auto* refused = std::get_if<ExchangeJobs::Refusal>(&started))
        return HttpReply::error(refused->status, refused->text);
    const int id = std::get<int>(started);
    return HttpReply::json(202, m_parts.jobs.json(*m_parts.jobs.job(id)))
        .withHeader("Location", "/api/jobs/" + QByteArray::number(id));
}

HttpReply SignService::job(const Call& call)
{
    const ExchangeJob* found = m_parts.jobs.job(call.number);
    if (!found)
        return HttpReply::error(404, ServiceTexts::notFound());
    return HttpReply::json(200, m_parts.jobs.json(*found));
}
