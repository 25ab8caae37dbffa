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
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            emit focusLeft();
    }
    return QObject::eventFilter(watched, event);
}
