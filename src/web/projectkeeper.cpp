// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/projectkeeper.h"

#include "controller/controller.h"
#include "controller/settingscommands.h"
#include "files/grouplock.h"

#include <QCryptographicHash>
#include <QFileInfo>

ProjectKeeper::ProjectKeeper(Controller& controller, SettingsCommands& settings, QString path)
    : m_controller(controller)
    , m_settings(settings)
    , m_path(std::move(path))
{
}

bool ProjectKeeper::open()
{
    const std::unique_ptr<GroupLock> hold = m_settings.hold(m_path);
    if (!hold)
        return false;
    // A new project is saved as the window starts it and then served as its files hold it, as every
    // later reader finds it.
    if (!QFileInfo::exists(m_path) && !m_settings.saveTo(m_path))
        return false;
    return m_settings.loadFrom(m_path);
}

QByteArray ProjectKeeper::etag() const
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const ProjectStorage::Fingerprint& loaded = m_settings.fingerprint();
    for (const auto value : {quint64(loaded.settingsSize), quint64(loaded.dataSize),
                             quint64(loaded.settingsHash), quint64(loaded.dataHash)})
        hash.addData(QByteArrayView(reinterpret_cast<const char*>(&value), sizeof(value)));
    return '"' + hash.result().toHex().left(20) + '"';
}

void ProjectKeeper::refresh()
{
    if (m_controller.transferInProgress())
        return;
    if (const std::unique_ptr<GroupLock> hold = m_settings.hold(m_path))
        static_cast<void>(loadIfChanged());
}

bool ProjectKeeper::loadIfChanged()
{
    const auto fingerprint = ProjectStorage::fingerprint(m_path);
    const auto* now = std::get_if<ProjectStorage::Fingerprint>(&fingerprint);
    if (now && *now == m_settings.fingerprint())
        return true;
    // Files that cannot be read are loaded all the same, which tells why.
    return m_settings.loadFrom(m_path) && now;
}

void ProjectKeeper::reload()
{
    static_cast<void>(m_settings.loadFrom(m_path));
}

ProjectKeeper::Outcome ProjectKeeper::change(const QByteArray& expected, const std::function<bool()>& apply)
{
    if (m_controller.transferInProgress())
        return Outcome::Busy;
    const std::unique_ptr<GroupLock> hold = m_settings.hold(m_path);
    if (!hold || !loadIfChanged())
        return Outcome::Failed;
    if (expected != "*" && expected != etag())
        return Outcome::Stale;
    if (!apply()) {
        reload();
        return Outcome::Refused;
    }
    if (!m_settings.saveTo(m_path)) {
        reload();
        return Outcome::Failed;
    }
    return Outcome::Saved;
}
