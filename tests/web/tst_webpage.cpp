// SPDX-License-Identifier: GPL-3.0-or-later
// The page in a real browser: Debian's chromium, headless, changes message 0's text, uploads it, and
// the virtual card behind p10signctl serve receives it.
#include "../virtualcard/cardprocess.h"
#include "../virtualcard/sendertools.h"
#include "headlessbrowser.h"
#include "link/ptypair.h"
#include "serveprocess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Generous bounds that only catch a hang.
constexpr int kPageMs = 30000;
constexpr int kExchangeMs = 30000;

} // namespace

class TestWebPage : public QObject {
    Q_OBJECT

private slots:
    void changeAndUploadFromThePage()
    {
        SKIP_WITHOUT_SOCAT();
        SKIP_WITHOUT_TOOL(QStringLiteral("chromium"));
        QTemporaryDir dir;
        const QString project = dir.filePath(QStringLiteral("shop.ini"));
        PtyPair pty;
        QVERIFY(pty.start());
        CardProcess card(QProcessEnvironment::systemEnvironment());
        QVERIFY(card.start({QStringLiteral("--port"), pty.cardPath(), QStringLiteral("--fast"),
                            QStringLiteral("--json"), dir.filePath(QStringLiteral("card.json"))}));
        ServeProcess server;
        QVERIFY(server.start(project, {QStringLiteral("--port"), pty.hostPath()}));

        HeadlessBrowser browser;
        const QString trouble = browser.start();
        QVERIFY2(trouble.isEmpty(), qUtf8Printable(trouble));
        QVERIFY(browser.navigate(server.url()));
        QVERIFY(browser.waitFor(QStringLiteral("document.querySelectorAll('#messages li').length === 16 && "
                                               "document.getElementById('text').value !== ''"),
                                kPageMs));
        QCOMPARE(browser.evaluate(QStringLiteral("document.documentElement.lang")).toString(),
                 QStringLiteral("en"));

        QVERIFY(browser
                    .evaluate(QStringLiteral("document.getElementById('text').value = 'FROM THE PAGE'; "
                                             "document.getElementById('save').click(); true"))
                    .toBool());
        QVERIFY(browser.waitFor(QStringLiteral("document.getElementById('status').textContent === 'Saved.'"),
                                kPageMs));
        const QJsonObject info =
            QJsonDocument::fromJson(
                SenderTools::ctl({QStringLiteral("info"), project, QStringLiteral("--json")}).output.toUtf8())
                .object();
        QCOMPARE(info[QStringLiteral("messages")].toArray().at(0)[QStringLiteral("text")].toString(),
                 QStringLiteral("FROM THE PAGE"));

        QVERIFY(browser.evaluate(QStringLiteral("document.getElementById('upload').click(); true")).toBool());
        QVERIFY(card.waitForLines(2, kExchangeMs));
        QCOMPARE(SenderTools::memoryDifference(dir.filePath(QStringLiteral("card.json")), project),
                 QString());
        // The page follows the job to its end and says how it went.
        QVERIFY(browser.waitFor(QStringLiteral("!document.getElementById('upload').disabled && "
                                               "document.getElementById('progress').value > 0"),
                                kPageMs));
        QCOMPARE(server.stop(), 0);
    }
};

QTEST_GUILESS_MAIN(TestWebPage)
#include "tst_webpage.moc"
