// Stand-ins for the WinUSB and SetupAPI functions the backend calls.
//
// SetupAPI's header declares its functions as imported from the DLL, so
// calls go through __imp_ pointers; this file defines the functions plainly
// (_SETUPAPI_) and provides those pointers itself. WinUSB's functions are
// called directly.
#define _SETUPAPI_
#include "winusb_standins.h"

#include <setupapi.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <map>
#include <mutex>
#include <stdexcept>
#include <thread>

#include "usb/usb_device.h"

namespace standin {
namespace {

constexpr LONG_PTR kStatusSuccess = 0;
constexpr LONG_PTR kStatusPending = 0x103;
constexpr LONG_PTR kStatusUnsuccessful = static_cast<LONG>(0xC0000001);  // ERROR_GEN_FAILURE
constexpr LONG_PTR kStatusCancelled = static_cast<LONG>(0xC0000120);     // ERROR_OPERATION_ABORTED
constexpr uint32_t kListMagic = 0x5354444C;
constexpr UCHAR kDirectionIn = 0x80;

// A device file and the identity Windows gives it, by which WinUsb_Initialize
// recognises the interface behind the handle it is given.
struct DeviceFile {
    std::string path;
    std::string decoy;  // a file at the path cut to 255 characters, if any
    bool directory = false;
    DWORD volume = 0;
    DWORD indexHigh = 0;
    DWORD indexLow = 0;
};

// One opened interface: its instrument and the worker serving its reads.
struct Opened {
    size_t index = 0;
    sim::SimInstrument* instrument = nullptr;
    UCHAR inPipe = 0;
    UCHAR outPipe = 0;
    uint32_t abortDelayMs = 0;
    ULONG outTimeoutMs = 0;  // the OUT pipe's PIPE_TRANSFER_TIMEOUT; 0: none
    std::mutex mutex;
    std::condition_variable wake;
    bool quit = false;
    bool inReady = false;
    bool active = false;  // a transfer is pending
    bool abort = false;   // its abort was asked for
    OVERLAPPED* overlapped = nullptr;
    PUCHAR buffer = nullptr;
    ULONG length = 0;
    std::thread worker;
    // Once pulled: the code its later transfers fail with (0 while on the
    // bus), and the status its pending read ends with.
    std::atomic<DWORD> goneCode{0};
    LONG_PTR goneStatus = 0;
};

struct FakeList {
    uint32_t magic = kListMagic;
    std::vector<std::string> paths;
};

struct State;
void RemoveDeviceFilesLocked(State& state, bool report);

struct State {
    std::mutex mutex;
    ClassState classState = ClassState::Present;
    std::vector<Interface> interfaces;
    std::vector<DeviceFile> files;
    std::string directory;  // this process's own folder, with a trailing backslash
    Faults faults;
    Counters counters;
    std::map<Opened*, size_t> opened;
    std::vector<size_t> present;  // the interfaces on the bus, in SetupAPI's order

