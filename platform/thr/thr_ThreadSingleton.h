#pragma once
// A per-thread, lazily created singleton. Each thread's instance is registered with
// that thread's thr_ThrSingletonRegistry, which releases it when the thread ends (or
// when ReleaseAll is called); Release() drops the calling thread's instance at once.
// A count of live instances is kept under the global lock.
#include <functional>
#include <vector>

#include "platform/thr/thr_Mutex.h"

class thr_ThrSingletonRegistry {
public:
    static thr_ThrSingletonRegistry& ThreadInstance() {
        thread_local thr_ThrSingletonRegistry registry;
        return registry;
    }
    void Register(void const* key, std::function<void()> release) { entries_.push_back({key, std::move(release)}); }
    void Unregister(void const* key) { std::erase_if(entries_, [key](auto const& e) { return e.key == key; }); }
    // Releases every singleton of the calling thread, the most recent first.
    void ReleaseAll() {
        while (!entries_.empty()) {
            auto release = std::move(entries_.back().release);
            entries_.pop_back();
            release();
        }
    }
    ~thr_ThrSingletonRegistry() { ReleaseAll(); }

private:
    struct Entry {
        void const* key;
        std::function<void()> release;
    };
    std::vector<Entry> entries_;
};

template <class T>
class thr_ThreadSingleton {
public:
    static T& Instance() {
        T*& slot = Slot();
        if (!slot) {
            slot = new T();
            {
                thr_Guard global(thr_GlobalLock::Instance());
                ++users_;
            }
            thr_ThrSingletonRegistry::ThreadInstance().Register(&slot, [] { Drop(); });
        }
        return *slot;
    }

    static bool Exists() { return Slot() != nullptr; }

    // Releases the calling thread's instance, if it has one.
    static void Release() {
        if (!Slot()) return;
        thr_ThrSingletonRegistry::ThreadInstance().Unregister(&Slot());
        Drop();
    }

    // Number of threads that currently hold an instance.
    static int Users() {
        thr_Guard global(thr_GlobalLock::Instance());
        return users_;
    }

private:
    // A plain pointer: it stays readable while the registry releases it at thread exit.
    static T*& Slot() {
        thread_local T* slot = nullptr;
        return slot;
    }
    static void Drop() {
        delete Slot();
        Slot() = nullptr;
        thr_Guard global(thr_GlobalLock::Instance());
        --users_;
    }

    static inline int users_ = 0;
};
