#include "host/app/standard_descriptors.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace bumblorbs {

void OpenClosedStandardDescriptors() {
    for (int descriptor = STDIN_FILENO; descriptor <= STDERR_FILENO; ++descriptor) {
        if (fcntl(descriptor, F_GETFD) == -1 && errno == EBADF) {
            // open() takes the lowest free number: the one just found closed.
            if (open("/dev/null", O_RDWR) == -1) {
                return;
            }
        }
    }
}

}  // namespace bumblorbs