    // The process's folder goes with it, so that none piles up in the
    // prefix. A file still held open stays; nothing can be reported now.
    ~State() {
        RemoveDeviceFilesLocked(*this, false);
        if (!directory.empty()) RemoveDirectoryA(directory.substr(0, directory.size() - 1).c_str());
    }
};

State& TheState() {
    static State state;
    return state;
}

// The worker is told when the instrument has an IN transfer ready.
void WakeWorker(void* context) {
    auto* opened = static_cast<Opened*>(context);
    {
        std::lock_guard<std::mutex> lock(TheState().mutex);
        ++TheState().counters.readyNotices;
    }
    std::lock_guard<std::mutex> lock(opened->mutex);
    opened->inReady = true;
    opened->wake.notify_all();
}

Faults CurrentFaults() {
    std::lock_guard<std::mutex> lock(TheState().mutex);
    return TheState().faults;
}

// Ends the pending transfer as the driver does: status and count into the
// OVERLAPPED record, then its event. Nothing touches the record afterwards.
void CompleteTransfer(Opened* opened, LONG_PTR status, ULONG count) {
    OVERLAPPED* overlapped = nullptr;
    {
        std::lock_guard<std::mutex> lock(opened->mutex);
        overlapped = opened->overlapped;
        opened->active = false;
        opened->abort = false;
        opened->overlapped = nullptr;
    }
    overlapped->InternalHigh = count;
    overlapped->Internal = static_cast<ULONG_PTR>(status);
    {
        std::lock_guard<std::mutex> lock(TheState().mutex);
        --TheState().counters.transfersInFlight;
    }
    SetEvent(overlapped->hEvent);
}

void ServeReads(Opened* opened) {
    std::unique_lock<std::mutex> lock(opened->mutex);
    for (;;) {
        opened->wake.wait(lock, [opened] { return opened->quit || opened->active; });
        if (!opened->active) return;  // quit with nothing pending
        if (opened->goneCode != 0) {
            const LONG_PTR status = opened->goneStatus;
            lock.unlock();
            CompleteTransfer(opened, status, 0);
            lock.lock();
            continue;
        }
        const Faults faults = CurrentFaults();
        if (opened->abort || opened->quit) {
            const bool abortOnly = !opened->quit;
            PUCHAR buffer = opened->buffer;
            const ULONG length = opened->length;
            lock.unlock();
            // A slow device ends an aborted transfer only after a while.
            if (opened->abortDelayMs != 0) Sleep(opened->abortDelayMs);
            uint32_t received = 0;
            bool failed = false;
            if (faults.completeOnAbort && abortOnly &&
                sim::SimTakeInTransfer(opened->instrument, buffer, length, &received, &failed)) {
                CompleteTransfer(opened, kStatusSuccess, received);
            } else if (faults.completeOnAbort && abortOnly && failed) {
                CompleteTransfer(opened, kStatusUnsuccessful, 0);
            } else {
                CompleteTransfer(opened, kStatusCancelled, 0);
            }
            lock.lock();
            continue;
        }
        if (faults.completeOnAbort) {
            opened->wake.wait(lock, [opened] {
                return opened->quit || opened->abort || opened->goneCode != 0;
            });
            continue;
        }
        opened->inReady = false;
        PUCHAR buffer = opened->buffer;
        const ULONG length = opened->length;
        lock.unlock();
        uint32_t received = 0;
        bool failed = false;
        bool completed = true;
        if (sim::SimTakeInTransfer(opened->instrument, buffer, length, &received, &failed)) {
            CompleteTransfer(opened, kStatusSuccess, received);
        } else if (failed) {
            CompleteTransfer(opened, kStatusUnsuccessful, 0);
        } else {
            completed = false;
        }
        lock.lock();
        if (completed) {
            // What the instrument still has queued goes to the next read as
            // soon as that starts: no new transfer need become ready first,
            // or a reply would sit behind the backlog until the next line.
            if (faults.workerWaitsForNextRead) {
                opened->wake.wait(lock, [opened] { return opened->quit || opened->active; });
            }
            continue;
        }
        // Nothing queued: sleep until the instrument has a transfer ready or
        // the read is aborted. Readiness that came during the take above has
        // set inReady again, so it is not missed.
        opened->wake.wait(lock, [opened] {
            return opened->quit || opened->abort || opened->inReady || opened->goneCode != 0;
        });
    }
}

Opened* FromHandle(WINUSB_INTERFACE_HANDLE handle) {
    State& state = TheState();
    std::lock_guard<std::mutex> lock(state.mutex);
    auto* opened = static_cast<Opened*>(handle);
    if (state.opened.count(opened) == 0) {
        ++state.counters.misuses;
        return nullptr;
    }
    return opened;
}

BOOL Fail(DWORD code) {
    SetLastError(code);
    return FALSE;
}

bool FileIdentity(HANDLE file, DWORD* volume, DWORD* high, DWORD* low) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(file, &info)) return false;
    *volume = info.dwVolumeSerialNumber;
    *high = info.nFileIndexHigh;
    *low = info.nFileIndexLow;
    return true;
}

// The stand-ins could not lay out their own files: a fault of the test
// set-up, which must not pass for a fault of the module under test.
[[noreturn]] void SetUpFailed(const std::string& what, DWORD code) {
    throw std::runtime_error("WinUSB stand-in set-up failed (the test harness, not the module): " +
                             what + ": error " + std::to_string(code));
}

