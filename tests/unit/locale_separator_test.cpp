#include "host/core/locale_separator.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace bumblorbs {
namespace {

TEST(FormatByPatternTest, LocaleWithoutASeparatorGivesAComma) {
    const char* saved = std::getenv("LC_ALL");
    const std::string restore = saved != nullptr ? saved : "";
    setenv("LC_ALL", "C", 1);
    EXPECT_EQ(LocaleGroupSeparator(), ",");
    setenv("LC_ALL", "no_SUCH.locale", 1);
    EXPECT_EQ(LocaleGroupSeparator(), ",");
    if (saved != nullptr) {
        setenv("LC_ALL", restore.c_str(), 1);
    } else {
        unsetenv("LC_ALL");
    }
}

}  // namespace
}  // namespace bumblorbs
