// The receive thread: the only reader of the bulk IN pipe. It keeps one read
// of rxLength bytes going, scans every full-length read for frames, stores
// data lines in the ring while a measurement runs and hands replies to the
// waiting command through replyMutex.
#include "host/host.h"
#include "link/link.h"
#include "usb/usb_device.h"

namespace {

constexpr uint32_t kStatusStopped = 0;
constexpr uint32_t kStatusFailed = 0xFFFFFFFFu;       // replyMutex not had at start, or a device gone on a full read
constexpr uint32_t kStatusFailedShort = 0xFFFFFFFEu;  // a device gone on a short read

// How long the thread waits for replyMutex when it starts.
constexpr uint32_t kStartWaitMs = 100;

// Pauses after a failed read: a device that keeps failing with anything
// but 31 would otherwise spin the thread and flood the command window.
// Doubles per consecutive failure; a good read starts it over.
constexpr uint32_t kFirstFailurePauseMs = 10;
constexpr uint32_t kLongestFailurePauseMs = 1000;

bool Obtained(uint32_t waitResult) {
    return waitResult == platform::kWaitSignaled || waitResult == platform::kWaitAbandoned;
}

// Lets a waiting command take replyMutex, then takes it back. Returns false
// when the thread does not own the mutex afterwards.
//
// The command reads the reply straight out of rxBuffer, so the thread must
// not start its next read while the command still holds the mutex: it
// waits for it in 100 ms steps for as long as the connection runs. Only
// when it is told to stop does it give up, since it then reads no more.
bool PassReplyMutex(ControlData* connection) {
    // Counted before the release, so a command that takes the mutex in the
    // window below always sees the new count.
    const uint32_t handed = connection->handOffCount.fetch_add(1) + 1;
    platform::ReleaseMutexObject(connection->replyMutex);
    platform::SleepMs(1);
    // A command that waits for this reply but was not scheduled in time to
    // take the mutex: keep the window open for it, up to the 100 ms that a
    // reply wait lasts. A reply that nobody waits for is passed over at once.
    for (uint32_t waitedMs = 1; waitedMs < 100; ++waitedMs) {
        const uint32_t wanted = connection->replyWanted.load();
        if (wanted == 0 || wanted > handed || connection->running.load() != 1) break;
        platform::SleepMs(1);
    }
    for (;;) {
        const uint32_t result = platform::WaitForObject(connection->replyMutex, 100);
        if (Obtained(result)) return true;
        if (result != platform::kWaitTimeout || connection->running.load() != 1) return false;
    }
}

// The number of bytes a frame of this kind occupies; 0 for an unknown kind.
uint32_t FrameLength(uint16_t kind) {
    switch (kind) {
        case FRAME_DATA_LINE: return FRAME_DATA_LINE_LENGTH;
        case FRAME_DEVICE_INFO: return FRAME_DEVICE_INFO_LENGTH;
        case FRAME_EEPROM_DATA: return FRAME_EEPROM_DATA_LENGTH;
        case FRAME_CONF_DATA: return FRAME_CONF_DATA_LENGTH;
        case FRAME_GPIO_STATE: return FRAME_GPIO_STATE_LENGTH;
        default: return 0;
    }
}

void SetReply(ControlData* connection, uint16_t kind, const uint8_t* payload) {
    connection->replyKind.store(kind);
    connection->replyData.store(payload);
}

// Acts on the whole frame at frame. Returns false when a hand-off left the
// thread without replyMutex (it is being stopped): the scan ends there.
bool ActOnFrame(ControlData* connection, uint16_t kind, const uint8_t* frame) {
    switch (kind) {
        case FRAME_DATA_LINE:
            if (connection->mode.load() != MODE_IDLE) StoreLine(connection, frame);
            return true;
        case FRAME_DEVICE_INFO:
            // Like every reply, read by the waiting command during the
            // hand-off: the command copies the text into deviceInfo itself.
            SetReply(connection, kind, frame + DEVICE_INFO_PAYLOAD_OFFSET);
            return PassReplyMutex(connection);
        case FRAME_EEPROM_DATA:
            SetReply(connection, kind, frame + EEPROM_DATA_PAYLOAD_OFFSET);
            return PassReplyMutex(connection);
        case FRAME_CONF_DATA:
            SetReply(connection, kind, frame + CONF_DATA_PAYLOAD_OFFSET);
            return PassReplyMutex(connection);
        case FRAME_GPIO_STATE:
            SetReply(connection, kind, frame + GPIO_STATE_PAYLOAD_OFFSET);
            return PassReplyMutex(connection);
        default:
            return true;
    }
}

// Prints a read error with its code and the system's text for it.
void PrintReadError(uint32_t code, bool fullLength) {
    if (fullLength) {
        host::Print("\tUSB Read Error [%d] - %s \n\tSend 'Disconnect' Command.\n",
                    static_cast<int>(code), SystemErrorText(code));
    } else {
        host::Print("\tUSB Read Error [%d] - %s\n\tSend 'Disconnect' Command.\n",
                    static_cast<int>(code), SystemErrorText(code));
    }
}

// With recovery on: the instrument has gone (code is the result that said
// so), or the recovery wants the reads stopped (code 0). The thread stops
// reading, wakes the recovery and waits until the recovery hands over an
// instrument again. The result is kept for the recovery's message and
// event. False when the thread is to end instead.
bool WaitForInstrument(ControlData* connection, uint32_t code) {
    // The first result of an outage, or one that ends a restore.
    if (code != 0 && connection->link.exchange(LINK_AWAY) != LINK_AWAY) {
        connection->lostCode = code;
        connection->lostAt = platform::UtcNowNanoseconds();
    }
    platform::SetEventObject(connection->recoveryWake);
    const platform::Handle objects[2] = {connection->instrumentBack, connection->breakCurrentBulkRead};
    for (;;) {
        const uint32_t result = platform::WaitForAnyObject(2, objects, platform::kInfinite);
        if (connection->running.load() != 1) return false;
        // A cancel meant for a read: none is pending, so it is spent here.
        if (result == platform::kWaitSignaled) return true;
    }
}

uint32_t EndThread(ControlData* connection, uint32_t status) {
    // Leave replyMutex free rather than abandoned; a reply wait tells a
    // free mutex from a hand-off by handOffCount. Fails harmlessly when the
    // thread does not own it.
    platform::ReleaseMutexObject(connection->replyMutex);
    return status;
}

}  // namespace

