// SPDX-License-Identifier: GPL-3.0-or-later
#include "texts/language.h"

#include "texts/languagetexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>

namespace {

const QString kOptionName = QStringLiteral("language");
const QString kSettingsKey = QStringLiteral("language");
const QString kJapanese = QStringLiteral("ja");
const QString kEnglish = QStringLiteral("en");

} // namespace

Language::Request Language::takeOption(QStringList& arguments)
{
    Request request;
    const QString longName = QStringLiteral("--") + kOptionName;
    for (qsizetype i = 1; i < arguments.size();) {
        const QString& argument = arguments.at(i);
        QString value;
        qsizetype taken = 1;
        if (argument == longName) {
            value = arguments.value(i + 1);
            taken = i + 1 < arguments.size() ? 2 : 1;
        } else if (argument.startsWith(longName + u'=')) {
            value = argument.mid(longName.size() + 1);
        } else {
            ++i;
            continue;
        }
        arguments.remove(i, taken);
        request.id = fromCode(value);
        if (!request.id && !request.refused)
            request.refused = value;
    }
    if (request.refused)
        request.id.reset();
    return request;
}

QCommandLineOption Language::option()
{
    return QCommandLineOption(kOptionName, LanguageTexts::option(), QStringLiteral("ja|en"));
}

Language::Id Language::fromUiLanguages(const QStringList& uiLanguages)
{
    if (uiLanguages.isEmpty())
        return Id::Japanese;
    return QLocale(uiLanguages.first()).language() == QLocale::English ? Id::English : Id::Japanese;
}

Language::Id Language::choose(std::optional<Id> asked, std::optional<Id> remembered)
{
    return asked.value_or(remembered.value_or(fromUiLanguages(QLocale::system().uiLanguages())));
}

std::optional<Language::Id> Language::fromCode(const QString& code)
{
    if (code == kJapanese)
        return Id::Japanese;
    if (code == kEnglish)
        return Id::English;
    return std::nullopt;
}

QString Language::code(Id id)
{
    return id == Id::English ? kEnglish : kJapanese;
}

QString Language::nativeName(Id id)
{
    return id == Id::English ? QStringLiteral("English") : QStringLiteral("日本語");
}

std::optional<Language::Id> Language::remembered(const QSettings& store)
{
    return fromCode(store.value(kSettingsKey).toString());
}

void Language::remember(QSettings& store, Id id)
{
    store.setValue(kSettingsKey, code(id));
}

void Language::apply(Id id)
{
    s_inUse = id;
    QCoreApplication::removeTranslator(&m_texts);
    QCoreApplication::removeTranslator(&m_qt);
    // Japanese is the language the texts are written in; only the others need a translation.
    if (id != Id::Japanese && m_texts.load(QStringLiteral(":/i18n/p10sign_%1.qm").arg(code(id))))
        QCoreApplication::installTranslator(&m_texts);
    if (m_qt.load(QStringLiteral("qtbase_") + code(id), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
}
