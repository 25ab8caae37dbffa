// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "imaging/markoverlay.h"
#include "imaging/messagecanvas.h"
#include "model/limits.h"

#include <QObject>
#include <array>

// The sixteen message canvases and the marks shown over them. Whoever changes either announces
// it, so that previews repaint.
class MessageImages : public QObject {
    Q_OBJECT

public:
    explicit MessageImages(QObject* parent = nullptr);

    [[nodiscard]] const MessageCanvas& canvas(int m) const { return m_canvases.at(m); }
    [[nodiscard]] MessageCanvas& canvas(int m) { return m_canvases.at(m); }
    [[nodiscard]] const MarkOverlay& overlay(int m) const { return m_overlays.at(m); }
    [[nodiscard]] MarkOverlay& overlay(int m) { return m_overlays.at(m); }
    void announce(int m) { emit imageChanged(m); }

signals:
    void imageChanged(int message);

private:
    std::array<MessageCanvas, kMessageCount> m_canvases;
    std::array<MarkOverlay, kMessageCount> m_overlays;
};
