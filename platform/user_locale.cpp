#include "platform/user_locale.h"

#include <langinfo.h>
#include <locale.h>

std::string UserDecimalSeparator() {
    // A locale object of our own leaves the process's C locale (and so every to_chars/printf) alone.
    locale_t user = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
    if (user == static_cast<locale_t>(0)) return ".";
    const char* radix = nl_langinfo_l(RADIXCHAR, user);
    std::string separator = radix && *radix ? radix : ".";
    freelocale(user);
    return separator;
}
