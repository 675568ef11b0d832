// Windows kernel-object semantics on top of the C++ runtime's threads.
//
// Every object has a lock of its own and a first-come-first-served queue of
// the threads that wait for it. A waiting thread parks on its own condition
// variable (a Waiter on its stack); whoever makes an object available (a
// mutex release, an event set, a thread end) hands it to the queued waiters
// directly, under the object's lock, so a wait is satisfied exactly once and
// a mutex passes to its longest waiter before the releaser can take it back.
//
// Lock order: object locks (several at once only in a wait, in address
// order), then a waiter's lock. No lock is held by a thread while it is
// parked except its own waiter lock inside the condition-variable wait.
#include "platform/platform.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>
#include <vector>

#include <time.h>

namespace platform {
namespace {

constexpr uint32_t kErrorNotEnoughMemory = 8;      // ERROR_NOT_ENOUGH_MEMORY
constexpr uint32_t kErrorInvalidParameter = 87;    // ERROR_INVALID_PARAMETER
constexpr uint32_t kMaximumWaitObjects = 64;       // MAXIMUM_WAIT_OBJECTS

thread_local uint32_t lastError = 0;

enum class Kind { Mutex, Event, Thread };

struct OwnedMutexes;

// One thread parked in WaitForObject / WaitForAnyObject.
struct Waiter {
  std::mutex lock;
  std::condition_variable wake;
  bool waiting = true;         // cleared once satisfied or given up
  uint32_t result = kWaitTimeout;
  OwnedMutexes* owner = nullptr;  // the waiting thread's mutex record
};

// Marks a waiter satisfied with result unless it has been satisfied by
// another object or has given up. The caller holds the object's lock.
bool ClaimWaiter(Waiter* waiter, uint32_t result) {
  std::lock_guard<std::mutex> guard(waiter->lock);
  if (!waiter->waiting) return false;
  waiter->waiting = false;
  waiter->result = result;
  waiter->wake.notify_one();
  return true;
}

struct Object;
void ReleaseReference(Object* object);

struct Object {
  explicit Object(Kind k) : kind(k) {}
  virtual ~Object() = default;
  const Kind kind;
  // The handle holds one reference; a mutex's owner and a running thread
  // hold one each, so an object outlives a close that comes too early.
  std::atomic<int> references{1};
  std::mutex lock;
  struct Entry {
    Waiter* waiter;
    uint32_t index;  // the object's index in that waiter's list
  };
  std::deque<Entry> waiters;  // FIFO; entries of finished waiters are skipped
};

struct MutexObject : Object {
  MutexObject() : Object(Kind::Mutex) {}
  OwnedMutexes* owner = nullptr;
  uint32_t recursion = 0;
  bool abandoned = false;  // the last owner ended holding it; the next taker learns so
};

struct EventObject : Object {
  EventObject(bool manual, bool initial) : Object(Kind::Event), manualReset(manual), signalled(initial) {}
  const bool manualReset;
  bool signalled;
};

struct ThreadObject : Object {
  ThreadObject() : Object(Kind::Thread) {}
  bool ended = false;
  uint32_t exitStatus = 0;
  std::thread thread;  // touched only by StartThread and CloseObject
};

void ReleaseReference(Object* object) {
  if (object->references.fetch_sub(1, std::memory_order_acq_rel) == 1) delete object;
}

// Removes a finished waiter from an object's queue.
void Unqueue(Object* object, Waiter* waiter) {
  std::lock_guard<std::mutex> guard(object->lock);
  auto& q = object->waiters;
  q.erase(std::remove_if(q.begin(), q.end(), [waiter](const Object::Entry& e) { return e.waiter == waiter; }),
          q.end());
}

// The mutexes that the calling thread owns. Its destructor runs when the
// thread ends, whoever started it, and abandons what is still held.
struct OwnedMutexes {
  std::vector<MutexObject*> held;  // one entry per mutex, whatever the recursion
  ~OwnedMutexes() { AbandonAll(); }
  void AbandonAll();
};

OwnedMutexes& CurrentOwner() {
  thread_local OwnedMutexes owned;
  return owned;
}

// Gives a free mutex to the longest waiter, if any; the caller holds its lock.
// The new owner's record is updated by that thread when it wakes.
void HandOffMutex(MutexObject* mutex) {
  while (!mutex->waiters.empty()) {
    Object::Entry entry = mutex->waiters.front();
    mutex->waiters.pop_front();
    uint32_t base = mutex->abandoned ? kWaitAbandoned : kWaitSignaled;
    OwnedMutexes* next = entry.waiter->owner;
    if (ClaimWaiter(entry.waiter, base + entry.index)) {
      mutex->owner = next;
      mutex->recursion = 1;
      mutex->abandoned = false;
      mutex->references.fetch_add(1, std::memory_order_relaxed);  // the new owner's
      return;
    }
  }
}

void OwnedMutexes::AbandonAll() {
  std::vector<MutexObject*> list;
  list.swap(held);
  for (MutexObject* mutex : list) {
    {
      std::lock_guard<std::mutex> guard(mutex->lock);
      if (mutex->owner == this) {
        mutex->owner = nullptr;
        mutex->recursion = 0;
        mutex->abandoned = true;
        HandOffMutex(mutex);
      }
    }
    ReleaseReference(mutex);
  }
}

// Takes the object for the calling thread if it is available now; the caller
// holds the object's lock. Returns the wait result, or kWaitTimeout.
uint32_t TryAcquire(Object* object, uint32_t index, OwnedMutexes* self, bool* tookNewMutex) {
  switch (object->kind) {
    case Kind::Mutex: {
      auto* mutex = static_cast<MutexObject*>(object);
      if (mutex->owner == self) {
        ++mutex->recursion;
        return kWaitSignaled + index;
      }
      // A free mutex with queued waiters cannot exist: a release hands it on.
      if (mutex->owner != nullptr) return kWaitTimeout;
      uint32_t result = (mutex->abandoned ? kWaitAbandoned : kWaitSignaled) + index;
      mutex->owner = self;
      mutex->recursion = 1;
      mutex->abandoned = false;
      mutex->references.fetch_add(1, std::memory_order_relaxed);
      *tookNewMutex = true;
      return result;
    }
    case Kind::Event: {
      auto* event = static_cast<EventObject*>(object);
      if (!event->signalled) return kWaitTimeout;
      if (!event->manualReset) event->signalled = false;
      return kWaitSignaled + index;
    }
    case Kind::Thread:
      return static_cast<ThreadObject*>(object)->ended ? kWaitSignaled + index : kWaitTimeout;
  }
  return kWaitTimeout;
}

// Records a mutex that a wait has just given the calling thread.
void NoteAcquired(Object* object, OwnedMutexes* self) {
  if (object->kind == Kind::Mutex) self->held.push_back(static_cast<MutexObject*>(object));
}

uint32_t WaitForObjects(uint32_t count, const Handle* handles, uint32_t timeoutMs) {
  if (handles == nullptr || count == 0 || count > kMaximumWaitObjects) {
    lastError = kErrorInvalidParameter;
    return kWaitFailed;
  }
  Object* objects[kMaximumWaitObjects];
  Object* ordered[kMaximumWaitObjects];
  for (uint32_t i = 0; i < count; ++i) {
    if (handles[i] == nullptr) {
      lastError = kErrorInvalidHandle;
      return kWaitFailed;
    }
    objects[i] = ordered[i] = static_cast<Object*>(handles[i]);
  }
  std::sort(ordered, ordered + count);
  if (std::adjacent_find(ordered, ordered + count) != ordered + count) {
    lastError = kErrorInvalidParameter;  // the same object twice
    return kWaitFailed;
  }

  OwnedMutexes* self = &CurrentOwner();
  Waiter waiter;
  waiter.owner = self;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);

