// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/project.h"
#include "settings/codepage932.h"
#include "settings/profiledocument.h"
#include "settings/projectfile.h"

#include <QFile>
#include <QTest>

namespace {

QByteArray readData(const QString& name)
{
    QFile file(QStringLiteral(P10_TEST_DATA "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing test data %s", qPrintable(name));
    return file.readAll();
}

int countLines(const QByteArray& bytes, char first)
{
    int count = 0;
    for (const QByteArray& line : bytes.split('\n')) {
        if (line.startsWith(first))
            ++count;
    }
    return count;
}

} // namespace

class TestProjectFile : public QObject {
    Q_OBJECT

private slots:
    void fileWithoutKeysGivesTheFileDefaults()
    {
        const ProjectFile file = ProjectFile::read(ProfileDocument(QByteArray("[Other]\r\nx=1\r\n")));
        QCOMPARE(file.screenWidth, 4);
        QCOMPARE(file.screenHeight, 0);
        for (int m = 0; m < kMessageCount; ++m) {
            const ProjectFile::Message& message = file.messages[m];
            QCOMPARE(message.text, QStringLiteral("Message%1").arg(m));
            QCOMPARE(message.fontName, QStringLiteral("System"));
            QCOMPARE(message.fontSize, QStringLiteral("12"));
            QCOMPARE(message.bold, 0);
            QCOMPARE(message.direction, 0);
            QCOMPARE(message.flash, 0);
            QCOMPARE(message.speed, 3);
            QCOMPARE(message.loopLamp, 0);
            QCOMPARE(message.adjust, QStringLiteral("0"));
        }
        QCOMPARE(file.altBegin, 0);
        QCOMPARE(file.altCount, 0);
        QCOMPARE(file.timeMessage, 0);
        QCOMPARE(file.daysMessage, 0);
        QCOMPARE(file.hourPosition, 0);
        QCOMPARE(file.minutePosition, 3);
        QCOMPARE(file.daysPosition, 8);
        QCOMPARE(file.countdownDays, QStringLiteral("999"));
        QCOMPARE(file.workTimeEnabled, 0);
        QCOMPARE(file.startMinutes, 450);
        QCOMPARE(file.endMinutes, 1200);
    }

    void startUpProjectWrittenFromNothingMatchesTheGoldenFile()
    {
        const Project project;
        ProfileDocument document;
        ProjectFile::capture(project).write(document);
        const QByteArray bytes = document.toBytes();
        QCOMPARE(bytes, readData(QStringLiteral("startup.ini")));
        QCOMPARE(countLines(bytes, '['), 39);
        QCOMPARE(bytes.count('='), 157);
    }

    void goldenWindowsFileReadsItsValues()
    {
        const ProjectFile file = ProjectFile::read(ProfileDocument(readData(QStringLiteral("windows.ini"))));
        QCOMPARE(file.screenWidth, 7);
        QCOMPARE(file.screenHeight, 1);
        QCOMPARE(file.messages[0].text, QStringLiteral("営業中①～㈱髙橋商店"));
        QCOMPARE(file.messages[0].fontName, QStringLiteral("ＭＳ ゴシック"));
        QCOMPARE(file.messages[0].fontSize, QStringLiteral("16"));
        QCOMPARE(file.messages[0].bold, 1);
        QCOMPARE(file.messages[0].direction, 7);
        QCOMPARE(file.messages[0].speed, 8);
        QCOMPARE(file.messages[0].adjust, QStringLiteral("-3"));
        QCOMPARE(file.messages[2].text, QStringLiteral("ＬＥＤ表示 ﾃｽﾄ"));
        QCOMPARE(file.messages[15].fontName, QStringLiteral("ＭＳ 明朝"));
        QCOMPARE(file.messages[15].adjust, QStringLiteral("10"));
        QCOMPARE(file.altBegin, 3);
        QCOMPARE(file.altCount, 3);
        QCOMPARE(file.timeMessage, 4);
        QCOMPARE(file.daysMessage, 16);
        QCOMPARE(file.minutePosition, 130);
        QCOMPARE(file.daysPosition, 255);
        QCOMPARE(file.countdownDays, QStringLiteral("365"));
        QCOMPARE(file.workTimeEnabled, 0);
    }

    void writingOverTheGoldenFileChangesNoByte()
    {
        const QByteArray golden = readData(QStringLiteral("windows.ini"));
        ProfileDocument document(golden);
        ProjectFile::read(document).write(document);
        QCOMPARE(document.toBytes(), golden);
    }

    void longValuesComeBackCutToTheirBuffers()
    {
        ProjectFile file;
        file.messages[1].text = QString(3000, u'x');
        file.messages[1].fontName = QString(100, u'ゴ');
        file.messages[1].fontSize = QStringLiteral("1234567890123");
        file.countdownDays = QStringLiteral("①②③④⑤⑥");
        ProfileDocument document;
        file.write(document);
        const ProjectFile back = ProjectFile::read(document);
        QCOMPARE(back.messages[1].text, QString(2047, u'x'));
        QCOMPARE(back.messages[1].fontName, QString(39, u'ゴ'));
        QCOMPARE(back.messages[1].fontSize, QStringLiteral("123456789"));
        QCOMPARE(back.countdownDays, QStringLiteral("①②③④"));
    }

    void typedListTextsAreStoredAsNoEntry()
    {
        Project project;
        project.editMessage(4, [](MessageSettings& message) {
            message.speed.setText(QStringLiteral("9"));
            message.mode.setText(QStringLiteral("typed"));
        });
        project.editGlobals(
            [](GlobalSettings& globals) { globals.screenWidth.setText(QStringLiteral("17")); });
        const ProjectFile file = ProjectFile::capture(project);
        QCOMPARE(file.messages[4].speed, 0);
        QCOMPARE(file.messages[4].direction, -1);
        QCOMPARE(file.screenWidth, -1);
    }

    void captureKeepsKeyLinesWholeAndReportsLosses()
    {
        Project project;
        project.editMessage(1,
                            [](MessageSettings& message) { message.text = QStringLiteral("two\r\n\r\n"); });
        project.editMessage(3, [](MessageSettings& message) { message.text = QStringLiteral("上\r\n下"); });
        project.editMessage(6, [](MessageSettings& message) { message.text = QStringLiteral("a😀b"); });
        project.editMessage(7, [](MessageSettings& message) { message.fontName = QStringLiteral("€font"); });
        project.editGlobals([](GlobalSettings& globals) { globals.countdownDays = QStringLiteral("☃"); });
        ProjectFile::Losses losses;
        const ProjectFile file = ProjectFile::capture(project, &losses);
        QCOMPARE(file.messages[0].text, QStringLiteral("Message0"));
        QCOMPARE(file.messages[1].text, QStringLiteral("two"));
        QCOMPARE(file.messages[3].text, QStringLiteral("上"));
        QCOMPARE(losses.cutAtLineBreak, (QList<int>{1, 3}));

        ProfileDocument document;
        const ProjectFile::Losses written = file.write(document);
        QCOMPARE(written.unencodable, (QList<int>{6, 7}));
        QVERIFY(written.daysUnencodable);
        QCOMPARE(document.value("MessageText", "Message6Text"), std::optional<QByteArray>("a?b"));
        QCOMPARE(countLines(document.toBytes(), '['), 39);
    }
};

QTEST_GUILESS_MAIN(TestProjectFile)
#include "tst_projectfile.moc"
