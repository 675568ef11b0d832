// The feed: the one place where the receive path hands on what it produces.
//
// The receive thread hands every data line it stores, with its receive time,
// to HandOnLine; the commands, and the recovery of a lost instrument, hand
// every event (a command that changed the instrument, a marker, the
// instrument lost or back) to HandOnEvent. Neither names a consumer: the
// recording and the stream each attach themselves with AttachConsumer, and a
// consumer added later is one more attachment, with no change here or in
// the receive path.
//
// A consumer never makes the receive thread wait. Its two functions copy what
// they are given into a buffer of the consumer's own under a short lock and
// return; the consumer's own thread does the slow work (the disk, the
// network). Lines and events reach every consumer in the same order.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>

// What a consumer did with an event.
enum class FeedResult {
    kTaken,      // kept
    kNoRoom,     // it takes events but had no room for this one
    kNotTaking,  // it takes no events now (a recording that has ended)
};

struct FeedEvent {
    const char* name;         // a command word, or one of the module's event names
    const std::string* text;  // UTF-8: the command's arguments, the marker, ...
    int64_t time;             // host time, ns since 1970-01-01 UTC
};

struct FeedConsumer {
    void* context;  // the consumer's own record; identifies it for DetachConsumer
    // A data line as the instrument sent it (192 bytes), with the receive
    // time of the read that brought it. Called on the receive thread.
    void (*takeLine)(void* context, const uint8_t* line, int64_t receivedAt);
    // An event; called on the thread that makes it.
    FeedResult (*takeEvent)(void* context, const FeedEvent& event);
    // A measurement begins (Start, or the external trigger turned on): its
    // lines follow. nominalRate is in lines per second, 0 when the lines
    // come irregularly. May be null.
    void (*takeMeasurementStart)(void* context, double nominalRate);
};

constexpr uint32_t FEED_MAX_CONSUMERS = 4;

struct Feed {
    std::mutex lock;  // guards the list, and orders lines and events alike for every consumer
    FeedConsumer consumers[FEED_MAX_CONSUMERS];
    uint32_t count;
};

// Adds a consumer; from now on it gets every line and event. False when the
// list is full.
bool AttachConsumer(Feed* feed, const FeedConsumer& consumer);

// Removes the consumer whose context this is. Once it returns, no thread is
// inside the consumer's functions, so the caller may free the context.
void DetachConsumer(Feed* feed, void* context);

void HandOnLine(Feed* feed, const uint8_t* line, int64_t receivedAt);

// Tells every consumer that a measurement begins, before its first line.
void HandOnMeasurementStart(Feed* feed, double nominalRate);

// What the consumers together did with one event.
struct FeedOutcome {
    uint32_t taken;  // consumers that kept it
    bool noRoom;     // some consumer had no room for it
};
FeedOutcome HandOnEvent(Feed* feed, const char* name, const std::string& text, int64_t time);
