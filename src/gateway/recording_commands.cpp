// StartRecording, StopRecording, GetRecordingStatus and AddMarker, and the
// events the other commands leave in a running recording. The recording
// itself (buffer, writer thread, file) is recording/recording.h's.
#include <cstdio>
#include <cstring>
#include <string>

#include "data/data_commands.h"
#include "gateway/gateway.h"
#include "gateway/handlers.h"
#include "host/command_error.h"
#include "host/host.h"
#include "link/link.h"
#include "link/protocol.h"
#include "platform/platform.h"
#include "recording/recording.h"
#include "recovery/recovery.h"

namespace {

const char kNoRecordingRunning[] = "\tNo recording running, send 'StartRecording' command.\n";
const char kNoRoom[] = "\tNo room for more events in the recording file.\n";

constexpr int kStatusFieldCount = 6;
const char* const kStatusFieldNames[kStatusFieldCount] = {"FileName", "Recording", "Lines",
                                                          "LinesLost", "Bytes", "Error"};

bool Running(const ControlData* connection) {
    return ReadRecordingStatus(connection->recording).recording;
}

mxArray* StatusStructure(const RecordingStatus& status) {
    mxArray* s = host::CreateStruct(kStatusFieldNames, kStatusFieldCount);
    host::SetField(s, 0, host::CreateText(status.fileName));
    host::SetField(s, 1, host::CreateLogicalScalar(status.recording));
    host::SetField(s, 2, host::CreateDoubleScalar(static_cast<double>(status.lines)));
    host::SetField(s, 3, host::CreateDoubleScalar(static_cast<double>(status.linesLost)));
    host::SetField(s, 4, host::CreateDoubleScalar(static_cast<double>(status.bytes)));
    host::SetField(s, 5, host::CreateText(status.error));
    return s;
}

// One staged single (two frame words, low half first) as text that reads
// back as the same single.
std::string SingleText(const uint16_t* words) {
    const uint32_t bits = static_cast<uint32_t>(words[0]) | (static_cast<uint32_t>(words[1]) << 16);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return text;
}

}  // namespace

void StartRecordingCommand(ControlData* connection, int nrhs, const mxArray* prhs[]) {
    if (nrhs != 2) Fail("\tFile name missing. Argument 2. is the name of the recording file.\n");
    std::string name;
    if (!host::ReadText(prhs[1], &name)) Fail("\tArgument 2. is not a file name.\n");
    if (name.empty()) Fail("\tFile name is empty.\n");
    if (Running(connection))
        Fail("\tRecording already running, send 'StopRecording' command.\n");

    // The configuration goes into the header; while measuring the
    // instrument cannot be asked for it, and the header says so.
    uint8_t conf[CONF_DATA_SIZE];
    const bool haveConf = RequestConfDataWhenIdle(connection, conf);

    RecordingSource source{};
    source.moduleVersion = kModuleVersion;
    source.deviceIndex = connection->deviceIndex;
    source.serialNumber = connection->serialNumber;
    source.deviceInfo = connection->deviceInfo;
    source.samplingDivider = connection->samplingDivider;
    source.linesPerRead = connection->linesPerRead;
    source.mode = connection->mode.load();
    source.confData = haveConf ? conf : nullptr;
    Recording* recording = StartRecording(name.c_str(), source);
    // The settings in force, as far as this connection sent them, come
    // before the first line: the file then says what every line was measured
    // with. Settings never sent here are unknown, and the file leaves them out.
    const int64_t now = platform::UtcNowNanoseconds();
    for (const SentSetting& setting : connection->settings) {
        if (setting.sent) RecordEvent(recording, setting.command, setting.arguments, now);
    }
    // The one it replaces has ended and left the feed.
    DestroyRecording(connection->recording);
    connection->recording = recording;
    AttachConsumer(&connection->feed, RecordingConsumer(recording));
}

void StopRecordingCommand(ControlData* connection, int nlhs, mxArray* plhs[]) {
    if (nlhs > 1) Fail(kMsgOneReturnVariable);
    const RecordingStatus before = ReadRecordingStatus(connection->recording);
    if (!connection->recording || before.finished) Fail("\tNo recording to stop.\n");
    FinishRecording(connection->recording, "StopRecording");
    DetachConsumer(&connection->feed, connection->recording);
    RecordingStatus status = ReadRecordingStatus(connection->recording);
    // Its failure, if any, is reported here: the next call need not repeat it.
    std::string message;
    TakeRecordingFailure(connection->recording, &message);
    plhs[0] = StatusStructure(status);
}

void GetRecordingStatusCommand(ControlData* connection, int nlhs, mxArray* plhs[]) {
    if (nlhs > 1) Fail(kMsgOneReturnVariable);
    plhs[0] = StatusStructure(ReadRecordingStatus(connection->recording));
}

void AddMarkerCommand(ControlData* connection, int nrhs, const mxArray* prhs[]) {
    if (nrhs != 2) Fail("\tMarker text missing. Argument 2. is the marker's text.\n");
    std::string text;
    if (!host::ReadText(prhs[1], &text)) Fail("\tArgument 2. is not text.\n");
    if (!Running(connection) && !StreamingRuns(connection)) Fail(kNoRecordingRunning);
    if (text.size() > MAX_EVENT_TEXT) Fail("\tMarker text too long, at most 4096 bytes.\n");
    const FeedOutcome outcome =
        HandOnEvent(&connection->feed, EVENT_MARKER, text, platform::UtcNowNanoseconds());
    if (outcome.noRoom) Fail(kNoRoom);
    if (outcome.taken == 0) Fail(kNoRecordingRunning);
}

void NoteCommand(ControlData* connection, const char* word, const std::string& arguments) {
    const FeedOutcome outcome =
        HandOnEvent(&connection->feed, word, arguments, platform::UtcNowNanoseconds());
    if (outcome.noRoom)
        host::Print("\tNo room for more events in the recording file: '%s' is not noted.\n", word);
}

void NoteSetting(ControlData* connection, SettingSlot slot, const char* word,
                 const std::string& arguments) {
    const bool table = slot == SETTING_SHUNT_TABLE || slot == SETTING_COMP_TABLE;
    RememberSetting(connection, slot, table ? 2 + 4 * BIN_COUNT : 3, word, arguments);
    NoteCommand(connection, word, arguments);
}

std::string StagedComplexText(const ControlData* connection, uint32_t count) {
    std::string text;
    for (uint32_t k = 0; k < count; ++k) {
        const std::string imag = SingleText(&connection->cmdWords[2 + 2 * count + 2 * k]);
        if (k > 0) text += ", ";
        text += SingleText(&connection->cmdWords[2 + 2 * k]);
        text += imag[0] == '-' ? imag : "+" + imag;
        text += "i";
    }
    return text;
}

void ReportRecordingFailure(ControlData* connection) {
    std::string message;
    if (connection && TakeRecordingFailure(connection->recording, &message))
        host::Print("%s", message.c_str());
}
