#include "base/lock.h"

#include <pthread.h>

#include <new>

static_assert(sizeof(pthread_mutex_t) <= 64, "Lock storage holds a mutex");

Lock::Lock() { pthread_mutex_init(new (m_storage) pthread_mutex_t, nullptr); }
Lock::~Lock() { pthread_mutex_destroy(reinterpret_cast<pthread_mutex_t*>(m_storage)); }
void Lock::Acquire() { pthread_mutex_lock(reinterpret_cast<pthread_mutex_t*>(m_storage)); }
void Lock::Release() { pthread_mutex_unlock(reinterpret_cast<pthread_mutex_t*>(m_storage)); }
