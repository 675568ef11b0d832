// Helpers shared by the tests of the setting, data and calibration commands.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <thread>
#include <vector>

#include "connection/control_data.h"
#include "host/standalone/standalone_host.h"

namespace datatest {

std::vector<uint8_t> Bytes(std::initializer_list<int> values);

// A 192-byte data line: sync word, kind, the cycle count, and every other
// field derived from it.
DataLine MakeLine(uint32_t cycle);

// Stores lines in the ring as the receive thread would, and puts the record
// in measuring mode without the instrument streaming, so that the ring holds
// exactly these lines.
void StoreMeasuredLines(ControlData* connection, const std::vector<DataLine>& lines);

// The real receive thread ended (its instrument unplugged), and a thread of
// the test holding replyMutex in its place. Once the command under test has
// tried to write its request (the unplugged instrument refuses every frame,
// which the command prints), the stand-in makes one hand-off with replyData
// null: a hand-off that carries no payload.
class EmptyHandOff {
public:
    // writes: how many frames the command writes before the one whose reply
    // it waits for, plus one.
    explicit EmptyHandOff(ControlData* connection, int writes = 1);
    ~EmptyHandOff();
    EmptyHandOff(const EmptyHandOff&) = delete;
    EmptyHandOff& operator=(const EmptyHandOff&) = delete;
    // Whether the hand-off was made.
    bool HandedOff();

private:
    ControlData* connection_;
    std::thread thread_;
    bool handedOff_ = false;
};

// Holds rxMutex from a thread of the test, as a receive thread that never
// leaves its read would, so that SetUpRxRequest fails.
class StuckReceiver {
public:
    explicit StuckReceiver(ControlData* connection);
    ~StuckReceiver();
    StuckReceiver(const StuckReceiver&) = delete;
    StuckReceiver& operator=(const StuckReceiver&) = delete;

private:
    std::thread thread_;
    void* release_;
};

}  // namespace datatest
