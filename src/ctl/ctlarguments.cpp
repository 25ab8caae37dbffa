// SPDX-License-Identifier: GPL-3.0-or-later
#include "ctl/ctlarguments.h"

#include "appinfo.h"
#include "console/optiontable.h"
#include "ctl/ctltexts.h"
#include "ctl/optionreader.h"
#include "imaging/picturefiles.h"
#include "link/linkconstants.h"
#include "model/limits.h"
#include "model/listitems.h"
#include "texts/desktoptexts.h"
#include "texts/language.h"
#include "texts/languagetexts.h"
#include "web/listenaddress.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace {

using Verb = CtlArguments::Verb;

// Beyond this a glyph is taller than three 32-dot screens, and nothing of it is left to show.
constexpr int kFontPointsMax = 100;

// Every option of every verb; a verb names those it takes. The descriptions also say which
// values an option takes, so a refused value is explained by its option's own line.
constexpr OptionInfo kOptions[] = {
    {"port", "PORT",
     QT_TRANSLATE_NOOP("CtlArguments", "COM 名 (COM3)、デバイスのパス、tcp://ホスト:ポート (raw TCP の装置) "
                                       "または rfc2217://ホスト:ポート (telnet の装置)")},
    {"clip", nullptr, QT_TRANSLATE_NOOP("CtlArguments", "メモリに入りきらない表示を切り詰めて転送します。")},
    {"brightness", "1|2|3|4", QT_TRANSLATE_NOOP("CtlArguments", "輝度 1〜4 (既定 4)")},
    {"at", "HH:MM:SS", QT_TRANSLATE_NOOP("CtlArguments", "送る時刻 (既定はこのコンピューターの時刻)")},
    {"message", "N", QT_TRANSLATE_NOOP("CtlArguments", "表示番号 0〜15")},
    {"text", "TEXT", QT_TRANSLATE_NOOP("CtlArguments", "表示するテキスト")},
    {"mode", "NAME|N",
     QT_TRANSLATE_NOOP("CtlArguments", "移動モード: left, right, up, down, fixed, stack, split, animation "
                                       "(表示 0 のみ)、一覧の名前 (左に移動 …) または一覧の番号 0〜7")},
    {"speed", "1-8", QT_TRANSLATE_NOOP("CtlArguments", "移動速度 1〜8")},
    {"flash", nullptr, QT_TRANSLATE_NOOP("CtlArguments", "点滅する")},
    {"no-flash", nullptr, QT_TRANSLATE_NOOP("CtlArguments", "点滅しない")},
    {"frame", nullptr, QT_TRANSLATE_NOOP("CtlArguments", "飾り枠を付ける")},
    {"no-frame", nullptr, QT_TRANSLATE_NOOP("CtlArguments", "飾り枠を付けない")},
    {"font", "NAME", QT_TRANSLATE_NOOP("CtlArguments", "フォント名")},
    {"size", "POINTS", QT_TRANSLATE_NOOP("CtlArguments", "フォントサイズ 1〜100 ポイント (整数)")},
    {"bold", nullptr, QT_TRANSLATE_NOOP("CtlArguments", "太文字にする")},
    {"no-bold", nullptr, QT_TRANSLATE_NOOP("CtlArguments", "太文字にしない")},
    {"adjust", "N", QT_TRANSLATE_NOOP("CtlArguments", "表示位置調整 -10〜10")},
    {"width", "BYTES",
     QT_TRANSLATE_NOOP("CtlArguments", "表示画面長さ 4〜64 バイト、4 きざみ (1 バイト = 8 ピクセル)")},
    {"height", "16|32", QT_TRANSLATE_NOOP("CtlArguments", "高さ 16 または 32 ドット")},
    {"clock-message", "N|none",
     QT_TRANSLATE_NOOP("CtlArguments", "時計を表示する表示番号 0〜15、または none")},
    {"hour-position", "COLUMN",
     QT_TRANSLATE_NOOP("CtlArguments", "時の位置 0〜255 バイト (一覧の 00〜99 も使えます)")},
    {"minute-position", "COLUMN",
     QT_TRANSLATE_NOOP("CtlArguments", "分の位置 0〜255 バイト (一覧の 00〜99 も使えます)")},
    {"days-message", "N|none",
     QT_TRANSLATE_NOOP("CtlArguments", "日数を表示する表示番号 0〜15、または none")},
    {"days-position", "COLUMN",
     QT_TRANSLATE_NOOP("CtlArguments", "日数の位置 0〜255 バイト (一覧の 00〜99 も使えます)")},
    {"days", "DAYS", QT_TRANSLATE_NOOP("CtlArguments", "日数 0〜999")},
    {"work-time", "HH:MM-HH:MM|off",
     QT_TRANSLATE_NOOP("CtlArguments", "稼働時間 開始-終了 (時間切替を入れる)、または off (時間切替を切る)")},
    {"alternate", "FIRST-LAST|off",
     QT_TRANSLATE_NOOP("CtlArguments", "交互表示する表示 FIRST〜LAST (0〜15)、または off")},
    {"picture", "FILE", QT_TRANSLATE_NOOP("CtlArguments", "読み込む画像ファイル")},
    {"out", "FILE", QT_TRANSLATE_NOOP("CtlArguments", "書き出すファイル")},
    {"frames", "DIR", QT_TRANSLATE_NOOP("CtlArguments", "PNG を一枚ずつ書き出すフォルダー")},
    {"seconds", "S", QT_TRANSLATE_NOOP("CtlArguments", "長さ 1〜600 秒 (既定 10)")},
    {"scale", "K", QT_TRANSLATE_NOOP("CtlArguments", "LED の間隔 1〜32 ピクセル (既定 4)")},
    {"json", nullptr, QT_TRANSLATE_NOOP("CtlArguments", "JSON で出力します。")},
    {"listen", "ADDRESS:PORT",
     QT_TRANSLATE_NOOP("CtlArguments",
                       "待ち受けるアドレスとポート (既定 127.0.0.1:8080)。ループバック以外には "
                       "--secret-file か環境変数 P10SIGN_SECRET のパスワードが必要です")},
    {"secret-file", "FILE", QT_TRANSLATE_NOOP("CtlArguments", "パスワードを一行目に書いたファイル")},
    {"tls-cert", "FILE", QT_TRANSLATE_NOOP("CtlArguments", "HTTPS の証明書 (PEM)")},
    {"tls-key", "FILE", QT_TRANSLATE_NOOP("CtlArguments", "HTTPS の秘密鍵 (PEM)")},
};

