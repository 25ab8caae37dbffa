// SPDX-License-Identifier: GPL-3.0-or-later
#include "virtualcard/cardwindow.h"

#include "card/cardreport.h"
#include "card/cardsession.h"
#include "card/signplayer.h"
#include "ui/ledview.h"
#include "virtualcard/cardrun.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kFrameMs = 40; // 25 frames a second, as the recordings
constexpr int kPitchMin = 1;
constexpr int kPitchMax = 16;
constexpr int kLogColumns = 5;
constexpr int kChecksColumn = 4;
// Room for the log, and for the margins, controls and bars around the sign.
constexpr int kLogWidth = 460;
constexpr int kMargins = 64;
constexpr int kAroundSignHeight = 300;
constexpr QColor kSurround{48, 48, 52};

} // namespace

CardWindow::CardWindow(CardRun& run, QWidget* parent)
    : QMainWindow(parent)
    , m_run(run)
    , m_frames(new QTimer(this))
{
    setWindowTitle(tr("p10signcard 仮想カード — %1").arg(m_run.device()));
    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(makeSignSide());
    splitter->addWidget(makeLog());
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    setCentralWidget(splitter);
    statusBar()->showMessage(tr("送信側で %1 を選んでください。").arg(m_run.device()));

    CardSession& session = m_run.session();
    connect(&session, &CardSession::exchangeStarted, this,
            [this] { statusBar()->showMessage(tr("受信中…")); });
    connect(&m_run, &CardRun::exchangeLogged, this, &CardWindow::logExchange);
    connect(&m_run, &CardRun::trouble, this, [this](const QString& text) { statusBar()->showMessage(text); });
    connect(m_frames, &QTimer::timeout, this, &CardWindow::tick);
    m_shownWidth = session.memory().screenWidth;
    showMemory();
    tick();
    fitToScreen();
    m_frames->start(kFrameMs);
}

// The whole sign in view at the start: the pitch asked for, or the largest below it that lets the
// sign and the log share the screen.
void CardWindow::fitToScreen()
{
    const QRect screen = this->screen()->availableGeometry();
    fitPitch(screen.width() - kLogWidth - kMargins);
    const QSize leds = m_view->sizeHint() / m_view->pitch();
    const QSize wanted(leds.width() * m_pitch->value() + kLogWidth + kMargins,
                       leds.height() * m_pitch->value() + kAroundSignHeight);
    resize(wanted.boundedTo(screen.size()));
}

// The pitch chosen, or the largest below it that shows the whole sign in the width given.
void CardWindow::fitPitch(int width)
{
    const int leds = m_view->sizeHint().width() / m_view->pitch();
    int pitch = m_pitch->value();
    while (pitch > kPitchMin && leds * pitch > width)
        --pitch;
    m_pitch->setValue(pitch);
}

QWidget* CardWindow::makeSignSide()
{
    auto* side = new QWidget;
    auto* layout = new QVBoxLayout(side);

    auto* controls = new QHBoxLayout;
    m_message = new QComboBox;
    m_message->setObjectName(QStringLiteral("message"));
    // The lengths grow with each upload; the list keeps room for the longest.
    m_message->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* messageLabel = new QLabel(tr("表示(&M):"));
    messageLabel->setBuddy(m_message);
    m_pitch = new QSpinBox;
    m_pitch->setObjectName(QStringLiteral("pitch"));
    m_pitch->setRange(kPitchMin, kPitchMax);
    m_pitch->setValue(m_run.arguments().scale);
    m_pitch->setSuffix(tr(" px"));
    auto* pitchLabel = new QLabel(tr("拡大(&Z):"));
    pitchLabel->setBuddy(m_pitch);
    m_clock = new QLabel;
    m_clock->setObjectName(QStringLiteral("clock"));
    controls->addWidget(messageLabel);
    controls->addWidget(m_message);
    controls->addSpacing(fontMetrics().averageCharWidth() * 2);
    controls->addWidget(pitchLabel);
    controls->addWidget(m_pitch);
    controls->addStretch();
    controls->addWidget(m_clock);
    layout->addLayout(controls);

    m_view = new LedView;
    m_view->setObjectName(QStringLiteral("sign"));
    m_view->setAccessibleName(tr("表示器"));
    m_view->setPitch(m_run.arguments().scale);
    auto* scroll = new QScrollArea;
    m_scroll = scroll;
    scroll->setWidget(m_view);
    scroll->setAlignment(Qt::AlignCenter);
    QPalette surround = scroll->palette();
    surround.setColor(QPalette::Window, kSurround);
    scroll->setPalette(surround);
    scroll->setBackgroundRole(QPalette::Window);
    layout->addWidget(scroll, 1);

    m_summary = new QLabel;
    m_summary->setObjectName(QStringLiteral("summary"));
    m_summary->setWordWrap(true);
    layout->addWidget(m_summary);

    connect(m_message, &QComboBox::currentIndexChanged, this, &CardWindow::tick);
    connect(m_pitch, &QSpinBox::valueChanged, m_view, &LedView::setPitch);
    connect(m_view, &LedView::pitchWanted, m_pitch, &QSpinBox::setValue);
    return side;
}

