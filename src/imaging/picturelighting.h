// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// How an imported picture becomes lit and dark dots. The sign lights strong red only, so a
// black-on-white logo would come out as a lit background and a photo would mostly vanish; the
// operator may instead split the picture by brightness, with error diffusion for photos, and
// light its dark parts rather than its bright ones.
class PictureLighting {
public:
    enum class Method {
        StrongRed,  // the picture as it is: strong red lights
        Brightness, // brighter than the threshold lights
        Dithered,   // brightness with Floyd–Steinberg error diffusion, for photos
    };

    struct Choice {
        Method method = Method::StrongRed;
        int threshold = kDefaultThreshold; // 0–255, used by Brightness and Dithered
        bool inverted = false;             // the parts that would be dark light, and the others not

        [[nodiscard]] bool changesPicture() const { return method != Method::StrongRed || inverted; }
        bool operator==(const Choice&) const = default;
    };

    static constexpr int kDefaultThreshold = 128;
    static constexpr int kMaxThreshold = 255;

    // The picture to import: unchanged when the choice changes nothing, so a picture taken as it is
    // encodes as it always did; otherwise pure red where it lights and black elsewhere.
    [[nodiscard]] static QImage apply(const QImage& picture, const Choice& choice);
    // What the sign lights of a picture: pure red for lit pixels, black for all others.
    [[nodiscard]] static QImage litPattern(const QImage& picture);
};
