// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "card/ledpainter.h"
#include "card/signframe.h"

#include <QImage>
#include <QWidget>
#include <optional>

// The sign drawn as LEDs by the painter of `p10signctl preview`, so that the window's view, the
// virtual card and the preview look alike. A frame is painted once, when it differs from the one
// showing; repaints draw that picture.
class LedView : public QWidget {
    Q_OBJECT

public:
    static constexpr int kMinPitch = 2;
    static constexpr int kMaxPitch = 8;

    explicit LedView(QWidget* parent = nullptr);

    void setFrame(const SignFrame& frame);
    // A pitch chosen by the viewer; until one is chosen the sign's width chooses it.
    void setPitch(int pitch);
    [[nodiscard]] const SignFrame& frame() const { return m_frame; }
    [[nodiscard]] const QImage& image() const { return m_image; }
    [[nodiscard]] int pitch() const { return m_painter ? m_painter->pitch() : 0; }
    [[nodiscard]] QSize sizeHint() const override { return m_image.size(); }

    // The LED pitch for a sign this many pixels wide: as large as keeps the picture within a
    // usual screen, and never so small that the dots run together.
    [[nodiscard]] static int pitchFor(int widthPixels);

signals:
    // Ctrl and the mouse wheel ask for another pitch.
    void pitchWanted(int pitch);

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void redraw(int pitch);

    static constexpr int kLargestWidth = 768;

    SignFrame m_frame;
    std::optional<int> m_chosenPitch;
    std::optional<LedPainter> m_painter;
    QImage m_image;
};
