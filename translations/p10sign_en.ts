<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>CardArguments</name>
    <message>
        <source>受信するシリアルポートのデバイス (/dev/ttyUSB1)</source>
        <extracomment>%1 is the path of the memory file used without this option.</extracomment>
        <translation>Serial port device to receive on (/dev/ttyUSB1)</translation>
    </message>
    <message>
        <source>疑似端末を作って受信し、送信側に渡すパスを表示します (Linux と macOS)。</source>
        <translation>Receives on a new pseudo-terminal and prints the path to give the sender (Linux and macOS).</translation>
    </message>
    <message>
        <source>ウィンドウを開かずに受信します。</source>
        <translation>Receives without opening a window.</translation>
    </message>
    <message>
        <source>交換ごとにカードの記憶を JSON で書き出すファイル</source>
        <translation>File that receives the card&apos;s memory as JSON after each exchange</translation>
    </message>
    <message>
        <source>交換ごとに表示器の表示をアニメーション GIF で書き出すファイル</source>
        <translation>File that receives the sign&apos;s display as an animated GIF after each exchange</translation>
    </message>
    <message>
        <source>交換ごとに表示器の表示を PNG で書き出すフォルダー</source>
        <translation>Folder that receives the sign&apos;s display as PNG frames after each exchange</translation>
    </message>
    <message>
        <source>電源を切っても残るカードの記憶のファイル (既定 %1)</source>
        <translation>File of the card&apos;s memory, kept when the power is off (default %1)</translation>
    </message>
    <message>
        <source>表示画面長さ 4〜64 バイト、4 きざみ (既定は転送から推定)</source>
        <translation>Screen width 4 to 64 bytes in steps of 4 (default: guessed from the upload)</translation>
    </message>
    <message>
        <source>交互表示の外で表示する表示番号 0〜15 (既定 0)</source>
        <translation>Message shown outside the alternation, 0 to 15 (default 0)</translation>
    </message>
    <message>
        <source>書き出す長さ 1〜600 秒 (既定 10)</source>
        <translation>Length to write, 1 to 600 seconds (default 10)</translation>
    </message>
    <message>
        <source>LED の間隔 1〜32 ピクセル (既定 4)</source>
        <translation>LED pitch, 1 to 32 pixels (default 4)</translation>
    </message>
    <message>
        <source>仮想の制御カード: シリアルポートで転送と時刻設定を受け取り、表示器の表示を再生します。</source>
        <translation>Virtual control card: receives uploads and clock settings on a serial port and plays what the sign shows.</translation>
    </message>
    <message>
        <source>ネットワークで受信します: tcp://ホスト:ポート は raw TCP の装置、rfc2217://ホスト:ポート は telnet (RFC 2217) の装置として。ホストを省くと (tcp://:4001) このコンピューターの中からだけ、ポート 0 は空いているポートで受け、送信側に渡すアドレスを表示します。</source>
        <translation>Receives on the network: tcp://host:port as a raw TCP device server, rfc2217://host:port as a telnet (RFC 2217) one. Without a host (tcp://:4001) only from this computer; port 0 takes a free port. Prints the address to give the sender.</translation>
    </message>
    <message>
        <source>9600 bps の速さを待たずに、届いたバイトをすぐに読みます (既定は本物のカードと同じ速さ)。</source>
        <translation>Reads the bytes as soon as they arrive instead of at 9600 baud (by default as fast as a real card).</translation>
    </message>
</context>
<context>
    <name>CardTexts</name>
    <message>
        <source>ヘッダー</source>
        <translation>header</translation>
    </message>
    <message>
        <source>時刻</source>
        <translation>time</translation>
    </message>
    <message>
        <source>日数と稼働時間</source>
        <translation>days and work time</translation>
    </message>
    <message>
        <source>%1 フレームが %2 バイトでした（%3 バイトのはず）。</source>
        <extracomment>%1 names the frame (greeting, header …); %2: the bytes it had; %3: the bytes it should have.</extracomment>
        <translation>The %1 frame was %2 bytes (%3 bytes expected).</translation>
    </message>
    <message>
        <source>ヘッダーが挨拶の %1 ミリ秒後に届きました（%2 ミリ秒待つはず）。</source>
        <translation>The header arrived %1 ms after the greeting (%2 ms expected).</translation>
    </message>
    <message>
        <source>行データが一度に %1 バイト届きました（一度に %2 バイトまでのはず）。</source>
        <translation>%1 bytes of row data arrived at once (at most %2 bytes at a time expected).</translation>
    </message>
    <message>
        <source>目録の長さの合計 %1 バイトがヘッダーの行長 %2 バイトと違います。</source>
        <translation>The directory&apos;s lengths add up to %1 bytes, not to the header&apos;s row length of %2 bytes.</translation>
    </message>
    <message>
        <source>行データが %1 バイトでした（行長 %2 バイト × %3 行 = %4 バイトのはず）。</source>
        <translation>The row data was %1 bytes (row length %2 bytes × %3 rows = %4 bytes expected).</translation>
    </message>
    <message>
        <source>時刻フレーム %1 は時刻ではありません。</source>
        <translation>Time frame %1 is not a time.</translation>
    </message>
    <message>
        <source>交換の終わりの後に %1 バイト届きました。</source>
        <translation>%1 bytes arrived after the end of the exchange.</translation>
    </message>
    <message>
        <source>挨拶より前に %1 バイト届きました。</source>
        <translation>%1 bytes arrived before the greeting.</translation>
    </message>
    <message>
        <source>カードの記憶ファイルを読めません。</source>
        <translation>Cannot read the card&apos;s memory file.</translation>
    </message>
    <message>
        <source>カードの記憶ファイルを書けません。</source>
        <translation>Cannot write the card&apos;s memory file.</translation>
    </message>
    <message>
        <source>カードの記憶として読めない値があります。</source>
        <translation>Some values cannot be read as the card&apos;s memory.</translation>
    </message>
    <message>
        <source>フォルダーを作れません。</source>
        <translation>Cannot create the folder.</translation>
    </message>
    <message>
        <source>書き出せません: %1 (%2)</source>
        <translation>Cannot write: %1 (%2)</translation>
    </message>
    <message>
        <source>このシステムでは疑似端末を作れません。</source>
        <translation>This system cannot create pseudo-terminals.</translation>
    </message>
    <message>
        <source>転送</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>時刻設定</source>
        <translation>Clock set</translation>
    </message>
    <message>
        <source>不明なバイト</source>
        <translation>Unknown bytes</translation>
    </message>
    <message>
        <source>%1 バイト</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>%1 秒</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>未完了</source>
        <translation>Unfinished</translation>
    </message>
    <message>
        <source>画面 %1 バイト × %2 ドット、輝度 %3</source>
        <extracomment>%1: the sign&apos;s width in byte columns; %2: its height in LED dots; %3: the brightness, 1 to 4.</extracomment>
        <translation>Screen %1 bytes × %2 dots, brightness %3</translation>
    </message>
    <message>
        <source>交互表示 表示 %1〜%2</source>
        <translation>Alternation: messages %1 to %2</translation>
    </message>
    <message>
        <source>稼働時間 %1〜%2 (時間切替 入)</source>
        <translation>Work time %1 to %2 (switch on)</translation>
    </message>
    <message>
        <source>稼働時間 %1〜%2 (時間切替 切)</source>
        <translation>Work time %1 to %2 (switch off)</translation>
    </message>
    <message>
        <source>接続端子で受信できません。</source>
        <translation>Cannot receive on the port.</translation>
    </message>
    <message>
        <source>接続端子 %1 が切れました: %2</source>
        <translation>Port %1 was lost: %2</translation>
    </message>
    <message>
        <source>不要な引数: %1</source>
        <translation>Unexpected argument: %1</translation>
    </message>
    <message>
        <source>--gif と --frames は一緒に使えません。</source>
        <translation>--gif and --frames cannot be used together.</translation>
    </message>
    <message>
        <source>使い方: p10signcard (--port DEVICE | --pty | --listen ADDRESS) [オプション]</source>
        <translation>Usage: p10signcard (--port DEVICE | --pty | --listen ADDRESS) [options]</translation>
    </message>
    <message>
        <source>--port、--pty、--listen のどれか一つを指定してください。</source>
        <translation>Give one of --port, --pty and --listen.</translation>
    </message>
    <message>
        <source>カードの記憶には大きすぎるファイルです。</source>
        <translation>The file is too large to be a card&apos;s memory.</translation>
    </message>
</context>
<context>
    <name>CardWindow</name>
    <message>
        <source>p10signcard 仮想カード — %1</source>
        <translation>p10signcard virtual card — %1</translation>
    </message>
    <message>
        <source>送信側で %1 を選んでください。</source>
        <translation>Choose %1 on the sending side.</translation>
    </message>
    <message>
        <source>受信中…</source>
        <translation>Receiving…</translation>
    </message>
    <message>
        <source>表示(&amp;M):</source>
        <translation>&amp;Message:</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>拡大(&amp;Z):</source>
        <translation>&amp;Zoom:</translation>
    </message>
    <message>
        <source>表示器</source>
        <translation>Sign</translation>
    </message>
    <message>
        <source>受信の記録</source>
        <translation>Reception log</translation>
    </message>
    <message>
        <source>時刻</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>種類</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>大きさ</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>所要時間</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>検査</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>カードの時計 %1</source>
        <extracomment>%1 is the card&apos;s clock, hh:mm:ss.</extracomment>
        <translation>Card clock %1</translation>
    </message>
    <message>
        <source>表示 %1 (%2 バイト)</source>
        <extracomment>%1 is the message number, %2 its length in byte columns.</extracomment>
        <translation>Message %1 (%2 bytes)</translation>
    </message>
