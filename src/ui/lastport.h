// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class Controller;
class RecentPlaces;

// The port used last is chosen again at the next start. It belongs to the computer, not to a
// project, so it is kept with what the window remembers and never in the project's files.
class LastPort : public QObject {
    Q_OBJECT

public:
    LastPort(Controller& controller, RecentPlaces& places, QObject* parent = nullptr);

    // After start-up's look at the ports: the port used last becomes the choice again where the
    // machine still has it, or as typed when it is a network address; from then on each choice
    // is remembered.
    void restore();

private:
    void remember();

    Controller& m_controller;
    RecentPlaces& m_places;
};
