// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

class Controller;
class QCheckBox;
class QLineEdit;
class QProgressBar;
class QScrollBar;

// The time and date frame: the clock display, the countdown days, the daily work-time window
// and the button that sets the card's clock.
class TimePanel : public QGroupBox {
    Q_OBJECT

public:
    TimePanel(Controller& controller, QWidget* parent);

private:
    [[nodiscard]] QLineEdit* timeField(const QString& name, void (Controller::*edit)(const QString&),
                                       void (Controller::*finish)());
    [[nodiscard]] QScrollBar* minutesBar(const QString& name, void (Controller::*set)(int));
    void refresh();

    Controller& m_controller;
    QLineEdit* m_clock = nullptr;
    QLineEdit* m_days = nullptr;
    QCheckBox* m_enabled = nullptr;
    QLineEdit* m_startText = nullptr;
    QScrollBar* m_start = nullptr;
    QLineEdit* m_endText = nullptr;
    QScrollBar* m_end = nullptr;
    QProgressBar* m_progress = nullptr;
};
