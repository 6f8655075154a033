// Room for the large tables and outputs of a long document. Touching fresh
// memory a small page at a time makes each page a fault, and under a
// hypervisor a fault costs more than filling the page: where the system
// allows, such room is asked for in large pages.
#pragma once

#include <cstddef>

namespace korvane {

// Advises [begin, begin + bytes) for large pages, the whole large pages
// inside it; only advice, refused or unsupported it changes nothing.
void AdviseerGrotePaginas(const void* begin, std::size_t bytes);

// reserve(n) on a vector or string, the room advised for large pages.
template <typename Rij>
void RuimteInGrotePaginas(Rij& rij, std::size_t n)
{
    rij.reserve(n);
    AdviseerGrotePaginas(rij.data(), rij.capacity() * sizeof(*rij.data()));
}

} // namespace korvane