</context>
<context>
    <name>ConsoleTexts</name>
    <message>
        <source>--%1 の値「%2」は使えません: %3</source>
        <extracomment>%1 is the option&apos;s name without its dashes, %2 the value given, %3 the option&apos;s description.</extracomment>
        <translation>--%1 cannot take the value &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source> → いいえ</source>
        <translation> → No</translation>
    </message>
    <message>
        <source> → キャンセル</source>
        <translation> → Cancel</translation>
    </message>
</context>
<context>
    <name>CtlArguments</name>
    <message>
        <source>メモリに入りきらない表示を切り詰めて転送します。</source>
        <translation>Cuts what does not fit in the card&apos;s memory and uploads the rest.</translation>
    </message>
    <message>
        <source>輝度 1〜4 (既定 4)</source>
        <translation>Brightness 1 to 4 (default 4)</translation>
    </message>
    <message>
        <source>送る時刻 (既定はこのコンピューターの時刻)</source>
        <translation>Time to send (default: this computer&apos;s time)</translation>
    </message>
    <message>
        <source>表示番号 0〜15</source>
        <translation>Message number 0 to 15</translation>
    </message>
    <message>
        <source>表示するテキスト</source>
        <translation>Text to show</translation>
    </message>
    <message>
        <source>移動モード: left, right, up, down, fixed, stack, split, animation (表示 0 のみ)、一覧の名前 (左に移動 …) または一覧の番号 0〜7</source>
        <translation>Show mode: left, right, up, down, fixed, stack, split, animation (message 0 only), a name from the list (Move left …) or a list number 0 to 7</translation>
    </message>
    <message>
        <source>移動速度 1〜8</source>
        <translation>Speed 1 to 8</translation>
    </message>
    <message>
        <source>点滅する</source>
        <translation>Flash</translation>
    </message>
    <message>
        <source>点滅しない</source>
        <translation>Do not flash</translation>
    </message>
    <message>
        <source>飾り枠を付ける</source>
        <translation>Add the decorative frame</translation>
    </message>
    <message>
        <source>飾り枠を付けない</source>
        <translation>No decorative frame</translation>
    </message>
    <message>
        <source>フォント名</source>
        <translation>Font name</translation>
    </message>
    <message>
        <source>フォントサイズ 1〜100 ポイント (整数)</source>
        <translation>Font size 1 to 100 points (whole number)</translation>
    </message>
    <message>
        <source>太文字にする</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>太文字にしない</source>
        <translation>Not bold</translation>
    </message>
    <message>
        <source>表示位置調整 -10〜10</source>
        <translation>Position adjustment -10 to 10</translation>
    </message>
    <message>
        <source>表示画面長さ 4〜64 バイト、4 きざみ (1 バイト = 8 ピクセル)</source>
        <translation>Screen width 4 to 64 bytes in steps of 4 (1 byte = 8 pixels)</translation>
    </message>
    <message>
        <source>高さ 16 または 32 ドット</source>
        <translation>Height 16 or 32 dots</translation>
    </message>
    <message>
        <source>時計を表示する表示番号 0〜15、または none</source>
        <translation>Message that shows the clock, 0 to 15, or none</translation>
    </message>
    <message>
        <source>時の位置 0〜255 バイト (一覧の 00〜99 も使えます)</source>
        <translation>Hour position 0 to 255 bytes (the list&apos;s 00 to 99 work too)</translation>
    </message>
    <message>
        <source>分の位置 0〜255 バイト (一覧の 00〜99 も使えます)</source>
        <translation>Minute position 0 to 255 bytes (the list&apos;s 00 to 99 work too)</translation>
    </message>
    <message>
        <source>日数を表示する表示番号 0〜15、または none</source>
        <translation>Message that shows the days, 0 to 15, or none</translation>
    </message>
    <message>
        <source>日数の位置 0〜255 バイト (一覧の 00〜99 も使えます)</source>
        <translation>Days position 0 to 255 bytes (the list&apos;s 00 to 99 work too)</translation>
    </message>
    <message>
        <source>日数 0〜999</source>
        <translation>Days 0 to 999</translation>
    </message>
    <message>
        <source>稼働時間 開始-終了 (時間切替を入れる)、または off (時間切替を切る)</source>
        <translation>Work time start-end (turns the work-time switch on), or off (turns it off)</translation>
    </message>
    <message>
        <source>交互表示する表示 FIRST〜LAST (0〜15)、または off</source>
        <translation>Messages FIRST to LAST (0 to 15) to alternate, or off</translation>
    </message>
    <message>
        <source>読み込む画像ファイル</source>
        <translation>Picture file to import</translation>
    </message>
    <message>
        <source>書き出すファイル</source>
        <translation>File to write</translation>
    </message>
    <message>
        <source>PNG を一枚ずつ書き出すフォルダー</source>
        <translation>Folder to write the frames into, one PNG each</translation>
    </message>
    <message>
        <source>長さ 1〜600 秒 (既定 10)</source>
        <translation>Length 1 to 600 seconds (default 10)</translation>
    </message>
    <message>
        <source>LED の間隔 1〜32 ピクセル (既定 4)</source>
        <translation>LED pitch 1 to 32 pixels (default 4)</translation>
    </message>
    <message>
        <source>JSON で出力します。</source>
        <translation>Writes JSON.</translation>
    </message>
    <message>
        <source>保存したプロジェクトを制御カードへ転送します。--port を重ねると順に各表示器へ送ります。</source>
        <translation>Uploads a saved project to the control card. Given several --port, sends to each sign in turn.</translation>
    </message>
    <message>
        <source>制御カードの時計、日数と稼働時間を設定します。</source>
        <translation>Sets the control card&apos;s clock, days and work time.</translation>
    </message>
    <message>
        <source>表示 N のテキストを設定して採用し、プロジェクトを保存します。</source>
        <translation>Sets and adopts the text of message N, and saves the project.</translation>
    </message>
    <message>
        <source>設定を変えてプロジェクトを保存します。表示ごとの設定には --message が必要です。</source>
        <translation>Changes settings and saves the project. Settings of one message need --message.</translation>
    </message>
    <message>
        <source>画像を表示 N に読み込み、プロジェクトを保存します。</source>
        <translation>Imports a picture into message N and saves the project.</translation>
    </message>
    <message>
        <source>表示 N の画像を BMP に書き出します。</source>
        <translation>Exports the picture of message N as BMP.</translation>
    </message>
    <message>
        <source>表示 N を表示器の点灯どおりに PNG へ書き出します。</source>
        <translation>Writes message N as a PNG, lit as the sign lights it.</translation>
    </message>
    <message>
        <source>表示 N の動きを表示器の LED のとおりにアニメーション GIF (または連番の PNG) へ書き出します。</source>
        <translation>Writes the motion of message N, as the sign&apos;s LEDs show it, to an animated GIF (or numbered PNGs).</translation>
    </message>
    <message>
        <source>プロジェクトの概要を表示します。</source>
        <translation>Shows a summary of the project.</translation>
    </message>
    <message>
        <source>ウィンドウの一覧と同じポートを、開けるかどうかとその理由とともに表示します。</source>
        <translation>Lists the ports the window offers, with whether each opens and why.</translation>
    </message>
    <message>
        <source>設定ファイル</source>
        <translation>Settings file</translation>
    </message>
    <message>
        <source>この説明を表示します。</source>
        <translation>Shows this help.</translation>
    </message>
    <message>
        <source>COM 名 (COM3)、デバイスのパス、tcp://ホスト:ポート (raw TCP の装置) または rfc2217://ホスト:ポート (telnet の装置)</source>
        <translation>COM name (COM3), device path, tcp://host:port (raw TCP device server) or rfc2217://host:port (telnet device server)</translation>
    </message>
    <message>
        <source>表示器の時計の時刻。時計と日数の数字、稼働時間の表示を決めます (既定はこのコンピューターの時刻)</source>
        <translation>The time on the sign&apos;s clock: it decides the clock and countdown digits and the work time (default: this computer&apos;s time)</translation>
    </message>
    <message>
        <source>待ち受けるアドレスとポート (既定 127.0.0.1:8080)。ループバック以外には --secret-file か環境変数 P10SIGN_SECRET のパスワードが必要です</source>
        <translation>Address and port to listen on (default 127.0.0.1:8080). Any address other than the loopback needs a password from --secret-file or the environment variable P10SIGN_SECRET</translation>
    </message>
    <message>
        <source>パスワードを一行目に書いたファイル</source>
        <translation>A file whose first line is the password</translation>
    </message>
    <message>
        <source>HTTPS の証明書 (PEM)</source>
        <translation>The HTTPS certificate (PEM)</translation>
    </message>
    <message>
        <source>HTTPS の秘密鍵 (PEM)</source>
        <translation>The HTTPS private key (PEM)</translation>
    </message>
    <message>
        <source>プロジェクトをブラウザーのページと JSON の API で提供します。止めるまで動き続けます。</source>
        <translation>Serves the project to a browser page and a JSON API. Runs until it is stopped.</translation>
    </message>
