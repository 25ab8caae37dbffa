// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

// A short guide in the program's language: how to make, preview, upload and save a project, and
// what the virtual card is for. It stays open beside the work; the version and licence are a
// button away.
class HelpWindow : public QDialog {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the window, or brings it to the front.
    void showGuide();

    // The program's version, its licence and the Qt it runs on.
    [[nodiscard]] static QString aboutText();
    static void showAbout(QWidget* parent);

private:
    [[nodiscard]] static QString guide();
};
