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
%   API (-R2017b) and linked with WinUSB, SetupAPI, winmm and MATLAB's libut
%   (for Ctrl-C in GetData).

if ~ispc || ~strcmp(computer('arch'), 'win64')
    error('build_mex:platform', 'VarneloControl.mexw64 builds on 64-bit Windows only.');
end

here = fileparts(mfilename('fullpath'));
src = fullfile(fileparts(here), 'src');

% The module's logic, then the Windows platform layer and WinUSB transport.
sources = {};
for part = {'gateway', 'connection', 'link', 'feed', 'recovery', 'data', 'recording', 'host'}
    found = dir(fullfile(src, part{1}, '*.cpp'));
    sources = [sources, fullfile(src, part{1}, {found.name})]; %#ok<AGROW>
end
sources = [sources, { ...
    fullfile(src, 'platform', 'windows', 'platform_win32.cpp'), ...
    fullfile(src, 'platform', 'windows', 'files_win32.cpp'), ...
    fullfile(src, 'usb', 'winusb', 'winusb_device.cpp'), ...
    fullfile(src, 'usb', 'winusb', 'error_text_win32.cpp')}];

compiler = mex.getCompilerConfigurations('C++', 'Selected');
if isempty(compiler)
    error('build_mex:compiler', 'No C++ compiler is selected: run "mex -setup C++" first.');
end
if contains(compiler.ShortName, 'MSVC')
    flags = {'COMPFLAGS=$COMPFLAGS /std:c++17 /EHsc'};
else
    % MinGW-w64: the runtime goes into the module, which then needs no
    % MinGW DLL on the user's machine.
    flags = {'CXXFLAGS=$CXXFLAGS -std=c++17', 'LDFLAGS=$LDFLAGS -static'};
end

% The system headers declare what Windows 10, the oldest Windows the module
% runs on, offers: older MinGW-w64 headers (the MATLAB add-on's among them)
% otherwise default to Windows XP's, without the Windows 8 calls the
% platform layer makes.
windows = {'-D_WIN32_WINNT=0x0A00', '-DWINVER=0x0A00'};

mex('-R2017b', ['-I' src], windows{:}, flags{:}, varargin{:}, ...
    '-outdir', here, '-output', 'VarneloControl', ...
    sources{:}, '-lwinusb', '-lsetupapi', '-lwinmm', '-lut');
fprintf('Built %s\n', fullfile(here, ['VarneloControl.' mexext]));
end