</context>
<context>
    <name>CtlTexts</name>
    <message>
        <source>使い方:</source>
        <translation>Usage:</translation>
    </message>
    <message>
        <source>各コマンドの詳細: p10signctl COMMAND --help</source>
        <translation>Details of a command: p10signctl COMMAND --help</translation>
    </message>
    <message>
        <source>バージョン: p10signctl --version</source>
        <translation>Version: p10signctl --version</translation>
    </message>
    <message>
        <source>表示の言語: p10signctl --language ja|en …</source>
        <translation>Language: p10signctl --language ja|en …</translation>
    </message>
    <message>
        <source>コマンドがありません。</source>
        <translation>No command given.</translation>
    </message>
    <message>
        <source>不明なコマンド: %1</source>
        <translation>Unknown command: %1</translation>
    </message>
    <message>
        <source>設定ファイルを一つ指定してください。</source>
        <translation>Give one settings file.</translation>
    </message>
    <message>
        <source>--%1 がありません。</source>
        <translation>--%1 is missing.</translation>
    </message>
    <message>
        <source>--%1 と --%2 は一緒に使えません。</source>
        <translation>--%1 and --%2 cannot be used together.</translation>
    </message>
    <message>
        <source>--out か --frames のどちらか一つを指定してください。</source>
        <translation>Give either --out or --frames.</translation>
    </message>
    <message>
        <source>表示ごとの設定には --message で表示を指定してください。</source>
        <translation>Settings of one message need the message, given with --message.</translation>
    </message>
    <message>
        <source>表示 %1 から始まる交互表示は作れません。プロジェクトは変えていません。</source>
        <translation>No alternation can start at message %1. The project is unchanged.</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>none</translation>
    </message>
    <message>
        <source>時計: %1 (時 %2, 分 %3)</source>
        <extracomment>%1: the clock&apos;s message (or none); %2 and %3: the byte columns of the hour and minute digits.</extracomment>
        <translation>Clock: %1 (hour %2, minute %3)</translation>
    </message>
    <message>
        <source>日数: %1 (位置 %2), %3 日</source>
        <extracomment>%1: the countdown&apos;s message (or none); %2: the byte column of its digits; %3: the days.</extracomment>
        <translation>Days: %1 (position %2), %3 days</translation>
    </message>
    <message>
        <source>稼働時間: %1〜%2 (時間切替 入)</source>
        <translation>Work time: %1 to %2 (switch on)</translation>
    </message>
    <message>
        <source>稼働時間: %1〜%2 (時間切替 切)</source>
        <translation>Work time: %1 to %2 (switch off)</translation>
    </message>
    <message>
        <source>画面: %1 バイト × %2 ドット</source>
        <extracomment>%1: the sign&apos;s width in byte columns; %2: its height in LED dots.</extracomment>
        <translation>Screen: %1 bytes × %2 dots</translation>
    </message>
    <message>
        <source>表示 %1: 長さ %2 バイト, %3, 速度 %4</source>
        <extracomment>%1: message number; %2: its length in byte columns; %3: its show mode; %4: its speed, 1 to 8.</extracomment>
        <translation>Message %1: length %2 bytes, %3, speed %4</translation>
    </message>
    <message>
        <source>メモリ: %1 バイト (%2 %)</source>
        <extracomment>%1: the display bytes on the card; %2: how full the gauge shows, in per cent.</extracomment>
        <translation>Memory: %1 bytes (%2 %)</translation>
    </message>
    <message>
        <source>交互表示: なし</source>
        <translation>Alternation: none</translation>
    </message>
    <message>
        <source>交互表示: 表示 %1 から %2 個</source>
        <translation>Alternation: %2 messages from message %1</translation>
    </message>
    <message>
        <source>転送: %1 バイト, 約 %2 秒</source>
        <extracomment>%1: the bytes an upload sends; %2: the seconds it takes at 9600 baud.</extracomment>
        <translation>Upload: %1 bytes, about %2 s</translation>
    </message>
    <message>
        <source>表示 %1 は空です。</source>
        <translation>Message %1 is empty.</translation>
    </message>
    <message>
        <source>書き出せません: %1
%2</source>
        <translation>Cannot write: %1
%2</translation>
    </message>
    <message>
        <source>この引数はシステムの文字コードで表せません: </source>
        <translation>This argument cannot be written in the system&apos;s character encoding: </translation>
    </message>
    <message>
        <source>このコマンドは設定ファイルを取りません。</source>
        <translation>This command takes no settings file.</translation>
    </message>
    <message>
        <source>set-clock の --port は一つだけです。</source>
        <translation>set-clock takes only one --port.</translation>
    </message>
    <message>
        <source>--clip を付けると、入る分だけを転送します。</source>
        <translation>With --clip, what fits is uploaded.</translation>
    </message>
    <message>
        <source>開けます</source>
        <translation>opens</translation>
    </message>
    <message>
        <source>--%1 が二度以上あります。一度だけ指定してください。</source>
        <translation>--%1 is given more than once. Give it once.</translation>
    </message>
    <message>
        <source>--message %2 の後に --%1 が二度以上あります。一度だけ指定してください。</source>
        <translation>--%1 is given more than once after --message %2. Give it once.</translation>
    </message>
    <message>
        <source>--message %1 が二度あります。その表示の設定は一つの --message の後にまとめてください。</source>
        <translation>--message %1 is given twice. Put the message&apos;s settings together after one --message.</translation>
    </message>
    <message>
        <source>--message %1 の後に表示の設定がありません。設定はそれぞれの --message の後に書きます。</source>
        <translation>--message %1 has no settings after it. Each message&apos;s settings follow its own --message.</translation>
    </message>
    <message>
        <source>「.%1」の形式の画像は書き出せません。使える拡張子: %2</source>
        <translation>Cannot write pictures of the kind &quot;.%1&quot;. Names may end in: %2</translation>
    </message>
    <message>
        <source>--port %1 が二度指定されています。一度の実行で同じ接続端子には一度だけ送ります。</source>
        <translation>--port %1 is given twice. One run sends to a port only once.</translation>
    </message>
    <message>
        <source>--port %1 と --port %2 は同じ接続端子です。一度の実行で同じ接続端子には一度だけ送ります。</source>
        <translation>--port %1 and --port %2 are the same port. One run sends to a port only once.</translation>
    </message>
    <message>
        <source>--tls-cert と --tls-key は二つ一緒に指定してください。</source>
        <translation>Give --tls-cert and --tls-key together.</translation>
    </message>
</context>
<context>
    <name>DesktopTexts</name>
    <message>
        <source>P10 LED表示器のメッセージを作り、制御カードへ転送します。</source>
        <translation>Composes the messages of P10 LED signs and uploads them to the control card.</translation>
    </message>
    <message>
        <source>使い方: p10sign [PROJECT.ini]</source>
        <translation>Usage: p10sign [PROJECT.ini]</translation>
    </message>
    <message>
        <source>起動後に開く設定ファイル</source>
        <translation>Settings file to open after start-up</translation>
    </message>
    <message>
        <source>設定ファイルは一つだけ指定できます。</source>
        <translation>Only one settings file can be given.</translation>
    </message>
    <message>
        <source>この説明を表示します。</source>
        <translation>Shows this help.</translation>
    </message>
    <message>
        <source>バージョンを表示します。</source>
        <translation>Shows the version.</translation>
    </message>
    <message>
        <source>シリアル回線と設定ファイルの記録を標準エラーに出力します。</source>
        <translation>Logs the serial line and the settings files on standard error.</translation>
    </message>
    <message>
        <source>最近のプロジェクト</source>
        <translation>Recent projects</translation>
    </message>
    <message>
        <source>設定ファイルが見つかりません。最近のプロジェクトから外しました。</source>
        <translation>The settings file was not found. It is no longer among the recent projects.</translation>
    </message>
    <message>
        <source>このプロジェクトは他のウィンドウでも開かれています。保存すると、もう一方のウィンドウで保存した内容を上書きします。</source>
        <translation>This project is open in another window too. Saving here overwrites what the other window saved.</translation>
    </message>
    <message>
        <source>テキスト</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>現在時刻</source>
        <translation>Current time</translation>
    </message>
    <message>
        <source>進行状況</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>時間設定の進行状況</source>
        <translation>Clock setting progress</translation>
    </message>
    <message>
        <source>プログラムが前回終了したとき、「%1」に保存されていない変更がありました（%2）。この変更を復元しますか？
「いいえ」を選ぶと変更は削除されます。「キャンセル」なら、次の起動でまた尋ねます。</source>
        <translation>When the program last ended, &quot;%1&quot; had changes that were not saved (%2). Restore these changes?
