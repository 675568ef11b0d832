// The kernel-object semantics the link and the USB transports rely on.
// Written against platform.h alone, so that the same suite runs against the
// native objects on Windows. Waits are bounded generously; no test measures
// how long anything takes.
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <thread>

using namespace platform;

namespace {

constexpr uint32_t kLong = 10000;  // a bound that only a fault reaches

// A thread that waits for any of its objects and, if it took a mutex, gives
// it back. Its exit status is the wait result.
struct Probe {
  Handle objects[2] = {nullptr, nullptr};
  uint32_t count = 1;
  uint32_t timeoutMs = 0;
  bool release = true;
};

uint32_t RunProbe(void* argument) {
  auto* probe = static_cast<Probe*>(argument);
  uint32_t result = WaitForAnyObject(probe->count, probe->objects, probe->timeoutMs);
  if (probe->release && result != kWaitTimeout && result != kWaitFailed) {
    ReleaseMutexObject(probe->objects[result & 0x7F]);
  }
  return result;
}

// Waits for a thread to end, closes it and returns its exit status.
uint32_t Join(Handle thread) {
  EXPECT_EQ(WaitForObject(thread, kLong), kWaitSignaled);
  uint32_t status = 0xDEADBEEF;
  EXPECT_TRUE(GetThreadExitStatus(thread, &status));
  CloseObject(thread);
  return status;
}

// Waits on one object from another thread and returns the wait result.
uint32_t WaitElsewhere(Handle object, uint32_t timeoutMs) {
  Probe probe;
  probe.objects[0] = object;
  probe.timeoutMs = timeoutMs;
  return Join(StartThread(RunProbe, &probe));
}

// A thread that takes a mutex, tells the test, and ends still holding it
// (twice over) when told to go.
struct Holder {
  Handle mutex;
  Handle taken;
  Handle go;
};

uint32_t HoldAndEnd(void* argument) {
  auto* holder = static_cast<Holder*>(argument);
  WaitForObject(holder->mutex, kInfinite);
  WaitForObject(holder->mutex, kInfinite);
  SetEventObject(holder->taken);
  WaitForObject(holder->go, kInfinite);
  return 0;
}

}  // namespace

TEST(PlatformMutex, OwnerTakesItRecursivelyAndReleasesAsOften) {
  Handle mutex = CreateMutexObject();
  ASSERT_NE(mutex, nullptr);
  EXPECT_EQ(WaitForObject(mutex, 0), kWaitSignaled);
  EXPECT_EQ(WaitForObject(mutex, 0), kWaitSignaled);
  EXPECT_TRUE(ReleaseMutexObject(mutex));
  EXPECT_EQ(WaitElsewhere(mutex, 0), kWaitTimeout) << "one level still held";
  EXPECT_TRUE(ReleaseMutexObject(mutex));
  EXPECT_EQ(WaitElsewhere(mutex, 0), kWaitSignaled);
  EXPECT_TRUE(CloseObject(mutex));
}

uint32_t ReleaseAndReportError(void* mutex) {
  SetLastErrorCode(0);
  if (ReleaseMutexObject(mutex)) return 0;
  return GetLastErrorCode();
}

TEST(PlatformMutex, ReleaseByNonOwnerFailsAndChangesNothing) {
  Handle mutex = CreateMutexObject();
  SetLastErrorCode(0);
  EXPECT_FALSE(ReleaseMutexObject(mutex)) << "nobody owns it";
  EXPECT_EQ(GetLastErrorCode(), kErrorNotOwner);

  ASSERT_EQ(WaitForObject(mutex, 0), kWaitSignaled);
  EXPECT_EQ(Join(StartThread(ReleaseAndReportError, mutex)), kErrorNotOwner);
  EXPECT_EQ(WaitElsewhere(mutex, 0), kWaitTimeout) << "still owned here";
  EXPECT_TRUE(ReleaseMutexObject(mutex));
  EXPECT_FALSE(ReleaseMutexObject(mutex)) << "released once, taken once";
  CloseObject(mutex);
}

