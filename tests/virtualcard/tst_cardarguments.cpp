// SPDX-License-Identifier: GPL-3.0-or-later
#include "texts/cardtexts.h"
#include "texts/language.h"
#include "virtualcard/cardarguments.h"

#include <QTest>

// The virtual card's command line read in this process, each refusal by the line it prints.
class TestCardArguments : public QObject {
    Q_OBJECT

private:
    // As the program reads its command line: the language it asks for is in place first.
    static std::variant<CardArguments, ConsoleExit> parse(const QStringList& options)
    {
        const QStringList arguments = QStringList{QStringLiteral("p10signcard")} + options;
        QStringList withoutLanguage = arguments;
        Language language;
        language.apply(Language::choose(Language::takeOption(withoutLanguage).id));
        return parseCardArguments(arguments, QStringLiteral("/kept/memory.json"));
    }

private slots:
    void initTestCase()
    {
        QCoreApplication::setApplicationName(QStringLiteral("p10signcard"));
        QCoreApplication::setApplicationVersion(QStringLiteral(P10SIGN_VERSION));
    }

    void ends_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("told"); // on standard output for status 0, else standard error
        // Each row's text is its refusal's own line, not a word that the help below it prints anyway.
        QTest::newRow("port and pty")
            << QStringList{"--pty", "--port", "/dev/null"} << 2 << CardTexts::oneWayToListen() + u'\n';
        QTest::newRow("pty and listen")
            << QStringList{"--pty", "--listen", "tcp://:4001"} << 2 << CardTexts::oneWayToListen() + u'\n';
        QTest::newRow("nowhere to listen")
            << QStringList{"--headless"} << 2 << CardTexts::oneWayToListen() + u'\n';
        QTest::newRow("listen at no address")
            << QStringList{"--listen", "http://localhost:80"} << 2 << "--listen の値「http://localhost:80」";
        QTest::newRow("width") << QStringList{"--pty", "--width", "5"} << 2
                               << "--width の値「5」は使えません";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "p10signcard " P10SIGN_VERSION "\n";
        QTest::newRow("help names the program, not its path")
            << QStringList{"--language", "en", "--help"} << 0
            << "Usage: p10signcard (--port DEVICE | --pty | --listen ADDRESS) [options]\n\nVirtual control "
               "card";
        QTest::newRow("help names the default memory")
            << QStringList{"--help"} << 0 << "(既定 /kept/memory.json)";
        QTest::newRow("no such language") << QStringList{"--pty", "--language", "ko"} << 2 << "「ko」";
        // A value out of its range names the values it may take.
        QTest::newRow("English refusal") << QStringList{"--pty", "--language", "en", "--width", "6"} << 2
                                         << "--width cannot take the value \"6\": Screen width 4 to 64 bytes";
    }
    void ends()
    {
        QFETCH(QStringList, options);
        QFETCH(int, status);
        QFETCH(QString, told);
        const auto parsed = parse(options);
        QVERIFY(std::holds_alternative<ConsoleExit>(parsed));
        const ConsoleExit& exit = std::get<ConsoleExit>(parsed);
        QCOMPARE(exit.status, status);
        const QString& shown = status == 0 ? exit.output : exit.error;
        QVERIFY2(shown.contains(told), qUtf8Printable(shown));
        QVERIFY((status == 0 ? exit.error : exit.output).isEmpty());
    }

    void optionsAsGiven()
    {
        const auto parsed = parse({"--listen", "rfc2217://:0", "--fast", "--width", "24", "--message", "3",
                                   "--seconds", "5", "--scale", "2", "--gif", "out.gif"});
        QVERIFY(std::holds_alternative<CardArguments>(parsed));
        const CardArguments& card = std::get<CardArguments>(parsed);
        QVERIFY(card.listen && card.fast && !card.pty && card.port.isEmpty());
        QCOMPARE(card.width, 24);
        QCOMPARE(card.message, 3);
        QCOMPARE(card.seconds, 5);
        QCOMPARE(card.scale, 2);
        QCOMPARE(card.gif, QStringLiteral("out.gif"));
        QCOMPARE(card.memory, QStringLiteral("/kept/memory.json"));
    }
};

QTEST_GUILESS_MAIN(TestCardArguments)
#include "tst_cardarguments.moc"
