// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "web/listenaddress.h"

#include <QByteArray>
#include <QSslConfiguration>
#include <QStringList>
#include <optional>
#include <variant>

struct CtlArguments;

// What `p10signctl serve` was asked to serve, and how.
struct ServeSettings {
    // Where the secret is looked for when no file names it.
    static constexpr const char* kSecretVariable = "P10SIGN_SECRET";

    QString project;
    QStringList ports;
    ListenAddress listen;
    QByteArray secret; // empty: nobody is asked for one, which only the loopback allows
    std::optional<QSslConfiguration> tls;

    // The secret read from its file's first line or from the environment, the certificate and key
    // loaded; else why they could not be.
    [[nodiscard]] static std::variant<ServeSettings, QString> of(const CtlArguments& arguments);
};
