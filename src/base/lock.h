// A process-wide lock: a critical section on Windows, a mutex natively.
#pragma once

class Lock {
public:
    Lock();
    ~Lock();
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

    void Acquire();
    void Release();

private:
    alignas(void*) unsigned char m_storage[64];
};

class LockGuard {
public:
    explicit LockGuard(Lock& lock) : m_lock(lock) { m_lock.Acquire(); }
    ~LockGuard() { m_lock.Release(); }
    LockGuard(const LockGuard&) = delete;
    LockGuard& operator=(const LockGuard&) = delete;

private:
    Lock& m_lock;
};
