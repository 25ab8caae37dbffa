// SPDX-License-Identifier: GPL-3.0-or-later
#include "card/signframe.h"
#include "imaging/picturelighting.h"
#include "support/controllerfixture.h"
#include "texts/filetexts.h"
#include "texts/language.h"
#include "texts/picturetexts.h"
#include "ui/helpwindow.h"
#include "ui/ledview.h"
#include "ui/lightingdialog.h"
#include "ui/listcombo.h"
#include "ui/mainwindow.h"
#include "ui/tabstrip.h"
#include "ui/widgetdialogs.h"
#include "ui/windowfonts.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <optional>

namespace {

const QRegularExpression kJapanese(QStringLiteral("[\\x{3040}-\\x{30ff}\\x{4e00}-\\x{9fff}]"));

// Black letters on white, as a shop's logo is drawn.
QImage logo()
{
    QImage picture(64, 16, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter(&picture).fillRect(8, 4, 16, 8, Qt::black);
    return picture;
}

int litCount(const SignFrame& frame)
{
    int lit = 0;
    for (int y = 0; y < frame.height; ++y) {
        for (int x = 0; x < frame.widthPixels(); ++x)
            lit += frame.lit(x, y) ? 1 : 0;
    }
    return lit;
}

} // namespace

class TestWindowHelp : public QObject {
    Q_OBJECT

private:
    Language m_language;

    void useLanguage(const QString& code)
    {
        m_language.apply(code == QStringLiteral("en") ? Language::Id::English : Language::Id::Japanese);
    }

private slots:
    void cleanup() { m_language.apply(Language::Id::Japanese); }

