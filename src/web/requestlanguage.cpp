// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/requestlanguage.h"

#include <QCoreApplication>

RequestLanguage::RequestLanguage()
{
    static_cast<void>(
        m_english.load(QStringLiteral(":/i18n/p10sign_%1.qm").arg(Language::code(Language::Id::English))));
}

RequestLanguage::~RequestLanguage()
{
    use(std::nullopt);
}

void RequestLanguage::use(std::optional<Language::Id> id)
{
    if (id == m_inUse)
        return;
    if (m_inUse)
        QCoreApplication::removeTranslator(*m_inUse == Language::Id::English ? &m_english : &m_japanese);
    m_inUse = id;
    if (id)
        QCoreApplication::installTranslator(*id == Language::Id::English ? &m_english : &m_japanese);
}

QString RequestLanguage::SourceTexts::translate(const char*, const char* sourceText, const char*, int) const
{
    return QString::fromUtf8(sourceText);
}
