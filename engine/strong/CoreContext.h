#pragma once

// What one thread's search carries from node to node.

#include <cstdint>

#include "engine/strong/CoreBoard.h"
#include "engine/strong/StrongKernel.h"

namespace flipstone::strong::FLIPSTONE_KERNEL_NAMESPACE {
namespace {

// Positions between two looks at the stop flag and two additions to the shared count.
constexpr std::int64_t kNodesPerLook = 2048;

struct Context {
    const SearchShared* shared;
    int selectivity;
    std::int64_t nodes;
    std::int64_t nodesPublished;
    bool stopped;
    // The root search solves the game: the shallow searches that order its moves then order
    // their own as the solver does.
    bool solving;
};

static_assert(sizeof(std::atomic<bool>) == sizeof(bool) && std::atomic<bool>::is_always_lock_free);
static_assert(sizeof(std::atomic<std::int64_t>) == sizeof(std::int64_t) &&
              std::atomic<std::int64_t>::is_always_lock_free);
static_assert(sizeof(std::atomic<int>) == sizeof(int) && std::atomic<int>::is_always_lock_free);

// Shared atomics are read and written with the compiler's builtins: std::atomic's own members are
// inline functions of a shared header, which an unoptimised build would emit once per build.
inline void PublishNodes(Context& context) {
    if (context.shared->progress != nullptr) {
        __atomic_fetch_add(reinterpret_cast<std::int64_t*>(&context.shared->progress->nodes),
                           context.nodes - context.nodesPublished, __ATOMIC_RELAXED);
    }
    context.nodesPublished = context.nodes;
}

inline bool PastNodeLimit(const Context& context) {
    const SearchShared& shared = *context.shared;
    return shared.nodeLimit > 0 && shared.progress != nullptr &&
           __atomic_load_n(reinterpret_cast<const std::int64_t*>(&shared.progress->nodes),
                           __ATOMIC_RELAXED) >= shared.nodeLimit;
}

// Counts the node; every kNodesPerLook nodes, adds to the shared count and looks whether the
// search must stop. True once it must.
inline bool Stopping(Context& context) {
    if (context.nodes - context.nodesPublished >= kNodesPerLook) {
        PublishNodes(context);
        if ((context.shared->stop != nullptr &&
             __atomic_load_n(reinterpret_cast<const bool*>(context.shared->stop),
                             __ATOMIC_RELAXED)) ||
            PastNodeLimit(context)) {
            context.stopped = true;
        }
    }
    return context.stopped;
}

inline void PublishRoot(Context& context, int examined, int value) {
    SearchProgress* progress = context.shared->progress;
    __atomic_store_n(reinterpret_cast<int*>(&progress->examined), examined, __ATOMIC_RELAXED);
    __atomic_store_n(reinterpret_cast<int*>(&progress->value), value, __ATOMIC_RELAXED);
}

}  // namespace
}  // namespace flipstone::strong::FLIPSTONE_KERNEL_NAMESPACE
