// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class MessageImages;
class Project;

// Brings the display data of the current message up to date: from its canvas (encodeMessage) or
// from bytes already in place (recountMessage). Both then fix the used lengths, the animation
// rounding of message 0 and the usage gauge.
class MessageEncoder {
public:
    MessageEncoder(Project& project, const MessageImages& images);

    void encodeMessage();
    void recountMessage();
    // The usage gauge alone, from the lengths as they are (its scale depends on the height).
    void redrawGauge();

    // Rounds n up to a whole number of screens of the given width; widths below 1 leave n alone.
    [[nodiscard]] static int roundToScreens(int n, int screenWidth);

private:
    void finishLengths(int message, int length);

    Project& m_project;
    const MessageImages& m_images;
};
