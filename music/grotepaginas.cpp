// Large pages for large tables, on Linux.
#include "music/grotepaginas.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace korvane {

void AdviseerGrotePaginas(const void* begin, std::size_t bytes)
{
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    constexpr std::uintptr_t kGroot = std::uintptr_t{1} << 21;
    const auto van = (reinterpret_cast<std::uintptr_t>(begin) + kGroot - 1) & ~(kGroot - 1);
    const auto tot = (reinterpret_cast<std::uintptr_t>(begin) + bytes) & ~(kGroot - 1);
    if (tot > van)
        (void)madvise(reinterpret_cast<void*>(van), tot - van, MADV_HUGEPAGE);
#else
    (void)begin;
    (void)bytes;
#endif
}

} // namespace korvane