QWidget* CardWindow::makeLog()
{
    m_log = new QTreeWidget;
    m_log->setObjectName(QStringLiteral("log"));
    m_log->setAccessibleName(tr("受信の記録"));
    m_log->setRootIsDecorated(false);
    m_log->setWordWrap(true);
    m_log->setColumnCount(kLogColumns);
    m_log->setHeaderLabels({tr("時刻"), tr("種類"), tr("大きさ"), tr("所要時間"), tr("検査")});
    m_log->header()->setStretchLastSection(true);
    fitLogColumns();
    m_checks = new QLabel;
    m_checks->setObjectName(QStringLiteral("checks"));
    m_checks->setWordWrap(true);
    m_checks->setTextInteractionFlags(Qt::TextSelectableByMouse);
    connect(m_log, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        m_checks->setText(item ? item->text(kChecksColumn) : QString());
    });
    auto* side = new QWidget;
    auto* layout = new QVBoxLayout(side);
    layout->addWidget(m_log, 1);
    layout->addWidget(m_checks);
    return side;
}

void CardWindow::tick()
{
    CardSession& session = m_run.session();
    const SignTime now = session.signTime();
    SignPlayer::frame(session.memory(), m_message->currentIndex(), now, m_frame);
    m_view->setFrame(m_frame);
    //: %1 is the card's clock, hh:mm:ss.
    m_clock->setText(tr("カードの時計 %1").arg(now.clock.timeOfDay.toString(QStringLiteral("HH:mm:ss"))));
}

void CardWindow::showMemory()
{
    const CardMemory& memory = m_run.session().memory();
    const int chosen = m_message->count() > 0 ? m_message->currentIndex() : m_run.arguments().message;
    const QSignalBlocker blocker(m_message);
    m_message->clear();
    for (int m = 0; m < kMessageCount; ++m) {
        //: %1 is the message number, %2 its length in byte columns.
        m_message->addItem(tr("表示 %1 (%2 バイト)").arg(m).arg(memory.messages[m].length));
    }
    m_message->setCurrentIndex(chosen);
    m_summary->setText(CardReport::summary(memory));
    // An upload for a wider sign keeps the whole sign in view.
    if (memory.screenWidth != m_shownWidth) {
        m_shownWidth = memory.screenWidth;
        tick();
        fitPitch(m_scroll->viewport()->width());
    }
}

// The checks, the widest, take what is left; before the first exchange the captions set the widths.
void CardWindow::fitLogColumns()
{
    for (int column = 0; column + 1 < kLogColumns; ++column)
        m_log->resizeColumnToContents(column);
}

void CardWindow::logExchange(const CardExchange& exchange)
{
    auto* item = new QTreeWidgetItem(CardReport::columns(exchange));
    item->setToolTip(kChecksColumn, item->text(kChecksColumn));
    m_log->addTopLevelItem(item);
    m_log->setCurrentItem(item);
    m_log->scrollToItem(item);
    fitLogColumns();
    statusBar()->showMessage(CardReport::line(exchange).section(u'\t', 1, 2));
    showMemory();
    tick();
}
