#pragma once

#include <string>

namespace bumblorbs {

// The user's digit-group separator (LC_NUMERIC), or a comma where the locale
// defines none. Leaves the process's own locale untouched. POSIX only:
// Windows formats the count through its own number formatting.
std::string LocaleGroupSeparator();

}  // namespace bumblorbs
