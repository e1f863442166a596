#include "numberformat.h"

#include <windows.h>

namespace {

std::u16string localeText(LCTYPE item, std::u16string_view fallback)
{
    wchar_t text[LOCALE_NAME_MAX_LENGTH]{};
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, item, text, LOCALE_NAME_MAX_LENGTH);
    // The length counts the terminating zero.
    if (length <= 1)
        return std::u16string(fallback);
    return {reinterpret_cast<const char16_t *>(text), std::size_t(length - 1)};
}

} // namespace

calc::NumberFormat userNumberFormat()
{
    // Most locales leave the positive sign empty, meaning the plain "+".
    return {localeText(LOCALE_SDECIMAL, u"."), localeText(LOCALE_SNEGATIVESIGN, u"-"),
            localeText(LOCALE_SPOSITIVESIGN, u"+")};
}
