#include "platform/runner_process.h"

#include "platform/console.h"

namespace orvello::platform {

void PrepareRunnerProcess() { UseUtf8Output(); }

bool Detach(std::string*) { return true; }

}  // namespace orvello::platform
