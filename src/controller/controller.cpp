// SPDX-License-Identifier: GPL-3.0-or-later
#include "controller/controller.h"

#include "controller/lightingchooser.h"
#include "dialogs/dialogs.h"
#include "imaging/fontcatalogue.h"
#include "imaging/fontsubstitution.h"
#include "imaging/messagepainter.h"
#include "imaging/picturefiles.h"
#include "imaging/textrenderer.h"
#include "link/clock.h"
#include "link/exchangespacing.h"
#include "link/portcatalogue.h"
#include "link/portlist.h"
#include "link/serialline.h"
#include "link/systemlinktime.h"
#include "link/transfercommands.h"
#include "model/limits.h"
#include "schedule/alternation.h"
#include "schedule/worktimerules.h"
#include "texts/messagetexts.h"
#include "texts/picturetexts.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

bool Controller::transferInProgress() const
{
    return m_line.isOpen();
}

bool Controller::refusedWhileBusy()
{
    if (!transferInProgress())
        return false;
    m_dialogs.tell(MessageTexts::busyTitle(), MessageTexts::busy());
    return true;
}

void Controller::selectTab(int message)
{
    if (!isMessageIndex(message))
        return;
    m_selectedTab = message;
    m_project.setCurMsg(message);
}

template <typename Change> void Controller::changeMessage(int m, Change&& change)
{
    // Everything on a message page but the preview's scroll position is kept in the project
    // file, so any change of it is a change of the project.
    if (!isMessageIndex(m))
        return;
    MessageSettings changed = m_project.message(m);
    change(changed);
    if (changed == m_project.message(m))
        return;
    m_project.editMessage(m, [&](MessageSettings& message) { message = std::move(changed); });
    m_project.setModified(true);
}

void Controller::setMessageText(int m, const QString& text)
{
    changeMessage(m, [&](MessageSettings& message) { message.text = text; });
}

void Controller::setFontName(int m, const QString& name)
{
    changeMessage(m, [&](MessageSettings& message) { message.fontName = name; });
}

void Controller::setBold(int m, bool bold)
{
    changeMessage(m, [&](MessageSettings& message) { message.bold = bold; });
}

void Controller::setFlash(int m, bool flash)
{
    changeMessage(m, [&](MessageSettings& message) { message.flash = flash; });
}

void Controller::setLoopLamp(int m, bool loopLamp)
{
    changeMessage(m, [&](MessageSettings& message) { message.loopLamp = loopLamp; });
}

void Controller::setTopAdjText(int m, const QString& text)
{
    changeMessage(m, [&](MessageSettings& message) { message.topAdj = text; });
}

void Controller::setAdjustBar(int m, int value)
{
    value = std::clamp(value, kAdjustMin, kAdjustMax);
    if (!isMessageIndex(m) || m_project.message(m).adjustBar == value)
        return;
    changeMessage(m, [&](MessageSettings& message) {
        message.adjustBar = value;
        message.topAdj = QString::number(value);
    });
}

void Controller::setScroll(int m, int value)
{
    if (isMessageIndex(m))
        m_project.editMessage(
            m, [&](MessageSettings& message) { message.scroll = std::clamp(value, 0, kScrollMax); });
}

void Controller::chooseEntry(int m, MessageList list, int index)
{
    if (!isMessageIndex(m))
        return;
    changeMessage(m, [&](MessageSettings& message) { message.list(list).setIndex(index); });
    // Message 0's show mode decides the animation rounding, so its data is brought up to date.
    if (list == MessageList::Mode && m == 0)
        reencodeMessageZero(m_project.curMsg());
}

void Controller::typeText(int m, MessageList list, const QString& text)
{
    changeMessage(m, [&](MessageSettings& message) { message.list(list).setText(text); });
}

void Controller::chooseEntry(GlobalList list, int index)
{
    const QString before = m_project.globals().list(list).text();
    m_project.editGlobals([&](GlobalSettings& globals) { globals.list(list).setIndex(index); });
    switch (list) {
    case GlobalList::ScreenWidth:
        reencodeMessageZero(m_selectedTab);
        break;
    case GlobalList::ScreenHeight:
        if (m_project.globals().list(list).text() != before)
            screenHeightChanged();
        break;
    case GlobalList::ClockMessage:
    case GlobalList::HourPosition:
    case GlobalList::MinutePosition:
        clockChoiceChanged();
        break;
    case GlobalList::DaysMessage:
    case GlobalList::DaysPosition:
        daysChoiceChanged();
        break;
    case GlobalList::Brightness:
    case GlobalList::Port:
        break;
    }
}

