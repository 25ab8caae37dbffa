// SPDX-License-Identifier: GPL-3.0-or-later
#include "controller/projecthistory.h"

#include "controller/controller.h"
#include "imaging/messageimages.h"

#include <QScopedValueRollback>
#include <QTimer>

namespace {

// Each step keeps the pictures it changed (2 MB each); fifty steps keep the memory within bounds.
constexpr int kStepsKept = 50;

// Changes of these kept on running into the field they were typed in make one step each.
bool typedInOneField(const QStringList& differences)
{
    return differences.size() == 1 && (differences.front().startsWith(QStringLiteral("text ")) ||
                                       differences.front().startsWith(QStringLiteral("adjust ")) ||
                                       differences.front().startsWith(QStringLiteral("font ")) ||
                                       differences.front() == QStringLiteral("days"));
}

} // namespace

class ProjectHistory::Step : public QUndoCommand {
public:
    Step(ProjectHistory& history, ProjectState before, ProjectState after, QStringList differences)
        : m_history(history)
        , m_before(std::move(before))
        , m_after(std::move(after))
        , m_differences(std::move(differences))
    {
    }

    // Every typed step shares the id; mergeWith decides whether the field is the same one.
    [[nodiscard]] int id() const override { return typedInOneField(m_differences) ? 1 : -1; }
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const Step*>(other);
        if (next->m_differences != m_differences)
            return false;
        m_after = next->m_after;
        return true;
    }
    void undo() override { m_history.apply(m_before); }
    void redo() override
    {
        // Pushing a step finds the project already changed.
        if (!m_done) {
            m_done = true;
            return;
        }
        m_history.apply(m_after);
    }

private:
    ProjectHistory& m_history;
    ProjectState m_before;
    ProjectState m_after;
    QStringList m_differences;
    bool m_done = false;
};

ProjectHistory::ProjectHistory(Controller& controller, QObject* parent)
    : QObject(parent)
    , m_controller(controller)
    , m_recorded(controller.state())
{
    m_stack.setUndoLimit(kStepsKept);
    // Whatever announces a change may have changed the project; the comparison tells.
    const Project& project = controller.project();
    for (const auto changed :
         {&Project::globalsChanged, &Project::workTimeChanged, &Project::altBoxesChanged})
        connect(&project, changed, this, &ProjectHistory::projectChanged);
    connect(&project, &Project::messageChanged, this, &ProjectHistory::projectChanged);
    connect(&project, &Project::displayDataChanged, this, &ProjectHistory::projectChanged);
    connect(&controller.images(), &MessageImages::imageChanged, this, &ProjectHistory::projectChanged);
    connect(&m_stack, &QUndoStack::cleanChanged, this, &ProjectHistory::followClean);
    connect(&controller.project(), &Project::modifiedChanged, this, [this](bool modified) {
        if (!modified && !m_applying)
            restart();
    });
}

void ProjectHistory::undo()
{
    recordNow();
    m_stack.undo();
}

void ProjectHistory::redo()
{
    recordNow();
    m_stack.redo();
}

void ProjectHistory::restart()
{
    m_stack.clear();
    m_recorded = m_controller.state(&m_recorded);
    m_pending = false;
    followClean();
}

void ProjectHistory::projectChanged()
{
    if (m_applying || m_pending)
        return;
    m_pending = true;
    QTimer::singleShot(0, this, &ProjectHistory::recordNow);
}

void ProjectHistory::recordNow()
{
    if (!m_pending)
        return;
    m_pending = false;
    ProjectState now = m_controller.state(&m_recorded);
    const QStringList differences = now.differences(m_recorded);
    if (!differences.isEmpty()) {
        m_stack.push(new Step(*this, m_recorded, now, differences));
        m_recorded = std::move(now);
        emit changed();
    }
    followClean();
}

void ProjectHistory::apply(const ProjectState& state)
{
    {
        const QScopedValueRollback applying(m_applying, true);
        m_controller.restore(state);
    }
    m_recorded = m_controller.state(&state);
    followClean();
    emit changed();
}

void ProjectHistory::followClean()
{
    const QScopedValueRollback applying(m_applying, true);
    m_controller.project().setModified(!m_stack.isClean());
}
