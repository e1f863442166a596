// The stack protector's guard and its failure handlers, in place of libssp's. libssp seeds the
// guard with CryptAcquireContext and CryptGenRandom, which load the RSA provider and the crypto
// libraries before the first window opens; RtlGenRandom gives as random a guard from advapi32,
// which user32 has loaded already. The fortified string functions still come from libssp, and
// end the program through __chk_fail here.

#include <windows.h>
#include <ntsecapi.h>

namespace {

// A frame whose guard changed, or a copy past its room, cannot be trusted to unwind: the process
// ends at once, past every handler, reported to Windows as the overrun it is, with the kind of
// check that failed, as the compiler's own checks report them.
[[noreturn]] void failFast(ULONG_PTR check)
{
    constexpr DWORD stackBufferOverrun = 0xC0000409;
    EXCEPTION_RECORD record{stackBufferOverrun, EXCEPTION_NONCONTINUABLE, nullptr, nullptr, 1, {check}};
    RaiseFailFastException(&record, nullptr, 0);
    TerminateProcess(GetCurrentProcess(), stackBufferOverrun);
    __builtin_unreachable();
}

} // namespace

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

namespace {

// Run before main as a constructor, when no protected frame is live to find its guard changed.
__attribute__((constructor, no_stack_protector)) void seedGuard()
{
    void *seed = nullptr;
    if (RtlGenRandom(&seed, sizeof seed) && seed)
        __stack_chk_guard = seed;
}

} // namespace
