#include "desktop_setting.h"

#include <windows.h>

#include <cstring>

namespace corelim::test {

namespace {

constexpr wchar_t kShellFolders[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
// Its presence means a run is going on or was ended midway; a "Desktop"
// value in it is the user's own, its absence that the user had none.
constexpr wchar_t kRecord[] = L"Software\\Corelim test runner";

struct Value {
    bool present = false;
    DWORD type = 0;
    DWORD size = 0;
    wchar_t data[MAX_PATH * 2] = {};

    bool operator==(const Value& other) const {
        return present == other.present &&
               (!present || (type == other.type && size == other.size && !std::memcmp(data, other.data, size)));
    }
};

Value Read(const wchar_t* key) {
    Value value;
    value.size = sizeof value.data;
    value.present = RegGetValueW(HKEY_CURRENT_USER, key, L"Desktop", RRF_RT_ANY | RRF_NOEXPAND, &value.type,
                                 value.data, &value.size) == ERROR_SUCCESS;
    return value;
}

void Write(const wchar_t* key, const Value& value) {
    if (value.present) {
        RegSetKeyValueW(HKEY_CURRENT_USER, key, L"Desktop", value.type, value.data, value.size);
    } else {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, key, L"Desktop");
    }
}

bool Recorded() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kRecord, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

}  // namespace

void RecordDesktopSetting() {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kRecord, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    RegCloseKey(key);
    Write(kRecord, Read(kShellFolders));
}

bool PutBackDesktopSetting(bool done) {
    if (!Recorded()) return false;
    const Value recorded = Read(kRecord);
    const bool changed = !(Read(kShellFolders) == recorded);
    if (changed) Write(kShellFolders, recorded);
    if (done) RegDeleteKeyW(HKEY_CURRENT_USER, kRecord);
    return changed;
}

}  // namespace corelim::test