TEST(PlatformMutex, WaitForOwnedMutexTimesOut) {
  Handle mutex = CreateMutexObject();
  ASSERT_EQ(WaitForObject(mutex, 0), kWaitSignaled);
  EXPECT_EQ(WaitElsewhere(mutex, 0), kWaitTimeout);
  EXPECT_EQ(WaitElsewhere(mutex, 30), kWaitTimeout);
  ReleaseMutexObject(mutex);
  CloseObject(mutex);
}

TEST(PlatformMutex, OwnerEndingPassesItOnAsAbandoned) {
  Handle mutex = CreateMutexObject();
  Holder holder{mutex, CreateEventObject(false, false), CreateEventObject(false, false)};
  Handle thread = StartThread(HoldAndEnd, &holder);
  ASSERT_EQ(WaitForObject(holder.taken, kLong), kWaitSignaled);
  EXPECT_EQ(WaitForObject(mutex, 0), kWaitTimeout);
  SetEventObject(holder.go);
  // Waits while the owner ends, or after: abandoned either way, and ours.
  EXPECT_EQ(WaitForObject(mutex, kLong), kWaitAbandoned);
  EXPECT_EQ(Join(thread), 0u);
  EXPECT_EQ(WaitElsewhere(mutex, 0), kWaitTimeout) << "the waiter owns it now";
  EXPECT_TRUE(ReleaseMutexObject(mutex)) << "one level, whatever the old owner held";
  EXPECT_FALSE(ReleaseMutexObject(mutex));
  EXPECT_EQ(WaitForObject(mutex, 0), kWaitSignaled) << "abandonment is reported once";
  ReleaseMutexObject(mutex);

  // An owner that ended before anybody waited.
  thread = StartThread(HoldAndEnd, &holder);
  ASSERT_EQ(WaitForObject(holder.taken, kLong), kWaitSignaled);
  SetEventObject(holder.go);
  EXPECT_EQ(Join(thread), 0u);
  EXPECT_EQ(WaitElsewhere(mutex, 0), kWaitAbandoned);
  EXPECT_EQ(WaitForObject(mutex, 0), kWaitSignaled) << "the probe released it";
  ReleaseMutexObject(mutex);

  CloseObject(holder.taken);
  CloseObject(holder.go);
  CloseObject(mutex);
}

TEST(PlatformMutex, ThreadStartedElsewhereAbandonsWhatItHoldsWhenItEnds) {
  // As the host's own thread: one this layer did not start, whose first
  // contact with the layer is a wait.
  Handle mutex = CreateMutexObject();
  Handle taken = CreateEventObject(false, false);
  Handle go = CreateEventObject(false, false);
  Holder holder{mutex, taken, go};
  std::thread other([&holder] { HoldAndEnd(&holder); });
  ASSERT_EQ(WaitForObject(taken, kLong), kWaitSignaled);
  SetEventObject(go);
  const uint32_t whileEnding = WaitForObject(mutex, kLong);
  other.join();
  ASSERT_EQ(whileEnding, kWaitAbandoned) << "a mutex held by an ended thread stays held";
  EXPECT_TRUE(ReleaseMutexObject(mutex));

  // Ended before anybody waited: the record went with the thread.
  std::thread second([&holder] { HoldAndEnd(&holder); });
  const uint32_t took = WaitForObject(taken, kLong);
  SetEventObject(go);
  second.join();
  ASSERT_EQ(took, kWaitSignaled);
  EXPECT_EQ(WaitForObject(mutex, 0), kWaitAbandoned);
  ReleaseMutexObject(mutex);

  CloseObject(taken);
  CloseObject(go);
  CloseObject(mutex);
}

// The receive thread's pattern: it releases the mutex and at once waits for
// it again. A thread already waiting must get it.
struct Retaker {
  Handle mutex;
  Handle stop;
  Handle holding;
};

uint32_t ReleaseAndRetake(void* argument) {
  auto* r = static_cast<Retaker*>(argument);
  WaitForObject(r->mutex, kInfinite);
  SetEventObject(r->holding);
  while (WaitForObject(r->stop, 0) == kWaitTimeout) {
    ReleaseMutexObject(r->mutex);
    if (WaitForObject(r->mutex, kLong) != kWaitSignaled) return 1;
  }
  ReleaseMutexObject(r->mutex);
  return 0;
}

