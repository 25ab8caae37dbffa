// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/globalpanel.h"

#include "controller/controller.h"
#include "controller/settingscommands.h"
#include "ui/buttonkeys.h"
#include "ui/listcombo.h"
#include "ui/namedwidgets.h"
#include "ui/recentprojectsbutton.h"
#include "ui/windowfonts.h"
#include "ui/windowlayout.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace WindowLayout;

namespace {

constexpr int kNumberListWidth = 70;
constexpr int kPortListWidth = 100;
constexpr int kButtonWidth = 120;
constexpr int kArrowWidth = 24;
constexpr int kProgressWidth = 230;

} // namespace

GlobalPanel::GlobalPanel(Controller& controller, SettingsCommands& settings, ProjectSession* session,
                         QWidget* parent)
    : QGroupBox(parent)
    , m_controller(controller)
    , m_settings(settings)
{
    setObjectName(QStringLiteral("Frame3"));
    setFixedSize(kTabStripWidth, kGlobalFrameHeight);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->addLayout(settingsGrid(), 1);
    layout->addSpacing(kMargin);
    layout->addLayout(commandButtons(session));

    connect(&controller.project(), &Project::globalsChanged, this, &GlobalPanel::refresh);
    refresh();
}

QGridLayout* GlobalPanel::settingsGrid()
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(kMargin);
    grid->setVerticalSpacing(kMargin);
    const auto place = [&](int row, int column, const QString& labelName, const QString& caption,
                           QWidget* field) {
        grid->addWidget(namedLabel(labelName, caption, this), row, column, Qt::AlignRight);
        grid->addWidget(field, row, column + 1);
    };
    //: The sign's height, in LED dots.
    place(0, 0, QStringLiteral("Label19"), tr("高さ(Dots)"),
          globalList(QStringLiteral("ComScrH"), kNumberListWidth, GlobalList::ScreenHeight));
    place(0, 2, QStringLiteral("Label11"), tr("輝度"),
          globalList(QStringLiteral("ComBright"), kNumberListWidth, GlobalList::Brightness));
    ListCombo* ports = globalList(QStringLiteral("ComSele"), kPortListWidth, GlobalList::Port);
    ports->setToolTip(tr("COM 名、デバイスのパス (/dev/ttyUSB0)、tcp://ホスト:ポート (raw TCP の装置) または "
                         "rfc2217://ホスト:ポート (telnet の装置)"));
    connect(ports, &ListCombo::popupAboutToShow, this, [this] { m_controller.refreshPorts(); });
    place(0, 4, QStringLiteral("Label4"), tr("COM ポート"), ports);
    m_portDevice = new QLabel(this);
    m_portDevice->setObjectName(QStringLiteral("LabPortDevice"));
    m_portDevice->setWordWrap(true);
    grid->addWidget(m_portDevice, 0, 6, 1, 2);

    //: Row of the clock: the message that shows the clock's digits.
    place(1, 0, QStringLiteral("Label9"), tr("表示番号", "clock"),
          globalList(QStringLiteral("ComTimeMsg"), kNumberListWidth, GlobalList::ClockMessage));
    //: Byte column of the clock's hour digits in that message.
    place(1, 2, QStringLiteral("Label14"), tr("時間表示位置"),
          globalList(QStringLiteral("ComHSide"), kNumberListWidth, GlobalList::HourPosition));
    //: Byte column of the clock's minute digits in that message.
    place(1, 4, QStringLiteral("Label16"), tr("分表示位置"),
          globalList(QStringLiteral("ComMSide"), kNumberListWidth, GlobalList::MinutePosition));
    m_showMarks = new QCheckBox(tr("時間、日付位置参照"), this);
    m_showMarks->setObjectName(QStringLiteral("ChkSide"));
    connect(m_showMarks, &QCheckBox::toggled, this, [this](bool show) { m_controller.setShowMarks(show); });
    grid->addWidget(m_showMarks, 1, 6, 1, 2);

    //: Row of the countdown: the message that shows the days left.
    place(2, 0, QStringLiteral("Label13"), tr("表示番号", "countdown"),
          globalList(QStringLiteral("ComDJSMsg"), kNumberListWidth, GlobalList::DaysMessage));
    //: Byte column of the countdown's digits in that message.
    place(2, 2, QStringLiteral("Label15"), tr("日数表示位置"),
          globalList(QStringLiteral("ComDSide"), kNumberListWidth, GlobalList::DaysPosition));
    //: The unit of the positions beside it: one byte column is eight pixels across.
    auto* unit = new QLabel(tr("(Unit Byte , 1 Byte=8 Pixels)"), this);
    unit->setObjectName(QStringLiteral("Label17"));
    unit->setFont(WindowFonts::smallLabel());
    grid->addWidget(unit, 2, 4, 1, 2);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setTextVisible(false);
    m_progress->setFixedSize(kProgressWidth, kControlHeight);
    m_progress->setValue(0);
    grid->addWidget(m_progress, 2, 6, 1, 2);
    grid->setColumnStretch(7, 1);
    // One bar for whatever moves the project's bytes: an upload, a save or a load.
    const auto showProgress = [this](int maximum, int value) {
        m_progress->setRange(0, maximum);
        m_progress->setValue(value);
    };
    connect(&m_controller, &Controller::uploadProgressChanged, this, showProgress);
    connect(&m_settings, &SettingsCommands::progressChanged, this, showProgress);

    return grid;
}

