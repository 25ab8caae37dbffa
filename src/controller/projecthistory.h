// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controller/projectstate.h"

#include <QObject>
#include <QUndoStack>

class Controller;

// The undo history of the operator's changes to the project. Each change (a text typed, a
// picture imported, a setting chosen) becomes a step as soon as the action that made it has
// finished; keys typed into one field in a row make one step. The
// stack's clean state is the project's saved state: the project is modified exactly when the
// history stands elsewhere. Whoever declares the project unchanged (start-up, a load, a save)
// starts a new history.
class ProjectHistory : public QObject {
    Q_OBJECT

public:
    explicit ProjectHistory(Controller& controller, QObject* parent = nullptr);

    [[nodiscard]] QUndoStack& stack() { return m_stack; }
    void undo();
    void redo();
    // A new history from the project as it is now, which counts as saved.
    void restart();
    // Makes a step of a change not yet recorded (the history records after the event loop's turn).
    void recordNow();

signals:
    // A step was recorded, undone or redone: the project differs from what it was.
    void changed();

private:
    class Step;

    void projectChanged();
    void apply(const ProjectState& state);
    void followClean();

    Controller& m_controller;
    QUndoStack m_stack;
    ProjectState m_recorded;
    bool m_pending = false;
    // The history itself is changing the project: nothing of that is a step.
    bool m_applying = false;
};
