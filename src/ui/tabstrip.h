// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QWidget>

// A tab strip whose tabs wrap into rows, with the page area below them. Sixteen message tabs do
// not fit one row at the window's font, and a scrolling tab bar would hide half of them.
class TabStrip : public QWidget {
    Q_OBJECT

public:
    TabStrip(QStringList captions, int tabsPerRow, QWidget* parent);

    [[nodiscard]] int count() const { return static_cast<int>(m_captions.size()); }
    [[nodiscard]] QString tabText(int index) const { return m_captions.value(index); }
    [[nodiscard]] int currentIndex() const { return m_current; }
    void setCurrentIndex(int index);
    [[nodiscard]] QRect tabRect(int index) const;
    // Where the pages go, inside the frame under the tabs.
    [[nodiscard]] QRect pageArea() const;

signals:
    void currentChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    [[nodiscard]] int rowCount() const { return (count() + m_tabsPerRow - 1) / m_tabsPerRow; }
    [[nodiscard]] int rowHeight() const;

    QStringList m_captions;
    int m_tabsPerRow = 1;
    int m_current = 0;
};
