// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/portnames.h"

#include "link/linkconstants.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>
#include <algorithm>

namespace PortNames {

namespace {

constexpr int kLowPorts = 2; // the usual built-in ports; an added adapter sits above them

const std::pair<QLatin1StringView, NetworkAddress::Protocol> kSchemes[] = {
    {QLatin1StringView("tcp"), NetworkAddress::Protocol::Raw},
    {QLatin1StringView("rfc2217"), NetworkAddress::Protocol::Rfc2217},
};

[[nodiscard]] QStringView digitRun(QStringView text, qsizetype from)
{
    qsizetype end = from;
    while (end < text.size() && text[end].isDigit())
        ++end;
    return text.sliced(from, end - from);
}

[[nodiscard]] QStringView withoutLeadingZeros(QStringView digits)
{
    while (digits.size() > 1 && digits.front() == u'0')
        digits = digits.sliced(1);
    return digits;
}

// Runs of digits compare by their value, everything else character by character. QCollator's
// numeric mode would do, but not without ICU.
[[nodiscard]] bool naturalLess(QStringView a, QStringView b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            const QStringView runA = digitRun(a, i);
            const QStringView runB = digitRun(b, j);
            const QStringView numberA = withoutLeadingZeros(runA);
            const QStringView numberB = withoutLeadingZeros(runB);
            if (numberA.size() != numberB.size())
                return numberA.size() < numberB.size();
            if (numberA != numberB)
                return numberA < numberB;
            i += runA.size();
            j += runB.size();
        } else {
            if (a[i] != b[j])
                return a[i] < b[j];
            ++i;
            ++j;
        }
    }
    return a.size() - i < b.size() - j;
}

} // namespace

std::optional<int> comPortNumber(const QString& name)
{
    for (int n = 1; n <= Link::kPortCount; ++n) {
        if (name == comName(n))
            return n;
    }
    return std::nullopt;
}

std::optional<NetworkAddress> networkAddress(const QString& text)
{
    const std::optional<NetworkAddress> address = listenAddress(text);
    if (!address || address->host.isEmpty() || address->port == 0)
        return std::nullopt;
    return address;
}

std::optional<NetworkAddress> listenAddress(const QString& text)
{
    const QUrl url(text, QUrl::StrictMode);
    const int port = url.port();
    if (!url.isValid() || port < 0 || !url.path().isEmpty() || url.hasQuery() || url.hasFragment() ||
        !url.userInfo().isEmpty())
        return std::nullopt;
    for (const auto& [scheme, protocol] : kSchemes) {
        if (url.scheme() == scheme)
            return NetworkAddress{protocol, url.host(), static_cast<quint16>(port)};
    }
    return std::nullopt;
}

QString addressText(const NetworkAddress& address)
{
    QUrl url;
    for (const auto& [scheme, protocol] : kSchemes) {
        if (address.protocol == protocol)
            url.setScheme(scheme);
    }
    url.setHost(address.host);
    url.setPort(address.port);
    return url.toString();
}

bool isDevicePath(const QString& text)
{
#ifdef Q_OS_WIN
    Q_UNUSED(text)
    return false;
#else
    return text.startsWith(u'/');
#endif
}

bool isPseudoTerminal(const QString& device)
{
    static const QRegularExpression kPath(QStringLiteral("^/dev/(pts/[0-9]+|ttys[0-9]+)$"));
    return kPath.match(QFileInfo(device).canonicalFilePath()).hasMatch();
}

QString comName(int number)
{
    return QStringLiteral("COM%1").arg(number);
}

int preselectedIndex(const QStringList& names)
{
    if (names.isEmpty())
        return -1;
    const int last = comPortNumber(names.last()).value_or(0);
    return last > kLowPorts ? static_cast<int>(names.size()) - 1 : 0;
}

QStringList naturalOrder(QStringList paths)
{
    std::sort(paths.begin(), paths.end(),
              [](const QString& a, const QString& b) { return naturalLess(a, b); });
    return paths;
}

} // namespace PortNames
