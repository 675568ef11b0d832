function R = VarneloReadRecording(fileName, firstLine, lineCount)
%VARNELOREADRECORDING Read a recording made by VarneloControl('StartRecording').
%   R = VarneloReadRecording(FileName) reads the whole file. FileName is a
%   char row or a MATLAB string scalar.
%   R = VarneloReadRecording(FileName, FirstLine, LineCount) reads LineCount
%   lines from line FirstLine on (1 is the first line), for part of a large
%   file; fewer when the file ends first. Events are those before the lines
%   read, and those after the last line when the part reaches the end.
%
%   Plain MATLAB code: it needs neither the module nor a connection, and
%   runs in MATLAB and GNU Octave. A file cut anywhere (a crash, kill -9, a
%   power loss) reads up to its last whole line; R.Truncated says so. A file
%   still being recorded can be read meanwhile, here or in Python: it reads
%   as what was written so far, with no RecordingEnd event yet, and perhaps
%   Truncated. docs/recording-format.md has the rules for damaged files.
%
%   R has the fields
%     Header       FormatVersion, ModuleVersion, StartTime (POSIX seconds,
%                  UTC), DeviceIndex, SerialNumber, DeviceInfo,
%                  SamplingDivider, LinesPerRead, and ConfData: the
%                  configuration as GetConfData returns it, or [] when the
%                  recording was started while measuring or under external
%                  trigger.
%     Data         GetData's 12 fields, in the same classes and shapes
%                  (N x 1 columns, N x 15 for ImpedanceModule and
%                  ImpedancePhase), one row per line in the order received.
%     ReceiveTime  N x 1: when each line was received (POSIX seconds, UTC).
%     Events       K x 1 columns: Time (POSIX seconds), Line (the index of
%                  the first line after the event), Kind (cell: 'Marker',
%                  'Gap', 'RecordingStart', 'RecordingEnd', a command word
%                  such as 'Start' or 'SetSamplingDivider', or a kind this
%                  reader does not know, kept as it is) and Text (cell: the
%                  marker's text, the command's arguments, the number of
%                  lines a gap lost, why the recording ended).
%     LinesLost    lines the recording could not keep (the sum of the gaps).
%     Truncated    true when the file was cut short: it ends before its
%                  first line's place or inside a record, in records that
%                  are not lines, inside an event's text (the event keeps
%                  the part that is there), or before the line an event
%                  names. A recording that ended cleanly has a
%                  RecordingEnd event; its file is complete when it is not
%                  Truncated as well.
%
%   Reading the events:
%     - A file holds at most 65,536 event slots. Markers and commands may
%       use 65,280 of them (RecordingStart takes one); then AddMarker is
%       refused and commands print that they are "not noted". For a run of
%       days with many markers, start a new file now and then.
%     - One outage of the disk can leave several Gap events at the same
%       line: add them up. A Gap has the time of its first lost line, so
%       events are in slot order, which is not strictly time order.
%     - Lines the instrument itself never sent leave no Gap: they show as
%       jumps in Data.MeasurementCycleCount.
%
%   Example:
%     R = VarneloReadRecording('session.vnrec');
%     t = R.ReceiveTime - R.ReceiveTime(1);
%     plot(t, R.Data.ImpedanceModule(:, 5));
%
%   See also VarneloControl, docs/recording.md, docs/recording-format.md.

if nargin >= 1 && isstring(fileName) && isscalar(fileName) && ~ismissing(fileName)
    fileName = char(fileName);  % a MATLAB string scalar, "session.vnrec"
end
if nargin < 1 || ~ischar(fileName) || isempty(fileName) || ~isrow(fileName)
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

% A file whose bytes so far agree with the magic is a recording, perhaps cut
% before its header was whole (the module creates the file, then writes it).
head = fread(fid, 512, '*uint8');
magic = uint8([137 86 78 82 69 67 13 10]);
known = min(numel(head), 8);
if ~isequal(reshape(head(1:known), 1, []), magic(1:known))
    error('VarneloReadRecording:format', '%s is not a Varnelo recording.', fileName);
end
if numel(head) < 24
    error('VarneloReadRecording:format', '%s ends inside its header.', fileName);
end
version = double(typecast(head(9:12), 'uint32'));
if version ~= 1
    error('VarneloReadRecording:format', '%s has format version %d; this reader reads version 1.', ...
          fileName, version);