void RemoveDeviceFilesLocked(State& state, bool report) {
    std::string failed;
    DWORD code = 0;
    const auto remove = [&](const std::string& path, bool directory) {
        if (directory ? RemoveDirectoryA(path.c_str()) : DeleteFileA(path.c_str())) return;
        if (failed.empty()) {
            failed = path;
            code = GetLastError();
        }
    };
    for (const DeviceFile& file : state.files) {
        remove(file.path, file.directory);
        if (!file.decoy.empty()) remove(file.decoy, false);
    }
    state.files.clear();
    if (report && !failed.empty()) SetUpFailed("cannot remove " + failed, code);
}

// The process's own folder, made on first use. Wine reuses process ids,
// within a run and in the next run's server, so a name made of the id alone
// may be an earlier process's folder, files and all: the name also carries
// the time, and the folder must be new.
std::string WorkDirectory(State& state) {
    if (!state.directory.empty()) return state.directory;
    char temp[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(sizeof temp, temp);
    if (length == 0 || length > MAX_PATH) SetUpFailed("no temporary folder", GetLastError());
    for (int attempt = 0; attempt < 100; ++attempt) {
        LARGE_INTEGER now{};
        QueryPerformanceCounter(&now);
        const std::string path = std::string(temp) + "varnelo-standin-" +
                                 std::to_string(GetCurrentProcessId()) + "-" +
                                 std::to_string(now.QuadPart + attempt);
        if (CreateDirectoryA(path.c_str(), nullptr)) {
            state.directory = path + "\\";
            return state.directory;
        }
        const DWORD code = GetLastError();
        if (code != ERROR_ALREADY_EXISTS) SetUpFailed("cannot create the folder " + path, code);
    }
    SetUpFailed("no new folder in " + std::string(temp), ERROR_ALREADY_EXISTS);
}

void CreateFileOfPath(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) SetUpFailed("cannot create " + path, GetLastError());
    CloseHandle(file);
}

void CreateDeviceFilesLocked(State& state) {
    const std::string directory = WorkDirectory(state);
    for (size_t i = 0; i < state.interfaces.size(); ++i) {
        const Interface& wanted = state.interfaces[i];
        DeviceFile file;
        file.path = directory + "if" + std::to_string(i);
        if (wanted.pathLength > file.path.size()) {
            file.path.append(wanted.pathLength - file.path.size(), '_');
        }
        file.directory = wanted.settings.heldByOtherProgram;
        // A path too long for the backend's buffer must not be opened cut
        // short: a file waits there to catch it.
        if (file.path.size() > 255) {
            file.decoy = file.path.substr(0, 255);
            CreateFileOfPath(file.decoy);
        }
        if (file.directory) {
            if (!CreateDirectoryA(file.path.c_str(), nullptr)) {
                SetUpFailed("cannot create " + file.path, GetLastError());
            }
        } else {
            CreateFileOfPath(file.path);
            HANDLE handle = CreateFileA(file.path.c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
            if (handle == INVALID_HANDLE_VALUE ||
                !FileIdentity(handle, &file.volume, &file.indexHigh, &file.indexLow)) {
                const DWORD code = GetLastError();
                if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
                SetUpFailed("cannot read the identity of " + file.path, code);
            }
            CloseHandle(handle);
        }
        state.files.push_back(file);
    }
}

bool SameGuid(const GUID* guid) {
    return guid != nullptr && std::memcmp(guid, &kVarneloInterfaceGuid, sizeof(GUID)) == 0;
}

FakeList* ListOf(HDEVINFO list) {
    auto* fake = static_cast<FakeList*>(list);
    if (list == nullptr || list == INVALID_HANDLE_VALUE || fake->magic != kListMagic) {
        std::lock_guard<std::mutex> lock(TheState().mutex);
        ++TheState().counters.misuses;
        return nullptr;
    }
    return fake;
}

}  // namespace

void Reset() {
    State& state = TheState();
    std::lock_guard<std::mutex> lock(state.mutex);
    state.classState = ClassState::Present;
    state.faults = Faults{};
    state.counters = Counters{};
    RemoveDeviceFilesLocked(state, true);
    state.interfaces.assign(1, Interface{});
    CreateDeviceFilesLocked(state);
    state.present = {0};
}

void SetClassState(ClassState classState) {
    std::lock_guard<std::mutex> lock(TheState().mutex);
    TheState().classState = classState;
}

