function R = VarneloReadRecording(fileName, firstLine, lineCount)
%VARNELOREADRECORDING Read a recording made by VarneloControl('StartRecording').
%   R = VarneloReadRecording(FileName) reads the whole file.
%   R = VarneloReadRecording(FileName, FirstLine, LineCount) reads LineCount
%   lines from line FirstLine on (1 is the first line), for part of a large
%   file; fewer when the file ends first. Events are those before the lines
%   read, and those after the last line when the part reaches the end.
%
%   Plain MATLAB code: it needs neither the module nor a connection, and
%   runs in MATLAB and GNU Octave. A file cut anywhere (a crash, kill -9, a
%   power loss) reads up to its last whole record; R.Truncated says so.
%
%   R has the fields
%     Header       FormatVersion, ModuleVersion, StartTime (POSIX seconds,
%                  UTC), DeviceIndex, SerialNumber, DeviceInfo,
%                  SamplingDivider, LinesPerRead, and ConfData: the
%                  configuration as GetConfData returns it, or [] when the
%                  recording was started while measuring.
%     Data         GetData's 12 fields, in the same classes and shapes
%                  (N x 1 columns, N x 15 for ImpedanceModule and
%                  ImpedancePhase), one row per line in the order received.
%     ReceiveTime  N x 1: when each line was received (POSIX seconds, UTC).
%     Events       K x 1 columns: Time (POSIX seconds), Line (the index of
%                  the first line after the event), Kind (cell: 'Marker',
%                  'Gap', 'RecordingStart', 'RecordingEnd' or a command word
%                  such as 'Start' or 'SetSamplingDivider') and Text (cell:
%                  the marker's text, the command's arguments, the number of
%                  lines a gap lost, why the recording ended).
%     LinesLost    lines the recording could not keep (the sum of the gaps).
%     Truncated    true when the file ends inside a record.
%
%   Example:
%     R = VarneloReadRecording('session.vnrec');
%     t = R.ReceiveTime - R.ReceiveTime(1);
%     plot(t, R.Data.ImpedanceModule(:, 5));
%
%   See also VarneloControl, docs/recording.md, docs/recording-format.md.

if nargin < 1 || ~ischar(fileName) || isempty(fileName)
    error('VarneloReadRecording:arguments', 'The first argument is the name of a recording file.');
end
if nargin == 2 || nargin > 3
    error('VarneloReadRecording:arguments', 'Give FirstLine and LineCount together.');
end
partial = nargin == 3;
if partial
    if ~isscalar(firstLine) || ~isscalar(lineCount) || firstLine < 1 || lineCount < 0 || ...
            firstLine ~= fix(firstLine) || lineCount ~= fix(lineCount)
        error('VarneloReadRecording:arguments', ...
              'FirstLine is a whole number from 1 on, LineCount a whole number from 0 on.');
    end
end

[fid, message] = fopen(fileName, 'r', 'ieee-le');
if fid < 0
    error('VarneloReadRecording:open', 'Cannot open %s: %s', fileName, message);
end
closer = onCleanup(@() fclose(fid));

head = fread(fid, 512, '*uint8');
magic = uint8([137 86 78 82 69 67 13 10])';
if numel(head) < 24 || ~isequal(head(1:8), magic)
    error('VarneloReadRecording:format', '%s is not a Varnelo recording.', fileName);
end
version = double(typecast(head(9:12), 'uint32'));
if version ~= 1
    error('VarneloReadRecording:format', '%s has format version %d; this reader reads version 1.', ...
          fileName, version);
end
headerSize = double(typecast(head(13:16), 'uint32'));
recordSize = double(typecast(head(17:20), 'uint32'));
eventSlots = double(typecast(head(21:24), 'uint32'));
if numel(head) < 448 || headerSize < 448 || recordSize < 208
    error('VarneloReadRecording:format', '%s ends inside its header.', fileName);
end