If you choose &quot;No&quot;, they are deleted; &quot;Cancel&quot; asks again at the next start.</translation>
    </message>
    <message>
        <source>名前のないプロジェクト</source>
        <translation>Untitled project</translation>
    </message>
</context>
<context>
    <name>FileTexts</name>
    <message>
        <source>設定ファイルを(*.ini)|*.ini</source>
        <translation>Settings files (*.ini)|*.ini</translation>
    </message>
    <message>
        <source>通常のファイルではありません（デバイス、FIFO、ソケット、フォルダーやリンク切れには書き込みません）。</source>
        <translation>Not a regular file (devices, FIFOs, sockets, folders and broken links are never written).</translation>
    </message>
    <message>
        <source>書き込み禁止のファイルです。</source>
        <translation>The file is write-protected.</translation>
    </message>
    <message>
        <source>ほかのプログラム%1がこのプロジェクトを使っています。終わるのを待ってからやり直してください。そのプログラムがもう動いていないのに続くときは、このロックファイルを削除してください。</source>
        <translation>Another program%1 is using this project. Wait for it to finish, then try again. If this goes on although that program is no longer running, delete this lock file.</translation>
    </message>
    <message>
        <source>（%1、プロセス %2）</source>
        <extracomment>%1: the program holding the lock; %2: its process number.</extracomment>
        <translation> (%1, process %2)</translation>
    </message>
</context>
<context>
    <name>GlobalPanel</name>
    <message>
        <source>高さ(Dots)</source>
        <extracomment>The sign&apos;s height, in LED dots.</extracomment>
        <translation>Height (dots)</translation>
    </message>
    <message>
        <source>輝度</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>COM ポート</source>
        <translation>COM port</translation>
    </message>
    <message>
        <source>時間表示位置</source>
        <extracomment>Byte column of the clock&apos;s hour digits in that message.</extracomment>
        <translation>Hour position</translation>
    </message>
    <message>
        <source>分表示位置</source>
        <extracomment>Byte column of the clock&apos;s minute digits in that message.</extracomment>
        <translation>Minute position</translation>
    </message>
    <message>
        <source>時間、日付位置参照</source>
        <translation>Show time and days positions</translation>
    </message>
    <message>
        <source>日数表示位置</source>
        <extracomment>Byte column of the countdown&apos;s digits in that message.</extracomment>
        <translation>Days position</translation>
    </message>
    <message>
        <source>(Unit Byte , 1 Byte=8 Pixels)</source>
        <extracomment>The unit of the positions beside it: one byte column is eight pixels across.</extracomment>
        <translation>(in bytes, 1 byte = 8 pixels)</translation>
    </message>
    <message>
        <source>参 照</source>
        <extracomment>Button that loads a project; the blank spreads the caption.</extracomment>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>保 存</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>転 送</source>
        <translation>&amp;Upload</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <extracomment>%1 is the device a COM name stands for, %2 why it cannot be opened.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>COM 名、デバイスのパス (/dev/ttyUSB0)、tcp://ホスト:ポート (raw TCP の装置) または rfc2217://ホスト:ポート (telnet の装置)</source>
        <translation>COM name, device path (/dev/ttyUSB0), tcp://host:port (raw TCP device server) or rfc2217://host:port (telnet device server)</translation>
    </message>
    <message>
        <source>表示番号</source>
        <comment>clock</comment>
        <extracomment>Row of the clock: the message that shows the clock&apos;s digits.</extracomment>
        <translation>Clock in</translation>
    </message>
    <message>
        <source>表示番号</source>
        <comment>countdown</comment>
        <extracomment>Row of the countdown: the message that shows the days left.</extracomment>
        <translation>Days in</translation>
    </message>
</context>
<context>
    <name>HelpButton</name>
    <message>
        <source>ヘルプとバージョン情報</source>
        <translation>Help and version</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>p10sign について</source>
        <translation>About p10sign</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>p10sign ヘルプ</source>
        <translation>p10sign help</translation>
    </message>
    <message>
        <source>p10sign について</source>
        <translation>About p10sign</translation>
    </message>
    <message>
        <source>&lt;h2&gt;p10sign の使い方&lt;/h2&gt;&lt;h3&gt;表示を作る&lt;/h3&gt;&lt;p&gt;表示 0〜15 のタブでページを選び、テキスト欄に文字を書いて、フォントと大きさを選び、「テキスト採用」を押すと、文字がそのページのイメージになります。「画像参照」で画像ファイルを取り込むこともできます。取り込む前に、表示器での点灯のしかた (そのまま、明るさで分ける、ディザ)、しきい値と反転を選べます。&lt;/p&gt;&lt;p&gt;移動モード、移動速度 (1 遅い〜8 速い)、点滅と飾り枠はページごとに選びます。表示器の幅は表示 0 のページで、高さと輝度 (1 暗い〜4 最も明るい) はウィンドウの下の欄で選びます。時計を出すページは上の「表示番号」、残りの日数 (カウントダウン) を出すページは下の「表示番号」で選び、数字の位置を「時間、日付位置参照」でイメージの上に確かめられます。&lt;/p&gt;&lt;h3&gt;プレビュー&lt;/h3&gt;&lt;p&gt;「プレビュー」を押すと、今のページの表示を表示器と同じように再生するウィンドウが開きます。転送にかかる時間と、カードのメモリに収まるかどうかも示します。&lt;/p&gt;&lt;h3&gt;転送&lt;/h3&gt;&lt;p&gt;「COM ポート」で表示器をつないだポートを選び、右の「転 送」を押すと、すべての表示と設定が表示器へ送られます。下の「転 送」は、パソコンの時刻を表示器の時計に送ります。カードに収まらないプロジェクトは、送る前に尋ねます。&lt;/p&gt;&lt;h3&gt;保存&lt;/h3&gt;&lt;p&gt;「保 存」でプロジェクトを設定ファイル (.ini) と表示データファイルに保存し、「参 照」で開きます。保存していない変更があると、閉じる前や別のプロジェクトを開く前に、保存するか尋ねます。&lt;/p&gt;&lt;h3&gt;仮想カード&lt;/h3&gt;&lt;p&gt;表示器が手元になくても、仮想カード p10signcard で転送を試せます。&lt;code&gt;p10signcard --pty&lt;/code&gt; を起動すると、そのポートが「COM ポート」の一覧に加わります。そこへ転送すると、仮想カードは本物のカードと同じように受け取り、表示を再生して、受け取ったものと誤りを記録に示します。&lt;/p&gt;&lt;p&gt;コントロールにマウスを置くと、その働きと値の範囲が表示されます。F1 でこのヘルプを開きます。&lt;/p&gt;</source>
        <extracomment>The help page, in HTML. Captions in 「」 are the window&apos;s own; in English use its English captions.</extracomment>
        <translation>&lt;h2&gt;Using p10sign&lt;/h2&gt;&lt;h3&gt;Making the messages&lt;/h3&gt;&lt;p&gt;Choose a page with the Message 0 to 15 tabs, write the text in the text box, choose its font and size and press “Use text”: the text becomes that page’s image. “Import picture” takes a picture file instead. Before it is taken you choose how it lights on the sign (as it is, by brightness or dithered), the threshold and whether it is inverted.&lt;/p&gt;&lt;p&gt;Show mode, speed (1 slow to 8 fast), flash and frame are chosen on each page. The sign’s width is on the Message 0 page; its height and brightness (1 dim to 4 brightest) are in the panel below the pages. The page showing the clock is chosen with “Clock in”, the page showing the days left (the countdown) with “Days in”; “Show time and days positions” marks where their digits go on the image.&lt;/p&gt;&lt;h3&gt;Preview&lt;/h3&gt;&lt;p&gt;“Preview” opens a window that plays the page showing as the sign will show it. It also tells how long the upload takes and whether the project fits the card’s memory.&lt;/p&gt;&lt;h3&gt;Upload&lt;/h3&gt;&lt;p&gt;Choose the port the sign is connected to under “COM port” and press “Upload”: every message and setting is sent to the sign. “Set clock” sets the sign’s clock to the computer’s time. A project that does not fit the card is asked about before anything is sent.&lt;/p&gt;&lt;h3&gt;Saving&lt;/h3&gt;&lt;p&gt;“Save” keeps the project as a settings file (.ini) with its display data file; “Open” opens one. Changes that are not saved are offered for saving before the window closes or another project opens.&lt;/p&gt;&lt;h3&gt;The virtual card&lt;/h3&gt;&lt;p&gt;Without the sign at hand, try an upload with the virtual card p10signcard. Start &lt;code&gt;p10signcard --pty&lt;/code&gt; and its port joins the “COM port” list. An upload to it is received as the real card receives it; the virtual card plays the messages and logs what it received and what was wrong with it.&lt;/p&gt;&lt;p&gt;Rest the pointer on a control to see what it does and which values it takes. F1 opens this help.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;p10sign %1&lt;/h3&gt;&lt;p&gt;P10 LED 表示器のメッセージを作り、制御カードへ転送するプログラムです。&lt;/p&gt;&lt;p&gt;ライセンス: GNU General Public License バージョン 3 以降 (GPL-3.0-or-later)。このプログラムはフリーソフトウェアで、無保証です。&lt;/p&gt;&lt;p&gt;Qt %2 を使っています。&lt;/p&gt;</source>
        <extracomment>%1 is the program&apos;s version, %2 the Qt version it runs on.</extracomment>
        <translation>&lt;h3&gt;p10sign %1&lt;/h3&gt;&lt;p&gt;Makes the messages of P10 LED signs and uploads them to the sign’s control card.&lt;/p&gt;&lt;p&gt;Licence: GNU General Public License, version 3 or later (GPL-3.0-or-later). This program is free software and comes with no warranty.&lt;/p&gt;&lt;p&gt;Runs on Qt %2.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>LanguageTexts</name>
    <message>
        <source>表示の言語: ja (日本語) または en (英語)</source>
        <translation>Language of the texts: ja (Japanese) or en (English)</translation>
    </message>
    <message>
        <source>--language の値「%1」は使えません: ja または en</source>
        <translation>--language cannot take the value &quot;%1&quot;: ja or en</translation>
    </message>
    <message>
        <source>言語</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>選んだ言語は次回の起動から使われます。</source>
        <translation>The chosen language is used from the next start.</translation>
    </message>
