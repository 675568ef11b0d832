// Outgoing command frames and the command side of the reply hand-off.
#include <chrono>
#include <cstring>

#include "host/command_error.h"
#include "host/host.h"
#include "link/link.h"
#include "usb/usb_device.h"

namespace {

bool Obtained(uint32_t waitResult) {
    return waitResult == platform::kWaitSignaled || waitResult == platform::kWaitAbandoned;
}

// True once the receive thread has ended (or was never started): nothing
// will hand a reply over any more.
bool ReceiveThreadEnded(const ControlData* connection) {
    uint32_t status = 0;
    return connection->rxThread == nullptr ||
           platform::GetThreadExitStatus(connection->rxThread, &status);
}

}  // namespace

const char* const kMsgInstrumentAway =
    "\tInstrument lost, waiting for it to come back: command not sent.\n";

void SendCommand(ControlData* connection, uint32_t wordCount) {
    if (connection->link.load() == LINK_AWAY) Fail(kMsgInstrumentAway);
    // The staging area holds CMD_WORD_COUNT words; a longer frame cannot
    // have been staged.
    if (wordCount > CMD_WORD_COUNT) wordCount = CMD_WORD_COUNT;
    for (uint32_t i = 0; i < wordCount; ++i) {
        WriteU16(&connection->txBuffer[2 * i], connection->cmdWords[i]);
    }
    uint32_t written = 0;
    // A write refused before reaching the transport leaves the last error
    // untouched; clearing it first makes that case report 87 too.
    platform::SetLastErrorCode(0);
    if (!UsbBulkWrite(connection->usb, connection->txBuffer, 2 * wordCount, &written)) {
        uint32_t code = platform::GetLastErrorCode();
        if (code == 0) code = kUsbInvalidParameter;
        host::Print("\tUSB Write Error [%d] - %s\n", static_cast<int>(code), SystemErrorText(code));
    }
}

bool TrySetUpRxRequest(ControlData* connection) {
    // The cancel ends the pending read at once; if the thread is between
    // reads the signal stays set and ends its next pending read instead.
    const uint32_t readsBefore = connection->readsEnded.load();
    platform::SetEventObject(connection->breakCurrentBulkRead);
    // Normally rxMutex comes free when the cancelled read returns. But the
    // thread may leave that read and take rxMutex again for the next one
    // before this wait has begun; that next read already asks for the new
    // rxLength, which the count of ended reads shows.
    for (uint32_t waitedMs = 0; waitedMs < 1000; waitedMs += 10) {
        if (Obtained(platform::WaitForObject(connection->rxMutex, 10))) {
            platform::ReleaseMutexObject(connection->rxMutex);
            return true;
        }
        if (connection->readsEnded.load() != readsBefore) return true;
        // A receive thread that is being stopped reads no more.
        if (connection->running.load() != 1) return false;
    }
    return false;
}

void SetUpRxRequest(ControlData* connection) {
    if (connection->link.load() == LINK_AWAY) Fail(kMsgInstrumentAway);
    if (!TrySetUpRxRequest(connection)) Fail("\tSetUpRxRequest() failed.\n");
}

MeasurementReadLength::MeasurementReadLength(ControlData* connection)
    : connection_(connection), pending_(connection->mode.load() != MODE_IDLE) {}

MeasurementReadLength::~MeasurementReadLength() {
    // On the way out of a failed command: nothing may be raised from here,
    // and a retune that does not confirm in time still takes effect at the
    // thread's next read, since rxLength is stored and the cancel stays set.
    if (pending_) {
        connection_->rxLength = MeasurementReadBytes(connection_);
        TrySetUpRxRequest(connection_);
    }
}

void MeasurementReadLength::Restore() {
    if (!pending_) return;
    pending_ = false;
    connection_->rxLength = MeasurementReadBytes(connection_);
    SetUpRxRequest(connection_);
}

uint16_t MeasurementReadBytes(const ControlData* connection) {
    return static_cast<uint16_t>(connection->linesPerRead * DATA_LINE_SIZE);
}

bool CopyDeviceInfoReply(ControlData* connection) {
    const uint8_t* text = connection->replyData.load();
    if (text == nullptr || connection->replyKind.load() != FRAME_DEVICE_INFO) return false;
    std::memcpy(connection->deviceInfo, text, DEVICE_INFO_TEXT_LENGTH);
    return true;
}

void RequestDeviceInfo(ControlData* connection) {
    ReplyWait reply(connection);
    connection->cmdWords[1] = CMD_GET_DEV_INFO;
    SendCommand(connection, 2);
    if (!reply.Wait(100) || !CopyDeviceInfoReply(connection))
        Fail("\tError: Device did not respond to command.\n");
}

ReplyWait::ReplyWait(ControlData* connection)
    : connection_(connection), handOffsBefore_(connection->handOffCount.load()) {
    connection->replyWanted.store(handOffsBefore_ + 1);
}

ReplyWait::~ReplyWait() {
    connection_->replyWanted.store(0);
    Release();
}

void ReplyWait::Release() {
    if (!held_) return;
    held_ = false;
    platform::ReleaseMutexObject(connection_->replyMutex);
}

bool ReplyWait::Wait(uint32_t timeoutMs) {
    if (held_) return true;
    const bool got = TakeReply(timeoutMs);
    // Had or given up: the receive thread need not hold the hand-off open.
    connection_->replyWanted.store(0);
    return got;
}

bool ReplyWait::TakeReply(uint32_t timeoutMs) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    uint32_t remaining = timeoutMs;
    for (;;) {
        const uint32_t result = platform::WaitForObject(connection_->replyMutex, remaining);
        if (!Obtained(result)) return false;
        if (result == platform::kWaitSignaled &&
            connection_->handOffCount.load() != handOffsBefore_) {
            held_ = true;
            return true;
        }
        // An abandoned mutex or one that no hand-off since the request let
        // go: rxBuffer holds nothing of ours. Give it straight back.
        platform::ReleaseMutexObject(connection_->replyMutex);
        if (result == platform::kWaitAbandoned || ReceiveThreadEnded(connection_)) return false;
        // The thread is alive: in the pause of a hand-off that was not ours
        // (a command that let go of its reply quickly left the mutex free),
        // or not yet started. Our reply comes with a later hand-off, which
        // the thread keeps open until we have taken it (replyWanted). The
        // pause lets the thread take the mutex back instead of us spinning
        // on it.
        platform::SleepMs(1);
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) return false;
        remaining = static_cast<uint32_t>(left);
    }
}
