// Times how long a program takes from process creation until its main window
// is visible and answering messages, over several runs, and prints each time
// and the median.
//
//   startup_bench [--warmup N] RUNS EXE CLASS [EXE CLASS ...]
//
// With several programs the runs alternate between them, so that a drift in
// the machine's load affects all of them alike.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Program {
    std::string path;
    std::string folder;
    std::string windowClass;
    std::vector<double> times;
};

// Ventaro shows a modal notice on its first start; this marks it as seen.
void SkipFirstUseNotice()
{
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "SOFTWARE\\Ventaro", 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr)
        != ERROR_SUCCESS)
        return;
    RegSetValueExA(key, "FirstUse", 0, REG_SZ, reinterpret_cast<const BYTE*>("0"), 2);
    RegCloseKey(key);
}

HWND FindVisibleWindow(const std::string& windowClass, DWORD processId)
{
    HWND window = nullptr;
    while ((window = FindWindowExA(nullptr, window, windowClass.c_str(), nullptr)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && IsWindowVisible(window))
            return window;
    }
    return nullptr;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency)
{
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// One start: the time in ms, or a negative value when the window never came.
double TimeStart(const Program& program, LARGE_INTEGER frequency)
{
    if (program.windowClass == "TVentaro")
        SkipFirstUseNotice();
    std::string commandLine = "\"" + program.path + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};

    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(program.path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
            program.folder.c_str(), &startup, &process)) {
        std::fprintf(stderr, "Cannot start %s (error %lu)\n", program.path.c_str(), GetLastError());
        return -1;
    }
    HWND window = nullptr;
    const DWORD deadline = GetTickCount() + 30000;
    while (!(window = FindVisibleWindow(program.windowClass, process.dwProcessId))) {
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0 || GetTickCount() > deadline)
            break;
        Sleep(1);
    }
    double result = -1;
    if (window) {
        // Visible is not yet finished: the answer comes once the program's
        // thread is back in its message loop.
        DWORD_PTR ignored;
        SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &ignored);
        QueryPerformanceCounter(&end);
        result = Milliseconds(start, end, frequency);
        PostMessageA(window, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, 5000);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return result;
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

int Usage()
{
    std::fprintf(stderr, "usage: startup_bench [--warmup N] RUNS EXE CLASS [EXE CLASS ...]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    int arg = 1;
    int warmup = 0;
    if (arg + 1 < argc && std::string(argv[arg]) == "--warmup") {
        warmup = std::atoi(argv[arg + 1]);
        arg += 2;
    }
    if (argc - arg < 3 || (argc - arg - 1) % 2 != 0)
        return Usage();
    const int runs = std::atoi(argv[arg++]);
    if (runs < 1 || warmup < 0)
        return Usage();

    std::vector<Program> programs;
    for (; arg < argc; arg += 2) {
        char full[MAX_PATH];
        char* name = nullptr;
        if (!GetFullPathNameA(argv[arg], MAX_PATH, full, &name) || !name)
            return Usage();
        Program program;
        program.path = full;
        program.folder = std::string(full, name - full);
        program.windowClass = argv[arg + 1];
        programs.push_back(program);
    }

    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    int failures = 0;
    for (int run = -warmup; run < runs; ++run)
        for (auto& program : programs) {
            const double ms = TimeStart(program, frequency);
            const char* name = program.path.c_str() + program.folder.size();
            if (ms < 0) {
                std::printf("%-16s run %3d: no window of class %s\n", name, run + 1, program.windowClass.c_str());
                ++failures;
                continue;
            }
            if (run < 0) {
                std::printf("%-16s warm-up: %8.1f ms\n", name, ms);
                continue;
            }
            program.times.push_back(ms);
            std::printf("%-16s run %3d: %8.1f ms\n", name, run + 1, ms);
            std::fflush(stdout);
        }

    for (const auto& program : programs)
        std::printf("median %s: %.1f ms over %zu runs\n", program.path.c_str() + program.folder.size(),
            Median(program.times), program.times.size());
    return failures ? 1 : 0;
}
