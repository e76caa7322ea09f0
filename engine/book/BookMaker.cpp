#include "engine/book/BookMaker.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <chrono>
#include <thread>
#include <unordered_set>

#include "engine/BitBoard.h"
#include "engine/Position.h"
#include "engine/book/BookMoves.h"
#include "engine/strong/BoardSymmetry.h"
#include "engine/strong/StrongSearch.h"

namespace flipstone::book {

namespace {

// Each search's table: 2^20 entries, 16 MB.
constexpr int kTableBits = 20;

BookEntry EntryOf(const BookEntry& key, int value, int depth) {
    return {key.mover, key.other, static_cast<std::int8_t>(value),
            static_cast<std::uint8_t>(depth)};
}

}  // namespace

std::size_t BookMaker::KeyHash::operator()(const Key& key) const {
    return std::hash<Bits>()(key.mover * 0x9E3779B97F4A7C15ull ^ key.other);
}

BookMaker::Key BookMaker::KeyOf(Bits mover, Bits other) {
    const strong::CanonicalPosition canonical = strong::CanonicalPosition::Of(mover, other);
    return {canonical.mover, canonical.other};
}

BookMaker::BookMaker(const OpeningBook& book, const BookExtension& extension,
                     std::ostream& progress)
    : extension_(extension),
      threads_(extension.threads > 0
                   ? extension.threads
                   : std::max(1, static_cast<int>(std::thread::hardware_concurrency()))),
      progress_(progress) {
    for (const BookEntry& entry : book.Entries()) {
        entries_[{entry.mover, entry.other}] = entry;
    }
}

OpeningBook BookMaker::Extend() {
    const BitBoard start = BitBoard::FromBoard(Position::Start().GetBoard());
    const Key root = KeyOf(start.black, start.white);
    if (!Valued(root)) {
        ValuePositions({root}, 0);
    }
    ExpandWidely();
    ExpandLines();
    BackUp();
    return Book();
}

OpeningBook BookMaker::Book() const {
    std::vector<BookEntry> entries;
    entries.reserve(entries_.size());
    for (const auto& [key, entry] : entries_) {
        entries.push_back(entry);
    }
    return OpeningBook(std::move(entries));
}

void BookMaker::ExpandWidely() {
    const BitBoard start = BitBoard::FromBoard(Position::Start().GetBoard());
    std::vector<Played> level = {{start.black, start.white}};
    for (int ply = 0; ply < extension_.fullPlies && !level.empty(); ++ply) {
        ValueChildren(level);
        std::unordered_set<Key, KeyHash> seen;
        std::vector<Played> next;
        for (const Played& position : level) {
            for (Bits rest = LegalMoves(position.mover, position.other); rest != 0;
                 rest &= rest - 1) {
                const Successor child =
                    After(position.mover, position.other, std::countr_zero(rest));
                if (!child.over && seen.insert(KeyOf(child.mover, child.other)).second) {
                    next.push_back({child.mover, child.other});
                }
            }
        }
        level = std::move(next);
    }
}

void BookMaker::ExpandLines() {
    const BitBoard start = BitBoard::FromBoard(Position::Start().GetBoard());
    std::vector<Played> at(extension_.lines.size(), Played{start.black, start.white});
    std::vector<bool> live(extension_.lines.size(), true);
    for (int ply = 0; ply < extension_.linePlies; ++ply) {
        std::vector<Played> batch;
        for (std::size_t i = 0; i < at.size(); ++i) {
            if (live[i]) {
                batch.push_back(at[i]);
            }
        }
        if (batch.empty()) {
            return;
        }
        ValueChildren(batch);
        const OpeningBook book = Book();
        for (std::size_t i = 0; i < at.size(); ++i) {
            if (!live[i]) {
                continue;
            }
            const std::vector<int>& line = extension_.lines[i];
            int bit = -1;
            if (ply < static_cast<int>(line.size())) {
                bit = line[ply];
            } else if (const auto values = book.MoveValues(at[i].mover, at[i].other)) {
                bit = values->front().bit;
            }
            const Bits legal = LegalMoves(at[i].mover, at[i].other);
            if (bit < 0 || (legal & (Bits{1} << bit)) == 0) {
                live[i] = false;
                continue;
            }
            const Successor child = After(at[i].mover, at[i].other, bit);
            live[i] = !child.over;
            at[i] = {child.mover, child.other};
        }
    }
}

void BookMaker::ValueChildren(const std::vector<Played>& positions) {
    std::vector<Key> missing;
    std::unordered_set<Key, KeyHash> seen;
    for (const Played& position : positions) {
        for (Bits rest = LegalMoves(position.mover, position.other); rest != 0; rest &= rest - 1) {
            const Successor child = After(position.mover, position.other, std::countr_zero(rest));
            const Key key = KeyOf(child.mover, child.other);
            if (!child.over && !Valued(key) && seen.insert(key).second) {
                missing.push_back(key);
            }
        }
    }
    ValuePositions(missing, positions.size());
}

bool BookMaker::Valued(const Key& key) const {
    const auto found = entries_.find(key);
    return found != entries_.end() &&
           (found->second.depth == 0 || found->second.depth >= extension_.depth);
}

void BookMaker::ValuePositions(const std::vector<Key>& missing, std::size_t expanded) {
    const auto begin = std::chrono::steady_clock::now();
    std::vector<int> values(missing.size());
    std::atomic<std::size_t> next{0};
    std::vector<std::thread> threads;
    const int threadCount = std::max(1, std::min(threads_, static_cast<int>(missing.size())));
    for (int t = 0; t < threadCount; ++t) {
        threads.emplace_back([&] {
            strong::StrongSearch search(kTableBits, 1);
            for (std::size_t i = next++; i < missing.size(); i = next++) {
                values[i] = SearchValue(search, missing[i].mover, missing[i].other);
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    for (std::size_t i = 0; i < missing.size(); ++i) {
        entries_[missing[i]] =
            EntryOf({missing[i].mover, missing[i].other, 0, 0}, values[i], extension_.depth);
    }
    searched_ += static_cast<std::int64_t>(missing.size());
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    progress_ << "book: " << expanded << " positions expanded, " << missing.size()
              << " searched in " << static_cast<int>(seconds) << " s (" << searched_
              << " this run, " << entries_.size() << " in the book)" << std::endl;
    if (!extension_.checkpoint.empty() && !missing.empty()) {
        Book().Save(extension_.checkpoint);
    }
}

int BookMaker::SearchValue(strong::StrongSearch& search, Bits mover, Bits other) const {
    search.ClearTable();
    const int empties = 64 - strong::Count(mover | other);
    if (empties <= extension_.depth) {
        return search.SearchToDepth(mover, other, empties).value;
    }
    const int shallower =
        search.SearchToDepth(mover, other, extension_.depth - 1, strong::kMidgameSelectivity).value;
    const int deeper =
        search.SearchToDepth(mover, other, extension_.depth, strong::kMidgameSelectivity).value;
    return strong::MeanOfDepths(deeper, shallower);
}

// From the positions with the most discs to those with the fewest, so that every position's
// moves are final before it takes the best of them.
void BookMaker::BackUp() {
    std::vector<Key> keys;
    for (const auto& [key, entry] : entries_) {
        keys.push_back(key);
    }
    std::sort(keys.begin(), keys.end(), [](const Key& a, const Key& b) {
        const int discsA = strong::Count(a.mover | a.other);
        const int discsB = strong::Count(b.mover | b.other);
        return discsA != discsB     ? discsA > discsB
               : a.mover != b.mover ? a.mover < b.mover
                                    : a.other < b.other;
    });
    for (const Key& key : keys) {
        int best = -65;
        bool complete = true;
        for (Bits rest = LegalMoves(key.mover, key.other); rest != 0 && complete;
             rest &= rest - 1) {
            const Successor child = After(key.mover, key.other, std::countr_zero(rest));
            if (child.over) {
                best = std::max(best, child.finalDifference);
                continue;
            }
            const auto found = entries_.find(KeyOf(child.mover, child.other));
            complete = found != entries_.end();
            if (complete) {
                best = std::max(best, child.MoveValue(found->second.value));
            }
        }
        if (complete) {
            entries_[key] = EntryOf({key.mover, key.other, 0, 0}, best, 0);
        }
    }
}

}  // namespace flipstone::book
