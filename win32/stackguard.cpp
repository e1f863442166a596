// The stack protector's guard and failure handlers, in place of libssp's, whose CryptGenRandom seed
// loads the RSA provider and crypto libraries before the first window; RtlGenRandom comes from the
// advapi32 that user32 loads. libssp's fortified string functions still end in __chk_fail here.

#include <windows.h>
#include <ntsecapi.h>

// A frame whose guard changed, or a copy past its room, cannot be trusted to unwind: the process
// ends at once, past every handler, reported as an overrun of the failed check's kind, as compiled checks do.
[[noreturn]] static void failFast(ULONG_PTR check)
{
    EXCEPTION_RECORD record{STATUS_STACK_BUFFER_OVERRUN, EXCEPTION_NONCONTINUABLE, nullptr, nullptr, 1, {check}};
    RaiseFailFastException(&record, nullptr, 0);
    TerminateProcess(GetCurrentProcess(), STATUS_STACK_BUFFER_OVERRUN);
    __builtin_unreachable();
}

extern "C" {
// libssp's fallback, a terminator canary, serves until the seed below, and wherever it fails.
void *__stack_chk_guard = reinterpret_cast<void *>(0xff0a0000);

[[noreturn]] void __stack_chk_fail()
{
    failFast(FAST_FAIL_STACK_COOKIE_CHECK_FAILURE);
}

[[noreturn]] void __chk_fail()
{
    failFast(FAST_FAIL_RANGE_CHECK_FAILURE);
}
} // extern "C"

// Run before main as a constructor, when no protected frame is live to find its guard changed.
__attribute__((constructor, no_stack_protector)) static void seedGuard()
{
    if (void *seed = nullptr; RtlGenRandom(&seed, sizeof seed) && seed)
        __stack_chk_guard = seed;
}
