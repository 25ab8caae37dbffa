// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow.h"

#include "controller/controller.h"
#include "controller/projecthistory.h"
#include "controller/settingscommands.h"
#include "model/limits.h"
#include "ui/buttonkeys.h"
#include "ui/globalpanel.h"
#include "ui/helpbutton.h"
#include "ui/languagebutton.h"
#include "ui/messagepage.h"
#include "ui/namedwidgets.h"
#include "ui/signview.h"
#include "ui/tabstrip.h"
#include "ui/timepanel.h"
#include "ui/usagegaugeview.h"
#include "ui/windowaccessibility.h"
#include "ui/windowfonts.h"
#include "ui/windowlayout.h"
#include "ui/windowtooltips.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace WindowLayout;

namespace {

constexpr int kTitleBlanks = 116;
constexpr int kPageButtonWidth = 150;
constexpr int kExitButtonWidth = 150;
constexpr int kPlayButtonWidth = 110;
constexpr int kLanguageButtonWidth = 90;
constexpr int kHistoryButtonWidth = 82;
constexpr int kExitButtonHeight = 50;
constexpr int kGaugeLabelWidth = 160;
constexpr int kRegionGap = 4;
constexpr QSize kPageButton(kPageButtonWidth, kButtonHeight);
constexpr QSize kPlayButton(kPlayButtonWidth, kFileBoxHeight);
constexpr QSize kLanguageButton(kLanguageButtonWidth, kFileBoxHeight);

} // namespace

