// SPDX-License-Identifier: GPL-3.0-or-later
#include "ctl/ctlarguments.h"

#include "appinfo.h"
#include "dialogs/desktoptexts.h"
#include "model/limits.h"
#include "model/listitems.h"

#include <QCommandLineParser>

namespace {

struct VerbInfo {
    CtlArguments::Verb verb;
    const char* name;
    const char* synopsis;
    const char* description;
};

constexpr VerbInfo kVerbs[] = {
    {CtlArguments::Verb::Upload, "upload", "upload PROJECT.ini --port PORT [--brightness 1|2|3|4]",
     "保存したプロジェクトを制御カードへ転送します。"},
    {CtlArguments::Verb::SetClock, "set-clock", "set-clock PROJECT.ini --port PORT [--at HH:MM:SS]",
     "制御カードの時計、日数と稼働時間を設定します。"},
    {CtlArguments::Verb::SetText, "set-text",
     "set-text PROJECT.ini --message N --text TEXT [--font NAME] [--size POINTS] [--bold] [--adjust N]",
     "表示 N のテキストを設定して採用し、プロジェクトを保存します。"},
    {CtlArguments::Verb::Render, "render", "render PROJECT.ini --message N --out FILE.png",
     "表示 N を表示器の点灯どおりに PNG へ書き出します。"},
    {CtlArguments::Verb::Info, "info", "info PROJECT.ini [--json]", "プロジェクトの概要を表示します。"},
};

QString overallUsage()
{
    QString usage = QStringLiteral("使い方:\n");
    for (const VerbInfo& verb : kVerbs)
        usage += QStringLiteral("  p10signctl %1\n").arg(QString::fromUtf8(verb.synopsis));
    usage += QStringLiteral("各コマンドの詳細: p10signctl COMMAND --help\n");
    usage += QStringLiteral("バージョン: p10signctl --version\n");
    return usage;
}

const VerbInfo* findVerb(const QString& name)
{
    for (const VerbInfo& verb : kVerbs) {
        if (name == QLatin1String(verb.name))
            return &verb;
    }
    return nullptr;
}

CtlExit usageError(const QString& message, const QString& help)
{
    return {kExitUsage, {}, message + u'\n' + help};
}

CtlExit badValue(const QString& message)
{
    return {kExitFailed, {}, message + u'\n'};
}

std::optional<int> messageNumber(const QString& text)
{
    bool ok = false;
    const int m = text.toInt(&ok);
    return ok && isMessageIndex(m) ? std::optional<int>(m) : std::nullopt;
}

} // namespace

