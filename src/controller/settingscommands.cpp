// SPDX-License-Identifier: GPL-3.0-or-later
#include "controller/settingscommands.h"

#include "controller/controller.h"
#include "dialogs/dialogs.h"
#include "files/grouplock.h"
#include "model/textnumbers.h"
#include "settings/datarepaint.h"
#include "settings/settingsformat.h"
#include "texts/filetexts.h"
#include "texts/messagetexts.h"
#include "texts/settingstexts.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>

using SettingsFormat::kLoadProgressMax;
using SettingsFormat::kSaveProgressMax;

namespace {

// One file reached by two paths (a link, "..") is still one project.
bool sameFilePath(const QString& a, const QString& b)
{
    const auto canonical = [](const QString& path) {
        const QFileInfo info(path);
        return info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    };
    return canonical(a) == canonical(b);
}

int adjustBarFor(const QString& adjust)
{
    return static_cast<int>(
        std::clamp<std::int64_t>(roundHalfEven(numericValue(adjust)), kAdjustMin, kAdjustMax));
}

} // namespace

SettingsCommands::SettingsCommands(Controller& controller, Dialogs& dialogs, QObject* parent)
    : QObject(parent)
    , m_controller(controller)
    , m_dialogs(dialogs)
{
}

bool SettingsCommands::save()
{
    const QString path = m_dialogs.chooseSaveFileAt(FileTexts::projectFilter(), m_path);
    return !path.isEmpty() && saveTo(ProjectStorage::withSettingsExtension(path));
}

bool SettingsCommands::saveInPlace()
{
    return m_path.isEmpty() ? save() : saveTo(m_path);
}

bool SettingsCommands::saveTo(const QString& path)
{
    // Only the files this project came from can have been changed behind its back.
    const bool sameFile = !m_path.isEmpty() && sameFilePath(path, m_path);
    return saveTo(path, sameFile ? std::optional(m_fingerprint) : std::nullopt);
}

bool SettingsCommands::saveTo(const QString& path, const std::optional<ProjectStorage::Fingerprint>& expected)
{
    Project& project = m_controller.project();
    m_controller.findAltGroup();
    ProjectFile::Losses losses;
    const ProjectFile file = ProjectFile::capture(project, &losses);
    ProjectStorage::WriteResult result = write(path, file, expected);
    if (result.failure.error == ProjectStorage::Error::ChangedElsewhere)
        return resolveChangedElsewhere(path);
    if (result.failure.error != ProjectStorage::Error::None) {
        tellError(result.failure);
        return false;
    }
    losses.unencodable = result.losses.unencodable;
    losses.daysUnencodable = result.losses.daysUnencodable;
    if (losses.any())
        tellLosses(losses, path);
    m_origin = {std::move(result.written), file};
    m_path = path;
    m_fingerprint = result.fingerprint;
    project.setFileLabel(ProjectStorage::fileLabel(path));
    project.setModified(false);
    emit projectFileChanged(path);
    return true;
}

ProjectStorage::WriteResult
SettingsCommands::write(const QString& path, const ProjectFile& file,
                        const std::optional<ProjectStorage::Fingerprint>& expected)
{
    ProjectStorage::WriteResult result = ProjectStorage::write(
        path, file, m_origin, m_controller.project().dispData(),
        [this](int value) { emit progressChanged(kSaveProgressMax, value); }, expected);
    emit progressChanged(kSaveProgressMax, 0);
    return result;
}

bool SettingsCommands::resolveChangedElsewhere(const QString& path)
{
    switch (m_dialogs.askYesNoCancel(MessageTexts::warningTitle(), SettingsTexts::changedElsewhere())) {
    case Dialogs::Answer::Yes:
        // Over theirs, whatever they hold by now.
        return saveTo(path, std::nullopt);
    case Dialogs::Answer::No:
        loadFrom(path);
        return false;
    case Dialogs::Answer::Cancel:
        break;
    }
    return false;
}