void HandOffReply(ControlData* connection) { PassReplyMutex(connection); }

void ParseRxBuffer(ControlData* connection, uint32_t count) {
    if (count == 0 || count > RX_BUFFER_SIZE) return;
    const uint8_t* buffer = connection->rxBuffer;
    uint32_t p = 0;
    // Every read below stays inside the count bytes received: a sync word
    // whose kind or body would reach past them is skipped like stray bytes.
    while (p + 1 < count) {
        if (ReadU16(buffer + p) != SYNC_WORD || p + 4 > count) {
            ++p;
            continue;
        }
        const uint16_t kind = ReadU16(buffer + p + 2);
        const uint32_t length = FrameLength(kind);
        if (length == 0 || length > count - p) {
            ++p;
            continue;
        }
        if (!ActOnFrame(connection, kind, buffer + p)) return;
        p += length;
    }
}

uint32_t ReceiveThread(void* argument) {
    ControlData* connection = static_cast<ControlData*>(argument);
    // The mutex is free unless the command that started the thread is
    // briefly looking at it; a generous wait keeps that from ending the thread.
    if (!Obtained(platform::WaitForObject(connection->replyMutex, kStartWaitMs))) return kStatusFailed;

    // Not reset between reads: a read that writes no count leaves the last one.
    uint32_t transferred = 0;
    uint32_t failurePauseMs = 0;
    for (;;) {
        const bool haveRxMutex = Obtained(platform::WaitForObject(connection->rxMutex, 10));
        const uint32_t asked = connection->rxLength.load();
        const uint32_t code = UsbBulkRead(connection->usb, connection->rxBuffer, asked, &transferred,
                                          kUsbNoTimeout, connection->breakCurrentBulkRead);
        if (haveRxMutex) {
            // Only a read bracketed by rxMutex tells SetUpRxRequest that the
            // thread has come out of a read. Counted before the release, so
            // that whoever takes rxMutex next already sees this read counted
            // and cannot mistake it for a later one.
            connection->readsEnded.fetch_add(1);
            platform::ReleaseMutexObject(connection->rxMutex);
        }

        // Whole when it brought the length it asked for. A read that a retune
        // cancelled reports 0 bytes, unless its transfer had completed before
        // the abort reached it: then it holds whole frames of the length in
        // force before the retune (four data lines, or a reply), which are
        // parsed rather than lost. Comparing with the new rxLength would drop
        // them.
        const bool fullLength = transferred == asked;
        if (fullLength && code == kUsbSuccess) {
            connection->rxTime = platform::UtcNowNanoseconds();
            ParseRxBuffer(connection, transferred);
        } else if (UsbDeviceGone(code)) {
            if (!connection->reconnect) {
                PrintReadError(code, fullLength);
                return EndThread(connection, fullLength ? kStatusFailed : kStatusFailedShort);
            }
            if (!WaitForInstrument(connection, code)) return EndThread(connection, kStatusStopped);
            failurePauseMs = 0;
            continue;
        } else if (fullLength) {
            PrintReadError(code, true);
        }

        if (code == kUsbSuccess) {
            failurePauseMs = 0;
        } else {
            failurePauseMs = failurePauseMs == 0 ? kFirstFailurePauseMs
                                                 : (failurePauseMs * 2 > kLongestFailurePauseMs
                                                        ? kLongestFailurePauseMs
                                                        : failurePauseMs * 2);
            // Waiting on the cancel event rather than sleeping: Disconnect and
            // SetUpRxRequest signal it, so neither waits out the pause. The
            // signal is given back, as if no read had been pending: it ends
            // the next read at once, which SetUpRxRequest then sees end.
            if (platform::WaitForObject(connection->breakCurrentBulkRead, failurePauseMs) ==
                platform::kWaitSignaled) {
                platform::SetEventObject(connection->breakCurrentBulkRead);
            }
        }
        if (connection->running.load() != 1) return EndThread(connection, kStatusStopped);
        // The recovery gave up on an instrument that came back but did not
        // answer: it closes it once this thread has stopped reading it.
        if (connection->link.load() == LINK_AWAY && !WaitForInstrument(connection, 0))
            return EndThread(connection, kStatusStopped);
    }
}
