#include "base/lock.h"
Lock::Lock() {}
Lock::~Lock() {}
void Lock::Acquire() { }
void Lock::Release() { }