uint32_t TakeOnceThenStop(void* argument) {
  auto* r = static_cast<Retaker*>(argument);
  uint32_t result = WaitForObject(r->mutex, 1000);
  SetEventObject(r->stop);
  if (result == kWaitSignaled) ReleaseMutexObject(r->mutex);
  return result;
}

TEST(PlatformMutex, ReleasePassesOwnershipToWaiterBeforeReleaserCanRetake) {
  Retaker r{CreateMutexObject(), CreateEventObject(true, false), CreateEventObject(false, false)};
  Handle retaker = StartThread(ReleaseAndRetake, &r);
  ASSERT_EQ(WaitForObject(r.holding, kLong), kWaitSignaled);
  Handle waiter = StartThread(TakeOnceThenStop, &r);
  EXPECT_EQ(Join(waiter), kWaitSignaled);
  EXPECT_EQ(Join(retaker), 0u);
  CloseObject(r.mutex);
  CloseObject(r.stop);
  CloseObject(r.holding);
}

TEST(PlatformEvent, AutoResetSignalStaysUntilOneWaitConsumesIt) {
  Handle event = CreateEventObject(false, false);
  EXPECT_EQ(WaitForObject(event, 0), kWaitTimeout);
  EXPECT_EQ(WaitForObject(event, 20), kWaitTimeout);
  EXPECT_TRUE(SetEventObject(event));
  EXPECT_EQ(WaitElsewhere(event, kLong), kWaitSignaled);
  EXPECT_EQ(WaitForObject(event, 0), kWaitTimeout) << "consumed by the first wait";
  SetEventObject(event);
  SetEventObject(event);
  EXPECT_EQ(WaitForObject(event, 0), kWaitSignaled);
  EXPECT_EQ(WaitForObject(event, 0), kWaitTimeout) << "signals do not count up";
  SetEventObject(event);
  EXPECT_TRUE(ResetEventObject(event));
  EXPECT_EQ(WaitForObject(event, 0), kWaitTimeout);
  CloseObject(event);

  event = CreateEventObject(false, true);
  EXPECT_EQ(WaitForObject(event, 0), kWaitSignaled);
  EXPECT_EQ(WaitForObject(event, 0), kWaitTimeout);
  CloseObject(event);
}

TEST(PlatformEvent, AutoResetSignalEndsExactlyOneOfTwoWaits) {
  Handle event = CreateEventObject(false, false);
  Probe probe;
  probe.objects[0] = event;
  probe.timeoutMs = 500;
  Handle a = StartThread(RunProbe, &probe);
  Handle b = StartThread(RunProbe, &probe);
  SetEventObject(event);
  uint32_t resultA = Join(a);
  uint32_t resultB = Join(b);
  EXPECT_EQ((resultA == kWaitSignaled) + (resultB == kWaitSignaled), 1);
  EXPECT_EQ((resultA == kWaitTimeout) + (resultB == kWaitTimeout), 1);
  CloseObject(event);
}

TEST(PlatformEvent, ManualResetWakesEveryWaiterAndStaysSet) {
  Handle event = CreateEventObject(true, false);
  Probe probe;
  probe.objects[0] = event;
  probe.timeoutMs = kLong;
  Handle threads[3];
  for (Handle& t : threads) t = StartThread(RunProbe, &probe);
  SetEventObject(event);
  for (Handle t : threads) EXPECT_EQ(Join(t), kWaitSignaled);
  EXPECT_EQ(WaitForObject(event, 0), kWaitSignaled);
  EXPECT_EQ(WaitForObject(event, 0), kWaitSignaled);
  ResetEventObject(event);
  EXPECT_EQ(WaitForObject(event, 0), kWaitTimeout);
  CloseObject(event);
}

TEST(PlatformWaitAny, LowestSignalledIndexWinsAndOnlyItIsConsumed) {
  Handle events[2] = {CreateEventObject(false, true), CreateEventObject(false, true)};
  EXPECT_EQ(WaitForAnyObject(2, events, 0), kWaitSignaled + 0);
  EXPECT_EQ(WaitForObject(events[0], 0), kWaitTimeout) << "index 0 consumed";
  EXPECT_EQ(WaitForAnyObject(2, events, 0), kWaitSignaled + 1) << "index 1 left set";
  EXPECT_EQ(WaitForAnyObject(2, events, 20), kWaitTimeout);
  EXPECT_EQ(WaitForAnyObject(1, events, 0), kWaitTimeout);

  // Signalled while the wait is under way.
  Probe probe;
  probe.objects[0] = events[0];
  probe.objects[1] = events[1];
  probe.count = 2;
  probe.timeoutMs = kLong;
  Handle thread = StartThread(RunProbe, &probe);
  SetEventObject(events[1]);
  EXPECT_EQ(Join(thread), kWaitSignaled + 1);
  EXPECT_EQ(WaitForObject(events[1], 0), kWaitTimeout);
  CloseObject(events[0]);
  CloseObject(events[1]);
}

