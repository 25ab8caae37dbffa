// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "card/signframe.h"

#include <QMainWindow>

class CardRun;
class QComboBox;
class QLabel;
class QScrollArea;
class QSpinBox;
class QTimer;
class QTreeWidget;
class LedView;
struct CardExchange;

// The virtual card's window: the sign playing what the card last received, with the card's clock
// running, and beside it a log of every exchange with the decoder's checks. Which message shows
// outside an alternation group is the viewer's choice.
class CardWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit CardWindow(CardRun& run, QWidget* parent = nullptr);

private:
    [[nodiscard]] QWidget* makeSignSide();
    [[nodiscard]] QWidget* makeLog();
    void fitToScreen();
    void fitPitch(int width);
    void tick();
    void showMemory();
    void fitLogColumns();
    void logExchange(const CardExchange& exchange);

    CardRun& m_run;
    LedView* m_view = nullptr;
    QScrollArea* m_scroll = nullptr;
    int m_shownWidth = 0; // bytes of the sign last fitted
    QComboBox* m_message = nullptr;
    QSpinBox* m_pitch = nullptr;
    QLabel* m_clock = nullptr;
    QLabel* m_summary = nullptr;
    QTreeWidget* m_log = nullptr;
    QLabel* m_checks = nullptr; // of the exchange chosen in the log, in full
    QTimer* m_frames = nullptr;
    SignFrame m_frame;
};
