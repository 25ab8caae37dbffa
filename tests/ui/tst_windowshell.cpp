// SPDX-License-Identifier: GPL-3.0-or-later
#include "controller/projecthistory.h"
#include "support/controllerfixture.h"
#include "support/goldenproject.h"
#include "texts/language.h"
#include "ui/lastport.h"
#include "ui/mainwindow.h"
#include "ui/projectsession.h"
#include "ui/recentplaces.h"
#include "ui/startahead.h"
#include "ui/tabstrip.h"
#include "ui/windowapp.h"
#include "ui/windowarguments.h"

#include <QAbstractSlider>
#include <QAccessible>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFile>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSet>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <memory>

namespace {

// One window with what the program gives it: a session over a settings store of its own.
struct Desktop {
    ControllerFixture fixture;
    FakeDialogs& dialogs = fixture.dialogs;
    QSettings store;
    RecentPlaces places{store};
    ProjectSession session{fixture.settings, dialogs, places};
    MainWindow window{fixture.controller, fixture.settings, &session};

    explicit Desktop(const QString& storePath)
        : store(storePath, QSettings::IniFormat)
    {
        fixture.controller.startUp();
    }
};

} // namespace

class TestWindowShell : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString copyOfGolden(const QString& name) { return copyGoldenProject(m_dir.path(), name); }

