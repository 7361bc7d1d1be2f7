#pragma once

// Which vector instructions this processor runs, for the engine's loops
// that have an AVX2 path beside their portable one.

#if defined(__x86_64__) && defined(__GNUC__)
#define SORVEL_HAVE_AVX2_PATH 1
#endif

inline bool processorHasAvx2()
{
#ifdef SORVEL_HAVE_AVX2_PATH
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
#else
    return false;
#endif
}
