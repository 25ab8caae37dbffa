// SPDX-License-Identifier: GPL-3.0-or-later
// p10signctl serve as a person starts it, with the virtual card behind a socat pseudo-terminal pair:
// the JSON API through real HTTP requests, what it refuses, the secret, and HTTPS.
#include "../virtualcard/cardprocess.h"
#include "../virtualcard/sendertools.h"
#include "link/ptypair.h"
#include "serveprocess.h"
#include "texts/cardtexts.h"
#include "web/servicetexts.h"
#include "webclient.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

// Generous bounds that only catch a hang.
constexpr int kExchangeMs = 30000;

using Headers = WebClient::Headers;
using SenderTools::ctl;

QJsonObject infoOf(const QString& project)
{
    return QJsonDocument::fromJson(
               ctl({QStringLiteral("info"), project, QStringLiteral("--json")}).output.toUtf8())
        .object();
}

// The job's state once it has ended, or "running" when it has hung.
QString endOf(const WebClient& web, const QByteArray& job)
{
    QString state;
    const QDeadlineTimer deadline(kExchangeMs);
    do {
        QTest::qWait(50);
        state = web.send("GET", job).json().value(QStringLiteral("state")).toString();
    } while (state == QLatin1String("running") && !deadline.hasExpired());
    return state;
}

} // namespace

class TestWebService : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    PtyPair m_pty;
    std::unique_ptr<CardProcess> m_card;
    ServeProcess m_server;

    [[nodiscard]] QString path(const QString& name) const { return m_dir.filePath(name); }
    [[nodiscard]] QString project() const { return path(QStringLiteral("shop.ini")); }
    [[nodiscard]] QByteArray origin() const { return "http://" + WebClient(m_server.port()).host(); }

