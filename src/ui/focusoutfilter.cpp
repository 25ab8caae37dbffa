// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/focusoutfilter.h"

#include <QFocusEvent>

FocusOutFilter* FocusOutFilter::watch(QObject* watched)
{
    auto* filter = new FocusOutFilter(watched);
    watched->installEventFilter(filter);
    return filter;
}

bool FocusOutFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
        emit focusLeft();
    return QObject::eventFilter(watched, event);
}
