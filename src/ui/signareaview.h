// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class Project;

// Laid over a preview: shades the rows that the sign does not show and frames the width that it
// shows at once, from the preview's left edge, so the operator sees what fits at this scroll
// position.
class SignAreaView : public QWidget {
    Q_OBJECT

public:
    SignAreaView(const Project& project, QWidget* parent);

    void setZoom(int zoom);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Project& m_project;
    int m_zoom = 1;
};
