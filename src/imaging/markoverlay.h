// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPoint>
#include <QString>
#include <array>
#include <cstddef>
#include <utility>

// One mark: a text in the marks' font, with its character cell's top-left corner at topLeft.
struct Mark {
    QString text;
    QPoint topLeft;
    double points = 0.0;

    friend bool operator==(const Mark&, const Mark&) = default;
};

enum class MarkKind { Clock, Days };

// The marks shown over one message's image, where the card will put its clock and countdown
// digits. They live beside the canvas, never in it, so encoding cannot see them and no later
// re-encoding can lose the image under them.
class MarkOverlay {
public:
    // Replaces the earlier marks of that kind; the other kind stays.
    void setMarks(MarkKind kind, QList<Mark> marks) { m_marks.at(index(kind)) = std::move(marks); }
    void clear() { m_marks = {}; }

    [[nodiscard]] const QList<Mark>& marks(MarkKind kind) const { return m_marks.at(index(kind)); }
    [[nodiscard]] bool isEmpty() const
    {
        return marks(MarkKind::Clock).isEmpty() && marks(MarkKind::Days).isEmpty();
    }

private:
    [[nodiscard]] static constexpr std::size_t index(MarkKind kind) { return static_cast<std::size_t>(kind); }

    std::array<QList<Mark>, 2> m_marks;
};