void SetInterfaces(const std::vector<Interface>& interfaces) {
    State& state = TheState();
    std::lock_guard<std::mutex> lock(state.mutex);
    RemoveDeviceFilesLocked(state, true);
    state.interfaces = interfaces;
    CreateDeviceFilesLocked(state);
    state.present.clear();
    for (size_t i = 0; i < interfaces.size(); ++i) state.present.push_back(i);
}

void Pull(size_t index, LONG pendingStatus, DWORD laterCode) {
    Opened* opened = nullptr;
    {
        State& state = TheState();
        std::lock_guard<std::mutex> lock(state.mutex);
        state.present.erase(std::remove(state.present.begin(), state.present.end(), index),
                            state.present.end());
        for (const auto& entry : state.opened) {
            if (entry.second == index && entry.first->goneCode == 0) opened = entry.first;
        }
    }
    if (opened == nullptr) return;
    std::lock_guard<std::mutex> lock(opened->mutex);
    opened->goneStatus = pendingStatus;
    opened->goneCode = laterCode;
    opened->wake.notify_all();
}

void Replug(size_t index) {
    State& state = TheState();
    std::lock_guard<std::mutex> lock(state.mutex);
    if (std::find(state.present.begin(), state.present.end(), index) == state.present.end()) {
        state.present.push_back(index);
    }
}

void SetFaults(const Faults& faults) {
    std::lock_guard<std::mutex> lock(TheState().mutex);
    TheState().faults = faults;
}

Counters GetCounters() {
    std::lock_guard<std::mutex> lock(TheState().mutex);
    return TheState().counters;
}

std::string DevicePath(size_t index) {
    std::lock_guard<std::mutex> lock(TheState().mutex);
    return TheState().files.at(index).path;
}

sim::SimInstrument* Instrument(size_t index) {
    std::lock_guard<std::mutex> lock(TheState().mutex);
    for (const auto& entry : TheState().opened) {
        if (entry.second == index && entry.first->goneCode == 0) return entry.first->instrument;
    }
    return nullptr;
}

bool DeviceFileIsClosed(size_t index) {
    // Nobody else may share the file: this open fails while any handle is open.
    HANDLE file = CreateFileA(DevicePath(index).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

}  // namespace standin

using standin::Fail;
using standin::Opened;
using standin::TheState;

// ---------------------------------------------------------------------------
// SetupAPI

extern "C" HDEVINFO WINAPI SetupDiGetClassDevsA(const GUID* classGuid, PCSTR, HWND, DWORD flags) {
    auto& state = TheState();
    std::lock_guard<std::mutex> lock(state.mutex);
    ++state.counters.classQueries;
    state.counters.classQueryFlags.push_back(flags);
    if (!standin::SameGuid(classGuid) || state.classState == standin::ClassState::Unknown ||
        (state.classState == standin::ClassState::NothingPresent && (flags & DIGCF_PRESENT))) {
        SetLastError(ERROR_INVALID_DATA);
        return INVALID_HANDLE_VALUE;
    }
    auto* list = new standin::FakeList;
    if (state.classState == standin::ClassState::Present) {
        for (size_t index : state.present) list->paths.push_back(state.files[index].path);
    }
    ++state.counters.liveLists;
    return list;
}

extern "C" WINBOOL WINAPI SetupDiDestroyDeviceInfoList(HDEVINFO list) {
    standin::FakeList* fake = standin::ListOf(list);
    if (fake == nullptr) return Fail(ERROR_INVALID_HANDLE);
    fake->magic = 0;
    delete fake;
    {
        std::lock_guard<std::mutex> lock(TheState().mutex);
        --TheState().counters.liveLists;
    }
    SetLastError(standin::kReleaseNoise);
    return TRUE;
}

extern "C" WINBOOL WINAPI SetupDiEnumDeviceInterfaces(HDEVINFO list, PSP_DEVINFO_DATA,
                                                      const GUID* classGuid, DWORD memberIndex,
                                                      PSP_DEVICE_INTERFACE_DATA data) {
    standin::FakeList* fake = standin::ListOf(list);
    if (fake == nullptr) return Fail(ERROR_INVALID_HANDLE);
    if (data == nullptr || data->cbSize != sizeof(SP_DEVICE_INTERFACE_DATA)) {
        return Fail(ERROR_INVALID_USER_BUFFER);
    }
    if (!standin::SameGuid(classGuid) || memberIndex >= fake->paths.size()) {
        return Fail(ERROR_NO_MORE_ITEMS);
    }
    data->InterfaceClassGuid = *classGuid;
    data->Flags = SPINT_ACTIVE;
    data->Reserved = memberIndex + 1;
    return TRUE;
}

extern "C" WINBOOL WINAPI SetupDiGetDeviceInterfaceDetailA(
    HDEVINFO list, PSP_DEVICE_INTERFACE_DATA data, PSP_DEVICE_INTERFACE_DETAIL_DATA_A detail,
    DWORD detailSize, PDWORD requiredSize, PSP_DEVINFO_DATA) {
    standin::FakeList* fake = standin::ListOf(list);
    if (fake == nullptr) return Fail(ERROR_INVALID_HANDLE);
    if (data == nullptr || data->Reserved == 0 || data->Reserved > fake->paths.size()) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    standin::Faults faults;
    {
        std::lock_guard<std::mutex> lock(TheState().mutex);
        ++TheState().counters.detailQueries;
        faults = TheState().faults;
    }
    const std::string& path = fake->paths[data->Reserved - 1];
    const DWORD needed =
        static_cast<DWORD>(offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_A, DevicePath) + path.size() + 1);
    if (requiredSize != nullptr) {
        *requiredSize = faults.reportedDetailSize != 0 ? faults.reportedDetailSize : needed;
    }
    if (detail == nullptr) {
        return Fail(detailSize != 0 ? ERROR_INVALID_USER_BUFFER : ERROR_INSUFFICIENT_BUFFER);
    }
    if (detail->cbSize != sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A)) {
        return Fail(ERROR_INVALID_USER_BUFFER);
    }
    if (detailSize < needed) return Fail(ERROR_INSUFFICIENT_BUFFER);
    if (faults.detailQuery != 0) return Fail(faults.detailQuery);
    std::memcpy(detail->DevicePath, path.c_str(), path.size() + 1);
    return TRUE;
}

