// SPDX-License-Identifier: GPL-3.0-or-later
#include "virtualcard/cardrun.h"

#include "card/cardmemoryfile.h"
#include "card/cardsession.h"
#include "card/networkcardline.h"
#include "card/ptycardline.h"
#include "card/serialcardline.h"
#include "card/signrecording.h"
#include "dialogs/dialogs.h"
#include "link/virtualport.h"
#include "texts/cardtexts.h"
#include "texts/messagetexts.h"

CardRun::CardRun(CardArguments arguments, QObject* parent)
    : QObject(parent)
    , m_arguments(std::move(arguments))
{
}

CardRun::~CardRun() = default;

bool CardRun::start(Dialogs& dialogs)
{
    const CardMemoryFile::ReadResult kept = CardMemoryFile::read(m_arguments.memory);
    if (!kept.memory) {
        dialogs.tell(MessageTexts::warningTitle(), CardTexts::memoryUnreadable(), kept.error);
        return false;
    }
    if (m_arguments.pty)
        m_line = std::make_unique<PtyCardLine>(m_arguments.fast);
    else if (m_arguments.listen)
        m_line = std::make_unique<NetworkCardLine>(*m_arguments.listen, m_arguments.fast);
    else
        m_line = std::make_unique<SerialCardLine>(m_arguments.port, m_arguments.fast);
    if (!m_line->open()) {
        dialogs.tell(MessageTexts::warningTitle(), CardTexts::cannotListen(),
                     QStringLiteral("%1: %2").arg(m_line->device(), m_line->errorString()));
        return false;
    }
    if (m_arguments.pty)
        m_offer = std::make_unique<VirtualPort>(m_line->device());
    m_session = new CardSession(*m_line, *kept.memory, m_arguments.width, this);
    connect(m_session, &CardSession::exchangeFinished, this, &CardRun::afterExchange);
    connect(m_line.get(), &CardLine::failed, this, [this](const QString& reason) {
        emit trouble(CardTexts::lineLost(m_line->device(), reason));
        emit lineLost();
    });
    return true;
}

QString CardRun::device() const
{
    return m_line ? m_line->device() : QString();
}

void CardRun::afterExchange(const CardExchange& exchange)
{
    // Stray bytes change nothing the card holds.
    if (exchange.kind != CardExchange::Kind::Stray)
        writeFiles(exchange);
    emit exchangeLogged(exchange);
}

void CardRun::writeFiles(const CardExchange& exchange)
{
    for (const QString& path : {m_arguments.memory, m_arguments.json}) {
        if (path.isEmpty())
            continue;
        if (const std::optional<QString> failure = CardMemoryFile::write(path, m_session->memory()))
            emit trouble(CardTexts::memoryUnwritable() + u' ' + *failure);
    }
    if (m_arguments.gif.isEmpty() && m_arguments.frames.isEmpty())
        return;
    const SignRecording recording{m_arguments.message, m_arguments.seconds, m_arguments.scale,
                                  m_arguments.gif, m_arguments.frames};
    const std::optional<QString> failure = writeSignRecording(m_session->memory(), recording, [&](qint64 ms) {
        return m_session->signTimeAt(exchange.endMs + ms);
    });
    if (failure)
        emit trouble(*failure);
}