// Loading (with the recent projects beside it), saving and sending the project.
QVBoxLayout* GlobalPanel::commandButtons(ProjectSession* session)
{
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(kMargin / 2);
    //: Button that loads a project; the blank spreads the caption.
    QPushButton* load = namedButton(QStringLiteral("CmdLoad"), tr("参 照"),
                                    QSize(kButtonWidth - kArrowWidth, kButtonHeight), this);
    ButtonKeys::give(load, Qt::Key_O, QKeySequence::Open);
    connect(load, &QPushButton::clicked, this, [this] { m_settings.load(); });
    // The button asks for the name; its key saves the open project where it is.
    QPushButton* save =
        namedButton(QStringLiteral("CmdSave"), tr("保 存"), QSize(kButtonWidth, kButtonHeight), this);
    ButtonKeys::give(save, Qt::Key_S);
    ButtonKeys::bind(save, QKeySequence::Save, [this] { m_settings.saveInPlace(); });
    connect(save, &QPushButton::clicked, this, [this] { m_settings.save(); });
    auto* loadRow = new QHBoxLayout;
    loadRow->setSpacing(0);
    loadRow->addWidget(load);
    loadRow->addWidget(new RecentProjectsButton(session, QSize(kArrowWidth, kButtonHeight), this));
    buttons->addLayout(loadRow);
    buttons->addWidget(save);
    QPushButton* send =
        namedButton(QStringLiteral("CmdSend"), tr("転 送"), QSize(kButtonWidth, kButtonHeight), this);
    ButtonKeys::give(send, Qt::Key_U);
    connect(send, &QPushButton::clicked, this, [this] { m_controller.send(); });
    buttons->addWidget(send);
    return buttons;
}

ListCombo* GlobalPanel::globalList(const QString& name, int width, GlobalList list)
{
    auto* combo = new ListCombo(name, width, this);
    connect(combo, &QComboBox::editTextChanged, this,
            [this, list](const QString& text) { m_controller.typeText(list, text); });
    connect(combo, &QComboBox::activated, this,
            [this, list](int index) { m_controller.chooseEntry(list, index); });
    m_lists.emplace(list, combo);
    return combo;
}

void GlobalPanel::showPort()
{
    // Where a COM name is not itself the device (Linux, macOS), the device it stands for; for a
    // port this user may not open, why and what to do.
    const QString name = m_controller.project().globals().port.text();
    const QString device = m_controller.portDevice();
    const QString problem = m_controller.portProblem(name);
    const QString shown = device == name ? QString() : device;
    //: %1 is the device a COM name stands for, %2 why it cannot be opened.
    m_portDevice->setText(problem.isEmpty() ? shown : tr("%1：%2").arg(shown, problem));
    m_portDevice->setFont(problem.isEmpty() ? font() : WindowFonts::smallLabel());
    m_portDevice->setStyleSheet(problem.isEmpty() ? QString() : QStringLiteral("color: #c00000"));
    ListCombo* ports = m_lists.at(GlobalList::Port);
    for (int i = 0; i < ports->count(); ++i)
        ports->setItemData(i, m_controller.portProblem(ports->itemText(i)), Qt::ToolTipRole);
}

void GlobalPanel::refresh()
{
    const GlobalSettings& globals = m_controller.project().globals();
    for (const auto& [list, combo] : m_lists)
        combo->showList(globals.list(list));
    showPort();
    const QSignalBlocker blocker(m_showMarks);
    m_showMarks->setChecked(globals.showMarks);
}
