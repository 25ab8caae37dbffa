// SPDX-License-Identifier: GPL-3.0-or-later
#include "card/signplayer.h"

#include "card/cardmodel.h"
#include "card/messagepicture.h"

#include <algorithm>

namespace SignPlayer {

namespace {

using Link::ShowCode;

constexpr int kMinutesPerHour = 60;
constexpr int kMaxPieceBytes = 8;
static_assert(kCardModel.stackPiecePixels >= 1 &&
              kCardModel.stackPiecePixels <= kMaxPieceBytes * kPixelsPerByte);

[[nodiscard]] qint64 msFor(qint64 pixels, int pixelsPerSecond)
{
    return (pixels * 1000 + pixelsPerSecond - 1) / pixelsPerSecond;
}

// What one message's show mode needs to know, for its pass and its drawing.
struct Shape {
    int screen = 0; // pixels across
    int height = 0;
    int picture = 0; // pixels across
    int pages = 1;
    int pixelsPerSecond = 1;
    ShowCode code = ShowCode::MoveLeft;
    int speed = 1;
    int frames = 1;

    [[nodiscard]] qint64 scrollMs() const { return msFor(height, pixelsPerSecond); }
    [[nodiscard]] qint64 splitMs() const { return msFor(screen / 2, pixelsPerSecond); }
    [[nodiscard]] qint64 stackMs() const
    {
        qint64 ms = 0;
        for (int x = 0; x < screen; x += kCardModel.stackPiecePixels)
            ms += pieceMs(x);
        return ms;
    }
    // A piece slides from the right edge to its place at x.
    [[nodiscard]] qint64 pieceMs(int x) const
    {
        return msFor(screen - x, pixelsPerSecond * kCardModel.stackSpeedup);
    }
    [[nodiscard]] qint64 frameMs() const { return kCardModel.animationFrameMs[std::size_t(speed - 1)]; }