R.Header = readHeader(head, version);
fseek(fid, 0, 'eof');
fileBytes = ftell(fid);
linesOffset = headerSize + eventSlots * recordSize;

% Data lines: whole records from linesOffset on. A tail that is not a line
% (a power loss can leave zeros) is cut like a partial record.
lineBytes = max(fileBytes - linesOffset, 0);
total = floor(lineBytes / recordSize);
R.Truncated = mod(lineBytes, recordSize) ~= 0 || fileBytes < headerSize;
if total > 0 && ~isLineAt(fid, linesOffset, recordSize, total - 1)
    low = 0;  % the last line index known valid, or -1
    if ~isLineAt(fid, linesOffset, recordSize, 0), low = -1; else
        high = total - 1;  % known invalid
        while high - low > 1
            mid = floor((low + high) / 2);
            if isLineAt(fid, linesOffset, recordSize, mid), low = mid; else high = mid; end
        end
    end
    total = low + 1;
    R.Truncated = true;
end

if partial
    first = min(firstLine - 1, total);
    count = min(lineCount, total - first);
else
    first = 0;
    count = total;
end
fseek(fid, linesOffset + first * recordSize, 'bof');
% Read as singles, four bytes a row: the impedance values are then in
% their class already, and every other field is cast from a few rows.
S = fread(fid, [recordSize / 4, count], '*single');
[R.Data, R.ReceiveTime] = decodeLines(S);

% Events: the slots in use, read until the first empty one.
events = readEvents(fid, headerSize, recordSize, eventSlots, min(fileBytes, linesOffset));
if partial
    keep = events.line >= first & (events.line < first + count | first + count >= total);
    if count == 0, keep = events.line == first; end
else
    keep = true(size(events.line));
end
R.Events.Time = events.time(keep);
R.Events.Line = events.line(keep) + 1;
R.Events.Kind = events.kind(keep);
R.Events.Text = events.text(keep);
R.LinesLost = sum(events.value(keep & strcmp(events.kind, 'Gap')));
end

function header = readHeader(head, version)
header.FormatVersion = version;
header.ModuleVersion = zeroTerminated(head(41:64));
header.StartTime = posixSeconds(typecast(head(25:32), 'int64'));
header.DeviceIndex = double(typecast(head(33:34), 'uint16'));
header.SerialNumber = zeroTerminated(head(65:96));
header.DeviceInfo = zeroTerminated(head(97:176));
header.SamplingDivider = double(typecast(head(35:36), 'uint16'));
header.LinesPerRead = double(head(37));
if head(38) == 1
    c = head(177:448);
    header.ConfData.FrequencyCount = typecast(c(1:2), 'uint16');
    header.ConfData.FrequencyBins = typecast(c(3:32), 'uint16');
    header.ConfData.ShuntComplexValues = complex(typecast(c(33:92), 'single'), ...
                                                 typecast(c(93:152), 'single'));
    header.ConfData.CompensationComplexValues = complex(typecast(c(153:212), 'single'), ...
                                                        typecast(c(213:272), 'single'));
else
    header.ConfData = [];
end
end

function ok = isLineAt(fid, linesOffset, recordSize, index)
% A data line: record kind 1, and the line's own sync word and kind.
fseek(fid, linesOffset + index * recordSize, 'bof');
b = fread(fid, 20, '*uint8');
ok = numel(b) == 20 && b(1) == 1 && b(2) == 0 && isequal(b(17:20), uint8([3; 255; 221; 1]));
end

function [data, receiveTime] = decodeLines(S)
% S: one record a column, as 52 four-byte rows.
n = size(S, 2);
if n == 0
    u16 = zeros(0, 1, 'uint16'); u32 = zeros(0, 1, 'uint32'); s = zeros(0, 15, 'single');
    data = struct('SysErrors', u16, 'MeasurementCycleCount', u32, 'MeasurementCyclePeriod', u32, ...
                  'MaxChA', u16, 'MinChA', u16, 'MaxChB', u16, 'MinChB', u16, ...
                  'ImpedanceModule', s, 'ImpedancePhase', s, 'BatteryLevel', u16, ...
                  'ChargerStatus', u16, 'GPIOState', u16);
    receiveTime = zeros(0, 1);
    return;
