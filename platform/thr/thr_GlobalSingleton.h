#pragma once
// A process-wide, lazily created singleton. Creation: check for the instance; create
// the singleton's own mutex under the global lock if there is none yet; take that
// mutex, check again, create, release. Destroy() takes the mutex, deletes the
// instance, then deletes the mutex under the global lock.
#include <atomic>

#include "platform/thr/thr_Mutex.h"

template <class T>
class thr_GlobalSingleton {
public:
    static T& Instance() {
        if (T* existing = instance_.load(std::memory_order_acquire)) return *existing;
        thr_Mutex& mutex = Mutex();
        thr_Guard guard(mutex);
        T* current = instance_.load(std::memory_order_acquire);
        if (!current) {
            current = new T();
            instance_.store(current, std::memory_order_release);
        }
        return *current;
    }

    static bool Exists() { return instance_.load(std::memory_order_acquire) != nullptr; }

    static void Destroy() {
        thr_Mutex* mutex = mutex_.load(std::memory_order_acquire);
        if (!mutex) return;
        {
            thr_Guard guard(*mutex);
            delete instance_.exchange(nullptr, std::memory_order_acq_rel);
        }
        thr_Guard global(thr_GlobalLock::Instance());
        delete mutex_.exchange(nullptr, std::memory_order_acq_rel);
    }

private:
    static thr_Mutex& Mutex() {
        if (thr_Mutex* existing = mutex_.load(std::memory_order_acquire)) return *existing;
        thr_Guard global(thr_GlobalLock::Instance());
        thr_Mutex* current = mutex_.load(std::memory_order_acquire);
        if (!current) {
            current = new thr_Mutex();
            mutex_.store(current, std::memory_order_release);
        }
        return *current;
    }

    static inline std::atomic<T*> instance_{nullptr};
    static inline std::atomic<thr_Mutex*> mutex_{nullptr};
};
