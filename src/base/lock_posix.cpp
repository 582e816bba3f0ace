#include "base/lock.h"

#include <sched.h>

#include <atomic>
#include <new>

// Only the hook thread takes the lock, so it is all but never contended: a
// flag costs one atomic exchange where a mutex costs two and a library call.
// A waiter yields rather than burning its time slice.
using Flag = std::atomic<bool>;

static_assert(sizeof(Flag) <= 64, "Lock storage holds a flag");
static_assert(Flag::is_always_lock_free, "the flag never hides a mutex");

namespace {

Flag& FlagOf(unsigned char* storage)
{
    return *std::launder(reinterpret_cast<Flag*>(storage));
}

}  // namespace

Lock::Lock() { new (m_storage) Flag(false); }
Lock::~Lock() { FlagOf(m_storage).~Flag(); }

void Lock::Acquire()
{
    Flag& flag = FlagOf(m_storage);
    while (flag.exchange(true, std::memory_order_acquire)) {
        while (flag.load(std::memory_order_relaxed)) sched_yield();
    }
}

void Lock::Release() { FlagOf(m_storage).store(false, std::memory_order_release); }