MainWindow::MainWindow(Controller& controller, SettingsCommands& settings, ProjectSession* session,
                       QWidget* parent)
    : QWidget(parent)
    , m_controller(controller)
    , m_settings(settings)
    , m_history(new ProjectHistory(controller, this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(title());
    setWindowModified(m_controller.project().modified());
    connect(&m_controller.project(), &Project::modifiedChanged, this, &QWidget::setWindowModified);
    setFont(WindowFonts::caption());
    setFixedSize(kWindowWidth, kWindowHeight);
    buildFileBox();
    buildTabs();
    buildLowerRegions(session);
    buildPageShortcuts();

    // The sign view is a window of its own, so this one keeps its layout; its button sits in the
    // free corner beside the file name.
    m_signView = std::make_unique<SignView>(m_controller, this);
    auto* play = namedButton(QStringLiteral("CmdPlay"), tr("プレビュー"), kPlayButton, this);
    play->move(kWindowWidth - kMargin - kPlayButton.width(), kRegionGap);
    ButtonKeys::give(play, Qt::Key_P, Qt::Key_F5);
    play->setAccessibleName(tr("表示プレビューを開く"));
    connect(play, &QPushButton::clicked, m_signView.get(), &SignView::open);
    // The other corner is free too, and out of the way of the work.
    auto* language = new LanguageButton(kLanguageButton, this);
    language->move(kMargin, kRegionGap);
    connect(language, &LanguageButton::chosen, this, &MainWindow::languageChosen);
    auto* help = new HelpButton(QSize(kFileBoxHeight, kFileBoxHeight), this);
    help->move(language->geometry().right() + 1 + kRegionGap, kRegionGap);
    buildHistoryButtons(help->geometry().right() + 1 + kRegionGap);
    WindowAccessibility::describe(*this);
    WindowToolTips::describe(*this);
}

MainWindow::~MainWindow() = default;

QString MainWindow::title()
{
    // The product's name as operators know it: the same in every language. A star after it marks
    // unsaved changes.
    return QStringLiteral("P10 LED表示器イメージ設定ソフト Ver3.72[*]") + QString(kTitleBlanks, u' ') +
           QStringLiteral("Vorel");
}

QStringList MainWindow::tabCaptions()
{
    // The first eight are padded so that both rows of tabs read alike.
    QStringList captions;
    for (int m = 0; m < kMessageCount; ++m) {
        //: Tab of a message page; %1 is the message number, 0 to 15.
        const QString caption = tr("表示 %1").arg(m);
        if (m == 0)
            captions << QStringLiteral("    %1   ").arg(caption);
        else if (m < 7)
            captions << QStringLiteral("   %1   ").arg(caption);
        else if (m == 7)
            captions << QStringLiteral("   %1  ").arg(caption);
        else if (m < kMessageCount - 1)
            captions << caption;
        else
            captions << caption + u' ';
    }
    return captions;
}

void MainWindow::buildFileBox()
{
    auto* box = new QFrame(this);
    box->setObjectName(QStringLiteral("Picture3"));
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setGeometry((kWindowWidth - kFileBoxWidth) / 2, kRegionGap, kFileBoxWidth, kFileBoxHeight);
    m_fileLabel = new QLabel(box);
    m_fileLabel->setObjectName(QStringLiteral("LabFile"));
    m_fileLabel->setFont(WindowFonts::fileLabel());
    m_fileLabel->setStyleSheet(QStringLiteral("color: blue"));
    m_fileLabel->setGeometry(box->contentsRect().adjusted(kRegionGap, 0, -kRegionGap, 0));
    m_fileLabel->setText(m_controller.project().fileLabel());
    connect(&m_controller.project(), &Project::fileLabelChanged, m_fileLabel, &QLabel::setText);
}

void MainWindow::buildTabs()
{
    m_tabs = new TabStrip(tabCaptions(), kTabsPerRow, this);
    m_tabs->setObjectName(QStringLiteral("TabStrip1"));
    m_tabs->setGeometry(kMargin, kFileBoxHeight + 2 * kRegionGap, kTabStripWidth, kTabStripHeight);

    auto* content = new QWidget(m_tabs);
    content->setGeometry(m_tabs->pageArea());
    m_pages = new QStackedWidget(content);

    // These act on the current message, the page that is showing.
    auto* adopt = namedButton(QStringLiteral("CmdUpText"), tr("テキスト採用"), kPageButton, content);
    ButtonKeys::give(adopt, Qt::Key_T, Qt::CTRL | Qt::Key_Return);
    connect(adopt, &QPushButton::clicked, this, [this] { m_controller.adoptText(); });
    auto* import = namedButton(QStringLiteral("CmdLdPic"), tr("画像参照"), kPageButton, content);
    ButtonKeys::give(import, Qt::Key_I);
    connect(import, &QPushButton::clicked, this, [this] { m_controller.importPicture(); });
    auto* exportButton = namedButton(QStringLiteral("CmdSvPic"), tr("画像保存"), kPageButton, content);
    ButtonKeys::give(exportButton, Qt::Key_E);
    connect(exportButton, &QPushButton::clicked, this, [this] { m_controller.exportPicture(); });

    auto* buttons = new QHBoxLayout;
    buttons->addSpacing(kMargin);
    buttons->addWidget(adopt);
    buttons->addStretch();
    buttons->addWidget(import);
    buttons->addStretch();
    buttons->addWidget(exportButton);
    buttons->addSpacing(kMargin);

    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(kRegionGap, kRegionGap, kRegionGap, kRegionGap);
    layout->setSpacing(kRegionGap);
    layout->addWidget(m_pages, 1);
    layout->addLayout(buttons);

    connect(m_tabs, &TabStrip::currentChanged, this, [this](int index) {
        m_controller.selectTab(index);
        showSelectedPage();
    });
    showSelectedPage();
}

void MainWindow::buildLowerRegions(ProjectSession* session)
{
    int top = m_tabs->geometry().bottom() + 1 + kRegionGap;
    auto* globals = new GlobalPanel(m_controller, m_settings, session, this);
    globals->move(kMargin, top);

    top += kGlobalFrameHeight + kRegionGap;
    auto* time = new TimePanel(m_controller, this);
    time->move(kMargin, top);
    auto* exit = new QPushButton(tr("閉じる"), this);
    exit->setObjectName(QStringLiteral("CmdExit"));
    exit->setFont(WindowFonts::exitButton());
    exit->setGeometry(kWindowWidth - kMargin - kExitButtonWidth,
                      top + (kTimeFrameHeight - kExitButtonHeight) / 2, kExitButtonWidth, kExitButtonHeight);
    ButtonKeys::give(exit, Qt::Key_L);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);

    top += kTimeFrameHeight + 2 * kRegionGap;
    auto* gaugeLabel = new QLabel(tr("メモリの使用状況"), this);
    gaugeLabel->setObjectName(QStringLiteral("Label8"));
    gaugeLabel->setGeometry(kMargin, top - kRegionGap, kGaugeLabelWidth, kControlHeight);
    auto* gauge = new UsageGaugeView(m_controller.project(), this);
    gauge->move(kWindowWidth - kMargin - kGaugeFrameWidth, top);

    // How the last exchange with the card ended, or how long the running upload has left.
    top += kGaugeFrameHeight + kRegionGap / 2;
    auto* status = new QLabel(m_controller.transferStatus(), this);
    status->setObjectName(QStringLiteral("LabStatus"));
    status->setFont(WindowFonts::smallLabel());
    status->setGeometry(kWindowWidth - kMargin - kGaugeFrameWidth, top, kGaugeFrameWidth,
                        kWindowHeight - top);
    connect(&m_controller, &Controller::transferStatusChanged, status, &QLabel::setText);
}