// The options of `set` that change one message, and those that change the whole sign.
constexpr const char* kMessageOptions =
    "mode speed flash no-flash frame no-frame font size bold no-bold adjust";
constexpr const char* kSignOptions = "width height clock-message hour-position minute-position days-message "
                                     "days-position days work-time alternate";

QStringList optionNames(const char* names)
{
    return QString::fromLatin1(names).split(u' ', Qt::SkipEmptyParts);
}

// Options that mean something else to one verb, in its own words.
struct VerbOptionInfo {
    Verb verb;
    OptionInfo option;
};

constexpr VerbOptionInfo kVerbOptions[] = {
    {Verb::Preview,
     {"at", "HH:MM:SS",
      QT_TRANSLATE_NOOP("CtlArguments", "表示器の時計の時刻。時計と日数の数字、稼働時間の表示を決めます "
                                        "(既定はこのコンピューターの時刻)")}},
};

struct VerbInfo {
    Verb verb;
    const char* name;
    const char* synopsis;
    const char* description;
    const char* options; // names from kOptions, separated by blanks
};

constexpr VerbInfo kVerbs[] = {
    {Verb::Upload, "upload",
     "upload PROJECT.ini --port PORT [--port PORT ...] [--brightness 1|2|3|4] [--clip]",
     QT_TRANSLATE_NOOP(
         "CtlArguments",
         "保存したプロジェクトを制御カードへ転送します。--port を重ねると順に各表示器へ送ります。"),
     "port brightness clip"},
    {Verb::SetClock, "set-clock", "set-clock PROJECT.ini --port PORT [--at HH:MM:SS]",
     QT_TRANSLATE_NOOP("CtlArguments", "制御カードの時計、日数と稼働時間を設定します。"), "port at"},
    {Verb::SetText, "set-text",
     "set-text PROJECT.ini --message N --text TEXT [--font NAME] [--size POINTS] [--bold|--no-bold] "
     "[--adjust N]",
     QT_TRANSLATE_NOOP("CtlArguments", "表示 N のテキストを設定して採用し、プロジェクトを保存します。"),
     "message text font size bold no-bold adjust"},
    {Verb::Set, "set", "set PROJECT.ini [--message N OPTION…] [OPTION…]",
     QT_TRANSLATE_NOOP("CtlArguments",
                       "設定を変えてプロジェクトを保存します。表示ごとの設定には --message が必要です。"),
     "message"}, // and kMessageOptions, kSignOptions
    {Verb::Import, "import", "import PROJECT.ini --message N --picture FILE",
     QT_TRANSLATE_NOOP("CtlArguments", "画像を表示 N に読み込み、プロジェクトを保存します。"),
     "message picture"},
    {Verb::Export, "export", "export PROJECT.ini --message N --out FILE.bmp",
     QT_TRANSLATE_NOOP("CtlArguments", "表示 N の画像を BMP に書き出します。"), "message out"},
    {Verb::Render, "render", "render PROJECT.ini --message N --out FILE.png",
     QT_TRANSLATE_NOOP("CtlArguments", "表示 N を表示器の点灯どおりに PNG へ書き出します。"), "message out"},
    {Verb::Preview, "preview",
     "preview PROJECT.ini --message N (--out FILE.gif | --frames DIR) [--seconds S] [--scale K] [--at "
     "HH:MM:SS]",
     QT_TRANSLATE_NOOP(
         "CtlArguments",
         "表示 N の動きを表示器の LED のとおりにアニメーション GIF (または連番の PNG) へ書き出します。"),
     "message out frames seconds scale at"},
    {Verb::Info, "info", "info PROJECT.ini [--json]",
     QT_TRANSLATE_NOOP("CtlArguments", "プロジェクトの概要を表示します。"), "json"},
    {Verb::Serve, "serve",
     "serve PROJECT.ini [--port PORT ...] [--listen ADDRESS:PORT] [--secret-file FILE] [--tls-cert FILE "
     "--tls-key FILE]",
     QT_TRANSLATE_NOOP(
         "CtlArguments",
         "プロジェクトをブラウザーのページと JSON の API で提供します。止めるまで動き続けます。"),
     "port listen secret-file tls-cert tls-key"},
    {Verb::Ports, "ports", "ports [--json]",
     QT_TRANSLATE_NOOP("CtlArguments",
                       "ウィンドウの一覧と同じポートを、開けるかどうかとその理由とともに表示します。"),
     "json"},
};

