// How many threads a batch of work may start: as many as asked, never more than the machine runs
// at once. More would only share the same cores while each holds its own working copy of the
// section, so a count typed by mistake (1,024) costs memory and nothing is gained.
#pragma once

namespace pmsect {

// The machine's hardware threads (1 when the system does not say).
unsigned machineThreads();

// asked, capped to machineThreads(); 0 asks for every one of them.
unsigned workerThreads(unsigned asked);

} // namespace pmsect