</context>
<context>
    <name>LightingDialog</name>
    <message>
        <source>画像の点灯のしかた</source>
        <translation>How the picture lights</translation>
    </message>
    <message>
        <source>表示器での見え方</source>
        <translation>As the sign shows it</translation>
    </message>
    <message>
        <source>取り込むと表示器はこのように点灯します。Ctrl + ホイールで拡大・縮小します。</source>
        <extracomment>Tooltip of the picture in the import dialog.</extracomment>
        <translation>Imported, the picture lights the sign like this. Ctrl + wheel zooms.</translation>
    </message>
    <message>
        <source>そのまま</source>
        <translation>As it is</translation>
    </message>
    <message>
        <source>赤の強い部分 (赤 128 以上) が点灯します。表示器用に赤と黒で作った画像向きです。</source>
        <translation>Strong red (red 128 or more) lights. For pictures made in red and black for the sign.</translation>
    </message>
    <message>
        <source>明るさで分ける（ロゴ向け）</source>
        <translation>By brightness (logos)</translation>
    </message>
    <message>
        <source>しきい値より明るい部分が点灯します。色の付いたロゴや文字の画像向きです。</source>
        <translation>Parts as bright as the threshold or brighter light. For logos and pictures of lettering in any colour.</translation>
    </message>
    <message>
        <source>ディザ（写真向け）</source>
        <translation>Dithered (photos)</translation>
    </message>
    <message>
        <source>明るさに応じて点灯する点の密度を変えます (誤差拡散)。写真向きです。</source>
        <translation>Lights more dots where the picture is brighter and fewer where it is darker (error diffusion). For photos.</translation>
    </message>
    <message>
        <source>この明るさ (%1 暗い〜%2 明るい) から点灯します。下げると点灯する部分が増えます。</source>
        <extracomment>Tooltip of the threshold; %1 and %2 are its smallest and largest values.</extracomment>
        <translation>Dots from this brightness up light (%1 dark to %2 bright). Lower it to light more.</translation>
    </message>
    <message>
        <source>反転（暗い部分を点灯）</source>
        <translation>Inverted (dark parts light)</translation>
    </message>
    <message>
        <source>点灯する部分と消える部分を入れ替えます。白地に黒のロゴはこれで文字が点灯します。</source>
        <translation>Swaps the lit and the dark parts: a black logo on white then lights its letters.</translation>
    </message>
    <message>
        <source>しきい値</source>
        <translation>Threshold</translation>
    </message>
</context>
<context>
    <name>LinkTexts</name>
    <message>
        <source>注意</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>テキストなし! 転送しない!</source>
        <translation>No text! Nothing uploaded!</translation>
    </message>
    <message>
        <source>入力したテキストは「テキスト採用」を押してから転送してください。</source>
        <translation>Press &quot;Use text&quot; before uploading the text you typed.</translation>
    </message>
    <message>
        <source>表示データがカードのメモリに入りきりません。</source>
        <translation>The display data does not fit in the card&apos;s memory.</translation>
    </message>
    <message>
        <source>短く切られる表示：%1</source>
        <translation>Messages cut short: %1</translation>
    </message>
    <message>
        <source>送られない表示：%1</source>
        <translation>Messages not sent: %1</translation>
    </message>
    <message>
        <source>このまま転送しますか？</source>
        <translation>Upload anyway?</translation>
    </message>
    <message>
        <source>接続端子位地設定エラー!</source>
        <translation>Port setting error!</translation>
    </message>
    <message>
        <source>権限がありません。「%1」グループに加えて、再ログインしてください。</source>
        <translation>No permission. Join the &quot;%1&quot; group and log in again.</translation>
    </message>
    <message>
        <source>権限がありません。管理者に読み書きの許可を求めてください。</source>
        <translation>No permission. Ask your administrator for read and write access.</translation>
    </message>
    <message>
        <source>接続端子がすでに使用中か、存在しません</source>
        <translation>The port is already in use or does not exist</translation>
    </message>
    <message>
        <source>接続端子連結失敗!</source>
        <translation>Could not connect to the port!</translation>
    </message>
    <message>
        <source>接続端子との通信が途絶えました。転送を中止しました。</source>
        <translation>The connection to the port was lost. The transfer was stopped.</translation>
    </message>
    <message>
        <source>接続端子から送信できません。転送を中止しました。</source>
        <translation>Cannot send through the port. The transfer was stopped.</translation>
    </message>
    <message>
        <source>接続先から応答がありません。</source>
        <translation>The other end does not answer.</translation>
    </message>
    <message>
        <source>始められませんでした。</source>
        <translation>Could not start.</translation>
    </message>
    <message>
        <source>中止しました。</source>
        <translation>Stopped.</translation>
    </message>
    <message>
        <source>転送中… 残り約 %1 秒</source>
        <extracomment>%1: seconds left of the running upload.</extracomment>
        <translation>Uploading… about %1 s left</translation>
    </message>
    <message>
        <source>時計を設定中…</source>
        <translation>Setting the clock…</translation>
    </message>
    <message>
        <source>転送完了（%1 秒）</source>
        <translation>Upload complete (%1 s)</translation>
    </message>
    <message>
        <source>時計の設定完了（%1 秒）</source>
        <translation>Clock set (%1 s)</translation>
    </message>
    <message>
        <source>転送できませんでした：%1（%2 秒）</source>
        <extracomment>%1: why the upload failed; %2: the seconds it ran.</extracomment>
        <translation>Upload failed: %1 (%2 s)</translation>
    </message>
    <message>
        <source>時計を設定できませんでした：%1（%2 秒）</source>
        <extracomment>%1: why the clock set failed; %2: the seconds it ran.</extracomment>
        <translation>Clock not set: %1 (%2 s)</translation>
    </message>
    <message>
        <source>接続を拒否されました。ホスト名とポート番号、接続先の装置が動いているかを確かめてください。</source>
        <translation>The connection was refused. Check the host, the port number and that the device server is running.</translation>
    </message>
    <message>
        <source>接続先のホストが見つかりません。</source>
        <translation>The host was not found.</translation>
    </message>
    <message>
        <source>接続先につながりません。</source>
        <translation>Cannot connect.</translation>
    </message>
    <message>
        <source>接続先は telnet で話しています。rfc2217://ホスト:ポート を使うか、装置のそのポートを raw TCP に設定してください。</source>
        <translation>The device server speaks telnet on this port. Use rfc2217://host:port, or set the server&apos;s port to raw TCP.</translation>
    </message>
    <message>
        <source>接続先が telnet の取り決めに答えません。</source>
        <translation>The device server does not answer the telnet negotiation.</translation>
    </message>
    <message>
        <source>接続先がシリアルポートの設定 (RFC 2217 の COM ポート制御) を受け付けません。装置のポートを telnet (RFC 2217) にするか、raw TCP にして tcp:// を使ってください。</source>
        <translation>The device server does not take serial port settings (the RFC 2217 COM port option). Set its port to telnet (RFC 2217), or to raw TCP and use tcp://.</translation>
    </message>
    <message>
        <source>接続先が telnet のバイナリ転送を受け付けません。表示データを送れません。</source>
        <translation>The device server refuses telnet&apos;s binary transfer. The display data cannot be sent.</translation>
    </message>
    <message>
        <source>接続先が%1を %2 にしませんでした (答えは %3)。</source>
        <extracomment>%1 is one of the serial settings below, %2 the value asked for, %3 the value the server set.</extracomment>
        <translation>The device server did not set the %1 to %2 (it answered %3).</translation>
    </message>
    <message>
        <source>通信速度</source>
        <translation>baud rate</translation>
    </message>
    <message>
        <source>データビット</source>
        <translation>data bits</translation>
    </message>
    <message>
        <source>パリティ</source>
        <translation>parity</translation>
    </message>
    <message>
        <source>ストップビット</source>
        <translation>stop bits</translation>
    </message>
    <message>
        <source>フロー制御</source>
        <translation>flow control</translation>
    </message>
