// Connect, Disconnect and the unload hook: the life of the one connection.
#include <cstdio>
#include <cstring>
#include <new>
#include <string>

#include "connection/control_data.h"
#include "connection/lifecycle.h"
#include "host/command_error.h"
#include "host/host.h"
#include "link/link.h"
#include "platform/platform.h"
#include "recording/recording.h"
#include "recovery/recovery.h"
#include "streaming/streaming.h"
#include "usb/usb_device.h"

ControlData* currentConnection = nullptr;

namespace {

constexpr size_t kBannerWidth = 77;
constexpr uint32_t kSerialDescriptorSize = 34;  // header + 16 UTF-16 units
constexpr uint16_t kLanguageEnglishUs = 0x0409;
constexpr uint8_t kStringDescriptor = 3;
constexpr uint8_t kSerialNumberIndex = 3;

void CloseHandleIfSet(platform::Handle& handle) {
    if (handle) platform::CloseObject(handle);
    handle = nullptr;
}

void CloseKernelObjects(ControlData* connection) {
    CloseHandleIfSet(connection->rxMutex);
    CloseHandleIfSet(connection->replyMutex);
    CloseHandleIfSet(connection->ring.mutex);
    CloseHandleIfSet(connection->ring.dataReady);
    CloseHandleIfSet(connection->breakCurrentBulkRead);
}

// Drops the current-connection reference first, then frees the record, so
// that nothing can reach freed memory through it.
void FreeRecord(ControlData* connection) {
    if (currentConnection == connection) currentConnection = nullptr;
    delete connection;
}

void StopReceiveThread(ControlData* connection);

// A Connect that failed before the connection was usable leaves nothing
// behind: every object made so far is released, the module unlocked.
[[noreturn]] void AbandonOpen(ControlData* connection, const char* message) {
    connection->running = 0;
    StopReceiveThread(connection);
    StopRecovery(connection);
    CloseKernelObjects(connection);
    if (connection->usb) CloseUsbDevice(connection->usb);
    connection->usb = nullptr;
    FreeRecord(connection);
    if (host::IsLocked()) host::Unlock();
    Fail(message);
}

void SendStopForMode(ControlData* connection) {
    if (connection->mode == MODE_MEASURING) {
        connection->cmdWords[1] = CMD_STOP;
        SendCommand(connection, 2);
    } else if (connection->mode == MODE_EXT_TRIGGER) {
        connection->cmdWords[1] = CMD_SET_EXTERNAL_TRIGGER;
        connection->cmdWords[2] = 0;
        SendCommand(connection, 3);
    }
}

// Ends the receive thread: it leaves its pending read on the cancel signal
// and ends when it finds running at 0.
void StopReceiveThread(ControlData* connection) {
    connection->running = 0;
    if (!connection->rxThread) return;
    platform::SetEventObject(connection->breakCurrentBulkRead);
    platform::WaitForObject(connection->rxThread, platform::kInfinite);
    CloseHandleIfSet(connection->rxThread);
}


void PrintBanner(const ControlData* connection) {
    const std::string rule(kBannerWidth, '#');
    auto boxLine = [](const char* text) {
        std::string line = text;
        line.resize(kBannerWidth - 1, ' ');
        return line + "#";
    };
    std::string banner = "\n" + rule + "\n" + boxLine("#") + "\n" +
                         boxLine("#   VarneloControl MATLAB interface") + "\n" +
                         boxLine("#   Varnelo series devices") + "\n" + boxLine("#") + "\n" +
                         rule + "\n";
    host::Print("%s", banner.c_str());
    host::Print("\n\tVarnelo device USB connection initialized...\n\tDevice[%d] S/N:%s\n",
                connection->deviceIndex, connection->serialNumber);
}

void OpenConnection(ControlData* connection, bool reconnect) {
    connection->cmdWords[0] = SYNC_WORD;

    connection->breakCurrentBulkRead = platform::CreateEventObject(false, false);
    if (!connection->breakCurrentBulkRead)
        AbandonOpen(connection, "\tError creating BreakCurrentBulkRead event!\n");

    // An interface held by another program answers access denied: try the
    // next member index, up to index 16.
    for (;;) {
        connection->usb = OpenUsbDevice(&kVarneloInterfaceGuid, connection->deviceIndex);
        if (connection->usb) break;
        uint32_t code = platform::GetLastErrorCode();
        if (code == kUsbAccessDenied && connection->deviceIndex < kUsbMaxMemberIndex) {
            ++connection->deviceIndex;
            continue;
        }
        host::Print("\tConnection Error DEC[%d] - %s\n", static_cast<int>(code),
                    SystemErrorText(code));
        AbandonOpen(connection, "\tDevice USB Connection Error.\n");
    }

    ReadSerialNumber(connection->usb, connection->serialNumber, sizeof connection->serialNumber);
    // Only the serial number tells the instrument from another one when it
    // comes back: without it there is no recovery.
    const bool recovery = reconnect && connection->serialNumber[0] != '\0';

    connection->samplingDivider = 1;
    connection->linesPerRead = MAX_LINES_PER_READ;
    connection->rxLength = FRAME_DEVICE_INFO_LENGTH;

    connection->replyMutex = platform::CreateMutexObject();
    connection->rxMutex = platform::CreateMutexObject();
    connection->ring.mutex = platform::CreateMutexObject();
    connection->ring.dataReady = platform::CreateEventObject(false, false);
    if (!connection->replyMutex || !connection->rxMutex || !connection->ring.mutex ||
        !connection->ring.dataReady) {
        AbandonOpen(connection, "\tError creating synchronization objects!\n");
    }

    connection->running = 1;
    if (recovery && !StartRecovery(connection))
        AbandonOpen(connection, "\tError creating Recovery thread.\n");
    connection->rxThread = platform::StartThread(ReceiveThread, connection);
    if (!connection->rxThread) AbandonOpen(connection, "\tError creating Receive thread.\n");
    platform::BeginPreciseTiming();

    PrintBanner(connection);
    if (reconnect && !recovery)
        host::Print("\tThe instrument has no serial number: 'Reconnect' is off for this connection.\n");

    connection->rxLength = FRAME_DEVICE_INFO_LENGTH;
    SetUpRxRequest(connection);
    platform::SleepMs(1);

    RequestDeviceInfo(connection);
    host::Print("\t%s\n\n", connection->deviceInfo);

    connection->cmdWords[1] = CMD_SET_SAMPLING_DIVIDER;
    connection->cmdWords[2] = 0;
    SendCommand(connection, 3);
    RememberSetting(connection, SETTING_SAMPLING_DIVIDER, 3, "SetSamplingDivider", "1");
}

// Stops the measurement and ends the module's threads. Without recovery the
// stop goes out first, as it always has. With recovery the threads end
// first: until then the recovery may be swapping the instrument, and an
// instrument that is away gets no stop (it comes back idle, if ever).
void StopAndEndThreads(ControlData* connection) {
    if (!connection->reconnect) {
        SendStopForMode(connection);
        StopReceiveThread(connection);
        return;
    }
    connection->running = 0;
    StopReceiveThread(connection);
    StopRecovery(connection);
    if (connection->link.load() != LINK_AWAY && connection->usb) SendStopForMode(connection);
}

// Ends a running recording once the receive thread has stored its last
// line, so that the file holds every line and closes complete. With report
// (Disconnect), a recording that StopRecording had not ended prints its
// final status: with the connection gone, GetRecordingStatus cannot give it.
void EndRecording(ControlData* connection, const char* reason, bool report) {
    Recording* recording = connection->recording;
    connection->recording = nullptr;
    if (!recording) return;
    const bool ending = !ReadRecordingStatus(recording).finished;
    FinishRecording(recording, reason);
    DetachConsumer(&connection->feed, recording);
    std::string failure;
    if (report && TakeRecordingFailure(recording, &failure)) host::Print("%s", failure.c_str());
    if (report && ending) {
        const RecordingStatus status = ReadRecordingStatus(recording);
        host::Print("\tRecording ended by Disconnect: %s, %llu lines, %llu lines lost.%s%s\n",
                    status.fileName.c_str(), static_cast<unsigned long long>(status.lines),
                    static_cast<unsigned long long>(status.linesLost),
                    status.error.empty() ? "" : " ", status.error.c_str());
    }
    DestroyRecording(recording);
}

// Closes the stream's outlets once the receive thread has stored its last
// line.
void EndStreaming(ControlData* connection) {
    Streaming* streaming = connection->streaming;
    connection->streaming = nullptr;
    if (!streaming) return;
    DetachConsumer(&connection->feed, streaming);
    DestroyStreaming(streaming);
}

void CloseConnection(ControlData* connection) {
    StopAndEndThreads(connection);
    EndRecording(connection, "Disconnect", true);
    EndStreaming(connection);
    CloseKernelObjects(connection);
    CloseUsbDevice(connection->usb);
    platform::EndPreciseTiming();
    FreeRecord(connection);
    host::Print("\tVarnelo device USB connection closed...\n");
}

}  // namespace

