#include "engine/book/OpeningBook.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <fstream>
#include <iterator>

#include "engine/book/BookMoves.h"
#include "engine/strong/BoardSymmetry.h"

#if FLIPSTONE_HAVE_BOOK
// The book file, built into the program's read-only data.
__asm__(
    ".pushsection .rodata\n"
    ".balign 64\n"
    ".hidden flipstone_opening_book\n"
    ".globl flipstone_opening_book\n"
    "flipstone_opening_book:\n"
    ".incbin \"" FLIPSTONE_BOOK_FILE
    "\"\n"
    ".hidden flipstone_opening_book_end\n"
    ".globl flipstone_opening_book_end\n"
    "flipstone_opening_book_end:\n"
    ".popsection\n");
extern "C" const unsigned char flipstone_opening_book[];
extern "C" const unsigned char flipstone_opening_book_end[];
#endif

namespace flipstone::book {

namespace {

// The file: this magic, the number of entries (4 bytes), then each entry sorted by position:
// mover and other (8 bytes each), value and depth (1 byte each); numbers little-endian.
constexpr char kMagic[16] = {'F', 'L', 'I', 'P', 'S', 'T', 'O', 'N',
                             'E', '-', 'B', 'O', 'O', 'K', ' ', '1'};
constexpr std::size_t kHeaderSize = sizeof(kMagic) + 4;
constexpr std::size_t kEntrySize = 18;

std::uint64_t ReadNumber(const unsigned char* bytes, int size) {
    std::uint64_t number = 0;
    for (int i = size - 1; i >= 0; --i) {
        number = (number << 8) | bytes[i];
    }
    return number;
}

void WriteNumber(std::string& out, std::uint64_t number, int size) {
    for (int i = 0; i < size; ++i) {
        out += static_cast<char>((number >> (8 * i)) & 0xFF);
    }
}

bool Before(const BookEntry& a, const BookEntry& b) {
    return a.mover < b.mover || (a.mover == b.mover && a.other < b.other);
}

}  // namespace

OpeningBook::OpeningBook(std::vector<BookEntry> entries) : entries_(std::move(entries)) {
    std::stable_sort(entries_.begin(), entries_.end(), Before);
    // Of equal positions the last given stays.
    std::vector<BookEntry> unique;
    for (const BookEntry& entry : entries_) {
        if (!unique.empty() && unique.back().SamePosition(entry)) {
            unique.back() = entry;
        } else {
            unique.push_back(entry);
        }
    }
    entries_ = std::move(unique);
}

const OpeningBook& OpeningBook::BuiltIn() {
#if FLIPSTONE_HAVE_BOOK
    static const OpeningBook builtIn =
        FromBytes(flipstone_opening_book,
                  static_cast<std::size_t>(flipstone_opening_book_end - flipstone_opening_book))
            .value_or(OpeningBook());
#else
    static const OpeningBook builtIn;
#endif
    return builtIn;
}

std::optional<OpeningBook> OpeningBook::FromBytes(const unsigned char* bytes, std::size_t size) {
    if (size < kHeaderSize || std::memcmp(bytes, kMagic, sizeof(kMagic)) != 0) {
        return std::nullopt;
    }
    const std::uint64_t count = ReadNumber(bytes + sizeof(kMagic), 4);
    if (size != kHeaderSize + count * kEntrySize) {
        return std::nullopt;
    }
    std::vector<BookEntry> entries(count);
    const unsigned char* at = bytes + kHeaderSize;
    for (BookEntry& entry : entries) {
        entry.mover = ReadNumber(at, 8);
        entry.other = ReadNumber(at + 8, 8);
        entry.value = static_cast<std::int8_t>(at[16]);
        entry.depth = at[17];
        if ((entry.mover & entry.other) != 0 || entry.value < -64 || entry.value > 64) {
            return std::nullopt;
        }
        at += kEntrySize;
    }
    return OpeningBook(std::move(entries));
}

std::optional<OpeningBook> OpeningBook::Load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return FromBytes(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

bool OpeningBook::Save(const std::string& path) const {
    std::string out(kMagic, sizeof(kMagic));
    WriteNumber(out, entries_.size(), 4);
    for (const BookEntry& entry : entries_) {
        WriteNumber(out, entry.mover, 8);
        WriteNumber(out, entry.other, 8);
        out += static_cast<char>(entry.value);
        out += static_cast<char>(entry.depth);
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(file.flush());
}

const BookEntry* OpeningBook::Find(Bits mover, Bits other) const {
    const strong::CanonicalPosition canonical = strong::CanonicalPosition::Of(mover, other);
    const BookEntry key{canonical.mover, canonical.other, 0, 0};
    const auto found = std::lower_bound(entries_.begin(), entries_.end(), key, Before);
    return found != entries_.end() && found->SamePosition(key) ? &*found : nullptr;
}

std::optional<strong::MoveValue> OpeningBook::ValueOfMove(Bits mover, Bits other, int bit) const {
    const Successor next = After(mover, other, bit);
    if (next.over) {
        return strong::MoveValue{bit, next.finalDifference, true, 0};
    }
    const BookEntry* entry = Find(next.mover, next.other);
    if (entry == nullptr) {
        return std::nullopt;
    }
    return strong::MoveValue{bit, next.MoveValue(entry->value), false, 0};
}

std::optional<std::vector<strong::MoveValue>> OpeningBook::MoveValues(Bits mover,
                                                                      Bits other) const {
    std::vector<strong::MoveValue> values;
    for (Bits rest = LegalMoves(mover, other); rest != 0; rest &= rest - 1) {
        const std::optional<strong::MoveValue> value =
            ValueOfMove(mover, other, std::countr_zero(rest));
        if (!value) {
            return std::nullopt;
        }
        values.push_back(*value);
    }
    if (values.empty()) {
        return std::nullopt;
    }
    std::stable_sort(
        values.begin(), values.end(),
        [](const strong::MoveValue& a, const strong::MoveValue& b) { return a.value > b.value; });
    return values;
}

std::optional<int> OpeningBook::ChooseMove(Bits mover, Bits other, std::uint64_t draw) const {
    const std::optional<std::vector<strong::MoveValue>> values = MoveValues(mover, other);
    if (!values) {
        return std::nullopt;
    }
    std::size_t good = 0;
    while (good < values->size() && (*values)[good].value >= values->front().value - kPlaySpread) {
        ++good;
    }
    return (*values)[draw % good].bit;
}

std::vector<int> OpeningBook::BestLine(Bits mover, Bits other, int first, int length) const {
    std::vector<int> line;
    for (int bit = first; bit >= 0 && static_cast<int>(line.size()) < length;) {
        line.push_back(bit);
        const Successor next = After(mover, other, bit);
        if (next.over) {
            break;
        }
        mover = next.mover;
        other = next.other;
        const std::optional<std::vector<strong::MoveValue>> values = MoveValues(mover, other);
        bit = values ? values->front().bit : -1;
    }
    return line;
}

}  // namespace flipstone::book
