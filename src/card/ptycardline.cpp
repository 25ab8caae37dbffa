// SPDX-License-Identifier: GPL-3.0-or-later
#include "card/ptycardline.h"

#include "texts/cardtexts.h"

#include <QFile>
#include <QSocketNotifier>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#endif

namespace {

constexpr int kReadSize = 4096;

} // namespace

PtyCardLine::PtyCardLine(bool fast, QObject* parent)
    : CardLine(parent)
    , m_fast(fast)
{
}

PtyCardLine::~PtyCardLine()
{
    closeAll();
}

#ifdef Q_OS_UNIX

bool PtyCardLine::open()
{
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0)
        return fail(QStringLiteral("posix_openpt"));
    if (::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0)
        return fail(QStringLiteral("grantpt"));
    const char* name = ::ptsname(m_master);
    if (name == nullptr)
        return fail(QStringLiteral("ptsname"));
    m_device = QFile::decodeName(name);
    // While no process holds the sender's end open, the card's end reads a hang-up at once and for
    // ever; holding it open here lets senders come and go without the card noticing.
    m_far = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_far < 0)
        return fail(QStringLiteral("open"));
    // Raw from the start, so that even a sender that sets nothing up gets its bytes through as sent.
    termios settings{};
    if (::tcgetattr(m_far, &settings) != 0)
        return fail(QStringLiteral("tcgetattr"));
    ::cfmakeraw(&settings);
    settings.c_cflag |= CLOCAL | CREAD;
    ::cfsetispeed(&settings, B9600);
    ::cfsetospeed(&settings, B9600);
    if (::tcsetattr(m_far, TCSANOW, &settings) != 0)
        return fail(QStringLiteral("tcsetattr"));
    if (::fcntl(m_master, F_SETFD, FD_CLOEXEC) != 0 || ::fcntl(m_master, F_SETFL, O_NONBLOCK) != 0)
        return fail(QStringLiteral("fcntl"));

    m_notifier = new QSocketNotifier(qintptr(m_master), QSocketNotifier::Read, this);
    m_reader = new PacedReader(
        m_fast, [this](qsizetype most) { return read(most); },
        [this](bool on) {
            m_notifier->setEnabled(on);
            if (!on)
                stopSender(true);
        },
        this);
    connect(m_notifier, &QSocketNotifier::activated, m_reader, &PacedReader::readAvailable);
    connect(m_reader, &PacedReader::received, this, &CardLine::received);
    return true;
}

PacedReader::Taken PtyCardLine::read(qsizetype most)
{
    QByteArray bytes;
    char buffer[kReadSize];
    while (bytes.size() < most) {
        const auto size = static_cast<size_t>(std::min<qsizetype>(kReadSize, most - bytes.size()));
        const ssize_t n = ::read(m_master, buffer, size);
        if (n > 0) {
            bytes.append(buffer, n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            break;
        const QString reason = n == 0 ? QStringLiteral("EOF") : QString::fromLocal8Bit(std::strerror(errno));
        m_notifier->setEnabled(false);
        // After the bytes of this read have been taken.
        QMetaObject::invokeMethod(
            this, [this, reason] { emit failed(reason); }, Qt::QueuedConnection);
        return {bytes, false};
    }
    // A serial port opened by Qt is made exclusive until it is closed; a sender killed on the way
    // never closes it, and since the card keeps the terminal open no later sender could open it.
    // Once bytes came the sender is known, and the next one is let in again.
    static_cast<void>(::ioctl(m_far, TIOCNXCL));
    int waiting = 0;
    if (::ioctl(m_master, FIONREAD, &waiting) != 0)
        waiting = 0;
    if (!m_fast)
        stopSender(waiting > 0);
    return {bytes, waiting > 0};
}

// A pseudo-terminal takes some 20 KB before a writer waits, and tells the writer nothing of what
// is still unread. Stopping the sender's end while bytes wait for the card makes its writes wait
// in its own queue instead, so it is never more than a chunk or so ahead of the card.
void PtyCardLine::stopSender(bool stop)
{
    if (stop != m_senderStopped && ::tcflow(m_far, stop ? TCOOFF : TCOON) == 0)
        m_senderStopped = stop;
}

void PtyCardLine::closeAll()
{
    delete m_notifier;
    m_notifier = nullptr;
    for (int* fd : {&m_far, &m_master}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
}

bool PtyCardLine::fail(const QString& step)
{
    m_error = QStringLiteral("%1: %2").arg(step, QString::fromLocal8Bit(std::strerror(errno)));
    closeAll();
    return false;
}

#else

bool PtyCardLine::open()
{
    m_error = CardTexts::noPseudoTerminals();
    return false;
}

PacedReader::Taken PtyCardLine::read(qsizetype)
{
    return {};
}

void PtyCardLine::stopSender(bool)
{
}

void PtyCardLine::closeAll()
{
}

bool PtyCardLine::fail(const QString& step)
{
    m_error = step;
    return false;
}

#endif