extern "C" {
decltype(&SetupDiGetClassDevsA) __imp_SetupDiGetClassDevsA = &SetupDiGetClassDevsA;
decltype(&SetupDiDestroyDeviceInfoList) __imp_SetupDiDestroyDeviceInfoList =
    &SetupDiDestroyDeviceInfoList;
decltype(&SetupDiEnumDeviceInterfaces) __imp_SetupDiEnumDeviceInterfaces =
    &SetupDiEnumDeviceInterfaces;
decltype(&SetupDiGetDeviceInterfaceDetailA) __imp_SetupDiGetDeviceInterfaceDetailA =
    &SetupDiGetDeviceInterfaceDetailA;
}

// ---------------------------------------------------------------------------
// WinUSB

WINBOOL WINAPI WinUsb_Initialize(HANDLE deviceHandle, PWINUSB_INTERFACE_HANDLE interfaceHandle) {
    auto& state = TheState();
    std::unique_lock<std::mutex> lock(state.mutex);
    ++state.counters.initializeCalls;
    if (state.faults.initialize != 0) return Fail(state.faults.initialize);
    if (interfaceHandle == nullptr) return Fail(ERROR_INVALID_PARAMETER);
    DWORD volume = 0, high = 0, low = 0;
    if (!standin::FileIdentity(deviceHandle, &volume, &high, &low)) return Fail(ERROR_INVALID_HANDLE);
    size_t index = state.files.size();
    for (size_t i = 0; i < state.files.size(); ++i) {
        const standin::DeviceFile& file = state.files[i];
        if (!file.directory && file.volume == volume && file.indexHigh == high &&
            file.indexLow == low) {
            index = i;
        }
    }
    if (index == state.files.size()) return Fail(ERROR_INVALID_HANDLE);
    // WinUSB lets one handle at a time drive an interface.
    for (const auto& entry : state.opened) {
        if (entry.second == index && entry.first->goneCode == 0) return Fail(ERROR_ACCESS_DENIED);
    }
    const standin::Interface& wanted = state.interfaces[index];
    auto* opened = new Opened;
    opened->index = index;
    opened->abortDelayMs = wanted.settings.ignoreCancelMs;
    for (const auto& pipe : wanted.pipes) {
        if (pipe.PipeType != UsbdPipeTypeBulk) continue;
        if ((pipe.PipeId & standin::kDirectionIn) != 0) {
            opened->inPipe = pipe.PipeId;
        } else {
            opened->outPipe = pipe.PipeId;
        }
    }
    opened->instrument = sim::SimCreateInstrument(wanted.settings);
    state.opened[opened] = index;
    ++state.counters.liveInterfaces;
    lock.unlock();
    opened->worker = std::thread(standin::ServeReads, opened);
    sim::SimSetInReadyCallback(opened->instrument, standin::WakeWorker, opened);
    *interfaceHandle = opened;
    return TRUE;
}