void ReadSerialNumber(UsbDevice* device, char* serialNumber, size_t size) {
    std::memset(serialNumber, 0, size);
    uint8_t descriptor[kSerialDescriptorSize] = {};
    uint32_t transferred = 0;
    if (!UsbGetDescriptor(device, kStringDescriptor, kSerialNumberIndex, kLanguageEnglishUs,
                          descriptor, sizeof descriptor, &transferred)) {
        return;  // the serial number stays empty; GetDevInfo reports it
    }
    uint16_t units[(kSerialDescriptorSize - 2) / 2];
    for (size_t i = 0; i < sizeof units / sizeof units[0]; ++i)
        units[i] = ReadU16(descriptor + 2 + 2 * i);
    platform::ConvertUtf16Text(units, sizeof units / sizeof units[0], serialNumber, size);
}

void ConnectCommand(uint32_t ringSlots, bool reconnect) {
    ControlData* connection = new (std::nothrow) ControlData();
    if (!connection) Fail("\tUnable to allocate memory for control data.\n");
    if (!CreateRing(connection, ringSlots)) {
        delete connection;
        Fail("\tUnable to allocate memory for control data.\n");
    }
    currentConnection = connection;
    // One lock per connection: the record, not the host's lock count, says
    // whether a connection exists, so a lock left from elsewhere is not doubled.
    if (!host::IsLocked()) host::Lock();
    // Registered before anything can fail, so that even a half-open
    // connection is released when the host unloads the module.
    host::RegisterAtExit(ReleaseAtExit);
    OpenConnection(connection, reconnect);
}

void DisconnectCommand(ControlData* connection) {
    CloseConnection(connection);
    if (host::IsLocked()) host::Unlock();
}

void ReleaseAtExit() {
    ControlData* connection = currentConnection;
    if (!connection) return;
    StopAndEndThreads(connection);
    EndRecording(connection, "Unload", false);
    EndStreaming(connection);
    CloseKernelObjects(connection);
    CloseUsbDevice(connection->usb);
    platform::EndPreciseTiming();
    FreeRecord(connection);
}
