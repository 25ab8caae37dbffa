// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "imaging/picturelighting.h"

#include <optional>

class QImage;

// The operator's choice of how an imported picture lights, asked with the picture in view. The
// window asks; front ends without one take every picture as it is.
class LightingChooser {
public:
    virtual ~LightingChooser() = default;

    // Nothing when the operator cancels the import.
    [[nodiscard]] virtual std::optional<PictureLighting::Choice> choose(const QImage& picture) = 0;
};