end
% Rows 3-10: record bytes 8-39, the receive time and the line's first 24
% bytes; rows 41-42: record bytes 160-167, its last three fields.
head = S(3:10, :);
t = reshape(typecast(head(:), 'int64'), 4, n);
u16 = reshape(typecast(head(:), 'uint16'), 16, n);
u32 = reshape(typecast(head(:), 'uint32'), 8, n);
tail = S(41:42, :);
tail = reshape(typecast(tail(:), 'uint16'), 4, n);
data.SysErrors = u16(8, :).';
data.MeasurementCycleCount = u32(5, :).';
data.MeasurementCyclePeriod = u32(6, :).';
data.MaxChA = u16(13, :).';
data.MinChA = u16(14, :).';
data.MaxChB = u16(15, :).';
data.MinChB = u16(16, :).';
data.ImpedanceModule = S(11:25, :).';
data.ImpedancePhase = S(26:40, :).';
data.BatteryLevel = tail(1, :).';
data.ChargerStatus = tail(2, :).';
data.GPIOState = tail(3, :).';
receiveTime = posixSeconds(t(1, :).');
end

function events = readEvents(fid, headerSize, recordSize, eventSlots, areaEnd)
events = struct('time', zeros(0, 1), 'line', zeros(0, 1), 'value', zeros(0, 1), ...
                'kind', {cell(0, 1)}, 'text', {cell(0, 1)});
slots = min(eventSlots, floor(max(areaEnd - headerSize, 0) / recordSize));
fseek(fid, headerSize, 'bof');
E = zeros(recordSize, 0, 'uint8');
chunk = 1024;
while size(E, 2) < slots
    part = fread(fid, [recordSize, min(chunk, slots - size(E, 2))], '*uint8');
    E = [E, part]; %#ok<AGROW>
    if isempty(part) || any(part(1, :) == 0 & part(2, :) == 0), break; end
end
kinds = double(E(1, :)) + 256 * double(E(2, :));
used = find(kinds == 0, 1);
if ~isempty(used), kinds = kinds(1:used - 1); end
k = 0;
pending = 0;
text = uint8([]);
for s = 1:numel(kinds)
    r = E(:, s);
    bytes = double(typecast(r(3:4), 'uint16'));
    if kinds(s) == 2
        k = k + 1;
        events.time(k, 1) = posixSeconds(typecast(r(9:16), 'int64'));
        events.line(k, 1) = double(typecast(r(17:24), 'uint64'));
        events.value(k, 1) = double(typecast(r(25:32), 'uint64'));
        events.kind{k, 1} = zeroTerminated(r(33:56));
        pending = bytes;
        here = min(pending, 152);
        text = r(57:56 + here);
        pending = pending - here;
    elseif kinds(s) == 3 && k > 0 && pending > 0
        here = min(bytes, pending);
        text = [text; r(17:16 + here)]; %#ok<AGROW>
        pending = pending - here;
    else
        continue;
    end
    events.text{k, 1} = utf8Text(text);
end
end

function t = posixSeconds(ns)
% int64 nanoseconds as double seconds, without losing the microseconds.
whole = idivide(ns, int64(1000000000), 'floor');
t = double(whole) + double(ns - whole * int64(1000000000)) * 1e-9;
end

function text = zeroTerminated(bytes)
stop = find(bytes == 0, 1);
if ~isempty(stop), bytes = bytes(1:stop - 1); end
text = utf8Text(bytes);
end

function text = utf8Text(bytes)
if isempty(bytes)
    text = '';
else
    text = native2unicode(reshape(bytes, 1, []), 'UTF-8');
end
end
