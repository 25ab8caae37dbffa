// SPDX-License-Identifier: GPL-3.0-or-later
#include "card/cardmemoryfile.h"

#include "card/cardframes.h"
#include "files/filecommit.h"
#include "model/listitems.h"
#include "texts/cardtexts.h"
#include "texts/filetexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <cctype>

namespace CardMemoryFile {

namespace {

constexpr int kByteMax = 255;
constexpr int kWordMax = 65535;
// The schedule frame gives hours and minutes as plain bytes, so the card may hold any of them.
constexpr int kWorkMinuteMax = kByteMax * 60 + kByteMax;
const QString kTimeFormat = QStringLiteral("HH:mm:ss.zzz");
// The largest memory a header can describe, 16 rows of 65,535 bytes, written in hexadecimal, and
// room for the rest: no card's memory needs a larger file, and reading one would only fill this
// computer's memory.
constexpr qint64 kMaxFileBytes = 2 * qint64(Link::kRowsFor16) * kWordMax + 1024 * 1024;

[[nodiscard]] QJsonValue messageOrNull(const std::optional<int>& message)
{
    return message ? QJsonValue(*message) : QJsonValue(QJsonValue::Null);
}

// Reads the values of one JSON object, each in its range; the first that is not there spoils it.
class Reader {
public:
    explicit Reader(QJsonObject object)
        : m_object(std::move(object))
    {
    }

    [[nodiscard]] bool ok() const { return m_ok; }

    [[nodiscard]] int number(const QString& key, int min, int max) { return number(m_object[key], min, max); }
    [[nodiscard]] qint64 wholeNumber(const QString& key)
    {
        const QJsonValue value = m_object[key];
        check(value.isDouble() && value.toDouble() == double(value.toInteger()));
        return value.toInteger();
    }
    [[nodiscard]] bool flag(const QString& key)
    {
        check(m_object[key].isBool());
        return m_object[key].toBool();
    }
    [[nodiscard]] std::optional<int> message(const QString& key)
    {
        if (m_object[key].isNull())
            return std::nullopt;
        return number(key, 0, kMessageCount - 1);
    }
    [[nodiscard]] Reader object(const QString& key)
    {
        check(m_object[key].isObject());
        return Reader(m_object[key].toObject());
    }
    [[nodiscard]] QJsonArray array(const QString& key)
    {
        check(m_object[key].isArray());
        return m_object[key].toArray();
    }
    [[nodiscard]] QJsonValue value(const QString& key) const { return m_object[key]; }

