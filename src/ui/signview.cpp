// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/signview.h"

#include "card/cardframes.h"
#include "card/signplayer.h"
#include "controller/controller.h"
#include "link/clock.h"
#include "link/uploadestimate.h"
#include "model/limits.h"
#include "schedule/worktimerules.h"
#include "ui/ledview.h"
#include "ui/namedwidgets.h"

#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

namespace {

constexpr int kMargin = 8;
constexpr int kTickMs = 1000 / SignView::kFramesPerSecond;

} // namespace

SignView::SignView(const Controller& controller, QWidget* beside)
    : QWidget(nullptr, Qt::Window)
    , m_controller(controller)
    , m_beside(beside)
{
    setObjectName(QStringLiteral("SignView"));
    setWindowTitle(tr("表示プレビュー"));

    m_leds = new LedView(this);
    m_leds->setObjectName(QStringLiteral("PicSign"));
    m_leds->setAccessibleName(tr("表示器での見え方"));
    m_messageLabel = namedLabel(QStringLiteral("LabPlayMessage"), {}, this);
    m_uploadLabel = namedLabel(QStringLiteral("LabUploadTime"), {}, this);
    m_fitLabel = namedLabel(QStringLiteral("LabFit"), {}, this);
    m_darkLabel = namedLabel(QStringLiteral("LabDark"), {}, this);
    m_darkLabel->hide();
    connect(m_leds, &LedView::pitchWanted, this, &SignView::zoomTo);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->addWidget(m_leds, 0, Qt::AlignHCenter);
    layout->addWidget(m_darkLabel);
    layout->addWidget(m_messageLabel);
    layout->addWidget(m_uploadLabel);
    layout->addWidget(m_fitLabel);

    const Project& project = controller.project();
    connect(&project, &Project::globalsChanged, this, &SignView::markStale);
    connect(&project, &Project::workTimeChanged, this, &SignView::markStale);
    connect(&project, &Project::messageChanged, this, &SignView::markStale);
    connect(&project, &Project::altBoxesChanged, this, &SignView::markStale);
    connect(&project, &Project::currentMessageChanged, this, &SignView::markStale);
    connect(&project, &Project::displayDataChanged, this, &SignView::markStale);
    connect(&project, &Project::gaugeChanged, this, &SignView::markStale);

    m_ticks = new QTimer(this);
    m_ticks->setInterval(kTickMs);
    connect(m_ticks, &QTimer::timeout, this, [this] { playAt(m_playing.elapsed()); });
    m_playing.start();
}

void SignView::open()
{
    if (!m_placed) {
        playAt(0);
        placeBesideMainWindow();
    }
    if (isVisible())
        raise();
    show();
    activateWindow();
}

void SignView::placeBesideMainWindow()
{
    m_placed = true;
    if (!m_beside)
        return;
    const QRect screen = m_beside->screen()->availableGeometry();
    const int titleBar = m_beside->frameGeometry().height() - m_beside->height();
    const QSize size = sizeHint() + QSize(0, titleBar);
    move(placeBeside(m_beside->frameGeometry(), size, screen));
}

QPoint SignView::placeBeside(const QRect& occupied, const QSize& size, const QRect& screen)
{
    // Aligned with the occupied window's top or left edge, shifted back onto the screen.
    const auto onScreen = [&](QPoint at) {
        at.setX(std::max(screen.left(), std::min(at.x(), screen.right() + 1 - size.width())));
        at.setY(std::max(screen.top(), std::min(at.y(), screen.bottom() + 1 - size.height())));
        return at;
    };
    const std::array candidates{
        onScreen({occupied.right() + 1, occupied.top()}),
        onScreen({occupied.left(), occupied.bottom() + 1}),
        onScreen({occupied.left() - size.width(), occupied.top()}),
        onScreen({occupied.left(), occupied.top() - size.height()}),
    };
    const auto covered = [&](QPoint at) {
        const QRect overlap = QRect(at, size) & occupied;
        return overlap.isEmpty() ? 0 : qint64(overlap.width()) * overlap.height();
    };
    return *std::min_element(candidates.begin(), candidates.end(),
                             [&](QPoint a, QPoint b) { return covered(a) < covered(b); });
}

