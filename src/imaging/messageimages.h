#pragma once

#include "imaging/messagecanvas.h"
#include "model/limits.h"

#include <QObject>

#include <array>

// The sixteen message canvases. Whoever draws into one announces it, so that previews repaint.
class MessageImages : public QObject {
    Q_OBJECT

public:
    explicit MessageImages(QObject* parent = nullptr);

    [[nodiscard]] const MessageCanvas& canvas(int m) const { return m_canvases.at(m); }
    [[nodiscard]] MessageCanvas& canvas(int m) { return m_canvases.at(m); }
    void announce(int m) { emit imageChanged(m); }

signals:
    void imageChanged(int message);

private:
    std::array<MessageCanvas, kMessageCount> m_canvases;
};
