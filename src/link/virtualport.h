// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QLockFile;

// A serial device that a virtual card on this computer offers, such as the pseudo-terminal it
// listens on. Real ports are found by the system's port listing, which knows nothing of these;
// an offer is a link to the device in the user's runtime folder, with a lock that its holder
// keeps while it lives, so the port list shows the virtual card as a port among the others and
// forgets it when the card is gone, even if it was killed.
class VirtualPort {
public:
    // Offers the device until this object is gone.
    explicit VirtualPort(const QString& device);
    ~VirtualPort();
    VirtualPort(const VirtualPort&) = delete;
    VirtualPort& operator=(const VirtualPort&) = delete;

    [[nodiscard]] bool isOffered() const { return !m_link.isEmpty(); }
    // The link a sender may open instead of the device.
    [[nodiscard]] const QString& link() const { return m_link; }

    // The devices offered now, in the natural order of their links. Offers whose holder died are
    // removed on the way.
    [[nodiscard]] static QStringList offered();

private:
    std::unique_ptr<QLockFile> m_lock;
    QString m_link;
};