</context>
<context>
    <name>ListItems</name>
    <message>
        <source>左に移動</source>
        <translation>Move left</translation>
    </message>
    <message>
        <source>右に移動</source>
        <translation>Move right</translation>
    </message>
    <message>
        <source>上向け</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>下向け</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>固定</source>
        <translation>Fixed</translation>
    </message>
    <message>
        <source>積み重ね</source>
        <translation>Stack</translation>
    </message>
    <message>
        <source>中心振分け</source>
        <translation>Split from center</translation>
    </message>
    <message>
        <source>アニメーション</source>
        <translation>Animation</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>プレビュー</source>
        <translation>&amp;Preview</translation>
    </message>
    <message>
        <source>表示プレビューを開く</source>
        <translation>Open the sign preview</translation>
    </message>
    <message>
        <source>表示 %1</source>
        <extracomment>Tab of a message page; %1 is the message number, 0 to 15.</extracomment>
        <translation>Message %1</translation>
    </message>
    <message>
        <source>テキスト採用</source>
        <translation>Use &amp;text</translation>
    </message>
    <message>
        <source>画像参照</source>
        <translation>&amp;Import picture</translation>
    </message>
    <message>
        <source>画像保存</source>
        <translation>&amp;Export picture</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>C&amp;lose</translation>
    </message>
    <message>
        <source>メモリの使用状況</source>
        <translation>Memory usage</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <extracomment>Takes back the last change to the project.</extracomment>
        <translation>U&amp;ndo</translation>
    </message>
    <message>
        <source>やり直し</source>
        <extracomment>Makes the change taken back again.</extracomment>
        <translation>&amp;Redo</translation>
    </message>
</context>
<context>
    <name>MessagePage</name>
    <message>
        <source>表示 %1  イメージ</source>
        <extracomment>%1 is the message number, 0 to 15.</extracomment>
        <translation>Message %1 image</translation>
    </message>
    <message>
        <source>太文字</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>フォント</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>フォントサイズ</source>
        <translation>Font size</translation>
    </message>
    <message>
        <source>点滅動作</source>
        <translation>Flash</translation>
    </message>
    <message>
        <source>飾り枠</source>
        <extracomment>The running dashed frame round the sign&apos;s edge.</extracomment>
        <translation>Frame</translation>
    </message>
    <message>
        <source>移動モード</source>
        <translation>Show mode</translation>
    </message>
    <message>
        <source>移動速度</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>表示画面長さ（Bytes)</source>
        <extracomment>The sign&apos;s width, in byte columns of eight pixels.</extracomment>
        <translation>Screen width (bytes)</translation>
    </message>
    <message>
        <source>(1 Byte = 8 Pixels)</source>
        <translation>(1 byte = 8 pixels)</translation>
    </message>
    <message>
        <source>表示位置調整</source>
        <extracomment>Moves the adopted text up or down, in dots.</extracomment>
        <translation>Position adjust</translation>
    </message>
</context>
<context>
    <name>MessageTexts</name>
    <message>
        <source>少待</source>
        <translation>Please wait</translation>
    </message>
    <message>
        <source>現在転送中。</source>
        <translation>A transfer is running.</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>エラー発生</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>表示 </source>
        <translation>Message </translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>現在データ転送中！今閉じたら字幕表示にエラーが発生する可能性があります。閉じますか？</source>
        <translation>Data is being transferred! Closing now may leave errors on the sign. Close anyway?</translation>
    </message>
    <message>
        <source>次の文字はフォントにないため、表示されません：</source>
        <translation>These characters are not in the font and will not be shown: </translation>
    </message>
    <message>
        <source>時刻は H:MM または HH:MM（0:00〜23:59）で入力してください。</source>
        <translation>Type the time as H:MM or HH:MM, from 0:00 to 23:59.</translation>
    </message>
</context>
<context>
    <name>PageTexts</name>
    <message>
        <source>表示 %1</source>
        <extracomment>%1 is the message&apos;s number, 0 to 15.</extracomment>
        <translation>Message %1</translation>
    </message>
    <message>
        <source>(空)</source>
        <translation>(empty)</translation>
    </message>
    <message>
        <source>テキスト</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>移動モード</source>
        <translation>Show mode</translation>
    </message>
    <message>
        <source>移動速度</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>フォントサイズ</source>
        <translation>Font size</translation>
    </message>
    <message>
        <source>太文字</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>点滅動作</source>
        <translation>Flash</translation>
    </message>
    <message>
        <source>飾り枠</source>
        <translation>Frame</translation>
    </message>
    <message>
        <source>採用して保存</source>
        <extracomment>The button that adopts the text, as the window&apos;s テキスト採用 does, and saves the project.</extracomment>
        <translation>Adopt and save</translation>
    </message>
    <message>
        <source>保存しました。</source>
        <translation>Saved.</translation>
    </message>
    <message>
        <source>ほかで変更されていたため、最新の内容を読み込みました。</source>
        <translation>The project was changed elsewhere; its latest version has been loaded.</translation>
    </message>
    <message>
        <source>プレビュー</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>メモリに入ります (%1 %)</source>
        <extracomment>%1 is how full the card&apos;s memory will be, in percent.</extracomment>
        <translation>Fits the memory (%1 %)</translation>
    </message>
    <message>
        <source>メモリに入りきりません</source>
        <translation>Does not fit the memory</translation>
    </message>
    <message>
        <source>転送時間 約 %1 秒</source>
        <extracomment>%1 is a number of seconds.</extracomment>
        <translation>Upload takes about %1 s</translation>
    </message>
    <message>
        <source>接続端子</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>すべて</source>
        <extracomment>The choice of the port list that sends to every port in turn.</extracomment>
        <translation>All</translation>
    </message>
    <message>
        <source>送り先の接続端子がありません (serve --port)。</source>
        <translation>No port to send to (serve --port).</translation>
    </message>
    <message>
        <source>転 送</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>時計を合わせる</source>
        <translation>Set clock</translation>
    </message>
    <message>
        <source>入りきらない分を切り詰めて転送する</source>
        <translation>Cut what does not fit and upload the rest</translation>
    </message>
    <message>
        <source>パスワード</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>ログイン</source>
        <translation>Sign in</translation>
    </message>
    <message>
        <source>処理中…</source>
        <translation>Working…</translation>
    </message>
    <message>
        <source>できませんでした。</source>
        <translation>That did not work.</translation>
    </message>
    <message>
        <source>サーバーに届きません。</source>
        <translation>The server cannot be reached.</translation>
    </message>
    <message>
        <source>いまは稼働時間 (%1〜%2) の外なので、表示器は消灯しています。</source>
        <extracomment>%1 and %2 are the work time&apos;s start and end, hh:mm.</extracomment>
        <translation>The sign is dark now, outside its work time (%1 to %2).</translation>
    </message>
