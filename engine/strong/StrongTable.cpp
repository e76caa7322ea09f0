#include "engine/strong/StrongTable.h"

namespace flipstone::strong {

StrongTable::StrongTable(int bits) : slots_(std::size_t{1} << bits), shift_(64 - bits) {}

std::size_t StrongTable::SlotOf(Bits mover, Bits other) const {
    const Bits mixed =
        (mover * 0x9E3779B97F4A7C15ull) ^ ((other + 0x632BE59BD9B4E019ull) * 0xC2B2AE3D27D4EB4Full);
    return static_cast<std::size_t>((mixed ^ (mixed >> 29)) * 0xBF58476D1CE4E5B9ull >> shift_);
}

TableEntry TableEntry::FromWindow(Bits mover, Bits other, int best, int alpha, int beta,
                                  int unbounded, int depth, int move) {
    return TableEntry{mover,
                      other,
                      best > alpha ? best : -unbounded,
                      best < beta ? best : unbounded,
                      static_cast<std::int8_t>(depth),
                      static_cast<std::int8_t>(move)};
}

const TableEntry* StrongTable::Find(Bits mover, Bits other) const {
    const TableEntry& entry = slots_[SlotOf(mover, other)];
    return entry.depth >= 0 && entry.mover == mover && entry.other == other ? &entry : nullptr;
}

void StrongTable::Store(const TableEntry& entry) {
    slots_[SlotOf(entry.mover, entry.other)] = entry;
}

void StrongTable::Clear() {
    slots_.assign(slots_.size(), TableEntry{});
}

}  // namespace flipstone::strong
