// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/timepanel.h"

#include "controller/controller.h"
#include "link/linkconstants.h"
#include "model/limits.h"
#include "schedule/worktimerules.h"
#include "ui/buttonkeys.h"
#include "ui/focusoutfilter.h"
#include "ui/namedwidgets.h"
#include "ui/windowlayout.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <functional>

using namespace WindowLayout;

namespace {

constexpr int kTimeFieldWidth = 58;
constexpr int kTimeFieldLength = 5;
constexpr int kDaysFieldWidth = 50;
constexpr int kProgressWidth = 90;
constexpr int kButtonWidth = 100;

} // namespace

TimePanel::TimePanel(Controller& controller, QWidget* parent)
    : QGroupBox(tr("時間、日付 "), parent)
    , m_controller(controller)
{
    setObjectName(QStringLiteral("Frame6"));
    setFixedSize(kTimeFrameWidth, kTimeFrameHeight);

    m_clock = new QLineEdit(QStringLiteral("12:00"), this);
    m_clock->setObjectName(QStringLiteral("TxtTime"));
    m_clock->setReadOnly(true);
    m_clock->setFixedSize(kTimeFieldWidth, kControlHeight);

    m_days = new QLineEdit(this);
    m_days->setObjectName(QStringLiteral("TxtDJS"));
    m_days->setFixedSize(kDaysFieldWidth, kControlHeight);
    // The card shows three digits: a longer count is refused as the command line refuses it.
    const auto digits = QString::number(Link::kCountdownDaysMax).size();
    m_days->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(digits)), m_days));
    connect(m_days, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_controller.setCountdownDays(text); });

    //: Switches the daily work time on: outside it the sign is dark.
    m_enabled = new QCheckBox(tr("時間切替"), this);
    m_enabled->setObjectName(QStringLiteral("ChkWEn"));
    connect(m_enabled, &QCheckBox::toggled, this, [this](bool on) { m_controller.setWorkTimeEnabled(on); });

    m_startText = timeField(QStringLiteral("TxtSTime"), &Controller::editStartTimeText,
                            &Controller::finishStartTimeText);
    m_start = minutesBar(QStringLiteral("VScSTime"), &Controller::setStartMinutes);
    m_endText =
        timeField(QStringLiteral("TxtETime"), &Controller::editEndTimeText, &Controller::finishEndTimeText);
    m_end = minutesBar(QStringLiteral("VScETime"), &Controller::setEndMinutes);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ProgressBar2"));
    m_progress->setTextVisible(false);
    m_progress->setFixedSize(kProgressWidth, kControlHeight);
    m_progress->setValue(0);
    connect(&controller, &Controller::clockProgressChanged, this, [this](int maximum, int value) {
        m_progress->setRange(0, maximum);
        m_progress->setValue(value);
    });

    auto* send = namedButton(QStringLiteral("CmdSendClk"), tr("転   送"),
                             QSize(kButtonWidth, kControlHeight + 2), this);
    ButtonKeys::give(send, Qt::Key_C);
    connect(send, &QPushButton::clicked, this, [this] { m_controller.sendClock(); });

    auto* tick = new QTimer(this);
    tick->setObjectName(QStringLiteral("Timer1"));
    tick->setInterval(kClockIntervalMs);
    connect(tick, &QTimer::timeout, this, [this] { m_clock->setText(m_controller.timeText()); });
    tick->start();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(kMargin, 0, kMargin, kMargin / 2);
    layout->setSpacing(kMargin / 2);
    layout->addWidget(m_clock);
    layout->addSpacing(kMargin);
    //: The countdown's days.
    layout->addWidget(namedLabel(QStringLiteral("Label18"), tr("日数"), this));
    layout->addWidget(m_days);
    layout->addSpacing(kMargin);
    layout->addWidget(m_enabled);
    //: Start of the daily work time.
    layout->addWidget(namedLabel(QStringLiteral("Label20"), tr("開始"), this));
    layout->addWidget(m_startText);
    layout->addWidget(m_start);
    layout->addSpacing(kMargin / 2);
    //: End of the daily work time.
    layout->addWidget(namedLabel(QStringLiteral("Label21"), tr("終了"), this));
    layout->addWidget(m_endText);
    layout->addWidget(m_end);
    layout->addSpacing(kMargin);
    layout->addWidget(m_progress);
    layout->addStretch();
    layout->addWidget(send);

    const Project& project = controller.project();
    connect(&project, &Project::workTimeChanged, this, &TimePanel::refresh);
    connect(&project, &Project::globalsChanged, this, &TimePanel::refresh);
    refresh();
}

QLineEdit* TimePanel::timeField(const QString& name, void (Controller::*edit)(const QString&),
                                void (Controller::*finish)())
{
    auto* field = new QLineEdit(this);
    field->setObjectName(name);
    field->setMaxLength(kTimeFieldLength);
    field->setFixedSize(kTimeFieldWidth, kControlHeight);
    connect(field, &QLineEdit::textEdited, this, std::bind_front(edit, &m_controller));
    connect(FocusOutFilter::watch(field), &FocusOutFilter::focusLeft, this,
            std::bind_front(finish, &m_controller));
    return field;
}

QScrollBar* TimePanel::minutesBar(const QString& name, void (Controller::*set)(int))
{
    // The bar holds minus the minutes, so that its upper arrow and the upper part of its track
    // make the time later and its top end is 23:59.
    auto* bar = new QScrollBar(Qt::Vertical, this);
    bar->setObjectName(name);
    bar->setRange(-kMinuteOfDayMax, 0);
    bar->setSingleStep(WorkTimeRules::kArrowStep);
    bar->setPageStep(WorkTimeRules::kPageStep);
    bar->setFixedSize(kSpinWidth, kControlHeight + 4);
    connect(bar, &QScrollBar::valueChanged, this,
            [set, controller = &m_controller](int value) { (controller->*set)(-value); });
    return bar;
}

void TimePanel::refresh()
{
    const WorkTime& workTime = m_controller.project().workTime();
    const QString& days = m_controller.project().globals().countdownDays;
    for (const auto& [field, text] : {std::pair{m_days, days}, std::pair{m_startText, workTime.startText},
                                      std::pair{m_endText, workTime.endText}}) {
        if (field->text() != text) {
            const QSignalBlocker blocker(field);
            field->setText(text);
        }
    }
    for (const auto& [bar, minutes] : {std::pair{m_start, workTime.start}, std::pair{m_end, workTime.end}}) {
        const QSignalBlocker blocker(bar);
        bar->setValue(-minutes);
    }
    {
        const QSignalBlocker blocker(m_enabled);
        m_enabled->setChecked(workTime.enabled);
    }
    for (QWidget* control : {static_cast<QWidget*>(m_startText), static_cast<QWidget*>(m_start),
                             static_cast<QWidget*>(m_endText), static_cast<QWidget*>(m_end)})
        control->setEnabled(workTime.enabled);
}
