// SPDX-License-Identifier: GPL-3.0-or-later
#include "ctl/ctlarguments.h"

#include <QProcess>
#include <QTest>

using Verb = CtlArguments::Verb;

namespace {

std::variant<CtlArguments, ConsoleExit> parse(const QString& line)
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
        QTest::addColumn<QString>("named"); // what the message must name
        QTest::newRow("no verb") << "" << 2 << "";
        QTest::newRow("unknown verb") << "send shop.ini" << 2 << "send";
        QTest::newRow("no project") << "info" << 2 << "";
        QTest::newRow("two projects") << "info a.ini b.ini" << 2 << "";
        QTest::newRow("unknown option") << "info shop.ini --port COM1" << 2 << "port";
        QTest::newRow("upload without port") << "upload shop.ini" << 2 << "--port";
        QTest::newRow("option of another verb") << "upload shop.ini --port COM1 --json" << 2 << "json";
        QTest::newRow("render without out") << "render shop.ini --message 1" << 2 << "--out";
        QTest::newRow("set-text without text") << "set-text shop.ini --message 1" << 2 << "--text";
        QTest::newRow("import without picture") << "import shop.ini --message 1" << 2 << "--picture";
        QTest::newRow("export without message") << "export shop.ini --out a.bmp" << 2 << "--message";
        QTest::newRow("brightness 5") << "upload shop.ini --port COM1 --brightness 5" << 2 << "--brightness";
        QTest::newRow("message 16") << "render shop.ini --message 16 --out a.png" << 2 << "--message";
        QTest::newRow("message word") << "render shop.ini --message one --out a.png" << 2 << "--message";
        QTest::newRow("time out of range") << "set-clock shop.ini --port COM1 --at 24:00:00" << 2 << "--at";
        QTest::newRow("time without seconds") << "set-clock shop.ini --port COM1 --at 07:05" << 2 << "--at";
        QTest::newRow("adjust 11") << "set-text shop.ini --message 1 --text a --adjust 11" << 2 << "--adjust";
        QTest::newRow("adjust x") << "set-text shop.ini --message 1 --text a --adjust x" << 2 << "--adjust";
        QTest::newRow("size 2O") << "set-text shop.ini --message 1 --text a --size 2O" << 2 << "--size";
        QTest::newRow("size 0") << "set shop.ini --message 1 --size 0" << 2 << "--size";
        QTest::newRow("bold and not")
            << "set-text shop.ini --message 1 --text a --bold --no-bold" << 2 << "--no-bold";
        QTest::newRow("unknown mode") << "set shop.ini --message 1 --mode sideways" << 2 << "--mode";
        QTest::newRow("animation off message 0")
            << "set shop.ini --message 1 --mode animation" << 2 << "--mode";
        QTest::newRow("mode 7 off message 0") << "set shop.ini --message 1 --mode 7" << 2 << "--mode";
        QTest::newRow("speed 9") << "set shop.ini --message 1 --speed 9" << 2 << "--speed";
        QTest::newRow("message setting without message") << "set shop.ini --flash" << 2 << "--message";
        QTest::newRow("width 10") << "set shop.ini --width 10" << 2 << "--width";
        QTest::newRow("height 24") << "set shop.ini --height 24" << 2 << "--height";
        QTest::newRow("clock message 16") << "set shop.ini --clock-message 16" << 2 << "--clock-message";
        QTest::newRow("hour position 256") << "set shop.ini --hour-position 256" << 2 << "--hour-position";
        QTest::newRow("days position 000") << "set shop.ini --days-position 000" << 2 << "--days-position";
        QTest::newRow("days 1000") << "set shop.ini --days 1000" << 2 << "--days";
        QTest::newRow("work time without minutes") << "set shop.ini --work-time 7-19" << 2 << "--work-time";
        QTest::newRow("work time 24:00") << "set shop.ini --work-time 08:00-24:00" << 2 << "--work-time";
        QTest::newRow("alternation backwards") << "set shop.ini --alternate 5-3" << 2 << "--alternate";
        QTest::newRow("alternation past 15") << "set shop.ini --alternate 14-16" << 2 << "--alternate";
        // A second value of an option that takes one would go unused, or to another message.
        QTest::newRow("speed twice for one message")
            << "set shop.ini --message 0 --speed 6 --speed 2" << 2 << "--message 0 の後に --speed";
        QTest::newRow("width twice") << "set shop.ini --width 32 --width 64" << 2 << "--width";
        QTest::newRow("a message in two groups")
            << "set shop.ini --message 0 --mode left --message 0 --speed 3" << 2 << "--message 0";
        QTest::newRow("a message without its options")
            << "set shop.ini --message 0 --message 1 --mode fixed" << 2 << "--message 0";
        QTest::newRow("out twice") << "export a.ini --message 1 --out a.bmp --out b.bmp" << 2 << "--out";
        QTest::newRow("message twice for a text")
            << "set-text a.ini --message 1 --message 2 --text x" << 2 << "--message";
        QTest::newRow("render to a kind no writer knows")
            << "render a.ini --message 1 --out a.xyz" << 2 << "「.xyz」";
        QTest::newRow("help") << "--help" << 0 << "set";
        QTest::newRow("verb help") << "set --help" << 0 << "--work-time";
    }
    void refusals()
    {
        QFETCH(QString, line);
        QFETCH(int, status);
        QFETCH(QString, named);
        const auto result = parse(line);
        QVERIFY(std::holds_alternative<ConsoleExit>(result));
        const ConsoleExit& exit = std::get<ConsoleExit>(result);
        QCOMPARE(exit.status, status);
        const QString& message = status == 0 ? exit.output : exit.error;
        QVERIFY(!message.isEmpty());
        QVERIFY2(message.contains(named), qUtf8Printable(message));
    }

    void verbHelpNamesItsOptions()
    {
        const ConsoleExit exit = std::get<ConsoleExit>(parse(QStringLiteral("set-text --help")));
        QVERIFY(exit.output.contains(QStringLiteral("--font")));
        QVERIFY(!exit.output.contains(QStringLiteral("--port")));
        // The preview sends nothing: its time is the sign's clock, not a time to send.
        const QString preview = std::get<ConsoleExit>(parse(QStringLiteral("preview --help"))).output;
        QVERIFY2(preview.contains(QStringLiteral("表示器の時計の時刻")) &&
                     !preview.contains(QStringLiteral("送る")),
                 qUtf8Printable(preview));
    }

    // Each --message starts a group of the message options after it; the sign's options stand
    // anywhere.
    void setGroupsOptionsByMessage()
    {
        const auto parsed = std::get<CtlArguments>(parse(QStringLiteral(
            "set shop.ini --message 0 --mode left --message 1 --mode fixed --width 32 --speed 3")));
        QCOMPARE(parsed.messageGroups.size(), 2);
        QCOMPARE(parsed.messageGroups[0].message, 0);
        MessageChanges first;
        first.mode = 0;
        QCOMPARE(parsed.messageGroups[0].changes, first);
        QCOMPARE(parsed.messageGroups[1].message, 1);
        MessageChanges second;
        second.mode = 4;
        second.speed = 2;
        QCOMPARE(parsed.messageGroups[1].changes, second);
        QCOMPARE(parsed.globalChanges.entries.size(), 1);
    }

    void upload()
    {
        const auto parsed =
            std::get<CtlArguments>(parse(QStringLiteral("upload shop.ini --port /dev/ttyUSB0")));
        QCOMPARE(parsed.verb, Verb::Upload);
        QCOMPARE(parsed.project, "shop.ini");
        QCOMPARE(parsed.ports, QStringList{"/dev/ttyUSB0"});
        QCOMPARE(parsed.brightness, "4");
        QVERIFY(!parsed.clip);
        const auto several = std::get<CtlArguments>(
            parse(QStringLiteral("upload a.ini --port COM3 --clip --port tcp://10.0.0.7:4001")));
        QCOMPARE(several.ports, (QStringList{"COM3", "tcp://10.0.0.7:4001"}));
        QVERIFY(several.clip);
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
        MessageChanges expected;
        expected.font = QStringLiteral("IPAGothic");
        expected.size = QStringLiteral("24");
        expected.bold = true;
        expected.adjust = -2;
        QCOMPARE(parsed.messageChanges, expected);

        const auto plain =
            std::get<CtlArguments>(parse(QStringLiteral("set-text a.ini --message 0 --text x --no-bold")));
        QVERIFY(!plain.messageChanges.font && !plain.messageChanges.size && !plain.messageChanges.adjust);
        QCOMPARE(plain.messageChanges.bold, false);
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