std::variant<CtlArguments, CtlExit> parseCtlArguments(const QStringList& arguments)
{
    if (arguments.size() < 2)
        return usageError(QStringLiteral("コマンドがありません。"), overallUsage());
    if (arguments[1] == QLatin1String("--help") || arguments[1] == QLatin1String("-h"))
        return CtlExit{0, overallUsage(), {}};
    if (arguments[1] == QLatin1String("--version") || arguments[1] == QLatin1String("-v"))
        return CtlExit{0, QStringLiteral("p10signctl %1\n").arg(QLatin1String(AppInfo::kVersion)), {}};
    const VerbInfo* verb = findVerb(arguments[1]);
    if (!verb)
        return usageError(QStringLiteral("不明なコマンド: %1").arg(arguments[1]), overallUsage());

    using Verb = CtlArguments::Verb;
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(verb->description));
    parser.addPositionalArgument(QStringLiteral("PROJECT.ini"), QStringLiteral("設定ファイル"));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("この説明を表示します。"));
    const QCommandLineOption port(
        QStringLiteral("port"), QStringLiteral("COM 名 (COM3) またはデバイスのパス"), QStringLiteral("PORT"));
    const QCommandLineOption brightness(QStringLiteral("brightness"), QStringLiteral("輝度 1〜4 (既定 4)"),
                                        QStringLiteral("1|2|3|4"), QStringLiteral("4"));
    const QCommandLineOption at(QStringLiteral("at"),
                                QStringLiteral("送る時刻 (既定はこのコンピューターの時刻)"),
                                QStringLiteral("HH:MM:SS"));
    const QCommandLineOption message(QStringLiteral("message"), QStringLiteral("表示番号 0〜15"),
                                     QStringLiteral("N"));
    const QCommandLineOption text(QStringLiteral("text"), QStringLiteral("表示するテキスト"),
                                  QStringLiteral("TEXT"));
    const QCommandLineOption font(QStringLiteral("font"), QStringLiteral("フォント名"),
                                  QStringLiteral("NAME"));
    const QCommandLineOption size(QStringLiteral("size"), QStringLiteral("フォントサイズ (ポイント)"),
                                  QStringLiteral("POINTS"));
    const QCommandLineOption bold(QStringLiteral("bold"), QStringLiteral("太文字"));
    const QCommandLineOption adjust(QStringLiteral("adjust"), QStringLiteral("表示位置調整 -10〜10"),
                                    QStringLiteral("N"));
    const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("書き出す PNG ファイル"),
                                 QStringLiteral("FILE.png"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("JSON で出力します。"));
    const QCommandLineOption verbose(QStringLiteral("verbose"), DesktopTexts::verboseOption());
    parser.addOptions({help, verbose});
    switch (verb->verb) {
    case Verb::Upload:
        parser.addOptions({port, brightness});
        break;
    case Verb::SetClock:
        parser.addOptions({port, at});
        break;
    case Verb::SetText:
        parser.addOptions({message, text, font, size, bold, adjust});
        break;
    case Verb::Render:
        parser.addOptions({message, out});
        break;
    case Verb::Info:
        parser.addOption(json);
        break;
    }

    const QString verbHelp =
        QStringLiteral("使い方: p10signctl %1\n\n").arg(QString::fromUtf8(verb->synopsis)) +
        parser.helpText().section(u'\n', 1);
    QStringList rest = arguments.mid(2);
    rest.prepend(arguments[0]);
    if (!parser.parse(rest))
        return usageError(parser.errorText(), verbHelp);
    if (parser.isSet(help))
        return CtlExit{0, verbHelp, {}};
    if (parser.positionalArguments().size() != 1)
        return usageError(QStringLiteral("設定ファイルを一つ指定してください。"), verbHelp);

    CtlArguments parsed;
    parsed.verb = verb->verb;
    parsed.project = parser.positionalArguments().constFirst();
    parsed.verbose = parser.isSet(verbose);
    const auto optionValue = [&](const QCommandLineOption& option) {
        return parser.isSet(option) ? std::optional<QString>(parser.value(option)) : std::nullopt;
    };

    switch (verb->verb) {
    case Verb::Upload:
    case Verb::SetClock: {
        const auto portName = optionValue(port);
        if (!portName)
            return usageError(QStringLiteral("--port がありません。"), verbHelp);
        parsed.port = *portName;
        if (verb->verb == Verb::Upload) {
            parsed.brightness = parser.value(brightness);
            if (!ListItems::brightnesses().contains(parsed.brightness))
                return badValue(QStringLiteral("輝度は 1, 2, 3, 4 のどれかです: %1").arg(parsed.brightness));
        } else if (parser.isSet(at)) {
            const QTime time = QTime::fromString(parser.value(at), QStringLiteral("HH:mm:ss"));
            if (!time.isValid())
                return badValue(
                    QStringLiteral("時刻は HH:MM:SS で指定してください: %1").arg(parser.value(at)));
            parsed.at = time;
        }
        break;
    }
    case Verb::SetText:
    case Verb::Render: {
        const auto number = optionValue(message);
        if (!number)
            return usageError(QStringLiteral("--message がありません。"), verbHelp);
        const auto m = messageNumber(*number);
        if (!m)
            return badValue(QStringLiteral("表示番号は 0〜15 です: %1").arg(*number));
        parsed.message = *m;
        if (verb->verb == Verb::Render) {
            const auto file = optionValue(out);
            if (!file)
                return usageError(QStringLiteral("--out がありません。"), verbHelp);
            parsed.out = *file;
            break;
        }
        const auto typed = optionValue(text);
        if (!typed)
            return usageError(QStringLiteral("--text がありません。"), verbHelp);
        parsed.text = *typed;
        parsed.font = optionValue(font);
        parsed.size = optionValue(size);
        parsed.bold = parser.isSet(bold);
        if (const auto value = optionValue(adjust)) {
            bool ok = false;
            const int n = value->toInt(&ok);
            if (!ok || n < kAdjustMin || n > kAdjustMax)
                return badValue(QStringLiteral("表示位置調整は -10〜10 です: %1").arg(*value));
            parsed.adjust = n;
        }
        break;
    }
    case Verb::Info:
        parsed.json = parser.isSet(json);
        break;
    }
    return parsed;
}
