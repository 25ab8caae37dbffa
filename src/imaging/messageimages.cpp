#include "imaging/messageimages.h"

MessageImages::MessageImages(QObject* parent)
    : QObject(parent)
{
}
