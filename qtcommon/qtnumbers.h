#pragma once

// How the Qt windows hand their texts and the desktop's number format to the computation.

#include "level.h"

#include <QLocale>
#include <QStringView>

#include <string_view>

inline std::u16string_view utf16(QStringView text)
{
    return {text.utf16(), std::size_t(text.size())};
}

inline calc::NumberFormat numberFormat(const QLocale &locale)
{
    return {locale.decimalPoint().toStdU16String(), locale.negativeSign().toStdU16String(),
            locale.positiveSign().toStdU16String()};
}
