// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windowtooltips.h"

#include "ui/windowlayout.h"

#include <QWidget>

using WindowLayout::arrayName;

namespace {

constexpr int kMaxMarkPosition = 255;

// As rich text, so that a long tip wraps rather than running across the screen.
void tip(QWidget& window, const QString& name, const QString& text)
{
    if (auto* control = window.findChild<QWidget*>(name))
        control->setToolTip(QStringLiteral("<p>%1</p>").arg(text.toHtmlEscaped()));
}

} // namespace

void WindowToolTips::describe(QWidget& window)
{
    const auto on = [&window](const char* name, const QString& text) {
        tip(window, QLatin1String(name), text);
    };
    on("CmdPlay", tr("今のページの表示を、表示器と同じように別のウィンドウで再生します。"));
    on("LabFile", tr("開いているプロジェクトの名前です。"));
    on("CmdUndo", tr("プロジェクトへの最後の変更を取り消します (Ctrl+Z)。"));
    on("CmdRedo", tr("取り消した変更をもう一度行います (Ctrl+Shift+Z または Ctrl+Y)。"));
    on("TabStrip1", tr("表示 0〜15 のページを選びます。表示器は表示 0 から順に表示します。"));
    on("CmdUpText", tr("テキスト欄の文字を、選んだフォントでこのページのイメージにします。"));
    on("CmdLdPic",
       tr("画像ファイルをこのページのイメージに取り込みます。取り込む前に、点灯のしかたを選べます。"));
    on("CmdSvPic", tr("このページのイメージを BMP 画像として保存します。"));

    on("ComScrH", tr("表示器の高さ: 16 または 32 ドット。"));
    on("ComBright", tr("表示器の明るさ: 1 (最も暗い)〜4 "
                       "(最も明るい)。転送のときに送られ、プロジェクトには保存されません。"));
    const QString clockMessage = tr("時計 (時と分) を表示する表示番号: なし、または 0〜15。");
    on("ComTimeMsg", clockMessage);
    on("Label9", clockMessage);
    //: %1 is the largest position.
    const QString position =
        tr("左端からの位置、バイト単位 (1 バイト = 8 ドット): 0〜%1。").arg(kMaxMarkPosition);
    on("ComHSide", tr("時計の時の数字の位置。") + position);
    on("ComMSide", tr("時計の分の数字の位置。") + position);
    on("ChkSide", tr("時計と日数の数字が入る位置を、イメージの上に緑で示します。表示器には送られません。"));
    const QString daysMessage = tr("カウントダウン (残りの日数) を表示する表示番号: なし、または 0〜15。");
    on("ComDJSMsg", daysMessage);
    on("Label13", daysMessage);
    on("ComDSide", tr("残りの日数の数字の位置。") + position);
    on("CmdLoad", tr("プロジェクト (設定ファイル) を開きます。"));
    on("CmdRecent", tr("最近のプロジェクトから選んで開きます。"));
    on("CmdSave", tr("プロジェクトを設定ファイルと表示データファイルに保存します。"));
    on("CmdSend", tr("すべての表示と設定を、選んだポートの表示器へ転送します。"));
    on("ProgressBar1", tr("転送、保存、読み込みの進み具合です。"));

    on("TxtTime", tr("パソコンの時計です。右端の「転送」で、表示器の時計をこの時刻に合わせます。"));
    on("TxtDJS", tr("カウントダウンの残りの日数: 0〜999。"));
    on("ChkWEn", tr("稼働時間を使います。開始から終了までの間だけ表示器が点き、その外は消えます。"));
    const QString timeOfDay = tr("時:分 (0:00〜23:59)。矢印で 1 分ずつ変わります。");
    on("TxtSTime", tr("稼働時間の開始。") + timeOfDay);
    on("VScSTime", tr("稼働時間の開始。") + timeOfDay);
    on("TxtETime", tr("稼働時間の終了。") + timeOfDay);
    on("VScETime", tr("稼働時間の終了。") + timeOfDay);
    on("ProgressBar2", tr("時計合わせの進み具合です。"));
    on("CmdSendClk", tr("パソコンの時刻を、選んだポートの表示器の時計に送ります。"));
    on("CmdExit", tr("プログラムを終了します。変更が保存されていなければ、保存するか尋ねます。"));
    on("Picture2", tr("表示器のカードのメモリをどれだけ使っているかを示します。"));
    on("LabStatus", tr("最後の転送や時計合わせの結果です。"));
}

void WindowToolTips::describePage(QWidget& page, int message)
{
    const auto on = [&page, message](const char* name, const QString& text) {
        tip(page, arrayName(QLatin1String(name), message), text);
    };
    on("Picture1", tr("表示器で点灯する部分 (赤) です。枠は表示器の幅と高さを示します。Ctrl + "
                      "ホイールで拡大・縮小します。"));
    on("HScroll1", tr("イメージの見える部分を左右に動かします。"));
    on("TxtBox", tr("表示する文字です。「テキスト採用」でイメージになります。"));
    on("FntName", tr("文字のフォントです。"));
    on("FntSize", tr("文字の大きさ: 1〜100 ポイント。"));
    on("ChkBold", tr("文字を太くします。"));
    on("ComMod", tr("表示の動き方です (左へ移動、固定、積み重ねなど)。"));
    on("MovSpeed", tr("動く速さ: 1 (最も遅い)〜8 (最も速い)。"));
    on("ChkFls", tr("表示を点滅させます。"));
    on("ChkRun", tr("表示器の縁を回る点線の飾り枠を付けます。"));
    const QString adjust = tr("採用した文字を上下に動かします: -10〜10 ドット (マイナスで上へ)。");
    on("TopAdj", adjust);
    on("VScAdj", adjust);
    if (message == 0) {
        tip(page, QStringLiteral("ComScrW"),
            tr("表示器の幅: 4〜64 バイト、4 きざみ (1 バイト = 8 ドット、16 バイトで 128 ドット)。"));
    }
}