private slots:
    void initTestCase()
    {
        // The project locks go to a runtime folder of this test, not the user's.
        qputenv("XDG_RUNTIME_DIR", m_dir.path().toUtf8());
    }

    // Told or not that the application object is made, the helper thread ends: the program may
    // stop at a refused argument before the window is built.
    void startAheadEndsWhetherOrNotTheWindowStarts()
    {
        QElapsedTimer clock;
        clock.start();
        {
            StartAhead refused;
        }
        StartAhead ahead;
        ahead.applicationStarted();
        ahead.finish();
        // A bound that only a hang exceeds.
        QVERIFY(clock.elapsed() < 10000);
    }

    void applicationWearsTheProgramsIconAndFaces()
    {
        WindowApp::dressApplication();
        const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)));
        QVERIFY(std::all_of(sizes.begin(), sizes.end(), [](QSize size) { return size.width() <= 64; }));
        // Dialogs and menus show names of any script: the application's face falls back.
        QVERIFY(!(QApplication::font().styleStrategy() & QFont::NoFontMerging));
    }

    void commandLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("answer");
        QTest::newRow("nothing") << "" << -1 << "";
        QTest::newRow("a project") << "shop.ini" << -1 << "shop.ini";
        QTest::newRow("version") << "--version" << 0 << "p10sign " P10_VERSION "\n";
        QTest::newRow("help") << "-h" << 0 << "[PROJECT.ini]";
        QTest::newRow("version among Qt's options")
            << "-platform offscreen -v" << 0 << "p10sign " P10_VERSION "\n";
        QTest::newRow("two projects") << "a.ini b.ini" << 2 << "一つだけ";
        QTest::newRow("unknown option") << "--port COM1" << 2 << "port";
        QTest::newRow("a language and a project") << "--language en shop.ini" << -1 << "shop.ini";
        QTest::newRow("no such language") << "--language=de" << 2 << "「de」";
    }
    void commandLine()
    {
        QFETCH(QString, line);
        QFETCH(int, status);
        QFETCH(QString, answer);
        const auto parsed =
            parseWindowArguments(QStringList{QStringLiteral("p10sign")} + QProcess::splitCommand(line));
        if (status < 0) {
            QVERIFY(std::holds_alternative<WindowArguments>(parsed));
            QCOMPARE(std::get<WindowArguments>(parsed).project, answer);
            return;
        }
        QVERIFY(std::holds_alternative<WindowArgumentsExit>(parsed));
        const auto& exit = std::get<WindowArgumentsExit>(parsed);
        QCOMPARE(exit.status, status);
        const QString& said = status == 0 ? exit.output : exit.error;
        QVERIFY2(status == 0 ? said == answer || said.contains(answer) : said.contains(answer),
                 qPrintable(said));
    }

    void recentProjectsKeepTheEightNewest()
    {
        QSettings store(path(QStringLiteral("eight.conf")), QSettings::IniFormat);
        RecentPlaces places(store);
        for (int i = 1; i <= 9; ++i)
            places.addProject(path(QStringLiteral("p%1.ini").arg(i)));
        places.addProject(path(QStringLiteral("p4.ini")));
        QStringList expected;
        for (const int i : {4, 9, 8, 7, 6, 5, 3, 2})
            expected << path(QStringLiteral("p%1.ini").arg(i));
        QCOMPARE(places.projects(), expected);
        QCOMPARE(places.folder(RecentPlaces::Kind::Projects), m_dir.path());
        QVERIFY(places.folder(RecentPlaces::Kind::Pictures).isEmpty());
    }

    void lastPortIsChosenAtTheNextStart_data()
    {
        QTest::addColumn<QString>("used");
        QTest::addColumn<QString>("next");
        const QString address = QStringLiteral("rfc2217://10.0.0.7:4001");
        QTest::newRow("listed") << QStringLiteral("COM1") << QStringLiteral("COM1");
        QTest::newRow("gone: the usual choice") << QStringLiteral("COM7") << QStringLiteral("COM3");
        QTest::newRow("network address") << address << address;
    }
    void lastPortIsChosenAtTheNextStart()
    {
        QFETCH(QString, used);
        QFETCH(QString, next);
        QSettings store(path(QStringLiteral("port.conf")), QSettings::IniFormat);
        store.clear();
        RecentPlaces places(store);
        const auto start = [&](ControllerFixture& fixture) {
            fixture.ports.devices = {{"COM1", "/dev/ttyS0"}, {"COM3", "/dev/ttyUSB0"}};
            fixture.controller.startUp();
            auto lastPort = std::make_unique<LastPort>(fixture.controller, places);
            lastPort->restore();
            return lastPort;
        };
        {
            ControllerFixture first;
            const auto lastPort = start(first);
            first.controller.typeText(GlobalList::Port, used);
        }
        ControllerFixture second;
        const auto lastPort = start(second);
        QCOMPARE(second.controller.project().globals().port.text(), next);
        // The port is the computer's: choosing it leaves the project unchanged.
        QVERIFY(!second.controller.project().modified());
    }

    void projectOpensAndARecentOneThatVanishedIsDropped()
    {
        Desktop desktop(path(QStringLiteral("recent.conf")));
        auto* recent = desktop.window.findChild<QToolButton*>(QStringLiteral("CmdRecent"));
        QVERIFY(!recent->isEnabled());

        const QString shop = copyOfGolden(QStringLiteral("shop"));
        const QString gone = copyOfGolden(QStringLiteral("gone"));
        desktop.session.open(gone);
        desktop.session.open(shop);
        QCOMPARE(desktop.window.findChild<QLabel*>(QStringLiteral("LabFile"))->text(),
                 QStringLiteral("shop"));
        QCOMPARE(desktop.session.recentProjects(), QStringList({shop, gone}));
        QVERIFY(recent->isEnabled());
        QVERIFY(desktop.dialogs.told.isEmpty());

        QFile::remove(gone);
        recent->click();
        auto* menu = desktop.window.findChild<QMenu*>(QStringLiteral("MnuRecent"));
        QTRY_VERIFY(menu->isVisible());
        const QList<QAction*> offered = menu->actions();
        QCOMPARE(offered.size(), 2);
        QCOMPARE(offered[1]->data().toString(), gone);
        offered[1]->trigger();
        menu->hide();

        QCOMPARE(desktop.dialogs.told.size(), 1);
        QCOMPARE(desktop.dialogs.told[0].text,
                 QStringLiteral("設定ファイルが見つかりません。最近のプロジェクトから外しました。"));
        QCOMPARE(desktop.dialogs.told[0].detail, QDir::toNativeSeparators(gone));
        QCOMPARE(desktop.session.recentProjects(), QStringList{shop});
        QCOMPARE(desktop.window.findChild<QLabel*>(QStringLiteral("LabFile"))->text(),
                 QStringLiteral("shop"));
    }

    void aSecondWindowOnTheSameProjectIsWarned()
    {
        const QString shop = copyOfGolden(QStringLiteral("shared"));
        Desktop first(path(QStringLiteral("first.conf")));
        Desktop second(path(QStringLiteral("second.conf")));
        first.session.open(shop);
        second.session.open(shop);
        QVERIFY(first.dialogs.told.isEmpty());
        QCOMPARE(second.dialogs.told.size(), 1);
        QVERIFY(second.dialogs.told[0].text.startsWith(
            QStringLiteral("このプロジェクトは他のウィンドウでも開かれています。")));
        QCOMPARE(second.dialogs.told[0].detail, QDir::toNativeSeparators(shop));

        // Once the first window has moved on, the project is free.
        QVERIFY(first.fixture.settings.saveTo(path(QStringLiteral("elsewhere.ini"))));
        second.session.open(shop);
        QCOMPARE(second.dialogs.told.size(), 1);
    }

    void keyboard()
    {
        Desktop desktop(path(QStringLiteral("keys.conf")));
        desktop.window.show();
        QApplication::setActiveWindow(&desktop.window);
        QVERIFY(QTest::qWaitForWindowActive(&desktop.window));
        auto* tabs = desktop.window.findChild<TabStrip*>(QStringLiteral("TabStrip1"));

        QTest::keyClick(&desktop.window, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(tabs->currentIndex(), 1);
        QCOMPARE(desktop.fixture.controller.selectedTab(), 1);
        QTest::keyClick(&desktop.window, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(&desktop.window, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(tabs->currentIndex(), 15);

        // Ctrl+Return from inside the text box adopts that page's text rather than breaking a line.
        auto* text = desktop.window.findChild<QPlainTextEdit*>(QStringLiteral("TxtBox15"));
        text->setFocus();
        QTest::keyClick(text, Qt::Key_Return, Qt::ControlModifier);
        QTRY_VERIFY(desktop.fixture.controller.project().msgLen()[15] > 0);
        QCOMPARE(text->toPlainText(), QStringLiteral("Message15\n"));

        // The adopted text is unsaved work: the load first offers to save it, and No goes on.
        desktop.dialogs.yesNoCancelAnswers = {Dialogs::Answer::No};
        QTest::keyClick(text, Qt::Key_O, Qt::ControlModifier);
        QTRY_COMPARE(desktop.dialogs.openFilters.size(), 1);
        QTest::keyClick(text, Qt::Key_S, Qt::ControlModifier);
        QTRY_COMPARE(desktop.dialogs.saveFilters.size(), 1);
        QCOMPARE(desktop.dialogs.openFilters[0], desktop.dialogs.saveFilters[0]);
    }

    // Every button answers its Alt letter and its Ctrl or F key wherever the focus is, in both
    // languages, and no key leaves a letter in the field that has the focus.
    void buttonKeysFromInsideFields_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("field");
        for (const bool english : {false, true}) {
            for (const char* field : {"TxtBox0", "MovSpeed0", "TxtDJS", "VScAdj0"})
                QTest::addRow("%s %s", english ? "en" : "ja", field) << english << QString::fromLatin1(field);
        }
    }
    void buttonKeysFromInsideFields()
    {
        QFETCH(bool, english);
        QFETCH(QString, field);
        Language language;
        language.apply(english ? Language::Id::English : Language::Id::Japanese);
        Desktop desktop(path(QStringLiteral("fieldkeys.conf")));
        desktop.window.show();
        QApplication::setActiveWindow(&desktop.window);
        QVERIFY(QTest::qWaitForWindowActive(&desktop.window));
        // Two steps, one undone: both history buttons can act.
        desktop.fixture.controller.setBold(0, true);
        desktop.window.history().recordNow();
        desktop.fixture.controller.setFlash(0, true);
        desktop.window.history().recordNow();
        desktop.window.history().undo();

        auto* focus = desktop.window.findChild<QWidget*>(field);
        const auto contents = [focus] {
            if (const auto* text = qobject_cast<QPlainTextEdit*>(focus))
                return text->toPlainText();
            if (const auto* list = qobject_cast<QComboBox*>(focus))
                return list->currentText();
            if (const auto* line = qobject_cast<QLineEdit*>(focus))
                return line->text();
            return QString::number(qobject_cast<QAbstractSlider*>(focus)->value());
        };
        const QString before = contents();
        const auto press = [&](const QKeySequence& key) {
            focus->setFocus();
            QTest::keyClick(QApplication::focusWidget(), key[0].key(), key[0].keyboardModifiers());
        };
        const struct {
            const char* button;
            Qt::Key letter;
            QKeySequence shortcut;
        } keys[] = {
            {"CmdLoad", Qt::Key_O, QKeySequence::Open},
            {"CmdSave", Qt::Key_S, {}},
            {"CmdSend", Qt::Key_U, {}},
            {"CmdPlay", Qt::Key_P, Qt::Key_F5},
            {"CmdUpText", Qt::Key_T, Qt::CTRL | Qt::Key_Return},
            {"CmdLdPic", Qt::Key_I, {}},
            {"CmdSvPic", Qt::Key_E, {}},
            {"CmdExit", Qt::Key_L, {}},
            {"CmdSendClk", Qt::Key_C, {}},
            {"CmdUndo", Qt::Key_N, {}},
            {"CmdRedo", Qt::Key_R, {}},
        };
        for (const auto& key : keys) {
            auto* button = desktop.window.findChild<QAbstractButton*>(QLatin1String(key.button));
            // What the button does is tested elsewhere; here only whether its keys reach it.
            disconnect(button, &QAbstractButton::clicked, nullptr, nullptr);
            QSignalSpy clicked(button, &QAbstractButton::clicked);
            const QKeySequence letter(Qt::ALT | key.letter);
            if (english)
                QCOMPARE(QKeySequence::mnemonic(button->text()), letter);
            press(letter);
            QTRY_COMPARE(clicked.size(), 1);
            if (!key.shortcut.isEmpty()) {
                press(key.shortcut);
                QTRY_COMPARE(clicked.size(), 2);
            }
            QCOMPARE(contents(), before);
        }

        press(Qt::ALT | Qt::Key_Q);
        QCOMPARE(contents(), before);

        // Ctrl+S saves a new project under a name asked for; Ctrl+Z and Ctrl+Y reach the window's
        // history rather than the field's own.
        press(QKeySequence::Save);
        QCOMPARE(desktop.dialogs.saveFilters.size(), 1);
        const Project& project = desktop.fixture.controller.project();
        press(Qt::CTRL | Qt::Key_Z);
        QVERIFY(!project.message(0).bold);
        press(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
        QVERIFY(project.message(0).bold);
        press(Qt::CTRL | Qt::Key_Y);
        QVERIFY(project.message(0).flash);
        QCOMPARE(contents(), before);
    }

    // Ctrl+S and the close question's Yes save over the open project; the save button asks, at
    // the project's own name. The title marks unsaved changes until they are saved or undone.
    void savingInPlace()
    {
        Desktop desktop(path(QStringLiteral("inplace.conf")));
        const QString shop = copyOfGolden(QStringLiteral("inplace"));
        desktop.session.open(shop);
        Controller& controller = desktop.fixture.controller;
        QVERIFY(!desktop.window.isWindowModified());
        controller.setBold(1, true);
        desktop.window.history().recordNow();
        QVERIFY(desktop.window.isWindowModified());
        desktop.window.history().undo();
        QVERIFY(!desktop.window.isWindowModified());

        controller.setBold(1, true);
        QVERIFY(desktop.fixture.settings.saveInPlace());
        QVERIFY(!desktop.window.isWindowModified());
        controller.setFlash(1, true);
        desktop.dialogs.yesNoCancelAnswers = {Dialogs::Answer::Yes};
        QVERIFY(desktop.fixture.settings.confirmClose());
        QVERIFY(desktop.dialogs.saveFilters.isEmpty());
        ControllerFixture reader;
        QVERIFY(reader.settings.loadFrom(shop));
        QVERIFY(reader.controller.project().message(1).bold);
        QVERIFY(reader.controller.project().message(1).flash);

        QVERIFY(!desktop.fixture.settings.save());
        QCOMPARE(desktop.dialogs.saveStarts, QStringList{shop});
    }

    // English throughout: the window's captions, the shown names of the modes (the project keeps
    // the list's own) and Qt's own buttons; the title is the product's and stays. A choice made in
    // the window is announced for the next start.
    void englishWindow()
    {
        Language language;
        language.apply(Language::Id::English);
        Desktop desktop(path(QStringLiteral("english.conf")));
        const auto caption = [&](const char* name) {
            return desktop.window.findChild<QAbstractButton*>(QLatin1String(name))->text();
        };
        QCOMPARE(caption("CmdLoad"), "&Open");
        QCOMPARE(caption("CmdUpText"), "Use &text");
        // English captions have letters to underline: every button the window shows gets its own.
        QSet<QKeySequence> mnemonics;
        const QList<QPushButton*> buttons = desktop.window.findChildren<QPushButton*>();
        for (const QPushButton* button : buttons) {
            const QKeySequence mnemonic = QKeySequence::mnemonic(button->text());
            QVERIFY2(!mnemonic.isEmpty(), qUtf8Printable(button->text()));
            mnemonics.insert(mnemonic);
        }
        QCOMPARE(mnemonics.size(), buttons.size());
        QCOMPARE(caption("ChkSide"), "Show time and days positions");
        QCOMPARE(desktop.window.findChild<QLabel*>(QStringLiteral("Label8"))->text(), "Memory usage");
        QVERIFY(desktop.window.windowTitle().startsWith(
            QStringLiteral("P10 LED表示器イメージ設定ソフト Ver3.72")));
        QCOMPARE(QDialogButtonBox(QDialogButtonBox::Yes).button(QDialogButtonBox::Yes)->text(), "&Yes");

        auto* mode = desktop.window.findChild<QComboBox*>(QStringLiteral("ComMod0"));
        QCOMPARE(mode->currentText(), "Move left");
        QCOMPARE(mode->itemText(7), "Animation");
        mode->setEditText(QStringLiteral("Stack"));
        QCOMPARE(desktop.fixture.controller.project().message(0).mode.text(), QStringLiteral("積み重ね"));
        QCOMPARE(desktop.fixture.controller.project().message(0).mode.index(), 5);

        QSignalSpy chosen(&desktop.window, &MainWindow::languageChosen);
        auto* menu = desktop.window.findChild<QMenu*>(QStringLiteral("MnuLanguage"));
        menu->actions().at(0)->trigger();
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(chosen[0][0].value<Language::Id>(), Language::Id::Japanese);
        auto* told = desktop.window.findChild<QMessageBox*>(QStringLiteral("MsgLanguage"));
        QVERIFY(told);
        QCOMPARE(told->text(), "The chosen language is used from the next start.");
        delete told;

        language.apply(Language::Id::Japanese);
        QCOMPARE(QDialogButtonBox(QDialogButtonBox::Yes).button(QDialogButtonBox::Yes)->text(), "はい(&Y)");
    }

    void aScreenReaderNamesEveryControl()
    {
        Desktop desktop(path(QStringLiteral("names.conf")));
        // Each page as it is built when its tab is first chosen.
        auto* tabs = desktop.window.findChild<TabStrip*>(QStringLiteral("TabStrip1"));
        for (int m = tabs->count() - 1; m >= 0; --m)
            tabs->setCurrentIndex(m);
        // A field is read with the label beside it.
        const QList<std::pair<const char*, QString>> labelled = {
            {"ComScrH", "高さ(Dots)"},
            {"ComSele", "COM ポート"},
            {"ComDSide", "日数表示位置"},
            {"TxtDJS", "日数"},
            {"TxtSTime", "開始"},
            {"FntName3", "フォント"},
            {"FntSize3", "フォントサイズ"},
            {"ComMod0", "移動モード"},
            {"MovSpeed15", "移動速度"},
            {"TopAdj7", "表示位置調整"},
            {"ComScrW", "表示画面長さ（Bytes)"},
        };
        for (const auto& [name, caption] : labelled) {
            auto* field = desktop.window.findChild<QWidget*>(QLatin1String(name));
            QVERIFY2(field, name);
            // A titled frame around the field labels it too.
            QStringList labels;
            for (const auto& [label, relation] :
                 QAccessible::queryAccessibleInterface(field)->relations(QAccessible::Label))
                labels << label->text(QAccessible::Name);
            QVERIFY2(labels.contains(caption), name);
        }
        // Every other control the keyboard reaches has a name of its own.
        const QList<QWidget*> widgets = desktop.window.findChildren<QWidget*>();
        for (QWidget* widget : widgets) {
            if (widget->objectName().isEmpty() || !(widget->focusPolicy() & Qt::TabFocus))
                continue;
            const bool hasLabel =
                !QAccessible::queryAccessibleInterface(widget)->relations(QAccessible::Label).isEmpty();
            QVERIFY2(hasLabel ||
                         !QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).isEmpty(),
                     qPrintable(widget->objectName()));
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(
                     desktop.window.findChild<QWidget*>(QStringLiteral("VScAdj2")))
                     ->text(QAccessible::Name),
                 QStringLiteral("表示位置調整"));
    }
};

QTEST_MAIN(TestWindowShell)
#include "tst_windowshell.moc"