</context>
<context>
    <name>PictureTexts</name>
    <message>
        <source>Picture(*.bmp;*.gif;*.jpg;*.ico;*.png)|*.bmp;*.gif;*.jpg;*.ico;*.png</source>
        <translation>Pictures (*.bmp;*.gif;*.jpg;*.ico;*.png)|*.bmp;*.gif;*.jpg;*.ico;*.png</translation>
    </message>
    <message>
        <source>Picture(*.bmp)|*.bmp</source>
        <translation>BMP pictures (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>画像ファイルが見つかりません。</source>
        <translation>The picture file was not found.</translation>
    </message>
    <message>
        <source>画像ファイルを開けません。</source>
        <translation>Cannot open the picture file.</translation>
    </message>
    <message>
        <source>画像ファイルとして読み込めません。</source>
        <translation>Cannot read this as a picture file.</translation>
    </message>
    <message>
        <source>画像が大きすぎるため読み込めません。</source>
        <translation>The picture is too large to read.</translation>
    </message>
    <message>
        <source>画像ファイルを保存できませんでした。</source>
        <translation>Could not save the picture file.</translation>
    </message>
</context>
<context>
    <name>ServiceTexts</name>
    <message>
        <source>そのようなものはありません。</source>
        <translation>There is no such thing.</translation>
    </message>
    <message>
        <source>この方法では扱えません。</source>
        <translation>This method is not allowed here.</translation>
    </message>
    <message>
        <source>要求が大きすぎます。</source>
        <translation>The request is too large.</translation>
    </message>
    <message>
        <source>この要求はこのサーバーあてではありません。</source>
        <translation>This request is not addressed to this server.</translation>
    </message>
    <message>
        <source>ほかのサイトのページからの変更は受け付けません。</source>
        <translation>Changes from another site&apos;s page are refused.</translation>
    </message>
    <message>
        <source>本文は JSON (application/json) で送ってください。</source>
        <translation>Send the body as JSON (application/json).</translation>
    </message>
    <message>
        <source>パスワードが必要です。</source>
        <translation>A password is needed.</translation>
    </message>
    <message>
        <source>パスワードが違います。</source>
        <translation>Wrong password.</translation>
    </message>
    <message>
        <source>パスワードの誤りが続いたため、%1 秒後まで受け付けません。</source>
        <translation>Too many wrong passwords; try again in %1 s.</translation>
    </message>
    <message>
        <source>ページの確認用トークンがありません。ページを読み込み直してください。</source>
        <translation>The page&apos;s check token is missing. Reload the page.</translation>
    </message>
    <message>
        <source>本文が JSON のオブジェクトとして読めません。</source>
        <translation>The body cannot be read as a JSON object.</translation>
    </message>
    <message>
        <source>「%1」という設定はありません。</source>
        <translation>There is no setting “%1”.</translation>
    </message>
    <message>
        <source>「%1」の値の種類が違います。</source>
        <translation>The value of “%1” is of the wrong kind.</translation>
    </message>
    <message>
        <source>変える設定がありません。</source>
        <translation>Nothing to change.</translation>
    </message>
    <message>
        <source>変更の元にした版を If-Match で送ってください (GET の ETag。どの版でもよければ *)。</source>
        <translation>Send the version the change is based on in If-Match (the ETag of a GET, or * for any version).</translation>
    </message>
    <message>
        <source>プロジェクトはこの版のあとに変わりました。最新を読み込んでから、もう一度変更してください。</source>
        <translation>The project has changed since this version. Load the latest one and make the change again.</translation>
    </message>
    <message>
        <source>プロジェクトを保存できませんでした。変更は取り消しました。</source>
        <translation>The project could not be saved. The change has been taken back.</translation>
    </message>
    <message>
        <source>送り先の接続端子がありません。serve に --port で指定してください。</source>
        <translation>There is no port to send to. Name one with serve&apos;s --port.</translation>
    </message>
    <message>
        <source>接続端子「%1」は送り先にありません。</source>
        <translation>Port “%1” is not one of the ports served.</translation>
    </message>
    <message>
        <source>&quot;clip&quot;: true を付けると、入る分だけを転送します。</source>
        <translation>With &quot;clip&quot;: true, what fits is uploaded.</translation>
    </message>
    <message>
        <source>輝度は 1〜4 です。</source>
        <translation>Brightness is 1 to 4.</translation>
    </message>
    <message>
        <source>プレビューの長さは 1〜30 秒、LED の間隔は 1〜8、時刻は HH:MM:SS です。</source>
        <translation>A preview is 1 to 30 seconds long, with 1 to 8 pixels from one LED to the next, and starts at a time HH:MM:SS.</translation>
    </message>
    <message>
        <source>このコンピューターの外から届くアドレスで待ち受けるには、パスワードが必要です (--secret-file か環境変数 P10SIGN_SECRET)。</source>
        <translation>Listening on an address other computers reach needs a password (--secret-file or the environment variable P10SIGN_SECRET).</translation>
    </message>
    <message>
        <source>%1 で待ち受けられません。
%2</source>
        <translation>Cannot listen on %1.
%2</translation>
    </message>
    <message>
        <source>%1 を読めません。
%2</source>
        <translation>Cannot read %1.
%2</translation>
    </message>
    <message>
        <source>%1 の一行目にパスワードがありません。</source>
        <translation>The first line of %1 holds no password.</translation>
    </message>
    <message>
        <source>%1 に PEM 形式の証明書がありません。</source>
        <translation>%1 holds no PEM certificate.</translation>
    </message>
    <message>
        <source>%1 に PEM 形式の秘密鍵 (暗号化なし) がありません。</source>
        <translation>%1 holds no unencrypted PEM private key.</translation>
    </message>
    <message>
        <source>%1 で提供しています。Ctrl+C で止まります。</source>
        <translation>Serving at %1. Ctrl+C stops.</translation>
    </message>
</context>
<context>
    <name>SettingsTexts</name>
    <message>
        <source>設定内容が変更されています。保存しますか？</source>
        <translation>The settings have changed. Save them?</translation>
    </message>
    <message>
        <source>設定ファイルを読み込めません。読み込みを中止しました。</source>
        <translation>Cannot read the settings file. Loading stopped.</translation>
    </message>
    <message>
        <source>表示データファイルが見つかりません。読み込みを中止しました。</source>
        <translation>The display data file was not found. Loading stopped.</translation>
    </message>
    <message>
        <source>表示データファイルが短すぎます（1,048,064 バイトが必要です）。読み込みを中止しました。</source>
        <translation>The display data file is too short (1,048,064 bytes are needed). Loading stopped.</translation>
    </message>
    <message>
        <source>設定ファイルが大きすぎます（16 MB まで）。設定ファイルではないようです。</source>
        <translation>The settings file is too large (16 MB at most). It does not look like a settings file.</translation>
    </message>
    <message>
        <source>設定ファイルが %1 で書かれているため、読み書きできません。Shift_JIS で保存し直してください。</source>
        <translation>The settings file is written in %1, so it cannot be read or written. Save it again in Shift_JIS.</translation>
    </message>
    <message>
        <source>この名前は設定ファイルに使えません。表示データファイルの名前（名前の最後の 3 文字を「bin」に替えたもの）が設定ファイル自身か別のフォルダーになります。「.ini」で終わる名前にしてください。</source>
        <translation>This name cannot be used for a settings file: the display data file&apos;s name (the name with its last 3 characters replaced by &quot;bin&quot;) would be the settings file itself or another folder. Use a name that ends in &quot;.ini&quot;.</translation>
    </message>
    <message>
        <source>前回中断された保存を完了できないため、続けられません。</source>
        <translation>A save that was interrupted last time cannot be finished, so this cannot go on.</translation>
    </message>
    <message>
        <source>表示データファイルを読み込めません。読み込みを中止しました。</source>
        <translation>Cannot read the display data file. Loading stopped.</translation>
    </message>
    <message>
        <source>表示データファイルを書き込めません。保存されていません。</source>
        <translation>Cannot write the display data file. Nothing was saved.</translation>
    </message>
    <message>
        <source>設定ファイルを書き込めません。保存されていません。</source>
        <translation>Cannot write the settings file. Nothing was saved.</translation>
    </message>
    <message>
        <source>次のメッセージのテキストは改行を含むため、最初の行だけを保存します：</source>
        <translation>These messages&apos; texts contain line breaks, so only their first lines are saved: </translation>
    </message>
    <message>
        <source>次のメッセージには設定ファイルに書けない文字があり、その文字は「?」として保存されます：</source>
        <translation>These messages have characters a settings file cannot hold; they are saved as &quot;?&quot;: </translation>
    </message>
    <message>
        <source>日数に設定ファイルに書けない文字があり、その文字は「?」として保存されます。</source>
        <translation>The days have characters a settings file cannot hold; they are saved as &quot;?&quot;.</translation>
    </message>
    <message>
        <source>設定ファイル %1 がありません。読み込みを中止しました。</source>
        <translation>The settings file %1 does not exist. Loading stopped.</translation>
    </message>
    <message>
        <source>このプロジェクトのファイルは、ここで読み込んだ後にほかのプログラムが変更しました。
「はい」: ここでの内容で上書きします（ほかのプログラムの変更は失われます）。
「いいえ」: ほかのプログラムが保存した内容を読み込みます（ここでの変更は失われます）。
「キャンセル」: 保存しません。</source>
        <translation>Another program changed the files of this project after they were loaded here.
Yes: save over them with what is here (the other program&apos;s changes are lost).
No: load what the other program saved (the changes made here are lost).
Cancel: do not save.</translation>
    </message>
</context>
<context>
    <name>SignView</name>
    <message>
        <source>表示プレビュー</source>
        <translation>Sign preview</translation>
    </message>
    <message>
        <source>表示器での見え方</source>
        <translation>How the sign shows it</translation>
    </message>
    <message>
        <source>表示 %1（表示 %2〜%3 を交互に表示）</source>
        <extracomment>%1 is the message shown, %2 and %3 the first and last message of the alternation group.</extracomment>
        <translation>Message %1 (alternating messages %2 to %3)</translation>
    </message>
    <message>
        <source>表示 %1</source>
        <translation>Message %1</translation>
    </message>
    <message>
        <source>%1&#x3000;&#x3000;画面 %2 × %3 ドット</source>
        <extracomment>%1 names the message shown; %2 is the sign&apos;s width and %3 its height, both in LED dots.</extracomment>
        <translation>%1    Screen %2 × %3 dots</translation>
    </message>
    <message>
        <source>転送時間: 約 %1 秒（%2 バイト）</source>
        <extracomment>%1: seconds an upload takes at 9600 baud; %2: the bytes it sends.</extracomment>
        <translation>Upload time: about %1 s (%2 bytes)</translation>
    </message>
    <message>
        <source>カードに収まります（%1 / %2 バイト）</source>
        <extracomment>%1: byte columns the messages use; %2: the byte columns the card holds.</extracomment>
        <translation>Fits on the card (%1 / %2 bytes)</translation>
    </message>
    <message>
        <source>カードに収まりません: %1 バイト超過。超えた分は転送されず、表示されません。</source>
        <translation>Does not fit on the card: %1 bytes over. What is over is neither uploaded nor shown.</translation>
    </message>
    <message>
        <source>稼働時間外（%1〜%2）のため、表示器は消えています。</source>
        <extracomment>%1 and %2: start and end of the daily work time, hh:mm.</extracomment>
        <translation>Outside the work time (%1 to %2): the sign is dark.</translation>
    </message>
</context>
<context>
    <name>TimePanel</name>
    <message>
        <source>時間、日付 </source>
        <translation>Time, date </translation>
    </message>
    <message>
        <source>時間切替</source>
        <extracomment>Switches the daily work time on: outside it the sign is dark.</extracomment>
        <translation>Work time</translation>
    </message>
    <message>
        <source>転   送</source>
        <translation>Set &amp;clock</translation>
    </message>
    <message>
        <source>日数</source>
        <extracomment>The countdown&apos;s days.</extracomment>
        <translation>Days</translation>
    </message>
    <message>
        <source>開始</source>
        <extracomment>Start of the daily work time.</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>終了</source>
        <extracomment>End of the daily work time.</extracomment>
        <translation>End</translation>
    </message>
</context>
<context>
    <name>WidgetDialogs</name>
    <message>
        <source>設定ファイル</source>
        <translation>Settings files</translation>
    </message>
    <message>
        <source>BMP 画像</source>
        <translation>BMP pictures</translation>
    </message>
    <message>
        <source>画像ファイル</source>
        <translation>Pictures</translation>
    </message>
</context>
<context>
    <name>WindowToolTips</name>
    <message>
        <source>今のページの表示を、表示器と同じように別のウィンドウで再生します。</source>
        <translation>Plays the page showing as the sign will show it, in a window of its own.</translation>
    </message>
    <message>
        <source>開いているプロジェクトの名前です。</source>
        <translation>The name of the open project.</translation>
    </message>
    <message>
        <source>表示 0〜15 のページを選びます。表示器は表示 0 から順に表示します。</source>
        <translation>Chooses the page of Message 0 to 15. The sign shows the messages in order from Message 0.</translation>
    </message>
    <message>
        <source>テキスト欄の文字を、選んだフォントでこのページのイメージにします。</source>
        <translation>Makes the text in the text box, in the chosen font, this page’s image.</translation>
    </message>
    <message>
        <source>画像ファイルをこのページのイメージに取り込みます。取り込む前に、点灯のしかたを選べます。</source>
        <translation>Imports a picture file as this page’s image. Before it is taken you choose how it lights.</translation>
    </message>
    <message>
        <source>このページのイメージを BMP 画像として保存します。</source>
        <translation>Saves this page’s image as a BMP picture.</translation>
    </message>
    <message>
        <source>表示器の高さ: 16 または 32 ドット。</source>
        <translation>The sign’s height: 16 or 32 dots.</translation>
    </message>
    <message>
        <source>表示器の明るさ: 1 (最も暗い)〜4 (最も明るい)。転送のときに送られ、プロジェクトには保存されません。</source>
        <translation>The sign’s brightness: 1 (dimmest) to 4 (brightest). Sent with the upload; not saved in the project.</translation>
    </message>
    <message>
        <source>時計 (時と分) を表示する表示番号: なし、または 0〜15。</source>
        <translation>The message that shows the clock (hours and minutes): none, or 0 to 15.</translation>
    </message>
    <message>
        <source>左端からの位置、バイト単位 (1 バイト = 8 ドット): 0〜%1。</source>
        <extracomment>%1 is the largest position.</extracomment>
        <translation>Position from the left edge, in bytes (1 byte = 8 dots): 0 to %1.</translation>
    </message>
    <message>
        <source>時計の時の数字の位置。</source>
        <translation>Where the clock’s hour digits go. </translation>
    </message>
    <message>
        <source>時計の分の数字の位置。</source>
        <translation>Where the clock’s minute digits go. </translation>
    </message>
    <message>
        <source>時計と日数の数字が入る位置を、イメージの上に緑で示します。表示器には送られません。</source>
        <translation>Marks in green on the image where the clock’s and the countdown’s digits go. The marks are not sent to the sign.</translation>
    </message>
    <message>
        <source>カウントダウン (残りの日数) を表示する表示番号: なし、または 0〜15。</source>
        <translation>The message that shows the countdown (the days left): none, or 0 to 15.</translation>
    </message>
    <message>
        <source>残りの日数の数字の位置。</source>
        <translation>Where the countdown’s digits go. </translation>
    </message>
    <message>
        <source>プロジェクト (設定ファイル) を開きます。</source>
        <translation>Opens a project (a settings file).</translation>
    </message>
    <message>
        <source>最近のプロジェクトから選んで開きます。</source>
        <translation>Opens one of the recent projects.</translation>
    </message>
    <message>
        <source>プロジェクトを設定ファイルと表示データファイルに保存します。</source>
        <translation>Saves the project as a settings file and its display data file.</translation>
    </message>
    <message>
        <source>すべての表示と設定を、選んだポートの表示器へ転送します。</source>
        <translation>Uploads every message and setting to the sign on the chosen port.</translation>
    </message>
    <message>
        <source>転送、保存、読み込みの進み具合です。</source>
        <translation>How far the upload, the save or the load has come.</translation>
    </message>
    <message>
        <source>カウントダウンの残りの日数: 0〜999。</source>
        <translation>The countdown’s days left: 0 to 999.</translation>
    </message>
    <message>
        <source>稼働時間を使います。開始から終了までの間だけ表示器が点き、その外は消えます。</source>
        <translation>Uses the work time: the sign is lit only from the start to the end time, and dark outside it.</translation>
    </message>
    <message>
        <source>時:分 (0:00〜23:59)。矢印で 1 分ずつ変わります。</source>
        <translation>Hours:minutes (0:00 to 23:59). The arrows step one minute.</translation>
    </message>
    <message>
        <source>稼働時間の開始。</source>
        <translation>Start of the work time. </translation>
    </message>
    <message>
        <source>稼働時間の終了。</source>
        <translation>End of the work time. </translation>
    </message>
    <message>
        <source>時計合わせの進み具合です。</source>
        <translation>How far setting the clock has come.</translation>
    </message>
    <message>
        <source>パソコンの時刻を、選んだポートの表示器の時計に送ります。</source>
        <translation>Sends the computer’s time to the clock of the sign on the chosen port.</translation>
    </message>
    <message>
        <source>プログラムを終了します。変更が保存されていなければ、保存するか尋ねます。</source>
        <translation>Ends the program. Unsaved changes are offered for saving first.</translation>
    </message>
    <message>
        <source>表示器のカードのメモリをどれだけ使っているかを示します。</source>
        <translation>How much of the card’s memory the messages use.</translation>
    </message>
    <message>
        <source>最後の転送や時計合わせの結果です。</source>
        <translation>How the last upload or clock setting ended.</translation>
    </message>
    <message>
        <source>表示器で点灯する部分 (赤) です。枠は表示器の幅と高さを示します。Ctrl + ホイールで拡大・縮小します。</source>
        <translation>What the sign lights (red). The frame shows the sign’s width and height. Ctrl + wheel zooms.</translation>
    </message>
    <message>
        <source>イメージの見える部分を左右に動かします。</source>
        <translation>Moves the part of the image in view left and right.</translation>
    </message>
    <message>
        <source>表示する文字です。「テキスト採用」でイメージになります。</source>
        <translation>The text to show. “Use text” makes it the image.</translation>
    </message>
    <message>
        <source>文字のフォントです。</source>
        <translation>The text’s font.</translation>
    </message>
    <message>
        <source>文字の大きさ: 1〜100 ポイント。</source>
        <translation>The text’s size: 1 to 100 points.</translation>
    </message>
    <message>
        <source>文字を太くします。</source>
        <translation>Draws the text bold.</translation>
    </message>
    <message>
        <source>表示の動き方です (左へ移動、固定、積み重ねなど)。</source>
        <translation>How the message moves (move left, fixed, stack …).</translation>
    </message>
    <message>
        <source>動く速さ: 1 (最も遅い)〜8 (最も速い)。</source>
        <translation>How fast it moves: 1 (slowest) to 8 (fastest).</translation>
    </message>
    <message>
        <source>表示を点滅させます。</source>
        <translation>Makes the message flash.</translation>
    </message>
    <message>
        <source>表示器の縁を回る点線の飾り枠を付けます。</source>
        <translation>Adds the dashed frame running round the sign’s edge.</translation>
    </message>
    <message>
        <source>採用した文字を上下に動かします: -10〜10 ドット (マイナスで上へ)。</source>
        <translation>Moves the adopted text up or down: −10 to 10 dots (negative is up).</translation>
    </message>
    <message>
        <source>表示器の幅: 4〜64 バイト、4 きざみ (1 バイト = 8 ドット、16 バイトで 128 ドット)。</source>
        <translation>The sign’s width: 4 to 64 bytes in steps of 4 (1 byte = 8 dots; 16 bytes are 128 dots).</translation>
    </message>
    <message>
        <source>パソコンの時計です。右端の「転送」で、表示器の時計をこの時刻に合わせます。</source>
        <translation>The computer’s clock. “Set clock” on the right sets the sign’s clock to this time.</translation>
    </message>
    <message>
        <source>プロジェクトへの最後の変更を取り消します (Ctrl+Z)。</source>
        <translation>Takes back the last change to the project (Ctrl+Z).</translation>
    </message>
    <message>
        <source>取り消した変更をもう一度行います (Ctrl+Shift+Z または Ctrl+Y)。</source>
        <translation>Makes the change taken back again (Ctrl+Shift+Z or Ctrl+Y).</translation>
    </message>
</context>
</TS>
