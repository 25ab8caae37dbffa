// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct GlobalSettings;

// The part of a message that the sign shows at once: its top rows (the screen height) and its
// width in pixels (the screen width in bytes, eight pixels each).
struct SignArea {
    int rows = 0;
    int width = 0; // 0 when the width text names no usable number

    [[nodiscard]] static SignArea of(const GlobalSettings& globals);
};
