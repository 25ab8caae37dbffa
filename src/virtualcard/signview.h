#pragma once

#include "card/ledpainter.h"
#include "card/signframe.h"

#include <QImage>
#include <QWidget>

// The sign as LEDs: round dots on a dark board at the sign's own aspect, as large as the pitch
// says. It draws only when the frame it is given differs from the one it shows.
class SignView : public QWidget {
    Q_OBJECT

public:
    explicit SignView(QWidget* parent = nullptr);

    void setFrame(const SignFrame& frame);
    void setPitch(int pitch);
    [[nodiscard]] int pitch() const { return m_painter.pitch(); }
    [[nodiscard]] QSize sizeHint() const override;

signals:
    // Ctrl and the mouse wheel ask for another pitch.
    void pitchWanted(int pitch);

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void redraw();

    LedPainter m_painter{4};
    SignFrame m_frame;
    QImage m_image;
};
