// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/messageimages.h"

MessageImages::MessageImages(QObject* parent)
    : QObject(parent)
{
}
