// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "imaging/picturelighting.h"

#include <QDialog>
#include <QImage>
#include <optional>

class LedView;
class QButtonGroup;
class QCheckBox;
class QSlider;
class QSpinBox;

// Before a picture is imported, it shows the picture as the sign will light it and lets the
// operator choose how it lights: as it is, by brightness (logos) or dithered (photos), with a
// threshold and inverted. The view follows every change.
class LightingDialog : public QDialog {
    Q_OBJECT

public:
    explicit LightingDialog(const QImage& picture, QWidget* parent = nullptr);

    // The choice of a modal dialog over the parent; nothing when it is cancelled.
    [[nodiscard]] static std::optional<PictureLighting::Choice> ask(const QImage& picture, QWidget* parent);

    [[nodiscard]] PictureLighting::Choice choice() const;
    [[nodiscard]] const LedView& view() const { return *m_view; }

private:
    [[nodiscard]] QLayout* buildMethods();
    [[nodiscard]] QLayout* buildThreshold();
    void showLit();

    static constexpr int kStartPitch = 3;

    QImage m_picture;
    LedView* m_view = nullptr;
    QButtonGroup* m_methods = nullptr;
    QSlider* m_thresholdBar = nullptr;
    QSpinBox* m_threshold = nullptr;
    QCheckBox* m_inverted = nullptr;
};
