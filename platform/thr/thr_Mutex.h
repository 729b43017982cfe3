#pragma once
// The platform's locks: a plain mutex, and the process-wide global lock under which
// singletons create their own mutexes and thread-local slots.
#include <mutex>

class thr_Mutex {
public:
    void Lock() { mutex_.lock(); }
    void Unlock() { mutex_.unlock(); }

private:
    std::mutex mutex_;
};

class thr_GlobalLock {
public:
    static thr_GlobalLock& Instance() {
        static thr_GlobalLock lock;
        return lock;
    }
    void Lock() { mutex_.lock(); }
    void Unlock() { mutex_.unlock(); }

private:
    thr_GlobalLock() = default;
    std::recursive_mutex mutex_;
};

// Scoped holder for either lock.
template <class Lockable>
class thr_Guard {
public:
    explicit thr_Guard(Lockable& lock) : lock_(lock) { lock_.Lock(); }
    ~thr_Guard() { lock_.Unlock(); }
    thr_Guard(thr_Guard const&) = delete;
    thr_Guard& operator=(thr_Guard const&) = delete;

private:
    Lockable& lock_;
};