private slots:
    void initTestCase()
    {
        SKIP_WITHOUT_SOCAT();
        QVERIFY(m_pty.start());
        m_card = std::make_unique<CardProcess>(QProcessEnvironment::systemEnvironment());
        QVERIFY(m_card->start({QStringLiteral("--port"), m_pty.cardPath(), QStringLiteral("--fast"),
                               QStringLiteral("--json"), path(QStringLiteral("card.json"))}));
        // The project does not exist yet: the service starts it as the window would.
        QVERIFY2(m_server.start(project(), {QStringLiteral("--port"), m_pty.hostPath()}),
                 qUtf8Printable(m_server.errors()));
    }

    // A message changed on the version read, saved before the answer, uploaded and read back from the
    // card's memory; the clock set; the preview.
    void changeUploadAndReadTheCardBack()
    {
        const WebClient web(m_server.port());
        const WebClient::Answer before = web.send("GET", "/api/project");
        QCOMPARE(before.status, 200);
        QCOMPARE(before.json(), infoOf(project()));

        const WebClient::Answer changed = web.send(
            "PATCH", "/api/messages/0", R"({"text":"OPEN 9-17","mode":"fixed","speed":2,"bold":true})",
            {{"If-Match", before.header("ETag")}});
        QCOMPARE(changed.status, 200);
        QVERIFY(changed.header("ETag") != before.header("ETag"));
        const QJsonObject saved = infoOf(project())[QStringLiteral("messages")].toArray().at(0).toObject();
        QCOMPARE(saved[QStringLiteral("text")].toString(), QStringLiteral("OPEN 9-17"));
        QCOMPARE(saved[QStringLiteral("speed")].toInt(), 2);
        QVERIFY(saved[QStringLiteral("bold")].toBool());
        QVERIFY(saved[QStringLiteral("length")].toInt() > 0);
        QCOMPARE(web.send("PATCH", "/api/messages/0", R"({"speed":3})", {{"If-Match", before.header("ETag")}})
                     .status,
                 409);

        const WebClient::Answer upload = web.send("POST", "/api/upload", R"({"port":0})");
        QCOMPARE(upload.status, 202);
        const WebClient::Answer second = web.send("POST", "/api/upload", R"({"port":0})");
        QCOMPARE(second.status, 409);
        QCOMPARE(web.send("PATCH", "/api/messages/0", R"({"speed":3})", {{"If-Match", "*"}}).status, 409);
        QCOMPARE(endOf(web, upload.header("Location")), QStringLiteral("completed"));
        QVERIFY(m_card->waitForLines(2, kExchangeMs));
        QCOMPARE(SenderTools::memoryDifference(path(QStringLiteral("card.json")), project()), QString());
        QVERIFY(web.send("GET", upload.header("Location") + "/events").body.contains("event: end"));

        const WebClient::Answer clock = web.send("POST", "/api/clock", "{}");
        QCOMPARE(clock.status, 202);
        QCOMPARE(endOf(web, clock.header("Location")), QStringLiteral("completed"));
        QVERIFY(m_card->waitForLines(3, kExchangeMs));
        QVERIFY2(m_card->logLine(1).contains(CardTexts::clockSetKind()), qUtf8Printable(m_card->logLine(1)));

        const WebClient::Answer gif =
            web.send("GET", "/api/messages/0/preview.gif?seconds=1&scale=1&at=12:00:00");
        QCOMPARE(gif.status, 200);
        QVERIFY(gif.body.startsWith("GIF89a"));
    }

    // A value is refused in set's words, in the language the request asks for.
    void refusedInTheWordsOfSet_data()
    {
        QTest::addColumn<QByteArray>("acceptLanguage");
        QTest::addColumn<QString>("language");
        QTest::newRow("Japanese") << QByteArray("ja") << QStringLiteral("ja");
        QTest::newRow("English") << QByteArray("en-GB,ja;q=0.5") << QStringLiteral("en");
    }
    void refusedInTheWordsOfSet()
    {
        QFETCH(QByteArray, acceptLanguage);
        QFETCH(QString, language);
        const WebClient::Answer refused = WebClient(m_server.port())
                                              .send("PATCH", "/api/messages/3", R"({"speed":"9"})",
                                                    {{"If-Match", "*"}, {"Accept-Language", acceptLanguage}});
        QCOMPARE(refused.status, 400);
        const SenderTools::Run set = ctl({QStringLiteral("set"), project(), QStringLiteral("--language"),
                                          language, QStringLiteral("--message"), QStringLiteral("3"),
                                          QStringLiteral("--speed"), QStringLiteral("9")});
        QCOMPARE(refused.error(), set.error.trimmed());
    }

    void refusals_data()
    {
        QTest::addColumn<QByteArray>("method");
        QTest::addColumn<QByteArray>("target");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<Headers>("headers");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("error");
        const Headers any{{"If-Match", "*"}};
        QTest::newRow("unknown key") << QByteArray("PATCH") << QByteArray("/api/messages/0")
                                     << QByteArray(R"({"colour":1})") << any << 400
                                     << ServiceTexts::unknownKey(QStringLiteral("colour"));
        QTest::newRow("no version") << QByteArray("PATCH") << QByteArray("/api/sign")
                                    << QByteArray(R"({"days":5})") << Headers{} << 428
                                    << ServiceTexts::versionNeeded();
        QTest::newRow("stale version")
            << QByteArray("PATCH") << QByteArray("/api/sign") << QByteArray(R"({"days":5})")
            << Headers{{"If-Match", "\"0\""}} << 409 << ServiceTexts::staleVersion();
        QTest::newRow("not JSON") << QByteArray("PATCH") << QByteArray("/api/sign") << QByteArray("days=5")
                                  << Headers{{"If-Match", "*"}, {"Content-Type", "text/plain"}} << 415
                                  << ServiceTexts::notJson();
        QTest::newRow("broken JSON") << QByteArray("PATCH") << QByteArray("/api/sign") << QByteArray("{")
                                     << any << 400 << ServiceTexts::badJson();
        QTest::newRow("oversized body")
            << QByteArray("PATCH") << QByteArray("/api/messages/0")
            << "{\"text\":\"" + QByteArray(20000, 'A') + "\"}" << any << 413 << ServiceTexts::tooLarge();
        QTest::newRow("huge request")
            << QByteArray("PATCH") << QByteArray("/api/messages/0")
            << "{\"text\":\"" + QByteArray(200000, 'A') + "\"}" << any << 413 << ServiceTexts::tooLarge();
        QTest::newRow("page of another site")
            << QByteArray("POST") << QByteArray("/api/upload") << QByteArray("{}")
            << Headers{{"Origin", "http://example.com"}} << 403 << ServiceTexts::foreignOrigin();
        QTest::newRow("own page without token")
            << QByteArray("POST") << QByteArray("/api/upload") << QByteArray("{}")
            << Headers{{"Origin", origin()}} << 403 << ServiceTexts::noCsrfToken();
        QTest::newRow("another host name")
            << QByteArray("GET") << QByteArray("/api/project") << QByteArray()
            << Headers{{"Host", "sign.example.com"}} << 403 << ServiceTexts::wrongHost();
        QTest::newRow("a file's path") << QByteArray("GET") << QByteArray("/../../etc/passwd") << QByteArray()
                                       << Headers{} << 404 << ServiceTexts::notFound();
        QTest::newRow("a path in a name") << QByteArray("GET") << QByteArray("/%2e%2e%2fetc%2fpasswd")
                                          << QByteArray() << Headers{} << 404 << ServiceTexts::notFound();
        QTest::newRow("message 16") << QByteArray("PATCH") << QByteArray("/api/messages/16")
                                    << QByteArray(R"({"speed":1})") << any << 404 << ServiceTexts::notFound();
        QTest::newRow("preview at no time")
            << QByteArray("GET") << QByteArray("/api/messages/0/preview.gif?at=25:00:00") << QByteArray()
            << Headers{} << 400 << ServiceTexts::badPreview();
        QTest::newRow("port not served")
            << QByteArray("POST") << QByteArray("/api/upload") << QByteArray(R"({"port":5})") << Headers{}
            << 400 << ServiceTexts::badPort(QStringLiteral("5"));
        // A name that is no number once went to the first port.
        QTest::newRow("port by no number")
            << QByteArray("POST") << QByteArray("/api/upload") << QByteArray(R"({"port":"COM9"})")
            << Headers{} << 400 << ServiceTexts::badPort(QStringLiteral("COM9"));
    }
    void refusals()
    {
        QFETCH(QByteArray, method);
        QFETCH(QByteArray, target);
        QFETCH(QByteArray, body);
        QFETCH(Headers, headers);
        QFETCH(int, status);
        QFETCH(QString, error);
        const QByteArray before =
            QFile(project()).open(QIODevice::ReadOnly) ? SenderTools::contentsOf(project()) : QByteArray();
        const WebClient::Answer refused = WebClient(m_server.port()).send(method, target, body, headers);
        QCOMPARE(refused.status, status);
        QCOMPARE(refused.error(), error);
        QCOMPARE(SenderTools::contentsOf(project()), before);
    }

    // With a secret, a script brings it as a bearer token and the page opens a session with it: a
    // cookie that scripts of the page cannot read or send from another site, and the token the page
    // sends with each change. Wrong secrets are slowed.
    void secretIsAskedFor()
    {
        const QString secretFile = path(QStringLiteral("secret"));
        QFile file(secretFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("open sesame\n");
        file.close();
        ServeProcess server;
        QVERIFY(server.start(project(), {QStringLiteral("--secret-file"), secretFile}));
        const WebClient web(server.port());

        QCOMPARE(web.send("GET", "/").status, 200);
        QCOMPARE(web.send("GET", "/api/project").status, 401);
        QCOMPARE(web.send("GET", "/api/project", {}, {{"Authorization", "Bearer open sesame"}}).status, 200);

        const WebClient::Answer session = web.send("POST", "/api/session", R"({"secret":"open sesame"})");
        QCOMPARE(session.status, 200);
        const QByteArray cookie = session.header("Set-Cookie");
        QVERIFY2(cookie.contains("; HttpOnly") && cookie.contains("; SameSite=Strict"), cookie.constData());
        const QByteArray csrf = session.json()[QStringLiteral("csrf")].toString().toLatin1();
        const Headers page{{"Cookie", cookie.left(cookie.indexOf(';'))},
                           {"Origin", "http://" + web.host()},
                           {"If-Match", "*"}};
        QCOMPARE(web.send("PATCH", "/api/sign", R"({"days":12})", page).status, 403);
        QCOMPARE(
            web.send("PATCH", "/api/sign", R"({"days":12})", page + Headers{{"X-CSRF-Token", csrf}}).status,
            200);

        QCOMPARE(web.send("GET", "/api/project", {}, {{"Authorization", "Bearer open sesam"}}).status, 401);
        const WebClient::Answer slowed =
            web.send("GET", "/api/project", {}, {{"Authorization", "Bearer open sesame"}});
        QCOMPARE(slowed.status, 429);
        QVERIFY(slowed.header("Retry-After").toInt() >= 1);
        QCOMPARE(server.stop(), 0);
    }

    // Another computer reaches the service only with a secret, which the command line never holds.
    void otherAddressesNeedASecret()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("P10SIGN_SECRET"));
        const QStringList anyAddress{QStringLiteral("--listen"), QStringLiteral("0.0.0.0:0")};
        ServeProcess refused(environment);
        QVERIFY(!refused.start(project(), anyAddress));
        QVERIFY(refused.errors().contains(ServiceTexts::secretNeededOffLoopback()));

        environment.insert(QStringLiteral("P10SIGN_SECRET"), QStringLiteral("from the environment"));
        ServeProcess server(environment);
        QVERIFY(server.start(project(), anyAddress));
        QCOMPARE(WebClient(server.port()).send("GET", "/api/project").status, 401);
        QCOMPARE(WebClient(server.port())
                     .send("GET", "/api/project", {}, {{"Authorization", "Bearer from the environment"}})
                     .status,
                 200);
        QCOMPARE(server.stop(), 0);
    }

    void https()
    {
        SKIP_WITHOUT_TOOL(QStringLiteral("openssl"));
        const QString cert = path(QStringLiteral("cert.pem"));
        const QString key = path(QStringLiteral("key.pem"));
        QCOMPARE(QProcess::execute(QStringLiteral("openssl"),
                                   {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:P-256",
                                    "-nodes", "-subj", "/CN=localhost", "-days", "1", "-keyout", key, "-out",
                                    cert}),
                 0);
        ServeProcess server;
        QVERIFY(
            server.start(project(), {QStringLiteral("--tls-cert"), cert, QStringLiteral("--tls-key"), key}));
        QVERIFY(server.url().startsWith(QLatin1String("https://")));
        const WebClient::Answer session = WebClient(server.port(), true).send("POST", "/api/session", "{}");
        QCOMPARE(session.status, 200);
        QVERIFY(session.header("Set-Cookie").contains("; Secure"));
        QCOMPARE(WebClient(server.port()).send("GET", "/api/project").status, 0);
        QCOMPARE(server.stop(), 0);
    }

    void cleanupTestCase()
    {
        if (m_server.port() != 0)
            QCOMPARE(m_server.stop(), 0);
    }
};

QTEST_GUILESS_MAIN(TestWebService)
#include "tst_webservice.moc"
