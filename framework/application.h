#pragma once
// Application-wide services.

#include <string>

namespace fw {

// Ends the application: closes its windows (running their close handlers)
// and leaves the event loop with the status.
void quitApplication(int status = 0);

}  // namespace fw
