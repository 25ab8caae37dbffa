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
#include <functional>
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
                       ini, settings, {}, data, [](int) {}, {}, goOn)
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

    // Another program's save in progress holds the project: a load waits for it and reads the pair
    // it leaves, not one file of each; a second save waits too, then replaces both files whole.
    void loadsAndSavesWaitForASaveInProgress()
    {
        using ProjectStorage::Error;
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("shop.ini"));
        ProjectFile settings;
        settings.messages[0].text = QStringLiteral("second");
        DisplayData data;
        data.set(0, 0, 0, 0x80);
        QCOMPARE(ProjectStorage::write(ini, settings, {}, data, [](int) {}).failure.error, Error::None);

        QLockFile saving(ini + QStringLiteral(".p10sign-saving.lock"));
        // Lets go of the project after a while, having done `lastly` as that save's end.
        const auto saveInProgress = [&saving](const std::function<void()>& lastly) {
            return std::thread([&saving, lastly] {
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
                lastly();
                saving.unlock();
            });
        };

        QVERIFY(saving.tryLock());
        bool saved = false;
        std::thread other = saveInProgress([&] {
            QFile settingsFile(ini);
            QFile dataFile(dir.filePath(QStringLiteral("shop.bin")));
            saved = settingsFile.open(QIODevice::Append) && dataFile.open(QIODevice::ReadWrite) &&
                    settingsFile.write("[Extra]\r\nKey=1\r\n") > 0 && dataFile.write("\x01", 1) == 1;
        });
        const ProjectStorage::ReadResult duringSave = ProjectStorage::read(ini);
        other.join();
        QVERIFY(saved && duringSave.project);
        QCOMPARE(duringSave.project->document.value("Extra", "Key"), QByteArray("1"));
        QCOMPARE(quint8(duringSave.project->dispData.at(0)), quint8(0x01));

        QVERIFY(saving.tryLock());
        QElapsedTimer waited;
        waited.start();
        other = saveInProgress([] {});
        const Error written = ProjectStorage::write(ini, settings, {}, data, [](int) {}).failure.error;
        const qint64 savedAfterMs = waited.elapsed();
        other.join();
        QCOMPARE(written, Error::None);
        QVERIFY(savedAfterMs >= 250);
        const ProjectStorage::ReadResult loaded = ProjectStorage::read(ini);
        QVERIFY(loaded.project);
        QCOMPARE(loaded.project->settings.messages[0].text, QStringLiteral("second"));
        QCOMPARE(quint8(loaded.project->dispData.at(0)), quint8(0x80));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 (QStringList{QStringLiteral("shop.bin"), QStringLiteral("shop.ini")}));
    }
};

QTEST_GUILESS_MAIN(TestProjectStorage)
#include "tst_projectstorage.moc"
