// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineOption>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <optional>

class QSettings;

// The language the programs speak: Japanese, in which their texts are written, or English. The
// command line's --language comes first, then a choice the window remembers, then the desktop's
// interface language. Puts the programs' translation and Qt's own (buttons, file dialogs) in place.
class Language {
public:
    enum class Id { Japanese, English };

    // What --language asked for, taken out of the arguments so that the rest reads as before.
    struct Request {
        std::optional<Id> id;
        std::optional<QString> refused; // a value that names no language ("" when it was missing)
    };

    [[nodiscard]] static Request takeOption(QStringList& arguments);
    // The option as help lists it; parsers never see it, takeOption has taken it already.
    [[nodiscard]] static QCommandLineOption option();

    // English when the first interface language is English; Japanese for every other, C included.
    [[nodiscard]] static Id fromUiLanguages(const QStringList& uiLanguages);
    [[nodiscard]] static Id choose(std::optional<Id> asked, std::optional<Id> remembered = {});
    [[nodiscard]] static std::optional<Id> fromCode(const QString& code);
    [[nodiscard]] static QString code(Id id);
    // The language's own name for itself, the same in every language.
    [[nodiscard]] static QString nativeName(Id id);

    [[nodiscard]] static std::optional<Id> remembered(const QSettings& store);
    static void remember(QSettings& store, Id id);

    // The translations of `id` for the running application; a second call replaces them.
    void apply(Id id);
    // The language the running application speaks: the last one applied, else Japanese.
    [[nodiscard]] static Id inUse() { return s_inUse; }

private:
    QTranslator m_texts;
    QTranslator m_qt;
    static inline Id s_inUse = Id::Japanese;
};
