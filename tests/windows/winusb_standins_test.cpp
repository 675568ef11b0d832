// The stand-ins' own files: Wine reuses process ids, within one run and in
// the next run's server, so what one test process left behind can lie
// exactly where a later process with the same id looks.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "usb/winusb/winusb_device.h"
#include "winusb_standins.h"

namespace {

constexpr const char* kChildRole = "VARNELO_STANDIN_CHILD";

std::string TempFolder() {
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(sizeof temp, temp);
    return temp;
}

std::set<std::string> StandinFolders(const std::string& temp) {
    std::set<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((temp + "varnelo-standin-*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        names.insert(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

std::string ReadFile(const std::string& path) {
    std::string text;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return text;
    char buffer[4096];
    DWORD n = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &n, nullptr) && n > 0) text.append(buffer, n);
    CloseHandle(file);
    return text;
}

struct Child {
    DWORD exitCode = 0;
    bool ended = false;
    std::string output;
};

// Runs this very test again in a process of its own, in the child's role,
// with `tmp` as its TMP when given. Before the child runs, `plant` gets its
// process id, to lay out what an earlier process with that id left behind.
template <typename Plant>
Child RunChild(const std::string& tmp, Plant plant) {
    Child child;
    const ::testing::TestInfo* self = ::testing::UnitTest::GetInstance()->current_test_info();
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string command = std::string("\"") + program + "\" --gtest_filter=" +
                          self->test_suite_name() + "." + self->name();
    const std::string outputPath = TempFolder() + "varnelo-child-" +
                                   std::to_string(GetCurrentProcessId()) + ".txt";
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE output = CreateFileA(outputPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (output == INVALID_HANDLE_VALUE) {
        ADD_FAILURE() << "cannot create " << outputPath;
        return child;
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = output;
    startup.hStdError = output;
    PROCESS_INFORMATION process{};
    char savedTmp[MAX_PATH + 1] = {};
    const DWORD savedLength = GetEnvironmentVariableA("TMP", savedTmp, sizeof savedTmp);
    SetEnvironmentVariableA(kChildRole, "1");
    if (!tmp.empty()) SetEnvironmentVariableA("TMP", tmp.c_str());
    const BOOL started = CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE,
                                        CREATE_SUSPENDED, nullptr, nullptr, &startup, &process);
    const DWORD startError = GetLastError();
    SetEnvironmentVariableA(kChildRole, nullptr);
    SetEnvironmentVariableA("TMP", savedLength != 0 ? savedTmp : nullptr);
    CloseHandle(output);
    if (!started) {
        ADD_FAILURE() << "cannot start " << command << ": error " << startError;
        return child;
    }
    plant(process.dwProcessId);
    ResumeThread(process.hThread);
    child.ended = WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0;
    if (!child.ended) TerminateProcess(process.hProcess, 1);
    GetExitCodeProcess(process.hProcess, &child.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    child.output = ReadFile(outputPath);
    DeleteFileA(outputPath.c_str());
    return child;
}

// The child's role: the stand-ins as a test finds them, one interface opened
// and closed.
bool RunsAsChild() {
    if (GetEnvironmentVariableA(kChildRole, nullptr, 0) == 0) return false;
    standin::Reset();
    UsbDevice* device = OpenUsbDevice(&kVarneloInterfaceGuid, 0);
    EXPECT_NE(device, nullptr) << "last error " << platform::GetLastErrorCode();
    if (device != nullptr) {
        EXPECT_TRUE(CloseUsbDevice(device));
    }
    return true;
}

TEST(WinUsbStandins, EachProcessWorksInAFolderOfItsOwnAndRemovesItAtExit) {
    if (RunsAsChild()) return;
    const std::string temp = TempFolder();
    const std::set<std::string> before = StandinFolders(temp);

    // An earlier process with the child's id left a folder named after that
    // id, with the directory of a held interface where the first device file goes.
    std::string leftover;
    const Child child = RunChild("", [&](DWORD id) {
        leftover = temp + "varnelo-standin-" + std::to_string(id);
        CreateDirectoryA(leftover.c_str(), nullptr);
        CreateDirectoryA((leftover + "\\if0").c_str(), nullptr);
    });
    EXPECT_TRUE(child.ended);
    EXPECT_EQ(child.exitCode, 0u) << child.output;
    // The leftover is as it was planted: the child neither used nor filled it.
    EXPECT_TRUE(RemoveDirectoryA((leftover + "\\if0").c_str()));
    EXPECT_TRUE(RemoveDirectoryA(leftover.c_str())) << "the child left files in " << leftover;
    // And the child's own folder is gone with it.
    EXPECT_EQ(StandinFolders(temp), before);
}

TEST(WinUsbStandins, SetUpThatCannotMakeItsFilesSaysSoRatherThanFailingTheModule) {
    if (RunsAsChild()) return;
    const Child child = RunChild("C:\\varnelo-no-such-folder", [](DWORD) {});
    EXPECT_TRUE(child.ended);
    EXPECT_NE(child.exitCode, 0u);
    EXPECT_NE(child.output.find("WinUSB stand-in set-up failed"), std::string::npos) << child.output;
    EXPECT_NE(child.output.find("C:\\varnelo-no-such-folder"), std::string::npos) << child.output;
}

}  // namespace
