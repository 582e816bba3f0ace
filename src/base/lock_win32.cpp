#include "base/lock.h"

#include <windows.h>

#include <new>

static_assert(sizeof(CRITICAL_SECTION) <= 64, "Lock storage holds a critical section");

Lock::Lock() { InitializeCriticalSection(new (m_storage) CRITICAL_SECTION); }
Lock::~Lock() { DeleteCriticalSection(reinterpret_cast<CRITICAL_SECTION*>(m_storage)); }
void Lock::Acquire() { EnterCriticalSection(reinterpret_cast<CRITICAL_SECTION*>(m_storage)); }
void Lock::Release() { LeaveCriticalSection(reinterpret_cast<CRITICAL_SECTION*>(m_storage)); }