void SignView::keepOnScreen()
{
    if (!isVisible())
        return;
    const QRect screen = this->screen()->availableGeometry();
    const QRect frame = frameGeometry();
    const QPoint inside(std::max(screen.left(), std::min(frame.left(), screen.right() + 1 - frame.width())),
                        std::max(screen.top(), std::min(frame.top(), screen.bottom() + 1 - frame.height())));
    if (inside != frame.topLeft())
        move(inside);
}

void SignView::zoomTo(int pitch)
{
    const QRect screen = this->screen()->availableGeometry();
    const int around = height() - m_leds->height();
    const int acrossFits = (screen.width() - 2 * kMargin) / std::max(m_leds->frame().widthPixels(), 1);
    const int downFits = (screen.height() - around) / std::max(m_leds->frame().height, 1);
    const int fitting = std::min(acrossFits, downFits);
    m_leds->setPitch(std::clamp(pitch, LedView::kMinPitch,
                                std::max(LedView::kMinPitch, std::min(LedView::kMaxPitch, fitting))));
}

const SignFrame& SignView::frame() const
{
    return m_leds->frame();
}

void SignView::playAt(qint64 playMs)
{
    takeProject();
    const SignTime time{playMs, {m_controller.clock().timeOfDay(), 0}};
    SignPlayer::frame(m_memory, m_message, time, m_next);
    m_leds->setFrame(m_next);
    m_darkLabel->setVisible(!SignPlayer::inWorkWindow(m_memory, time.clock.timeOfDay));
}

void SignView::takeProject()
{
    if (!m_stale)
        return;
    m_stale = false;
    CardMemory memory = CardFrames::memoryOf(m_controller.project());
    const int message = m_controller.selectedTab();
    if (memory != m_memory || message != m_message) {
        m_memory = std::move(memory);
        m_message = message;
        m_playing.restart();
    }
    showTexts();
}

void SignView::showTexts()
{
    //: %1 is the message shown, %2 and %3 the first and last message of the alternation group.
    const QString message = m_memory.inAltGroup(m_message)
                                ? tr("表示 %1（表示 %2〜%3 を交互に表示）")
                                      .arg(m_message)
                                      .arg(m_memory.altBegin)
                                      .arg(m_memory.altBegin + m_memory.altCount - 1)
                                : tr("表示 %1").arg(m_message);
    //: %1 names the message shown; %2 is the sign's width and %3 its height, both in LED dots.
    m_messageLabel->setText(tr("%1　　画面 %2 × %3 ドット")
                                .arg(message)
                                .arg(m_memory.screenWidth * kPixelsPerByte)
                                .arg(m_memory.screenHeight));

    const UploadEstimate upload = UploadEstimate::of(m_controller.project());
    //: %1: seconds an upload takes at 9600 baud; %2: the bytes it sends.
    m_uploadLabel->setText(
        tr("転送時間: 約 %1 秒（%2 バイト）").arg(upload.seconds, 0, 'f', 1).arg(upload.lineBytes));
    if (upload.fits()) {
        //: %1: byte columns the messages use; %2: the byte columns the card holds.
        m_fitLabel->setText(
            tr("カードに収まります（%1 / %2 バイト）").arg(upload.usedColumns).arg(upload.capacityColumns));
        m_fitLabel->setStyleSheet({});
    } else {
        m_fitLabel->setText(tr("カードに収まりません: %1 バイト超過。超えた分は転送されず、表示されません。")
                                .arg(upload.clippedColumns));
        m_fitLabel->setStyleSheet(QStringLiteral("color: red"));
    }
    //: %1 and %2: start and end of the daily work time, hh:mm.
    m_darkLabel->setText(tr("稼働時間外（%1〜%2）のため、表示器は消えています。")
                             .arg(WorkTimeRules::minutesToHhMm(m_memory.workStart),
                                  WorkTimeRules::minutesToHhMm(m_memory.workEnd)));
}

void SignView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_playing.restart();
    playAt(0);
    m_ticks->start();
}

void SignView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    keepOnScreen();
}

void SignView::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    m_ticks->stop();
}
