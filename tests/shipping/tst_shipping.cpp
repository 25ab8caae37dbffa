// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/requiretool.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int status = -1;
    QString output;
    QString error;
};

Run run(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment = {},
        int timeoutMs = 60000)
{
    QProcess process;
    if (!environment.isEmpty())
        process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// A platform that does not exist: a program that started the window system would fail with it.
QProcessEnvironment withoutWindowSystem()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("nosuchplatform"));
    return environment;
}

QString copyOfGolden(const QTemporaryDir& dir)
{
    for (const char* suffix : {"ini", "bin"}) {
        const QString target = dir.filePath(QStringLiteral("shop.%1").arg(QLatin1String(suffix)));
        QFile::copy(QStringLiteral(P10_TEST_DATA "/windows.%1").arg(QLatin1String(suffix)), target);
        QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
    return dir.filePath(QStringLiteral("shop.ini"));
}

} // namespace

// The programs as a user starts them and the package as Debian installs it.
class TestShipping : public QObject {
    Q_OBJECT

private slots:
    void versionEverywhere_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("expected");
        QTest::newRow("p10sign") << P10SIGN << "p10sign " P10_VERSION "\n";
        QTest::newRow("p10signctl") << P10SIGNCTL << "p10signctl " P10_VERSION "\n";
        QTest::newRow("p10signcard") << P10SIGNCARD << "p10signcard " P10_VERSION "\n";
    }
    void versionEverywhere()
    {
        QFETCH(QString, program);
        QFETCH(QString, expected);
        const Run version = run(program, {QStringLiteral("--version")}, withoutWindowSystem());
        QCOMPARE(version.status, 0);
        QCOMPARE(version.output, expected);
        const Run help = run(program, {QStringLiteral("--help")}, withoutWindowSystem());
        QCOMPARE(help.status, 0);
        QVERIFY(help.output.contains(QStringLiteral("--version")));

        QFile metainfo(QStringLiteral(P10_METAINFO));
        QVERIFY(metainfo.open(QIODevice::ReadOnly));
        const QByteArray component = metainfo.readAll();
        QVERIFY(component.contains("<release version=\"" P10_VERSION "\""));
        QVERIFY(component.contains("<binary>" + QByteArray(QTest::currentDataTag()) + "</binary>"));
    }

    void desktopFilesValidate_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("desktop entry")
            << "desktop-file-validate" << QStringList{P10_SOURCE_DIR "/share/applications/p10sign.desktop"};
        QTest::newRow("metainfo") << "appstreamcli"
                                  << QStringList{"validate", "--no-net", "--pedantic", P10_METAINFO};
    }
    void desktopFilesValidate()
    {
        QFETCH(QString, tool);
        QFETCH(QStringList, arguments);
        SKIP_WITHOUT_TOOL(tool);
        const Run check = run(tool, arguments);
        QVERIFY2(check.status == 0, qPrintable(check.output + check.error));
        QVERIFY2(!check.output.contains(QStringLiteral("W: ")) &&
                     !check.error.contains(QStringLiteral("warning")),
                 qPrintable(check.output + check.error));
    }

    void logsOnRequest()
    {
        QTemporaryDir dir;
        const QString shop = copyOfGolden(dir);
        const Run quiet = run(P10SIGNCTL, {QStringLiteral("info"), shop});
        QCOMPARE(quiet.status, 0);
        QCOMPARE(quiet.error, QString());
        const Run verbose = run(P10SIGNCTL, {QStringLiteral("info"), shop, QStringLiteral("--verbose")});
        QCOMPARE(verbose.status, 0);
        QVERIFY2(verbose.error.contains(QStringLiteral("p10sign.settings: read 1048064 bytes from \"%1\"")
                                            .arg(dir.filePath(QStringLiteral("shop.bin")))),
                 qPrintable(verbose.error));
    }

    // The window loads the project named on its command line once it has started.
    void windowOpensTheProjectGiven()
    {
        QTemporaryDir dir;
        const QString shop = copyOfGolden(dir);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("p10sign.settings.debug=true"));
        // What the program remembers stays in this test's folder.
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path());
        QProcess window;
        window.setProcessEnvironment(environment);
        window.start(P10SIGN, {shop});
        QVERIFY(window.waitForStarted());
        QByteArray log;
        const QByteArray loaded =
            "read 1048064 bytes from \"" + dir.filePath(QStringLiteral("shop.bin")).toUtf8();
        QTRY_VERIFY_WITH_TIMEOUT((log += window.readAllStandardError()).contains(loaded), 30000);
        // It is a recent project now, once the store has been written.
        const QString store = dir.filePath(QStringLiteral("config/p10sign/p10sign.conf"));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(store), 10000);
        QCOMPARE(window.state(), QProcess::Running);
        window.kill();
        window.waitForFinished();
        QSettings remembered(store, QSettings::IniFormat);
        QCOMPARE(remembered.value(QStringLiteral("recentProjects")).toStringList(), QStringList{shop});
    }

    void packageInstallsAndRuns()
    {
#ifdef P10_SANITIZED
        QSKIP("A build with the sanitizers links their run-time libraries, which no package ships");
#endif
        for (const QString& tool :
             {QStringLiteral("cpack"), QStringLiteral("dpkg-deb"), QStringLiteral("lintian")})
            SKIP_WITHOUT_TOOL(tool);
        QTemporaryDir dir;
        const Run pack = run(QStringLiteral("cpack"),
                             {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("-B"), dir.path(),
                              QStringLiteral("--config"), QStringLiteral(P10_BUILD_DIR "/CPackConfig.cmake")},
                             {}, 240000);
        QVERIFY2(pack.status == 0, qPrintable(pack.output + pack.error));
        const QStringList debs = QDir(dir.path()).entryList({QStringLiteral("*.deb")});
        QCOMPARE(debs.size(), 1);
        const QString deb = dir.filePath(debs[0]);

        const Run fields =
            run(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), deb, QStringLiteral("Package"),
                                             QStringLiteral("Version"), QStringLiteral("Depends")});
        QVERIFY(fields.output.contains(QStringLiteral("Package: p10sign\n")));
        QVERIFY(fields.output.contains(QStringLiteral("Version: " P10_VERSION "\n")));
        // The libraries the programs link, and what no program links but the window and the
        // texts need.
        for (const char* needed : {"libc6", "libgif7", "libqt6widgets6", "libqt6serialport6",
                                   "qt6-qpa-plugins", "fonts-ipafont-gothic", "fonts-ipafont-mincho"})
            QVERIFY2(fields.output.contains(QLatin1String(needed)), needed);
        QVERIFY2(!fields.output.contains(QLatin1String("qcoro")), qPrintable(fields.output));
        const Run control = run(QStringLiteral("dpkg-deb"), {QStringLiteral("-I"), deb});
        for (const char* script : {"preinst", "postinst", "prerm", "postrm"})
            QVERIFY2(!control.output.contains(QLatin1String(script)), script);

        const QString root = dir.filePath(QStringLiteral("root"));
        QCOMPARE(run(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), deb, root}).status, 0);
        for (const QString& file :
             {QStringLiteral("bin/p10sign"), QStringLiteral("bin/p10signctl"),
              QStringLiteral("bin/p10signcard"), QStringLiteral("share/applications/" P10_APP_ID ".desktop"),
              QStringLiteral("share/metainfo/" P10_APP_ID ".metainfo.xml"),
              QStringLiteral("share/icons/hicolor/scalable/apps/p10sign.svg"),
              QStringLiteral("share/icons/hicolor/48x48/apps/p10sign.png"),
              QStringLiteral("share/man/man1/p10sign.1.gz"), QStringLiteral("share/man/man1/p10signctl.1.gz"),
              QStringLiteral("share/man/man1/p10signcard.1.gz"),
              QStringLiteral("share/doc/p10sign/copyright"),
              QStringLiteral("share/doc/p10sign/changelog.gz")})
            QVERIFY2(QFileInfo::exists(root + QStringLiteral("/usr/") + file), qPrintable(file));
        const Run installed =
            run(root + QStringLiteral("/usr/bin/p10signctl"), {QStringLiteral("--version")});
        QCOMPARE(installed.status, 0);
        QCOMPARE(installed.output, QStringLiteral("p10signctl " P10_VERSION "\n"));

        // Debian's own checks of a package: no error and no warning.
        const Run lintian = run(QStringLiteral("lintian"), {deb}, {}, 240000);
        QVERIFY2(lintian.status == 0 && lintian.output.isEmpty(), qPrintable(lintian.output + lintian.error));
    }
};

QTEST_GUILESS_MAIN(TestShipping)
#include "tst_shipping.moc"
