#pragma once

#include <cstddef>
#include <malloc.h>

#if defined(__SANITIZE_ADDRESS__)
#define ERTAVINO_CON_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ERTAVINO_CON_ASAN 1
#endif
#endif

#ifdef ERTAVINO_CON_ASAN
// From the sanitizer's runtime (its header does not come with every compiler).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

// Bytes the process holds on the heap right now: the sanitizer's count when
// it replaces the allocator, the C library's otherwise.
inline std::size_t MemoriaInUso() {
#ifdef ERTAVINO_CON_ASAN
    return __sanitizer_get_current_allocated_bytes();
#else
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
#endif
}