end
headerSize = double(typecast(head(13:16), 'uint32'));
recordSize = double(typecast(head(17:20), 'uint32'));
eventSlots = double(typecast(head(21:24), 'uint32'));
if headerSize < 448 || recordSize < 208 || mod(recordSize, 8) ~= 0
    error('VarneloReadRecording:format', '%s is not a Varnelo recording.', fileName);
end
fseek(fid, 0, 'eof');
fileBytes = ftell(fid);
if fileBytes < headerSize
    error('VarneloReadRecording:format', '%s ends inside its header.', fileName);
end

R.Header = readHeader(head, version);
linesOffset = headerSize + eventSlots * recordSize;

% Data lines: whole records from linesOffset on, up to the last that is a
% line. The module makes the file linesOffset bytes long before anything
% else, so a shorter file was cut.
lineBytes = max(fileBytes - linesOffset, 0);
whole = floor(lineBytes / recordSize);
total = linesInFile(fid, linesOffset, recordSize, whole);
R.Truncated = fileBytes < linesOffset || mod(lineBytes, recordSize) ~= 0 || total < whole;

if partial
    first = min(firstLine - 1, total);
    count = min(lineCount, total - first);
else
    first = 0;
    count = total;
end
fseek(fid, linesOffset + first * recordSize, 'bof');
[R.Data, R.ReceiveTime] = readLines(fid, recordSize, count);

% Events: the slots in use, read until the first empty one. An event whose
% text records are missing, or that points past the last line, shows that
% the file was cut after it was written.
events = readEvents(fid, headerSize, recordSize, eventSlots, min(fileBytes, linesOffset));
R.Truncated = R.Truncated || events.textCut || any(events.line > total);
if partial
    keep = events.line >= first & (events.line < first + count | first + count >= total);
    if count == 0, keep = events.line == first; end
else
    keep = ':';
end
R.Events.Time = events.time(keep);
R.Events.Line = events.line(keep) + 1;
R.Events.Kind = events.kind(keep);
R.Events.Text = events.text(keep);
R.LinesLost = sum(events.value(keep) .* events.gap(keep));
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

