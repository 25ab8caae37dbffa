// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/textnumbers.h"
#include "settings/profiledocument.h"
#include "settings/projectfile.h"
#include "support/controllerfixture.h"
#include "support/fuzzbudget.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Loading sets an adjust's text and then its bar, and the bar writes its number over the text
// only when it moves: an adjust that is no number ("-") stays as the file has it or becomes
// "0", depending on the project loaded before. Both draw the text at the same height.
ProjectFile adjustsAsDrawn(ProjectFile file)
{
    for (ProjectFile::Message& message : file.messages)
        message.adjust = QString::number(numericValue(message.adjust));
    return file;
}

} // namespace

// Mutated settings files must never crash the reader or the loader, nor leave a project that
// cannot be saved and loaded again. Each run is bounded in time; the seed is printed so that a
// failure can be replayed with P10_FUZZ_SEED.
class TestSettingsFuzz : public QObject {
    Q_OBJECT

private:
    QRandomGenerator m_random;
    QByteArray m_golden;

    int below(int n) { return int(m_random.bounded(std::max(n, 1))); }

    QByteArray randomBytes(int size)
    {
        QByteArray bytes(size, '\0');
        for (char& c : bytes)
            c = char(m_random.bounded(256));
        return bytes;
    }

    QByteArray mutate(QByteArray bytes)
    {
        const int steps = 1 + below(6);
        for (int i = 0; i < steps; ++i) {
            const int at = below(int(bytes.size()) + 1);
            switch (below(9)) {
            case 0: // random bytes, NUL and line ends among them
                bytes.insert(at, randomBytes(1 + below(40)));
                break;
            case 1: // cut the file
                bytes.truncate(at);
                break;
            case 2: // a very long line
                bytes.insert(at, QByteArray(10000 + below(100000), "x=\"; ["[below(6)]));
                break;
            case 3: // a line without "="
                bytes.insert(at, QByteArray("\r\nno equals sign here\r\n"));
                break;
            case 4: { // duplicate a run of lines: sections and keys twice
                const int length = below(600);
                bytes.insert(at, bytes.mid(below(int(bytes.size())), length));
                break;
            }
            case 5:
                if (!bytes.isEmpty())
                    bytes[std::min<qsizetype>(at, bytes.size() - 1)] = '\0';
                break;
            case 6: // numbers at their limits
                bytes.insert(at,
                             QByteArray("\r\nAlternateMsgNum=-99999999999999999999\r\nMoveSpeed=65536\r\n"));
                break;
            case 7: // other forms: lone CRs, byte order marks
                bytes.insert(at, below(2) ? QByteArray("\r")
                                          : QByteArray("\xEF\xBB\xBF\xFF\xFE").sliced(below(4)));
                break;
            default:
                if (!bytes.isEmpty())
                    bytes[std::min<qsizetype>(at, bytes.size() - 1)] = char(m_random.bounded(256));
                break;
            }
        }
        return bytes;
    }

private slots:
    void initTestCase()
    {
        m_random.seed(FuzzBudget::seed());
        QFile golden(QStringLiteral(P10_TEST_DATA "/windows.ini"));
        QVERIFY(golden.open(QIODevice::ReadOnly));
        m_golden = golden.readAll();
    }

    void readerSurvivesMutatedFiles()
    {
        QElapsedTimer clock;
        clock.start();
        int runs = 0;
        while (clock.elapsed() < FuzzBudget::budgetMs()) {
            ProfileDocument document(mutate(m_golden));
            const ProjectFile file = ProjectFile::read(document);
            QVERIFY(file.altBegin >= 0 && file.altBegin <= 255);
            QVERIFY(file.messages[0].text.size() <= 2047);
            // Whatever the file held, writing keeps every key line one line.
            const std::size_t lines = document.lineCount();
            document.writeString(randomBytes(8), "key", randomBytes(below(64)));
            QVERIFY(document.lineCount() <= lines + 2);
            file.write(document);
            QCOMPARE(ProjectFile::read(ProfileDocument(document.toBytes())), ProjectFile::read(document));
            ++runs;
        }
        qInfo("%d mutated files read", runs);
    }

    void loaderSurvivesMutatedFiles()
    {
        ControllerFixture fixture;
        const Controller& controller = fixture.controller;
        SettingsCommands& settings = fixture.settings;
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString ini = dir.filePath(QStringLiteral("fuzz.ini"));
        const QString bin = dir.filePath(QStringLiteral("fuzz.bin"));
        const QString saved = dir.filePath(QStringLiteral("saved.ini"));
        QElapsedTimer clock;
        clock.start();
        int runs = 0;
        while (clock.elapsed() < FuzzBudget::budgetMs()) {
            QFile file(ini);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(mutate(m_golden));
            file.close();
            QFile data(bin);
            QVERIFY(data.open(QIODevice::WriteOnly));
            data.write(randomBytes(below(8) == 0 ? below(kDispDataSize) : kDispDataSize));
            data.close();

            const bool loaded = settings.loadFrom(ini);
            const Project& project = controller.project();
            QVERIFY(isMessageIndex(project.curMsg()));
            if (loaded)
                QVERIFY(!project.modified());
            // The project stays usable: it saves, and what it saved loads back unchanged, values
            // out of their range kept as the file had them.
            const ProjectFile before = adjustsAsDrawn(ProjectFile::capture(project));
            QVERIFY(settings.saveTo(saved));
            QVERIFY(settings.loadFrom(saved));
            QCOMPARE(adjustsAsDrawn(ProjectFile::capture(project)), before);
            ++runs;
        }
        qInfo("%d mutated files loaded", runs);
    }
};

QTEST_GUILESS_MAIN(TestSettingsFuzz)
#include "tst_settingsfuzz.moc"