  // Look at every object at once, lowest index first; queue up if none is
  // available, before any of them can change.
  {
    std::unique_lock<std::mutex> locks[kMaximumWaitObjects];
    for (uint32_t i = 0; i < count; ++i) locks[i] = std::unique_lock<std::mutex>(ordered[i]->lock);
    for (uint32_t i = 0; i < count; ++i) {
      bool tookNewMutex = false;
      uint32_t result = TryAcquire(objects[i], i, self, &tookNewMutex);
      if (result != kWaitTimeout) {
        if (tookNewMutex) NoteAcquired(objects[i], self);
        return result;
      }
    }
    if (timeoutMs == 0) return kWaitTimeout;
    for (uint32_t i = 0; i < count; ++i) objects[i]->waiters.push_back({&waiter, i});
  }

  uint32_t result;
  {
    std::unique_lock<std::mutex> guard(waiter.lock);
    if (timeoutMs == kInfinite) {
      waiter.wake.wait(guard, [&] { return !waiter.waiting; });
    } else {
      waiter.wake.wait_until(guard, deadline, [&] { return !waiter.waiting; });
    }
    waiter.waiting = false;  // from now on no object may claim this waiter
    result = waiter.result;
  }
  for (uint32_t i = 0; i < count; ++i) Unqueue(objects[i], &waiter);
  if (result != kWaitTimeout) {
    uint32_t index = result >= kWaitAbandoned ? result - kWaitAbandoned : result - kWaitSignaled;
    NoteAcquired(objects[index], self);
  }
  return result;
}

void RunThread(ThreadObject* thread, ThreadProc proc, void* argument) {
  uint32_t status = proc(argument);
  // Mutexes are abandoned before the thread counts as ended, as on Windows,
  // so a thread that waited for this one finds them abandoned.
  CurrentOwner().AbandonAll();
  {
    std::lock_guard<std::mutex> guard(thread->lock);
    thread->ended = true;
    thread->exitStatus = status;
    for (const Object::Entry& entry : thread->waiters) ClaimWaiter(entry.waiter, kWaitSignaled + entry.index);
    thread->waiters.clear();
  }
  ReleaseReference(thread);
}

}  // namespace

