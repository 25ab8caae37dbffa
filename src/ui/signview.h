// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "card/cardmemory.h"
#include "card/signframe.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

class Controller;
class LedView;
class QLabel;
class QTimer;

// A window beside the main one that plays the message of the page showing as the sign will show
// it: what an upload of the project would leave on the card, played by the virtual card's player
// and drawn by its painter, with the computer's clock as the card's. It tells how long the upload
// takes and whether the project fits the card, and follows every change of the project.
class SignView : public QWidget {
    Q_OBJECT

public:
    static constexpr int kFramesPerSecond = 30;

    // A window of its own beside the given one, never kept in front of it, so that the operator
    // can bring the main window forward over it.
    SignView(const Controller& controller, QWidget* beside);

    // Shows the window, or brings it to the front.
    void open();
    // Shows the sign as it is this long after it began playing what the project holds now.
    void playAt(qint64 playMs);
    [[nodiscard]] const SignFrame& frame() const;
    // Where a window of this size goes beside the occupied one: on its right, below, on its left or
    // above, the first where it fits on the screen; else where the most of it shows, kept on the
    // screen.
    [[nodiscard]] static QPoint placeBeside(const QRect& occupied, const QSize& size, const QRect& screen);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void markStale() { m_stale = true; }
    void placeBesideMainWindow();
    // A sign made taller or wider keeps the window on the screen.
    void keepOnScreen();
    // As close as the viewer asks while the whole sign stays on the screen.
    void zoomTo(int pitch);
    // Takes the project again when it changed; a different card memory or message starts the
    // playing over, as an upload starts the sign over.
    void takeProject();
    void showTexts();

    const Controller& m_controller;
    QPointer<QWidget> m_beside;
    CardMemory m_memory;
    int m_message = 0;
    bool m_stale = true;
    bool m_placed = false;
    SignFrame m_next;
    QElapsedTimer m_playing;
    QTimer* m_ticks = nullptr;
    LedView* m_leds = nullptr;
    QLabel* m_messageLabel = nullptr;
    QLabel* m_uploadLabel = nullptr;
    QLabel* m_fitLabel = nullptr;
    QLabel* m_darkLabel = nullptr;
};
