// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/projectstorage.h"

#include "model/displaydata.h"
#include "settings/profiledocument.h"
#include "settings/settingsformat.h"
#include "settings/settingslog.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

namespace {

constexpr int kExtensionLength = 3;

// QSaveFile would quietly replace a write-protected file, so protection is checked first.
bool replaceable(const QString& path)
{
    const QFileInfo info(path);
    return !info.exists() || (info.isFile() && info.isWritable());
}

std::optional<QByteArray> readAll(const QString& path)
{
    if (!QFileInfo(path).isFile()) {
        qCDebug(lcSettings) << "not a file:" << path;
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qCDebug(lcSettings) << "cannot open" << path << file.errorString();
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        qCDebug(lcSettings) << "cannot read" << path << file.errorString();
        return std::nullopt;
    }
    qCDebug(lcSettings) << "read" << bytes.size() << "bytes from" << path;
    return bytes;
}

ProjectStorage::Error refused(const QFileDevice& file, ProjectStorage::Error error)
{
    qCDebug(lcSettings) << "cannot write" << file.fileName() << file.errorString();
    return error;
}

} // namespace

namespace ProjectStorage {

QString dataFilePath(const QString& settingsPath)
{
    return settingsPath.chopped(std::min<qsizetype>(kExtensionLength, settingsPath.size())) +
           SettingsFormat::kDataFileSuffix;
}

QString fileLabel(const QString& settingsPath)
{
    const QString name = QFileInfo(settingsPath).fileName();
    return name.chopped(std::min<qsizetype>(SettingsFormat::kLabelCut, name.size()));
}

ReadResult read(const QString& settingsPath)
{
    const auto settings = readAll(settingsPath);
    if (!settings)
        return {std::nullopt, Error::SettingsUnreadable};
    const QString dataPath = dataFilePath(settingsPath);
    const QFileInfo dataInfo(dataPath);
    if (!dataInfo.exists())
        return {std::nullopt, Error::DataMissing};
    if (dataInfo.isFile() && dataInfo.size() != kDispDataSize)
        return {std::nullopt, Error::DataWrongSize};
    auto data = readAll(dataPath);
    if (!data)
        return {std::nullopt, Error::DataUnreadable};
    if (data->size() != kDispDataSize)
        return {std::nullopt, Error::DataWrongSize};
    return {Stored{ProjectFile::read(ProfileDocument(*settings)), std::move(*data)}, Error::None};
}

Error write(const QString& settingsPath, const ProjectFile& settings, const DisplayData& data,
            const std::function<void(int)>& progress)
{
    const QString dataPath = dataFilePath(settingsPath);
    if (!replaceable(dataPath))
        return Error::DataUnwritable;
    if (!replaceable(settingsPath))
        return Error::SettingsUnwritable;

    ProfileDocument document;
    if (QFileInfo::exists(settingsPath)) {
        // Without its old lines the update would drop the keys and sections of other programs.
        const auto existing = readAll(settingsPath);
        if (!existing)
            return Error::SettingsUnwritable;
        document = ProfileDocument(*existing);
    }
    settings.write(document);

    QSaveFile dataFile(dataPath);
    if (!dataFile.open(QIODevice::WriteOnly))
        return refused(dataFile, Error::DataUnwritable);
    for (int m = 0; m < kMessageCount; ++m) {
        progress(m + 1);
        const auto bytes = data.message(m);
        dataFile.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
    }
    QSaveFile settingsFile(settingsPath);
    if (!settingsFile.open(QIODevice::WriteOnly))
        return refused(settingsFile, Error::SettingsUnwritable);
    const QByteArray settingsBytes = document.toBytes();
    settingsFile.write(settingsBytes);

    // Both temporaries hold all their bytes before either replaces its file, so a full disk or a
    // refused write leaves the old pair as it was rather than new data beside old settings.
    if (!dataFile.flush())
        return refused(dataFile, Error::DataUnwritable);
    if (!settingsFile.flush())
        return refused(settingsFile, Error::SettingsUnwritable);
    if (!dataFile.commit())
        return refused(dataFile, Error::DataUnwritable);
    progress(SettingsFormat::kSaveProgressMax);
    if (!settingsFile.commit())
        return refused(settingsFile, Error::SettingsUnwritable);
    qCDebug(lcSettings) << "wrote" << kDispDataSize << "bytes to" << dataPath << "and" << settingsBytes.size()
                        << "bytes to" << settingsPath;
    return Error::None;
}

} // namespace ProjectStorage