Handle CreateMutexObject() {
  auto* mutex = new (std::nothrow) MutexObject();
  if (mutex == nullptr) lastError = kErrorNotEnoughMemory;
  return mutex;
}

bool ReleaseMutexObject(Handle handle) {
  auto* object = static_cast<Object*>(handle);
  if (object == nullptr || object->kind != Kind::Mutex) {
    lastError = kErrorInvalidHandle;
    return false;
  }
  auto* mutex = static_cast<MutexObject*>(object);
  OwnedMutexes* self = &CurrentOwner();
  {
    std::lock_guard<std::mutex> guard(mutex->lock);
    if (mutex->owner != self) {
      lastError = kErrorNotOwner;
      return false;
    }
    if (--mutex->recursion > 0) return true;
    mutex->owner = nullptr;
    HandOffMutex(mutex);
  }
  auto& held = self->held;
  auto entry = std::find(held.begin(), held.end(), mutex);
  if (entry != held.end()) {
    held.erase(entry);
    ReleaseReference(mutex);
  }
  return true;
}

Handle CreateEventObject(bool manualReset, bool initiallySignalled) {
  auto* event = new (std::nothrow) EventObject(manualReset, initiallySignalled);
  if (event == nullptr) lastError = kErrorNotEnoughMemory;
  return event;
}

bool SetEventObject(Handle handle) {
  auto* object = static_cast<Object*>(handle);
  if (object == nullptr || object->kind != Kind::Event) {
    lastError = kErrorInvalidHandle;
    return false;
  }
  auto* event = static_cast<EventObject*>(object);
  std::lock_guard<std::mutex> guard(event->lock);
  if (event->manualReset) {
    event->signalled = true;
    for (const Object::Entry& entry : event->waiters) ClaimWaiter(entry.waiter, kWaitSignaled + entry.index);
    event->waiters.clear();
    return true;
  }
  // Auto-reset: the first waiter still waiting consumes the signal.
  while (!event->waiters.empty()) {
    Object::Entry entry = event->waiters.front();
    event->waiters.pop_front();
    if (ClaimWaiter(entry.waiter, kWaitSignaled + entry.index)) return true;
  }
  event->signalled = true;
  return true;
}

bool ResetEventObject(Handle handle) {
  auto* object = static_cast<Object*>(handle);
  if (object == nullptr || object->kind != Kind::Event) {
    lastError = kErrorInvalidHandle;
    return false;
  }
  std::lock_guard<std::mutex> guard(object->lock);
  static_cast<EventObject*>(object)->signalled = false;
  return true;
}

uint32_t WaitForObject(Handle object, uint32_t timeoutMs) {
  return WaitForObjects(1, &object, timeoutMs);
}

uint32_t WaitForAnyObject(uint32_t count, const Handle* objects, uint32_t timeoutMs) {
  return WaitForObjects(count, objects, timeoutMs);
}

