#pragma once

namespace bumblorbs {

// Opens /dev/null on any of descriptors 0, 1 and 2 that is closed, as some
// launchers leave them. Otherwise the first file or socket opened takes the
// number, and whatever later writes to "stderr" writes into it: a library's
// warning into the X connection freezes the window. Call first thing.
void OpenClosedStandardDescriptors();

}  // namespace bumblorbs
