#include "engine/strong/StrongTable.h"

#include <cstdlib>
#include <cstring>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace flipstone::strong {

namespace {

// The lookups land anywhere in the table: on huge pages they seldom miss the address cache.
constexpr std::size_t kHugePage = std::size_t{2} << 20;

}  // namespace

StrongTable::StrongTable(int bucketBits) : mask_((std::uint64_t{1} << bucketBits) - 1) {
    const std::size_t alignment = Bytes() >= kHugePage ? kHugePage : alignof(TableBucket);
    buckets_ = static_cast<TableBucket*>(std::aligned_alloc(alignment, Bytes()));
    if (buckets_ == nullptr) {
        throw std::bad_alloc();
    }
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    if (alignment == kHugePage) {
        madvise(buckets_, Bytes(), MADV_HUGEPAGE);
    }
#endif
    Clear();
}

StrongTable::~StrongTable() {
    std::free(buckets_);
}

void StrongTable::Clear() {
    std::memset(static_cast<void*>(buckets_), 0, Bytes());
}

}  // namespace flipstone::strong
