// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/projectstorage.h"

#include "files/grouplock.h"
#include "model/displaydata.h"
#include "settings/settingsformat.h"
#include "settings/settingslog.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <variant>

namespace {

constexpr int kExtensionLength = 3;

// Forms of text that the profile calls cannot read: the file would load as an empty project and a
// save would add a second project in another form.
struct Form {
    QByteArrayView mark;
    const char* name;
};
// UTF-32's little-endian mark begins with UTF-16's, so it is looked for first.
constexpr std::array kUnreadableForms{
    Form{QByteArrayView("\xFF\xFE\x00\x00", 4), "UTF-32"},
    Form{QByteArrayView("\x00\x00\xFE\xFF", 4), "UTF-32"},
    Form{QByteArrayView("\xFF\xFE", 2), "UTF-16"},
    Form{QByteArrayView("\xFE\xFF", 2), "UTF-16"},
};
constexpr auto kUnmarkedUtf16 = "UTF-16";
// Enough of the start to tell the form: the first section's name.
constexpr qsizetype kFormSample = 64;

// UTF-16 without its mark: text in the Latin range, as every name of a settings file is, has a zero
// in every second byte. Code page 932 has no zero bytes at all.
bool looksLikeUnmarkedUtf16(QByteArrayView bytes)
{
    const QByteArrayView sample = bytes.first(std::min(bytes.size(), kFormSample) & ~qsizetype(1));
    const auto zeroEverySecond = [&](qsizetype first) {
        for (qsizetype i = first; i < sample.size(); i += 2) {
            if (sample[i] != 0)
                return false;
        }
        return true;
    };
    return !sample.isEmpty() && (zeroEverySecond(0) || zeroEverySecond(1));
}

ProjectStorage::Fingerprint fingerprintOf(QByteArrayView settings, QByteArrayView data)
{
    return {settings.size(), data.size(), qHash(settings), qHash(data)};
}

ProjectStorage::Failure failure(ProjectStorage::Error error, const QString& path, const QString& reason = {})
{
    qCDebug(lcSettings) << "refused" << path << int(error) << reason;
    return {error, path, reason};
}

// The bytes of a settings file, or why not. A file that is not a regular file is never opened,
// so that a FIFO cannot block the read; a huge one is refused before it is read.
std::variant<QByteArray, ProjectStorage::Failure> readSettings(const QString& path)
{
    using ProjectStorage::Error;
    const QFileInfo info(path);
    if (!info.exists())
        return failure(Error::SettingsMissing, path);
    if (!info.isFile())
        return failure(Error::SettingsUnreadable, path);
    if (info.size() > SettingsFormat::kMaxSettingsBytes)
        return failure(Error::SettingsTooLarge, path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(Error::SettingsUnreadable, path, file.errorString());
    QByteArray bytes = file.read(SettingsFormat::kMaxSettingsBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return failure(Error::SettingsUnreadable, path, file.errorString());
    if (bytes.size() > SettingsFormat::kMaxSettingsBytes)
        return failure(Error::SettingsTooLarge, path);
    for (const Form& form : kUnreadableForms) {
        if (QByteArrayView(bytes).startsWith(form.mark))
            return failure(Error::SettingsForm, path, QString::fromLatin1(form.name));
    }
    if (looksLikeUnmarkedUtf16(bytes))
        return failure(Error::SettingsForm, path, QString::fromLatin1(kUnmarkedUtf16));
    qCDebug(lcSettings) << "read" << bytes.size() << "bytes from" << path;
    return bytes;
}

std::variant<QByteArray, ProjectStorage::Failure> readData(const QString& path)
{
    using ProjectStorage::Error;
    const QFileInfo info(path);
    if (!info.exists())
        return failure(Error::DataMissing, path);
    if (!info.isFile())
        return failure(Error::DataUnreadable, path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(Error::DataUnreadable, path, file.errorString());
    // Only the display data count; whatever another program appended is not read.
    QByteArray bytes = file.read(kDispDataSize);
    if (file.error() != QFileDevice::NoError)
        return failure(Error::DataUnreadable, path, file.errorString());
    if (bytes.size() != kDispDataSize)
        return failure(Error::DataShort, path);
    qCDebug(lcSettings) << "read" << bytes.size() << "bytes from" << path;
    return bytes;
}

// A name ending in "bin" would be its own display data file, and one of fewer than three
// characters would pair with a file in another folder.
bool namesPair(const QString& settingsPath)
{
    return QFileInfo(settingsPath).fileName().size() >= kExtensionLength &&
           !settingsPath.endsWith(SettingsFormat::kDataFileSuffix, Qt::CaseInsensitive);
}

// `whenBusy` is what the load or save failed at when another program kept the project to itself.
std::optional<ProjectStorage::Failure> recovered(const QString& settingsPath, ProjectStorage::Error whenBusy,
                                                 const std::function<void()>& read = {})
{
    using ProjectStorage::Error;
    const QString dataPath = ProjectStorage::dataFilePath(settingsPath);
    const FileCommit::Failure result = FileCommit::recover(settingsPath + SettingsFormat::kSavingMarkerSuffix,
                                                           {dataPath, settingsPath}, read);
    if (!result.failed())
        return std::nullopt;
    return failure(result.target == FileCommit::kBusy ? whenBusy : Error::Unfinished, result.path,
                   result.reason);
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

QString withSettingsExtension(const QString& path)
{
    return QFileInfo(path).suffix().isEmpty() ? path + SettingsFormat::kExtension : path;
}

QString lockPath(const QString& settingsPath)
{
    return FileCommit::lockPath(settingsPath + SettingsFormat::kSavingMarkerSuffix);
}

namespace {

// Both files' bytes as a load reads them: after another program's save has ended, and after an
// interrupted one has been finished.
std::variant<std::pair<QByteArray, QByteArray>, Failure> readPair(const QString& settingsPath)
{
    if (!namesPair(settingsPath))
        return failure(Error::NamesUnpaired, settingsPath);
    std::variant<QByteArray, Failure> settings;
    std::variant<QByteArray, Failure> data;
    const auto readBoth = [&] {
        settings = readSettings(settingsPath);
        if (!std::holds_alternative<Failure>(settings))
            data = readData(dataFilePath(settingsPath));
    };
    if (auto unfinished = recovered(settingsPath, Error::SettingsUnreadable, readBoth))
        return *unfinished;
    if (auto* refused = std::get_if<Failure>(&settings))
        return *refused;
    if (auto* refused = std::get_if<Failure>(&data))
        return *refused;
    return std::pair(std::move(std::get<QByteArray>(settings)), std::move(std::get<QByteArray>(data)));
}

} // namespace

ReadResult read(const QString& settingsPath)
{
    auto pair = readPair(settingsPath);
    if (auto* refused = std::get_if<Failure>(&pair))
        return {std::nullopt, *refused};
    auto& [settings, dispData] = std::get<0>(pair);
    const Fingerprint fingerprint = fingerprintOf(settings, dispData);
    ProfileDocument document(std::move(settings));
    ProjectFile file = ProjectFile::read(document);
    return {Stored{std::move(document), std::move(file), std::move(dispData), fingerprint}, {}};
}

std::variant<Fingerprint, Failure> fingerprint(const QString& settingsPath)
{
    const auto pair = readPair(settingsPath);
    if (const auto* refused = std::get_if<Failure>(&pair))
        return *refused;
    const auto& [settings, dispData] = std::get<0>(pair);
    return fingerprintOf(settings, dispData);
}

WriteResult write(const QString& settingsPath, const ProjectFile& settings, const FileOrigin& origin,
                  const DisplayData& data, const std::function<void(int)>& progress,
                  const std::optional<Fingerprint>& expected, const FileCommit::StepHook& goOn)
{
    WriteResult result;
    if (!namesPair(settingsPath)) {
        result.failure = failure(Error::NamesUnpaired, settingsPath);
        return result;
    }
    // From the look at the old files to their replacement, no other program may replace them.
    GroupLock hold(lockPath(settingsPath));
    if (!hold.take()) {
        result.failure = failure(Error::SettingsUnwritable, hold.path(), hold.problem());
        return result;
    }
    if (auto unfinished = recovered(settingsPath, Error::SettingsUnwritable)) {
        result.failure = *unfinished;
        return result;
    }
    const QString dataPath = dataFilePath(settingsPath);
    if (QFileInfo(settingsPath).isFile()) {
        // Without its old lines the update would drop the keys and sections of other programs.
        auto existing = readSettings(settingsPath);
        if (auto* refused = std::get_if<Failure>(&existing)) {
            result.failure = *refused;
            if (refused->error == Error::SettingsUnreadable)
                result.failure.error = Error::SettingsUnwritable;
            return result;
        }
        const QByteArray& old = std::get<QByteArray>(existing);
        if (expected) {
            const auto oldData = readData(dataPath);
            const auto* oldBytes = std::get_if<QByteArray>(&oldData);
            if (fingerprintOf(old, oldBytes ? QByteArrayView(*oldBytes) : QByteArrayView()) != *expected) {
                result.failure = failure(Error::ChangedElsewhere, settingsPath);
                return result;
            }
        }
        result.written = ProfileDocument(std::move(std::get<QByteArray>(existing)));
    }
    result.losses = settings.write(result.written, origin);
    const QByteArray settingsBytes = result.written.toBytes();

    const auto writeData = [&](QIODevice& file) {
        for (int m = 0; m < kMessageCount; ++m) {
            progress(m + 1);
            const auto bytes = data.message(m);
            if (file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) !=
                qint64(bytes.size()))
                return false;
        }
        progress(SettingsFormat::kSaveProgressMax);
        return true;
    };
    const auto writeSettings = [&](QIODevice& file) {
        return file.write(settingsBytes) == settingsBytes.size();
    };
    const FileCommit::Failure committed =
        FileCommit::commit(settingsPath + SettingsFormat::kSavingMarkerSuffix,
                           {{dataPath, writeData}, {settingsPath, writeSettings}}, goOn);
    if (committed.failed()) {
        result.failure = failure(committed.target == 0 ? Error::DataUnwritable : Error::SettingsUnwritable,
                                 committed.path, committed.reason);
        return result;
    }
    qCDebug(lcSettings) << "wrote" << kDispDataSize << "bytes to" << dataPath << "and" << settingsBytes.size()
                        << "bytes to" << settingsPath;
    result.fingerprint =
        fingerprintOf(settingsBytes, QByteArrayView(reinterpret_cast<const char*>(data.bytes().data()),
                                                    qsizetype(data.bytes().size())));
    return result;
}

} // namespace ProjectStorage