TEST(PlatformWaitAny, MutexBeforeEventTakesOnlyTheMutex) {
  Handle mutex = CreateMutexObject();
  Handle event = CreateEventObject(false, true);
  Handle objects[2] = {mutex, event};
  EXPECT_EQ(WaitForAnyObject(2, objects, 0), kWaitSignaled + 0);
  EXPECT_EQ(WaitElsewhere(mutex, 0), kWaitTimeout) << "the mutex was taken";
  EXPECT_EQ(WaitForObject(event, 0), kWaitSignaled) << "the event was left set";

  // With the mutex owned elsewhere, the event ends the wait and the mutex
  // stays with its owner.
  SetEventObject(event);
  Probe probe;
  probe.objects[0] = mutex;
  probe.objects[1] = event;
  probe.count = 2;
  probe.timeoutMs = kLong;
  EXPECT_EQ(Join(StartThread(RunProbe, &probe)), kWaitSignaled + 1);
  EXPECT_TRUE(ReleaseMutexObject(mutex));
  EXPECT_FALSE(ReleaseMutexObject(mutex));

  // An abandoned mutex at index 1.
  Holder holder{mutex, CreateEventObject(false, false), CreateEventObject(false, false)};
  Handle thread = StartThread(HoldAndEnd, &holder);
  ASSERT_EQ(WaitForObject(holder.taken, kLong), kWaitSignaled);
  SetEventObject(holder.go);
  Handle reversed[2] = {event, mutex};
  EXPECT_EQ(WaitForAnyObject(2, reversed, kLong), kWaitAbandoned + 1);
  EXPECT_TRUE(ReleaseMutexObject(mutex));
  Join(thread);

  CloseObject(holder.taken);
  CloseObject(holder.go);
  CloseObject(mutex);
  CloseObject(event);
}

uint32_t WaitThenReturn(void* go) {
  WaitForObject(go, kInfinite);
  return 1234;
}

TEST(PlatformThread, HandleIsSignalledWhenThreadEndsWithItsStatus) {
  Handle go = CreateEventObject(true, false);
  Handle thread = StartThread(WaitThenReturn, go);
  ASSERT_NE(thread, nullptr);
  uint32_t status = 0;
  EXPECT_FALSE(GetThreadExitStatus(thread, &status)) << "still running";
  EXPECT_EQ(WaitForObject(thread, 20), kWaitTimeout);
  SetEventObject(go);
  EXPECT_EQ(WaitForObject(thread, kLong), kWaitSignaled);
  EXPECT_EQ(WaitForObject(thread, 0), kWaitSignaled) << "stays signalled";
  EXPECT_TRUE(GetThreadExitStatus(thread, &status));
  EXPECT_EQ(status, 1234u);
  EXPECT_TRUE(CloseObject(thread));
  CloseObject(go);
}

uint32_t SwapLastError(void*) {
  uint32_t before = GetLastErrorCode();
  SetLastErrorCode(222);
  SleepMs(1);
  return GetLastErrorCode() == 222 ? before : 0xFFFF;
}

TEST(PlatformThread, LastErrorBelongsToEachThread) {
  SetLastErrorCode(111);
  EXPECT_EQ(Join(StartThread(SwapLastError, nullptr)), 0u) << "a new thread starts at 0";
  EXPECT_EQ(GetLastErrorCode(), 111u);
}

TEST(PlatformThread, NullHandlesFailWithInvalidHandle) {
  SetLastErrorCode(0);
  EXPECT_EQ(WaitForObject(nullptr, 0), kWaitFailed);
  EXPECT_EQ(GetLastErrorCode(), kErrorInvalidHandle);
  SetLastErrorCode(0);
  EXPECT_FALSE(SetEventObject(nullptr));
  EXPECT_EQ(GetLastErrorCode(), kErrorInvalidHandle);
}

