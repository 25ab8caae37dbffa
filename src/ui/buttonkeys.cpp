// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/buttonkeys.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QShortcut>

namespace {

// A field claims the keys it handles itself before any shortcut sees them; this one turns the
// claim on one key down for the fields of one window.
class FieldClaimRefusal : public QObject {
public:
    FieldClaimRefusal(const QKeySequence& key, QWidget* owner)
        : QObject(owner)
        , m_key(key)
        , m_owner(owner)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        const auto* field = qobject_cast<QWidget*>(watched);
        auto* key = static_cast<QKeyEvent*>(event);
        if (!field || field->window() != m_owner->window() || QKeySequence(key->keyCombination()) != m_key)
            return false;
        key->ignore();
        return true;
    }

private:
    QKeySequence m_key;
    QWidget* m_owner = nullptr;
};

// AltGr comes with Ctrl (Windows) or as a modifier of its own (X11, Wayland), so the letters it
// types pass.
class AltLetterStop : public QObject {
public:
    explicit AltLetterStop(QWidget* window)
        : QObject(window)
        , m_window(window)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto* field = qobject_cast<QWidget*>(watched);
        const Qt::KeyboardModifiers held = key->modifiers() & ~Qt::ShiftModifier;
        return held == Qt::AltModifier && field && field->window() == m_window && !key->text().isEmpty() &&
               key->text().front().isPrint();
    }

private:
    QWidget* m_window = nullptr;
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

void bindOverFields(QWidget* owner, const QKeySequence& key, std::function<void()> action)
{
    bind(owner, key, std::move(action));
    QCoreApplication::instance()->installEventFilter(new FieldClaimRefusal(key, owner));
}

void keepAltLettersOutOfFields(QWidget* window)
{
    QCoreApplication::instance()->installEventFilter(new AltLetterStop(window));
}

} // namespace ButtonKeys
