// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The model of the control card: how it is taken to time and draw what it holds. The card tells
// nothing back and no description of its playing exists, so every number below is this program's
// assumption, kept in this one table. An owner with a real card calibrates the virtual card, the
// animated views and `p10signctl preview` by watching the sign and changing the numbers here.
struct CardModel {
    // Moving left and right: pixels a second for speed 1 (slowest) to 8 (fastest). Up and down
    // move as many pixel rows a second; stacking and splitting open at the same pace.
    std::array<int, 8> pixelsPerSecond{8, 12, 16, 24, 32, 48, 64, 96};
    // Animation: how long each screen-wide frame of message 0 stays, for speed 1 to 8.
    std::array<int, 8> animationFrameMs{1000, 800, 600, 400, 300, 200, 150, 100};
    // Fixed, up, down, stacking and split show a long message one screen-wide page at a time;
    // each page stays this long once it is in place.
    int pageHoldMs = 2000;
    // The card shows its message over and over: after the last page held, the first page comes
    // again with its entrance, as a moving message comes round again. Otherwise the last page
    // would stay for good.
    bool pagesStartOver = true;
    // Stacking: the page is laid from the left in pieces this wide, each sliding in from the right
    // edge this many times faster than the speed's pixels a second.
    int stackPiecePixels = 8;
    int stackSpeedup = 8;

    // Flashing: the message lit, then dark, over and over; the loop lamp keeps running.
    int flashOnMs = 500;
    int flashOffMs = 500;

    // Loop lamp: a dashed frame on the outermost pixels, running clockwise one pixel a step.
    int lampDashPixels = 3;
    int lampGapPixels = 3;
    int lampStepMs = 100;

    // Each message of the alternation group plays this many whole passes of its show mode (the
    // message across the screen, all pages, or all frames) before the next one takes over.
    int alternationPasses = 1;

    // Clock and countdown digits: the card writes them into the message's picture, replacing its
    // bytes, each digit a cell two byte columns wide and as high as the screen, as the marks
    // show. The hours and minutes are two digits, the countdown three, with leading zeros.
    int digitCellBytes = 2;
    int countdownDigits = 3;
    // A message shorter than its digits' columns is taken as long enough to show them.
    bool digitsWidenMessage = true;
    // The countdown goes down by one at each midnight of the card's clock, stopping at 0.
    bool countdownRunsDown = true;
    // The glyphs, drawn on a 16-row sign with their top-left corner here in the cell; a 32-row sign
    // draws every glyph row twice.
    int glyphLeft = 3;
    int glyphTop = 1;
    static constexpr int kGlyphWidth = 10;
    static constexpr int kGlyphHeight = 14;
    using Glyph = std::array<std::string_view, kGlyphHeight>;
    std::array<Glyph, 10> digitGlyphs{{
        {"..######..", ".########.", "##......##", "##......##", "##......##", "##......##", "##......##",
         "##......##", "##......##", "##......##", "##......##", "##......##", ".########.", "..######.."},
        {"....##....", "...###....", "..####....", "....##....", "....##....", "....##....", "....##....",
         "....##....", "....##....", "....##....", "....##....", "....##....", "..######..", "..######.."},
        {"..######..", ".########.", "##......##", "........##", "........##", ".......##.", ".....###..",
         "...###....", "..##......", ".##.......", "##........", "##........", "##########", "##########"},
        {"..######..", ".########.", "##......##", "........##", "........##", "...#####..", "...#####..",
         "........##", "........##", "........##", "........##", "##......##", ".########.", "..######.."},
        {"......##..", ".....###..", "....####..", "...##.##..", "..##..##..", ".##...##..", "##....##..",
         "##########", "##########", "......##..", "......##..", "......##..", "......##..", "......##.."},
        {"##########", "##########", "##........", "##........", "#######...", "########..", ".......##.",
         "........##", "........##", "........##", "........##", "##......##", ".########.", "..######.."},
        {"..######..", ".########.", "##......##", "##........", "##........", "########..", "#########.",
         "##......##", "##......##", "##......##", "##......##", "##......##", ".########.", "..######.."},
        {"##########", "##########", "........##", ".......##.", "......##..", ".....##...", "....##....",
         "....##....", "...##.....", "...##.....", "...##.....", "...##.....", "...##.....", "...##....."},
        {"..######..", ".########.", "##......##", "##......##", "##......##", ".########.", "..######..",
         ".########.", "##......##", "##......##", "##......##", "##......##", ".########.", "..######.."},
        {"..######..", ".########.", "##......##", "##......##", "##......##", "##......##", ".#########",
         "..########", "........##", "........##", "........##", "##......##", ".########.", "..######.."},
    }};

    // Work window: outside it the whole sign is dark. A window whose start and end are the same
    // minute is taken as never switching the sign off.
    bool equalWorkTimesMeanAllDay = true;

    // Brightness 1 to 4: how bright a lit LED looks, as a share of full brightness.
    std::array<double, 4> brightnessShare{0.35, 0.55, 0.78, 1.0};

    // Receiving. Arrival times are taken when the bytes are read, which may lag the line.
    int arrivalSlackMs = 100;
    // A pause at least this long ends a frame: the header, the time and the schedule each come
    // alone between pauses of 200 ms or more.
    int framePauseMs = 100;
    // The line quiet this long ends an exchange that is still waiting for bytes, such as an upload
    // whose 16 rows could be the first half of 32. Longer than a sender gives a stalled line.
    int exchangeQuietMs = 2500;
};

inline constexpr CardModel kCardModel{};