    [[nodiscard]] qint64 passMs() const
    {
        const qint64 hold = kCardModel.pageHoldMs;
        switch (code) {
        case ShowCode::MoveLeft:
        case ShowCode::MoveRight:
            return msFor(screen + picture, pixelsPerSecond);
        case ShowCode::Up:
        case ShowCode::Down:
            return pages * (scrollMs() + hold);
        case ShowCode::Fixed:
            return pages * hold;
        case ShowCode::Stacking:
            return pages * (stackMs() + hold);
        case ShowCode::Split:
            return pages * (splitMs() + hold);
        case ShowCode::Animation:
            return frames * frameMs();
        }
        return hold;
    }
};

[[nodiscard]] Shape shapeOf(const CardMemory& memory, const MessagePicture& picture, int m)
{
    const CardMessage& message = memory.messages[m];
    Shape shape;
    shape.screen = std::max(1, memory.screenWidth) * kPixelsPerByte;
    shape.height = memory.screenHeight;
    shape.picture = picture.widthPixels();
    shape.pages = std::max(1, (shape.picture + shape.screen - 1) / shape.screen);
    shape.speed = message.speed();
    shape.pixelsPerSecond = kCardModel.pixelsPerSecond[std::size_t(shape.speed - 1)];
    shape.code = message.showCode();
    // The header counts message 0's frames in one byte; past 255 the count is lost.
    shape.frames = m == 0 && memory.frameCount > 0 ? memory.frameCount : shape.pages;
    return shape;
}

void clearOutside(std::span<std::uint8_t> row, int from, int to)
{
    for (std::size_t j = 0; j < row.size(); ++j) {
        const int x = int(j) * kPixelsPerByte;
        if (x >= from && x + kPixelsPerByte <= to)
            continue;
        std::uint8_t keep = 0;
        for (int k = std::max(from - x, 0); k < std::min(to - x, kPixelsPerByte); ++k)
            keep |= std::uint8_t(0x80 >> k);
        row[j] &= keep;
    }
}

void drawPage(const MessagePicture& picture, const Shape& shape, int page, SignFrame& out)
{
    for (int y = 0; y < shape.height; ++y)
        picture.pixels(y, page * shape.screen, out.row(y));
}

// The new page pushes the one before (-1: an empty screen) out of the screen, up or down, `shift`
// rows so far.
void drawScroll(const MessagePicture& picture, const Shape& shape, int page, int previous, int shift, bool up,
                SignFrame& out)
{
    for (int y = 0; y < shape.height; ++y) {
        const int from = up ? y + shift : y - shift;
        const bool isNew = up ? from >= shape.height : from < 0;
        const int sourcePage = isNew ? page : previous;
        const int sourceRow = isNew ? (up ? from - shape.height : from + shape.height) : from;
        if (sourcePage >= 0)
            picture.pixels(sourceRow, sourcePage * shape.screen, out.row(y));
    }
}

void drawStacking(const MessagePicture& picture, const Shape& shape, int page, qint64 ms, SignFrame& out)
{
    const int piece = kCardModel.stackPiecePixels;
    int placed = 0;
    while (placed < shape.screen && ms >= shape.pieceMs(placed)) {
        ms -= shape.pieceMs(placed);
        placed += piece;
    }
    drawPage(picture, shape, page, out);
    // The piece in flight, its left edge sliding from the right edge towards `placed`.
    const int left = shape.screen - int(ms * shape.pixelsPerSecond * kCardModel.stackSpeedup / 1000);
    std::array<std::uint8_t, kMaxPieceBytes> flying{};
    for (int y = 0; y < shape.height; ++y) {
        clearOutside(out.row(y), 0, placed);
        if (placed >= shape.screen)
            continue;
        picture.pixels(y, page * shape.screen + placed, flying);
        for (int k = 0; k < piece && placed + k < shape.screen && left + k < shape.screen; ++k) {
            if ((flying[std::size_t(k / kPixelsPerByte)] & (0x80 >> (k % kPixelsPerByte))) != 0)
                out.setLit(left + k, y, true);
        }
    }
}

void drawSplit(const MessagePicture& picture, const Shape& shape, int page, qint64 ms, SignFrame& out)
{
    const int open = int(ms * shape.pixelsPerSecond / 1000);
    drawPage(picture, shape, page, out);
    for (int y = 0; y < shape.height; ++y)
        clearOutside(out.row(y), shape.screen / 2 - open, shape.screen / 2 + open);
}

// Pages come one after another, each with its entrance and then its hold.
void drawPaged(const MessagePicture& picture, const Shape& shape, qint64 ms, SignFrame& out)
{
    qint64 entranceMs = 0;
    switch (shape.code) {
    case ShowCode::Up:
    case ShowCode::Down:
        entranceMs = shape.scrollMs();
        break;
    case ShowCode::Stacking:
        entranceMs = shape.stackMs();
        break;
    case ShowCode::Split:
        entranceMs = shape.splitMs();
        break;
    default:
        break;
    }
    const qint64 pageMs = entranceMs + kCardModel.pageHoldMs;
    const qint64 passMs = shape.pages * pageMs;
    // Coming round again, the first page takes the place of the last one.
    const bool again = kCardModel.pagesStartOver && ms >= passMs;
    if (kCardModel.pagesStartOver)
        ms %= passMs;
    const int page = int(std::min<qint64>(ms / pageMs, shape.pages - 1));
    const qint64 into = ms - page * pageMs;
    if (into >= entranceMs) {
        drawPage(picture, shape, page, out);
        return;
    }
    switch (shape.code) {
    case ShowCode::Up:
    case ShowCode::Down:
        drawScroll(picture, shape, page, page > 0 ? page - 1 : (again ? shape.pages - 1 : -1),
                   int(into * shape.pixelsPerSecond / 1000), shape.code == ShowCode::Up, out);
        return;
    case ShowCode::Stacking:
        drawStacking(picture, shape, page, into, out);
        return;
    default:
        drawSplit(picture, shape, page, into, out);
        return;
    }
}

void drawMessage(const MessagePicture& picture, const Shape& shape, qint64 ms, SignFrame& out)
{
    switch (shape.code) {
    case ShowCode::MoveLeft:
    case ShowCode::MoveRight: {
        const int travelled = int(ms * shape.pixelsPerSecond / 1000 % (shape.screen + shape.picture));
        // Moving left the picture comes in at the right edge; moving right at the left edge.
        const int x0 =
            shape.code == ShowCode::MoveLeft ? travelled - shape.screen : shape.picture - travelled;
        for (int y = 0; y < shape.height; ++y)
            picture.pixels(y, x0, out.row(y));
        return;
    }
    case ShowCode::Animation: {
        const int frame = int(ms / shape.frameMs() % shape.frames);
        drawPage(picture, shape, frame, out);
        return;
    }
    default:
        drawPaged(picture, shape, ms, out);
        return;
    }
}

// A dashed line round the edge of the screen, running clockwise.
void drawLoopLamp(qint64 ms, SignFrame& out)
{
    const int width = out.widthPixels();
    const int height = out.height;
    const int period = kCardModel.lampDashPixels + kCardModel.lampGapPixels;
    const qint64 step = ms / kCardModel.lampStepMs;
    int i = 0;
    const auto mark = [&](int x, int y) {
        out.setLit(x, y, ((i - step) % period + period) % period < kCardModel.lampDashPixels);
        ++i;
    };
    for (int x = 0; x < width; ++x)
        mark(x, 0);
    for (int y = 1; y < height; ++y)
        mark(width - 1, y);
    for (int x = width - 2; x >= 0; --x)
        mark(x, height - 1);
    for (int y = height - 2; y > 0; --y)
        mark(0, y);
}

[[nodiscard]] qint64 groupPassMs(const CardMemory& memory, int m)
{
    return std::max<qint64>(1, passMs(memory, m) * kCardModel.alternationPasses);
}

} // namespace

qint64 passMs(const CardMemory& memory, int m)
{
    const MessagePicture picture(memory, m, {});
    return std::max<qint64>(1, shapeOf(memory, picture, m).passMs());
}

bool inWorkWindow(const CardMemory& memory, const QTime& time)
{
    if (!memory.workEnabled)
        return true;
    const int minute = time.hour() * kMinutesPerHour + time.minute();
    if (memory.workStart == memory.workEnd)
        return kCardModel.equalWorkTimesMeanAllDay;
    if (memory.workStart < memory.workEnd)
        return minute >= memory.workStart && minute < memory.workEnd;
    return minute >= memory.workStart || minute < memory.workEnd; // across midnight
}

void frame(const CardMemory& memory, int chosen, const SignTime& time, SignFrame& out)
{
    out.resize(memory.screenWidth, memory.screenHeight);
    out.brightness = memory.brightness;
    if (memory.screenWidth < 1 || memory.screenHeight < 1 || !inWorkWindow(memory, time.clock.timeOfDay))
        return;

    int m = isMessageIndex(chosen) ? chosen : 0;
    qint64 ms = time.playMs;
    if (memory.inAltGroup(m)) {
        const int last = std::min(memory.altBegin + memory.altCount, kMessageCount);
        qint64 round = 0;
        for (int i = memory.altBegin; i < last; ++i)
            round += groupPassMs(memory, i);
        ms %= round;
        for (m = memory.altBegin; ms >= groupPassMs(memory, m); ++m)
            ms -= groupPassMs(memory, m);
    }

    const CardMessage& message = memory.messages[m];
    const MessagePicture picture(memory, m, time.clock);
    const Shape shape = shapeOf(memory, picture, m);
    const bool flashedOff =
        message.flash() && ms % (kCardModel.flashOnMs + kCardModel.flashOffMs) >= kCardModel.flashOnMs;
    if (!flashedOff)
        drawMessage(picture, shape, ms, out);
    if (message.loopLamp())
        drawLoopLamp(ms, out);
}

SignFrame frame(const CardMemory& memory, int chosen, const SignTime& time)
{
    SignFrame out;
    frame(memory, chosen, time, out);
    return out;
}

} // namespace SignPlayer
