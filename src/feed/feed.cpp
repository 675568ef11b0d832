#include "feed/feed.h"

bool AttachConsumer(Feed* feed, const FeedConsumer& consumer) {
    std::lock_guard<std::mutex> guard(feed->lock);
    if (feed->count == FEED_MAX_CONSUMERS) return false;
    feed->consumers[feed->count++] = consumer;
    return true;
}

void DetachConsumer(Feed* feed, void* context) {
    std::lock_guard<std::mutex> guard(feed->lock);
    for (uint32_t i = 0; i < feed->count; ++i) {
        if (feed->consumers[i].context != context) continue;
        // Later consumers move up one place: the order of attachment stays.
        for (uint32_t j = i + 1; j < feed->count; ++j) feed->consumers[j - 1] = feed->consumers[j];
        --feed->count;
        return;
    }
}

void HandOnLine(Feed* feed, const uint8_t* line, int64_t receivedAt) {
    std::lock_guard<std::mutex> guard(feed->lock);
    for (uint32_t i = 0; i < feed->count; ++i) {
        const FeedConsumer& c = feed->consumers[i];
        c.takeLine(c.context, line, receivedAt);
    }
}

FeedOutcome HandOnEvent(Feed* feed, const char* name, const std::string& text, int64_t time) {
    FeedOutcome outcome{0, false};
    const FeedEvent event{name, &text, time};
    std::lock_guard<std::mutex> guard(feed->lock);
    for (uint32_t i = 0; i < feed->count; ++i) {
        const FeedConsumer& c = feed->consumers[i];
        switch (c.takeEvent(c.context, event)) {
            case FeedResult::kTaken: ++outcome.taken; break;
            case FeedResult::kNoRoom: outcome.noRoom = true; break;
            case FeedResult::kNotTaking: break;
        }
    }
    return outcome;
}

void HandOnMeasurementStart(Feed* feed, double nominalRate) {
    std::lock_guard<std::mutex> guard(feed->lock);
    for (uint32_t i = 0; i < feed->count; ++i) {
        const FeedConsumer& c = feed->consumers[i];
        if (c.takeMeasurementStart) c.takeMeasurementStart(c.context, nominalRate);
    }
}
