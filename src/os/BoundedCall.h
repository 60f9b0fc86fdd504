#pragma once
// Runs a call that may block for a long time (statvfs on a hung network file system,
// probing a dying device) with a time bound.
//
// The call runs in a detached worker thread. The caller waits at most `bound`; on
// timeout it goes on with nothing, and the worker finishes (or stays blocked) on its own,
// holding only the shared result slot it was given. A detached thread never holds up the
// program's exit: returning from main ends the process and every thread with it, and the
// kernel's network and FUSE waits are killable. (A forked child would isolate the call
// too, but costs a process per query and forking a process that runs X11 threads is
// fragile.)

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

namespace os {

template <class T>
std::optional<T> RunBounded(std::chrono::milliseconds bound, std::function<T()> work) {
    struct Slot {
        std::mutex mutex;
        std::condition_variable done;
        std::optional<T> result;
        bool finished = false;
    };
    auto slot = std::make_shared<Slot>();
    try {
        std::thread([slot, work = std::move(work)]() {
            std::optional<T> result;
            try {
                result = work();
            } catch (...) {
                // A failed call answers like a timed-out one.
            }
            std::lock_guard lock(slot->mutex);
            slot->result = std::move(result);
            slot->finished = true;
            slot->done.notify_all();
        }).detach();
    } catch (const std::system_error&) {
        return std::nullopt;  // no thread could be started: count as a failed query
    }
    std::unique_lock lock(slot->mutex);
    if (!slot->done.wait_for(lock, bound, [&] { return slot->finished; })) return std::nullopt;
    return std::move(slot->result);
}

}  // namespace os
