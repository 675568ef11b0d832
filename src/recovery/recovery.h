// Recovery: an instrument that leaves the bus for a moment (a bumped cable, a
// hub that resets, a brown-out, the system's power management) is taken back
// into the same connection, with its settings, its measurement and the
// recording that runs meanwhile.
//
// It runs for a connection made with Connect 'Reconnect', 'On' to an
// instrument that has a serial number, the only thing that tells it from
// another instrument of the same kind. Its thread of its own:
//   - wakes when the receive thread meets a device-gone result and stops
//     reading (LINK_AWAY); prints one message and hands an InstrumentLost
//     event to the feed; closes the device;
//   - looks for the same serial number every RECOVERY_POLL_MS, at any
//     device index, opening another instrument only to read its serial
//     number (and saying once that it is left alone);
//   - when it is back (LINK_RESTORING), hands it to the receive thread, reads
//     its identity, sends the settings this connection had sent (the latest
//     of each, SettingSlot order), uploads the calibration tables again when
//     the instrument lost them, resumes the measurement the connection was
//     in, and says what it restored in one message and an InstrumentBack
//     event (LINK_PRESENT). An instrument that does not answer is closed
//     and waited for again.
// A command that talks to the instrument holds commandMutex (InstrumentCommand),
// so it never interleaves with a restore; while the instrument is away such
// a command raises kMsgInstrumentAway at once (link/link.h).
#pragma once

#include <cstdint>
#include <string>

#include "connection/control_data.h"

// How often the recovery looks for the instrument while it is away.
constexpr uint32_t RECOVERY_POLL_MS = 250;
// How long a command waits for a restore under way before it gives up.
constexpr uint32_t RECOVERY_COMMAND_WAIT_MS = 5000;

// The events of an outage, for the recording and the stream.
constexpr const char* EVENT_INSTRUMENT_LOST = "InstrumentLost";  // text: "[code] - system text"
constexpr const char* EVENT_INSTRUMENT_BACK = "InstrumentBack";  // text: what was restored

// Makes the recovery's objects and starts its thread. False when one of them
// could not be made (nothing is left behind then).
bool StartRecovery(ControlData* connection);

// Ends the recovery thread, which must have been told to stop by running
// being 0, and closes its objects. Does nothing for a connection without
// recovery. Returns within the time of one step of a restore.
void StopRecovery(ControlData* connection);

// True while the instrument is off the bus or being restored.
inline bool InstrumentAway(const ControlData* connection) {
    return connection->link.load() != LINK_PRESENT;
}

// Held for the whole of a command that talks to the instrument, on a
// connection with recovery; does nothing on one without. Waits for a restore
// under way, up to RECOVERY_COMMAND_WAIT_MS, and throws kMsgInstrumentAway
// if it is still under way then.
class InstrumentCommand {
public:
    explicit InstrumentCommand(ControlData* connection);
    ~InstrumentCommand();
    InstrumentCommand(const InstrumentCommand&) = delete;
    InstrumentCommand& operator=(const InstrumentCommand&) = delete;

private:
    platform::Handle mutex_ = nullptr;
};

// Keeps the frame just sent from cmdWords (wordCount words) as the latest
// value of a setting, with the command word and its arguments as the
// recording notes them.
void RememberSetting(ControlData* connection, SettingSlot slot, uint32_t wordCount,
                     const char* command, const std::string& arguments);