void Controller::typeText(GlobalList list, const QString& text)
{
    const EditableList before = m_project.globals().list(list);
    m_project.editGlobals([&](GlobalSettings& globals) { globals.list(list).setText(text); });
    if (m_project.globals().list(list) == before)
        return;
    // The brightness and the port belong to the machine and the moment, not to the project file.
    if (list != GlobalList::Brightness && list != GlobalList::Port)
        m_project.setModified(true);
    if (list == GlobalList::ScreenHeight)
        screenHeightChanged();
}

void Controller::screenHeightChanged()
{
    m_project.setModified(true);
    // The gauge's scale follows the height at once; the data and the lengths stay as they are.
    m_encoder.redrawGauge();
}

void Controller::reencodeMessageZero(int thenCurrent)
{
    // The width and message 0's mode decide its animation rounding, so message 0 is read again
    // from its image, whichever message is current.
    m_project.setCurMsg(0);
    encodeMessage();
    m_project.setCurMsg(thenCurrent);
}

void Controller::clockChoiceChanged()
{
    m_project.setModified(true);
    showMarks(MarkKind::Clock, MarkLayout::clockMarks(m_project.globals()));
}

void Controller::daysChoiceChanged()
{
    m_project.setModified(true);
    showMarks(MarkKind::Days, MarkLayout::daysMark(m_project.globals()));
}

void Controller::setShowMarks(bool show)
{
    m_project.editGlobals([&](GlobalSettings& globals) { globals.showMarks = show; });
}

void Controller::setCountdownDays(const QString& text)
{
    if (m_project.globals().countdownDays == text)
        return;
    m_project.editGlobals([&](GlobalSettings& globals) { globals.countdownDays = text; });
    m_project.setModified(true);
}

void Controller::setWorkTimeEnabled(bool enabled)
{
    m_project.editWorkTime([&](WorkTime& workTime) { workTime.enabled = enabled; });
    m_project.setModified(true);
}

void Controller::setStartMinutes(int minutes)
{
    setWorkMinutes(true, minutes);
}

void Controller::setEndMinutes(int minutes)
{
    setWorkMinutes(false, minutes);
}

void Controller::setWorkMinutes(bool start, int minutes)
{
    const int value = WorkTimeRules::clampMinutes(minutes);
    const WorkTime& current = m_project.workTime();
    if ((start ? current.start : current.end) == value)
        return;
    m_project.editWorkTime([&](WorkTime& workTime) {
        (start ? workTime.start : workTime.end) = value;
        (start ? workTime.startText : workTime.endText) = WorkTimeRules::minutesToHhMm(value);
    });
    m_project.setModified(true);
}

void Controller::editStartTimeText(const QString& text)
{
    m_project.editWorkTime([&](WorkTime& workTime) { workTime.startText = text; });
}

void Controller::editEndTimeText(const QString& text)
{
    m_project.editWorkTime([&](WorkTime& workTime) { workTime.endText = text; });
}

void Controller::finishStartTimeText()
{
    finishTimeText(true);
}

void Controller::finishEndTimeText()
{
    finishTimeText(false);
}

void Controller::finishTimeText(bool start)
{
    const WorkTime& current = m_project.workTime();
    const QString typedText = start ? current.startText : current.endText;
    const std::optional<int> typed = WorkTimeRules::parseTypedTime(typedText);
    if (typed)
        setWorkMinutes(start, *typed);
    m_project.editWorkTime([&](WorkTime& workTime) {
        (start ? workTime.startText : workTime.endText) =
            WorkTimeRules::minutesToHhMm(start ? workTime.start : workTime.end);
    });
    // The field shows the time kept before the operator reads why the typed one was not taken.
    if (!typed)
        m_dialogs.tell(MessageTexts::warningTitle(), MessageTexts::timeRefused(), typedText);
}

void Controller::setAltTicked(int m, bool ticked)
{
    if (!isMessageIndex(m) || m_project.altBoxes()[m].ticked == ticked)
        return;
    m_project.editAltBoxes([&](AltBoxes& boxes) {
        boxes[m].ticked = ticked;
        Alternation::applyChainRule(boxes);
    });
}

void Controller::setAltRun(int begin, int count)
{
    for (int m = 0; m < kMessageCount; ++m)
        setAltTicked(m, false);
    const int end = std::min(begin + count, kMessageCount);
    for (int m = begin; m < end; ++m)
        setAltTicked(m, true);
}

