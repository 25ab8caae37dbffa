// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

// p10signctl info on a full project and on a settings file of 16 MB, from process start to exit.
class BenchCtl : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_project = m_dir.filePath(QStringLiteral("full.ini"));
    QString m_huge = m_dir.filePath(QStringLiteral("huge.ini"));

    static int ctl(const QStringList& arguments)
    {
        QProcess process;
        process.start(QStringLiteral(P10SIGNCTL), arguments);
        process.waitForFinished();
        return process.exitCode();
    }

    // The peak resident memory of one run, in kilobytes, from the system's account of that child.
    static long peakKilobytes(const QStringList& arguments)
    {
        QList<QByteArray> bytes{QByteArrayLiteral(P10SIGNCTL)};
        for (const QString& argument : arguments)
            bytes << QFile::encodeName(argument);
        std::vector<char*> argv;
        for (QByteArray& argument : bytes)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        pid_t pid = 0;
        const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        if (spawned != 0)
            return -1;
        int status = 0;
        rusage usage{};
        if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
            return -1;
        return usage.ru_maxrss;
    }

private slots:
    void initTestCase()
    {
        for (int m = 0; m < 16; ++m) {
            const QString text =
                QStringLiteral("表示 %1: 本日のおすすめは焼き魚定食と季節の天ぷらです").arg(m);
            QCOMPARE(
                ctl({QStringLiteral("set-text"), m_project, QStringLiteral("--message"), QString::number(m),
                     QStringLiteral("--text"), text, QStringLiteral("--size"), QStringLiteral("24")}),
                0);
        }
        // The project's own sections, then those of other programs and extra keys in the
        // project's largest section, up to the largest settings file that is read at all.
        QFile project(m_project);
        QVERIFY(project.open(QIODevice::ReadOnly));
        QByteArray huge = project.readAll();
        const qsizetype limit = 16 * 1024 * 1024 - 200;
        for (int i = 0; huge.size() < limit / 2; ++i)
            huge += "[Other" + QByteArray::number(i) +
                    "]\r\nName=ＬＥＤ表示\r\nValue=" + QByteArray::number(i) + "\r\n";
        huge += "[MessageText]\r\n";
        for (int i = 0; huge.size() < limit; ++i)
            huge += "Note" + QByteArray::number(i) + "Text=営業中\r\n";
        QFile file(m_huge);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(huge) == huge.size());
        file.close();
        QVERIFY(QFile::copy(m_dir.filePath(QStringLiteral("full.bin")),
                            m_dir.filePath(QStringLiteral("huge.bin"))));
    }

    void infoOnAFullProject()
    {
        QBENCHMARK
        {
            QCOMPARE(ctl({QStringLiteral("info"), m_project}), 0);
        }
    }

    // Target: at most 1 s.
    void infoOnA16MegabyteSettingsFile()
    {
        QBENCHMARK
        {
            QCOMPARE(ctl({QStringLiteral("info"), m_huge}), 0);
        }
    }

    // A settings file of nothing but section headers, up to the largest that is read at all, in
    // the line ends of Windows and in lone carriage returns. Target: at most 1 s for one change.
    void setTextOnA16MegabyteFileOfSectionHeaders_data()
    {
        QTest::addColumn<QByteArray>("lineEnd");
        QTest::newRow("CR LF") << QByteArray("\r\n");
        QTest::newRow("CR") << QByteArray("\r");
    }
    void setTextOnA16MegabyteFileOfSectionHeaders()
    {
        QFETCH(QByteArray, lineEnd);
        const QString headers = m_dir.filePath(QStringLiteral("headers.ini"));
        QByteArray bytes;
        // Room for the project's own sections, which the first change adds.
        const qsizetype limit = 16 * 1024 * 1024 - 16 * 1024;
        for (int i = 0; bytes.size() < limit; ++i)
            bytes += "[Section" + QByteArray::number(i) + "]" + lineEnd;
        QFile file(headers);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        QFile::remove(m_dir.filePath(QStringLiteral("headers.bin")));
        QVERIFY(QFile::copy(m_dir.filePath(QStringLiteral("full.bin")),
                            m_dir.filePath(QStringLiteral("headers.bin"))));
        const QStringList setText{QStringLiteral("set-text"),  headers,
                                  QStringLiteral("--message"), QStringLiteral("0"),
                                  QStringLiteral("--text"),    QStringLiteral("営業中")};
        QCOMPARE(ctl(setText), 0);
        QBENCHMARK
        {
            QCOMPARE(ctl(setText), 0);
        }
    }

    // Target: at most 200 MB.
    void peakMemoryOfInfoOnA16MegabyteSettingsFile()
    {
        const long kilobytes = peakKilobytes({QStringLiteral("info"), m_huge});
        QVERIFY(kilobytes > 0);
        qInfo("peak resident memory: %.1f MB", kilobytes / 1024.0);
        QTest::setBenchmarkResult(kilobytes * 1024.0, QTest::BytesAllocated);
    }
};

QTEST_GUILESS_MAIN(BenchCtl)
#include "bench_ctl.moc"
