#include "link/portnames.h"

#include "link/linkconstants.h"

namespace PortNames {

namespace {

constexpr int kLowPorts = 2; // the usual built-in ports; an added adapter sits above them

} // namespace

std::optional<int> comPortNumber(const QString& name)
{
    for (int n = 1; n <= Link::kPortCount; ++n) {
        if (name == comName(n))
            return n;
    }
    return std::nullopt;
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

} // namespace PortNames