void Controller::findAltGroup()
{
    const AltGroup group = Alternation::findAltGroup(m_project.altBoxes());
    m_project.setAltGroup(group.begin, group.count);
}

// Device link.

Controller::Controller(Dialogs& dialogs, SerialLine& line, PortCatalogue& ports, Clock& clock, LinkTime* time,
                       QObject* parent)
    : QObject(parent)
    , m_dialogs(dialogs)
    , m_line(line)
    , m_ports(ports)
    , m_clock(clock)
    , m_systemTime(time ? nullptr : std::make_unique<SystemLinkTime>())
    , m_time(time ? time : m_systemTime.get())
{
    setUpLink();
}

Controller::~Controller() = default;

void Controller::setUpLink()
{
    m_portList = std::make_unique<PortList>(m_project, m_ports);
    m_transfers =
        std::make_unique<TransferCommands>(m_project, m_line, m_dialogs, *m_portList, m_clock, *m_time);
    connect(m_transfers.get(), &TransferCommands::uploadProgressChanged, this,
            &Controller::uploadProgressChanged);
    connect(m_transfers.get(), &TransferCommands::clockProgressChanged, this,
            &Controller::clockProgressChanged);
    connect(m_transfers.get(), &TransferCommands::statusChanged, this, &Controller::transferStatusChanged);
    connect(m_transfers.get(), &TransferCommands::finished, this, &Controller::transferFinished);
}

bool Controller::send(TransferCommands::Overflow overflow)
{
    return m_transfers->send(overflow);
}

bool Controller::sendClock()
{
    return m_transfers->sendClock();
}

bool Controller::readComSet()
{
    return m_transfers->readComSet();
}

void Controller::abortTransfer()
{
    m_transfers->abort();
}

void Controller::scanPorts()
{
    m_portList->rescan(true);
}

void Controller::refreshPorts()
{
    // A look at the ports would find the one in use busy and leave it out of the list.
    if (!transferInProgress())
        m_portList->rescan(false);
}

QString Controller::timeText() const
{
    return m_clock.timeOfDay().toString(QStringLiteral("hh:mm"));
}

QString Controller::portDevice() const
{
    const std::optional<PortEntry> entry = m_portList->entry(m_project.globals().port.text());
    return entry ? entry->device : QString();
}

QString Controller::portKey(const QString& text) const
{
    const std::optional<QString> device = m_portList->device(text);
    return ExchangeSpacing::portKey(device && !device->isEmpty() ? *device : text);
}

QString Controller::portProblem(const QString& name) const
{
    const std::optional<PortEntry> entry = m_portList->entry(name);
    return entry ? entry->problem : QString();
}

void Controller::clearTransferStatus()
{
    m_transfers->clearStatus();
}

QString Controller::transferStatus() const
{
    return m_transfers->status();
}

qint64 Controller::linkQuietLeftMs() const
{
    return m_transfers->quietLeftMs();
}

// Message images.

void Controller::showMarks(MarkKind kind, const std::optional<MarkLayout::Placement>& placement)
{
    // Marks of a kind stand where the card will put those digits now, on whichever page: a choice
    // moved elsewhere or to "None" takes them away, and nothing is drawn while they are not wanted.
    const bool shown = placement && m_project.globals().showMarks;
    for (int m = 0; m < kMessageCount; ++m) {
        const QList<Mark> marks = shown && placement->message == m ? placement->marks : QList<Mark>();
        if (m_images.overlay(m).marks(kind) == marks)
            continue;
        m_images.overlay(m).setMarks(kind, marks);
        m_images.announce(m);
    }
}

void Controller::adoptText()
{
    if (refusedWhileBusy())
        return;
    const int m = m_project.curMsg();
    const MessageSettings& message = m_project.message(m);
    TextRenderer::renderMessage(m_images.canvas(m), message);
    m_images.overlay(m).clear();
    m_images.announce(m);
    encodeMessage();
    if (const QString missing = TextRenderer::missingCharacters(message); !missing.isEmpty())
        m_dialogs.tell(MessageTexts::warningTitle(), MessageTexts::missingGlyphs() + missing,
                       FontSubstitution::renderFamily(message.fontName));
}

void Controller::importPicture()
{
    if (refusedWhileBusy())
        return;
    const QString path = m_dialogs.chooseOpenFile(PictureTexts::importFilter());
    if (!path.isEmpty())
        importPictureFrom(path);
}

