// SPDX-License-Identifier: GPL-3.0-or-later
#include "ctl/settingchanges.h"

#include "controller/controller.h"
#include "ctl/ctltexts.h"
#include "schedule/alternation.h"

namespace SettingChanges {

void applyToMessage(Controller& controller, int m, const MessageChanges& changes)
{
    if (changes.mode)
        controller.chooseEntry(m, MessageList::Mode, *changes.mode);
    if (changes.speed)
        controller.chooseEntry(m, MessageList::Speed, *changes.speed);
    if (changes.flash)
        controller.setFlash(m, *changes.flash);
    if (changes.frame)
        controller.setLoopLamp(m, *changes.frame);
    if (changes.font)
        controller.setFontName(m, *changes.font);
    if (changes.size)
        controller.typeText(m, MessageList::FontSize, *changes.size);
    if (changes.bold)
        controller.setBold(m, *changes.bold);
    if (changes.adjust) {
        controller.setAdjustBar(m, *changes.adjust);
        controller.setTopAdjText(m, QString::number(*changes.adjust));
    }
}

std::optional<QString> applyToSign(Controller& controller, const GlobalChanges& changes)
{
    for (const auto& [list, index] : changes.entries)
        controller.chooseEntry(list, index);
    if (changes.countdownDays)
        controller.setCountdownDays(*changes.countdownDays);
    if (const auto& workTime = changes.workTime) {
        // "off" keeps the window the project has; only the switch changes.
        if (workTime->enabled) {
            controller.setStartMinutes(workTime->start);
            controller.setEndMinutes(workTime->end);
        }
        controller.setWorkTimeEnabled(workTime->enabled);
    }
    if (const auto& group = changes.alternation) {
        controller.setAltRun(group->begin, group->count);
        // The chain rule undoes a group that cannot be: one starting at the last message.
        if (Alternation::findAltGroup(controller.project().altBoxes()) != *group)
            return CtlTexts::alternationRefused(group->begin);
    }
    return std::nullopt;
}

} // namespace SettingChanges
