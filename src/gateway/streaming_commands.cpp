// StartStreaming, StopStreaming and GetStreamingStatus. The stream itself
// (buffer, thread, outlets) is streaming/streaming.h's.
#include <string>

#include "data/data_commands.h"
#include "gateway/gateway.h"
#include "gateway/handlers.h"
#include "host/command_error.h"
#include "host/host.h"
#include "link/protocol.h"
#include "streaming/streaming.h"

namespace {

constexpr int kStatusFieldCount = 7;
const char* const kStatusFieldNames[kStatusFieldCount] = {
    "Name", "SourceId", "Streaming", "LinesPushed", "LinesNotPushed", "MarkersPushed", "HasConsumers"};

mxArray* StatusStructure(const StreamingStatus& status) {
    mxArray* s = host::CreateStruct(kStatusFieldNames, kStatusFieldCount);
    host::SetField(s, 0, host::CreateText(status.name));
    host::SetField(s, 1, host::CreateText(status.sourceId));
    host::SetField(s, 2, host::CreateLogicalScalar(status.streaming));
    host::SetField(s, 3, host::CreateDoubleScalar(static_cast<double>(status.linesPushed)));
    host::SetField(s, 4, host::CreateDoubleScalar(static_cast<double>(status.linesNotPushed)));
    host::SetField(s, 5, host::CreateDoubleScalar(static_cast<double>(status.markersPushed)));
    host::SetField(s, 6, host::CreateLogicalScalar(status.hasConsumers));
    return s;
}

// The rate of the lines that come next: under Start 1000 / divider lines a
// second, under the external trigger as the edges come; in idle mode that
// of a Start, which the external trigger would change when it comes.
double NominalRate(const ControlData* connection) {
    return connection->mode.load() == MODE_EXT_TRIGGER ? 0.0 : 1000.0 / connection->samplingDivider;
}

}  // namespace

bool StreamingRuns(const ControlData* connection) {
    return ReadStreamingStatus(connection->streaming).streaming;
}

void StartStreamingCommand(ControlData* connection, int nrhs, const mxArray* prhs[]) {
    if (nrhs != 1 && nrhs != 2)
        Fail("\tToo many arguments. Argument 2. is the data stream's name, and may be left out.\n");
    std::string name;
    if (nrhs == 2) {
        if (!host::ReadText(prhs[1], &name))
            Fail("\tArgument 2. is not a stream name.\n");
        if (name.empty()) Fail("\tStream name is empty.\n");
    }
    if (StreamingRuns(connection))
        Fail("\tStreaming already running, send 'StopStreaming' command.\n");

    // The configuration goes into the stream's description; while measuring
    // (or while the instrument is away) it cannot be asked for.
    uint8_t conf[CONF_DATA_SIZE];
    const bool haveConf = RequestConfDataWhenIdle(connection, conf);

    StreamingSource source;
    source.name = name;
    source.serialNumber = connection->serialNumber;
    source.deviceInfo = connection->deviceInfo;
    source.moduleVersion = kModuleVersion;
    source.deviceIndex = connection->deviceIndex;
    source.samplingDivider = connection->samplingDivider;
    source.nominalRate = NominalRate(connection);
    source.confData = haveConf ? conf : nullptr;
    Streaming* streaming = StartStreaming(source);
    // The one it replaces has ended and left the feed.
    DestroyStreaming(connection->streaming);
    connection->streaming = streaming;
    AttachConsumer(&connection->feed, StreamingConsumer(streaming));
}

void StopStreamingCommand(ControlData* connection, int nlhs, mxArray* plhs[]) {
    if (nlhs > 1) Fail(kMsgOneReturnVariable);
    if (!StreamingRuns(connection)) Fail("\tNo streaming to stop.\n");
    DetachConsumer(&connection->feed, connection->streaming);
    StopStreaming(connection->streaming);
    plhs[0] = StatusStructure(ReadStreamingStatus(connection->streaming));
}

void GetStreamingStatusCommand(ControlData* connection, int nlhs, mxArray* plhs[]) {
    if (nlhs > 1) Fail(kMsgOneReturnVariable);
    plhs[0] = StatusStructure(ReadStreamingStatus(connection->streaming));
}
