// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/buttonkeys.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QShortcut>

namespace {

// A field claims the keys it handles itself before any shortcut sees them, and types the letter of
// an Alt key that no shortcut took. AltGr comes with Ctrl (Windows) or as a modifier of its own
// (X11, Wayland), so the letters it types pass.
class FieldGuard : public QObject {
public:
    FieldGuard(QWidget* window, const QList<QKeySequence>& windowKeys)
        : QObject(window)
        , m_window(window)
        , m_windowKeys(windowKeys)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
            return false;
        const auto* field = qobject_cast<QWidget*>(watched);
        if (!field || field->window() != m_window)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (event->type() == QEvent::ShortcutOverride) {
            if (!m_windowKeys.contains(QKeySequence(key->keyCombination())))
                return false;
            key->ignore();
            return true;
        }
        const Qt::KeyboardModifiers held = key->modifiers() & ~Qt::ShiftModifier;
        return held == Qt::AltModifier && !key->text().isEmpty() && key->text().front().isPrint();
    }

private:
    QWidget* m_window = nullptr;
    QList<QKeySequence> m_windowKeys;
};

} // namespace

namespace ButtonKeys {

void give(QAbstractButton* button, Qt::Key letter, const QKeySequence& shortcut)
{
    // The button itself stands for the shortcuts' context: a disabled or hidden button answers
    // none of its keys.
    const auto press = [button] { button->click(); };
    if (QKeySequence::mnemonic(button->text()).isEmpty())
        bind(button, QKeySequence(Qt::ALT | letter), press);
    if (!shortcut.isEmpty())
        bind(button, shortcut, press);
}

void bind(QWidget* owner, const QKeySequence& key, std::function<void()> action)
{
    auto* shortcut = new QShortcut(key, owner);
    QObject::connect(shortcut, &QShortcut::activated, owner, std::move(action));
}

void guardFields(QWidget* window, const QList<QKeySequence>& windowKeys)
{
    QCoreApplication::instance()->installEventFilter(new FieldGuard(window, windowKeys));
}

} // namespace ButtonKeys
