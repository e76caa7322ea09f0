#include "engine/SearchTable.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace flipstone {

namespace {

// Zeroed memory straight from the system: all-zero entries are free ones, and a page costs
// nothing until it is first touched. On Linux the table asks for huge pages: the lookups land
// anywhere in it, and with small pages nearly every one would also miss the address cache and,
// the first time, take a page fault.
void* AllocateZeroed(std::size_t bytes) {
#if defined(__linux__)
    // Huge pages cover only whole, aligned 2 MiB spans: map one span more and trim the ends.
    constexpr std::size_t kHugePage = std::size_t{2} << 20;
    void* mapped = mmap(nullptr, bytes + kHugePage, PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) {
        return nullptr;
    }
    // Trimmed by pointer arithmetic on the mapping itself: the bytes before the first aligned
    // address, and the rest of the extra span after the table.
    const std::uintptr_t start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::size_t before = (kHugePage - start % kHugePage) % kHugePage;
    char* memory = static_cast<char*>(mapped) + before;
    if (before > 0) {
        munmap(mapped, before);
    }
    munmap(memory + bytes, kHugePage - before);
#if defined(MADV_HUGEPAGE)
    madvise(memory, bytes, MADV_HUGEPAGE);
#endif
    return memory;
#else
    return std::calloc(1, bytes);
#endif
}

void Release(void* memory, std::size_t bytes) {
#if defined(__linux__)
    munmap(memory, bytes);
#else
    (void)bytes;
    std::free(memory);
#endif
}

}  // namespace

SearchTable::SearchTable(int bits, int nearBits) : bits_(bits), nearBits_(nearBits) {}

SearchTable::~SearchTable() {
    if (entries_ != nullptr) {
        Release(entries_, Bytes());
    }
}

SearchTableView SearchTable::View() {
    if (entries_ == nullptr && !allocationFailed_) {
        entries_ = static_cast<SearchTableEntry*>(AllocateZeroed(Bytes()));
        allocationFailed_ = entries_ == nullptr;
    }
    SearchTableView view;
    if (entries_ != nullptr) {
        // The small part comes first, the main part after it.
        view.nearEntries = entries_;
        view.nearMask = (std::uint64_t{1} << nearBits_) - 1;
        view.deepEntries = entries_ + view.nearMask + 1;
        view.deepMask = (std::uint64_t{1} << bits_) - 1;
    }
    return view;
}

std::size_t SearchTable::Bytes() const {
    return sizeof(SearchTableEntry) * ((std::size_t{1} << bits_) + (std::size_t{1} << nearBits_));
}

void SearchTable::Clear() {
    if (entries_ != nullptr) {
        std::memset(static_cast<void*>(entries_), 0, Bytes());
    }
}

}  // namespace flipstone