constexpr OptionTable kTable{"CtlArguments", kOptions};

QString translated(const char* text)
{
    return kTable.translated(text);
}

const OptionInfo& optionInfo(Verb verb, const QString& name)
{
    for (const auto& [forVerb, option] : kVerbOptions) {
        if (forVerb == verb && name == QLatin1String(option.name))
            return option;
    }
    const OptionInfo* option = kTable.find(name);
    Q_ASSERT(option);
    return *option;
}

QString overallUsage()
{
    QString usage = CtlTexts::usage() + u'\n';
    for (const VerbInfo& verb : kVerbs)
        usage += QStringLiteral("  p10signctl %1\n").arg(QString::fromUtf8(verb.synopsis));
    return usage + CtlTexts::verbHelpHint() + u'\n' + CtlTexts::versionHint() + u'\n' +
           CtlTexts::languageHint() + u'\n';
}

const VerbInfo* findVerb(const QString& name)
{
    for (const VerbInfo& verb : kVerbs) {
        if (name == QLatin1String(verb.name))
            return &verb;
    }
    return nullptr;
}

ConsoleExit usageError(const QString& message, const QString& help)
{
    return {kExitUsage, {}, message + u'\n' + help};
}

ConsoleExit badValue(Verb verb, const QString& name, const QString& value)
{
    return {kExitUsage, {}, kTable.badValue(optionInfo(verb, name), value) + u'\n'};
}

OptionReader reader(Verb verb, const GivenOptions& given, const QStringList& names, const QString& help)
{
    return OptionReader(given, names, help, [verb](const QString& name, const QString& value) {
        return badValue(verb, name, value);
    });
}

