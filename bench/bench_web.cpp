// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/headlessbrowser.h"
#include "web/serveprocess.h"
#include "web/webclient.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <functional>
#include <thread>
#include <unistd.h>

// p10signctl serve against its budgets: a change through the API answered (the save included) in
// 20 ms, the page 300 KB in all and shown in a second, 200 requests from 20 clients at once without
// an error and with steady memory, and the idle server at 0.5 % of a core at most.
class BenchWeb : public QObject {
    Q_OBJECT

    static constexpr qint64 kChangeBudgetMs = 20;
    static constexpr qsizetype kPageBudgetBytes = 300 * 1024;
    static constexpr qint64 kShownBudgetMs = 1000;
    static constexpr double kIdleBudgetPercent = 0.5;
    static constexpr int kClients = 20;
    static constexpr int kRequestsEach = 10;

    QTemporaryDir m_dir;
    ServeProcess m_server;
    int m_changes = 0;

    [[nodiscard]] QString procField(const char* file, const QByteArray& key) const
    {
        QFile status(QStringLiteral("/proc/%1/%2").arg(m_server.processId()).arg(QLatin1String(file)));
        if (!status.open(QIODevice::ReadOnly))
            return {};
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith(key))
                return QString::fromLatin1(line.mid(key.size()).trimmed());
        }
        return {};
    }
    [[nodiscard]] long residentKilobytes() const
    {
        return procField("status", "VmRSS:").split(u' ').first().toLong();
    }
    // Processor time used so far, in clock ticks.
    [[nodiscard]] long cpuTicks() const
    {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(m_server.processId()));
        if (!stat.open(QIODevice::ReadOnly))
            return -1;
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        return fields.value(11).toLong() + fields.value(12).toLong(); // utime, stime
    }

    // 200 requests at once, by 20 clients; the failures.
    [[nodiscard]] int burst() const
    {
        std::atomic<int> failures = 0;
        std::vector<std::thread> clients;
        for (int c = 0; c < kClients; ++c) {
            clients.emplace_back([&, c] {
                const WebClient web(m_server.port());
                for (int i = 0; i < kRequestsEach; ++i) {
                    const bool change = i == c % kRequestsEach;
                    const int status = change ? web.send("PATCH", "/api/messages/2",
                                                         "{\"speed\":" + QByteArray::number(1 + c % 8) + '}',
                                                         {{"If-Match", "*"}})
                                                    .status
                                              : web.send("GET", "/api/project").status;
                    if (status != 200)
                        ++failures;
                }
            });
        }
        for (std::thread& client : clients)
            client.join();
        return failures;
    }

    // A text changed, adopted as the window's button does, and the project saved.
    [[nodiscard]] int changeOnce()
    {
        const QByteArray body = "{\"text\":\"本日のおすすめ " + QByteArray::number(m_changes++) + "\"}";
        return WebClient(m_server.port()).send("PATCH", "/api/messages/1", body, {{"If-Match", "*"}}).status;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_server.start(m_dir.filePath(QStringLiteral("shop.ini")), {}),
                 qUtf8Printable(m_server.errors()));
    }

    // The median time of `runs` runs of `once`; -1 when one of them failed.
    [[nodiscard]] static qint64 medianMs(int runs, const std::function<bool()>& once)
    {
        QList<qint64> took;
        for (int run = 0; run < runs; ++run) {
            QElapsedTimer timer;
            timer.start();
            if (!once())
                return -1;
            took << timer.elapsed();
        }
        std::sort(took.begin(), took.end());
        return took.at(took.size() / 2);
    }

    void changeWithinBudget()
    {
        const qint64 median = medianMs(25, [this] { return changeOnce() == 200; });
        qInfo("a text changed, adopted and saved: median %lld ms (budget %lld ms)", median, kChangeBudgetMs);
        QVERIFY(median >= 0 && median <= kChangeBudgetMs);
    }

    void change()
    {
        QBENCHMARK
        {
            QCOMPARE(changeOnce(), 200);
        }
    }

    void pageSize()
    {
        const WebClient web(m_server.port());
        qsizetype bytes = 0;
        for (const QByteArray path : {"/", "/app.js", "/style.css"}) {
            const WebClient::Answer answer = web.send("GET", path);
            QCOMPARE(answer.status, 200);
            bytes += answer.body.size();
        }
        qInfo("the page in all: %lld bytes (budget %lld)", qint64(bytes), qint64(kPageBudgetBytes));
        QVERIFY(bytes <= kPageBudgetBytes);
    }

    void pageShown()
    {
        if (HeadlessBrowser::program().isEmpty())
            QSKIP("chromium is not installed; scripts/install-deps installs it");
        HeadlessBrowser browser;
        const QString trouble = browser.start();
        QVERIFY2(trouble.isEmpty(), qUtf8Printable(trouble));
        const QString shown = QStringLiteral("document.querySelectorAll('#messages li').length === 16 && "
                                             "document.getElementById('preview').complete");
        const qint64 median = medianMs(5, [&] {
            // The page is left first, so that each run loads it anew.
            return browser.navigate(QStringLiteral("about:blank")) && browser.navigate(m_server.url()) &&
                   browser.waitFor(shown, 30000);
        });
        qInfo("the page shown with its list and preview: median %lld ms (budget %lld ms)", median,
              kShownBudgetMs);
        QVERIFY(median >= 0 && median <= kShownBudgetMs);
    }

    void manyClientsSteadily()
    {
        QCOMPARE(burst(), 0);
        const long first = residentKilobytes();
        for (int round = 0; round < 5; ++round)
            QCOMPARE(burst(), 0);
        const long last = residentKilobytes();
        qInfo(
            "200 requests from 20 clients, six times: resident %ld kB after the first, %ld kB after the last",
            first, last);
        // Steady: a leak of one request's worth would show as megabytes over a thousand requests.
        QVERIFY(last - first < 4096);
    }

    void manyClients()
    {
        QBENCHMARK
        {
            QCOMPARE(burst(), 0);
        }
    }

    void idle()
    {
        constexpr int kWatchMs = 10000;
        const long before = cpuTicks();
        QTest::qWait(kWatchMs);
        const long used = cpuTicks() - before;
        const double percent = 100.0 * double(used) / double(sysconf(_SC_CLK_TCK)) / (kWatchMs / 1000.0);
        qInfo("idle: %.2f %% of a core (budget %.1f %%)", percent, kIdleBudgetPercent);
        QVERIFY(percent <= kIdleBudgetPercent);
    }

    void cleanupTestCase() { QCOMPARE(m_server.stop(), 0); }
};

QTEST_GUILESS_MAIN(BenchWeb)
#include "bench_web.moc"
