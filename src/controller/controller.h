// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controller/projectstate.h"
#include "imaging/marklayout.h"
#include "imaging/messageencoder.h"
#include "imaging/messageimages.h"
#include "link/transfercommands.h"
#include "model/globalsettings.h"
#include "model/messagesettings.h"
#include "model/project.h"

#include <QObject>
#include <QString>
#include <memory>

class Clock;
class Dialogs;
class LightingChooser;
class LinkTime;
class PortCatalogue;
class PortList;
class SerialLine;

// One method per operator action. The window calls these with its widgets' values, loading and
// the command line call the same ones, so a change made by the program runs exactly the rules an
// operator's change runs.
class Controller : public QObject {
    Q_OBJECT

public:
    // The front end gives the machine's ports and clock (or stand-ins); the exchanges run on the
    // given time, or on the computer's steady clock without one.
    Controller(Dialogs& dialogs, SerialLine& line, PortCatalogue& ports, Clock& clock,
               LinkTime* time = nullptr, QObject* parent = nullptr);
    ~Controller() override;

    [[nodiscard]] Project& project() { return m_project; }
    [[nodiscard]] const Project& project() const { return m_project; }
    [[nodiscard]] MessageImages& images() { return m_images; }
    [[nodiscard]] const MessageImages& images() const { return m_images; }

    // Message pages. The selected tab is kept apart from CurMsg, which some commands move.
    [[nodiscard]] int selectedTab() const { return m_selectedTab; }
    void selectTab(int message);

    void setMessageText(int m, const QString& text);
    void setFontName(int m, const QString& name);
    void setBold(int m, bool bold);
    void setFlash(int m, bool flash);
    void setLoopLamp(int m, bool loopLamp);
    void setTopAdjText(int m, const QString& text);
    void setAdjustBar(int m, int value);
    void setScroll(int m, int value);

    // Lists: choosing an entry runs the list's handler; typing only changes its text, except for
    // the screen height and brightness, whose edits mark the project changed.
    void chooseEntry(int m, MessageList list, int index);
    void typeText(int m, MessageList list, const QString& text);
    void chooseEntry(GlobalList list, int index);
    void typeText(GlobalList list, const QString& text);

    void setShowMarks(bool show);
    void setCountdownDays(const QString& text);

    // Work time: the minute values run the display rule; a typed time counts when the field is left.
    void setWorkTimeEnabled(bool enabled);
    void setStartMinutes(int minutes);
    void setEndMinutes(int minutes);
    void editStartTimeText(const QString& text);
    void editEndTimeText(const QString& text);
    void finishStartTimeText();
    void finishEndTimeText();

    // Alternation boxes are never shown; loading and the command line tick them.
    void setAltTicked(int m, bool ticked);
    // Unticks every box, then ticks begin .. begin + count - 1 one after another, each tick
    // running the chain rule, as loading rebuilds a stored group. Boxes past the last message
    // are left out.
    void setAltRun(int begin, int count);
    void findAltGroup();

    void encodeMessage() { m_encoder.encodeMessage(); }
    void recountMessage() { m_encoder.recountMessage(); }

    // Message images: adopting the text, importing and exporting pictures, on the current
    // message. The path-taking variants serve front ends without file dialogs; they tell the
    // operator what went wrong and answer false.
    void adoptText();
    void importPicture();
    bool importPictureFrom(const QString& path);
    // With a chooser, each imported picture is lit as the operator chooses; without one it is taken
    // as it is.
    void setLightingChooser(LightingChooser* chooser) { m_lightingChooser = chooser; }
    void exportPicture();
    // A name without an extension gets ".bmp".
    bool exportPictureTo(const QString& path);

    // An exchange with the card holds the serial line open.
    [[nodiscard]] bool transferInProgress() const;
    // Shows "現在転送中。" and answers true while a transfer runs: the guard of every command
    // that changes the data.
    [[nodiscard]] bool refusedWhileBusy();

    // Device link. The two commands answer whether an exchange has started; transferFinished()
    // follows when it has ended and the line is closed again.
    bool send(TransferCommands::Overflow overflow = TransferCommands::Overflow::Ask);
    bool sendClock();
    [[nodiscard]] bool readComSet();
    // Stops a running exchange and closes the line at once (the window closing).
    void abortTransfer();
    // Start-up: the port list becomes the machine's ports, with the usual one selected.
    void scanPorts();
    // The port list is opened: the machine's ports of now, the choice kept; not while the line is
    // in use.
    void refreshPorts();
    // The clock display, "hh:mm".
    [[nodiscard]] QString timeText() const;
    // The computer's clock: the clock display, the clock set and the sign view all read this one.
    [[nodiscard]] const Clock& clock() const { return m_clock; }
    // The device that the chosen port name stands for, shown beside the port list.
    [[nodiscard]] QString portDevice() const;
    // The same text for every name of one port (see ExchangeSpacing::portKey), by the port list
    // of the last look at the machine's ports.
    [[nodiscard]] QString portKey(const QString& text) const;
    // Why a listed port cannot be opened, with the remedy; empty when it can.
    [[nodiscard]] QString portProblem(const QString& name) const;
    // How the last exchange ended and how long it took, or the time a running upload has left.
    [[nodiscard]] QString transferStatus() const;
    // Another project was loaded; the status of the last exchange concerned the one before.
    void clearTransferStatus();
    // How long the ports used so far must stay quiet before their cards take a new exchange.
    [[nodiscard]] qint64 linkQuietLeftMs() const;

    // Window start-up: the font lists, every font set to "System", page 0 and an unchanged project.
    void startUp();

    // Undo and redo: the project as it is, and back to one taken before. What belongs to the
    // machine and the moment (the port, the brightness, the marks' switch, the preview
    // positions, the page showing) stays as it is now.
    // A state taken before shares the display data and pictures that are still the same.
    [[nodiscard]] ProjectState state(const ProjectState* before = nullptr) const;
    void restore(const ProjectState& state);

signals:
    // How far the running upload or clock set has come; a value of 0 shows it has ended.
    void uploadProgressChanged(int maximum, int value);
    void clockProgressChanged(int maximum, int value);
    void transferStatusChanged(const QString& text);
    void transferFinished(bool completed);

private:
    template <typename Change> void changeMessage(int m, Change&& change);
    void screenHeightChanged();
    void reencodeMessageZero(int thenCurrent);
    void clockChoiceChanged();
    void daysChoiceChanged();
    void showMarks(MarkKind kind, const std::optional<MarkLayout::Placement>& placement);
    void setWorkMinutes(bool start, int minutes);
    void finishTimeText(bool start);
    void setUpLink();

    Dialogs& m_dialogs;
    LightingChooser* m_lightingChooser = nullptr;
    SerialLine& m_line;
    Project m_project;
    MessageImages m_images;
    MessageEncoder m_encoder{m_project, m_images};
    int m_selectedTab = 0;

    // Device link.
    PortCatalogue& m_ports;
    const Clock& m_clock;
    std::unique_ptr<LinkTime> m_systemTime;
    LinkTime* m_time = nullptr;
    std::unique_ptr<PortList> m_portList;
    std::unique_ptr<TransferCommands> m_transfers;
};