auto wholeNumber(int min, int max)
{
    return [=](const QString& text) { return OptionValues::wholeNumber(text, min, max); };
}

auto entryOf(const QStringList& items)
{
    return [&items](const QString& text) { return OptionValues::entryIndex(items, text); };
}

auto numberText(int min, int max)
{
    return [=](const QString& text) {
        const auto number = OptionValues::wholeNumber(text, min, max);
        return number ? std::optional<QString>(QString::number(*number)) : std::nullopt;
    };
}

std::optional<QTime> timeOfDay(const QString& text)
{
    const QTime time = QTime::fromString(text, QStringLiteral("HH:mm:ss"));
    return time.isValid() ? std::optional<QTime>(time) : std::nullopt;
}

void readExchange(OptionReader& options, CtlArguments& parsed)
{
    if (options.required(QStringLiteral("port")))
        parsed.ports = options.values(QStringLiteral("port"));
    if (parsed.verb == Verb::SetClock && parsed.ports.size() > 1)
        options.fail({kExitUsage, {}, CtlTexts::onePort() + u'\n'});
    if (parsed.verb == Verb::Upload) {
        parsed.clip = options.isSet(QStringLiteral("clip"));
        parsed.brightness = options.value(QStringLiteral("brightness"), numberText(1, Link::kMaxBrightness))
                                .value_or(parsed.brightness);
        return;
    }
    parsed.at = options.value(QStringLiteral("at"), timeOfDay);
}

// Where the preview writes (a GIF file or a folder of frames, one of the two), how long and how large.
void readPreview(OptionReader& options, CtlArguments& parsed)
{
    parsed.out = options.text(QStringLiteral("out")).value_or(QString());
    parsed.frames = options.text(QStringLiteral("frames")).value_or(QString());
    if (parsed.out.isEmpty() == parsed.frames.isEmpty())
        options.fail({kExitUsage, {}, CtlTexts::outOrFrames() + u'\n'});
    parsed.seconds =
        options.value(QStringLiteral("seconds"), wholeNumber(1, OptionValues::kRecordingSecondsMax))
            .value_or(parsed.seconds);
    parsed.scale = options.value(QStringLiteral("scale"), wholeNumber(1, OptionValues::kRecordingScaleMax))
                       .value_or(parsed.scale);
    parsed.at = options.value(QStringLiteral("at"), timeOfDay);
}

// Where the service listens, the ports it sends to, and the files of its secret and certificate. The
// secret itself never stands on the command line, where every user of the computer can read it.
void readServe(OptionReader& options, CtlArguments& parsed)
{
    parsed.ports = options.values(QStringLiteral("port"));
    if (const auto listen = options.value(QStringLiteral("listen"), ListenAddress::parse))
        parsed.listen = *listen;
    parsed.secretFile = options.text(QStringLiteral("secret-file")).value_or(QString());
    parsed.tlsCert = options.text(QStringLiteral("tls-cert")).value_or(QString());
    parsed.tlsKey = options.text(QStringLiteral("tls-key")).value_or(QString());
    if (parsed.tlsCert.isEmpty() != parsed.tlsKey.isEmpty())
        options.fail({kExitUsage, {}, CtlTexts::certAndKey() + u'\n'});
}

MessageChanges readMessageChanges(OptionReader& options, int m)
{
    MessageChanges changes;
    changes.mode = options.value(QStringLiteral("mode"),
                                 [m](const QString& text) { return OptionValues::showMode(text, m); });
    changes.speed = options.value(QStringLiteral("speed"), entryOf(ListItems::moveSpeeds()));
    changes.flash = options.flag(QStringLiteral("flash"));
    changes.frame = options.flag(QStringLiteral("frame"));
    changes.font = options.value(QStringLiteral("font"), [](const QString& text) {
        return text.isEmpty() ? std::nullopt : std::optional<QString>(text);
    });
    changes.size = options.value(QStringLiteral("size"), numberText(1, kFontPointsMax));
    changes.bold = options.flag(QStringLiteral("bold"));
    changes.adjust = options.value(QStringLiteral("adjust"), wholeNumber(kAdjustMin, kAdjustMax));
    return changes;
}

