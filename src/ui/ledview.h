#pragma once

#include "card/ledpainter.h"
#include "card/signframe.h"

#include <QImage>
#include <QWidget>
#include <optional>

// The sign drawn as LEDs by the painter of the virtual card and `p10signctl preview`, so that all
// three look alike. A frame is painted once, when it differs from the one showing; repaints draw
// that picture.
class LedView : public QWidget {
    Q_OBJECT

public:
    explicit LedView(QWidget* parent);

    void setFrame(const SignFrame& frame);
    [[nodiscard]] const SignFrame& frame() const { return m_frame; }
    [[nodiscard]] const QImage& image() const { return m_image; }
    [[nodiscard]] int pitch() const { return m_painter ? m_painter->pitch() : 0; }

    // The LED pitch for a sign this many pixels wide: as large as keeps the picture within a
    // usual screen, and never so small that the dots run together.
    [[nodiscard]] static int pitchFor(int widthPixels);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static constexpr int kLargestWidth = 768;
    static constexpr int kMinPitch = 2;
    static constexpr int kMaxPitch = 8;

    SignFrame m_frame;
    std::optional<LedPainter> m_painter;
    QImage m_image;
};