bool SettingsCommands::offerToSave()
{
    switch (m_dialogs.askYesNoCancel(MessageTexts::warningTitle(), SettingsTexts::askSave())) {
    case Dialogs::Answer::Yes:
        return saveInPlace();
    case Dialogs::Answer::No:
        return true;
    case Dialogs::Answer::Cancel:
        break;
    }
    return false;
}

void SettingsCommands::load()
{
    if (m_controller.project().modified() && !offerToSave())
        return;
    if (m_controller.refusedWhileBusy())
        return;
    const QString path = m_dialogs.chooseOpenFile(FileTexts::projectFilter());
    if (!path.isEmpty())
        loadFrom(path);
}

bool SettingsCommands::loadChosen(const QString& path)
{
    if (m_controller.project().modified() && !offerToSave())
        return false;
    return loadFrom(path);
}

bool SettingsCommands::loadFrom(const QString& path)
{
    if (m_controller.refusedWhileBusy())
        return false;
    ProjectStorage::ReadResult result = ProjectStorage::read(path);
    if (!result.project) {
        tellError(result.failure);
        return false;
    }
    apply(*result.project, path);
    m_controller.project().setModified(false);
    m_controller.clearTransferStatus();
    m_origin = {std::move(result.project->document), ProjectFile::capture(m_controller.project())};
    m_path = path;
    m_fingerprint = result.project->fingerprint;
    emit projectFileChanged(path);
    return true;
}

std::unique_ptr<GroupLock> SettingsCommands::hold(const QString& path)
{
    auto lock = std::make_unique<GroupLock>(ProjectStorage::lockPath(path));
    if (lock->take())
        return lock;
    tellError({ProjectStorage::Error::SettingsUnwritable, lock->path(), lock->problem()});
    return nullptr;
}

void SettingsCommands::apply(const ProjectStorage::Stored& stored, const QString& path)
{
    Controller& controller = m_controller;
    Project& project = controller.project();
    const ProjectFile& file = stored.settings;

    controller.chooseEntry(GlobalList::ScreenWidth, file.screenWidth);
    controller.chooseEntry(GlobalList::ScreenHeight, file.screenHeight);
    for (int m = 0; m < kMessageCount; ++m)
        applyMessage(m, stored);
    project.setCurMsg(controller.selectedTab());

    // A stored group reaching past the last message keeps the part that exists.
    controller.setAltRun(file.altBegin, file.altCount);
    controller.findAltGroup();

    controller.chooseEntry(GlobalList::ClockMessage, file.timeMessage);
    controller.chooseEntry(GlobalList::DaysMessage, file.daysMessage);
    controller.chooseEntry(GlobalList::HourPosition, file.hourPosition);
    controller.chooseEntry(GlobalList::MinutePosition, file.minutePosition);
    controller.chooseEntry(GlobalList::DaysPosition, file.daysPosition);
    controller.setCountdownDays(file.countdownDays);

    controller.setStartMinutes(file.startMinutes);
    controller.setEndMinutes(file.endMinutes);
    // The switch rule runs once, changed or not, after the minutes are in place.
    controller.setWorkTimeEnabled(file.workTimeEnabled != 0);

    project.setFileLabel(ProjectStorage::fileLabel(path));
    emit progressChanged(kLoadProgressMax, 0);
}

void SettingsCommands::applyMessage(int m, const ProjectStorage::Stored& stored)
{
    Controller& controller = m_controller;
    Project& project = controller.project();
    const ProjectFile::Message& message = stored.settings.messages[m];

    emit progressChanged(kLoadProgressMax, m);
    // Message 0's show mode re-encodes the current message, which must be message 0 itself and
    // not the page that happens to be selected.
    project.setCurMsg(m);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(stored.dispData.constData());
    const std::span<const std::uint8_t, kMessageBytes> loaded(bytes + DisplayData::offset(0, 0, m),
                                                              kMessageBytes);
    if (DataRepaint::repaintMessage(m, loaded, project.dispData(), controller.images().canvas(m))) {
        controller.images().announce(m);
        project.announceDisplayData(m);
    }
    controller.typeText(m, MessageList::FontSize, message.fontSize);
    controller.setBold(m, message.bold != 0);
    controller.setFontName(m, message.fontName);
    controller.chooseEntry(m, MessageList::Mode, message.direction);
    controller.setFlash(m, message.flash != 0);
    controller.setLoopLamp(m, message.loopLamp != 0);
    controller.chooseEntry(m, MessageList::Speed, message.speed - 1);
    controller.setMessageText(m, message.text);
    controller.recountMessage();
    controller.setTopAdjText(m, message.adjust);
    controller.setAdjustBar(m, adjustBarFor(message.adjust));
}

