// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/listenaddress.h"

std::optional<ListenAddress> ListenAddress::parse(const QString& text)
{
    const qsizetype colon = text.lastIndexOf(u':');
    if (colon <= 0)
        return std::nullopt;
    QString hostText = text.left(colon);
    bool numeric = false;
    const uint port = text.mid(colon + 1).toUInt(&numeric);
    if (!numeric || port > 65535)
        return std::nullopt;
    if (hostText.startsWith(u'[') && hostText.endsWith(u']'))
        hostText = hostText.mid(1, hostText.size() - 2);
    ListenAddress address;
    address.port = quint16(port);
    if (hostText.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return address;
    if (!address.host.setAddress(hostText))
        return std::nullopt;
    return address;
}

QString ListenAddress::url(bool tls, quint16 boundPort) const
{
    QString shown = host.toString();
    if (host.protocol() == QAbstractSocket::IPv6Protocol)
        shown = u'[' + shown + u']';
    return QStringLiteral("%1://%2:%3/")
        .arg(tls ? QLatin1String("https") : QLatin1String("http"), shown)
        .arg(boundPort);
}