WINBOOL WINAPI WinUsb_Free(WINUSB_INTERFACE_HANDLE interfaceHandle) {
    Opened* opened = standin::FromHandle(interfaceHandle);
    if (opened == nullptr) return Fail(ERROR_INVALID_HANDLE);
    {
        std::lock_guard<std::mutex> lock(opened->mutex);
        opened->quit = true;
        opened->wake.notify_all();
    }
    opened->worker.join();
    // Destroying the instrument ends its thread, and with it any callback.
    sim::SimDestroyInstrument(opened->instrument);
    DWORD fault = 0;
    {
        std::lock_guard<std::mutex> lock(TheState().mutex);
        TheState().opened.erase(opened);
        --TheState().counters.liveInterfaces;
        fault = TheState().faults.freeHandle;
    }
    delete opened;
    if (fault != 0) return Fail(fault);
    SetLastError(standin::kReleaseNoise);
    return TRUE;
}

WINBOOL WINAPI WinUsb_QueryDeviceInformation(WINUSB_INTERFACE_HANDLE interfaceHandle,
                                             ULONG informationType, PULONG bufferLength,
                                             PVOID buffer) {
    if (standin::FromHandle(interfaceHandle) == nullptr) return Fail(ERROR_INVALID_HANDLE);
    {
        std::lock_guard<std::mutex> lock(TheState().mutex);
        if (TheState().faults.deviceInformation != 0) {
            return Fail(TheState().faults.deviceInformation);
        }
    }
    if (informationType != DEVICE_SPEED || bufferLength == nullptr || buffer == nullptr) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    if (*bufferLength < 1) return Fail(ERROR_INSUFFICIENT_BUFFER);
    *static_cast<UCHAR*>(buffer) = HighSpeed;
    *bufferLength = 1;
    return TRUE;
}

WINBOOL WINAPI WinUsb_QueryInterfaceSettings(WINUSB_INTERFACE_HANDLE interfaceHandle,
                                             UCHAR alternateInterfaceNumber,
                                             PUSB_INTERFACE_DESCRIPTOR descriptor) {
    Opened* opened = standin::FromHandle(interfaceHandle);
    if (opened == nullptr) return Fail(ERROR_INVALID_HANDLE);
    std::lock_guard<std::mutex> lock(TheState().mutex);
    if (TheState().faults.interfaceSettings != 0) return Fail(TheState().faults.interfaceSettings);
    if (alternateInterfaceNumber != 0) return Fail(ERROR_NO_MORE_ITEMS);
    if (descriptor == nullptr) return Fail(ERROR_INVALID_PARAMETER);
    *descriptor = USB_INTERFACE_DESCRIPTOR{};
    descriptor->bLength = sizeof(USB_INTERFACE_DESCRIPTOR);
    descriptor->bDescriptorType = USB_INTERFACE_DESCRIPTOR_TYPE;
    descriptor->bNumEndpoints =
        static_cast<UCHAR>(TheState().interfaces[opened->index].pipes.size());
    descriptor->bInterfaceClass = 0xFF;
    return TRUE;
}

WINBOOL WINAPI WinUsb_QueryPipe(WINUSB_INTERFACE_HANDLE interfaceHandle,
                                UCHAR alternateInterfaceNumber, UCHAR pipeIndex,
                                PWINUSB_PIPE_INFORMATION pipeInformation) {
    Opened* opened = standin::FromHandle(interfaceHandle);
    if (opened == nullptr) return Fail(ERROR_INVALID_HANDLE);
    std::lock_guard<std::mutex> lock(TheState().mutex);
    if (TheState().faults.queryPipe != 0) return Fail(TheState().faults.queryPipe);
    const auto& pipes = TheState().interfaces[opened->index].pipes;
    if (alternateInterfaceNumber != 0 || pipeIndex >= pipes.size()) return Fail(ERROR_NO_MORE_ITEMS);
    if (pipeInformation == nullptr) return Fail(ERROR_INVALID_PARAMETER);
    *pipeInformation = pipes[pipeIndex];
    return TRUE;
}

