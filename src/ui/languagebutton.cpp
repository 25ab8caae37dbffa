// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/languagebutton.h"

#include "texts/languagetexts.h"

#include <QActionGroup>
#include <QMenu>
#include <QMessageBox>

LanguageButton::LanguageButton(QSize size, QWidget* parent)
    : QToolButton(parent)
{
    setObjectName(QStringLiteral("CmdLanguage"));
    setFixedSize(size);
    setText(Language::nativeName(Language::inUse()));
    setToolTip(LanguageTexts::language());
    setAccessibleName(LanguageTexts::language());
    setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("MnuLanguage"));
    auto* group = new QActionGroup(menu);
    for (const Language::Id id : {Language::Id::Japanese, Language::Id::English}) {
        QAction* action = menu->addAction(Language::nativeName(id));
        action->setCheckable(true);
        action->setChecked(id == Language::inUse());
        action->setData(Language::code(id));
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, id] { choose(id); });
    }
    setMenu(menu);
}

void LanguageButton::choose(Language::Id id)
{
    emit chosen(id);
    if (id == Language::inUse())
        return;
    // Not modal: nothing waits for the answer.
    auto* box = new QMessageBox(QMessageBox::Information, LanguageTexts::language(),
                                LanguageTexts::nextStart(), QMessageBox::Ok, window());
    box->setObjectName(QStringLiteral("MsgLanguage"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
