// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/cardreader.h"
#include "link/ptypair.h"
#include "link/serialportline.h"
#include "support/controllerfixture.h"
#include "ui/mainwindow.h"
#include "ui/tabstrip.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

constexpr qsizetype kHelloSize = 7;
constexpr qsizetype kHeaderSize = 95;
constexpr int kRows16 = 16;
constexpr int kTimeoutMs = 20000;

// The header of an upload in which message 2 alone holds data, every other setting as at start-up:
// written out byte by byte here so that the test does not lean on the program's frame builder.
QByteArray expectedHeader(int length)
{
    QByteArray header(kHeaderSize, '\0');
    header[5] = char(length >> 8);
    header[6] = char(length & 0xFF);
    const char clock[] = {0x11, 0x04, 0x09, 0x11, 0x05, char(0xFF), char(0xFF), char(0xFF)};
    for (int i = 0; i < 8; ++i)
        header[7 + i] = clock[i];
    for (int m = 0; m < kMessageCount; ++m) {
        header[15 + m] = 0x30; // speed 4, no flash, no frame, move left
        const int offset = m <= 2 ? 0 : length;
        const int size = m == 2 ? length : 0;
        header[31 + 4 * m] = char(offset >> 8);
        header[32 + 4 * m] = char(offset & 0xFF);
        header[33 + 4 * m] = char(size >> 8);
        header[34 + 4 * m] = char(size & 0xFF);
    }
    return header;
}

} // namespace

// The road of a typical job, driven through the window's controls: a text typed on tab 3, adopted
// in a chosen font and size, and sent to a card on a pseudo-terminal, while the window stays live.
class TestWindowRoad : public QObject {
    Q_OBJECT

private:
    template <typename T = QWidget> T* find(MainWindow& window, const QString& name)
    {
        auto* widget = window.findChild<T*>(name);
        if (!widget)
            qWarning() << "no control" << name;
        return widget;
    }

private slots:
    void typeAdoptAndSend()
    {
        SKIP_WITHOUT_SOCAT();
        PtyPair pty;
        QVERIFY2(pty.start(), "socat did not make the pseudo-terminals");
        SerialPortLine line;
        ControllerFixture fixture(line);
        fixture.ports.devices = {{"COM1", pty.hostPath()}};
        fixture.clock.time = QTime(10, 14, 0);
        Controller& controller = fixture.controller;
        FakeDialogs& dialogs = fixture.dialogs;
        MainWindow window(controller, fixture.settings);
        controller.startUp();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        CardReader card;
        QVERIFY(card.open(pty.cardPath()));

        auto* tabs = find<TabStrip>(window, "TabStrip1");
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(3 - 1).center());
        QCOMPARE(controller.project().curMsg(), 2);
        auto* text = find<QPlainTextEdit>(window, "TxtBox2");
        text->setFocus();
        text->selectAll();
        QTest::keyClicks(text, "SALE 50%");
        auto* font = find<QComboBox>(window, "FntName2");
        font->setFocus();
        font->lineEdit()->selectAll();
        QTest::keyClicks(font->lineEdit(), "IPAGothic");
        auto* size = find<QComboBox>(window, "FntSize2");
        size->setFocus();
        QTest::keyClick(size, Qt::Key_Down);
        QCOMPARE(size->currentText(), QStringLiteral("13"));
        find<QPushButton>(window, "CmdUpText")->click();

        // The same job done headless gives the display data the window must have made.
        ControllerFixture headless;
        Controller& reference = headless.controller;
        reference.selectTab(2);
        reference.setMessageText(2, QStringLiteral("SALE 50%"));
        reference.setFontName(2, QStringLiteral("IPAGothic"));
        reference.chooseEntry(2, MessageList::FontSize, 7);
        reference.adoptText();
        const Project& project = controller.project();
        const int length = project.msgLen()[2];
        QVERIFY(length > 0);
        QCOMPARE(length, reference.project().msgLen()[2]);
        QVERIFY(project.dispData() == reference.project().dispData());
        QVERIFY(project.totalLen() > 0);

        QSignalSpy finished(&controller, &Controller::transferFinished);
        auto* send = find<QPushButton>(window, "CmdSend");
        send->click();
        QVERIFY(controller.transferInProgress());

        // The window keeps working while the card is fed.
        fixture.clock.time = QTime(10, 15, 0);
        QTRY_COMPARE_WITH_TIMEOUT(find<QLineEdit>(window, "TxtTime")->text(), QStringLiteral("10:15"), 2500);
        QVERIFY(controller.transferInProgress());
        send->click();
        QCOMPARE(dialogs.told.size(), 1);
        QCOMPARE(dialogs.told.first().title, QStringLiteral("少待"));
        QCOMPARE(dialogs.told.first().text, QStringLiteral("現在転送中。"));

        QVERIFY(finished.wait(kTimeoutMs));
        QVERIFY(finished.first().first().toBool());
        QVERIFY(!line.isOpen());
        const qsizetype total = kHelloSize + kHeaderSize + qsizetype(kRows16) * length;
        QTRY_COMPARE_WITH_TIMEOUT(card.received().size(), total, kTimeoutMs);
        const QByteArray& stream = card.received();
        QCOMPARE(stream.left(kHelloSize), QByteArray("Hello32"));
        QCOMPARE(stream.mid(kHelloSize, kHeaderSize).toHex(), expectedHeader(length).toHex());
        for (int row = 0; row < kRows16; ++row) {
            const auto bytes = project.dispData().row(2, row).first(length);
            const QByteArray sent = stream.mid(kHelloSize + kHeaderSize + qsizetype(row) * length, length);
            QCOMPARE(sent, QByteArray(reinterpret_cast<const char*>(bytes.data()), length));
        }
        QCOMPARE(dialogs.told.size(), 1);
    }
};

QTEST_MAIN(TestWindowRoad)
#include "tst_windowroad.moc"