void readGlobalChanges(OptionReader& options, GlobalChanges& changes)
{
    // The order in which loading a project sets them.
    const std::pair<GlobalList, const char*> lists[] = {
        {GlobalList::ScreenWidth, "width"},          {GlobalList::ScreenHeight, "height"},
        {GlobalList::ClockMessage, "clock-message"}, {GlobalList::DaysMessage, "days-message"},
        {GlobalList::HourPosition, "hour-position"}, {GlobalList::MinutePosition, "minute-position"},
        {GlobalList::DaysPosition, "days-position"},
    };
    const GlobalSettings start;
    for (const auto& [list, name] : lists) {
        const bool isMessage = list == GlobalList::ClockMessage || list == GlobalList::DaysMessage;
        const auto entry = isMessage
                               ? options.value(QString::fromLatin1(name), OptionValues::messageChoice)
                               : options.value(QString::fromLatin1(name), entryOf(start.list(list).items()));
        if (entry)
            changes.entries.append({list, *entry});
    }
    changes.countdownDays = options.value(QStringLiteral("days"), numberText(0, Link::kCountdownDaysMax));
    changes.workTime = options.value(QStringLiteral("work-time"), OptionValues::workTime);
    changes.alternation = options.value(QStringLiteral("alternate"), OptionValues::alternation);
}

// Each --message starts a group: the message's options after it, up to the next --message, change
// that message. The sign's options may stand anywhere.
void readSet(const GivenOptions& given, OptionReader& options, const QString& help, CtlArguments& parsed)
{
    const QString messageName = QStringLiteral("message");
    const QStringList messageOptions = optionNames(kMessageOptions);
    GivenOptions signWide;
    QList<std::pair<QString, GivenOptions>> groups; // the --message value and its options
    for (const auto& [name, value] : given) {
        if (name == messageName)
            groups.append({value, {}});
        else if (!messageOptions.contains(name))
            signWide.append({name, value});
        else if (groups.isEmpty())
            options.fail({kExitUsage, {}, CtlTexts::needsMessage() + u'\n'});
        else
            groups.last().second.append({name, value});
    }
    OptionReader sign = reader(Verb::Set, signWide, optionNames(kSignOptions), help);
    sign.refuseRepeats({});
    readGlobalChanges(sign, parsed.globalChanges);
    if (sign.failure())
        options.fail(*sign.failure());

    const auto message = wholeNumber(0, kMessageCount - 1);
    for (const auto& [number, group] : groups) {
        const std::optional<int> m = message(number);
        if (!m) {
            options.fail(badValue(Verb::Set, messageName, number));
            continue;
        }
        OptionReader changes = reader(Verb::Set, group, messageOptions, help);
        changes.refuseRepeats({}, number);
        const MessageGroup read{*m, readMessageChanges(changes, *m)};
        if (changes.failure())
            options.fail(*changes.failure());
        // An empty group among others is a slip: its options went to the next message.
        if (groups.size() > 1 && !read.changes.any())
            options.fail({kExitUsage, {}, CtlTexts::messageWithoutOptions(*m) + u'\n'});
        for (const MessageGroup& earlier : parsed.messageGroups) {
            if (earlier.message == *m)
                options.fail({kExitUsage, {}, CtlTexts::repeatedMessage(*m) + u'\n'});
        }
        parsed.messageGroups.append(read);
    }
}