function n = linesInFile(fid, linesOffset, recordSize, n)
% The lines end with the last of the n whole records that is a line (record
% kind 1, and the line's own sync word and kind); after it come only what a
% power loss left (zeros). Scanned from the end in blocks that grow, so that
% a file whose last record is a line costs one small read.
block = 1;
while n > 0
    first = max(n - block, 0);
    fseek(fid, linesOffset + first * recordSize, 'bof');
    b = fread(fid, [20, n - first], '20*uint8=>uint8', recordSize - 20);
    isLine = b(1, :) == 1 & b(2, :) == 0 & b(17, :) == 3 & b(18, :) == 255 & ...
             b(19, :) == 221 & b(20, :) == 1;
    last = find(isLine, 1, 'last');
    if ~isempty(last)
        n = first + last;
        return;
    end
    n = first;
    block = min(block * 16, 65536);
end
end

function [data, receiveTime] = readLines(fid, recordSize, count)
% count lines from the file's position, in GetData's classes and shapes. The
% lines are read as singles, four bytes a row of a column per record: the
% impedance values are then in their class already, and every other field
% is cast from the few rows that hold it (rows 3-4: the receive time; 7-8:
% the cycle count and period; 6, 9, 10, 41 and 42: the 16-bit fields, two
% a row). They are read in chunks, each cast and transposed while it is in
% the processor's cache, into arrays made once: that costs about half of
% reading the whole part first.
chunk = 16384;
module = zeros(count, 15, 'single');
phase = zeros(count, 15, 'single');
ns = zeros(count, 1, 'int64');
u32 = zeros(2, count, 'uint32');
u16 = zeros(10, count, 'uint16');
for first = 1:chunk:count
    n = min(chunk, count - first + 1);
    rows = first:first + n - 1;
    S = fread(fid, [recordSize / 4, n], '*single');
    part = S(3:4, :);
    ns(rows) = typecast(part(:), 'int64');
    part = S(7:8, :);
    u32(:, rows) = reshape(typecast(part(:), 'uint32'), 2, n);
    part = S([6 9 10 41 42], :);
    u16(:, rows) = reshape(typecast(part(:), 'uint16'), 10, n);
    module(rows, :) = S(11:25, :).';
    phase(rows, :) = S(26:40, :).';
end
data.SysErrors = u16(2, :).';
data.MeasurementCycleCount = u32(1, :).';
data.MeasurementCyclePeriod = u32(2, :).';
data.MaxChA = u16(3, :).';
data.MinChA = u16(4, :).';
data.MaxChB = u16(5, :).';
data.MinChB = u16(6, :).';
data.ImpedanceModule = module;
data.ImpedancePhase = phase;
data.BatteryLevel = u16(7, :).';
data.ChargerStatus = u16(8, :).';
data.GPIOState = u16(9, :).';
receiveTime = posixSeconds(ns);
end

function events = readEvents(fid, headerSize, recordSize, eventSlots, areaEnd)
% Every step works on all slots at once: a file at the event limit holds
% 65,281 events, too many for a loop over them.
slots = min(eventSlots, floor(max(areaEnd - headerSize, 0) / recordSize));
fseek(fid, headerSize, 'bof');
% The first 1024 slots, and only when the first empty slot is not among
% them all the slots in one read: few events cost one small read. Read as
% uint64 (Octave's fread of uint8 costs several times more): the first word
% holds the record's kind, the next three an event's time, line and value,
% the three after those its kind's name.
W = reshape(fread(fid, [recordSize / 8, min(1024, slots)], '*uint64'), recordSize / 8, []);
if size(W, 2) < slots && all(bitand(W(1, :), uint64(65535)) ~= 0)
    fseek(fid, headerSize, 'bof');
    W = fread(fid, [recordSize / 8, slots], '*uint64');
end
empty = find(bitand(W(1, :), uint64(65535)) == 0, 1);
if ~isempty(empty), W = W(:, 1:empty - 1); end
E = reshape(typecast(W(:), 'uint8'), recordSize, []);

kind = double(E(1, :)) + 256 * double(E(2, :));
bytes = double(E(3, :)) + 256 * double(E(4, :));
isEvent = kind == 2;
ev = find(isEvent);
K = numel(ev);
events.textCut = false;
if K == 0
    events.time = zeros(0, 1);
    events.line = zeros(0, 1);
    events.value = zeros(0, 1);
    events.kind = cell(0, 1);
    events.text = cell(0, 1);
    events.gap = false(0, 1);
    return;
end
events.time = posixSeconds(typecast(W(2, ev), 'int64')).';
events.line = double(W(3, ev)).';
events.value = double(W(4, ev)).';

% Kinds come in runs ('Marker' after 'Marker'): each run's name is decoded
% once and shared.
names = W(5:7, ev);
heads = [true, any(names(:, 2:end) ~= names(:, 1:end - 1), 1)];
names = E(33:56, ev(heads));
[~, nameBytes] = max([names; zeros(1, size(names, 2), 'uint8')] == 0, [], 1);
nameBytes = nameBytes - 1;
kinds = utf8Texts(names((1:24)' <= nameBytes), nameBytes);
run = cumsum(heads).';  % a column: kinds(run) is K x 1 even for one kind
events.kind = kinds(run);
isGap = strcmp(kinds, 'Gap');
events.gap = isGap(run);

% An event's text: up to 152 bytes in its own record, the rest in the text
% records after it, each adding at most what is still missing. The bytes an
% event has gathered after its j-th text record are min(need, here + the
% text records' counts so far), so cumulative sums give every record's share.
owner = cumsum(isEvent);
isText = kind == 3 & owner > 0;
need = bytes(ev);
here = min(need, 152);
offered = zeros(1, numel(kind));
offered(isText) = min(bytes(isText), 192);
sums = cumsum(offered);
o = owner(isText);
before = here(o) + sums(isText) - offered(isText) - sums(ev(o));
from = zeros(size(kind));
take = zeros(size(kind));
from(ev) = 56;
take(ev) = here;
from(isText) = 16;
take(isText) = min(need(o), before + offered(isText)) - min(need(o), before);
textBytes = min(need, here + sums([ev(2:end) - 1, numel(kind)]) - sums(ev));
events.textCut = any(textBytes < need);
% The texts' bytes, gathered in one indexing of E: the index steps by one
% within a record's part and jumps to the next part's first byte.
used = find(take > 0);
first = (used - 1) * recordSize + from(used) + 1;
take = take(used);
step = ones(1, sum(take));
if ~isempty(used)
    step(cumsum([1, take(1:end - 1)])) = first - [1, first(1:end - 1) + take(1:end - 1)] + 1;
end
events.text = utf8Texts(E(cumsum(step)), textBytes);
end

function texts = utf8Texts(bytes, lengths)
% The texts stored one after another in bytes, lengths(k) bytes each, as a
% column cell of char rows, decoded all at once. Ill-formed UTF-8 (from
% older modules, or a text cut inside a character) is first replaced, each
% maximal ill-formed part by U+FFFD, as Python's decode(errors='replace')
% does, so that both readers return the same text.
bytes = reshape(uint8(bytes), 1, []);
lengths = reshape(double(lengths), 1, []);
bad = find(illFormed(bytes, lengths));
if ~isempty(bad)
    parts = mat2cell(bytes, 1, lengths);
    for k = bad
        parts{k} = wellFormed(parts{k});
    end
    lengths = cellfun('length', parts);
    bytes = [parts{:}];
end
if exist('OCTAVE_VERSION', 'builtin')
    chars = char(bytes);  % Octave's char holds UTF-8 as it is
else
    chars = native2unicode(bytes, 'UTF-8');
end
if numel(chars) ~= numel(bytes)
    % UTF-16 (MATLAB): one unit a character, two beyond U+FFFF.
    units = [0, cumsum(double(bytes < 128 | bytes >= 192) + double(bytes >= 240))];
    ends = cumsum(lengths);
    lengths = units(ends + 1) - units(ends - lengths + 1);
end
texts = mat2cell(reshape(chars, 1, []), 1, lengths).';
texts(lengths == 0) = {''};
end

function bad = illFormed(bytes, lengths)
% Which texts are not well-formed UTF-8 on their own. Every sequence starts
% at a byte that is not a continuation byte (10xxxxxx) or at a text's first
% byte, runs to the next such start, and must be as long as its first byte
% says, with the narrower second byte after E0, ED, F0 and F4.
bad = false(size(lengths));
if all(bytes < 128), return; end
b = double(bytes);
n = numel(b);
firsts = cumsum([1, lengths(1:end - 1)]);
texts = find(lengths > 0);
textOf = zeros(1, n);
textOf(firsts(texts)) = diff([0, texts]);
textOf = cumsum(textOf);
starts = b < 128 | b >= 192;
starts(firsts(texts)) = true;
starts = find(starts);
runs = diff([starts, n + 1]);
wants = zeros(1, n);
wants(b < 128) = 1;
wants(b >= 194 & b < 224) = 2;
wants(b >= 224 & b < 240) = 3;
wants(b >= 240 & b < 245) = 4;
second = [b(2:end), 0];
narrow = (b == 224 & second < 160) | (b == 237 & second > 159) | ...
         (b == 240 & second < 144) | (b == 244 & second > 143);
wrong = starts(wants(starts) ~= runs | narrow(starts));
bad(textOf(wrong)) = true;
end

function out = wellFormed(b)
% b with each maximal ill-formed part replaced by U+FFFD (EF BF BD): a byte
% that cannot start a sequence, or a start and the continuation bytes that
% fit it before the sequence breaks off.
out = zeros(1, 3 * numel(b), 'uint8');
n = 0;
i = 1;
while i <= numel(b)
    c = double(b(i));
    low = 128;
    high = 191;
    if c < 128
        more = 0;
    elseif c >= 194 && c <= 223
        more = 1;
    elseif c >= 224 && c <= 239
        more = 2;
        if c == 224, low = 160; elseif c == 237, high = 159; end
    elseif c >= 240 && c <= 244
        more = 3;
        if c == 240, low = 144; elseif c == 244, high = 143; end
    else
        more = -1;
    end
    fits = 0;
    while fits < more && i + fits < numel(b)
        x = double(b(i + fits + 1));
        if x < low || x > high, break; end
        fits = fits + 1;
        low = 128;
        high = 191;
    end
    if fits == more
        out(n + 1:n + 1 + more) = b(i:i + more);
        n = n + 1 + more;
    else
        out(n + 1:n + 3) = [239 191 189];
        n = n + 3;
    end
    i = i + 1 + max(fits, 0);
end
out = out(1:n);
end

function t = posixSeconds(ns)
% int64 nanoseconds as double seconds, without losing the microseconds: the
% whole seconds (floored) and the nanoseconds after them, each exact.
fraction = mod(ns, int64(1000000000));
t = double((ns - fraction) / int64(1000000000)) + double(fraction) * 1e-9;
end

function text = zeroTerminated(bytes)
stop = find(bytes == 0, 1);
if isempty(stop), stop = numel(bytes) + 1; end
text = utf8Texts(bytes(1:stop - 1), stop - 1);
text = text{1};
end
