// SPDX-License-Identifier: GPL-3.0-or-later
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// p10signctl info on a full project, from process start to exit.
class BenchCtl : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_project = m_dir.filePath(QStringLiteral("full.ini"));

    static int ctl(const QStringList& arguments)
    {
        QProcess process;
        process.start(QStringLiteral(P10SIGNCTL), arguments);
        process.waitForFinished();
        return process.exitCode();
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
    }

    void infoOnAFullProject()
    {
        QBENCHMARK
        {
            QCOMPARE(ctl({QStringLiteral("info"), m_project}), 0);
        }
    }
};

QTEST_GUILESS_MAIN(BenchCtl)
#include "bench_ctl.moc"