WINBOOL WINAPI WinUsb_GetDescriptor(WINUSB_INTERFACE_HANDLE interfaceHandle, UCHAR descriptorType,
                                    UCHAR index, USHORT languageId, PUCHAR buffer,
                                    ULONG bufferLength, PULONG lengthTransferred) {
    Opened* opened = standin::FromHandle(interfaceHandle);
    if (opened == nullptr) return Fail(ERROR_INVALID_HANDLE);
    if (buffer == nullptr || lengthTransferred == nullptr) return Fail(ERROR_INVALID_PARAMETER);
    if (const DWORD gone = opened->goneCode) return Fail(gone);
    const sim::SimSettings& settings = sim::SimGetSettings(opened->instrument);
    // Only the serial number string is asked for; the device stalls the rest.
    if (descriptorType != USB_STRING_DESCRIPTOR_TYPE || index != 3 || languageId != 0x0409 ||
        !settings.hasSerialNumber) {
        return Fail(ERROR_GEN_FAILURE);
    }
    const std::string& text = settings.serialNumber;
    const size_t units = text.size() > 126 ? 126 : text.size();
    std::vector<UCHAR> descriptor(2 + 2 * units, 0);
    descriptor[0] = static_cast<UCHAR>(descriptor.size());
    descriptor[1] = USB_STRING_DESCRIPTOR_TYPE;
    for (size_t i = 0; i < units; ++i) descriptor[2 + 2 * i] = static_cast<UCHAR>(text[i]);
    const ULONG n = descriptor.size() < bufferLength ? static_cast<ULONG>(descriptor.size())
                                                     : bufferLength;
    std::memcpy(buffer, descriptor.data(), n);
    *lengthTransferred = n;
    return TRUE;
}

WINBOOL WINAPI WinUsb_WritePipe(WINUSB_INTERFACE_HANDLE interfaceHandle, UCHAR pipeId,
                                PUCHAR buffer, ULONG bufferLength, PULONG lengthTransferred,
                                LPOVERLAPPED overlapped) {
    Opened* opened = standin::FromHandle(interfaceHandle);
    if (opened == nullptr) return Fail(ERROR_INVALID_HANDLE);
    {
        std::lock_guard<std::mutex> lock(TheState().mutex);
        ++TheState().counters.writeCalls;
        // The backend writes synchronously, to the OUT pipe only.
        if (pipeId != opened->outPipe || overlapped != nullptr || pipeId == 0) {
            ++TheState().counters.misuses;
            return Fail(ERROR_INVALID_PARAMETER);
        }
    }
    if (const DWORD gone = opened->goneCode) return Fail(gone);
    if (standin::CurrentFaults().writesNeverComplete) {
        if (lengthTransferred != nullptr) *lengthTransferred = 0;
        std::unique_lock<std::mutex> lock(opened->mutex);
        if (opened->outTimeoutMs == 0) {
            lock.unlock();
            std::lock_guard<std::mutex> stateLock(TheState().mutex);
            ++TheState().counters.misuses;
            return Fail(ERROR_GEN_FAILURE);
        }
        const ULONG timeoutMs = opened->outTimeoutMs;
        opened->wake.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                              [opened] { return opened->quit; });
        return Fail(ERROR_SEM_TIMEOUT);
    }
    if (!sim::SimHandleOutTransfer(opened->instrument, buffer, bufferLength)) {
        const sim::SimSettings& settings = sim::SimGetSettings(opened->instrument);
        if (lengthTransferred != nullptr) *lengthTransferred = 0;
        return Fail(settings.failWrites ? settings.writeErrorCode : ERROR_GEN_FAILURE);
    }
    if (lengthTransferred != nullptr) *lengthTransferred = bufferLength;
    return TRUE;
}

