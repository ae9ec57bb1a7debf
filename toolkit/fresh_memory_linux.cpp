#include "fresh_memory.h"

#include <sys/mman.h>

#include <cstdint>

#ifndef MADV_POPULATE_WRITE
#define MADV_POPULATE_WRITE 23 // Linux 5.14; older kernels refuse it, which is harmless
#endif

namespace toolkit {

void populate(QImage& image) {
    constexpr uintptr_t page = 4096;
    const auto start = reinterpret_cast<uintptr_t>(image.bits());
    const uintptr_t first = (start + page - 1) & ~(page - 1);
    const uintptr_t end = (start + uintptr_t(image.sizeInBytes())) & ~(page - 1);
    if (end > first) madvise(reinterpret_cast<void*>(first), end - first, MADV_POPULATE_WRITE);
}

} // namespace toolkit
