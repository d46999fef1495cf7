// Linked into every test program on Windows: the process gets a registry
// branch of its own as HKEY_CURRENT_USER, so that no test reads or writes the
// user's settings there, which QSettings::setPath cannot move. The branch is
// removed again at exit. (It cannot be volatile: QSettings makes lasting keys
// below it, which Windows refuses under a volatile one.)

#include <cstdlib>
#include <string>

#include <windows.h>

namespace {

class PrivateRegistry
{
public:
    PrivateRegistry()
        : m_name(L"Software\\brewlore-tests\\" + std::to_wstring(GetCurrentProcessId()))
    {
        HKEY key = nullptr;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, m_name.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS ||
            RegOverridePredefKey(HKEY_CURRENT_USER, key) != ERROR_SUCCESS)
            std::abort(); // never fall back to the user's own settings
        RegCloseKey(key);
    }
    ~PrivateRegistry()
    {
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        RegDeleteTreeW(HKEY_CURRENT_USER, m_name.c_str());
    }
    PrivateRegistry(const PrivateRegistry &) = delete;
    PrivateRegistry &operator=(const PrivateRegistry &) = delete;

private:
    std::wstring m_name;
};

const PrivateRegistry privateRegistry;

} // namespace