    [[nodiscard]] int number(const QJsonValue& value, int min, int max)
    {
        const double number = value.toDouble(-1);
        check(value.isDouble() && number >= min && number <= max && number == double(int(number)));
        return m_ok ? int(number) : min;
    }
    void check(bool condition) { m_ok = m_ok && condition; }
    // Joins what a nested reader found.
    void take(const Reader& other) { check(other.ok()); }

private:
    QJsonObject m_object;
    bool m_ok = true;
};

[[nodiscard]] std::optional<QByteArray> hexBytes(const QJsonValue& value, int size)
{
    const QString text = value.toString();
    if (!value.isString() || text.size() != qsizetype(size) * 2)
        return std::nullopt;
    for (const QChar c : text) {
        if (std::isxdigit(static_cast<unsigned char>(c.toLatin1())) == 0)
            return std::nullopt;
    }
    return QByteArray::fromHex(text.toLatin1());
}

[[nodiscard]] QString pathAndReason(const QString& path, const QString& reason)
{
    return QStringLiteral("%1: %2").arg(path, reason);
}

} // namespace

QJsonObject toJson(const CardMemory& memory)
{
    QJsonArray messages;
    for (int m = 0; m < kMessageCount; ++m) {
        const CardMessage& message = memory.messages[m];
        messages.append(QJsonObject{
            {QStringLiteral("index"), m},
            {QStringLiteral("modeByte"), message.modeByte},
            {QStringLiteral("showCode"), int(message.showCode())},
            {QStringLiteral("speed"), message.speed()},
            {QStringLiteral("flash"), message.flash()},
            {QStringLiteral("loopLamp"), message.loopLamp()},
            {QStringLiteral("offset"), message.offset},
            {QStringLiteral("length"), message.length},
        });
    }
    QJsonArray rows;
    for (qsizetype at = 0; memory.rowLength > 0 && at < memory.rows.size(); at += memory.rowLength)
        rows.append(QString::fromLatin1(memory.rows.mid(at, memory.rowLength).toHex()));
    return {
        {QStringLiteral("screen"), QJsonObject{{QStringLiteral("widthBytes"), memory.screenWidth},
                                               {QStringLiteral("heightDots"), memory.screenHeight}}},
        {QStringLiteral("brightness"), memory.brightness},
        {QStringLiteral("frameCount"), memory.frameCount},
        {QStringLiteral("alternation"),
         QJsonObject{{QStringLiteral("begin"), memory.altBegin}, {QStringLiteral("count"), memory.altCount}}},
        {QStringLiteral("clock"), QJsonObject{{QStringLiteral("message"), messageOrNull(memory.clockMessage)},
                                              {QStringLiteral("hourPosition"), memory.hourPosition},
                                              {QStringLiteral("minutePosition"), memory.minutePosition}}},
        {QStringLiteral("countdown"),
         QJsonObject{{QStringLiteral("message"), messageOrNull(memory.daysMessage)},
                     {QStringLiteral("position"), memory.daysPosition},
                     {QStringLiteral("days"), memory.countdownDays}}},
        {QStringLiteral("messages"), messages},
        {QStringLiteral("rowLength"), memory.rowLength},
        {QStringLiteral("rows"), rows},
        {QStringLiteral("clockSet"),
         QJsonObject{{QStringLiteral("time"), memory.clockSetTo
                                                  ? QJsonValue(memory.clockSetTo->toString(kTimeFormat))
                                                  : QJsonValue(QJsonValue::Null)},
                     {QStringLiteral("atMs"), memory.clockSetAtMs}}},
        {QStringLiteral("workTime"), QJsonObject{{QStringLiteral("enabled"), memory.workEnabled},
                                                 {QStringLiteral("startMinutes"), memory.workStart},
                                                 {QStringLiteral("endMinutes"), memory.workEnd}}},
    };
}

std::optional<CardMemory> fromJson(const QJsonObject& json)
{
    CardMemory memory;
    Reader top(json);

    Reader screen = top.object(QStringLiteral("screen"));
    memory.screenWidth = screen.number(QStringLiteral("widthBytes"), 0, kByteMax);
    screen.check(ListItems::screenWidths().contains(QString::number(memory.screenWidth)));
    memory.screenHeight = screen.number(QStringLiteral("heightDots"), Link::kRowsFor16, Link::kRowsFor32);
    screen.check(memory.screenHeight == Link::kRowsFor16 || memory.screenHeight == Link::kRowsFor32);
    memory.brightness = top.number(QStringLiteral("brightness"), 1, Link::kMaxBrightness);
    memory.frameCount = top.number(QStringLiteral("frameCount"), 0, kByteMax);

    Reader alternation = top.object(QStringLiteral("alternation"));
    memory.altBegin = alternation.number(QStringLiteral("begin"), 0, kByteMax);
    memory.altCount = alternation.number(QStringLiteral("count"), 0, kByteMax);
    Reader clock = top.object(QStringLiteral("clock"));
    memory.clockMessage = clock.message(QStringLiteral("message"));
    memory.hourPosition = clock.number(QStringLiteral("hourPosition"), 0, kByteMax);
    memory.minutePosition = clock.number(QStringLiteral("minutePosition"), 0, kByteMax);
    Reader countdown = top.object(QStringLiteral("countdown"));
    memory.daysMessage = countdown.message(QStringLiteral("message"));
    memory.daysPosition = countdown.number(QStringLiteral("position"), 0, kByteMax);
    memory.countdownDays = countdown.number(QStringLiteral("days"), 0, kWordMax);

    const QJsonArray messages = top.array(QStringLiteral("messages"));
    top.check(messages.size() == kMessageCount);
    for (int m = 0; m < kMessageCount && top.ok(); ++m) {
        Reader entry(messages[m].toObject());
        CardMessage& message = memory.messages[m];
        message.modeByte = std::uint8_t(entry.number(QStringLiteral("modeByte"), 0, kByteMax));
        message.offset = entry.number(QStringLiteral("offset"), 0, kWordMax);
        message.length = entry.number(QStringLiteral("length"), 0, kWordMax);
        top.take(entry);
    }

    memory.rowLength = top.number(QStringLiteral("rowLength"), 0, kWordMax);
    const QJsonArray rows = top.array(QStringLiteral("rows"));
    top.check(rows.size() <= CardFrames::maxRows(memory.rowLength) &&
              (memory.rowLength > 0 || rows.isEmpty()));
    for (qsizetype r = 0; r < rows.size() && top.ok(); ++r) {
        const std::optional<QByteArray> row = hexBytes(rows[r], memory.rowLength);
        top.check(row.has_value());
        memory.rows += row.value_or(QByteArray());
    }

    Reader clockSet = top.object(QStringLiteral("clockSet"));
    if (!clockSet.value(QStringLiteral("time")).isNull()) {
        const QTime time = QTime::fromString(clockSet.value(QStringLiteral("time")).toString(), kTimeFormat);
        clockSet.check(time.isValid());
        memory.clockSetTo = time;
    }
    memory.clockSetAtMs = clockSet.wholeNumber(QStringLiteral("atMs"));
    Reader work = top.object(QStringLiteral("workTime"));
    memory.workEnabled = work.flag(QStringLiteral("enabled"));
    memory.workStart = work.number(QStringLiteral("startMinutes"), 0, kWorkMinuteMax);
    memory.workEnd = work.number(QStringLiteral("endMinutes"), 0, kWorkMinuteMax);

    for (const Reader* part : {&screen, &alternation, &clock, &countdown, &clockSet, &work})
        top.take(*part);
    return top.ok() ? std::optional<CardMemory>(memory) : std::nullopt;
}

ReadResult read(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymbolicLink())
        return {CardMemory{}, {}};
    // Never opened: a FIFO would block the start and a device would be read without end.
    if (!info.isFile())
        return {std::nullopt, pathAndReason(path, FileTexts::notRegularFile())};
    if (info.size() > kMaxFileBytes)
        return {std::nullopt, pathAndReason(path, CardTexts::memoryTooLarge())};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, pathAndReason(path, file.errorString())};
    const QByteArray bytes = file.read(kMaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {std::nullopt, pathAndReason(path, file.errorString())};
    if (bytes.size() > kMaxFileBytes)
        return {std::nullopt, pathAndReason(path, CardTexts::memoryTooLarge())};
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return {std::nullopt, pathAndReason(path, parseError.errorString())};
    std::optional<CardMemory> memory = fromJson(document.object());
    if (!memory)
        return {std::nullopt, pathAndReason(path, CardTexts::notAMemory())};
    return {std::move(memory), {}};
}

std::optional<QString> write(const QString& path, const CardMemory& memory)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return pathAndReason(path, CardTexts::noFolder());
    const QByteArray bytes = QJsonDocument(toJson(memory)).toJson(QJsonDocument::Indented);
    const FileCommit::Failure failure =
        FileCommit::replace({path, [&](QIODevice& file) { return file.write(bytes) == bytes.size(); }});
    if (!failure.failed())
        return std::nullopt;
    return pathAndReason(path, failure.reason);
}

} // namespace CardMemoryFile
