#pragma once

// The computation's cases, for tst_calc and for the same computation compiled to WebAssembly
// (tests/web/tst_calc_wasm.cpp).

#include "level.h"

#include <array>
#include <vector>

using Stats = std::array<std::u16string, 5>; // force, endu, dext, sag, intel, as typed

struct CalcCase
{
    std::u16string name;
    calc::NumberFormat format;
    Stats base, wanted;
    calc::Status status;
    std::u16string level, skillPoints;
};

inline calc::StatTexts statTexts(const Stats &texts) { return {texts[0], texts[1], texts[2], texts[3], texts[4]}; }

inline std::vector<CalcCase> calcCases()
{
    using calc::Status;
    const calc::NumberFormat fr{u",", u"-", u"+"};
    const calc::NumberFormat en{u".", u"-", u"+"};
    const auto sameForAll = [](const std::u16string &text) { return Stats{text, text, text, text, text}; };
    const Stats x1 = sameForAll(u"25");
    const Stats zero = sameForAll(u"0");
    const std::u16string huge = u"15" + std::u16string(307, u'0'); // 1.5e308, finite
    const std::u16string beyondDouble(400, u'9');

    std::vector<CalcCase> cases = {
        {u"total 45 reaches level 9", fr, x1, {u"50", u"25", u"40", u"25", u"30"}, Status::Ok, u"9", u"135"},
        {u"total 46 rounds up to level 10", fr, x1, {u"50", u"25", u"40", u"25", u"31"}, Status::Ok, u"10", u"150"},
        {u"wanted equal to base gives level 0", fr, x1, x1, Status::Ok, u"0", u"0"},
        {u"total -12 rounds up to level -2", fr, x1, {u"25", u"25", u"25", u"25", u"13"}, Status::Ok, u"-2", u"-30"},
        {u"total -2 shows 0, not -0", fr, x1, {u"23", u"25", u"25", u"25", u"25"}, Status::Ok, u"0", u"0"},
        {u"x2 preset from the typical use", fr, sameForAll(u"30"), {u"50", u"45", u"30", u"30", u"40"}, Status::Ok, u"9", u"135"},

        {u"French decimal comma is a number", fr, zero, {u"12,5", u"0", u"0", u"0", u"0"}, Status::Ok, u"3", u"45"},
        {u"French refuses the decimal point", fr, zero, {u"12.5", u"0", u"0", u"0", u"0"}, Status::TypeMismatch},
        {u"English decimal point is a number", en, zero, {u"12.5", u"0", u"0", u"0", u"0"}, Status::Ok, u"3", u"45"},
        {u"English refuses the decimal comma", en, zero, {u"12,5", u"0", u"0", u"0", u"0"}, Status::TypeMismatch},
        {u"separator with no digits after it", fr, zero, {u"10,", u"0", u"0", u"0", u"0"}, Status::Ok, u"2", u"30"},
        {u"separator with no digits before it", fr, zero, {u",5", u"0", u"0", u"0", u"0"}, Status::Ok, u"1", u"15"},
        {u"blanks and tabs around a number", fr, x1, {u" 50 ", u"\t25", u"40\t", u"  25", u"30  "}, Status::Ok, u"9", u"135"},
        {u"signs on wanted and base values", fr, sameForAll(u"-5"), {u"+5", u"-5", u"-5", u"-5", u"-5"}, Status::Ok, u"2", u"30"},

        {u"English group separator is a type mismatch", en, zero, {u"1,000", u"0", u"0", u"0", u"0"}, Status::TypeMismatch},
        {u"empty base box (no preset) is a type mismatch", fr, sameForAll(u""), x1, Status::TypeMismatch},

        {u"sum of two finite values overflows", fr, zero, {huge, huge, u"0", u"0", u"0"}, Status::Overflow},
        {u"difference of finite values overflows", fr, {u"-" + huge, u"0", u"0", u"0", u"0"}, {huge, u"0", u"0", u"0", u"0"}, Status::Overflow},
        {u"number beyond a double overflows", fr, zero, {u"0", beyondDouble, u"0", u"0", u"0"}, Status::Overflow},
        {u"skill points overflow when the level does not", fr, zero, {huge, u"0", u"0", u"0", u"0"}, Status::Overflow},
        {u"number below the smallest double counts as zero", fr, zero,
         {u"0," + std::u16string(400, u'0') + u"1", u"5", u"0", u"0", u"0"}, Status::Ok, u"1", u"15"},
        // 1e-310: below the normal doubles, which a reader may report as out of range.
        {u"subnormal number keeps its value", fr, zero, {u"0," + std::u16string(309, u'0') + u"1", u"0", u"0", u"0", u"0"},
         Status::Ok, u"1", u"15"},
        {u"large results are written in full, without groups", fr, zero, {u"5" + std::u16string(20, u'0'), u"0", u"0", u"0", u"0"},
         Status::Ok, u"1" + std::u16string(20, u'0'), u"15" + std::u16string(20, u'0')},
    };
    for (const std::u16string text : {u"", u" ", u"-", u",", u"+-3", u"3-", u"1 2", u"12,5,3", u"1e3", u"1E3", u"inf", u"nan",
                                      u"0x1F", u"1\u202f000", u"1\u00a0000", u"\u0663", u"\u00b2", u"12\n", u"abc"})
        cases.push_back({u"wanted \"" + text + u"\" is a type mismatch", fr, x1, {u"25", u"25", text, u"25", u"25"}, Status::TypeMismatch});
    return cases;
}