    void everyControlSaysWhatItDoes_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("brightest");
        QTest::addColumn<QString>("clockRow");
        QTest::newRow("ja") << "ja"
                            << "4 (最も明るい)"
                            << "時計";
        QTest::newRow("en") << "en"
                            << "4 (brightest)"
                            << "clock";
    }
    void everyControlSaysWhatItDoes()
    {
        QFETCH(QString, language);
        QFETCH(QString, brightest);
        QFETCH(QString, clockRow);
        useLanguage(language);
        ControllerFixture fixture;
        fixture.controller.startUp();
        MainWindow window(fixture.controller, fixture.settings);
        window.findChild<TabStrip*>(QStringLiteral("TabStrip1"))->setCurrentIndex(1);

        QList<QWidget*> controls;
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            const bool control = qobject_cast<QAbstractButton*>(widget) || qobject_cast<QComboBox*>(widget) ||
                                 qobject_cast<QLineEdit*>(widget) || qobject_cast<QPlainTextEdit*>(widget) ||
                                 qobject_cast<QAbstractSlider*>(widget) ||
                                 qobject_cast<QProgressBar*>(widget) || qobject_cast<TabStrip*>(widget);
            // Unnamed ones are parts of a named control, whose tip they show; the alternation box
            // is never shown.
            if (control && !widget->objectName().isEmpty() && !widget->objectName().startsWith("ChkAlt"))
                controls << widget;
        }
        QVERIFY(controls.size() > 40);
        for (const QWidget* control : std::as_const(controls)) {
            const QString tip = control->toolTip();
            QVERIFY2(!tip.isEmpty(), qPrintable(control->objectName()));
            if (language == QStringLiteral("en"))
                QVERIFY2(!tip.contains(kJapanese), qPrintable(tip));
        }
        const auto tip = [&](const char* name) { return window.findChild<QWidget*>(name)->toolTip(); };
        QVERIFY(tip("ComBright").contains(brightest));
        QVERIFY(tip("Label9").contains(clockRow, Qt::CaseInsensitive));
        QVERIFY(!tip("Label13").contains(clockRow, Qt::CaseInsensitive));
        // The two rows' captions are one text in Japanese and two in English.
        const auto caption = [&](const char* name) { return window.findChild<QLabel*>(name)->text(); };
        QCOMPARE(caption("Label9") == caption("Label13"), language == QStringLiteral("ja"));
    }

    void f1OpensTheHelpInTheProgramsLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("virtualCard");
        QTest::newRow("ja") << "ja"
                            << "仮想カード";
        QTest::newRow("en") << "en"
                            << "virtual card";
    }
    void f1OpensTheHelpInTheProgramsLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, virtualCard);
        useLanguage(language);
        ControllerFixture fixture;
        MainWindow window(fixture.controller, fixture.settings);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* text = window.findChild<QPlainTextEdit*>(QStringLiteral("TxtBox0"));
        text->setFocus();
        const QString typed = text->toPlainText();
        QTest::keyClick(text, Qt::Key_F1);
        auto* help = window.findChild<HelpWindow*>();
        QVERIFY(help);
        QTRY_VERIFY(help->isVisible());
        QCOMPARE(text->toPlainText(), typed);
        const QString guide = help->findChild<QTextBrowser*>()->toPlainText();
        for (const QString& topic : {virtualCard, QStringLiteral("p10signcard --pty")})
            QVERIFY2(guide.contains(topic, Qt::CaseInsensitive), qPrintable(topic));
        if (language == QStringLiteral("en"))
            QVERIFY(!guide.contains(kJapanese));

        const QString about = HelpWindow::aboutText();
        for (const QString& fact : {QStringLiteral(P10_VERSION), QStringLiteral("GPL-3.0-or-later"),
                                    QString::fromLatin1(qVersion())})
            QVERIFY2(about.contains(fact), qPrintable(fact));
    }

    void importShowsThePictureAsTheSignLightsIt()
    {
        LightingDialog dialog(logo());
        const auto lit = [&] { return litCount(dialog.view().frame()); };
        // As it is, the white background lights and the letters stay dark.
        QCOMPARE(dialog.choice(), PictureLighting::Choice{});
        QCOMPARE(lit(), 64 * 16 - 16 * 8);
        QVERIFY(!dialog.findChild<QSpinBox*>(QStringLiteral("SpnThreshold"))->isEnabled());

        dialog.findChild<QRadioButton*>(QStringLiteral("OptBrightness"))->click();
        dialog.findChild<QCheckBox*>(QStringLiteral("ChkInvert"))->click();
        QCOMPARE(lit(), 16 * 8);
        QVERIFY(dialog.view().frame().lit(8, 4));
        QVERIFY(!dialog.view().frame().lit(0, 0));

        dialog.findChild<QRadioButton*>(QStringLiteral("OptDithered"))->click();
        dialog.findChild<QSlider*>(QStringLiteral("SldThreshold"))->setValue(40);
        QCOMPARE(dialog.choice(), (PictureLighting::Choice{PictureLighting::Method::Dithered, 40, true}));
    }

    void theRiskyAnswerIsNeverTheDefault()
    {
        // Enter on the over-capacity or close-while-sending question answers No.
        QWidget parent;
        WidgetDialogs dialogs(&parent);
        // The box and its buttons are gone once it is answered: its default's caption is kept.
        std::optional<QString> defaultCaption;
        QTimer::singleShot(0, &parent, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            if (box->defaultButton())
                defaultCaption = box->defaultButton()->text();
            QTest::keyClick(box, Qt::Key_Return);
        });
        QVERIFY(!dialogs.askYesNo(QStringLiteral("警告"), QStringLiteral("転送しますか？")));
        QVERIFY(defaultCaption);
        QCOMPARE(*defaultCaption, QDialogButtonBox(QDialogButtonBox::No).buttons().first()->text());
    }

    void fileFiltersReadRight_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("filters");
        QTest::newRow("ja") << "ja"
                            << QStringList{"設定ファイル (*.ini)",
                                           "画像ファイル (*.bmp *.gif *.jpg *.ico *.png)",
                                           "BMP 画像 (*.bmp)"};
        QTest::newRow("en") << "en"
                            << QStringList{"Settings files (*.ini)",
                                           "Pictures (*.bmp *.gif *.jpg *.ico *.png)",
                                           "BMP pictures (*.bmp)"};
    }
    void fileFiltersReadRight()
    {
        QFETCH(QString, language);
        useLanguage(language);
        QTEST((QStringList{WidgetDialogs::qtFilter(FileTexts::projectFilter()),
                           WidgetDialogs::qtFilter(PictureTexts::importFilter()),
                           WidgetDialogs::qtFilter(PictureTexts::exportFilter())}),
              "filters");
    }

    void everyListIsWideEnoughForItsLongestEntry()
    {
        useLanguage(QStringLiteral("en"));
        ControllerFixture fixture;
        fixture.controller.startUp();
        MainWindow window(fixture.controller, fixture.settings);
        const QList<ListCombo*> lists = window.findChildren<ListCombo*>();
        QVERIFY(lists.size() > 10);
        window.show();
        for (ListCombo* list : lists) {
            list->showPopup();
            list->hidePopup();
            int widest = 0;
            for (int i = 0; i < list->count(); ++i)
                widest = std::max(widest, list->view()->fontMetrics().horizontalAdvance(list->itemText(i)));
            QVERIFY2(list->view()->minimumWidth() >= widest, qPrintable(list->objectName()));
        }
    }

    // The captions are drawn from the Gothic face alone, so every letter of them must be in it;
    // the list of installed fonts may name faces of any script and falls back to others.
    void theWindowsOwnTextsAreInTheCaptionsFace_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("ja") << "ja";
        QTest::newRow("en") << "en";
    }
    void theWindowsOwnTextsAreInTheCaptionsFace()
    {
        QFETCH(QString, language);
        useLanguage(language);
        ControllerFixture fixture;
        fixture.controller.startUp();
        MainWindow window(fixture.controller, fixture.settings);
        auto* tabs = window.findChild<TabStrip*>(QStringLiteral("TabStrip1"));
        QStringList texts;
        for (int m = 0; m < tabs->count(); ++m) {
            texts << tabs->tabText(m);
            tabs->setCurrentIndex(m);
        }
        int alone = 0;
        for (const QWidget* widget : window.findChildren<QWidget*>()) {
            const QFont font = widget->font();
            if (!(font.styleStrategy() & QFont::NoFontMerging))
                continue;
            ++alone;
            if (const auto* label = qobject_cast<const QLabel*>(widget))
                texts << label->text();
            else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
                texts << button->text();
            else if (const auto* box = qobject_cast<const QGroupBox*>(widget))
                texts << box->title();
        }
        QVERIFY(alone > 100);
        const QFontMetrics caption(WindowFonts::caption());
        for (const QString& text : std::as_const(texts)) {
            for (const char32_t letter : text.toUcs4())
                QVERIFY2(caption.inFontUcs4(letter), qPrintable(text));
        }
        QVERIFY(!(window.findChild<QWidget*>(QStringLiteral("FntName0"))->font().styleStrategy() &
                  QFont::NoFontMerging));
    }
};

QTEST_MAIN(TestWindowHelp)
#include "tst_windowhelp.moc"
