// The decimal separator of the user's LC_NUMERIC locale, as the environment names it.
#include "platform/user_locale.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <locale>
#include <optional>
#include <string>

namespace {

// The variable as it was, put back when the test ends.
class SavedVariable {
public:
    explicit SavedVariable(const char* name) : name_(name) {
        if (const char* value = std::getenv(name)) value_ = value;
    }
    ~SavedVariable() { value_ ? ::setenv(name_, value_->c_str(), 1) : ::unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> value_;
};

bool Installed(const char* name) {
    try {
        std::locale{name};
        return true;
    } catch (const std::runtime_error&) {
        return false;
    }
}

TEST(UserDecimalSeparator, FollowsLcAllThenLcNumericThenLang) {
    struct Case {
        const char* all;
        const char* numeric;
        const char* lang;
        const char* separator;
    };
    const Case cases[] = {
        {"", "", "", "."},
        {"", "", "C.UTF-8", "."},
        {"", "", "POSIX", "."},
        {"", "", "ru_RU.UTF-8", ","},
        {"", "ru_RU.UTF-8", "C", ","},
        {"C.UTF-8", "ru_RU.UTF-8", "ru_RU.UTF-8", "."},
        {"", "", "xx_NOWHERE.UTF-8", "."},
    };
    if (!Installed("ru_RU.UTF-8")) GTEST_SKIP() << "the ru_RU.UTF-8 locale is not installed";
    const SavedVariable all("LC_ALL"), numeric("LC_NUMERIC"), lang("LANG");
    for (const Case& c : cases) {
        ::setenv("LC_ALL", c.all, 1);
        ::setenv("LC_NUMERIC", c.numeric, 1);
        ::setenv("LANG", c.lang, 1);
        EXPECT_EQ(UserDecimalSeparator(), c.separator) << c.all << " / " << c.numeric << " / " << c.lang;
    }
}

}  // namespace
