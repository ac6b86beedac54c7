#include "host/core/locale_separator.h"

#include <langinfo.h>
#include <locale.h>

namespace bumblorbs {

std::string LocaleGroupSeparator() {
    std::string separator;
    locale_t user = newlocale(LC_NUMERIC_MASK, "", nullptr);
    if (user != nullptr) {
        separator = nl_langinfo_l(THOUSEP, user);
        freelocale(user);
    }
    return separator.empty() ? "," : separator;
}

}  // namespace bumblorbs
