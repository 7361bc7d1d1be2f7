#pragma once

#include "recording/recording.h"

#include "libburnsupport.h"

namespace recording {

// The engine's disc record of what readDisc found.
DiscInfo engineDiscInfo(const DiscFacts &facts);
// The write speeds a grabbed drive offers.
QVector<WriteSpeed> driveSpeeds(burn_drive *drive);
// Jobs whose thread is running, process-wide.
int activeJobCount();
// Stops every running job and waits (up to 30 s) for them to end.
void stopAllJobs();

} // namespace recording
