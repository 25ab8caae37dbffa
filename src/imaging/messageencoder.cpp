// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/messageencoder.h"

#include "imaging/bitpacking.h"
#include "imaging/messageimages.h"
#include "imaging/usagegauge.h"
#include "model/project.h"
#include "model/textnumbers.h"

MessageEncoder::MessageEncoder(Project& project, const MessageImages& images)
    : m_project(project)
    , m_images(images)
{
}

void MessageEncoder::encodeMessage()
{
    const int m = m_project.curMsg();
    const int length = packCanvas(m_images.canvas(m).image(), m_project.dispData().message(m));
    m_project.announceDisplayData(m);
    finishLengths(m, length);
    m_project.setModified(true);
}

void MessageEncoder::recountMessage()
{
    const int m = m_project.curMsg();
    finishLengths(m, usedLength(m_project.dispData().message(m)));
}

int MessageEncoder::roundToScreens(int n, int screenWidth)
{
    if (screenWidth < 1)
        return n;
    return (n + screenWidth - 1) / screenWidth * screenWidth;
}

void MessageEncoder::finishLengths(int message, int length)
{
    m_project.setMsgLen(message, length);
    if (m_project.message(0).mode.index() == kAnimationMode) {
        const int width = readInt16(m_project.globals().screenWidth.text()).value_or(0);
        m_project.setMsgLen(0, roundToScreens(m_project.msgLen()[0], width));
    }
    redrawGauge();
}

void MessageEncoder::redrawGauge()
{
    const UsageGauge gauge = UsageGauge::compute(m_project.msgLen(), m_project.globals().screenHeight.text());
    m_project.setGauge(gauge.segments, gauge.totalLen);
}
