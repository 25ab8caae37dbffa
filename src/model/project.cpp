// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/project.h"

#include <utility>

Project::Project(QObject* parent)
    : QObject(parent)
{
}

std::array<MessageSettings, kMessageCount> Project::startUpMessages()
{
    return [&]<std::size_t... I>(std::index_sequence<I...>)
    {
        return std::array<MessageSettings, kMessageCount>{MessageSettings(static_cast<int>(I))...};
    }
    (std::make_index_sequence<kMessageCount>());
}

void Project::setFontFamilies(QStringList families)
{
    m_fontFamilies = std::move(families);
    emit fontFamiliesChanged();
}

void Project::setCurMsg(int m)
{
    if (!isMessageIndex(m) || m == m_curMsg)
        return;
    m_curMsg = m;
    emit currentMessageChanged(m);
}

void Project::setGauge(QList<GaugeSegment> segments, int totalLen)
{
    m_gauge = std::move(segments);
    m_totalLen = totalLen;
    emit gaugeChanged();
}

void Project::setAltGroup(std::uint8_t begin, std::uint8_t count)
{
    m_altBeginMsg = begin;
    m_altMsgNum = count;
    emit altGroupChanged();
}

void Project::setModified(bool modified)
{
    if (m_modified == modified)
        return;
    m_modified = modified;
    emit modifiedChanged(modified);
}

void Project::setFileLabel(const QString& label)
{
    m_fileLabel = label;
    emit fileLabelChanged(label);
}
