#include "host/core/exit_at_once.h"

#include <sys/uio.h>
#include <unistd.h>

#include <array>

#include "host/core/say.h"

namespace bumblorbs {

void ExitAtOnce(std::string_view what) {
    // writev takes non-const buffers but does not write to them.
    std::array<iovec, 4> parts{{
        {const_cast<char*>(MessagePrefix.data()), MessagePrefix.size()},
        {const_cast<char*>(FatalPrefix.data()), FatalPrefix.size()},
        {const_cast<char*>(what.data()), what.size()},
        {const_cast<char*>("\n"), 1},
    }};
    const ssize_t written = writev(STDERR_FILENO, parts.data(), static_cast<int>(parts.size()));
    static_cast<void>(written);
    _exit(1);
}

}  // namespace bumblorbs
