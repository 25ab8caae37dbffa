// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/helpwindow.h"

#include "appinfo.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

constexpr QSize kStartSize(640, 560);

} // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("p10sign ヘルプ"));
    auto* text = new QTextBrowser;
    text->setObjectName(QStringLiteral("HelpText"));
    text->setOpenExternalLinks(false);
    text->setHtml(guide());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton* about = buttons->addButton(tr("p10sign について"), QDialogButtonBox::HelpRole);
    about->setObjectName(QStringLiteral("CmdAbout"));
    connect(about, &QPushButton::clicked, this, [this] { showAbout(this); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
    resize(kStartSize);
}

void HelpWindow::showGuide()
{
    show();
    raise();
    activateWindow();
}

QString HelpWindow::guide()
{
    //: The help page, in HTML. Captions in 「」 are the window's own; in English use its English captions.
    return tr(
        "<h2>p10sign の使い方</h2>"
        "<h3>表示を作る</h3>"
        "<p>表示 0〜15 のタブでページを選び、テキスト欄に文字を書いて、フォントと大きさを選び、"
        "「テキスト採用」を押すと、文字がそのページのイメージになります。「画像参照」で画像ファイルを"
        "取り込むこともできます。取り込む前に、表示器での点灯のしかた (そのまま、明るさで分ける、ディザ)、"
        "しきい値と反転を選べます。</p>"
        "<p>移動モード、移動速度 (1 遅い〜8 速い)、点滅と飾り枠はページごとに選びます。表示器の幅は"
        "表示 0 のページで、高さと輝度 (1 暗い〜4 最も明るい) はウィンドウの下の欄で選びます。時計を出す"
        "ページは上の「表示番号」、残りの日数 (カウントダウン) を出すページは下の「表示番号」で選び、"
        "数字の位置を「時間、日付位置参照」でイメージの上に確かめられます。</p>"
        "<h3>プレビュー</h3>"
        "<p>「プレビュー」を押すと、今のページの表示を表示器と同じように再生するウィンドウが開きます。"
        "転送にかかる時間と、カードのメモリに収まるかどうかも示します。</p>"
        "<h3>転送</h3>"
        "<p>「COM ポート」で表示器をつないだポートを選び、右の「転 送」を押すと、すべての表示と設定が"
        "表示器へ送られます。下の「転 送」は、パソコンの時刻を表示器の時計に送ります。カードに収まらない"
        "プロジェクトは、送る前に尋ねます。</p>"
        "<h3>保存</h3>"
        "<p>「保 存」でプロジェクトを設定ファイル (.ini) と表示データファイルに保存し、「参 照」で開きます。"
        "保存していない変更があると、閉じる前や別のプロジェクトを開く前に、保存するか尋ねます。</p>"
        "<h3>仮想カード</h3>"
        "<p>表示器が手元になくても、仮想カード p10signcard で転送を試せます。<code>p10signcard --pty</code> "
        "を起動すると、そのポートが「COM ポート」の一覧に加わります。そこへ転送すると、仮想カードは"
        "本物のカードと同じように受け取り、表示を再生して、受け取ったものと誤りを記録に示します。</p>"
        "<p>コントロールにマウスを置くと、その働きと値の範囲が表示されます。F1 でこのヘルプを開きます。</p>");
}

QString HelpWindow::aboutText()
{
    //: %1 is the program's version, %2 the Qt version it runs on.
    return tr("<h3>p10sign %1</h3>"
              "<p>P10 LED 表示器のメッセージを作り、制御カードへ転送するプログラムです。</p>"
              "<p>ライセンス: GNU General Public License バージョン 3 以降 (GPL-3.0-or-later)。"
              "このプログラムはフリーソフトウェアで、無保証です。</p>"
              "<p>Qt %2 を使っています。</p>")
        .arg(QLatin1String(AppInfo::kVersion), QLatin1String(qVersion()));
}

void HelpWindow::showAbout(QWidget* parent)
{
    QMessageBox::about(parent, tr("p10sign について"), aboutText());
}
