#include "data/data_test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <functional>

#include "link/link.h"
#include "link/protocol.h"
#include "platform/platform.h"
#include "sim/sim_bus.h"

namespace datatest {

std::vector<uint8_t> Bytes(std::initializer_list<int> values) {
    std::vector<uint8_t> bytes;
    for (int v : values) bytes.push_back(static_cast<uint8_t>(v));
    return bytes;
}

DataLine MakeLine(uint32_t cycle) {
    DataLine line;
    for (uint32_t i = 0; i < DATA_LINE_SIZE; ++i) line.bytes[i] = static_cast<uint8_t>(cycle * 31 + i);
    WriteU16(line.bytes, SYNC_WORD);
    WriteU16(line.bytes + 2, FRAME_DATA_LINE);
    WriteU32(line.bytes + LINE_CYCLE_COUNT, cycle);
    return line;
}

void StoreMeasuredLines(ControlData* connection, const std::vector<DataLine>& lines) {
    connection->mode.store(MODE_MEASURING);
    for (const DataLine& line : lines) StoreLine(connection, line.bytes);
}

namespace {

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        platform::SleepMs(1);
    }
    return true;
}

}  // namespace

EmptyHandOff::EmptyHandOff(ControlData* connection, int writes) : connection_(connection) {
    sim::SimUnplug(sim::SimBusOpenedInstrument(connection->deviceIndex));
    uint32_t status = 0;
    const bool ended = WaitUntil(
        [&] { return platform::GetThreadExitStatus(connection->rxThread, &status); },
        std::chrono::seconds(5));
    EXPECT_TRUE(ended) << "the receive thread did not end after the unplug";
    standalone::TakePrinted();

    platform::Handle owned = platform::CreateEventObject(true, false);
    thread_ = std::thread([this, owned, writes] {
        if (platform::WaitForObject(connection_->replyMutex, 2000) > platform::kWaitAbandoned) {
            platform::SetEventObject(owned);
            return;
        }
        platform::SetEventObject(owned);
        std::string printed;
        const bool written = WaitUntil(
            [&] {
                printed += standalone::TakePrinted();
                int seen = 0;
                for (size_t at = printed.find("USB Write Error"); at != std::string::npos;
                     at = printed.find("USB Write Error", at + 1)) {
                    ++seen;
                }
                return seen >= writes;
            },
            std::chrono::seconds(5));
        if (written) {
            connection_->replyData.store(nullptr);
            HandOffReply(connection_);
            handedOff_ = true;
        }
        platform::ReleaseMutexObject(connection_->replyMutex);
    });
    platform::WaitForObject(owned, platform::kInfinite);
    platform::CloseObject(owned);
}

EmptyHandOff::~EmptyHandOff() {
    if (thread_.joinable()) thread_.join();
}

bool EmptyHandOff::HandedOff() {
    if (thread_.joinable()) thread_.join();
    return handedOff_;
}

StuckReceiver::StuckReceiver(ControlData* connection) {
    release_ = platform::CreateEventObject(true, false);
    platform::Handle owned = platform::CreateEventObject(true, false);
    platform::Handle release = release_;
    thread_ = std::thread([connection, owned, release] {
        // Cancel the pending read and take rxMutex as the thread lets go of
        // it. The thread may take it back for its next read before this wait
        // begins, so cancel again in short steps until the mutex is had.
        uint32_t result = platform::kWaitTimeout;
        for (int attempt = 0; attempt < 300 && result == platform::kWaitTimeout; ++attempt) {
            platform::SetEventObject(connection->breakCurrentBulkRead);
            result = platform::WaitForObject(connection->rxMutex, 10);
        }
        platform::SetEventObject(owned);
        if (result > platform::kWaitAbandoned) return;
        platform::WaitForObject(release, platform::kInfinite);
        platform::ReleaseMutexObject(connection->rxMutex);
    });
    platform::WaitForObject(owned, platform::kInfinite);
    platform::CloseObject(owned);
}

StuckReceiver::~StuckReceiver() {
    platform::SetEventObject(release_);
    thread_.join();
    platform::CloseObject(release_);
}

}  // namespace datatest