WINBOOL WINAPI WinUsb_ReadPipe(WINUSB_INTERFACE_HANDLE interfaceHandle, UCHAR pipeId,
                               PUCHAR buffer, ULONG bufferLength, PULONG lengthTransferred,
                               LPOVERLAPPED overlapped) {
    Opened* opened = standin::FromHandle(interfaceHandle);
    if (opened == nullptr) return Fail(ERROR_INVALID_HANDLE);
    bool completeAtOnce = false;
    {
        std::lock_guard<std::mutex> lock(TheState().mutex);
        ++TheState().counters.readCalls;
        // The backend reads overlapped, from the IN pipe only.
        if (pipeId != opened->inPipe || overlapped == nullptr || overlapped->hEvent == nullptr ||
            buffer == nullptr || pipeId == 0) {
            ++TheState().counters.misuses;
            return Fail(ERROR_INVALID_PARAMETER);
        }
        completeAtOnce = TheState().faults.completeAtOnce;
    }
    if (const DWORD gone = opened->goneCode) return Fail(gone);
    // A device that has failed refuses the read at once.
    uint32_t received = 0;
    bool failed = false;
    sim::SimTakeInTransfer(opened->instrument, buffer, 0, &received, &failed);
    if (failed) return Fail(ERROR_GEN_FAILURE);
    if (completeAtOnce &&
        sim::SimTakeInTransfer(opened->instrument, buffer, bufferLength, &received, &failed)) {
        overlapped->Internal = standin::kStatusSuccess;
        overlapped->InternalHigh = received;
        SetEvent(overlapped->hEvent);
        if (lengthTransferred != nullptr) *lengthTransferred = received;
        return TRUE;
    }
    // Pending: the I/O manager clears the event as the transfer starts.
    ResetEvent(overlapped->hEvent);
    overlapped->Internal = standin::kStatusPending;
    overlapped->InternalHigh = 0;
    {
        std::lock_guard<std::mutex> lock(opened->mutex);
        if (opened->active) {
            std::lock_guard<std::mutex> stateLock(TheState().mutex);
            ++TheState().counters.misuses;
            return Fail(ERROR_INVALID_PARAMETER);
        }
        {
            std::lock_guard<std::mutex> stateLock(TheState().mutex);
            ++TheState().counters.transfersInFlight;
        }
        opened->active = true;
        opened->abort = false;
        opened->overlapped = overlapped;
        opened->buffer = buffer;
        opened->length = bufferLength;
        opened->wake.notify_all();
    }
    return Fail(ERROR_IO_PENDING);
}

WINBOOL WINAPI WinUsb_SetPipePolicy(WINUSB_INTERFACE_HANDLE interfaceHandle, UCHAR pipeId,
                                    ULONG policyType, ULONG valueLength, PVOID value) {
    Opened* opened = standin::FromHandle(interfaceHandle);
    if (opened == nullptr) return Fail(ERROR_INVALID_HANDLE);
    ULONG timeoutMs = 0;
    {
        std::lock_guard<std::mutex> stateLock(TheState().mutex);
        if (TheState().faults.setPipePolicy != 0) return Fail(TheState().faults.setPipePolicy);
        // The backend sets one policy: the OUT pipe's transfer time-out, a ULONG.
        if (pipeId == 0 || pipeId != opened->outPipe || policyType != PIPE_TRANSFER_TIMEOUT ||
            valueLength != sizeof(ULONG) || value == nullptr) {
            ++TheState().counters.misuses;
            return Fail(ERROR_INVALID_PARAMETER);
        }
        timeoutMs = *static_cast<const ULONG*>(value);
        TheState().counters.outPipeTimeoutMs = timeoutMs;
    }
    // Taken after the state's lock is let go: the read path nests them the other way.
    std::lock_guard<std::mutex> lock(opened->mutex);
    opened->outTimeoutMs = timeoutMs;
    return TRUE;
}

WINBOOL WINAPI WinUsb_AbortPipe(WINUSB_INTERFACE_HANDLE interfaceHandle, UCHAR pipeId) {
    Opened* opened = standin::FromHandle(interfaceHandle);
    if (opened == nullptr) return Fail(ERROR_INVALID_HANDLE);
    {
        std::lock_guard<std::mutex> lock(TheState().mutex);
        ++TheState().counters.abortCalls;
    }
    if (const DWORD gone = opened->goneCode) return Fail(gone);
    if (pipeId != opened->inPipe) return TRUE;
    // Asks for the end of the transfer and returns without waiting for it.
    std::lock_guard<std::mutex> lock(opened->mutex);
    if (opened->active) {
        opened->abort = true;
        opened->wake.notify_all();
    }
    return TRUE;
}
