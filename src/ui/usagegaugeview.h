// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

struct GaugeSegment;
class Project;

// The memory usage gauge: the project's segments painted on a black bar, 806 x 11 pixels, inside
// a sunken frame.
class UsageGaugeView : public QFrame {
    Q_OBJECT

public:
    UsageGaugeView(const Project& project, QWidget* parent);

    // Both ends are included and rounded to whole pixels; a segment narrower than a pixel still
    // covers one.
    [[nodiscard]] static QRect segmentRect(const GaugeSegment& segment);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Project& m_project;
};
