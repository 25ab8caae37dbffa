#include "link/uploadestimate.h"

#include "link/linkconstants.h"
#include "link/uploadframes.h"
#include "model/project.h"

#include <algorithm>

UploadEstimate UploadEstimate::of(const Project& project)
{
    const auto rows = UploadFrames::screenRows(project.globals().screenHeight.text());
    const auto directory = UploadFrames::messageDirectory(project.msgLen(), rows.rowCapacity);
    UploadEstimate estimate;
    for (const int length : project.msgLen())
        estimate.usedColumns += std::max(length, 0);
    estimate.capacityColumns = rows.rowCapacity;
    estimate.clippedColumns = estimate.usedColumns - directory.totalRowLength;
    estimate.memoryBytes = rows.rowCount * directory.totalRowLength;
    estimate.lineBytes = Link::kUploadHello.size() + Link::kHeaderSize + estimate.memoryBytes;
    const int waitsMs = Link::kHandshakeSteps * Link::kHandshakeWaitMs + Link::kHeaderSettleMs;
    estimate.seconds = double(estimate.lineBytes) / Link::kBytesPerSecond + waitsMs / 1000.0;
    return estimate;
}
