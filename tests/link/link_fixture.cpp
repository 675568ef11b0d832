#include "link/link_fixture.h"

#include <algorithm>

#include "host/host.h"
#include "host/standalone/standalone_host.h"
#include "link/link.h"
#include "usb/usb_device.h"

namespace linktest {

LinkRecord::LinkRecord(uint32_t ringSlots) : data(std::make_unique<ControlData>()) {
    ControlData* c = data.get();
    EXPECT_TRUE(CreateRing(c, ringSlots));
    c->breakCurrentBulkRead = platform::CreateEventObject(false, false);
    c->rxMutex = platform::CreateMutexObject();
    c->replyMutex = platform::CreateMutexObject();
    c->ring.mutex = platform::CreateMutexObject();
    c->ring.dataReady = platform::CreateEventObject(false, false);
    c->running = 1;
    c->samplingDivider = 1;
    c->rxLength = 58;
    c->linesPerRead = 4;
    c->cmdWords[0] = SYNC_WORD;
}

LinkRecord::~LinkRecord() {
    ControlData* c = data.get();
    for (platform::Handle h : {c->breakCurrentBulkRead, c->rxMutex, c->replyMutex, c->ring.mutex,
                               c->ring.dataReady}) {
        if (h) platform::CloseObject(h);
    }
}

std::vector<uint8_t> MakeLine(uint32_t number) {
    std::vector<uint8_t> line(DATA_LINE_SIZE);
    for (uint32_t i = 0; i < DATA_LINE_SIZE; ++i) line[i] = static_cast<uint8_t>(number * 7 + i);
    WriteU16(&line[0], SYNC_WORD);
    WriteU16(&line[2], FRAME_DATA_LINE);
    WriteU32(&line[LINE_CYCLE_COUNT], number);
    return line;
}

std::vector<uint8_t> MakeFrame(uint16_t kind, uint32_t length, uint8_t fill) {
    std::vector<uint8_t> frame(length, fill);
    WriteU16(&frame[0], SYNC_WORD);
    WriteU16(&frame[2], kind);
    return frame;
}

void PutBytes(ControlData* connection, uint32_t offset, const std::vector<uint8_t>& bytes) {
    std::copy(bytes.begin(), bytes.end(), connection->rxBuffer + offset);
}

std::string TakePrinted() {
    host::FlushPrints();
    return standalone::TakePrinted();
}

void LinkThreadTest::SetUp() {
    host::EnterHostCall();
    TakePrinted();
    sim::SimBusReset();
}

void LinkThreadTest::TearDown() {
    if (c->rxThread) {
        if (ReceiveThreadRunning()) StopReceiveThread();
        platform::CloseObject(c->rxThread);
        c->rxThread = nullptr;
    }
    if (c->usb) CloseUsbDevice(c->usb);
    c->usb = nullptr;
    sim::SimBusReset();
    TakePrinted();
}

void LinkThreadTest::OpenInstrument(const sim::SimSettings& settings) {
    sim::SimBusSetInstruments({settings});
    c->usb = OpenUsbDevice(&kVarneloInterfaceGuid, 0);
    ASSERT_NE(c->usb, nullptr);
}

void LinkThreadTest::StartReceiveThread() {
    c->running = 1;
    c->rxThread = platform::StartThread(ReceiveThread, c);
    ASSERT_NE(c->rxThread, nullptr);
}

uint32_t LinkThreadTest::StopReceiveThread() {
    c->running = 0;
    platform::SetEventObject(c->breakCurrentBulkRead);
    return JoinReceiveThread();
}

uint32_t LinkThreadTest::JoinReceiveThread() {
    EXPECT_EQ(platform::WaitForObject(c->rxThread, 10000), platform::kWaitSignaled)
        << "the receive thread did not end";
    uint32_t status = 0x12345678;
    EXPECT_TRUE(platform::GetThreadExitStatus(c->rxThread, &status));
    return status;
}

bool LinkThreadTest::ReceiveThreadRunning() const {
    uint32_t status = 0;
    return c->rxThread && !platform::GetThreadExitStatus(c->rxThread, &status);
}

void LinkThreadTest::Retune(uint16_t length) {
    c->rxLength = length;
    SetUpRxRequest(c);
}

void LinkThreadTest::Send(std::initializer_list<uint16_t> words) {
    uint32_t n = 1;
    for (uint16_t w : words) c->cmdWords[n++] = w;
    SendCommand(c, n);
}

std::string LinkThreadTest::WaitForPrinted(const std::string& needle) {
    std::string printed;
    for (int i = 0; i < 500 && printed.find(needle) == std::string::npos; ++i) {
        printed += TakePrinted();
        if (printed.find(needle) == std::string::npos) platform::SleepMs(10);
    }
    return printed;
}

}  // namespace linktest
