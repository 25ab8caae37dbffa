// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/controllerfixture.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// Saving a full project, loading one into a project whose every byte differs, and loading the
// file already loaded, which must paint nothing.
class BenchSettings : public QObject {
    Q_OBJECT

private:
    ControllerFixture m_fixture;
    Controller& m_controller = m_fixture.controller;
    SettingsCommands& m_settings = m_fixture.settings;
    QTemporaryDir m_dir;
    QString m_pathA;
    QString m_pathB; // every display data byte the inverse of A's

    void fill(bool inverse)
    {
        for (int m = 0; m < kMessageCount; ++m) {
            QImage& image = m_controller.images().canvas(m).image();
            for (int y = 0; y < kRows; ++y) {
                for (int x = 0; x < kCanvasWidth; ++x) {
                    const bool lit = ((x * 7 + y * 13 + m) % 5 < 2) != inverse;
                    image.setPixel(x, y, lit ? MessageCanvas::kRed : MessageCanvas::kBlack);
                }
            }
            m_controller.selectTab(m);
            m_controller.encodeMessage();
            m_controller.setMessageText(m, QStringLiteral("営業中①～㈱ %1 %2").arg(m).arg(inverse));
        }
        m_controller.selectTab(0);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_pathA = m_dir.filePath(QStringLiteral("a.ini"));
        m_pathB = m_dir.filePath(QStringLiteral("b.ini"));
        fill(true);
        QVERIFY(m_settings.saveTo(m_pathB));
        fill(false);
        QVERIFY(m_settings.saveTo(m_pathA));
    }

    void saveFullProject()
    {
        QBENCHMARK
        {
            QVERIFY(m_settings.saveTo(m_pathA));
        }
    }

    void loadWhereEveryByteDiffers()
    {
        // Alternating between A and B makes every byte differ on every load.
        bool toB = true;
        QBENCHMARK
        {
            QVERIFY(m_settings.loadFrom(toB ? m_pathB : m_pathA));
            toB = !toB;
        }
    }

    void loadTheFileAlreadyLoaded()
    {
        QVERIFY(m_settings.loadFrom(m_pathA));
        QSignalSpy painted(&m_controller.images(), &MessageImages::imageChanged);
        QBENCHMARK
        {
            QVERIFY(m_settings.loadFrom(m_pathA));
        }
        QCOMPARE(painted.size(), 0);
    }
};

QTEST_GUILESS_MAIN(BenchSettings)
#include "bench_settings.moc"
