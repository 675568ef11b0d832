%VARNELOCONTROL Drive a Varnelo series USB multi-frequency impedance instrument.
%   VarneloControl(COMMAND, ...) runs one command on the instrument. COMMAND
%   is one of the 24 command words below, matched exactly (case-sensitive,
%   no abbreviation, no blanks). The further inputs and the outputs depend
%   on the command. The module keeps one connection at a time.
%
%   Text inputs (COMMAND, words such as 'On', file names, marker texts) are
%   char rows or string scalars ("On"), which are converted as char
%   converts them. A name or text of several rows, with a zero character or
%   with characters that are not UTF-8 text is refused, never cut.
%
%   Modes. A connection is always in one of three modes:
%     idle              after Connect, Stop and SetExternalTrigger('Off')
%     measuring         after Start: the instrument streams data lines
%     external trigger  after SetExternalTrigger('On'): one data line per
%                       edge on the instrument's SYNC-IO input
%   "Runs in" below names the modes in which a command is accepted; in any
%   other mode it raises the message given in the reference.
%
%   Connection
%     VarneloControl('Connect')
%     VarneloControl('Connect', 'RingLines', N)
%     VarneloControl('Connect', 'Reconnect', 'On')
%         Opens the first instrument that no other program holds, prints
%         the start-up banner, the device index, the serial number and the
%         instrument's information text. The module keeps measured lines in
%         a ring of 500 lines, or of N lines (500 to 1,000,000) with
%         'RingLines': at 1,000 lines/s, 60000 holds a minute (12 MB).
%         'Reconnect', 'On' turns recovery on (below); 'Off' is the default.
%         The two options combine, in either order. Runs when not connected.
%     VarneloControl('Disconnect')
%         Stops a running measurement, ends a running recording and prints
%         its final status ("Recording ended by Disconnect: ..."), closes
%         a running stream's outlets, closes the instrument and prints
%         "Varnelo device USB connection closed...". Runs in every mode.
%     INFO = VarneloControl('GetDevInfo')
%         INFO is a char row 'Device[<index>] S/N:<serial><information
%         text>'. Runs in every mode.
%
%   Measurement
%     VarneloControl('Start')
%         Starts internally paced measurement with an empty ring: unread
%         lines do not outlive Stop. Runs in idle mode.
%     VarneloControl('Stop')
%         Ends internally paced measurement. Runs in measuring mode.
%     D = VarneloControl('GetData', N)
%     [D, STATUS] = VarneloControl('GetData', N)
%         Takes the N oldest unread lines (N a positive double, truncated
%         toward zero) from the module's ring, in order and each once,
%         waiting for lines that have not arrived yet. D is a 1x1 struct,
%         one row per line:
%           SysErrors               N x 1  uint16  instrument error flags
%           MeasurementCycleCount   N x 1  uint32  cycle counter
%           MeasurementCyclePeriod  N x 1  uint32  cycle period
%           MaxChA, MinChA          N x 1  uint16  channel A extremes
%           MaxChB, MinChB          N x 1  uint16  channel B extremes
%           ImpedanceModule         N x 15 single  |Z| at the 15 bins
%           ImpedancePhase          N x 15 single  phase at the 15 bins
%           BatteryLevel            N x 1  uint16
%           ChargerStatus           N x 1  uint16
%           GPIOState               N x 1  uint16
%         When a line does not come within the polling period (lines per
%         read x divider + 20 ms, + 10000 ms under external trigger) the
%         time-out is printed and the remaining rows are 0.
%         When lines arrive while the ring is full, the oldest unread ones
%         are dropped. STATUS is a 1x1 struct:
%           LinesLost     double   lines dropped since the previous GetData
%           LinesWaiting  double   unread lines left in the ring
%           TimedOut      logical  the call ended with the time-out
%           ReceiveTime   N x 1 double  when each row's line was received,
%                                  POSIX seconds (UTC); 0 for empty rows
%           InstrumentAway logical  the instrument is off the bus and the
%                                  module waits for it (recovery on)
%         With one output a loss is printed instead ("Data lines lost: N
%         (ring overflow)."). Ctrl-C ends a waiting GetData; the lines it
%         had taken come first in the next call. Runs in measuring and
%         external trigger mode.
%     VarneloControl('SetExternalTrigger', 'On' | 'Off')
%         'On' starts externally triggered measurement with an empty ring
%         (idle mode only) and prints a warning about switching it off;
%         'Off' ends it (external trigger mode only).
%
%   Settings (sent to the instrument, never read back; the module keeps the
%   latest value of each it sent, for recordings and recovery)
%     VarneloControl('SetSamplingDivider', DIV)
%         DIV is one of 1, 2, 4, 6, 8, 10, 12, 14, 16, 20, 24, 28, 32, 40,
%         48, 56, 64, 80, 96, 112, 128, 160, 192, 196, 224, 256, 320, 384,
%         448, 512, 640, 768, 896, 1024, 1280, 1536, 1792. Runs in idle mode.
%     VarneloControl('SetExcitationLevel', LEVEL)
%         LEVEL is 0..255 (truncated toward zero). Runs in every mode.
%     VarneloControl('SetInputGain', GAINA, GAINB)
%         Channel A and channel B gains, each '1x', '2x', '5x' or '10x'.
%         Runs in every mode.
%     VarneloControl('SetCompensation', COMP, COMPMEAS)
%         COMP switches compensation, COMPMEAS compensation measurement;
%         each 'On' or 'Off'. Runs in every mode.
%     VarneloControl('SetBatterySupply', 'On' | 'Off')
%         Runs in every mode.
%     [A, B] = VarneloControl('SetGPIO', FIRST, SECOND)
%         Sets the two 3-bit GPIO fields (FIRST in bits 5-3, SECOND in bits
%         2-0) and needs exactly two outputs, each a uint8. In idle mode A
%         and B are the two fields the instrument reports back. While
%         measuring, A is 0 and B is the whole GPIO byte of the latest data
%         line (both fields). Runs in every mode.
%
%   Calibration
%     C = VarneloControl('GetConfData')
%         C is a 1x1 struct:
%           FrequencyCount             1 x 1  uint16
%           FrequencyBins              15 x 1 uint16  the bins' frequency words
%           ShuntComplexValues         15 x 1 complex single
%           CompensationComplexValues  15 x 1 complex single
%         Runs in idle mode.
%     VarneloControl('SetShuntVal', Z)
%     VarneloControl('SetCompVal', Z)
%         Upload the shunt or the compensation table: Z is a complex double
%         array with exactly 15 columns (a 1x15 row), sent as single
%         precision. Nothing is read back; use GetConfData. Runs in every
%         mode.
%     ZS = VarneloControl('GetShuntData', F)
%         Reads the front end's EEPROM calibration, checks its CRC and
%         interpolates the shunt impedance at the first 15 frequencies of
%         the double array F (none may be 0). ZS is 1x15 complex double, the
%         shape SetShuntVal takes. Runs in every mode.
%
%   Recording (to disk, from a thread of the module's own)
%     VarneloControl('StartRecording', FILENAME)
%         Creates the new file FILENAME (never over an existing one) and
%         writes every line the module receives to it, with its receive
%         time, whether or not GetData is called, until StopRecording,
%         Disconnect or exit. Commands that change the instrument's state
%         are written into it as events. Started in idle mode, the file's
%         header holds the configuration (as GetConfData). Runs in every
%         mode; one recording at a time.
%     S = VarneloControl('GetRecordingStatus')
%     S = VarneloControl('StopRecording')
%         S is a 1x1 struct: FileName (the full path of the file
%         created), Recording (logical), Lines,
%         LinesLost (lines the recording could not keep), Bytes, and
%         Error ('' or the failure that stopped it). StopRecording writes
%         what is left, makes the file durable and closes it. A full disk
%         stops the recording, never the measurement.
%     VarneloControl('AddMarker', TEXT)
%         Writes an event with the host's time and TEXT (up to 4096 bytes)
%         into the running recording, and pushes TEXT on the marker stream
%         of a running stream: stimuli, protocol steps, notes.
%     A recording started after settings were sent begins with one event
%     per setting sent in this connection (its latest value); settings
%     never sent are unknown and not written.
%     R = VarneloReadRecording(FILENAME) reads a recording back, without
%     the module (see help VarneloReadRecording).
%
%   Streaming (Lab Streaming Layer, from a thread of the module's own)
%     VarneloControl('StartStreaming')
%     VarneloControl('StartStreaming', NAME)
%         Opens two LSL outlets and pushes every line the module receives,
%         whether or not GetData is called, until StopStreaming,
%         Disconnect or exit: a data stream (type Impedance, name NAME or
%         'Varnelo <serial number>', source id 'varnelo-<serial number>',
%         33 double channels: MeasurementCycleCount, ImpedanceModule and
%         ImpedancePhase at the 15 bins, SysErrors, GPIOState; time stamps
%         are the receive times in LSL's clock) and a marker stream (type
%         Markers) with AddMarker's texts and the commands' events. Runs in
%         every mode; one stream at a time. See docs/lsl.md.
%     S = VarneloControl('GetStreamingStatus')
%     S = VarneloControl('StopStreaming')
%         S is a 1x1 struct: Name, SourceId, Streaming (logical),
%         LinesPushed, LinesNotPushed (lines the stream could not keep),
%         MarkersPushed, HasConsumers (logical: an inlet is connected).
%
%   Recovery (Connect with 'Reconnect', 'On')
%     When the instrument drops off the bus (a bumped cable, a hub reset, a
%     brown-out), the module prints "Instrument lost [code] - text" and
%     "Waiting for it to come back", and looks for it every 250 ms. It takes
%     back only the same serial number, at any device index (another
%     instrument is left alone and reported once), sends it the latest value
%     of every setting sent in this connection, uploads the calibration
%     tables again if it lost them, resumes Start or the external trigger,
%     and prints "Instrument back, ... Restored: <what>.". A running
%     recording goes on in the same file, with InstrumentLost and
%     InstrumentBack events. While the instrument is away:
%       GetData             returns at its time-out without the time-out
%                           message; STATUS.InstrumentAway is true
%       settings, GetDevInfo, GetConfData, GetShuntData, SetShuntVal,
%       SetCompVal, Start, SetExternalTrigger('On')
%                           raise "Instrument lost, waiting for it to come
%                           back: command not sent." and change nothing
%       Stop, SetExternalTrigger('Off')
%                           succeed; the instrument comes back idle
%       recording commands, Disconnect
%                           work as usual
%     It cannot recover an instrument without a serial number (Connect
%     says so; recovery is then off), nor the lines the instrument would
%     have measured while away (they never existed; LinesLost counts only
%     ring overflows); a setting changed while away is refused, not kept.
%
%   Errors. A refused or failed command raises an error whose message
%   begins with a tab; in GNU Octave it reads "VarneloControl: <message>".
%   Messages that do not end a command (USB errors, data time-outs, the
%   external trigger warning, the instrument lost and back) are printed. docs/commands.md in the project
%   lists every message of every command.
%
%   Example
%     VarneloControl('Connect');
%     disp(VarneloControl('GetDevInfo'));
%     VarneloControl('Start');
%     d = VarneloControl('GetData', 100);   % d.ImpedanceModule is 100 x 15
%     [d, s] = VarneloControl('GetData', 100);  % s.LinesLost, s.ReceiveTime
%     VarneloControl('Stop');
%     VarneloControl('Disconnect');
%
%   This file holds the help text only; the command itself is the compiled
%   module beside it (VarneloControl.mex in Octave, VarneloControl.mexw64 in
%   MATLAB on Windows), which MATLAB and Octave call in its place.
%
%   See also VarneloReadRecording, and the examples folder: acquire_continuous,
%   acquire_external_trigger, calibration_roundtrip, gpio_lines, record_session,
%   recover_session.
