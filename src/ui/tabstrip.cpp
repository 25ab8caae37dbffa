// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tabstrip.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <utility>

namespace {

constexpr int kTabPadding = 10;
constexpr int kFrameInset = 2;

} // namespace

TabStrip::TabStrip(QStringList captions, int tabsPerRow, QWidget* parent)
    : QWidget(parent)
    , m_captions(std::move(captions))
    , m_tabsPerRow(std::max(1, tabsPerRow))
{
    setFocusPolicy(Qt::StrongFocus);
}

int TabStrip::rowHeight() const
{
    return fontMetrics().height() + kTabPadding;
}

QRect TabStrip::tabRect(int index) const
{
    if (index < 0 || index >= count())
        return {};
    // As in a Windows tab strip of several rows, the row holding the selected tab moves next to
    // the page, so that the selected tab joins the page it shows; the rows keep their cyclic order.
    const int rows = rowCount();
    const int row = (index / m_tabsPerRow - m_current / m_tabsPerRow - 1 + 2 * rows) % rows;
    const int column = index % m_tabsPerRow;
    const int left = column * width() / m_tabsPerRow;
    const int right = (column + 1) * width() / m_tabsPerRow;
    return {left, row * rowHeight(), right - left, rowHeight()};
}

QRect TabStrip::pageArea() const
{
    const int top = rowCount() * rowHeight();
    return QRect(0, top, width(), height() - top)
        .adjusted(kFrameInset, kFrameInset, -kFrameInset, -kFrameInset);
}

void TabStrip::setCurrentIndex(int index)
{
    if (index < 0 || index >= count() || index == m_current)
        return;
    m_current = index;
    update();
    emit currentChanged(index);
}

void TabStrip::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    const int top = rowCount() * rowHeight();
    frame.rect = QRect(0, top - 1, width(), height() - top + 1);
    frame.shape = QTabBar::RoundedNorth;
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);

    for (int i = 0; i < count(); ++i) {
        QStyleOptionTab tab;
        tab.initFrom(this);
        tab.rect = tabRect(i);
        tab.text = m_captions.at(i);
        tab.shape = QTabBar::RoundedNorth;
        const int column = i % m_tabsPerRow;
        tab.position = column == 0                  ? QStyleOptionTab::Beginning
                       : column == m_tabsPerRow - 1 ? QStyleOptionTab::End
                                                    : QStyleOptionTab::Middle;
        tab.state &= ~QStyle::State_HasFocus;
        if (i == m_current) {
            tab.state |= QStyle::State_Selected;
            if (hasFocus())
                tab.state |= QStyle::State_HasFocus;
        }
        painter.drawControl(QStyle::CE_TabBarTab, tab);
    }
}

void TabStrip::mousePressEvent(QMouseEvent* event)
{
    for (int i = 0; i < count(); ++i) {
        if (tabRect(i).contains(event->position().toPoint())) {
            setCurrentIndex(i);
            return;
        }
    }
    QWidget::mousePressEvent(event);
}

void TabStrip::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        setCurrentIndex(m_current - 1);
        break;
    case Qt::Key_Right:
        setCurrentIndex(m_current + 1);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