void SettingsCommands::tellLosses(const ProjectFile::Losses& losses, const QString& path)
{
    QStringList parts;
    if (!losses.cutAtLineBreak.isEmpty())
        parts << SettingsTexts::cutAtLineBreak() + MessageTexts::messageNames(losses.cutAtLineBreak);
    if (!losses.unencodable.isEmpty())
        parts << SettingsTexts::unencodable() + MessageTexts::messageNames(losses.unencodable);
    if (losses.daysUnencodable)
        parts << SettingsTexts::daysUnencodable();
    m_dialogs.tell(MessageTexts::warningTitle(), parts.join(u'\n'), QDir::toNativeSeparators(path));
}

void SettingsCommands::tellError(const ProjectStorage::Failure& failure)
{
    using ProjectStorage::Error;
    QString text;
    switch (failure.error) {
    case Error::None:
        return;
    case Error::NamesUnpaired:
        text = SettingsTexts::namesUnpaired();
        break;
    case Error::Unfinished:
        text = SettingsTexts::unfinished();
        break;
    case Error::SettingsMissing:
        text = SettingsTexts::settingsMissing(QDir::toNativeSeparators(failure.path));
        break;
    case Error::SettingsUnreadable:
        text = SettingsTexts::settingsUnreadable();
        break;
    case Error::SettingsTooLarge:
        text = SettingsTexts::settingsTooLarge();
        break;
    case Error::SettingsForm:
        text = SettingsTexts::settingsForm(failure.reason);
        break;
    case Error::DataMissing:
        text = SettingsTexts::dataMissing();
        break;
    case Error::DataShort:
        text = SettingsTexts::dataShort();
        break;
    case Error::DataUnreadable:
        text = SettingsTexts::dataUnreadable();
        break;
    case Error::DataUnwritable:
        text = SettingsTexts::dataUnwritable();
        break;
    case Error::SettingsUnwritable:
    case Error::ChangedElsewhere:
        text = SettingsTexts::settingsUnwritable();
        break;
    }
    QString detail = QDir::toNativeSeparators(failure.path);
    if (!failure.reason.isEmpty() && failure.error != Error::SettingsForm)
        detail += u'\n' + failure.reason;
    m_dialogs.tell(MessageTexts::warningTitle(), text, detail);
}

QString SettingsCommands::writeCopy(const QString& path)
{
    m_controller.findAltGroup();
    const ProjectStorage::WriteResult result =
        ProjectStorage::write(path, ProjectFile::capture(m_controller.project()), {},
                              m_controller.project().dispData(), [](int) {});
    if (result.failure.error == ProjectStorage::Error::None)
        return {};
    return result.failure.reason.isEmpty() ? QDir::toNativeSeparators(result.failure.path)
                                           : result.failure.reason;
}

bool SettingsCommands::restoreCopy(const QString& copy, const QString& project)
{
    ProjectStorage::ReadResult result = ProjectStorage::read(copy);
    if (!result.project) {
        tellError(result.failure);
        return false;
    }
    // Loaded first, the project's file is where a save goes and what undo goes back to.
    const bool fromFile = !project.isEmpty() && QFileInfo::exists(project) && loadFrom(project);
    apply(*result.project, fromFile ? project : QString());
    m_controller.project().setModified(true);
    return true;
}

bool SettingsCommands::confirmClose()
{
    // Both questions are always asked; a No to the first keeps the window open whatever the second.
    bool mayClose = !m_controller.transferInProgress() ||
                    m_dialogs.askYesNo(MessageTexts::warningTitle(), MessageTexts::closeDuringTransfer());
    if (m_controller.project().modified() && !offerToSave())
        mayClose = false;
    return mayClose;
}
