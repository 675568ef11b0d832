// GetConfData: one request/reply exchange that returns the instrument's
// frequency bins and its shunt and compensation tables.
#include <cstring>

#include "data/data_commands.h"
#include "host/command_error.h"
#include "host/host.h"
#include "link/link.h"
#include "link/protocol.h"
#include "platform/platform.h"
#include "recovery/recovery.h"

namespace {

constexpr uint32_t kRetunePauseMs = 10;
constexpr uint32_t kReplyTimeoutMs = 100;

const char* const kFieldNames[] = {"FrequencyCount", "FrequencyBins", "ShuntComplexValues",
                                   "CompensationComplexValues"};

// A complex single column of the 15 values whose real and imaginary parts
// lie at the two payload offsets.
mxArray* ComplexTable(const uint8_t* payload, uint32_t realOffset, uint32_t imagOffset) {
    mxArray* table = host::CreateColumn(mxSINGLE_CLASS, BIN_COUNT, true);
    std::memcpy(host::RealData(table), payload + realOffset, BIN_COUNT * sizeof(float));
    std::memcpy(host::ImagData(table), payload + imagOffset, BIN_COUNT * sizeof(float));
    return table;
}

}  // namespace

void RequestConfData(ControlData* connection, uint8_t payload[CONF_DATA_SIZE]) {
    connection->replyData.store(nullptr);
    connection->rxLength.store(FRAME_CONF_DATA_LENGTH);
    SetUpRxRequest(connection);
    platform::SleepMs(kRetunePauseMs);

    bool havePayload = false;
    {
        ReplyWait wait(connection);
        connection->cmdWords[1] = CMD_GET_CONF_DATA;
        SendCommand(connection, 2);
        if (!wait.Wait(kReplyTimeoutMs)) {
            wait.Release();
            host::FlushPrints();
            Fail("\tDevice did not respond to command.\n");
        }
        // Copied while the mutex is held: the receive thread's next read
        // reuses rxBuffer. A payload that would run past the buffer is not
        // a configuration reply.
        const uint8_t* reply = connection->replyData.load();
        const uint8_t* bufferEnd = connection->rxBuffer + RX_BUFFER_SIZE;
        if (reply && reply >= connection->rxBuffer && reply + CONF_DATA_SIZE <= bufferEnd) {
            std::memcpy(payload, reply, CONF_DATA_SIZE);
            havePayload = true;
        }
    }
    host::FlushPrints();
    if (!havePayload) Fail("\tGetConfData() failed.\n");
}

bool RequestConfDataWhenIdle(ControlData* connection, uint8_t payload[CONF_DATA_SIZE]) {
    if (connection->mode.load() != MODE_IDLE || InstrumentAway(connection)) return false;
    RequestConfData(connection, payload);
    return true;
}

void GetConfData(ControlData* connection, mxArray* plhs[]) {
    uint8_t payload[CONF_DATA_SIZE];
    RequestConfData(connection, payload);

    mxArray* count = host::CreateColumn(mxUINT16_CLASS, 1);
    std::memcpy(host::RealData(count), payload + CONF_FREQUENCY_COUNT, sizeof(uint16_t));
    mxArray* bins = host::CreateColumn(mxUINT16_CLASS, BIN_COUNT);
    std::memcpy(host::RealData(bins), payload + CONF_FREQUENCY_BINS, BIN_COUNT * sizeof(uint16_t));
    mxArray* shunt = ComplexTable(payload, CONF_SHUNT_REAL, CONF_SHUNT_IMAG);
    mxArray* compensation = ComplexTable(payload, CONF_COMP_REAL, CONF_COMP_IMAG);

    mxArray* result = host::CreateStruct(kFieldNames, 4);
    host::SetField(result, 0, count);
    host::SetField(result, 1, bins);
    host::SetField(result, 2, shunt);
    host::SetField(result, 3, compensation);
    plhs[0] = result;
}
