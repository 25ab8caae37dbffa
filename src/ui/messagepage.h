// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/messagesettings.h"

#include <QGroupBox>

class Controller;
class ListCombo;
class PreviewView;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QScrollBar;

// The page of one message: its preview with the scroll bar, its text with font, size and bold,
// its show settings and the position adjust. Page 0 also holds the screen width selector.
class MessagePage : public QGroupBox {
    Q_OBJECT

public:
    MessagePage(Controller& controller, int message, QWidget* parent);

private:
    [[nodiscard]] QWidget* buildTextFrame();
    [[nodiscard]] QWidget* buildShowFrame();
    [[nodiscard]] QLayout* buildAdjustRow();
    [[nodiscard]] ListCombo* messageList(const QString& name, int width, MessageList list);
    [[nodiscard]] QCheckBox* checkBox(const QString& name, const QString& caption,
                                      void (Controller::*set)(int, bool));
    [[nodiscard]] QString name(const QString& base) const;

    void refresh();
    void refreshFontList();
    void refreshScreenWidth();
    void refreshAltBox();
    // The text box shows its text in the chosen font once the operator leaves the font list.
    void showChosenFont();

    Controller& m_controller;
    int m_message = 0;
    PreviewView* m_preview = nullptr;
    int m_textHeight = 0;
    QScrollBar* m_scroll = nullptr;
    QPlainTextEdit* m_text = nullptr;
    ListCombo* m_fontName = nullptr;
    ListCombo* m_fontSize = nullptr;
    QCheckBox* m_bold = nullptr;
    ListCombo* m_mode = nullptr;
    ListCombo* m_speed = nullptr;
    QCheckBox* m_flash = nullptr;
    QCheckBox* m_loopLamp = nullptr;
    QCheckBox* m_alt = nullptr;
    ListCombo* m_screenWidth = nullptr;
    QLineEdit* m_topAdj = nullptr;
    QScrollBar* m_adjust = nullptr;
};
