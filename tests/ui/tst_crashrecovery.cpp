// SPDX-License-Identifier: GPL-3.0-or-later
#include "controller/projecthistory.h"
#include "support/controllerfixture.h"
#include "support/fakeportcatalogue.h"
#include "support/goldenproject.h"
#include "ui/crashrecovery.h"
#include "ui/windowapp.h"

#include <QApplication>
#include <QDirIterator>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>

namespace {

const QString kEditOption = QStringLiteral("--edit-then-wait");
constexpr int kChildAnswerMs = 60000; // a bound that only a hang reaches
constexpr int kPollMs = 50;

QStringList keptCopies()
{
    QStringList copies;
    QDirIterator found(CrashRecovery::folder(), {QStringLiteral("project.ini")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (found.hasNext())
        copies << found.next();
    return copies;
}

// The program as main() puts it together, given the project, with the text adopted on page 0.
// Once its unsaved change is kept it says so and runs on until it is killed.
int editThenWait(const QString& project, const QString& text)
{
    FakePortCatalogue ports;
    WindowApp program(ports);
    program.start(project);
    QTimer::singleShot(0, &program.window(), [&program, text] {
        program.window().findChild<QPlainTextEdit*>(QStringLiteral("TxtBox0"))->setPlainText(text);
        program.window().findChild<QPushButton*>(QStringLiteral("CmdUpText"))->click();
    });
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &poll, [&poll] {
        if (!keptCopies().isEmpty()) {
            poll.stop();
            std::puts("kept");
            std::fflush(stdout);
        }
    });
    poll.start(kPollMs);
    return QApplication::exec();
}

// A start of the program after another was killed: it is asked whether to restore, and answers.
struct NextStart {
    ControllerFixture fixture;
    ProjectHistory history{fixture.controller};
    CrashRecovery recovery{fixture.controller.project(), history, fixture.settings, fixture.dialogs};
    Project& project = fixture.controller.project();

    explicit NextStart(Dialogs::Answer answer)
    {
        fixture.controller.startUp();
        fixture.dialogs.yesNoCancelAnswers = {answer};
        recovery.offerLeftCopies();
    }
};

} // namespace

class TestCrashRecovery : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_project;

    // Starts the program on the project, adopts the text, and kills it once the change is kept.
    void killAfterEdit(const QString& text)
    {
        QProcess program;
        program.start(QCoreApplication::applicationFilePath(), {kEditOption, m_project, text});
        QVERIFY(program.waitForStarted());
        QVERIFY2(program.waitForReadyRead(kChildAnswerMs), qPrintable(program.readAllStandardError()));
        QCOMPARE(program.readAllStandardOutput().trimmed(), QByteArray("kept"));

        // A window still running keeps its copy to itself.
        QVERIFY(NextStart(Dialogs::Answer::Yes).fixture.dialogs.questions.isEmpty());

        program.kill();
        QVERIFY(program.waitForFinished(kChildAnswerMs));
        QCOMPARE(program.exitStatus(), QProcess::CrashExit);
        QCOMPARE(keptCopies().size(), 1);
    }

private slots:
    void initTestCase()
    {
        // Copies and project locks go to folders of this test; the program started inherits them.
        qputenv("XDG_DATA_HOME", m_dir.filePath(QStringLiteral("data")).toUtf8());
        qputenv("XDG_RUNTIME_DIR", m_dir.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", m_dir.filePath(QStringLiteral("config")).toUtf8());
        m_project = copyGoldenProject(m_dir.path());
        QVERIFY(!m_project.isEmpty());
    }

    void restoredAfterAKill()
    {
        killAfterEdit(QStringLiteral("Sale"));
        const QFileInfo copy(keptCopies().value(0));
        QVERIFY(copy.absoluteFilePath().startsWith(m_dir.filePath(QStringLiteral("data/"))));

        // Put off, the question comes again at the next start.
        {
            const NextStart later(Dialogs::Answer::Cancel);
            QCOMPARE(later.fixture.dialogs.questions.size(), 1);
            QVERIFY(!later.project.modified());
            QCOMPARE(keptCopies().size(), 1);
        }

        NextStart start(Dialogs::Answer::Yes);
        const FakeDialogs& dialogs = start.fixture.dialogs;
        QCOMPARE(dialogs.questions.size(), 1);
        const QString question = dialogs.questions[0].text;
        QVERIFY2(question.contains(QDir::toNativeSeparators(m_project)), qPrintable(question));
        QVERIFY2(question.contains(copy.lastModified().toString(QStringLiteral("yyyy-MM-dd HH:mm"))),
                 qPrintable(question));
        const Project& project = start.project;
        QCOMPARE(project.message(0).text, QStringLiteral("Sale"));
        QVERIFY(project.msgLen()[0] > 0);
        QCOMPARE(project.fileLabel(), QStringLiteral("shop"));
        QVERIFY(project.modified());
        QVERIFY(keptCopies().isEmpty());

        // The restored work is a change to the project on disk: undone, it is the saved project.
        start.history.undo();
        QVERIFY(!project.modified());
        start.history.redo();
        QVERIFY(start.fixture.settings.saveInPlace());
        QVERIFY(dialogs.saveFilters.isEmpty());
    }

    void declinedCopyIsRemoved()
    {
        killAfterEdit(QStringLiteral("Closed"));
        const NextStart start(Dialogs::Answer::No);
        QCOMPARE(start.fixture.dialogs.questions.size(), 1);
        QVERIFY(keptCopies().isEmpty());
        QVERIFY(!start.project.modified());
        QCOMPARE(start.project.message(0).text, QStringLiteral("Message0\r\n"));
    }

    void keptWithinTwoSecondsAndGoneOnceSaved()
    {
        ControllerFixture fixture;
        fixture.controller.startUp();
        ProjectHistory history(fixture.controller);
        {
            CrashRecovery recovery(fixture.controller.project(), history, fixture.settings, fixture.dialogs);
            QVERIFY(fixture.settings.loadFrom(m_project));
            fixture.controller.setBold(3, true);
            QTRY_COMPARE_WITH_TIMEOUT(keptCopies().size(), 1, kChildAnswerMs);
            history.undo();
            QTRY_VERIFY(keptCopies().isEmpty());
            history.redo();
            QTRY_COMPARE_WITH_TIMEOUT(keptCopies().size(), 1, kChildAnswerMs);
            QVERIFY(fixture.settings.saveInPlace());
            QVERIFY(keptCopies().isEmpty());
            fixture.controller.setBold(3, false);
            QTRY_COMPARE_WITH_TIMEOUT(keptCopies().size(), 1, kChildAnswerMs);
        }
        // A window that ends as it should takes its copy along.
        QVERIFY(keptCopies().isEmpty());
    }
};

int main(int argc, char* argv[])
{
    // The names under which the program keeps its data.
    QCoreApplication::setOrganizationName(QStringLiteral("p10sign"));
    QCoreApplication::setApplicationName(QStringLiteral("p10sign"));
    QApplication app(argc, argv);
    if (argc == 4 && QString::fromLocal8Bit(argv[1]) == kEditOption)
        return editThenWait(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    TestCrashRecovery test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_crashrecovery.moc"
