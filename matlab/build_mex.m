function build_mex(varargin)
%BUILD_MEX Build VarneloControl.mexw64 from the sources with MATLAB's mex.
%   BUILD_MEX builds the module into this folder (matlab/). It needs 64-bit
%   MATLAB on Windows and a C++17 compiler chosen with "mex -setup C++":
%   the MinGW-w64 add-on 8.1 or later, or Microsoft Visual C++ 2017 (15.3)
%   or later. docs/windows.md says what to do when -lut is not found.
%
%   BUILD_MEX(OPTION, ...) passes further options to mex, e.g. '-v'.
%
%   The module is built against MATLAB's own mex.h with the separate-complex
%   API (-R2017b), with liblsl and pugixml from third_party compiled in (the
%   LSL streams), and linked with WinUSB, SetupAPI, Winsock and the other
%   system libraries liblsl calls, and MATLAB's libut (for Ctrl-C in GetData).

if ~ispc || ~strcmp(computer('arch'), 'win64')
    error('build_mex:platform', 'VarneloControl.mexw64 builds on 64-bit Windows only.');
end

here = fileparts(mfilename('fullpath'));
src = fullfile(fileparts(here), 'src');
thirdParty = fullfile(fileparts(here), 'third_party');

% The module's logic, then the Windows platform layer and WinUSB transport.
sources = {};
for part = {'gateway', 'connection', 'link', 'feed', 'recovery', 'data', 'recording', 'streaming', 'host'}
    found = dir(fullfile(src, part{1}, '*.cpp'));
    sources = [sources, fullfile(src, part{1}, {found.name})]; %#ok<AGROW>
end
sources = [sources, { ...
    fullfile(src, 'platform', 'windows', 'platform_win32.cpp'), ...
    fullfile(src, 'platform', 'windows', 'files_win32.cpp'), ...
    fullfile(src, 'usb', 'winusb', 'winusb_device.cpp'), ...
    fullfile(src, 'usb', 'winusb', 'error_text_win32.cpp')}];

% liblsl 1.17.7 and pugixml 1.13, compiled into the module as cmake/Lsl.cmake
% builds them: the same sources, definitions and include folders (a test
% holds the two builds to each other). LIBLSL_STATIC keeps liblsl's
% functions inside the module; asio's out-of-line code is compiled once, in
% asio_objects.cpp; liblsl's debug log stays off, so that loguru installs no
% signal handlers in MATLAB.
lsl = { ...
    'liblsl/src/api_config.cpp', 'liblsl/src/buildinfo.cpp', 'liblsl/src/cancellation.cpp', ...
    'liblsl/src/common.cpp', 'liblsl/src/consumer_queue.cpp', 'liblsl/src/data_receiver.cpp', ...
    'liblsl/src/info_receiver.cpp', 'liblsl/src/inlet_connection.cpp', ...
    'liblsl/src/lsl_inlet_c.cpp', 'liblsl/src/lsl_outlet_c.cpp', 'liblsl/src/lsl_resolver_c.cpp', ...
    'liblsl/src/lsl_streaminfo_c.cpp', 'liblsl/src/lsl_xml_element_c.cpp', ...
    'liblsl/src/netinterfaces.cpp', 'liblsl/src/resolve_attempt_udp.cpp', ...
    'liblsl/src/resolver_impl.cpp', 'liblsl/src/sample.cpp', 'liblsl/src/send_buffer.cpp', ...
    'liblsl/src/socket_utils.cpp', 'liblsl/src/stream_info_impl.cpp', ...
    'liblsl/src/stream_outlet_impl.cpp', 'liblsl/src/tcp_server.cpp', ...
    'liblsl/src/time_postprocessor.cpp', 'liblsl/src/time_receiver.cpp', ...
    'liblsl/src/udp_server.cpp', 'liblsl/src/util/cast.cpp', 'liblsl/src/util/endian.cpp', ...
    'liblsl/src/util/inireader.cpp', 'liblsl/src/util/strfuns.cpp', ...
    'liblsl/thirdparty/loguru/loguru.cpp', 'liblsl/thirdparty/asio_objects.cpp', ...
    'pugixml/pugixml.cpp'};
lslFolders = {'liblsl/include', 'liblsl/lslboost', 'liblsl/thirdparty/asio', ...
    'liblsl/thirdparty/loguru', 'pugixml'};
lslDefines = {'-DLIBLSL_STATIC', '-DBOOST_ALL_NO_LIB', '-DASIO_NO_DEPRECATED', ...
    '-DASIO_SEPARATE_COMPILATION', '-DASIO_DISABLE_VISIBILITY', '-DLOGURU_DEBUG_LOGGING=0', ...
    '-DLOGURU_STACKTRACES=0', '-D_CRT_SECURE_NO_WARNINGS'};
sources = [sources, fullfile(thirdParty, lsl)];
includes = strcat('-I', [{src}, fullfile(thirdParty, lslFolders)]);
% Winsock, its extensions, the IP helper and bcrypt for liblsl; winmm for
% the timer resolution (the module's and liblsl's).
lslLibraries = {'-lws2_32', '-lmswsock', '-liphlpapi', '-lbcrypt', '-lwinmm'};

compiler = mex.getCompilerConfigurations('C++', 'Selected');
if isempty(compiler)
    error('build_mex:compiler', 'No C++ compiler is selected: run "mex -setup C++" first.');
end
if contains(compiler.ShortName, 'MSVC')
    % asio's sources hold more sections than an object file has by default.
    flags = {'COMPFLAGS=$COMPFLAGS /std:c++17 /EHsc /bigobj'};
else
    % MinGW-w64: the runtime goes into the module, which then needs no
    % MinGW DLL on the user's machine. -mbig-obj as /bigobj above (asio's
    % sources built with -g, for one, pass the default limit).
    flags = {'CXXFLAGS=$CXXFLAGS -std=c++17 -Wa,-mbig-obj', 'LDFLAGS=$LDFLAGS -static'};
end

% The system headers declare what Windows 10, the oldest Windows the module
% runs on, offers: older MinGW-w64 headers (the MATLAB add-on's among them)
% otherwise default to Windows XP's, without the Windows 8 calls the
% platform layer makes.
windows = {'-D_WIN32_WINNT=0x0A00', '-DWINVER=0x0A00'};

mex('-R2017b', includes{:}, windows{:}, lslDefines{:}, flags{:}, varargin{:}, ...
    '-outdir', here, '-output', 'VarneloControl', ...
    sources{:}, '-lwinusb', '-lsetupapi', lslLibraries{:}, '-lut');
fprintf('Built %s\n', fullfile(here, ['VarneloControl.' mexext]));
end
