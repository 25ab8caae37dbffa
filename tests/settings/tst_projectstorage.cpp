// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/displaydata.h"
#include "settings/projectstorage.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <thread>

class TestProjectStorage : public QObject {
    Q_OBJECT

private slots:
    void namesFollowTheSettingsPath_data()
    {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("label");
        QTest::newRow("usual") << "/shop/front.ini"
                               << "/shop/front.bin"
                               << "front";
        QTest::newRow("upper case extension") << "/shop/FRONT.INI"
                                              << "/shop/FRONT.bin"
                                              << "FRONT";
        QTest::newRow("no extension") << "/shop/shop"
                                      << "/shop/sbin"
                                      << "";
        QTest::newRow("other extension") << "/shop/a.txt2"
                                         << "/shop/a.tbin"
                                         << "a.";
        QTest::newRow("japanese name") << "/店/看板①.ini"
                                       << "/店/看板①.bin"
                                       << "看板①";
    }
    void namesFollowTheSettingsPath()
    {
        QFETCH(QString, settings);
        QFETCH(QString, data);
        QFETCH(QString, label);
        QCOMPARE(ProjectStorage::dataFilePath(settings), data);
        QCOMPARE(ProjectStorage::fileLabel(settings), label);
    }

    // A save stopped between any two of its steps, as a kill would stop it, leaves a pair that
    // loads as the old project or as the new one, never as new data beside old settings.
    void interruptedSaveLoadsAsOldOrNew()
    {
        using ProjectStorage::Error;
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("shop.ini"));
        ProjectFile oldSettings;
        oldSettings.messages[0].text = QStringLiteral("old");
        DisplayData oldData;
        oldData.set(0, 0, 0, 0x80);
        ProjectFile newSettings;
        newSettings.messages[0].text = QStringLiteral("new");
        DisplayData newData;
        newData.set(0, 0, 0, 0x01);
        const auto save = [&](const ProjectFile& settings, const DisplayData& data,
                              const FileCommit::StepHook& goOn = {}) {
            return ProjectStorage::write(
                       ini, settings, {}, data, [](int) {}, goOn)
                .failure.error;
        };
        QCOMPARE(save(oldSettings, oldData), Error::None);

        QList<bool> outcomes; // true where the stopped save loaded as the new project
        for (int stopAt = 0;; ++stopAt) {
            int step = 0;
            if (save(newSettings, newData, [&] { return step++ < stopAt; }) == Error::None)
                break;
            const bool marked = QFile::exists(ini + QStringLiteral(".p10sign-saving"));
            const ProjectStorage::ReadResult loaded = ProjectStorage::read(ini);
            QVERIFY(loaded.project);
            const QString text = loaded.project->settings.messages[0].text;
            const auto byte = quint8(loaded.project->dispData.at(0));
            QVERIFY2(text == QStringLiteral("old") ? byte == 0x80
                                                   : text == QStringLiteral("new") && byte == 0x01,
                     qPrintable(QStringLiteral("step %1: %2 with %3").arg(stopAt).arg(text).arg(byte)));
            QCOMPARE(text == QStringLiteral("new"), marked);
            outcomes << marked;
            QCOMPARE(save(oldSettings, oldData), Error::None);
        }
        QVERIFY(outcomes.contains(false) && outcomes.contains(true));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 (QStringList{QStringLiteral("shop.bin"), QStringLiteral("shop.ini")}));
    }

    // Two programs saving one project at once: the second waits for the first to let go, and only
    // then writes its pair, so each save replaces both files whole.
    void aSecondSaveWaitsForTheFirst()
    {
        using ProjectStorage::Error;
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("shop.ini"));
        ProjectFile settings;
        settings.messages[0].text = QStringLiteral("second");
        DisplayData data;
        data.set(0, 0, 0, 0x80);
        QLockFile first(ini + QStringLiteral(".p10sign-saving.lock"));
        QVERIFY(first.tryLock());
        QElapsedTimer waited;
        waited.start();
        std::thread release([&first] {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            first.unlock();
        });
        const ProjectStorage::WriteResult written =
            ProjectStorage::write(ini, settings, {}, data, [](int) {});
        const qint64 savedAfterMs = waited.elapsed();
        release.join();
        QCOMPARE(written.failure.error, Error::None);
        QVERIFY(savedAfterMs >= 250);
        const ProjectStorage::ReadResult loaded = ProjectStorage::read(ini);
        QVERIFY(loaded.project);
        QCOMPARE(loaded.project->settings.messages[0].text, QStringLiteral("second"));
        QCOMPARE(quint8(loaded.project->dispData.at(0)), quint8(0x80));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 (QStringList{QStringLiteral("shop.bin"), QStringLiteral("shop.ini")}));
    }

    // A load while another program saves reads the pair that save leaves, not one file of each.
    void aLoadWaitsForASaveToEnd()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("shop.ini"));
        ProjectFile settings;
        settings.messages[0].text = QStringLiteral("old");
        DisplayData data;
        data.set(0, 0, 0, 0x80);
        QCOMPARE(ProjectStorage::write(ini, settings, {}, data, [](int) {}).failure.error,
                 ProjectStorage::Error::None);
        QLockFile saving(ini + QStringLiteral(".p10sign-saving.lock"));
        QVERIFY(saving.tryLock());
        bool saved = false;
        std::thread save([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            QFile settingsFile(ini);
            QFile dataFile(dir.filePath(QStringLiteral("shop.bin")));
            saved = settingsFile.open(QIODevice::Append) && dataFile.open(QIODevice::ReadWrite) &&
                    settingsFile.write("[Extra]\r\nKey=1\r\n") > 0 && dataFile.write("\x01", 1) == 1;
            settingsFile.close();
            dataFile.close();
            saving.unlock();
        });
        const ProjectStorage::ReadResult loaded = ProjectStorage::read(ini);
        save.join();
        QVERIFY(saved && loaded.project);
        QCOMPARE(loaded.project->document.value("Extra", "Key"), QByteArray("1"));
        QCOMPARE(quint8(loaded.project->dispData.at(0)), quint8(0x01));
    }
};

QTEST_GUILESS_MAIN(TestProjectStorage)
#include "tst_projectstorage.moc"
