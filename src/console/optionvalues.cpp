// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/optionvalues.h"

#include "model/limits.h"
#include "model/listitems.h"

#include <QTime>
#include <array>

namespace OptionValues {

namespace {

// The English names of the show modes, in the order of the window's list.
constexpr std::array kModeNames{"left", "right", "up", "down", "fixed", "stack", "split", "animation"};

const QString kOff = QStringLiteral("off");

bool isWord(const QString& text, const QString& word)
{
    return text.compare(word, Qt::CaseInsensitive) == 0;
}

// Two parts joined by one "-".
std::optional<std::pair<QString, QString>> range(const QString& text)
{
    const QStringList parts = text.split(u'-');
    if (parts.size() != 2)
        return std::nullopt;
    return std::pair{parts[0], parts[1]};
}

std::optional<int> minuteOfDay(const QString& text)
{
    const QTime time = QTime::fromString(text, QStringLiteral("H:mm"));
    if (!time.isValid())
        return std::nullopt;
    return time.hour() * 60 + time.minute();
}

} // namespace

std::optional<int> wholeNumber(const QString& text, int min, int max)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    return ok && number >= min && number <= max ? std::optional<int>(number) : std::nullopt;
}

std::optional<int> entryIndex(const QStringList& items, const QString& text)
{
    const qsizetype index = items.indexOf(text);
    return index < 0 ? std::nullopt : std::optional<int>(int(index));
}

std::optional<int> showMode(const QString& text, int message)
{
    const QStringList& modes = ListItems::showModes(message);
    if (const auto number = wholeNumber(text, 0, int(modes.size()) - 1))
        return number;
    if (const auto entry = entryIndex(modes, text))
        return entry;
    // The list's names as this run shows them, so the names its help gives are taken too.
    for (int index = 0; index < modes.size(); ++index) {
        if (isWord(text, QLatin1String(kModeNames.at(std::size_t(index)))) ||
            text == ListItems::shownText(modes.at(index)))
            return index;
    }
    return std::nullopt;
}

std::optional<int> messageChoice(const QString& text)
{
    if (isWord(text, ListItems::kNone))
        return 0;
    // Entry 0 is "None"; message k is entry k + 1.
    if (const auto message = wholeNumber(text, 0, kMessageCount - 1))
        return *message + 1;
    return std::nullopt;
}

std::optional<WorkTimeChange> workTime(const QString& text)
{
    if (isWord(text, kOff))
        return WorkTimeChange{};
    const auto parts = range(text);
    if (!parts)
        return std::nullopt;
    const auto start = minuteOfDay(parts->first);
    const auto end = minuteOfDay(parts->second);
    if (!start || !end)
        return std::nullopt;
    return WorkTimeChange{true, *start, *end};
}

std::optional<AltGroup> alternation(const QString& text)
{
    if (isWord(text, kOff))
        return AltGroup{};
    const auto parts = range(text);
    if (!parts)
        return std::nullopt;
    const auto first = wholeNumber(parts->first, 0, kMessageCount - 1);
    const auto last = wholeNumber(parts->second, 0, kMessageCount - 1);
    if (!first || !last || *last < *first)
        return std::nullopt;
    return AltGroup{std::uint8_t(*first), std::uint8_t(*last - *first + 1)};
}

} // namespace OptionValues
