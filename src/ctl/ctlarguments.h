// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "console/consoleexit.h"
#include "console/optionvalues.h"
#include "model/globalsettings.h"
#include "web/listenaddress.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>
#include <optional>
#include <utility>
#include <variant>

// Changes to one message's settings, each a value its control on the message page would hold.
struct MessageChanges {
    std::optional<int> mode;  // entry of the show mode list
    std::optional<int> speed; // entry of the speed list
    std::optional<bool> flash;
    std::optional<bool> frame;
    std::optional<QString> font;
    std::optional<QString> size;
    std::optional<bool> bold;
    std::optional<int> adjust;

    [[nodiscard]] bool any() const { return *this != MessageChanges{}; }
    friend bool operator==(const MessageChanges&, const MessageChanges&) = default;
};

// The changes that one --message of `set` and the options after it ask for.
struct MessageGroup {
    int message = 0;
    MessageChanges changes;
};

// Changes to the sign-wide settings.
struct GlobalChanges {
    QList<std::pair<GlobalList, int>> entries; // list entries to choose, in this order
    std::optional<QString> countdownDays;
    std::optional<OptionValues::WorkTimeChange> workTime;
    std::optional<AltGroup> alternation;

    [[nodiscard]] bool any() const { return !entries.isEmpty() || countdownDays || workTime || alternation; }
};

// What one run of p10signctl was asked to do, read from its command line.
struct CtlArguments {
    enum class Verb { Upload, SetClock, SetText, Set, Import, Export, Render, Preview, Info, Ports, Serve };

    Verb verb = Verb::Info;
    QString project;
    QStringList ports; // upload sends to each in turn
    bool clip = false;
    QString brightness = QStringLiteral("4");
    std::optional<QTime> at;
    int message = 0;
    QString text;
    MessageChanges messageChanges;     // set-text's, for `message`
    QList<MessageGroup> messageGroups; // set's, one for each --message
    GlobalChanges globalChanges;
    QString picture;
    QString out;
    QString frames; // a folder for PNG frames instead of the GIF file `out`
    int seconds = 10;
    int scale = 4; // pixels from one LED to the next
    bool json = false;
    ListenAddress listen; // serve's
    QString secretFile;
    QString tlsCert;
    QString tlsKey;
    bool verbose = false; // the link's and the files' log on standard error
};

// Reads the verb (or --help, --version), then that verb's options. A command line that cannot be
// used (no verb, an unknown option, a missing argument, a value out of its range, an option given
// twice where it takes one value) ends with status 2 and a message that names the option.
[[nodiscard]] std::variant<CtlArguments, ConsoleExit> parseCtlArguments(QStringList arguments);
