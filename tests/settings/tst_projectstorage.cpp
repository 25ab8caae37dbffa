// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/displaydata.h"
#include "settings/projectstorage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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
};

QTEST_GUILESS_MAIN(TestProjectStorage)
#include "tst_projectstorage.moc"
