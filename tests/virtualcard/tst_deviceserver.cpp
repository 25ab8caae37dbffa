// SPDX-License-Identifier: GPL-3.0-or-later
#include "cardprocess.h"
#include "link/ptypair.h"
#include "sendertools.h"
#include "texts/cardtexts.h"
#include "texts/linktexts.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <memory>

namespace {

constexpr int kStartMs = 10000;
constexpr int kConnectTryMs = 100;
constexpr int kExchangeMs = 30000;
// How long the card is watched for bytes that must not come.
constexpr int kQuietMs = 1500;
// Far beyond any scheduling delay, short of a hang.
constexpr qint64 kLateBoundMs = 15000;

quint16 freePort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
}

} // namespace

// p10signctl through Debian's own serial device server, ser2net, in its two modes: raw TCP and
// telnet with the COM port option (RFC 2217). For each mode ser2net serves one end of a socat
// pseudo-terminal pair and a virtual card listens on the other, so every upload is read back from
// the card's memory, byte for byte, and timed against the ideal line time.
class TestDeviceServer : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QProcessEnvironment m_environment = QProcessEnvironment::systemEnvironment();
    // One card behind each of the server's two ports: raw TCP, then telnet.
    std::array<PtyPair, 2> m_pty;
    std::array<std::unique_ptr<CardProcess>, 2> m_cards;
    QProcess m_ser2net;
    quint16 m_rawPort = 0;
    quint16 m_telnetPort = 0;
    QString m_project;

    QString path(const QString& name) const { return m_dir.filePath(name); }

    [[nodiscard]] bool writeConfiguration(const QString& file) const
    {
        const auto connector = [this](int card) {
            return QStringLiteral("  connector: serialdev,%1,9600n81,local\n").arg(m_pty[card].hostPath());
        };
        const QString yaml =
            QStringLiteral("%YAML 1.1\n---\n") + QStringLiteral("connection: &raw\n") +
            QStringLiteral("  accepter: tcp,127.0.0.1,%1\n").arg(m_rawPort) + connector(0) +
            QStringLiteral("connection: &telnet\n") +
            QStringLiteral("  accepter: telnet(rfc2217),tcp,127.0.0.1,%1\n").arg(m_telnetPort) + connector(1);
        QFile out(file);
        return out.open(QIODevice::WriteOnly) && out.write(yaml.toUtf8()) == yaml.toUtf8().size();
    }

    [[nodiscard]] static bool listening(quint16 port)
    {
        const QDeadlineTimer deadline(kStartMs);
        while (!deadline.hasExpired()) {
            QTcpSocket socket;
            socket.connectToHost(QHostAddress::LocalHost, port);
            if (socket.waitForConnected(kConnectTryMs))
                return true;
            QTest::qWait(kConnectTryMs);
        }
        return false;
    }

    [[nodiscard]] double idealSeconds() const
    {
        const SenderTools::Run info =
            SenderTools::ctl({QStringLiteral("info"), m_project, QStringLiteral("--json")});
        return QJsonDocument::fromJson(info.output.toUtf8())
            .object()[QStringLiteral("upload")][QStringLiteral("seconds")]
            .toDouble();
    }

private slots:
    void initTestCase()
    {
        SKIP_WITHOUT_TOOL(QStringLiteral("ser2net"));
        SKIP_WITHOUT_SOCAT();
        m_project = SenderTools::makeProject(m_dir.path(), 40, 32);
        QVERIFY(!m_project.isEmpty());
        for (int card = 0; card < 2; ++card) {
            QVERIFY2(m_pty[card].start(), "socat did not make the pseudo-terminals");
            m_cards[card] = std::make_unique<CardProcess>(m_environment);
            QVERIFY(m_cards[card]->start(
                {QStringLiteral("--port"), m_pty[card].cardPath(), QStringLiteral("--json"),
                 path(QStringLiteral("card%1.json").arg(card)), QStringLiteral("--memory"),
                 path(QStringLiteral("memory%1.json").arg(card))}));
        }
        m_rawPort = freePort();
        m_telnetPort = freePort();
        const QString configuration = path(QStringLiteral("ser2net.yaml"));
        QVERIFY(writeConfiguration(configuration));
        // In the foreground, without lock files in the system's folders.
        m_ser2net.start(QStringLiteral("ser2net"),
                        {QStringLiteral("-n"), QStringLiteral("-d"), QStringLiteral("-u"),
                         QStringLiteral("-c"), configuration});
        QVERIFY(listening(m_rawPort) && listening(m_telnetPort));
    }

    void cleanupTestCase()
    {
        m_ser2net.terminate();
        m_ser2net.waitForFinished();
    }

    void uploadThroughEitherMode_data()
    {
        QTest::addColumn<QString>("scheme");
        QTest::addColumn<bool>("telnet");
        QTest::newRow("raw TCP") << "tcp" << false;
        QTest::newRow("telnet with the COM port option") << "rfc2217" << true;
    }
    void uploadThroughEitherMode()
    {
        QFETCH(QString, scheme);
        QFETCH(bool, telnet);
        CardProcess& card = *m_cards[telnet ? 1 : 0];
        const QString json = path(QStringLiteral("card%1.json").arg(telnet ? 1 : 0));
        const int logged = card.logLines();
        const QString port =
            QStringLiteral("%1://127.0.0.1:%2").arg(scheme).arg(telnet ? m_telnetPort : m_rawPort);
        const SenderTools::Run upload =
            SenderTools::ctl({QStringLiteral("upload"), m_project, QStringLiteral("--port"), port});
        QVERIFY2(upload.status == 0, qUtf8Printable(upload.output + upload.error));
        QVERIFY(card.waitForLines(logged + 2, kExchangeMs));
        const QString line = card.logLine(logged);
        QVERIFY2(line.contains(CardTexts::uploadKind()) && line.endsWith(CardTexts::allWell()),
                 qUtf8Printable(line));
        const QString difference = SenderTools::memoryDifference(json, m_project);
        QVERIFY2(difference.isEmpty(), qUtf8Printable(difference));

        // The line's own time is the least an upload can take; a generous bound catches a hang.
        const auto idealMs = qint64(idealSeconds() * 1000);
        qInfo("%s: %.2f s against %.2f s ideal", qUtf8Printable(port), double(upload.ms) / 1000,
              double(idealMs) / 1000);
        QVERIFY(upload.ms >= idealMs - 100);
        QVERIFY(upload.ms < idealMs + kLateBoundMs);
    }

    // A telnet port given as raw TCP: the upload stops before its first byte and says what to do.
    void telnetServerIsRefusedAsRaw()
    {
        CardProcess& card = *m_cards[1];
        const int logged = card.logLines();
        const QString port = QStringLiteral("tcp://127.0.0.1:%1").arg(m_telnetPort);
        const SenderTools::Run upload =
            SenderTools::ctl({QStringLiteral("upload"), m_project, QStringLiteral("--port"), port});
        QCOMPARE(upload.status, 1);
        QVERIFY2((upload.output + upload.error).contains(LinkTexts::telnetOnRawPort()),
                 qUtf8Printable(upload.output + upload.error));
        QVERIFY(!card.waitForLines(logged + 2, kQuietMs));
    }
};

QTEST_GUILESS_MAIN(TestDeviceServer)
#include "tst_deviceserver.moc"
