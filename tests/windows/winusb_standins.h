// Stand-ins for WinUSB and SetupAPI, linked in place of winusb.dll and
// setupapi.dll, with the simulated instrument behind them. Everything else
// the WinUSB backend calls is the real system (Wine under test): CreateFileA
// opens a real file that stands for the device interface, and reads complete
// through real OVERLAPPED records, events and GetOverlappedResult, as the
// WinUSB driver completes them.
//
// A pending read is served by one worker thread per opened interface, from
// what the instrument has queued before it waits for anything new. An
// abort only asks that worker to end the transfer and returns at once; the
// transfer ends later (after the instrument's ignoreCancelMs), as a real
// abort may, so a reader that does not wait for the end is caught.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <winusb.h>

#include <cstddef>
#include <string>
#include <vector>

#include "sim/sim_instrument.h"

namespace standin {

// One device interface of the instrument's class, as SetupAPI lists it.
struct Interface {
    sim::SimSettings settings;  // the instrument behind it; heldByOtherProgram: CreateFileA gives 5
    size_t pathLength = 0;      // 0: a short device path; else exactly this many characters
    // The interface's endpoints as WinUsb_QueryPipe reports them.
    std::vector<WINUSB_PIPE_INFORMATION> pipes = {
        {UsbdPipeTypeBulk, 0x81, 512, 0},
        {UsbdPipeTypeBulk, 0x02, 512, 0},
    };
};

enum class ClassState {
    Unknown,         // the system has never seen the class
    NothingPresent,  // known, but no interface is present
    Present,         // the interfaces given to SetInterfaces are present
};

// Codes the stand-ins fail with (0: they succeed).
struct Faults {
    DWORD initialize = 0;           // WinUsb_Initialize
    DWORD deviceInformation = 0;    // WinUsb_QueryDeviceInformation
    DWORD interfaceSettings = 0;    // WinUsb_QueryInterfaceSettings
    DWORD queryPipe = 0;            // WinUsb_QueryPipe
    DWORD detailQuery = 0;          // SetupDiGetDeviceInterfaceDetailA with a buffer
    DWORD freeHandle = 0;           // WinUsb_Free (it still frees)
    DWORD reportedDetailSize = 0;   // nonzero: the size query reports this instead
    DWORD setPipePolicy = 0;        // WinUsb_SetPipePolicy
    bool completeAtOnce = false;    // a read whose data is ready completes inside WinUsb_ReadPipe
    // The data reach a pending read only in the instant its abort is asked
    // for: the worker serves no read on its own, and an abort finds the
    // transfer already complete when the instrument has data (or failed).
    bool completeOnAbort = false;
    // After each completion the worker looks again only once the next read
    // has started, as when it is descheduled right after signalling on a
    // loaded machine.
    bool workerWaitsForNextRead = false;
    // The device NAKs its OUT pipe: a write ends only when the pipe's
    // PIPE_TRANSFER_TIMEOUT elapses, with ERROR_SEM_TIMEOUT as WinUSB ends it.
    // Without a time-out it would never end; the stand-in then counts a
    // misuse and fails the write at once instead of hanging the test.
    bool writesNeverComplete = false;
};

// What was called; a test compares counts before and after.
struct Counters {
    int classQueries = 0;           // SetupDiGetClassDevsA
    int liveLists = 0;              // device information lists not destroyed yet
    int detailQueries = 0;          // SetupDiGetDeviceInterfaceDetailA
    int initializeCalls = 0;        // WinUsb_Initialize
    int liveInterfaces = 0;         // WinUSB handles not freed yet
    int readCalls = 0;              // WinUsb_ReadPipe
    int writeCalls = 0;             // WinUsb_WritePipe
    int abortCalls = 0;             // WinUsb_AbortPipe
    int readyNotices = 0;           // the instruments told a worker that an IN transfer is ready
    ULONG outPipeTimeoutMs = 0;     // PIPE_TRANSFER_TIMEOUT last set on an OUT pipe (0: none)
    int transfersInFlight = 0;      // reads started and not yet completed
    int misuses = 0;                // overlapping reads, unknown handles or pipes
    std::vector<DWORD> classQueryFlags;  // flags of each SetupDiGetClassDevsA call
};

// What a successful release leaves in the last error, so that a caller that
// reads the last error after its releases is caught.
constexpr DWORD kReleaseNoise = 0x4E01;

// STATUS_DEVICE_NOT_CONNECTED: a transfer pending at a surprise removal ends
// with it, and GetOverlappedResult reports it as 1167.
constexpr LONG kStatusDeviceNotConnected = static_cast<LONG>(0xC000009D);

// The device files lie in a folder of the process's own under %TEMP%, new
// when the process first needs it and removed when it ends. When Reset or
// SetInterfaces cannot lay them out they throw std::runtime_error, whose
// text says that the stand-ins' set-up failed, not the module.
//
// Back to the start: class present, one default interface, no faults. Every
// interface must be closed.
void Reset();
void SetClassState(ClassState state);
// Replaces the interfaces (and their device files). None may be open.
void SetInterfaces(const std::vector<Interface>& interfaces);
void SetFaults(const Faults& faults);
Counters GetCounters();

// Pulls the interface at index off the bus, as a surprise removal does: its
// pending read ends with pendingStatus, every later transfer on its open
// handle fails at once with laterCode (22: WinUSB refuses requests to a
// removed device), and SetupAPI no longer lists it, so the interfaces after
// it move down one member index. The handle stays until it is freed; the
// module must not be freeing it meanwhile.
void Pull(size_t index, LONG pendingStatus = kStatusDeviceNotConnected,
          DWORD laterCode = ERROR_BAD_COMMAND);
// Plugs it back as a new arrival: listed after the interfaces present, and
// opened with a freshly powered instrument.
void Replug(size_t index);

// The device path SetupAPI reports for the interface at index.
std::string DevicePath(size_t index);
// The instrument behind the open interface at index; null when it is not open.
sim::SimInstrument* Instrument(size_t index);
// True when no handle to the interface's device file is open.
bool DeviceFileIsClosed(size_t index);

}  // namespace standin
