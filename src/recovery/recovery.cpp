// The recovery thread: waits for a lost instrument, takes it back and puts it
// back as it was (recovery.h says what and in which order).
#include "recovery/recovery.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "connection/lifecycle.h"
#include "data/data_commands.h"
#include "feed/feed.h"
#include "host/command_error.h"
#include "host/host.h"
#include "link/link.h"
#include "platform/platform.h"
#include "usb/usb_device.h"

namespace {

// How long the recovery waits at a time for commandMutex or for the receive
// thread, so that a Disconnect meanwhile is not kept waiting.
constexpr uint32_t kStepMs = 50;
// The pauses after a retune, as the commands make them.
constexpr uint32_t kRetunePauseMs = 10;
constexpr uint32_t kReplyTimeoutMs = 100;

bool Obtained(uint32_t result) {
    return result == platform::kWaitSignaled || result == platform::kWaitAbandoned;
}

bool Stopping(const ControlData* connection) { return connection->running.load() != 1; }

// Takes commandMutex. False, without it, when the connection is being closed.
bool TakeCommandMutex(ControlData* connection) {
    for (;;) {
        if (Stopping(connection)) return false;
        if (Obtained(platform::WaitForObject(connection->commandMutex, kStepMs))) {
            if (!Stopping(connection)) return true;
            platform::ReleaseMutexObject(connection->commandMutex);
            return false;
        }
    }
}

// Waits until the receive thread has stopped reading (it signals
// recoveryWake). False when the connection is being closed.
bool AwaitReceiverParked(ControlData* connection) {
    for (;;) {
        if (platform::WaitForObject(connection->recoveryWake, kStepMs) == platform::kWaitSignaled)
            return !Stopping(connection);
        if (Stopping(connection)) return false;
    }
}

// Closes the instrument's interface. The caller holds commandMutex and the
// receive thread reads nothing.
void CloseInstrument(ControlData* connection) {
    if (connection->usb) CloseUsbDevice(connection->usb);
    connection->usb = nullptr;
}

// The message and the event of a loss, with the result that said so.
void AnnounceLoss(ControlData* connection, uint32_t code, int64_t time) {
    char text[320];
    std::snprintf(text, sizeof text, "[%d] - %s", static_cast<int>(code), SystemErrorText(code));
    host::Print("\tInstrument lost %s\n\tWaiting for it to come back; send 'Disconnect' command "
                "to stop waiting.\n",
                text);
    HandOnEvent(&connection->feed, EVENT_INSTRUMENT_LOST, text, time);
}

// Another instrument of the class, met while looking: said once per serial
// number in the connection, and never used.
void ReportStranger(ControlData* connection, const char* serialNumber, uint32_t index) {
    std::vector<std::string>& seen = connection->strangersReported;
    if (std::find(seen.begin(), seen.end(), serialNumber) != seen.end()) return;
    seen.push_back(serialNumber);
    host::Print("\tDevice[%d] S/N:%s is another instrument: left alone, waiting for S/N:%s.\n",
                static_cast<int>(index), serialNumber, connection->serialNumber);
}

// The instrument with this connection's serial number, opened, at whatever
// member index it now has; null when it is not on the bus.
UsbDevice* FindInstrument(ControlData* connection, uint16_t* index) {
    for (uint32_t i = 0; i <= kUsbMaxMemberIndex; ++i) {
        UsbDevice* device = OpenUsbDevice(&kVarneloInterfaceGuid, i);
        if (!device) {
            // Held by another program: it may still be further on. Anything
            // else (1167: no interface at this index) ends the look.
            if (platform::GetLastErrorCode() == kUsbAccessDenied) continue;
            return nullptr;
        }
        char serialNumber[SERIAL_NUMBER_SIZE];
        ReadSerialNumber(device, serialNumber, sizeof serialNumber);
        if (std::strcmp(serialNumber, connection->serialNumber) == 0) {
            *index = static_cast<uint16_t>(i);
            return device;
        }
        CloseUsbDevice(device);
        if (serialNumber[0] != '\0') ReportStranger(connection, serialNumber, i);
    }
    return nullptr;
}

void Said(std::string* list, const std::string& item) {
    if (!list->empty()) *list += "; ";
    *list += item;
}

std::string Call(const char* command, const std::string& arguments) {
    return std::string(command) + "(" + arguments + ")";
}

void SendAgain(ControlData* connection, const SentSetting& setting) {
    std::memcpy(connection->cmdWords, setting.words, setting.wordCount * sizeof(uint16_t));
    SendCommand(connection, setting.wordCount);
}

// Whether the configuration holds another table than the one uploaded: the
// frame carries 15 real parts, then 15 imaginary parts, as singles in two
// words each, low half first; the configuration as little-endian singles.
bool TableDiffers(const SentSetting& table, const uint8_t* conf, uint32_t realOffset,
                  uint32_t imagOffset) {
    for (uint32_t k = 0; k < 2 * BIN_COUNT; ++k) {
        const uint32_t offset = k < BIN_COUNT ? realOffset + 4 * k : imagOffset + 4 * (k - BIN_COUNT);
        const uint32_t sent = static_cast<uint32_t>(table.words[2 + 2 * k]) |
                              (static_cast<uint32_t>(table.words[3 + 2 * k]) << 16);
        if (ReadU32(conf + offset) != sent) return true;
    }
    return false;
}

// Puts an instrument that came back as the connection had it, but for its
// measurement; returns what it did, for the message and the event. Throws
// CommandError when the instrument does not answer or goes again.
std::string RestoreSettings(ControlData* connection) {
    std::string restored;
    connection->rxLength = FRAME_DEVICE_INFO_LENGTH;
    SetUpRxRequest(connection);
    platform::SleepMs(1);
    RequestDeviceInfo(connection);

    for (uint32_t slot = SETTING_SAMPLING_DIVIDER; slot < SETTING_GPIO; ++slot) {
        const SentSetting& setting = connection->settings[slot];
        if (!setting.sent) continue;
        SendAgain(connection, setting);
        Said(&restored, Call(setting.command, setting.arguments));
    }
    const SentSetting& gpio = connection->settings[SETTING_GPIO];
    if (gpio.sent) {
        // An idle instrument answers with its GPIO state; the answer is
        // taken so that it does not stand in for a later reply.
        connection->rxLength = FRAME_GPIO_STATE_LENGTH;
        SetUpRxRequest(connection);
        platform::SleepMs(kRetunePauseMs);
        ReplyWait wait(connection);
        SendAgain(connection, gpio);
        wait.Wait(kReplyTimeoutMs);
        Said(&restored, Call(gpio.command, gpio.arguments));
    }
    const SentSetting& shunt = connection->settings[SETTING_SHUNT_TABLE];
    const SentSetting& comp = connection->settings[SETTING_COMP_TABLE];
    if (shunt.sent || comp.sent) {
        uint8_t conf[CONF_DATA_SIZE];
        RequestConfData(connection, conf);
        if (shunt.sent && TableDiffers(shunt, conf, CONF_SHUNT_REAL, CONF_SHUNT_IMAG)) {
            SendAgain(connection, shunt);
            Said(&restored, std::string(shunt.command) + " (uploaded again)");
        }
        if (comp.sent && TableDiffers(comp, conf, CONF_COMP_REAL, CONF_COMP_IMAG)) {
            SendAgain(connection, comp);
            Said(&restored, std::string(comp.command) + " (uploaded again)");
        }
    }
    return restored;
}

// The command that resumes the connection's measurement, as said; empty in
// idle mode.
std::string ResumeStep(uint32_t mode) {
    if (mode == MODE_MEASURING) return "Start";
    return mode == MODE_EXT_TRIGGER ? Call("SetExternalTrigger", "On") : "";
}

// Starts the measurement the connection is in again.
void ResumeMeasurement(ControlData* connection, uint32_t mode) {
    if (mode == MODE_IDLE) return;
    connection->rxLength = MeasurementReadBytes(connection);
    SetUpRxRequest(connection);
    platform::SleepMs(kRetunePauseMs);
    if (mode == MODE_MEASURING) {
        connection->cmdWords[1] = CMD_START;
        SendCommand(connection, 2);
    } else {
        connection->cmdWords[1] = CMD_SET_EXTERNAL_TRIGGER;
        connection->cmdWords[2] = 1;
        SendCommand(connection, 3);
    }
}

// The instrument is away and the receive thread reads nothing: closes it,
// then looks for it until it is back and restored. False when the
// connection is being closed.
bool BringBack(ControlData* connection) {
    if (!TakeCommandMutex(connection)) return false;
    CloseInstrument(connection);
    platform::ReleaseMutexObject(connection->commandMutex);
    for (;;) {
        platform::WaitForObject(connection->recoveryWake, RECOVERY_POLL_MS);
        if (Stopping(connection)) return false;
        uint16_t index = 0;
        UsbDevice* device = FindInstrument(connection, &index);
        if (!device) continue;
        if (!TakeCommandMutex(connection)) {
            CloseUsbDevice(device);
            return false;
        }
        connection->usb = device;
        connection->deviceIndex = index;
        connection->lostCode = 0;
        connection->link.store(LINK_RESTORING);
        platform::SetEventObject(connection->instrumentBack);

        std::string restored;
        bool said = false;  // the InstrumentBack event is out
        try {
            restored = RestoreSettings(connection);
            const uint32_t mode = connection->mode.load();
            const std::string resume = ResumeStep(mode);
            if (!resume.empty()) Said(&restored, resume);
            if (restored.empty()) restored = "nothing (no setting sent, idle)";
            // Marked before the measurement resumes: in the recording and
            // the stream, the first line of the instrument that came back
            // then follows the event.
            HandOnEvent(&connection->feed, EVENT_INSTRUMENT_BACK, restored,
                        platform::UtcNowNanoseconds());
            said = true;
            ResumeMeasurement(connection, mode);
            // The receive thread turns the state to LINK_AWAY when the
            // instrument goes again meanwhile: then it is not back.
            uint32_t expected = LINK_RESTORING;
            if (connection->link.compare_exchange_strong(expected, LINK_PRESENT)) {
                platform::ReleaseMutexObject(connection->commandMutex);
                host::Print("\tInstrument back, Device[%d] S/N:%s. Restored: %s.\n",
                            static_cast<int>(index), connection->serialNumber, restored.c_str());
                return true;
            }
        } catch (const CommandError&) {
        }
        // Gone again, or on the bus but not answering: the receive thread
        // stops reading it, then it is closed and looked for again.
        connection->link.store(LINK_AWAY);
        platform::SetEventObject(connection->breakCurrentBulkRead);
        const bool parked = AwaitReceiverParked(connection);
        if (parked) CloseInstrument(connection);
        platform::ReleaseMutexObject(connection->commandMutex);
        if (!parked) return false;
        // Said to be back, it is lost again: said too, with the result that
        // ended its reads, or as an instrument that stopped answering.
        if (said) {
            AnnounceLoss(connection, connection->lostCode ? connection->lostCode : kUsbDeviceNotConnected,
                         connection->lostCode ? connection->lostAt : platform::UtcNowNanoseconds());
        }
    }
}

uint32_t RecoveryThread(void* argument) {
    ControlData* connection = static_cast<ControlData*>(argument);
    for (;;) {
        platform::WaitForObject(connection->recoveryWake, platform::kInfinite);
        if (Stopping(connection)) return 0;
        if (connection->link.load() != LINK_AWAY) continue;
        AnnounceLoss(connection, connection->lostCode, connection->lostAt);
        if (!BringBack(connection)) return 0;
    }
}

void CloseIfSet(platform::Handle& handle) {
    if (handle) platform::CloseObject(handle);
    handle = nullptr;
}

}  // namespace

