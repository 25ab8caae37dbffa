// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/profiledocument.h"
#include "settings/projectfile.h"
#include "support/controllerfixture.h"
#include "support/goldenproject.h"
#include "texts/settingstexts.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QString testData(const QString& name)
{
    return QStringLiteral(P10_TEST_DATA "/") + name;
}

// Everything loading may change, to prove that a refused load changed nothing.
struct Snapshot {
    explicit Snapshot(const Controller& controller)
        : globals(controller.project().globals())
        , workTime(controller.project().workTime())
        , dispData(controller.project().dispData())
        , modified(controller.project().modified())
        , label(controller.project().fileLabel())
        , canvas0(controller.images().canvas(0).image())
    {
        for (int m = 0; m < kMessageCount; ++m)
            messages.append(controller.project().message(m));
    }
    GlobalSettings globals;
    WorkTime workTime;
    QList<MessageSettings> messages;
    DisplayData dispData;
    bool modified;
    QString label;
    QImage canvas0;

    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

} // namespace

class TestSettingsCommands : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ControllerFixture> m_fixture;
    std::unique_ptr<QTemporaryDir> m_dir;

    Controller& controller() { return m_fixture->controller; }
    SettingsCommands& settings() { return m_fixture->settings; }
    Project& project() { return m_fixture->controller.project(); }
    QString temp(const QString& name) const { return m_dir->filePath(name); }

    // A copy of the golden pair, so that tests may save over it.
    QString goldenCopy(const QString& base = QStringLiteral("windows")) const
    {
        return copyGoldenProject(m_dir->path(), base);
    }

    // A pair whose settings file holds the given lines and whose display data are dark.
    QString pairWith(const QByteArray& settings, const QString& base = QStringLiteral("made"))
    {
        const QString ini = temp(base + QStringLiteral(".ini"));
        writeFile(ini, settings);
        writeFile(temp(base + QStringLiteral(".bin")), QByteArray(kDispDataSize, '\0'));
        return ini;
    }

    void drawSomething()
    {
        for (int m = 0; m < kMessageCount; ++m) {
            MessageCanvas& canvas = controller().images().canvas(m);
            for (int x = m; x < 200 + 50 * m; x += 3)
                canvas.setPixel(x, (x + m) % kRows, MessageCanvas::kRed);
            controller().selectTab(m);
            controller().encodeMessage();
            controller().setMessageText(m, QStringLiteral("テキスト%1").arg(m));
        }
        controller().selectTab(0);
    }

