// SPDX-License-Identifier: GPL-3.0-or-later
#include "texts/language.h"
#include "texts/messagetexts.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

Q_DECLARE_METATYPE(Language::Id)

class TestLanguage : public QObject {
    Q_OBJECT

private slots:
    void followsTheFirstInterfaceLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<Language::Id>("expected");
        QTest::newRow("en_US") << "en_US" << Language::Id::English;
        QTest::newRow("en_GB") << "en_GB" << Language::Id::English;
        QTest::newRow("ja_JP") << "ja_JP" << Language::Id::Japanese;
        QTest::newRow("C") << "C" << Language::Id::Japanese;
        QTest::newRow("de_DE") << "de_DE" << Language::Id::Japanese;
    }
    void followsTheFirstInterfaceLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(Language::Id, expected);
        QCOMPARE(Language::fromUiLanguages(QLocale(locale).uiLanguages()), expected);
    }

    void onlyTheFirstInterfaceLanguageCounts()
    {
        QCOMPARE(Language::fromUiLanguages({"de-DE", "en-US"}), Language::Id::Japanese);
        QCOMPARE(Language::fromUiLanguages({"en-AU", "ja-JP"}), Language::Id::English);
        QCOMPARE(Language::fromUiLanguages({}), Language::Id::Japanese);
    }

    void theCommandLineComesFirstThenTheWindowsChoice()
    {
        QCOMPARE(Language::choose(Language::Id::English, Language::Id::Japanese), Language::Id::English);
        QCOMPARE(Language::choose(std::nullopt, Language::Id::English), Language::Id::English);
        QTemporaryDir dir;
        QSettings store(dir.filePath("p10sign.conf"), QSettings::IniFormat);
        QCOMPARE(Language::remembered(store), std::nullopt);
        Language::remember(store, Language::Id::English);
        QCOMPARE(Language::remembered(store), Language::Id::English);
    }

    // The option is taken out wherever it stands; the rest of the command line stays in order.
    void optionIsTakenOut_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("rest");
        QTest::addColumn<QString>("language"); // "", "ja", "en" or "refused:VALUE"
        QTest::newRow("none") << "p info a.ini"
                              << "p info a.ini"
                              << "";
        QTest::newRow("before the verb") << "p --language en --help"
                                         << "p --help"
                                         << "en";
        QTest::newRow("with =") << "p info --language=ja a.ini"
                                << "p info a.ini"
                                << "ja";
        QTest::newRow("the last one counts") << "p --language ja --language en"
                                             << "p"
                                             << "en";
        QTest::newRow("unknown") << "p --language fr info"
                                 << "p info"
                                 << "refused:fr";
        QTest::newRow("upper case") << "p --language EN"
                                    << "p"
                                    << "refused:EN";
        QTest::newRow("no value") << "p info --language"
                                  << "p info"
                                  << "refused:";
        QTest::newRow("a refusal stands") << "p --language xx --language en"
                                          << "p"
                                          << "refused:xx";
    }
    void optionIsTakenOut()
    {
        QFETCH(QString, line);
        QFETCH(QString, rest);
        QFETCH(QString, language);
        QStringList arguments = line.split(u' ');
        const Language::Request request = Language::takeOption(arguments);
        QCOMPARE(arguments.join(u' '), rest);
        if (language.startsWith("refused:")) {
            QCOMPARE(request.refused, language.mid(8));
            QCOMPARE(request.id, std::nullopt);
        } else {
            QCOMPARE(request.refused, std::nullopt);
            QCOMPARE(request.id, language.isEmpty() ? std::nullopt : Language::fromCode(language));
        }
    }

    // The program's own texts and Qt's come in the language applied, and go back to Japanese.
    void translationsAreInPlace()
    {
        Language language;
        language.apply(Language::Id::English);
        QCOMPARE(Language::inUse(), Language::Id::English);
        QCOMPARE(MessageTexts::warningTitle(), "Warning");
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Yes");
        language.apply(Language::Id::Japanese);
        QCOMPARE(MessageTexts::warningTitle(), "警告");
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), "はい(&Y)");
    }

    // Every text of the sources has its English, and nothing is left over from texts gone.
    void translationIsFinished()
    {
        QFile ts(QStringLiteral(P10_TRANSLATIONS "/p10sign_en.ts"));
        QVERIFY(ts.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&ts);
        int messages = 0;
        QStringList unfinished;
        QString source;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"message")
                ++messages;
            else if (xml.name() == u"source")
                source = xml.readElementText();
            else if (xml.name() == u"translation") {
                const QString type = xml.attributes().value("type").toString();
                if (!type.isEmpty() || xml.readElementText().isEmpty())
                    unfinished << source;
            }
        }
        QVERIFY2(!xml.hasError(), qUtf8Printable(xml.errorString()));
        QVERIFY(messages > 200);
        QVERIFY2(unfinished.isEmpty(), qUtf8Printable(unfinished.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