void MainWindow::buildPageShortcuts()
{
    // Ctrl+Tab and Ctrl+Shift+Tab where the platform uses them for the next and previous page.
    const auto step = [this](QKeySequence::StandardKey key, int by) {
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, this, [this, by] {
            m_tabs->setCurrentIndex((m_tabs->currentIndex() + by + kMessageCount) % kMessageCount);
        });
    };
    step(QKeySequence::NextChild, 1);
    step(QKeySequence::PreviousChild, -1);
}

void MainWindow::buildHistoryButtons(int left)
{
    QUndoStack& stack = m_history->stack();
    const QSize size(kHistoryButtonWidth, kFileBoxHeight);
    //: Takes back the last change to the project.
    auto* undo = namedButton(QStringLiteral("CmdUndo"), tr("元に戻す"), size, this);
    undo->move(left, kRegionGap);
    ButtonKeys::give(undo, Qt::Key_N);
    undo->setEnabled(stack.canUndo());
    connect(&stack, &QUndoStack::canUndoChanged, undo, &QWidget::setEnabled);
    connect(undo, &QPushButton::clicked, m_history, &ProjectHistory::undo);
    //: Makes the change taken back again.
    auto* redo = namedButton(QStringLiteral("CmdRedo"), tr("やり直し"), size, this);
    redo->move(left + kHistoryButtonWidth + kRegionGap, kRegionGap);
    ButtonKeys::give(redo, Qt::Key_R);
    redo->setEnabled(stack.canRedo());
    connect(&stack, &QUndoStack::canRedoChanged, redo, &QWidget::setEnabled);
    connect(redo, &QPushButton::clicked, m_history, &ProjectHistory::redo);

    // The window's history, also from inside a field, which would otherwise undo its own typing;
    // no Alt letter types into a field either.
    const QKeySequence undoKey(Qt::CTRL | Qt::Key_Z);
    const QList<QKeySequence> redoKeys{Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Qt::CTRL | Qt::Key_Y};
    ButtonKeys::bind(this, undoKey, [this] { m_history->undo(); });
    for (const QKeySequence& key : redoKeys)
        ButtonKeys::bind(this, key, [this] { m_history->redo(); });
    ButtonKeys::guardFields(this, QList{undoKey} + redoKeys);
}

// A page is built when its tab is first chosen: the window shows sooner, and a page that is built
// reads the project as it is then.
MessagePage* MainWindow::page(int message)
{
    MessagePage*& page = m_messagePages.at(static_cast<std::size_t>(message));
    if (!page) {
        page = new MessagePage(m_controller, message, m_pages);
        m_pages->addWidget(page);
        WindowAccessibility::describePage(*page, message);
        WindowToolTips::describePage(*page, message);
    }
    return page;
}

void MainWindow::showSelectedPage()
{
    m_pages->setCurrentWidget(page(m_controller.selectedTab()));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!m_settings.confirmClose()) {
        event->ignore();
        return;
    }
    // The window is the program: an exchange still running stops here and its port is released.
    if (m_controller.transferInProgress())
        m_controller.abortTransfer();
    m_signView->close();
    event->accept();
}
