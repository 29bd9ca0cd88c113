#ifndef ORVELLO_PLATFORM_RUNNER_PROCESS_H_
#define ORVELLO_PLATFORM_RUNNER_PROCESS_H_

#include <string>

namespace orvello::platform {

/// Readies the runner's own process before anything else. The reports go to standard error,
/// which may be a pipe that its reader closes early (`orvello-cli publish ... 2>&1 | head -1`):
/// that must not end the script halfway. POSIX: SIGPIPE is ignored, so the reports are lost from
/// then on and the copying goes on; the programs a script runs inherit that, and so see a failed
/// write rather than die of it. Windows: a write to a closed pipe only fails anyway; the reports
/// go out as UTF-8 (UseUtf8Output).
void PrepareRunnerProcess();

/// Moves the runner into the background on its own (--detach), so that whoever started it
/// collects it at once; false with the reason in `*problem`. POSIX: the runner forks, the parent
/// exits at once and the child goes on in a session of its own, reading nothing from the
/// terminal, as a child of the system. Windows: nothing to do, no process waits to collect it.
bool Detach(std::string* problem);

}  // namespace orvello::platform

#endif  // ORVELLO_PLATFORM_RUNNER_PROCESS_H_
