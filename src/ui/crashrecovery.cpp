// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/crashrecovery.h"

#include "controller/projecthistory.h"
#include "controller/settingscommands.h"
#include "dialogs/dialogs.h"
#include "model/project.h"
#include "settings/settingslog.h"
#include "texts/desktoptexts.h"
#include "texts/messagetexts.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QUuid>

namespace {

// Started by the first change after a copy and not restarted by later ones, so that no change
// waits more than this for its copy, however fast the operator types.
constexpr int kCopyDelayMs = 1000;

const QString kOwnerLock = QStringLiteral("owner.lock");
const QString kCopyName = QStringLiteral("project.ini");
const QString kAboutName = QStringLiteral("about.ini");
const QString kProjectKey = QStringLiteral("project");
// The same in both languages, and plain to read in either.
const QString kTimeForm = QStringLiteral("yyyy-MM-dd HH:mm");

} // namespace

CrashRecovery::CrashRecovery(Project& project, ProjectHistory& history, SettingsCommands& settings,
                             Dialogs& dialogs, QObject* parent)
    : QObject(parent)
    , m_project(project)
    , m_settings(settings)
    , m_dialogs(dialogs)
    , m_slot(QDir(folder()).filePath(QUuid::createUuid().toString(QUuid::WithoutBraces)))
    , m_lock(QDir(m_slot).filePath(kOwnerLock))
{
    // Held for as long as this window runs; only a dead holder's lock is stale.
    m_lock.setStaleLockTime(0);
    m_delay.setSingleShot(true);
    m_delay.setInterval(kCopyDelayMs);
    connect(&m_delay, &QTimer::timeout, this, &CrashRecovery::write);
    connect(&history, &ProjectHistory::changed, this, &CrashRecovery::changed);
    connect(&project, &Project::modifiedChanged, this, [this](bool modified) {
        if (!modified)
            discard();
    });
    connect(&settings, &SettingsCommands::projectFileChanged, this,
            [this](const QString& path) { m_projectPath = path; });
}

CrashRecovery::~CrashRecovery()
{
    discard();
}

QString CrashRecovery::folder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("recovery"));
}

QString CrashRecovery::copyPath() const
{
    return QDir(m_slot).filePath(kCopyName);
}

void CrashRecovery::changed()
{
    if (!m_delay.isActive())
        m_delay.start();
}

void CrashRecovery::write()
{
    if (!m_project.modified()) {
        discard();
        return;
    }
    if (!m_lock.isLocked() && (!QDir().mkpath(m_slot) || !m_lock.tryLock(0))) {
        qCWarning(lcSettings) << "no folder for the unsaved changes:" << m_slot;
        return;
    }
    QSettings about(QDir(m_slot).filePath(kAboutName), QSettings::IniFormat);
    about.setValue(kProjectKey, m_projectPath);
    about.sync();
    if (const QString problem = m_settings.writeCopy(copyPath()); !problem.isEmpty())
        qCWarning(lcSettings) << "unsaved changes not kept:" << problem;
}

void CrashRecovery::discard()
{
    m_delay.stop();
    if (!m_lock.isLocked())
        return;
    m_lock.unlock();
    QDir(m_slot).removeRecursively();
}

void CrashRecovery::offerLeftCopies()
{
    const QFileInfoList folders = QDir(folder()).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Time);
    for (const QFileInfo& slot : folders) {
        if (slot.absoluteFilePath() != QFileInfo(m_slot).absoluteFilePath())
            offer(slot.absoluteFilePath());
    }
}

void CrashRecovery::offer(const QString& slot)
{
    const QDir folder(slot);
    QLockFile owner(folder.filePath(kOwnerLock));
    owner.setStaleLockTime(0);
    if (!owner.tryLock(0))
        return;
    const QFileInfo copy(folder.filePath(kCopyName));
    // One copy comes back into the window; the others wait for a later start.
    if (copy.exists() && m_restored)
        return;
    if (copy.exists()) {
        const QString project =
            QSettings(folder.filePath(kAboutName), QSettings::IniFormat).value(kProjectKey).toString();
        const QString name =
            project.isEmpty() ? DesktopTexts::unnamedProject() : QDir::toNativeSeparators(project);
        const QString time = copy.lastModified().toString(kTimeForm);
        // Enter restores and Escape keeps the copy for later: only a plain "No" deletes the work.
        switch (
            m_dialogs.askYesNoCancel(MessageTexts::warningTitle(), DesktopTexts::offerRecovery(name, time))) {
        case Dialogs::Answer::Yes:
            m_restored = m_settings.restoreCopy(copy.absoluteFilePath(), project);
            break;
        case Dialogs::Answer::No:
            break;
        case Dialogs::Answer::Cancel:
            return;
        }
    }
    owner.unlock();
    QDir(slot).removeRecursively();
}