bool Controller::importPictureFrom(const QString& path)
{
    if (refusedWhileBusy())
        return false;
    const PictureFiles::Loaded loaded = PictureFiles::read(path);
    if (!loaded.problem.isEmpty()) {
        const QString where = QDir::toNativeSeparators(path);
        m_dialogs.tell(MessageTexts::warningTitle(), loaded.problem,
                       loaded.reason.isEmpty() ? where : where + u'\n' + loaded.reason);
        return false;
    }
    QImage picture = loaded.picture;
    if (m_lightingChooser) {
        const std::optional<PictureLighting::Choice> choice = m_lightingChooser->choose(picture);
        if (!choice)
            return false;
        picture = PictureLighting::apply(picture, *choice);
    }
    const int m = m_project.curMsg();
    m_images.canvas(m).setBackground(picture);
    m_images.canvas(m).clear();
    m_images.overlay(m).clear();
    m_images.announce(m);
    encodeMessage();
    return true;
}

void Controller::exportPicture()
{
    const QString path = m_dialogs.chooseSaveFile(PictureTexts::exportFilter());
    if (!path.isEmpty())
        exportPictureTo(path);
}

bool Controller::exportPictureTo(const QString& chosen)
{
    const QString path = QFileInfo(chosen).suffix().isEmpty() ? chosen + QStringLiteral(".bmp") : chosen;
    const QString reason =
        PictureFiles::write(MessagePainter::composed(m_images, m_project.curMsg()), path, "BMP");
    if (reason.isEmpty())
        return true;
    m_dialogs.tell(MessageTexts::warningTitle(), PictureTexts::notWritten(),
                   QDir::toNativeSeparators(path) + u'\n' + reason);
    return false;
}

// Window start-up.

void Controller::startUp()
{
    m_project.setFontFamilies(FontCatalogue::installedFamilies());
    for (int m = 0; m < kMessageCount; ++m)
        setFontName(m, QStringLiteral("System"));
    selectTab(0);
    m_project.setModified(false);
    scanPorts();
}

// Undo and redo.

ProjectState Controller::state(const ProjectState* before) const
{
    ProjectState state;
    state.globals = m_project.globals();
    state.workTime = m_project.workTime();
    state.altBoxes = m_project.altBoxes();
    for (int m = 0; m < kMessageCount; ++m) {
        state.messages << m_project.message(m);
        const auto bytes = m_project.dispData().message(m);
        const QByteArrayView data(bytes.data(), qsizetype(bytes.size()));
        state.data.at(m) = before && before->data.at(m) == data ? before->data.at(m) : data.toByteArray();
        state.lengths.at(m) = m_project.msgLen()[m];
        state.canvases.at(m) = m_images.canvas(m);
    }
    return state;
}

void Controller::restore(const ProjectState& state)
{
    GlobalSettings globals = state.globals;
    globals.brightness = m_project.globals().brightness;
    globals.port = m_project.globals().port;
    globals.showMarks = m_project.globals().showMarks;
    m_project.editGlobals([&](GlobalSettings& now) { now = globals; });
    m_project.editWorkTime([&](WorkTime& now) { now = state.workTime; });
    m_project.editAltBoxes([&](AltBoxes& now) { now = state.altBoxes; });
    for (int m = 0; m < kMessageCount; ++m) {
        MessageSettings message = state.messages.at(m);
        message.scroll = m_project.message(m).scroll;
        if (message != m_project.message(m))
            m_project.editMessage(m, [&](MessageSettings& now) { now = std::move(message); });
        const std::span<std::uint8_t, kMessageBytes> bytes = m_project.dispData().message(m);
        const QByteArray& data = state.data.at(m);
        if (!std::equal(bytes.begin(), bytes.end(), data.cbegin(), data.cend())) {
            std::copy(data.cbegin(), data.cend(), bytes.begin());
            m_project.announceDisplayData(m);
        }
        m_project.setMsgLen(m, state.lengths.at(m));
        const auto picture = [](const MessageCanvas& canvas) {
            return std::pair(canvas.image().cacheKey(), canvas.background().cacheKey());
        };
        if (picture(m_images.canvas(m)) != picture(state.canvases.at(m))) {
            m_images.canvas(m) = state.canvases.at(m);
            m_images.announce(m);
        }
    }
    m_encoder.redrawGauge();
    showMarks(MarkKind::Clock, MarkLayout::clockMarks(m_project.globals()));
    showMarks(MarkKind::Days, MarkLayout::daysMark(m_project.globals()));
}