private slots:
    void init()
    {
        m_fixture = std::make_unique<ControllerFixture>();
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }
    void cleanup()
    {
        if (m_fixture->fakeLine.isOpen())
            m_fixture->fakeLine.close();
    }

    void saveWritesBothFilesAndClearsModified()
    {
        drawSomething();
        QVERIFY(project().modified());
        QSignalSpy progress(&m_fixture->settings, &SettingsCommands::progressChanged);
        QVERIFY(settings().saveTo(temp(QStringLiteral("shop.ini"))));
        QVERIFY(!project().modified());
        QCOMPARE(project().fileLabel(), QStringLiteral("shop"));
        const QByteArray data = readFile(temp(QStringLiteral("shop.bin")));
        QCOMPARE(data.size(), kDispDataSize);
        QVERIFY(std::equal(data.begin(), data.end(), project().dispData().bytes().begin(),
                           [](char a, std::uint8_t b) { return std::uint8_t(a) == b; }));
        QList<int> values;
        for (const QList<QVariant>& call : progress) {
            QCOMPARE(call.at(0).toInt(), 17);
            values << call.at(1).toInt();
        }
        QCOMPARE(values, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 0}));
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 2); // no temporary left behind
    }

    void saveCommandAsksForThePath()
    {
        m_fixture->dialogs.savePaths << temp(QStringLiteral("asked"));
        QVERIFY(settings().save());
        QCOMPARE(m_fixture->dialogs.saveFilters, QStringList{QStringLiteral("設定ファイルを(*.ini)|*.ini")});
        QVERIFY(QFile::exists(temp(QStringLiteral("asked.ini"))));
        QVERIFY(QFile::exists(temp(QStringLiteral("asked.bin"))));
        project().setModified(true);
        QVERIFY(!settings().save()); // cancelled
        QVERIFY(project().modified());
    }

    void roundTripRestoresEverythingAndPaintsNothing()
    {
        drawSomething();
        controller().chooseEntry(GlobalList::ScreenWidth, 9);
        controller().chooseEntry(0, MessageList::Mode, kAnimationMode);
        controller().chooseEntry(3, MessageList::Speed, 6);
        controller().setBold(3, true);
        controller().setAdjustBar(5, -4);
        controller().setAltTicked(6, true);
        controller().setAltTicked(7, true);
        controller().chooseEntry(GlobalList::ClockMessage, 4);
        controller().chooseEntry(GlobalList::MinutePosition, 200);
        controller().setCountdownDays(QStringLiteral("①②"));
        controller().setWorkTimeEnabled(false);
        controller().setStartMinutes(5);
        const QString path = temp(QStringLiteral("trip.ini"));
        QVERIFY(settings().saveTo(path));
        const Snapshot saved(controller());
        const auto lengths = project().msgLen();

        QSignalSpy painted(&controller().images(), &MessageImages::imageChanged);
        QSignalSpy data(&project(), &Project::displayDataChanged);
        QVERIFY(settings().loadFrom(path));
        QCOMPARE(painted.size(), 0);
        // The width and message 0's show mode re-encode message 0, as an operator's choice would.
        QCOMPARE(data.size(), 2);
        QCOMPARE(data.at(0).at(0).toInt(), 0);
        QCOMPARE(data.at(1).at(0).toInt(), 0);
        QVERIFY(Snapshot(controller()) == saved);
        QCOMPARE(project().msgLen(), lengths);
        QVERIFY(project().altBoxes()[6].ticked && project().altBoxes()[7].ticked);
    }

    void goldenFileLoadsItsValues()
    {
        controller().selectTab(5);
        QSignalSpy progress(&m_fixture->settings, &SettingsCommands::progressChanged);
        QVERIFY(settings().loadFrom(goldenCopy()));
        QVERIFY(m_fixture->dialogs.told.isEmpty());
        QCOMPARE(project().globals().screenWidth.text(), QStringLiteral("32"));
        QCOMPARE(project().globals().screenHeight.text(), QStringLiteral("32"));
        const MessageSettings& first = project().message(0);
        QCOMPARE(first.text, QStringLiteral("営業中①～㈱髙橋商店"));
        QCOMPARE(first.fontName, QStringLiteral("ＭＳ ゴシック"));
        QCOMPARE(first.fontSize.text(), QStringLiteral("16"));
        QVERIFY(first.bold && first.flash && first.loopLamp);
        QCOMPARE(first.mode.index(), kAnimationMode);
        QCOMPARE(first.speed.text(), QStringLiteral("8"));
        QCOMPARE(first.topAdj, QStringLiteral("-3"));
        QCOMPARE(first.adjustBar, -3);
        QCOMPARE(project().message(2).text, QStringLiteral("ＬＥＤ表示 ﾃｽﾄ"));
        QCOMPARE(project().message(2).mode.text(), QStringLiteral("固定"));
        QCOMPARE(project().message(15).adjustBar, 10);
        for (int m = 0; m < kMessageCount; ++m)
            QCOMPARE(project().altBoxes()[m].ticked, m >= 3 && m <= 5);
        QCOMPARE(project().altBeginMsg(), 3);
        QCOMPARE(project().altMsgNum(), 3);
        QCOMPARE(project().globals().clockMessage.text(), QStringLiteral("3"));
        QCOMPARE(project().globals().daysMessage.text(), QStringLiteral("15"));
        QCOMPARE(project().globals().minutePosition.index(), 130);
        QCOMPARE(project().globals().countdownDays, QStringLiteral("365"));
        QCOMPARE(project().workTime(), (WorkTime{false, 450, 1200, "07:30", "20:00"}));
        // 40 lit columns in animation mode at a width of 32 bytes make two screens.
        QCOMPARE(project().msgLen()[0], 64);
        QCOMPARE(project().msgLen()[2], 101);
        QCOMPARE(project().msgLen()[4], 3);
        QCOMPARE(project().msgLen()[15], 2047);
        QCOMPARE(project().curMsg(), 5);
        QCOMPARE(project().fileLabel(), QStringLiteral("windows"));
        QVERIFY(!project().modified());
        QVERIFY(project().totalLen() > 0);
        QList<int> values;
        for (const QList<QVariant>& call : progress)
            values << call.at(1).toInt();
        QCOMPARE(values, (QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0}));
    }

    void differingByteIsPaintedBitByBit()
    {
        controller().images().canvas(4).setPixel(17, 7, MessageCanvas::kRed);
        controller().selectTab(4);
        controller().encodeMessage();
        controller().selectTab(0);
        QVERIFY(settings().loadFrom(goldenCopy()));
        const MessageCanvas& canvas = controller().images().canvas(4);
        for (const int x : {16, 18, 21, 23})
            QCOMPARE(canvas.pixel(x, 7), MessageCanvas::kRed);
        for (const int x : {17, 19, 20, 22})
            QCOMPARE(canvas.pixel(x, 7), MessageCanvas::kBlack);
        QCOMPARE(project().dispData().at(2, 7, 4), 0xA5);
    }

    void savingOverTheGoldenFileKeepsEveryByte()
    {
        const QString path = goldenCopy();
        QVERIFY(settings().loadFrom(path));
        QVERIFY(settings().saveTo(path));
        QCOMPARE(readFile(path), readFile(testData(QStringLiteral("windows.ini"))));
        QCOMPARE(readFile(temp(QStringLiteral("windows.bin"))),
                 readFile(testData(QStringLiteral("windows.bin"))));
    }

    void fileWithoutKeysLoadsTheFileDefaults()
    {
        QVERIFY(settings().loadFrom(pairWith(QByteArray())));
        QCOMPARE(project().globals().screenWidth.text(), QStringLiteral("20"));
        QCOMPARE(project().globals().screenHeight.text(), QStringLiteral("16"));
        QCOMPARE(project().message(9).text, QStringLiteral("Message9"));
        QCOMPARE(project().message(9).speed.text(), QStringLiteral("3"));
        QCOMPARE(project().message(9).fontName, QStringLiteral("System"));
        QCOMPARE(project().globals().clockMessage.text(), QStringLiteral("None"));
        QCOMPARE(project().globals().hourPosition.index(), 0);
        QCOMPARE(project().globals().minutePosition.index(), 3);
        QCOMPARE(project().globals().daysPosition.index(), 8);
        QCOMPARE(project().workTime(), (WorkTime{false, 450, 1200, "07:30", "20:00"}));
        QVERIFY(!project().modified());
    }

    void saveThatCannotWriteTellsAndKeepsModified_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing folder") << QStringLiteral("missing/x.ini");
        QTest::newRow("display data path is a folder") << QStringLiteral("folder.ini");
        QTest::newRow("settings path is a folder") << QStringLiteral("taken.ini");
    }
    void saveThatCannotWriteTellsAndKeepsModified()
    {
        QFETCH(QString, name);
        QDir(m_dir->path()).mkdir(QStringLiteral("folder.bin"));
        QDir(m_dir->path()).mkdir(QStringLiteral("taken.ini"));
        project().setModified(true);
        QVERIFY(!settings().saveTo(temp(name)));
        QVERIFY(project().modified());
        QVERIFY(project().fileLabel().isEmpty());
        QCOMPARE(m_fixture->dialogs.told.size(), 1);
        QCOMPARE(m_fixture->dialogs.told.first().title, QStringLiteral("警告"));
        QVERIFY(m_fixture->dialogs.told.first().text.contains(QStringLiteral("書き込めません")));
    }

    void writeProtectedFileIsNotReplaced()
    {
        const QString path = goldenCopy();
        QFile::setPermissions(path, QFileDevice::ReadOwner);
        if (QFileInfo(path).isWritable())
            QSKIP("running with rights that ignore write protection");
        project().setModified(true);
        QVERIFY(!settings().saveTo(path));
        QVERIFY(project().modified());
        QCOMPARE(readFile(path), readFile(testData(QStringLiteral("windows.ini"))));
    }

    void refusedLoadChangesNothing_data()
    {
        QTest::addColumn<QString>("bin");     // what to put beside the settings file
        QTest::addColumn<QString>("text");    // what the operator is told
        QTest::addColumn<QString>("culprit"); // the file named in the detail
        QTest::newRow("display data missing") << QString() << SettingsTexts::dataMissing() << "bad.bin";
        QTest::newRow("display data short")
            << QStringLiteral("short") << SettingsTexts::dataShort() << "bad.bin";
        // Empty: the text that names the missing file, in its first line.
        QTest::newRow("settings missing") << QStringLiteral("no settings") << QString() << "bad.ini";
        QTest::newRow("settings above 16 MB")
            << QStringLiteral("huge") << SettingsTexts::settingsTooLarge() << "bad.ini";
        QTest::newRow("settings in UTF-16")
            << QStringLiteral("utf-16") << SettingsTexts::settingsForm(QStringLiteral("UTF-16")) << "bad.ini";
        QTest::newRow("settings in UTF-16 without its mark")
            << QStringLiteral("utf-16be") << SettingsTexts::settingsForm(QStringLiteral("UTF-16"))
            << "bad.ini";
    }
    void refusedLoadChangesNothing()
    {
        QFETCH(QString, bin);
        QFETCH(QString, text);
        QFETCH(QString, culprit);
        drawSomething();
        const QString ini = temp(QStringLiteral("bad.ini"));
        const QString data = temp(QStringLiteral("bad.bin"));
        const QString golden = QString::fromLatin1(readFile(testData(QStringLiteral("windows.ini"))));
        if (bin == QStringLiteral("utf-16"))
            writeFile(ini,
                      QStringEncoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom).encode(golden));
        else if (bin == QStringLiteral("utf-16be"))
            writeFile(ini, QStringEncoder(QStringEncoder::Utf16BE).encode(golden));
        else if (bin != QStringLiteral("no settings"))
            writeFile(ini, golden.toLatin1());
        if (!bin.isEmpty())
            writeFile(data, QByteArray(bin == QStringLiteral("short") ? 1000 : kDispDataSize, '\x55'));
        if (bin == QStringLiteral("huge"))
            QVERIFY(QFile(ini).resize(16 * 1024 * 1024 + 1));
        const QStringList filesBefore = QDir(m_dir->path()).entryList(QDir::Files);
        const QByteArray dataBefore = readFile(data);
        const Snapshot before(controller());

        QVERIFY(!settings().loadFrom(ini));
        QVERIFY(Snapshot(controller()) == before);
        QCOMPARE(m_fixture->dialogs.told.size(), 1);
        QCOMPARE(m_fixture->dialogs.told.first().title, QStringLiteral("警告"));
        QCOMPARE(m_fixture->dialogs.told.first().text,
                 text.isEmpty() ? SettingsTexts::settingsMissing(QDir::toNativeSeparators(ini)) : text);
        QVERIFY(m_fixture->dialogs.told.first().detail.startsWith(QDir::toNativeSeparators(temp(culprit))));
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), filesBefore);
        QCOMPARE(readFile(data), dataBefore);
    }

    // Saving into a UTF-16 file would add a second project in code page 932 to it.
    void settingsInUtf16AreNotSavedInto()
    {
        const QString ini = temp(QStringLiteral("wide.ini"));
        const QByteArray wide = QStringEncoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom)
                                    .encode(QStringLiteral("[Screen Width]\r\nByteNumbers=7\r\n"));
        writeFile(ini, wide);
        QVERIFY(!settings().saveTo(ini));
        QCOMPARE(m_fixture->dialogs.told.first().text, SettingsTexts::settingsForm(QStringLiteral("UTF-16")));
        QCOMPARE(readFile(ini), wide);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("wide.ini")});
    }

    void yesWithoutASaveOrCancelStopsTheLoad_data()
    {
        QTest::addColumn<Dialogs::Answer>("answer");
        QTest::addColumn<QString>("savePath");
        QTest::newRow("save dialog cancelled") << Dialogs::Answer::Yes << QString();
        QTest::newRow("save failed") << Dialogs::Answer::Yes << QStringLiteral("missing/x.ini");
        QTest::newRow("cancel") << Dialogs::Answer::Cancel << QStringLiteral("unused.ini");
    }
    void yesWithoutASaveOrCancelStopsTheLoad()
    {
        QFETCH(Dialogs::Answer, answer);
        QFETCH(QString, savePath);
        drawSomething();
        const Snapshot before(controller());
        m_fixture->dialogs.yesNoCancelAnswers << answer;
        if (!savePath.isEmpty())
            m_fixture->dialogs.savePaths << temp(savePath);
        m_fixture->dialogs.openPaths << goldenCopy();
        settings().load();
        QCOMPARE(m_fixture->dialogs.questions.size(), 1);
        QCOMPARE(m_fixture->dialogs.questions.first().text,
                 QStringLiteral("設定内容が変更されています。保存しますか？"));
        QCOMPARE(m_fixture->dialogs.questions.first().title, QStringLiteral("警告"));
        QVERIFY(m_fixture->dialogs.openFilters.isEmpty());
        QCOMPARE(m_fixture->dialogs.saveFilters.size(), answer == Dialogs::Answer::Yes ? 1 : 0);
        QVERIFY(Snapshot(controller()) == before);
    }

    void yesWithASaveGoesOnToLoad()
    {
        drawSomething();
        m_fixture->dialogs.yesNoCancelAnswers << Dialogs::Answer::Yes;
        m_fixture->dialogs.savePaths << temp(QStringLiteral("kept.ini"));
        m_fixture->dialogs.openPaths << goldenCopy();
        settings().load();
        QVERIFY(QFile::exists(temp(QStringLiteral("kept.bin"))));
        QCOMPARE(project().fileLabel(), QStringLiteral("windows"));
    }

    void noLoadsWithoutSaving()
    {
        drawSomething();
        m_fixture->dialogs.yesNoCancelAnswers << Dialogs::Answer::No;
        m_fixture->dialogs.openPaths << goldenCopy();
        settings().load();
        QCOMPARE(m_fixture->dialogs.questions.size(), 1);
        QVERIFY(m_fixture->dialogs.saveFilters.isEmpty());
        QCOMPARE(project().fileLabel(), QStringLiteral("windows"));
        QCOMPARE(m_fixture->dialogs.openFilters, QStringList{QStringLiteral("設定ファイルを(*.ini)|*.ini")});
    }

    void loadIsRefusedDuringATransferAfterTheQuestion()
    {
        project().setModified(true);
        m_fixture->dialogs.yesNoCancelAnswers << Dialogs::Answer::No;
        QVERIFY(m_fixture->fakeLine.open());
        m_fixture->dialogs.openPaths << goldenCopy();
        settings().load();
        QCOMPARE(m_fixture->dialogs.questions.size(), 1);
        QCOMPARE(m_fixture->dialogs.told.size(), 1);
        QCOMPARE(m_fixture->dialogs.told.first().title, QStringLiteral("少待"));
        QCOMPARE(m_fixture->dialogs.told.first().text, QStringLiteral("現在転送中。"));
        QVERIFY(m_fixture->dialogs.openFilters.isEmpty());
        QVERIFY(!settings().loadFrom(goldenCopy()));
        QVERIFY(project().fileLabel().isEmpty());
    }

    void cancelledOpenDialogLoadsNothing()
    {
        const Snapshot before(controller());
        settings().load();
        QCOMPARE(m_fixture->dialogs.openFilters.size(), 1);
        QVERIFY(Snapshot(controller()) == before);
    }

    void lossesAreToldWhenSaving()
    {
        controller().setMessageText(3, QStringLiteral("上\r\n下"));
        controller().setMessageText(6, QStringLiteral("😀"));
        const QString path = temp(QStringLiteral("loss.ini"));
        QVERIFY(settings().saveTo(path));
        QCOMPARE(m_fixture->dialogs.told.size(), 1);
        const QString told = m_fixture->dialogs.told.first().text;
        QVERIFY(told.contains(SettingsTexts::cutAtLineBreak() + QStringLiteral("表示 3")));
        QVERIFY(told.contains(SettingsTexts::unencodable() + QStringLiteral("表示 6")));
        const ProfileDocument document(readFile(path));
        QCOMPARE(document.value("MessageText", "Message3Text"), std::optional<QByteArray>("\x8f\xe3"));
        QCOMPARE(document.value("MessageText", "Message6Text"), std::optional<QByteArray>("?"));
        QVERIFY(settings().loadFrom(path));
        QCOMPARE(project().message(3).text, QStringLiteral("上"));
    }

    void valuesOutOfRangeLoadSensibly_data()
    {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<std::function<bool(const Project&)>>("check");
        using F = std::function<bool(const Project&)>;
        QTest::newRow("width beyond its list")
            << QByteArray("[Screen Width]\r\nByteNumbers=99\r\n")
            << F([](const Project& p) { return p.globals().screenWidth.index() == -1; });
        QTest::newRow("huge number") << QByteArray("[Screen Height]\r\nPixels=99999999999999999999999\r\n")
                                     << F([](const Project& p) {
                                            return p.globals().screenHeight.index() == -1;
                                        });
        QTest::newRow("animation on message 3")
            << QByteArray("[Message3ShowMode]\r\nMoveDirection=7\r\n")
            << F([](const Project& p) { return p.message(3).mode.index() == -1; });
        QTest::newRow("check value 5")
            << QByteArray("[Message3ShowMode]\r\nFlash=5\r\nLoopLamp=-1\r\n")
            << F([](const Project& p) { return p.message(3).flash && p.message(3).loopLamp; });
        QTest::newRow("speed 0") << QByteArray("[Message3ShowMode]\r\nMoveSpeed=0\r\n")
                                 << F([](const Project& p) { return p.message(3).speed.index() == -1; });
        QTest::newRow("speed 40") << QByteArray("[Message3ShowMode]\r\nMoveSpeed=40\r\n")
                                  << F([](const Project& p) { return p.message(3).speed.index() == -1; });
        QTest::newRow("minutes outside the day")
            << QByteArray("[WorkTime]\r\nStartWorkTime=5000\r\nEndWorkTime=-20\r\n")
            << F([](const Project& p) { return p.workTime().start == 1439 && p.workTime().end == 0; });
        QTest::newRow("adjust beyond the bar")
            << QByteArray("[TopLocationAdjustSet]\r\nAdjust2=999\r\n")
            << F([](const Project& p) { return p.message(2).adjustBar == 10; });
        QTest::newRow("group past message 15")
            << QByteArray("[Alternate]\r\nAlternateBeginMsg=14\r\nAlternateMsgNum=200\r\n")
            << F([](const Project& p) {
                   return p.altBoxes()[14].ticked && p.altBoxes()[15].ticked && p.altBeginMsg() == 14 &&
                          p.altMsgNum() == 2;
               });
        QTest::newRow("group beyond every message")
            << QByteArray("[Alternate]\r\nAlternateBeginMsg=300\r\nAlternateMsgNum=-5\r\n")
            << F([](const Project& p) { return p.altMsgNum() == 0; });
        QTest::newRow("group of message 15 alone")
            << QByteArray("[Alternate]\r\nAlternateBeginMsg=15\r\nAlternateMsgNum=1\r\n")
            << F([](const Project& p) { return !p.altBoxes()[15].ticked && p.altMsgNum() == 0; });
        QTest::newRow("clock message beyond its list")
            << QByteArray("[ClockPosition]\r\nTimeMessage=17\r\nHourPosition=-4\r\n")
            << F([](const Project& p) {
                   return p.globals().clockMessage.index() == -1 && p.globals().hourPosition.index() == -1;
               });
    }
    // Saved again, such a value keeps its bytes while nobody changes that setting, as texts do.
    void valuesOutOfRangeLoadSensibly()
    {
        QFETCH(QByteArray, lines);
        QFETCH(std::function<bool(const Project&)>, check);
        QVERIFY(settings().loadFrom(pairWith(lines)));
        QVERIFY(check(project()));
        QVERIFY(!project().modified());
        controller().setMessageText(0, QStringLiteral("changed"));
        const QString again = temp(QStringLiteral("again.ini"));
        QVERIFY(settings().saveTo(again));
        for (const QByteArray& line : lines.split('\n')) {
            if (line.contains('='))
                QVERIFY2(readFile(again).contains(line + '\n'), line.constData());
        }
    }

    // Another program saved the project after it was loaded here: saving asks whether to save over
    // that change, to load it instead, or neither, and never overwrites it without a word.
    void changedElsewhereIsAskedAbout_data()
    {
        QTest::addColumn<Dialogs::Answer>("answer");
        QTest::addColumn<QString>("saved"); // message 1's text in the file afterwards
        QTest::addColumn<QString>("held");  // and in the project
        QTest::newRow("save over theirs") << Dialogs::Answer::Yes << "ours"
                                          << "ours";
        QTest::newRow("load theirs") << Dialogs::Answer::No << "theirs"
                                     << "theirs";
        QTest::newRow("neither") << Dialogs::Answer::Cancel << "theirs"
                                 << "ours";
    }
    void changedElsewhereIsAskedAbout()
    {
        QFETCH(Dialogs::Answer, answer);
        QFETCH(QString, saved);
        QFETCH(QString, held);
        const QString ini = goldenCopy();
        QVERIFY(settings().loadFrom(ini));
        ControllerFixture other;
        QVERIFY(other.settings.loadFrom(ini));
        other.controller.setMessageText(1, QStringLiteral("theirs"));
        QVERIFY(other.settings.saveTo(ini));

        controller().setMessageText(1, QStringLiteral("ours"));
        m_fixture->dialogs.yesNoCancelAnswers = {answer};
        QCOMPARE(settings().saveTo(ini), answer == Dialogs::Answer::Yes);
        QCOMPARE(m_fixture->dialogs.questions.size(), 1);
        QCOMPARE(m_fixture->dialogs.questions.first().text, SettingsTexts::changedElsewhere());
        QCOMPARE(ProjectFile::read(ProfileDocument(readFile(ini))).messages[1].text, saved);
        QCOMPARE(project().message(1).text, held);
        QCOMPARE(project().modified(), answer == Dialogs::Answer::Cancel);
        if (answer != Dialogs::Answer::Cancel) {
            // Now the files are as this project knows them: a save asks nothing.
            QVERIFY(settings().saveTo(ini));
            QCOMPARE(m_fixture->dialogs.questions.size(), 1);
        }
    }

    // Bytes that read the same mirrored (0xFF, 0xA5) would hide a reversed bit order; message 0 is
    // re-encoded from its image on loading, so its saved bytes show what was painted. A display
    // data file longer than the display data loads its first part.
    void displayDataBitsKeepTheirOrder()
    {
        QByteArray data(kDispDataSize, '\0');
        data[DisplayData::offset(0, 0, 0)] = '\x80';
        data[DisplayData::offset(1, 1, 0)] = '\x01';
        data[DisplayData::offset(2, 7, 4)] = '\x80';
        const QString ini = pairWith(QByteArray());
        writeFile(temp(QStringLiteral("made.bin")), data + QByteArray(100, '\x7f'));
        QVERIFY(settings().loadFrom(ini));
        const MessageCanvas& first = controller().images().canvas(0);
        QCOMPARE(first.pixel(0, 0), MessageCanvas::kRed);
        QCOMPARE(first.pixel(7, 0), MessageCanvas::kBlack);
        QCOMPARE(first.pixel(8, 1), MessageCanvas::kBlack);
        QCOMPARE(first.pixel(15, 1), MessageCanvas::kRed);
        QCOMPARE(controller().images().canvas(4).pixel(16, 7), MessageCanvas::kRed);
        QCOMPARE(project().msgLen()[0], 2);
        QVERIFY(settings().saveTo(temp(QStringLiteral("again.ini"))));
        QVERIFY(readFile(temp(QStringLiteral("again.bin"))) == data);
    }

    // Values nobody changed keep their bytes, also bytes code page 932 does not know and texts
    // another program wrote in UTF-8; the changed one is converted.
    void unchangedValuesKeepTheirBytes()
    {
        const QString ini = goldenCopy();
        QVERIFY(settings().loadFrom(ini));
        QVERIFY(settings().saveTo(temp(QStringLiteral("full.ini"))));
        const QList<std::pair<QByteArray, QByteArray>> foreign = {
            {"Message1Text=Message1", "Message1Text=\x80\xa0\xfd\xfe\xff"},
            {"Message4Text=Message4", "Message4Text=\x82 a\x82"},
            {"Message6Text=Message6", "Message6Text=\xe5\x96\xb6\xe6\xa5\xad\xe4\xb8\xad"},
            {"FontBold=0", "FontBold=00"},
        };
        QByteArray bytes = readFile(temp(QStringLiteral("full.ini")));
        for (const auto& [from, to] : foreign) {
            QVERIFY(bytes.contains(from));
            bytes.replace(bytes.indexOf(from), from.size(), to);
        }
        writeFile(ini, bytes);
        QVERIFY(settings().loadFrom(ini));
        controller().setMessageText(0, QStringLiteral("本日〜"));
        for (const QString& name : {QStringLiteral("windows.ini"), QStringLiteral("copy.ini")}) {
            QVERIFY(settings().saveTo(temp(name)));
            QByteArray expected = bytes;
            const qsizetype at = expected.indexOf("Message0Text=") + 13;
            expected.replace(at, expected.indexOf('\r', at) - at, "\x96\x7b\x93\xfa\x81\x60");
            QCOMPARE(readFile(temp(name)), expected);
        }
        QVERIFY(m_fixture->dialogs.told.isEmpty());
    }

    void namesWithoutTheirOwnDataFileAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("its own display data") << QStringLiteral("x.bin");
        QTest::newRow("display data in another folder") << QStringLiteral("ab");
    }
    void namesWithoutTheirOwnDataFileAreRefused()
    {
        QFETCH(QString, name);
        QVERIFY(!settings().saveTo(temp(name)));
        QCOMPARE(m_fixture->dialogs.told.first().text, SettingsTexts::namesUnpaired());
        QVERIFY(QDir(m_dir->path()).entryList(QDir::Files).isEmpty());
        QVERIFY(!QFile::exists(m_dir->path() + QStringLiteral("bin")));
        QVERIFY(!settings().loadFrom(temp(name)));
    }
};

QTEST_GUILESS_MAIN(TestSettingsCommands)
#include "tst_settingscommands.moc"
