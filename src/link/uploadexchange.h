// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/linkexchange.h"
#include "link/uploadframes.h"

class Project;

// The upload of the whole project: "Hello32", three seconds for the card to get ready, the header
// built from the project as it stands then, and the display data row by row in chunks, each
// drained before the next. Used by the transfer command.
class UploadExchange : public LinkExchange {
    Q_OBJECT

public:
    UploadExchange(Project& project, SerialLine& line, LinkTime& time, QObject* parent = nullptr);

protected:
    QCoro::Task<> steps() override;

private:
    // Refreshes the alternation pair as the card takes it (no group of one) and reads the header.
    [[nodiscard]] UploadFrames::HeaderValues headerValues(int rowCapacity);

    Project& m_project;
};
