#include "host/core/output_check.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

namespace bumblorbs {

bool StandardOutputWritten(std::string_view program) {
    errno = 0;
    std::cout.flush();
    if (std::fflush(stdout) == 0 && std::ferror(stdout) == 0 && std::cout.good()) {
        return true;
    }
    const int reason = errno;
    std::cerr << program << ": write error: "
              << (reason != 0 ? std::strerror(reason) : "the output was not written") << '\n';
    return false;
}

}  // namespace bumblorbs
