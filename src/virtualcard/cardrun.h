// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "virtualcard/cardarguments.h"

#include <QObject>
#include <memory>

class CardLine;
class CardSession;
class Dialogs;
class VirtualPort;
struct CardExchange;

// The virtual card put together: the line it listens on, the session that decodes it, the memory
// kept between runs and the files written for scripts after each exchange.
class CardRun : public QObject {
    Q_OBJECT

public:
    explicit CardRun(CardArguments arguments, QObject* parent = nullptr);
    ~CardRun() override;

    // Reads the kept memory and starts listening; tells why not and answers false when either fails.
    [[nodiscard]] bool start(Dialogs& dialogs);

    [[nodiscard]] const CardArguments& arguments() const { return m_arguments; }
    [[nodiscard]] CardSession& session() { return *m_session; }
    // The device a sender opens.
    [[nodiscard]] QString device() const;

signals:
    // After the memory file and the files for scripts were written.
    void exchangeLogged(const CardExchange& exchange);
    // A file could not be written, or the line broke; the text says what and why.
    void trouble(const QString& text);
    void lineLost();

private:
    void afterExchange(const CardExchange& exchange);
    void writeFiles(const CardExchange& exchange);

    CardArguments m_arguments;
    std::unique_ptr<CardLine> m_line;
    std::unique_ptr<VirtualPort> m_offer;
    CardSession* m_session = nullptr;
};
