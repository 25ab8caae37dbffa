// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/messagepage.h"

#include "controller/controller.h"
#include "model/limits.h"
#include "model/listitems.h"
#include "ui/focusoutfilter.h"
#include "ui/listcombo.h"
#include "ui/namedwidgets.h"
#include "ui/previewview.h"
#include "ui/windowfonts.h"
#include "ui/windowlayout.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <functional>

using namespace WindowLayout;

namespace {

constexpr int kTextLines = 4;
constexpr int kTextLinesPage0 = 3; // page 0 gives a row to the screen width
constexpr int kFontNameWidth = 330;
constexpr int kFontSizeWidth = 70;
constexpr int kModeWidth = 150;
constexpr int kSpeedWidth = 60;
constexpr int kScreenWidthWidth = 70;
constexpr int kAdjustFieldWidth = 50;

// The text box keeps line breaks as the operator's system writes them; the model keeps CR LF.
QString modelText(const QString& shown)
{
    return QString(shown).replace(u'\n', QStringLiteral("\r\n"));
}
QString shownText(const QString& model)
{
    return QString(model).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

//: %1 is the message number, 0 to 15.
MessagePage::MessagePage(Controller& controller, int message, QWidget* parent)
    : QGroupBox(tr("表示 %1  イメージ").arg(message), parent)
    , m_controller(controller)
    , m_message(message)
{
    setObjectName(name(QStringLiteral("Frame1")));
    m_preview = new PreviewView(controller.project(), controller.images(), message, this);

    m_scroll = new QScrollBar(Qt::Horizontal, this);
    m_scroll->setObjectName(name(QStringLiteral("HScroll1")));
    m_scroll->setRange(0, kScrollMax);
    m_scroll->setSingleStep(kScrollArrowStep);
    m_scroll->setPageStep(kScrollPageStep);
    m_scroll->setFixedWidth(m_preview->width());
    connect(m_scroll, &QScrollBar::valueChanged, this,
            [this](int value) { m_controller.setScroll(m_message, value); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kMargin / 2, kMargin, kMargin / 2);
    layout->setSpacing(kMargin / 2);
    layout->addWidget(m_preview);
    layout->addWidget(m_scroll);
    layout->addWidget(buildTextFrame());
    layout->addWidget(buildShowFrame());
    layout->addLayout(buildAdjustRow());
    layout->addStretch();

    const Project& project = controller.project();
    connect(&project, &Project::messageChanged, this, [this](int m) {
        if (m == m_message)
            refresh();
    });
    connect(&project, &Project::fontFamiliesChanged, this, &MessagePage::refreshFontList);
    connect(&project, &Project::altBoxesChanged, this, &MessagePage::refreshAltBox);
    if (m_screenWidth)
        connect(&project, &Project::globalsChanged, this, &MessagePage::refreshScreenWidth);
    refreshFontList();
    refresh();
    refreshAltBox();
    if (m_screenWidth)
        refreshScreenWidth();
    showChosenFont();
}

QString MessagePage::name(const QString& base) const
{
    return arrayName(base, m_message);
}

QWidget* MessagePage::buildTextFrame()
{
    auto* frame = new QGroupBox(this);
    frame->setObjectName(name(QStringLiteral("Frame2")));
    m_text = new QPlainTextEdit(frame);
    m_text->setObjectName(name(QStringLiteral("TxtBox")));
    m_text->setTabChangesFocus(true);
    // The text is drawn as one line, so the box stays a plain field without scroll bars.
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int lines = m_message == 0 ? kTextLinesPage0 : kTextLines;
    m_textHeight = lines * m_text->fontMetrics().lineSpacing() + 2 * kMargin;
    m_text->setFixedHeight(m_textHeight);
    // A zoomed image takes its room from the text box, so the page keeps its layout.
    connect(m_preview, &PreviewView::grown, m_text,
            [this](int pixels) { m_text->setFixedHeight(m_textHeight - pixels); });
    connect(m_text, &QPlainTextEdit::textChanged, this,
            [this] { m_controller.setMessageText(m_message, modelText(m_text->toPlainText())); });

    m_fontName = new ListCombo(name(QStringLiteral("FntName")), kFontNameWidth, frame);
    m_fontName->setFont(WindowFonts::anyText());
    connect(m_fontName, &QComboBox::editTextChanged, this,
            [this](const QString& text) { m_controller.setFontName(m_message, text); });
    connect(FocusOutFilter::watch(m_fontName), &FocusOutFilter::focusLeft, this,
            &MessagePage::showChosenFont);
    m_fontSize = messageList(name(QStringLiteral("FntSize")), kFontSizeWidth, MessageList::FontSize);
    m_bold = checkBox(name(QStringLiteral("ChkBold")), tr("太文字"), &Controller::setBold);

    auto* row = new QHBoxLayout;
    row->addWidget(namedLabel(name(QStringLiteral("Label5")), tr("フォント"), frame));
    row->addWidget(m_fontName);
    row->addSpacing(2 * kMargin);
    row->addWidget(namedLabel(name(QStringLiteral("Label7")), tr("フォントサイズ"), frame));
    row->addWidget(m_fontSize);
    row->addStretch();
    row->addWidget(m_bold);

    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(kMargin, kMargin / 2, kMargin, kMargin / 2);
    layout->setSpacing(kMargin / 2);
    layout->addWidget(m_text);
    layout->addLayout(row);
    return frame;
}

QWidget* MessagePage::buildShowFrame()
{
    auto* frame = new QGroupBox(this);
    frame->setObjectName(name(QStringLiteral("Frame4")));
    m_mode = messageList(name(QStringLiteral("ComMod")), kModeWidth, MessageList::Mode);
    m_speed = messageList(name(QStringLiteral("MovSpeed")), kSpeedWidth, MessageList::Speed);
    m_flash = checkBox(name(QStringLiteral("ChkFls")), tr("点滅動作"), &Controller::setFlash);
    //: The running dashed frame round the sign's edge.
    m_loopLamp = checkBox(name(QStringLiteral("ChkRun")), tr("飾り枠"), &Controller::setLoopLamp);
    // The alternation boxes hold the group a loaded file names; the operator never sees them.
    m_alt = checkBox(name(QStringLiteral("ChkAlt")), QStringLiteral("Alternate"), &Controller::setAltTicked);
    m_alt->setVisible(false);

    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(kMargin, kMargin / 2, kMargin, kMargin / 2);
    grid->setVerticalSpacing(kMargin / 2);
    grid->addWidget(namedLabel(name(QStringLiteral("Label3")), tr("移動モード"), frame), 0, 0);
    grid->addWidget(m_mode, 0, 1);
    grid->addWidget(namedLabel(name(QStringLiteral("Label2")), tr("移動速度"), frame), 0, 2);
    grid->addWidget(m_speed, 0, 3);
    grid->addWidget(m_flash, 0, 4);
    if (m_message == 0) {
        m_screenWidth = new ListCombo(QStringLiteral("ComScrW"), kScreenWidthWidth, frame);
        connect(m_screenWidth, &QComboBox::editTextChanged, this,
                [this](const QString& text) { m_controller.typeText(GlobalList::ScreenWidth, text); });
        connect(m_screenWidth, &QComboBox::activated, this,
                [this](int index) { m_controller.chooseEntry(GlobalList::ScreenWidth, index); });
        //: The sign's width, in byte columns of eight pixels.
        grid->addWidget(namedLabel(QStringLiteral("Label10"), tr("表示画面長さ（Bytes)"), frame), 1, 0);
        grid->addWidget(m_screenWidth, 1, 1);
        grid->addWidget(namedLabel(QStringLiteral("Label12"), tr("(1 Byte = 8 Pixels)"), frame), 1, 2, 1, 2);
        grid->addWidget(m_loopLamp, 1, 4);
        grid->addWidget(m_alt, 1, 5);
    } else {
        grid->addWidget(m_loopLamp, 0, 5);
        grid->addWidget(m_alt, 0, 6);
    }
    grid->setColumnStretch(7, 1);
    grid->setHorizontalSpacing(2 * kMargin);
    return frame;
}

QLayout* MessagePage::buildAdjustRow()
{
    m_topAdj = new QLineEdit(this);
    m_topAdj->setObjectName(name(QStringLiteral("TopAdj")));
    m_topAdj->setFixedSize(kAdjustFieldWidth, kControlHeight);
    connect(m_topAdj, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_controller.setTopAdjText(m_message, text); });

    // Its top end is -10: pushing the bar down draws the text lower.
    m_adjust = new QScrollBar(Qt::Vertical, this);
    m_adjust->setObjectName(name(QStringLiteral("VScAdj")));
    m_adjust->setRange(kAdjustMin, kAdjustMax);
    m_adjust->setSingleStep(1);
    m_adjust->setPageStep(1);
    m_adjust->setFixedSize(kSpinWidth, kControlHeight);
    connect(m_adjust, &QScrollBar::valueChanged, this,
            [this](int value) { m_controller.setAdjustBar(m_message, value); });

    auto* row = new QHBoxLayout;
    row->setSpacing(kMargin / 2);
    //: Moves the adopted text up or down, in dots.
    row->addWidget(namedLabel(name(QStringLiteral("Label6")), tr("表示位置調整"), this));
    row->addWidget(m_topAdj);
    row->addWidget(m_adjust);
    row->addStretch();
    return row;
}

ListCombo* MessagePage::messageList(const QString& name, int width, MessageList list)
{
    auto* combo = new ListCombo(name, width, this);
    if (list == MessageList::Mode)
        combo->setShownText(&ListItems::shownText);
    connect(combo, &QComboBox::editTextChanged, this, [this, list, combo](const QString& text) {
        m_controller.typeText(m_message, list, combo->entryText(text));
    });
    connect(combo, &QComboBox::activated, this,
            [this, list](int index) { m_controller.chooseEntry(m_message, list, index); });
    return combo;
}

QCheckBox* MessagePage::checkBox(const QString& name, const QString& caption,
                                 void (Controller::*set)(int, bool))
{
    auto* box = new QCheckBox(caption, this);
    box->setObjectName(name);
    connect(box, &QCheckBox::toggled, this, std::bind_front(set, &m_controller, m_message));
    return box;
}

void MessagePage::refresh()
{
    const MessageSettings& message = m_controller.project().message(m_message);
    if (modelText(m_text->toPlainText()) != message.text) {
        const QSignalBlocker blocker(m_text);
        m_text->setPlainText(shownText(message.text));
    }
    if (m_fontName->currentText() != message.fontName)
        m_fontName->showItems(m_controller.project().fontFamilies(), message.fontName);
    if (!m_fontName->hasFocus())
        showChosenFont();
    m_fontSize->showList(message.fontSize);
    m_mode->showList(message.mode);
    m_speed->showList(message.speed);
    for (const auto& [box, ticked] : {std::pair{m_bold, message.bold}, std::pair{m_flash, message.flash},
                                      std::pair{m_loopLamp, message.loopLamp}}) {
        const QSignalBlocker blocker(box);
        box->setChecked(ticked);
    }
    if (m_topAdj->text() != message.topAdj) {
        const QSignalBlocker blocker(m_topAdj);
        m_topAdj->setText(message.topAdj);
    }
    {
        const QSignalBlocker blocker(m_adjust);
        m_adjust->setValue(message.adjustBar);
    }
    {
        const QSignalBlocker blocker(m_scroll);
        m_scroll->setValue(message.scroll);
    }
    m_preview->setScroll(message.scroll);
}

void MessagePage::refreshFontList()
{
    m_fontName->showItems(m_controller.project().fontFamilies(),
                          m_controller.project().message(m_message).fontName);
}

void MessagePage::refreshScreenWidth()
{
    m_screenWidth->showList(m_controller.project().globals().screenWidth);
}

void MessagePage::refreshAltBox()
{
    const AltBox& box = m_controller.project().altBoxes()[m_message];
    const QSignalBlocker blocker(m_alt);
    m_alt->setChecked(box.ticked);
    m_alt->setEnabled(box.enabled);
}

void MessagePage::showChosenFont()
{
    const QFont font = WindowFonts::textBox(m_controller.project().message(m_message).fontName);
    if (m_text->font() != font)
        m_text->setFont(font);
}
