// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "texts/language.h"

#include <QTranslator>
#include <optional>

// The language of one request's answer, put over the program's own for as long as it is needed.
// Both translations stay loaded, so that switching for each request costs no file read; the
// program's choice beneath is left alone and comes back with use(std::nullopt).
class RequestLanguage {
public:
    RequestLanguage();
    ~RequestLanguage();
    RequestLanguage(const RequestLanguage&) = delete;
    RequestLanguage& operator=(const RequestLanguage&) = delete;

    void use(std::optional<Language::Id> id);
    [[nodiscard]] Language::Id inUse() const { return m_inUse.value_or(Language::inUse()); }

private:
    // The Japanese texts as written: answers every text with its source, so that no translation
    // installed beneath is reached.
    class SourceTexts : public QTranslator {
    public:
        [[nodiscard]] QString translate(const char* context, const char* sourceText,
                                        const char* disambiguation, int n) const override;
        [[nodiscard]] bool isEmpty() const override { return false; }
    };

    QTranslator m_english;
    SourceTexts m_japanese;
    std::optional<Language::Id> m_inUse;
};
