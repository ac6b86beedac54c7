#include "host/core/say.h"

#include <iostream>
#include <string>

namespace bumblorbs {

void Say(std::string_view text) {
    std::string line(MessagePrefix);
    line += text;
    line += '\n';
    std::cerr << line << std::flush;
}

}  // namespace bumblorbs
