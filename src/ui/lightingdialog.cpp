// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/lightingdialog.h"

#include "card/signframe.h"
#include "imaging/messagecanvas.h"
#include "ui/ledview.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace {

using Method = PictureLighting::Method;

constexpr int kMinThreshold = 1;
constexpr int kScreenShare = 80; // per cent of the screen's width the dialog may take

SignFrame frameOf(const QImage& lit)
{
    SignFrame frame;
    frame.resize((lit.width() + kPixelsPerByte - 1) / kPixelsPerByte, lit.height());
    for (int y = 0; y < lit.height(); ++y) {
        for (int x = 0; x < lit.width(); ++x)
            frame.setLit(x, y, MessageCanvas::isLit(lit.pixel(x, y)));
    }
    return frame;
}

} // namespace

LightingDialog::LightingDialog(const QImage& picture, QWidget* parent)
    : QDialog(parent)
    , m_picture(picture)
{
    setObjectName(QStringLiteral("LightingDialog"));
    setWindowTitle(tr("画像の点灯のしかた"));

    m_view = new LedView;
    m_view->setObjectName(QStringLiteral("PicLighting"));
    m_view->setAccessibleName(tr("表示器での見え方"));
    m_view->setPitch(kStartPitch);
    //: Tooltip of the picture in the import dialog.
    m_view->setToolTip(tr("取り込むと表示器はこのように点灯します。Ctrl + ホイールで拡大・縮小します。"));
    connect(m_view, &LedView::pitchWanted, m_view, [this](int pitch) {
        m_view->setPitch(std::clamp(pitch, LedView::kMinPitch, LedView::kMaxPitch));
    });
    auto* scroll = new QScrollArea;
    scroll->setWidget(m_view);
    scroll->setAlignment(Qt::AlignCenter);
    scroll->setBackgroundRole(QPalette::Dark);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll);
    layout->addLayout(buildMethods());
    layout->addLayout(buildThreshold());
    layout->addWidget(buttons);
    showLit();

    const int room = screen()->availableGeometry().width() * kScreenShare / 100;
    const int frame = 2 * scroll->frameWidth();
    scroll->setMinimumHeight(m_view->height() + frame + scroll->horizontalScrollBar()->sizeHint().height());
    resize(std::min(room, m_view->width() + frame + 2 * layout->contentsMargins().left()),
           sizeHint().height());
}

QLayout* LightingDialog::buildMethods()
{
    m_methods = new QButtonGroup(this);
    auto* row = new QHBoxLayout;
    const auto add = [&](Method method, const QString& name, const QString& caption, const QString& tip) {
        auto* button = new QRadioButton(caption);
        button->setObjectName(name);
        button->setToolTip(tip);
        m_methods->addButton(button, int(method));
        row->addWidget(button);
    };
    add(Method::StrongRed, QStringLiteral("OptAsIs"), tr("そのまま"),
        tr("赤の強い部分 (赤 128 以上) が点灯します。表示器用に赤と黒で作った画像向きです。"));
    add(Method::Brightness, QStringLiteral("OptBrightness"), tr("明るさで分ける（ロゴ向け）"),
        tr("しきい値より明るい部分が点灯します。色の付いたロゴや文字の画像向きです。"));
    add(Method::Dithered, QStringLiteral("OptDithered"), tr("ディザ（写真向け）"),
        tr("明るさに応じて点灯する点の密度を変えます (誤差拡散)。写真向きです。"));
    m_methods->button(int(Method::StrongRed))->setChecked(true);
    row->addStretch();
    connect(m_methods, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            showLit();
    });
    return row;
}

QLayout* LightingDialog::buildThreshold()
{
    m_thresholdBar = new QSlider(Qt::Horizontal);
    m_thresholdBar->setObjectName(QStringLiteral("SldThreshold"));
    m_threshold = new QSpinBox;
    m_threshold->setObjectName(QStringLiteral("SpnThreshold"));
    m_thresholdBar->setRange(kMinThreshold, PictureLighting::kMaxThreshold);
    m_threshold->setRange(kMinThreshold, PictureLighting::kMaxThreshold);
    m_thresholdBar->setValue(PictureLighting::kDefaultThreshold);
    m_threshold->setValue(PictureLighting::kDefaultThreshold);
    //: Tooltip of the threshold; %1 and %2 are its smallest and largest values.
    const QString tip = tr("この明るさ (%1 暗い〜%2 明るい) から点灯します。下げると点灯する部分が増えます。")
                            .arg(kMinThreshold)
                            .arg(PictureLighting::kMaxThreshold);
    m_thresholdBar->setToolTip(tip);
    m_threshold->setToolTip(tip);
    connect(m_thresholdBar, &QSlider::valueChanged, m_threshold, &QSpinBox::setValue);
    connect(m_threshold, &QSpinBox::valueChanged, m_thresholdBar, &QSlider::setValue);
    connect(m_threshold, &QSpinBox::valueChanged, this, &LightingDialog::showLit);

    m_inverted = new QCheckBox(tr("反転（暗い部分を点灯）"));
    m_inverted->setObjectName(QStringLiteral("ChkInvert"));
    m_inverted->setToolTip(
        tr("点灯する部分と消える部分を入れ替えます。白地に黒のロゴはこれで文字が点灯します。"));
    connect(m_inverted, &QCheckBox::toggled, this, &LightingDialog::showLit);

    auto* label = new QLabel(tr("しきい値"));
    label->setBuddy(m_threshold);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_thresholdBar, 1);
    row->addWidget(m_threshold);
    row->addSpacing(label->fontMetrics().averageCharWidth() * 2);
    row->addWidget(m_inverted);
    return row;
}

PictureLighting::Choice LightingDialog::choice() const
{
    return {Method(m_methods->checkedId()), m_threshold->value(), m_inverted->isChecked()};
}

void LightingDialog::showLit()
{
    const PictureLighting::Choice chosen = choice();
    const bool usesThreshold = chosen.method != Method::StrongRed;
    m_thresholdBar->setEnabled(usesThreshold);
    m_threshold->setEnabled(usesThreshold);
    m_view->setFrame(frameOf(PictureLighting::apply(m_picture, chosen)));
}

std::optional<PictureLighting::Choice> LightingDialog::ask(const QImage& picture, QWidget* parent)
{
    LightingDialog dialog(picture, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}
