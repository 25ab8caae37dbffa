// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineOption>
#include <QString>
#include <span>

// One option of a command line as a row of a program's table.
struct OptionInfo {
    const char* name;
    const char* valueName;   // nullptr for a switch
    const char* description; // also says which values the option takes
};

// A command-line program's options, kept as a table of rows whose descriptions are translated in
// the table's own context. A refused value is explained by its option's own description.
class OptionTable {
public:
    constexpr OptionTable(const char* context, std::span<const OptionInfo> options)
        : m_context(context)
        , m_options(options)
    {
    }

    [[nodiscard]] std::span<const OptionInfo> options() const { return m_options; }
    [[nodiscard]] const OptionInfo* find(const QString& name) const;
    // A text of the table's context in the language in use.
    [[nodiscard]] QString translated(const char* text) const;
    [[nodiscard]] QCommandLineOption commandLineOption(const OptionInfo& option) const;
    // "--NAME cannot take VALUE", with the option's description.
    [[nodiscard]] QString badValue(const OptionInfo& option, const QString& value) const;

private:
    const char* m_context;
    std::span<const OptionInfo> m_options;
};