void readOptions(const GivenOptions& given, OptionReader& options, const QString& help, CtlArguments& parsed)
{
    const auto message = wholeNumber(0, kMessageCount - 1);
    // Only an upload goes to several ports; `set` looks at its groups itself.
    if (parsed.verb != Verb::Set)
        options.refuseRepeats({QStringLiteral("port")});
    switch (parsed.verb) {
    case Verb::Upload:
    case Verb::SetClock:
        readExchange(options, parsed);
        break;
    case Verb::Set:
        readSet(given, options, help, parsed);
        break;
    case Verb::SetText:
        parsed.message = options.requiredValue(QStringLiteral("message"), message).value_or(0);
        parsed.text = options.required(QStringLiteral("text")).value_or(QString());
        parsed.messageChanges = readMessageChanges(options, parsed.message);
        break;
    case Verb::Import:
        parsed.message = options.requiredValue(QStringLiteral("message"), message).value_or(0);
        parsed.picture = options.required(QStringLiteral("picture")).value_or(QString());
        break;
    case Verb::Export:
    case Verb::Render:
        parsed.message = options.requiredValue(QStringLiteral("message"), message).value_or(0);
        parsed.out = options.required(QStringLiteral("out")).value_or(QString());
        if (parsed.verb == Verb::Render && !parsed.out.isEmpty() && !PictureFiles::formatForName(parsed.out))
            options.fail({kExitUsage,
                          {},
                          CtlTexts::unknownPictureFormat(QFileInfo(parsed.out).suffix(),
                                                         PictureFiles::writableExtensions().join(u' ')) +
                              u'\n'});
        break;
    case Verb::Preview:
        parsed.message = options.requiredValue(QStringLiteral("message"), message).value_or(0);
        readPreview(options, parsed);
        break;
    case Verb::Serve:
        readServe(options, parsed);
        break;
    case Verb::Info:
    case Verb::Ports:
        parsed.json = options.isSet(QStringLiteral("json"));
        break;
    }
}

} // namespace

std::variant<CtlArguments, ConsoleExit> parseCtlArguments(QStringList arguments)
{
    // The language is in place before the texts exist; here it is only refused or taken away.
    const Language::Request language = Language::takeOption(arguments);
    if (language.refused)
        return usageError(LanguageTexts::badValue(*language.refused), overallUsage());
    if (arguments.size() < 2)
        return usageError(CtlTexts::noVerb(), overallUsage());
    if (arguments[1] == QLatin1String("--help") || arguments[1] == QLatin1String("-h"))
        return ConsoleExit{0, overallUsage(), {}};
    if (arguments[1] == QLatin1String("--version") || arguments[1] == QLatin1String("-v"))
        return ConsoleExit{0, QStringLiteral("p10signctl %1\n").arg(QLatin1String(AppInfo::kVersion)), {}};
    const VerbInfo* verb = findVerb(arguments[1]);
    if (!verb)
        return usageError(CtlTexts::unknownVerb(arguments[1]), overallUsage());

    QCommandLineParser parser;
    parser.setApplicationDescription(translated(verb->description));
    const bool takesProject = verb->verb != Verb::Ports;
    if (takesProject)
        parser.addPositionalArgument(QStringLiteral("PROJECT.ini"),
                                     translated(QT_TRANSLATE_NOOP("CtlArguments", "設定ファイル")));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  translated(QT_TRANSLATE_NOOP("CtlArguments", "この説明を表示します。")));
    const QCommandLineOption verbose(QStringLiteral("verbose"), DesktopTexts::verboseOption());
    parser.addOptions({help, verbose, Language::option()});
    QStringList names = optionNames(verb->options);
    if (verb->verb == Verb::Set)
        names << optionNames(kMessageOptions) << optionNames(kSignOptions);
    for (const QString& name : names)
        parser.addOption(kTable.commandLineOption(optionInfo(verb->verb, name)));

    const QString verbHelp = CtlTexts::usage() +
                             QStringLiteral(" p10signctl %1\n\n").arg(QString::fromUtf8(verb->synopsis)) +
                             parser.helpText().section(u'\n', 1);
    QStringList rest = arguments.mid(2);
    rest.prepend(arguments[0]);
    if (!parser.parse(rest))
        return usageError(parser.errorText(), verbHelp);
    if (parser.isSet(help))
        return ConsoleExit{0, verbHelp, {}};
    if (parser.positionalArguments().size() != (takesProject ? 1 : 0))
        return usageError(takesProject ? CtlTexts::oneProject() : CtlTexts::noProject(), verbHelp);

    CtlArguments parsed;
    parsed.verb = verb->verb;
    parsed.project = parser.positionalArguments().value(0);
    parsed.verbose = parser.isSet(verbose);
    const GivenOptions given = givenOptions(parser);
    OptionReader options = reader(verb->verb, given, names, verbHelp);
    readOptions(given, options, verbHelp, parsed);
    if (options.failure())
        return *options.failure();
    return parsed;
}
