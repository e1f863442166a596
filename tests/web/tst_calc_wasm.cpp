// The computation as the page runs it, compiled to WebAssembly and run by node, against
// tst_calc's cases.

#include "calc_cases.h"

#include <cstdio>

int main()
{
    int failed = 0;
    const std::vector<CalcCase> cases = calcCases();
    for (std::size_t row = 0; row < cases.size(); ++row) {
        const CalcCase &c = cases[row];
        const calc::LevelResult result = calc::computeLevel(statTexts(c.base), statTexts(c.wanted), c.format);
        if (result.status != c.status || result.level != c.level || result.skillPoints != c.skillPoints)
            failed += std::printf("FAIL: case %zu of tests/calc_cases.h\n", row + 1) > 0;
    }
    std::printf("%zu cases, %d failed\n", cases.size(), failed);
    return failed != 0;
}