bool StartRecovery(ControlData* connection) {
    connection->recoveryWake = platform::CreateEventObject(false, false);
    connection->instrumentBack = platform::CreateEventObject(false, false);
    connection->commandMutex = platform::CreateMutexObject();
    if (connection->recoveryWake && connection->instrumentBack && connection->commandMutex) {
        connection->recoveryThread = platform::StartThread(RecoveryThread, connection);
    }
    if (!connection->recoveryThread) {
        StopRecovery(connection);
        return false;
    }
    connection->reconnect = true;
    return true;
}

void StopRecovery(ControlData* connection) {
    if (connection->recoveryThread) {
        platform::SetEventObject(connection->recoveryWake);
        platform::WaitForObject(connection->recoveryThread, platform::kInfinite);
        CloseIfSet(connection->recoveryThread);
    }
    CloseIfSet(connection->recoveryWake);
    CloseIfSet(connection->instrumentBack);
    CloseIfSet(connection->commandMutex);
}

InstrumentCommand::InstrumentCommand(ControlData* connection) {
    if (!connection->commandMutex) return;
    if (!Obtained(platform::WaitForObject(connection->commandMutex, RECOVERY_COMMAND_WAIT_MS)))
        Fail(kMsgInstrumentAway);
    mutex_ = connection->commandMutex;
}

InstrumentCommand::~InstrumentCommand() {
    if (mutex_) platform::ReleaseMutexObject(mutex_);
}

void RememberSetting(ControlData* connection, SettingSlot slot, uint32_t wordCount,
                     const char* command, const std::string& arguments) {
    SentSetting& setting = connection->settings[slot];
    setting.sent = true;
    setting.wordCount = std::min(wordCount, CMD_WORD_COUNT);
    std::memcpy(setting.words, connection->cmdWords, setting.wordCount * sizeof(uint16_t));
    setting.command = command;
    setting.arguments = arguments;
}
