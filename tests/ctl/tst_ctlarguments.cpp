// SPDX-License-Identifier: GPL-3.0-or-later
#include "ctl/ctlarguments.h"

#include <QProcess>
#include <QTest>

using Verb = CtlArguments::Verb;

namespace {

std::variant<CtlArguments, CtlExit> parse(const QString& line)
{
    QStringList arguments{QStringLiteral("p10signctl")};
    arguments += QProcess::splitCommand(line);
    return parseCtlArguments(arguments);
}

} // namespace

class TestCtlArguments : public QObject {
    Q_OBJECT

private slots:
    void refusals_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("status");
        QTest::newRow("no verb") << "" << 2;
        QTest::newRow("unknown verb") << "send shop.ini" << 2;
        QTest::newRow("no project") << "info" << 2;
        QTest::newRow("two projects") << "info a.ini b.ini" << 2;
        QTest::newRow("unknown option") << "info shop.ini --port COM1" << 2;
        QTest::newRow("upload without port") << "upload shop.ini" << 2;
        QTest::newRow("option of another verb") << "upload shop.ini --port COM1 --json" << 2;
        QTest::newRow("render without out") << "render shop.ini --message 1" << 2;
        QTest::newRow("set-text without text") << "set-text shop.ini --message 1" << 2;
        QTest::newRow("brightness 5") << "upload shop.ini --port COM1 --brightness 5" << 1;
        QTest::newRow("message 16") << "render shop.ini --message 16 --out a.png" << 1;
        QTest::newRow("message word") << "render shop.ini --message one --out a.png" << 1;
        QTest::newRow("time out of range") << "set-clock shop.ini --port COM1 --at 24:00:00" << 1;
        QTest::newRow("time without seconds") << "set-clock shop.ini --port COM1 --at 07:05" << 1;
        QTest::newRow("adjust 11") << "set-text shop.ini --message 1 --text a --adjust 11" << 1;
        QTest::newRow("help") << "--help" << 0;
        QTest::newRow("verb help") << "upload --help" << 0;
    }
    void refusals()
    {
        QFETCH(QString, line);
        QFETCH(int, status);
        const auto result = parse(line);
        QVERIFY(std::holds_alternative<CtlExit>(result));
        const CtlExit& exit = std::get<CtlExit>(result);
        QCOMPARE(exit.status, status);
        QVERIFY(!(status == 0 ? exit.output : exit.error).isEmpty());
    }

    void verbHelpNamesItsOptions()
    {
        const CtlExit exit = std::get<CtlExit>(parse(QStringLiteral("set-text --help")));
        QVERIFY(exit.output.contains(QStringLiteral("--font")));
        QVERIFY(!exit.output.contains(QStringLiteral("--port")));
    }

    void upload()
    {
        const auto parsed =
            std::get<CtlArguments>(parse(QStringLiteral("upload shop.ini --port /dev/ttyUSB0")));
        QCOMPARE(parsed.verb, Verb::Upload);
        QCOMPARE(parsed.project, "shop.ini");
        QCOMPARE(parsed.port, "/dev/ttyUSB0");
        QCOMPARE(parsed.brightness, "4");
        QCOMPARE(std::get<CtlArguments>(parse(QStringLiteral("upload a.ini --port COM3 --brightness 1")))
                     .brightness,
                 "1");
    }

    void setClock()
    {
        const auto parsed =
            std::get<CtlArguments>(parse(QStringLiteral("set-clock shop.ini --port COM3 --at 07:05:09")));
        QCOMPARE(parsed.verb, Verb::SetClock);
        QCOMPARE(parsed.at, QTime(7, 5, 9));
        QVERIFY(!std::get<CtlArguments>(parse(QStringLiteral("set-clock a.ini --port COM3"))).at);
    }

    void setText()
    {
        const auto parsed =
            std::get<CtlArguments>(parse(QStringLiteral("set-text shop.ini --message 15 --text \"本日 ¥98\" "
                                                        "--font IPAGothic --size 24 --bold --adjust -2")));
        QCOMPARE(parsed.verb, Verb::SetText);
        QCOMPARE(parsed.message, 15);
        QCOMPARE(parsed.text, "本日 ¥98");
        QCOMPARE(parsed.font, "IPAGothic");
        QCOMPARE(parsed.size, "24");
        QVERIFY(parsed.bold);
        QCOMPARE(parsed.adjust, -2);

        const auto plain =
            std::get<CtlArguments>(parse(QStringLiteral("set-text a.ini --message 0 --text x")));
        QVERIFY(!plain.font && !plain.size && !plain.adjust && !plain.bold);
    }

    void renderAndInfo()
    {
        const auto render =
            std::get<CtlArguments>(parse(QStringLiteral("render a.ini --message 3 --out m3.png")));
        QCOMPARE(render.verb, Verb::Render);
        QCOMPARE(render.message, 3);
        QCOMPARE(render.out, "m3.png");
        QVERIFY(std::get<CtlArguments>(parse(QStringLiteral("info a.ini --json"))).json);
        QVERIFY(!std::get<CtlArguments>(parse(QStringLiteral("info a.ini"))).json);
    }
};

QTEST_GUILESS_MAIN(TestCtlArguments)
#include "tst_ctlarguments.moc"
