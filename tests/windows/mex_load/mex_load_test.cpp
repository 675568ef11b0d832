// The product itself: VarneloControl.mexw64 loaded as MATLAB loads it, with
// stand-in libmx.dll and libmex.dll beside it and Wine's own WinUSB and
// SetupAPI. Loading proves every import resolves by name; the calls reach
// the system's SetupAPI, where no instrument is present.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mex.h"
#include "stub_matlab.h"

namespace {

using MexFunction = void (*)(int, mxArray*[], int, const mxArray*[]);

struct Call {
    MexFunction entry;
    std::vector<const mxArray*> inputs;
    mxArray* outputs[1] = {nullptr};
    int nlhs = 0;
};

DWORD WINAPI RunCall(LPVOID parameter) {
    auto* call = static_cast<Call*>(parameter);
    call->entry(call->nlhs, call->outputs, static_cast<int>(call->inputs.size()),
                call->inputs.data());
    return 0;
}

class LoadedModule : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        module = LoadLibraryA("VarneloControl.mexw64");
        loadError = GetLastError();
    }
    static void TearDownTestSuite() {
        if (module != nullptr) {
            StubRunAtExit();
            EXPECT_TRUE(FreeLibrary(module));
        }
    }
    void SetUp() override {
        ASSERT_NE(module, nullptr) << "LoadLibrary failed with " << loadError;
        // Through void (*)(void), the type that stands for any function.
        entry = reinterpret_cast<MexFunction>(
            reinterpret_cast<void (*)()>(GetProcAddress(module, "mexFunction")));
        ASSERT_NE(entry, nullptr);
        StubTakePrinted();
    }

    // Runs mexFunction on a thread of its own with the command word alone
    // (which it destroys); returns the raised message, or "" when the call
    // returned normally.
    std::string ErrorOf(const char* command) { return ErrorOf(mxCreateString(command)); }
    std::string ErrorOf(mxArray* word) {
        Call call;
        call.entry = entry;
        call.inputs.push_back(word);
        HANDLE thread = CreateThread(nullptr, 0, RunCall, &call, 0, nullptr);
        EXPECT_EQ(WaitForSingleObject(thread, 30000), WAIT_OBJECT_0);
        DWORD status = 0;
        GetExitCodeThread(thread, &status);
        CloseHandle(thread);
        mxDestroyArray(word);
        return status == 0 ? std::string() : std::string(StubLastError());
    }

    static HMODULE module;
    static DWORD loadError;
    MexFunction entry = nullptr;
};

HMODULE LoadedModule::module = nullptr;
DWORD LoadedModule::loadError = 0;

TEST_F(LoadedModule, ExportsMexFunctionAlone) {
    EXPECT_EQ(GetProcAddress(module, "DllMain"), nullptr);
    EXPECT_EQ(GetProcAddress(module, "OpenUsbDevice"), nullptr);
}

TEST_F(LoadedModule, ConnectWithoutInstrumentReportsTheSystemsCodeAndStaysUnlocked) {
    EXPECT_EQ(ErrorOf("Connect"), "\tDevice USB Connection Error.\n");
    // The class is unknown to Wine's SetupAPI, which still lists it: 1167.
    const std::string printed = StubTakePrinted();
    EXPECT_EQ(printed.rfind("\tConnection Error DEC[1167] - ", 0), 0u) << printed;
    EXPECT_EQ(StubLockCount(), 0);
    EXPECT_EQ(ErrorOf("Disconnect"), "\tDevice is not connected.\n");
}

TEST_F(LoadedModule, TakesAStringScalarForACharRow) {
    // Converted with MATLAB's char through mexCallMATLAB, it names the command.
    EXPECT_EQ(ErrorOf(StubStringScalar("Disconnect")), "\tDevice is not connected.\n");
}

}  // namespace
