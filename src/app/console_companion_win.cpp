// brewlore.com, the console companion of brewlore.exe. Typed as "brewlore"
// in cmd.exe or PowerShell, it is found before the GUI program (.COM comes
// before .EXE in PATHEXT), and the shell waits for a console program: the
// answers come before the next prompt and the status reaches %ERRORLEVEL% or
// $LASTEXITCODE. It starts the brewlore.exe beside it with the same
// command line and standard handles, waits, and returns its status. The Win32
// API only, linked statically: it needs no DLL and starts at once.

#include <string>

#include <windows.h>

namespace {

// This file's own path with .exe for its extension: the GUI program of the
// same name in the same folder, so that a renamed pair still meets.
std::wstring programBeside()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, &path[0], DWORD(path.size()));
        if (length == 0)
            return std::wstring();
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::size_t name = path.find_last_of(L"\\/");
    const std::size_t dot = path.find_last_of(L'.');
    if (dot != std::wstring::npos && (name == std::wstring::npos || dot > name))
        path.resize(dot);
    return path + L".exe";
}

// The standard handles go to the program unchanged; handles the shell made
// for redirects may not be marked for inheritance.
HANDLE handedOn(DWORD which)
{
    const HANDLE handle = GetStdHandle(which);
    if (handle && handle != INVALID_HANDLE_VALUE)
        SetHandleInformation(handle, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
    return handle;
}

// On standard error, wide to a console and UTF-8 elsewhere, as the program
// itself writes.
void tell(const std::wstring &text)
{
    const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    DWORD written = 0;
    DWORD mode = 0;
    if (GetConsoleMode(error, &mode)) {
        WriteConsoleW(error, text.c_str(), DWORD(text.size()), &written, nullptr);
        return;
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string bytes(std::size_t(size > 0 ? size : 0), '\0');
    if (size > 0 && WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), &bytes[0], size,
                                        nullptr, nullptr) == size)
        WriteFile(error, bytes.data(), DWORD(bytes.size()), &written, nullptr);
}

// "brewlore.com: C:\...\brewlore.exe: " and the system's own words for the
// failure, in the user's language.
void tellCannotStart(const std::wstring &program, DWORD failure)
{
    wchar_t *reason = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                       FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, failure, 0, reinterpret_cast<wchar_t *>(&reason), 0, nullptr);
    std::wstring text = L"brewlore.com: " + program + L": ";
    text += reason ? reason : L"error " + std::to_wstring(failure) + L"\r\n";
    LocalFree(reason);
    tell(text);
}

} // namespace

int main()
{
    const std::wstring program = programBeside();
    // The command line goes on whole, the program's name as the user typed
    // it too, so that the usage in --help names the command they know.
    std::wstring command = GetCommandLineW();
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = handedOn(STD_INPUT_HANDLE);
    startup.hStdOutput = handedOn(STD_OUTPUT_HANDLE);
    startup.hStdError = handedOn(STD_ERROR_HANDLE);
    PROCESS_INFORMATION started = {};
    if (!CreateProcessW(program.c_str(), &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &started)) {
        tellCannotStart(program, GetLastError());
        return 1;
    }
    CloseHandle(started.hThread);
    // Ctrl+C ends this wait as it ends any console program; the windows of
    // a plain start stay open.
    WaitForSingleObject(started.hProcess, INFINITE);
    DWORD status = 1;
    GetExitCodeProcess(started.hProcess, &status);
    CloseHandle(started.hProcess);
    return int(status);
}
