// GetDevInfo, Start and Stop: the instrument's identity and the switching of
// internally paced measurement.
#include <cstdio>

#include "gateway/handlers.h"
#include "host/command_error.h"
#include "host/host.h"
#include "link/link.h"
#include "platform/platform.h"
#include "recovery/recovery.h"

namespace {

void SendOpcode(ControlData* connection, uint16_t opcode) {
    connection->cmdWords[1] = opcode;
    SendCommand(connection, 2);
}

}  // namespace

void GetDevInfoCommand(ControlData* connection, char* infoText, size_t infoTextSize,
                       mxArray* plhs[]) {
    if (connection->deviceInfo[0] == '\0' || connection->serialNumber[0] == '\0')
        Fail("\tDevice info data missing\n");

    MeasurementReadLength measurementReads(connection);
    connection->rxLength = FRAME_DEVICE_INFO_LENGTH;
    SetUpRxRequest(connection);
    platform::SleepMs(10);

    RequestDeviceInfo(connection);
    host::FlushPrints();
    measurementReads.Restore();

    std::snprintf(infoText, infoTextSize, "Device[%d] S/N:%s%s", connection->deviceIndex,
                  connection->serialNumber, connection->deviceInfo);
    plhs[0] = host::CreateString(infoText);
}

void StartCommand(ControlData* connection) {
    if (connection->mode != MODE_IDLE)
        Fail("\tDevice already in measuring mode, send 'Stop' command.\n");
    if (InstrumentAway(connection)) Fail(kMsgInstrumentAway);
    connection->mode = MODE_MEASURING;
    connection->rxLength = MeasurementReadBytes(connection);
    SetUpRxRequest(connection);
    platform::SleepMs(10);
    // Lines the previous measurement left unread, or lost, are not part of
    // this one: its first LinesLost counts only its own losses.
    connection->overrunsReported = DiscardUnreadLines(connection);
    HandOnMeasurementStart(&connection->feed, 1000.0 / connection->samplingDivider);
    SendOpcode(connection, CMD_START);
    NoteCommand(connection, "Start", "");
}

void StopCommand(ControlData* connection) {
    if (connection->mode == MODE_IDLE) Fail("\tDevice already in idle mode.\n");
    if (connection->mode == MODE_EXT_TRIGGER)
        Fail("\tDevice is in external trigger measuring mode, send 'SetExternalTrigger' "
             "command with 'Off' argument.\n");
    connection->mode = MODE_IDLE;
    // An instrument that is away comes back idle: the recovery resumes only
    // the measurement the connection is in.
    if (!InstrumentAway(connection)) SendOpcode(connection, CMD_STOP);
    NoteCommand(connection, "Stop", "");
}