namespace {

std::string Convert(std::u16string text, size_t unitCount, size_t outSize) {
  char out[64];
  std::memset(out, 'X', sizeof out);
  ConvertUtf16Text(reinterpret_cast<const uint16_t*>(text.data()), unitCount, out, outSize);
  const void* end = std::memchr(out, '\0', outSize);
  EXPECT_NE(end, nullptr) << "not terminated within outSize";
  return end != nullptr ? std::string(out) : std::string();
}

}  // namespace

TEST(PlatformText, AsciiStopsAtZeroUnitCountOrSpace) {
  EXPECT_EQ(Convert(u"Varnelo", 7, 64), "Varnelo");
  EXPECT_EQ(Convert(u"Varnelo", 3, 64), "Var") << "no terminator within unitCount";
  EXPECT_EQ(Convert(std::u16string(u"ab\0cd", 5), 5, 64), "ab");
  EXPECT_EQ(Convert(u"Varnelo", 7, 4), "Var");
  EXPECT_EQ(Convert(u"Varnelo", 7, 1), "");
}

#ifndef _WIN32
// Elsewhere than Windows the text is UTF-8 (Windows gives its ANSI code page).
TEST(PlatformText, Utf8KeepsWholeCharacters) {
  EXPECT_EQ(Convert(u"\u00e9\u20ac", 2, 64), "\xc3\xa9\xe2\x82\xac");
  EXPECT_EQ(Convert(u"\U0001F600!", 3, 64), "\xf0\x9f\x98\x80!");
  EXPECT_EQ(Convert(u"a\u00e9", 2, 3), "a") << "the two-byte character does not fit";
  EXPECT_EQ(Convert(u"a\u20ac", 2, 4), "a");
  EXPECT_EQ(Convert(u"a\U0001F600", 3, 5), "a");
  EXPECT_EQ(Convert(u"a\U0001F600", 3, 6), "a\xf0\x9f\x98\x80");
}

TEST(PlatformText, UnpairedSurrogatesBecomeReplacementCharacter) {
  const std::string replacement = "\xef\xbf\xbd";
  EXPECT_EQ(Convert(std::u16string{0xD83D, u'x'}, 2, 64), replacement + "x");
  EXPECT_EQ(Convert(std::u16string{u'x', 0xDE00}, 2, 64), "x" + replacement);
  EXPECT_EQ(Convert(u"\U0001F600", 1, 64), replacement) << "pair cut by unitCount";
}
#endif

// A recording's file: created only where nothing is, named in UTF-8 (here
// outside ASCII), written at offsets past 4 GB (sparse: nothing that large
// is written), its length set and its data made durable.
TEST(PlatformFile, NewFilesOnlyWithUtf8NamesAndOffsetsPastFourGigabytes) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path();
  const std::string name = "varnelo-file-\xCE\xA9\xC3\xA9-" + std::to_string(UtcNowNanoseconds());
  const std::filesystem::path path = dir / std::filesystem::u8path(name);
  const std::string utf8 = (dir / std::filesystem::u8path(name)).u8string();
  File file = nullptr;
  ASSERT_EQ(CreateNewFile(utf8.c_str(), &file), 0u);
  EXPECT_TRUE(std::filesystem::exists(path)) << "created under its UTF-8 name";
  File again = nullptr;
  const uint32_t exists = CreateNewFile(utf8.c_str(), &again);
  EXPECT_TRUE(IsFileExistsError(exists)) << exists << " " << FileErrorText(exists);
  EXPECT_EQ(again, nullptr);

  const uint64_t far = 5ull << 30;
  const char tail[] = "tail";
  EXPECT_EQ(SetFileLength(file, 512), 0u);
  EXPECT_EQ(WriteFileAt(file, far, tail, 4), 0u);
  EXPECT_EQ(SyncFile(file), 0u);
  EXPECT_EQ(CloseFile(file), 0u);
  EXPECT_EQ(std::filesystem::file_size(path), far + 4);
  RemoveFile(utf8.c_str());
  EXPECT_FALSE(std::filesystem::exists(path));
}