Handle StartThread(ThreadProc proc, void* argument) {
  if (proc == nullptr) {
    lastError = kErrorInvalidParameter;
    return nullptr;
  }
  auto* thread = new (std::nothrow) ThreadObject();
  if (thread == nullptr) {
    lastError = kErrorNotEnoughMemory;
    return nullptr;
  }
  thread->references.store(2);  // the handle's and the running thread's
  try {
    thread->thread = std::thread(RunThread, thread, proc, argument);
  } catch (const std::system_error&) {
    lastError = kErrorNotEnoughMemory;
    delete thread;
    return nullptr;
  }
  return thread;
}

bool GetThreadExitStatus(Handle handle, uint32_t* status) {
  auto* object = static_cast<Object*>(handle);
  if (object == nullptr || object->kind != Kind::Thread) {
    lastError = kErrorInvalidHandle;
    return false;
  }
  if (status == nullptr) {
    lastError = kErrorInvalidParameter;
    return false;
  }
  auto* thread = static_cast<ThreadObject*>(object);
  std::lock_guard<std::mutex> guard(thread->lock);
  if (!thread->ended) return false;
  *status = thread->exitStatus;
  return true;
}

bool CloseObject(Handle handle) {
  auto* object = static_cast<Object*>(handle);
  if (object == nullptr) {
    lastError = kErrorInvalidHandle;
    return false;
  }
  if (object->kind == Kind::Thread) {
    // Never leave a std::thread joinable: join one that has ended (it is only
    // finishing its thread-local cleanup), detach one that still runs or that
    // closes its own handle. The thread's own reference keeps the object.
    auto* thread = static_cast<ThreadObject*>(object);
    bool ended;
    {
      std::lock_guard<std::mutex> guard(thread->lock);
      ended = thread->ended;
    }
    if (thread->thread.joinable()) {
      if (ended && thread->thread.get_id() != std::this_thread::get_id()) {
        thread->thread.join();
      } else {
        thread->thread.detach();
      }
    }
  }
  ReleaseReference(object);
  return true;
}

void SleepMs(uint32_t ms) {
  if (ms == kInfinite) {
    for (;;) std::this_thread::sleep_for(std::chrono::hours(24));
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

int64_t UtcNowNanoseconds() {
  struct timespec now;
  clock_gettime(CLOCK_REALTIME, &now);
  return static_cast<int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

uint32_t GetLastErrorCode() { return lastError; }

void SetLastErrorCode(uint32_t code) { lastError = code; }

void ConvertUtf16Text(const uint16_t* units, size_t unitCount, char* out, size_t outSize) {
  if (out == nullptr || outSize == 0) return;
  size_t used = 0;
  size_t i = 0;
  while (units != nullptr && i < unitCount && units[i] != 0) {
    uint32_t code = units[i++];
    if (code >= 0xD800 && code <= 0xDBFF) {
      if (i < unitCount && units[i] >= 0xDC00 && units[i] <= 0xDFFF) {
        code = 0x10000 + ((code - 0xD800) << 10) + (units[i++] - 0xDC00);
      } else {
        code = 0xFFFD;
      }
    } else if (code >= 0xDC00 && code <= 0xDFFF) {
      code = 0xFFFD;
    }
    char bytes[4];
    size_t length;
    if (code < 0x80) {
      bytes[0] = static_cast<char>(code);
      length = 1;
    } else if (code < 0x800) {
      bytes[0] = static_cast<char>(0xC0 | (code >> 6));
      bytes[1] = static_cast<char>(0x80 | (code & 0x3F));
      length = 2;
    } else if (code < 0x10000) {
      bytes[0] = static_cast<char>(0xE0 | (code >> 12));
      bytes[1] = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      bytes[2] = static_cast<char>(0x80 | (code & 0x3F));
      length = 3;
    } else {
      bytes[0] = static_cast<char>(0xF0 | (code >> 18));
      bytes[1] = static_cast<char>(0x80 | ((code >> 12) & 0x3F));
      bytes[2] = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      bytes[3] = static_cast<char>(0x80 | (code & 0x3F));
      length = 4;
    }
    if (used + length > outSize - 1) break;  // keep whole characters and the terminator
    for (size_t b = 0; b < length; ++b) out[used++] = bytes[b];
  }
  out[used] = '\0';
}

void BeginPreciseTiming() {}
void EndPreciseTiming() {}

}  // namespace platform
