// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/displaydata.h"
#include "model/gaugesegment.h"
#include "model/globalsettings.h"
#include "model/limits.h"
#include "model/messagesettings.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <array>
#include <cstdint>

// The project the operator edits: every setting, the display data and the working state that the
// handlers share. It holds no rules; the controller applies them. It announces every change so
// that the window can follow.
class Project : public QObject {
    Q_OBJECT

public:
    explicit Project(QObject* parent = nullptr);

    [[nodiscard]] const GlobalSettings& globals() const { return m_globals; }
    [[nodiscard]] const WorkTime& workTime() const { return m_workTime; }
    [[nodiscard]] const MessageSettings& message(int m) const { return m_messages.at(m); }
    [[nodiscard]] const AltBoxes& altBoxes() const { return m_altBoxes; }
    [[nodiscard]] const QStringList& fontFamilies() const { return m_fontFamilies; }

    // Changes go through these so that every change is announced.
    template <typename Change> void editGlobals(Change&& change)
    {
        change(m_globals);
        emit globalsChanged();
    }
    template <typename Change> void editWorkTime(Change&& change)
    {
        change(m_workTime);
        emit workTimeChanged();
    }
    template <typename Change> void editMessage(int m, Change&& change)
    {
        change(m_messages.at(m));
        emit messageChanged(m);
    }
    template <typename Change> void editAltBoxes(Change&& change)
    {
        change(m_altBoxes);
        emit altBoxesChanged();
    }
    void setFontFamilies(QStringList families);

    // Working state.
    [[nodiscard]] int curMsg() const { return m_curMsg; }
    void setCurMsg(int m);

    [[nodiscard]] const DisplayData& dispData() const { return m_dispData; }
    [[nodiscard]] DisplayData& dispData() { return m_dispData; }
    void announceDisplayData(int m) { emit displayDataChanged(m); }

    [[nodiscard]] const std::array<int, kMessageCount>& msgLen() const { return m_msgLen; }
    void setMsgLen(int m, int length) { m_msgLen.at(m) = length; }
    [[nodiscard]] int totalLen() const { return m_totalLen; }
    [[nodiscard]] const QList<GaugeSegment>& gauge() const { return m_gauge; }
    void setGauge(QList<GaugeSegment> segments, int totalLen);

    [[nodiscard]] std::uint8_t altBeginMsg() const { return m_altBeginMsg; }
    [[nodiscard]] std::uint8_t altMsgNum() const { return m_altMsgNum; }
    void setAltGroup(std::uint8_t begin, std::uint8_t count);

    [[nodiscard]] bool modified() const { return m_modified; }
    void setModified(bool modified);

    // The name of the settings file last saved or loaded, without folder and extension.
    [[nodiscard]] const QString& fileLabel() const { return m_fileLabel; }
    void setFileLabel(const QString& label);

signals:
    void globalsChanged();
    void workTimeChanged();
    void messageChanged(int message);
    void altBoxesChanged();
    void fontFamiliesChanged();
    void currentMessageChanged(int message);
    void displayDataChanged(int message);
    void gaugeChanged();
    void altGroupChanged();
    void modifiedChanged(bool modified);
    void fileLabelChanged(const QString& label);

private:
    static std::array<MessageSettings, kMessageCount> startUpMessages();

    GlobalSettings m_globals;
    WorkTime m_workTime;
    std::array<MessageSettings, kMessageCount> m_messages = startUpMessages();
    AltBoxes m_altBoxes{};
    QStringList m_fontFamilies;

    int m_curMsg = 0;
    DisplayData m_dispData;
    std::array<int, kMessageCount> m_msgLen{};
    int m_totalLen = 0;
    QList<GaugeSegment> m_gauge;
    std::uint8_t m_altBeginMsg = 0;
    std::uint8_t m_altMsgNum = 0;
    bool m_modified = false;
    QString m_fileLabel;
};
