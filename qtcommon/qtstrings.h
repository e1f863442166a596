#pragma once

// How the Qt windows trade texts with the shared code, and hand it the desktop's number format.

#include "level.h"

#include <QLocale>
#include <QString>

#include <string_view>

inline std::u16string_view utf16(QStringView text)
{
    return {text.utf16(), std::size_t(text.size())};
}

inline QString qtText(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

inline QString qtText(const wchar_t *text)
{
    return QString::fromWCharArray(text ? text : L"");
}

inline calc::NumberFormat numberFormat(const QLocale &locale)
{
    return {locale.decimalPoint().toStdU16String(), locale.negativeSign().toStdU16String(),
            locale.positiveSign().toStdU16String()};
}
