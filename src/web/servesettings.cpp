// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/servesettings.h"

#include "ctl/ctlarguments.h"
#include "web/servicetexts.h"

#include <QFile>
#include <QSslCertificate>
#include <QSslKey>

namespace {

std::variant<QByteArray, QString> readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ServiceTexts::cannotRead(path, file.errorString());
    return file.readAll();
}

std::variant<QSslConfiguration, QString> tlsOf(const QString& certPath, const QString& keyPath)
{
    const auto cert = readFile(certPath);
    if (const auto* refused = std::get_if<QString>(&cert))
        return *refused;
    const auto key = readFile(keyPath);
    if (const auto* refused = std::get_if<QString>(&key))
        return *refused;
    const QList<QSslCertificate> chain = QSslCertificate::fromData(std::get<QByteArray>(cert), QSsl::Pem);
    if (chain.isEmpty())
        return ServiceTexts::notCertificate(certPath);
    QSslKey privateKey;
    for (const QSsl::KeyAlgorithm algorithm : {QSsl::Rsa, QSsl::Ec, QSsl::Dsa}) {
        privateKey = QSslKey(std::get<QByteArray>(key), algorithm, QSsl::Pem);
        if (!privateKey.isNull())
            break;
    }
    if (privateKey.isNull())
        return ServiceTexts::notKey(keyPath);
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setLocalCertificateChain(chain);
    tls.setPrivateKey(privateKey);
    tls.setPeerVerifyMode(QSslSocket::VerifyNone);
    return tls;
}

} // namespace

std::variant<ServeSettings, QString> ServeSettings::of(const CtlArguments& arguments)
{
    ServeSettings settings;
    settings.project = arguments.project;
    settings.ports = arguments.ports;
    settings.listen = arguments.listen;
    if (!arguments.secretFile.isEmpty()) {
        const auto read = readFile(arguments.secretFile);
        if (const auto* refused = std::get_if<QString>(&read))
            return *refused;
        // The first line, without its end: a file written by an editor ends with one.
        settings.secret = std::get<QByteArray>(read).split('\n').first();
        if (settings.secret.endsWith('\r'))
            settings.secret.chop(1);
        if (settings.secret.isEmpty())
            return ServiceTexts::emptySecret(arguments.secretFile);
    } else {
        settings.secret = qgetenv(kSecretVariable);
    }
    if (!arguments.tlsCert.isEmpty()) {
        auto tls = tlsOf(arguments.tlsCert, arguments.tlsKey);
        if (const auto* refused = std::get_if<QString>(&tls))
            return *refused;
        settings.tls = std::get<QSslConfiguration>(tls);
    }
    return settings;
}
