// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/usagegauge.h"
#include "support/controllerfixture.h"
#include "ui/mainwindow.h"
#include "ui/tabstrip.h"
#include "ui/widgetdialogs.h"

#include <QAbstractSlider>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

class TestMainWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ControllerFixture> m_fixture;
    std::unique_ptr<MainWindow> m_window;

    Project& project() { return m_fixture->controller.project(); }

    template <typename T = QWidget> T* find(const QString& name)
    {
        auto* widget = m_window->findChild<T*>(name);
        if (!widget)
            qWarning() << "no control" << name;
        return widget;
    }

    void clickTab(int index)
    {
        auto* tabs = find<TabStrip>("TabStrip1");
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
    }

    // Moves the focus to another control so that the one being left runs its focus-out rule.
    void leave(QWidget* to) { to->setFocus(Qt::TabFocusReason); }

private slots:
    void init()
    {
        m_fixture = std::make_unique<ControllerFixture>();
        m_fixture->ports.devices = {{"COM1", "/dev/ttyUSB0"}, {"COM3", "/dev/ttyUSB1"}};
        m_fixture->clock.time = QTime(9, 41, 30);
        m_window = std::make_unique<MainWindow>(m_fixture->controller, m_fixture->settings);
        m_fixture->controller.startUp();
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void cleanup()
    {
        m_window.reset();
        m_fixture.reset();
    }

    void titleAndFixedSize()
    {
        const QString title = m_window->windowTitle().remove(QStringLiteral("[*]"));
        QCOMPARE(title.size(), 148);
        QVERIFY(title.startsWith(QStringLiteral("P10 LED表示器イメージ設定ソフト Ver3.72 ")));
        QVERIFY(title.endsWith(QString(116, u' ') + QStringLiteral("Vorel")));
        QCOMPARE(m_window->size(), QSize(993, 681));
        QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    }

    void tabCaptions_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("caption");
        QTest::newRow("tab 1") << 0 << "    表示 0   ";
        QTest::newRow("tab 2") << 1 << "   表示 1   ";
        QTest::newRow("tab 7") << 6 << "   表示 6   ";
        QTest::newRow("tab 8") << 7 << "   表示 7  ";
        QTest::newRow("tab 9") << 8 << "表示 8";
        QTest::newRow("tab 15") << 14 << "表示 14";
        QTest::newRow("tab 16") << 15 << "表示 15 ";
    }
    void tabCaptions()
    {
        QFETCH(int, tab);
        QFETCH(QString, caption);
        auto* tabs = find<TabStrip>("TabStrip1");
        QCOMPARE(tabs->count(), 16);
        QCOMPARE(tabs->tabText(tab), caption);
    }

    // Every control as the window starts, read from one window: the table only looks.
    void startUpValues()
    {
        int checked = 0;
        // page: the tab that shows the control, chosen first since a page is built when first shown.
        const auto row = [&](const QString& control, const char* property, const QVariant& expected,
                             int page = 0) {
            clickTab(page);
            const QString name = control + u'.' + QLatin1String(property);
            QWidget* widget = find(control);
            QVERIFY2(widget, qUtf8Printable(name));
            const QVariant actual = widget->property(property);
            QVERIFY2(actual.isValid(), qUtf8Printable(name));
            QVERIFY2(actual.toString() == expected.toString(),
                     qUtf8Printable(name + QStringLiteral(": ") + actual.toString()));
            ++checked;
        };
        row("LabFile", "text", QString());
        row("ComScrW", "currentText", "16");
        row("ComScrW", "currentIndex", 3);
        row("ComScrH", "currentText", "16");
        row("ComBright", "currentText", "4");
        row("ComSele", "currentText", "COM3");
        row("ComSele", "count", 2);
        row("LabPortDevice", "text", "/dev/ttyUSB1");
        row("ComTimeMsg", "currentText", "None");
        row("ComHSide", "currentText", "4");
        row("ComHSide", "currentIndex", 4);
        row("ComMSide", "currentText", "9");
        row("ComDJSMsg", "currentText", "None");
        row("ComDSide", "currentText", "5");
        row("ChkSide", "checked", true);
        row("Label17", "text", "(Unit Byte , 1 Byte=8 Pixels)");
        row("ProgressBar1", "value", 0);
        row("TxtTime", "text", "12:00");
        row("TxtTime", "readOnly", true);
        row("TxtDJS", "text", "999");
        row("ChkWEn", "checked", true);
        row("ChkWEn", "text", "時間切替");
        row("TxtSTime", "text", "07:00");
        row("TxtSTime", "maxLength", 5);
        row("TxtSTime", "enabled", true);
        row("TxtETime", "text", "19:00");
        row("ProgressBar2", "value", 0);
        row("Frame6", "title", "時間、日付 ");
        row("CmdUpText", "text", "テキスト採用");
        row("CmdLdPic", "text", "画像参照");
        row("CmdSvPic", "text", "画像保存");
        row("CmdLoad", "text", "参 照");
        row("CmdSave", "text", "保 存");
        row("CmdSend", "text", "転 送");
        row("CmdSendClk", "text", "転   送");
        row("CmdExit", "text", "閉じる");
        row("Label8", "text", "メモリの使用状況");
        row("Label10", "text", "表示画面長さ（Bytes)");
        row("Label12", "text", "(1 Byte = 8 Pixels)");
        for (int m : {0, 7, 15}) {
            const QString i = QString::number(m);
            row("Frame1_" + i, "title", QStringLiteral("表示 %1  イメージ").arg(m), m);
            row("TxtBox" + i, "plainText", QStringLiteral("Message%1\n").arg(m), m);
            row("FntName" + i, "currentText", "System", m);
            row("FntSize" + i, "currentText", "12", m);
            row("ChkBold" + i, "checked", false, m);
            row("ChkBold" + i, "text", "太文字", m);
            row("ComMod" + i, "currentText", "左に移動", m);
            row("ComMod" + i, "currentIndex", 0, m);
            row("MovSpeed" + i, "currentText", "4", m);
            row("ChkFls" + i, "checked", false, m);
            row("ChkFls" + i, "text", "点滅動作", m);
            row("ChkRun" + i, "checked", false, m);
            row("ChkRun" + i, "text", "飾り枠", m);
            row("ChkAlt" + i, "checked", false, m);
            row("ChkAlt" + i, "text", "Alternate", m);
            row("TopAdj" + i, "text", "0", m);
            row("VScAdj" + i, "value", 0, m);
            row("VScAdj" + i, "minimum", -10, m);
            row("VScAdj" + i, "maximum", 10, m);
            row("HScroll1_" + i, "value", 0, m);
            row("HScroll1_" + i, "maximum", 15467, m);
            row("HScroll1_" + i, "singleStep", 50, m);
            row("HScroll1_" + i, "pageStep", 750, m);
            row("Label5_" + i, "text", "フォント", m);
            row("Label7_" + i, "text", "フォントサイズ", m);
            row("Label3_" + i, "text", "移動モード", m);
            row("Label2_" + i, "text", "移動速度", m);
            row("Label6_" + i, "text", "表示位置調整", m);
        }
        QVERIFY(checked > 0);
    }

    void startUpStateOfTheProject()
    {
        QCOMPARE(project().curMsg(), 0);
        QVERIFY(!project().modified());
        QVERIFY(!project().fontFamilies().isEmpty());
        clickTab(9);
        auto* fonts = find<QComboBox>("FntName9");
        QCOMPARE(fonts->count(), project().fontFamilies().size());
        QCOMPARE(fonts->itemText(0), project().fontFamilies().first());
        QVERIFY(!find("ChkAlt0")->isVisible());
    }

    void onlyThePageOfTheSelectedTabShows()
    {
        QVERIFY(find("Frame1_0")->isVisible());
        QVERIFY(find("ComScrW")->isVisible());
        clickTab(15);
        QCOMPARE(project().curMsg(), 15);
        QVERIFY(find("Frame1_15")->isVisible());
        QVERIFY(!find("Frame1_0")->isVisible());
        QVERIFY(!find("ComScrW")->isVisible());
        clickTab(0);
        QVERIFY(find("ComScrW")->isVisible());
        QVERIFY(!project().modified());
    }

    void clickingTheSelectedTabChangesNothing()
    {
        clickTab(2);
        QSignalSpy spy(&project(), &Project::currentMessageChanged);
        clickTab(2);
        QCOMPARE(spy.size(), 0);
        QCOMPARE(project().curMsg(), 2);
    }

    void arrowKeysMoveBetweenTabs()
    {
        auto* tabs = find<TabStrip>("TabStrip1");
        tabs->setFocus();
        QTest::keyClick(tabs, Qt::Key_Right);
        QCOMPARE(project().curMsg(), 1);
        QVERIFY(find("Frame1_1")->isVisible());
        QTest::keyClick(tabs, Qt::Key_Left);
        QTest::keyClick(tabs, Qt::Key_Left);
        QCOMPARE(project().curMsg(), 0);

        // Sixteen tabs, 0 .. 15: nothing lies beyond the last.
        clickTab(15);
        QSignalSpy spy(tabs, &TabStrip::currentChanged);
        QTest::keyClick(tabs, Qt::Key_Right);
        tabs->setCurrentIndex(16);
        QCOMPARE(spy.size(), 0);
        QCOMPARE(tabs->currentIndex(), 15);
        QCOMPARE(m_fixture->controller.selectedTab(), 15);
        QVERIFY(find("Frame1_15")->isVisible());
    }

    void showModes_data()
    {
        QTest::addColumn<int>("message");
        QTest::addColumn<int>("modes");
        QTest::newRow("page 0") << 0 << 8;
        QTest::newRow("page 1") << 1 << 7;
        QTest::newRow("page 15") << 15 << 7;
    }
    void showModes()
    {
        QFETCH(int, message);
        QFETCH(int, modes);
        clickTab(message);
        auto* combo = find<QComboBox>(QStringLiteral("ComMod%1").arg(message));
        QCOMPARE(combo->count(), modes);
        QCOMPARE(combo->itemText(6), QStringLiteral("中心振分け"));
        QCOMPARE(combo->itemText(modes - 1),
                 modes == 8 ? QStringLiteral("アニメーション") : QStringLiteral("中心振分け"));
    }

    void pagesKeepTheirOwnValues()
    {
        clickTab(2);
        auto* text = find<QPlainTextEdit>("TxtBox2");
        text->setFocus();
        text->selectAll();
        QTest::keyClicks(text, "Sale");
        QCOMPARE(project().message(2).text, QStringLiteral("Sale"));
        QVERIFY(project().modified());
        auto* bold = find<QCheckBox>("ChkBold2");
        bold->click();
        clickTab(5);
        clickTab(2);
        QCOMPARE(text->toPlainText(), QStringLiteral("Sale"));
        QVERIFY(bold->isChecked());
        QCOMPARE(find<QPlainTextEdit>("TxtBox5")->toPlainText(), QStringLiteral("Message5\n"));
        QVERIFY(!find<QCheckBox>("ChkBold5")->isChecked());
    }

    void lineBreaksOfTheTextBoxAreCrLf()
    {
        auto* text = find<QPlainTextEdit>("TxtBox0");
        text->setFocus();
        text->moveCursor(QTextCursor::End);
        QTest::keyClicks(text, "x");
        QCOMPARE(project().message(0).text, QStringLiteral("Message0\r\nx"));
    }

    void programChangesShowWithoutEcho()
    {
        clickTab(1);
        QSignalSpy spy(&project(), &Project::messageChanged);
        m_fixture->controller.setMessageText(1, QStringLiteral("A\r\nB"));
        QCOMPARE(find<QPlainTextEdit>("TxtBox1")->toPlainText(), QStringLiteral("A\nB"));
        QCOMPARE(spy.size(), 1);
        m_fixture->controller.chooseEntry(1, MessageList::Speed, 7);
        QCOMPARE(find<QComboBox>("MovSpeed1")->currentText(), QStringLiteral("8"));
        m_fixture->controller.setWorkTimeEnabled(false);
        QVERIFY(!find<QCheckBox>("ChkWEn")->isChecked());
        project().setFileLabel(QStringLiteral("shop"));
        QCOMPARE(find<QLabel>("LabFile")->text(), QStringLiteral("shop"));
    }

    void choosingAWidthReencodesMessageZero()
    {
        auto* width = find<QComboBox>("ComScrW");
        width->setFocus();
        QTest::keyClick(width, Qt::Key_Down);
        QCOMPARE(width->currentText(), QStringLiteral("20"));
        QCOMPARE(project().globals().screenWidth.index(), 4);
        QVERIFY(project().modified());
    }

    void typingInAListKeepsTheTypedText()
    {
        auto* position = find<QComboBox>("ComDSide");
        position->setFocus();
        position->lineEdit()->selectAll();
        QTest::keyClicks(position->lineEdit(), "05");
        QCOMPARE(project().globals().daysPosition.text(), QStringLiteral("05"));
        QCOMPARE(project().globals().daysPosition.index(), 105);
        QCOMPARE(position->currentText(), QStringLiteral("05"));
        QCOMPARE(position->count(), 356);
    }

    void heightTypedMarksTheProject()
    {
        auto* height = find<QComboBox>("ComScrH");
        height->setFocus();
        height->lineEdit()->selectAll();
        QTest::keyClicks(height->lineEdit(), "32");
        QCOMPARE(project().globals().screenHeight.text(), QStringLiteral("32"));
        QVERIFY(project().modified());
    }

    void workTimeControlsGreyWithTheSwitch()
    {
        auto* enabled = find<QCheckBox>("ChkWEn");
        const QStringList controls{"TxtSTime", "VScSTime", "TxtETime", "VScETime"};
        enabled->click();
        QVERIFY(!project().workTime().enabled);
        QVERIFY(project().modified());
        for (const QString& name : controls)
            QVERIFY2(!find(name)->isEnabled(), qPrintable(name));
        QCOMPARE(find<QLineEdit>("TxtSTime")->text(), QStringLiteral("07:00"));
        enabled->click();
        for (const QString& name : controls)
            QVERIFY2(find(name)->isEnabled(), qPrintable(name));
    }

    void upperArrowMakesTheTimeLater()
    {
        auto* bar = find<QScrollBar>("VScSTime");
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(project().workTime().start, 421);
        QCOMPARE(find<QLineEdit>("TxtSTime")->text(), QStringLiteral("07:01"));
        bar->triggerAction(QAbstractSlider::SliderPageStepSub);
        QCOMPARE(project().workTime().start, 431);
        bar->triggerAction(QAbstractSlider::SliderToMinimum);
        QCOMPARE(find<QLineEdit>("TxtSTime")->text(), QStringLiteral("23:59"));
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(project().workTime().start, 1439);
        find<QScrollBar>("VScETime")->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(find<QLineEdit>("TxtETime")->text(), QStringLiteral("00:00"));
    }

    void typedTimeCountsWhenTheFieldIsLeft_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("minutes");
        QTest::newRow("7:30") << "7:30"
                              << "07:30" << 450;
        QTest::newRow("21:30") << "21:30"
                               << "21:30" << 1290;
        // Anything else keeps the old time and says why.
        QTest::newRow("no colon") << "2130"
                                  << "07:00" << 420;
        QTest::newRow("0600") << "0600"
                              << "07:00" << 420;
        QTest::newRow("24:00") << "24:00"
                               << "07:00" << 420;
        QTest::newRow("empty") << ""
                               << "07:00" << 420;
        QTest::newRow("no minutes") << "7:"
                                    << "07:00" << 420;
    }
    void typedTimeCountsWhenTheFieldIsLeft()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, minutes);
        auto* field = find<QLineEdit>("TxtSTime");
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, typed);
        QCOMPARE(project().workTime().start, 420);
        leave(find("TxtETime"));
        QCOMPARE(field->text(), shown);
        QCOMPARE(project().workTime().start, minutes);
        QCOMPARE(find<QScrollBar>("VScSTime")->value(), -minutes);
        const QList<FakeDialogs::Shown>& told = m_fixture->dialogs.told;
        QCOMPARE(told.size(), shown == typed.rightJustified(5, u'0') ? 0 : 1);
        if (!told.isEmpty()) {
            QCOMPARE(told[0].text,
                     QStringLiteral("時刻は H:MM または HH:MM（0:00〜23:59）で入力してください。"));
            QCOMPARE(told[0].detail, typed);
        }
    }

    void daysFieldTakesThreeDigitsAtMost()
    {
        auto* field = find<QLineEdit>("TxtDJS");
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, "12345");
        QCOMPARE(field->text(), QStringLiteral("123"));
        QTest::keyClicks(field, "x");
        QCOMPARE(project().globals().countdownDays, QStringLiteral("123"));
    }

    void typedTimeWaitsWhileAnotherProgramHasTheFocus()
    {
        auto* field = find<QLineEdit>("TxtSTime");
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, "8:1");
        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QCOMPARE(field->text(), QStringLiteral("8:1"));
        QCOMPARE(project().workTime().start, 420);

        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QVERIFY(field->hasFocus());
        QTest::keyClicks(field, "5");
        leave(find("TxtETime"));
        QCOMPARE(project().workTime().start, 495);
        QCOMPARE(field->text(), QStringLiteral("08:15"));
    }

    void adjustBarWritesTheAdjustText()
    {
        auto* bar = find<QScrollBar>("VScAdj0");
        bar->triggerAction(QAbstractSlider::SliderToMinimum);
        QCOMPARE(find<QLineEdit>("TopAdj0")->text(), QStringLiteral("-10"));
        QCOMPARE(project().message(0).topAdj, QStringLiteral("-10"));
        auto* field = find<QLineEdit>("TopAdj0");
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, "5");
        QCOMPARE(project().message(0).topAdj, QStringLiteral("5"));
        QCOMPARE(bar->value(), -10);
        QVERIFY(project().modified());
    }

    void scrollingMovesTheImage()
    {
        auto* bar = find<QScrollBar>("HScroll1_0");
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(project().message(0).scroll, 750);
        QCOMPARE(find("PicBox0")->x(), -750);
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(find("PicBox0")->x(), -800);
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(find("PicBox0")->x(), -15467);
        QCOMPARE(find("PicBox0")->width() + find("PicBox0")->x(), 909);
        QVERIFY(!project().modified());
    }

    void textBoxShowsTheFaceTheSignGetsWhenTheListIsLeft()
    {
        clickTab(1);
        auto* fonts = find<QComboBox>("FntName1");
        auto* text = find<QPlainTextEdit>("TxtBox1");
        const int size = text->font().pixelSize();
        fonts->setFocus();
        fonts->lineEdit()->selectAll();
        QTest::keyClicks(fonts->lineEdit(), "MS Gothic");
        QCOMPARE(project().message(1).fontName, QStringLiteral("MS Gothic"));
        QVERIFY(text->font().families().first() != QStringLiteral("IPAGothic"));
        leave(text);
        QCOMPARE(text->font().families(), QStringList{QStringLiteral("IPAGothic")});
        QCOMPARE(text->font().pixelSize(), size);
        QVERIFY(project().modified());
    }

    void alternationBoxesFollowTheChainRuleUnseen()
    {
        // Pages 3 and 4 are built before the change, page 5 after it.
        clickTab(4);
        clickTab(3);
        m_fixture->controller.setAltTicked(3, true);
        QVERIFY(find<QCheckBox>("ChkAlt3")->isChecked());
        QVERIFY(find("ChkAlt4")->isEnabled());
        QVERIFY(!find("ChkAlt3")->isVisible());
        clickTab(5);
        QVERIFY(!find("ChkAlt5")->isEnabled());
    }

    // The bar under the global settings shows an upload, a save and a load; the other one the
    // clock set.
    void progressBarsFollowTheController()
    {
        emit m_fixture->controller.uploadProgressChanged(19, 5);
        QCOMPARE(find<QProgressBar>("ProgressBar1")->maximum(), 19);
        QCOMPARE(find<QProgressBar>("ProgressBar1")->value(), 5);
        emit m_fixture->settings.progressChanged(7, 3);
        QCOMPARE(find<QProgressBar>("ProgressBar1")->maximum(), 7);
        QCOMPARE(find<QProgressBar>("ProgressBar1")->value(), 3);
        emit m_fixture->controller.clockProgressChanged(4, 2);
        QCOMPARE(find<QProgressBar>("ProgressBar2")->value(), 2);
    }

    void fonts()
    {
        QCOMPARE(m_window->font().pixelSize(), 15);
        QVERIFY(m_window->font().bold());
        QCOMPARE(find("CmdExit")->font().pixelSize(), 19);
        QCOMPARE(find("LabFile")->font().pixelSize(), 19);
        QCOMPARE(find("LabFile")->font().families().first(), QStringLiteral("ＭＳ ゴシック"));
        QCOMPARE(find("Label17")->font().pixelSize(), 13);
        // "System" is no installed face: the box shows the one the sign will get.
        QCOMPARE(find("TxtBox0")->font().families(), QStringList{QStringLiteral("IPAPGothic")});
    }

    void closing_data()
    {
        using Answer = Dialogs::Answer;
        QTest::addColumn<bool>("busy");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<QList<bool>>("transferAnswer");
        QTest::addColumn<QList<Answer>>("saveAnswer");
        QTest::addColumn<QStringList>("questions");
        QTest::addColumn<bool>("saveChosen");
        QTest::addColumn<bool>("closes");
        const QString transfer = QStringLiteral(
            "現在データ転送中！今閉じたら字幕表示にエラーが発生する可能性があります。閉じますか？");
        const QString save = QStringLiteral("設定内容が変更されています。保存しますか？");
        const QList<bool> none;
        const QList<Answer> unasked;
        QTest::newRow("nothing to ask")
            << false << false << none << unasked << QStringList{} << false << true;
        QTest::newRow("transfer, yes")
            << true << false << QList<bool>{true} << unasked << QStringList{transfer} << false << true;
        QTest::newRow("transfer, no")
            << true << false << QList<bool>{false} << unasked << QStringList{transfer} << false << false;
        QTest::newRow("changes, no") << false << true << none << QList<Answer>{Answer::No}
                                     << QStringList{save} << false << true;
        QTest::newRow("changes, cancel")
            << false << true << none << QList<Answer>{Answer::Cancel} << QStringList{save} << false << false;
        QTest::newRow("both, no then no") << true << true << QList<bool>{false} << QList<Answer>{Answer::No}
                                          << QStringList{transfer, save} << false << false;
        QTest::newRow("both, yes then no") << true << true << QList<bool>{true} << QList<Answer>{Answer::No}
                                           << QStringList{transfer, save} << false << true;
        QTest::newRow("both, yes then cancel")
            << true << true << QList<bool>{true} << QList<Answer>{Answer::Cancel}
            << QStringList{transfer, save} << false << false;
        QTest::newRow("both, no then yes") << true << true << QList<bool>{false} << QList<Answer>{Answer::Yes}
                                           << QStringList{transfer, save} << true << false;
        QTest::newRow("changes, yes, saved")
            << false << true << none << QList<Answer>{Answer::Yes} << QStringList{save} << true << true;
        QTest::newRow("changes, yes, save cancelled")
            << false << true << none << QList<Answer>{Answer::Yes} << QStringList{save} << false << false;
    }
    void closing()
    {
        QFETCH(bool, busy);
        QFETCH(bool, modified);
        QFETCH(QList<bool>, transferAnswer);
        QFETCH(QList<Dialogs::Answer>, saveAnswer);
        QFETCH(QStringList, questions);
        QFETCH(bool, saveChosen);
        QFETCH(bool, closes);
        QTemporaryDir dir;
        if (saveChosen)
            m_fixture->dialogs.savePaths << dir.filePath("closing.ini");
        if (busy)
            QVERIFY(m_fixture->fakeLine.open());
        project().setModified(modified);
        m_fixture->dialogs.yesNoAnswers = transferAnswer;
        m_fixture->dialogs.yesNoCancelAnswers = saveAnswer;
        QCOMPARE(m_window->close(), closes);
        QStringList asked;
        for (const FakeDialogs::Shown& shown : m_fixture->dialogs.questions) {
            QCOMPARE(shown.title, QStringLiteral("警告"));
            asked << shown.text;
        }
        QCOMPARE(asked, questions);
        QCOMPARE(m_window->isVisible(), !closes);
        QCOMPARE(QFile::exists(dir.filePath("closing.ini")), saveChosen);
    }

    // The real boxes: Escape and the box's own close button answer Cancel, never No.
    void realSaveQuestion_data()
    {
        QTest::addColumn<bool>("loading");
        QTest::addColumn<QString>("reply");
        QTest::addColumn<bool>("kept");
        QTest::newRow("closing, Escape") << false << "Escape" << true;
        QTest::newRow("closing, close box") << false << "close" << true;
        QTest::newRow("closing, No") << false << "No" << false;
        QTest::newRow("loading, Escape") << true << "Escape" << true;
    }
    void realSaveQuestion()
    {
        QFETCH(bool, loading);
        QFETCH(QString, reply);
        QFETCH(bool, kept);
        WidgetDialogs dialogs;
        Controller controller(dialogs, m_fixture->fakeLine, m_fixture->ports, m_fixture->clock);
        SettingsCommands settings(controller, dialogs);
        MainWindow window(controller, settings);
        dialogs.setParent(&window);
        controller.startUp();
        window.show();
        controller.setMessageText(0, QStringLiteral("Sale"));
        QStringList seen;
        QTimer operatorHand;
        operatorHand.setInterval(10);
        connect(&operatorHand, &QTimer::timeout, &window, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            auto* box = qobject_cast<QMessageBox*>(dialog);
            seen << (box ? box->text() : QString::fromLatin1(dialog->metaObject()->className()));
            if (box && reply == QStringLiteral("No"))
                box->button(QMessageBox::No)->click();
            else if (reply == QStringLiteral("close"))
                dialog->close();
            else
                QTest::keyClick(dialog, Qt::Key_Escape);
        });
        operatorHand.start();
        if (loading)
            window.findChild<QPushButton*>("CmdLoad")->click();
        else
            QCOMPARE(window.close(), !kept);
        QCOMPARE(seen, QStringList{QStringLiteral("設定内容が変更されています。保存しますか？")});
        QCOMPARE(window.isVisible(), kept);
        QVERIFY(controller.project().modified());
    }

    void closingKeepsTheWindowWhenTheSaveFails()
    {
        project().setModified(true);
        m_fixture->dialogs.yesNoCancelAnswers = {Dialogs::Answer::Yes};
        m_fixture->dialogs.savePaths << QStringLiteral("/nonexistent-folder/shop.ini");
        QVERIFY(!m_window->close());
        QVERIFY(m_window->isVisible());
        QVERIFY(project().modified());
    }

    void saveChangeLoadThroughTheButtons()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("shop.ini");
        clickTab(4);
        auto* text = find<QPlainTextEdit>("TxtBox4");
        text->setFocus();
        text->selectAll();
        QTest::keyClicks(text, "Hello");
        auto* size = find<QComboBox>("FntSize4");
        size->setFocus();
        QTest::keyClick(size, Qt::Key_Down);
        find<QCheckBox>("ChkBold4")->click();
        auto* mode = find<QComboBox>("ComMod4");
        mode->setFocus();
        QTest::keyClick(mode, Qt::Key_Down);
        QTest::keyClick(mode, Qt::Key_Down);
        auto* speed = find<QComboBox>("MovSpeed4");
        speed->setFocus();
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(speed, Qt::Key_Up);
        find<QCheckBox>("ChkFls4")->click();
        find<QCheckBox>("ChkRun4")->click();
        auto* adjust = find<QLineEdit>("TopAdj4");
        adjust->setFocus();
        adjust->selectAll();
        QTest::keyClicks(adjust, "3");
        auto* clock = find<QComboBox>("ComTimeMsg");
        clock->setFocus();
        QTest::keyClick(clock, Qt::Key_Down);
        auto* days = find<QLineEdit>("TxtDJS");
        days->setFocus();
        days->selectAll();
        QTest::keyClicks(days, "123");
        find<QCheckBox>("ChkWEn")->click();
        find<QScrollBar>("VScETime")->triggerAction(QAbstractSlider::SliderSingleStepAdd);

        m_fixture->dialogs.savePaths << path;
        find<QPushButton>("CmdSave")->click();
        QCOMPARE(m_fixture->dialogs.saveFilters, QStringList{"設定ファイルを(*.ini)|*.ini"});
        QVERIFY(!project().modified());
        QCOMPARE(find<QLabel>("LabFile")->text(), QStringLiteral("shop"));

        text->setFocus();
        text->selectAll();
        QTest::keyClicks(text, "Changed");
        find<QCheckBox>("ChkBold4")->click();
        find<QCheckBox>("ChkFls4")->click();
        find<QCheckBox>("ChkRun4")->click();
        for (QComboBox* combo : {size, mode, speed}) {
            combo->setFocus();
            QTest::keyClick(combo, Qt::Key_Down);
        }
        find<QScrollBar>("VScAdj4")->triggerAction(QAbstractSlider::SliderToMinimum);
        find<QCheckBox>("ChkWEn")->click();
        days->setFocus();
        days->selectAll();
        QTest::keyClicks(days, "7");
        clock->setFocus();
        QTest::keyClick(clock, Qt::Key_Up);
        clickTab(5);

        m_fixture->dialogs.yesNoCancelAnswers = {Dialogs::Answer::No};
        m_fixture->dialogs.openPaths << path;
        find<QPushButton>("CmdLoad")->click();
        QCOMPARE(m_fixture->dialogs.questions.size(), 1);
        QCOMPARE(m_fixture->dialogs.questions.first().text,
                 QStringLiteral("設定内容が変更されています。保存しますか？"));

        QCOMPARE(project().curMsg(), 5);
        QVERIFY(find("Frame1_5")->isVisible());
        QVERIFY(!find("Frame1_4")->isVisible());
        QVERIFY(!project().modified());
        QCOMPARE(text->toPlainText(), QStringLiteral("Hello"));
        QCOMPARE(size->currentText(), QStringLiteral("13"));
        QVERIFY(find<QCheckBox>("ChkBold4")->isChecked());
        QCOMPARE(mode->currentText(), QStringLiteral("上向け"));
        QCOMPARE(speed->currentText(), QStringLiteral("1"));
        QVERIFY(find<QCheckBox>("ChkFls4")->isChecked());
        QVERIFY(find<QCheckBox>("ChkRun4")->isChecked());
        QCOMPARE(adjust->text(), QStringLiteral("3"));
        QCOMPARE(find<QScrollBar>("VScAdj4")->value(), 3);
        QCOMPARE(clock->currentText(), QStringLiteral("0"));
        QCOMPARE(days->text(), QStringLiteral("123"));
        QVERIFY(!find<QCheckBox>("ChkWEn")->isChecked());
        QVERIFY(!find("TxtSTime")->isEnabled());
        QCOMPARE(find<QLineEdit>("TxtETime")->text(), QStringLiteral("18:59"));
        QCOMPARE(find<QLabel>("LabFile")->text(), QStringLiteral("shop"));
        QCOMPARE(find<QProgressBar>("ProgressBar1")->value(), 0);
    }

    void choosingAPortShowsItsDevice()
    {
        auto* ports = find<QComboBox>("ComSele");
        ports->setFocus();
        QTest::keyClick(ports, Qt::Key_Up);
        QCOMPARE(project().globals().port.text(), QStringLiteral("COM1"));
        QCOMPARE(find<QLabel>("LabPortDevice")->text(), QStringLiteral("/dev/ttyUSB0"));
        ports->lineEdit()->selectAll();
        QTest::keyClicks(ports->lineEdit(), "COM9");
        QCOMPARE(find<QLabel>("LabPortDevice")->text(), QString());
        QVERIFY(!project().modified());
    }

    void clockDisplayTicksEverySecond()
    {
        // The start-up text until the first tick, then the clock's time at each tick: one tick is
        // waited for.
        auto* clock = find<QLineEdit>("TxtTime");
        QCOMPARE(clock->text(), QStringLiteral("12:00"));
        m_fixture->clock.time = QTime(23, 5, 59);
        QTRY_COMPARE_WITH_TIMEOUT(clock->text(), QStringLiteral("23:05"), 2000);
    }

    void portWithoutPermissionShowsWhyAndTheListLooksAgain()
    {
        m_fixture->ports.problems = {{"COM3", QStringLiteral("権限がないため開けません。")}};
        m_fixture->ports.devices.insert("COM5", "/dev/ttyUSB2");
        auto* ports = find<QComboBox>("ComSele");
        ports->showPopup(); // opening the list looks at the machine's ports again
        ports->hidePopup();
        QCOMPARE(ports->count(), 3);
        QCOMPARE(ports->itemText(2), QStringLiteral("COM5"));
        QCOMPARE(ports->itemData(1, Qt::ToolTipRole).toString(),
                 QStringLiteral("権限がないため開けません。"));
        ports->setFocus();
        ports->lineEdit()->selectAll();
        QTest::keyClicks(ports->lineEdit(), "COM3");
        QCOMPARE(find<QLabel>("LabPortDevice")->text(),
                 QStringLiteral("/dev/ttyUSB1：権限がないため開けません。"));
    }

    void overfullUploadAsksAndTheStatusTellsTheEnd()
    {
        for (int m = 0; m < 3; ++m)
            project().setMsgLen(m, 2047);
        project().setGauge({}, 1);
        find<QPushButton>("CmdSend")->click();
        QCOMPARE(m_fixture->dialogs.questions.size(), 1);
        QVERIFY(
            m_fixture->dialogs.questions.first().text.contains(QStringLiteral("短く切られる表示：表示 1\n")));
        QVERIFY(
            m_fixture->dialogs.questions.first().text.contains(QStringLiteral("送られない表示：表示 2\n")));
        QVERIFY(!m_fixture->fakeLine.isOpen());

        QSignalSpy finished(&m_fixture->controller, &Controller::transferFinished);
        find<QPushButton>("CmdSendClk")->click();
        QVERIFY(finished.wait());
        QCOMPARE(find<QLabel>("LabStatus")->text(), QStringLiteral("時計の設定完了（0.6 秒）"));
    }

    void emptyProjectIsNotSent()
    {
        find<QPushButton>("CmdSend")->click();
        QCOMPARE(m_fixture->dialogs.told.size(), 1);
        QCOMPARE(m_fixture->dialogs.told.first().text, QStringLiteral("テキストなし! 転送しない!"));
        QVERIFY(!m_fixture->fakeLine.isOpen());
    }

    void clockSetButtonStartsTheExchangeOnce()
    {
        auto* button = find<QPushButton>("CmdSendClk");
        button->click();
        QVERIFY(m_fixture->fakeLine.isOpen());
        QCOMPARE(m_fixture->fakeLine.portName, QStringLiteral("/dev/ttyUSB1"));
        button->click();
        find<QPushButton>("CmdSend")->click();
        QCOMPARE(m_fixture->dialogs.told.size(), 2);
        for (const FakeDialogs::Shown& shown : m_fixture->dialogs.told) {
            QCOMPARE(shown.title, QStringLiteral("少待"));
            QCOMPARE(shown.text, QStringLiteral("現在転送中。"));
        }
        QSignalSpy finished(&m_fixture->controller, &Controller::transferFinished);
        m_fixture->controller.abortTransfer();
        QVERIFY(finished.wait());
        QVERIFY(!m_fixture->fakeLine.isOpen());
    }

    void closingDuringATransferReleasesThePort()
    {
        QVERIFY(m_fixture->fakeLine.open());
        m_fixture->dialogs.yesNoAnswers = {true};
        QVERIFY(m_window->close());
        QVERIFY(!m_fixture->fakeLine.isOpen());
    }

    void adoptingWorksOnThePageShowing()
    {
        clickTab(2);
        find<QPushButton>("CmdUpText")->click();
        QVERIFY(project().msgLen()[2] > 0);
        QCOMPARE(project().msgLen()[0], 0);
        QVERIFY(project().totalLen() > 0);
        const QImage preview = find("Picture1_2")->grab().toImage();
        bool red = false;
        for (int x = 2; x < 200 && !red; ++x) {
            for (int y = 2; y < 34 && !red; ++y)
                red = (preview.pixel(x, y) & 0xFFFFFFu) == 0xFF0000u;
        }
        QVERIFY(red);
        const QImage gauge = find("Picture2")->grab().toImage();
        QCOMPARE(gauge.pixel(2, 2) & 0xFFFFFFu, UsageGauge::barColour(2) & 0xFFFFFFu);
    }

    void picturesGoInAndOutOfTheMessageShowing()
    {
        QTemporaryDir dir;
        QImage picture(100, 16, QImage::Format_RGB32);
        picture.fill(Qt::red);
        const QString in = dir.filePath("in.bmp");
        QVERIFY(picture.save(in));
        clickTab(6);
        m_fixture->dialogs.openPaths << in;
        find<QPushButton>("CmdLdPic")->click();
        QCOMPARE(m_fixture->dialogs.openFilters,
                 QStringList{"Picture(*.bmp;*.gif;*.jpg;*.ico;*.png)|*.bmp;*.gif;*.jpg;*.ico;*.png"});
        QCOMPARE(project().msgLen()[6], 13);
        QVERIFY(project().modified());

        const QString out = dir.filePath("out.bmp");
        m_fixture->dialogs.savePaths << out;
        find<QPushButton>("CmdSvPic")->click();
        QCOMPARE(m_fixture->dialogs.saveFilters, QStringList{"Picture(*.bmp)|*.bmp"});
        QCOMPARE(QImage(out).size(), QSize(16376, 32));
        QCOMPARE(QImage(out).pixel(99, 15) & 0xFFFFFFu, 0xFF0000u);
    }

    void previewShowsTheSignsLitPattern()
    {
        QTemporaryDir dir;
        QImage picture(300, 32, QImage::Format_RGB32);
        picture.fill(qRgb(0, 0, 255)); // blue: unlit
        picture.setPixel(10, 5, qRgb(0x80, 0, 0));
        picture.setPixel(11, 5, qRgb(0x7F, 0xFF, 0xFF));
        picture.setPixel(12, 5, qRgb(0xFF, 0xFF, 0xFF));
        picture.setPixel(10, 20, qRgb(0xFF, 0x80, 0));
        QVERIFY(picture.save(dir.filePath("colour.bmp")));
        clickTab(6);
        QVERIFY(m_fixture->controller.importPictureFrom(dir.filePath("colour.bmp")));

        const auto at = [this](int x, int y) {
            return find("Picture1_6")->grab().toImage().pixel(x + 2, y + 2) & 0xFFFFFFu;
        };
        const QRgb frame = at(128, 5); // the 16-byte width ends after pixel 127
        QVERIFY(frame != 0x000000u && frame != 0xFF0000u);
        QCOMPARE(at(10, 5), 0xFF0000u);
        QCOMPARE(at(11, 5), 0x000000u);
        QCOMPARE(at(12, 5), 0xFF0000u);
        QCOMPARE(at(127, 5), 0x000000u);
        QCOMPARE(at(60, 16), frame); // under the sixteen rows
        const QRgb veiledDark = at(30, 20);
        const QRgb veiledLit = at(10, 20);
        QVERIFY(veiledDark != 0x000000u && qRed(veiledDark) == qBlue(veiledDark));
        QVERIFY(qRed(veiledLit) > qGreen(veiledLit) && veiledLit != 0xFF0000u);

        m_fixture->controller.chooseEntry(GlobalList::ScreenHeight, 1);
        m_fixture->controller.chooseEntry(GlobalList::ScreenWidth, 15); // 64 bytes
        QCOMPARE(at(60, 16), 0x000000u);
        QCOMPARE(at(512, 5), frame);
        QVERIFY(m_fixture->controller.exportPictureTo(dir.filePath("out.bmp")));
        QCOMPARE(QImage(dir.filePath("out.bmp")).pixel(30, 5) & 0xFFFFFFu, 0x0000FFu);
    }

    void previewButtonOpensTheSignViewBesideTheWindow()
    {
        auto* play = find<QPushButton>("CmdPlay");
        // In the free corner: clear of the file name box and the tabs, inside the window.
        QVERIFY(m_window->rect().contains(play->geometry()));
        QVERIFY(!play->geometry().intersects(find("Picture3")->geometry()));
        QVERIFY(!play->geometry().intersects(find("TabStrip1")->geometry()));
        play->click();
        QWidget* view = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == QStringLiteral("SignView"))
                view = window;
        }
        QVERIFY(view);
        QVERIFY(view->isVisible());
        QVERIFY(view->isWindow());
        // Not a child window, which the desktop would keep in front of the main one.
        QVERIFY(!view->parentWidget());
        QVERIFY(!view->windowFlags().testAnyFlags(Qt::WindowStaysOnTopHint));
        QCOMPARE(view->windowType(), Qt::Window);
        QCOMPARE(view->windowTitle(), QStringLiteral("表示プレビュー"));
        QCOMPARE(m_window->size(), QSize(993, 681));
        view->close();
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QTest::keyClick(m_window.get(), Qt::Key_F5);
        QTRY_VERIFY(view->isVisible());
        // Closing the main window ends the program, so the sign view goes with it.
        m_window->close();
        QVERIFY(!view->isVisible());
    }

    void exitButtonAsksTheWindowToClose()
    {
        project().setModified(true);
        m_fixture->dialogs.yesNoCancelAnswers = {Dialogs::Answer::No};
        find<QPushButton>("CmdExit")->click();
        QCOMPARE(m_fixture->dialogs.questions.size(), 1);
        QVERIFY(!m_window->isVisible());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
