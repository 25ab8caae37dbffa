// SPDX-License-Identifier: GPL-3.0-or-later
#include "virtualcard/cardarguments.h"

#include "console/optiontable.h"
#include "console/optionvalues.h"
#include "model/limits.h"
#include "model/listitems.h"
#include "texts/cardtexts.h"
#include "texts/desktoptexts.h"
#include "texts/language.h"
#include "texts/languagetexts.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

constexpr OptionInfo kOptions[] = {
    //: %1 is the path of the memory file used without this option.
    {"port", "DEVICE", QT_TRANSLATE_NOOP("CardArguments", "受信するシリアルポートのデバイス (/dev/ttyUSB1)")},
    {"pty", nullptr,
     QT_TRANSLATE_NOOP("CardArguments",
                       "疑似端末を作って受信し、送信側に渡すパスを表示します (Linux と macOS)。")},
    {"listen", "ADDRESS",
     QT_TRANSLATE_NOOP(
         "CardArguments",
         "ネットワークで受信します: tcp://ホスト:ポート は raw TCP の装置、rfc2217://ホスト:ポート "
         "は telnet (RFC 2217) の装置として。ホストを省くと (tcp://:4001) このコンピューターの中"
         "からだけ、ポート 0 は空いているポートで受け、送信側に渡すアドレスを表示します。")},
    {"fast", nullptr,
     QT_TRANSLATE_NOOP(
         "CardArguments",
         "9600 bps の速さを待たずに、届いたバイトをすぐに読みます (既定は本物のカードと同じ速さ)。")},
    {"headless", nullptr, QT_TRANSLATE_NOOP("CardArguments", "ウィンドウを開かずに受信します。")},
    {"json", "FILE", QT_TRANSLATE_NOOP("CardArguments", "交換ごとにカードの記憶を JSON で書き出すファイル")},
    {"gif", "FILE",
     QT_TRANSLATE_NOOP("CardArguments", "交換ごとに表示器の表示をアニメーション GIF で書き出すファイル")},
    {"frames", "DIR",
     QT_TRANSLATE_NOOP("CardArguments", "交換ごとに表示器の表示を PNG で書き出すフォルダー")},
    {"memory", "FILE",
     QT_TRANSLATE_NOOP("CardArguments", "電源を切っても残るカードの記憶のファイル (既定 %1)")},
    {"width", "BYTES",
     QT_TRANSLATE_NOOP("CardArguments", "表示画面長さ 4〜64 バイト、4 きざみ (既定は転送から推定)")},
    {"message", "N", QT_TRANSLATE_NOOP("CardArguments", "交互表示の外で表示する表示番号 0〜15 (既定 0)")},
    {"seconds", "S", QT_TRANSLATE_NOOP("CardArguments", "書き出す長さ 1〜600 秒 (既定 10)")},
    {"scale", "K", QT_TRANSLATE_NOOP("CardArguments", "LED の間隔 1〜32 ピクセル (既定 4)")},
};

constexpr OptionTable kTable{"CardArguments", kOptions};

} // namespace

std::variant<CardArguments, ConsoleExit> parseCardArguments(QStringList arguments,
                                                            const QString& defaultMemory)
{
    const Language::Request language = Language::takeOption(arguments);
    QCommandLineParser parser;
    parser.setApplicationDescription(kTable.translated(QT_TRANSLATE_NOOP(
        "CardArguments",
        "仮想の制御カード: シリアルポートで転送と時刻設定を受け取り、表示器の表示を再生します。")));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, DesktopTexts::helpOption());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     DesktopTexts::versionOption());
    parser.addOption(help);
    parser.addOption(version);
    for (const OptionInfo& option : kOptions) {
        QCommandLineOption described = kTable.commandLineOption(option);
        described.setDescription(described.description().replace(QStringLiteral("%1"), defaultMemory));
        parser.addOption(described);
    }
    parser.addOption(Language::option());

    // Qt's own first line names the program by the path it was started with.
    const auto helpText = [&] {
        return CardTexts::usage() + QStringLiteral("\n\n") + parser.helpText().section(u'\n', 1);
    };
    const auto usageError = [&](const QString& text) {
        return ConsoleExit{kExitUsage, {}, text + u'\n' + helpText()};
    };
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (language.refused)
        return usageError(LanguageTexts::badValue(*language.refused));
    if (parser.isSet(help))
        return ConsoleExit{0, helpText(), {}};
    if (parser.isSet(version))
        return ConsoleExit{0,
                           QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                         QCoreApplication::applicationVersion()),
                           {}};
    const auto isSet = [&](const char* name) { return parser.isSet(QLatin1String(name)); };
    const auto value = [&](const char* name) { return parser.value(QLatin1String(name)); };
    // A value out of its range names the option and the values it takes.
    const auto badValue = [&](const char* name) {
        return kTable.badValue(*kTable.find(QString::fromLatin1(name)), value(name));
    };
    if (!parser.positionalArguments().isEmpty())
        return usageError(CardTexts::unexpectedArgument(parser.positionalArguments().first()));
    if (int(isSet("port")) + int(isSet("pty")) + int(isSet("listen")) != 1)
        return usageError(CardTexts::oneWayToListen());
    if (isSet("gif") && isSet("frames"))
        return usageError(CardTexts::gifOrFrames());

    CardArguments result;
    result.port = value("port");
    result.pty = isSet("pty");
    if (isSet("listen")) {
        result.listen = PortNames::listenAddress(value("listen"));
        if (!result.listen)
            return usageError(badValue("listen"));
    }
    result.fast = isSet("fast");
    result.headless = isSet("headless");
    result.json = value("json");
    result.gif = value("gif");
    result.frames = value("frames");
    result.memory = isSet("memory") ? value("memory") : defaultMemory;
    // Each number through its range; a value out of it names its option.
    for (const auto& [name, min, max, into] :
         {std::tuple{"message", 0, kMessageCount - 1, &result.message},
          std::tuple{"seconds", 1, OptionValues::kRecordingSecondsMax, &result.seconds},
          std::tuple{"scale", 1, OptionValues::kRecordingScaleMax, &result.scale}}) {
        if (!isSet(name))
            continue;
        const std::optional<int> number = OptionValues::wholeNumber(value(name), min, max);
        if (!number)
            return usageError(badValue(name));
        *into = *number;
    }
    if (isSet("width")) {
        if (!ListItems::screenWidths().contains(value("width")))
            return usageError(badValue("width"));
        result.width = value("width").toInt();
    }
    return result;
}
