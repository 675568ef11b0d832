// A connection record with its kernel objects, set up as Connect leaves it
// but without the lifecycle code, so the link can be driven one layer down:
// the parser and the ring directly, the receive thread against an instrument
// on the simulated bus.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "connection/control_data.h"
#include "sim/sim_bus.h"

namespace linktest {

// Zero-filled record with every kernel object created and an empty ring of
// ringSlots lines; running 1, rxLength 58, samplingDivider 1, linesPerRead
// 4, cmdWords[0] the sync word. No device and no thread.
struct LinkRecord {
    explicit LinkRecord(uint32_t ringSlots = RING_SLOTS);
    ~LinkRecord();
    LinkRecord(const LinkRecord&) = delete;
    LinkRecord& operator=(const LinkRecord&) = delete;
    ControlData* get() const { return data.get(); }
    ControlData* operator->() const { return data.get(); }

    std::unique_ptr<ControlData> data;
};

// A 192-byte data line whose cycle count is number and whose other bytes
// are derived from it, so that every byte tells lines apart.
std::vector<uint8_t> MakeLine(uint32_t number);
// A frame of the given kind and length: sync word, kind, then fill bytes.
std::vector<uint8_t> MakeFrame(uint16_t kind, uint32_t length, uint8_t fill);
// Copies bytes into rxBuffer at offset.
void PutBytes(ControlData* connection, uint32_t offset, const std::vector<uint8_t>& bytes);

// Host-side text: what the receive thread queued plus what the test thread
// printed, since the last call.
std::string TakePrinted();

// The receive thread against one simulated instrument.
class LinkThreadTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Puts one instrument with these settings on the bus and opens it.
    void OpenInstrument(const sim::SimSettings& settings = sim::SimSettings());
    void StartReceiveThread();
    // Asks the thread to stop as Disconnect does and joins it; returns its
    // exit status.
    uint32_t StopReceiveThread();
    // Waits (generously) for the thread to end by itself; returns its status.
    uint32_t JoinReceiveThread();
    bool ReceiveThreadRunning() const;
    // rxLength := length, then SetUpRxRequest.
    void Retune(uint16_t length);
    // Stages and sends a frame of these words after the sync word.
    void Send(std::initializer_list<uint16_t> words);
    // Polls the printed text until it contains needle or 5 s have passed;
    // returns everything printed meanwhile.
    std::string WaitForPrinted(const std::string& needle);
    sim::SimInstrument* Instrument() const { return sim::SimBusOpenedInstrument(0); }

    LinkRecord record;
    ControlData* c = record.get();
};

}  // namespace linktest
