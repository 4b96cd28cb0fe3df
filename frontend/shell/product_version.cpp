#include "shell.h"

#include <cstring>

#include "about_text.h"
#include "system_library.h"
#include "wide_text.h"

namespace corelim {

namespace {

// version.dll is not one of the system's known DLLs: it is loaded from the
// system folder on first use instead of being imported.
struct VersionLibrary {
    decltype(&GetFileVersionInfoSizeA) infoSize =
        SystemFunction<decltype(GetFileVersionInfoSizeA)>(L"version.dll", "GetFileVersionInfoSizeA");
    decltype(&GetFileVersionInfoA) info =
        SystemFunction<decltype(GetFileVersionInfoA)>(L"version.dll", "GetFileVersionInfoA");
    decltype(&VerQueryValueA) queryValue =
        SystemFunction<decltype(VerQueryValueA)>(L"version.dll", "VerQueryValueA");

    bool Loaded() const { return infoSize && info && queryValue; }
};

const VersionLibrary& Version() {
    static const VersionLibrary library;
    return library;
}

// A zero-filled block of the process heap, freed on every way out.
class HeapBlock {
public:
    explicit HeapBlock(DWORD size) : data_(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, size)) {}
    ~HeapBlock() {
        if (data_ != nullptr) {
            HeapFree(GetProcessHeap(), 0, data_);
        }
    }
    HeapBlock(const HeapBlock&) = delete;
    HeapBlock& operator=(const HeapBlock&) = delete;

    void* get() const { return data_; }

private:
    void* data_;
};

// The ProductVersion under the record's first translation, or
// kVersionUnknown when there is no translation or no such string.
std::u16string QueryProductVersion(const void* record) {
    void* value = nullptr;
    UINT length = 0;
    // The translation table is pairs of WORDs, language first. Without one
    // (or with a short one) there is no key to look under, and the pointer
    // must not be read.
    if (!Version().queryValue(record, "\\VarFileInfo\\Translation", &value, &length) ||
        value == nullptr || length < 2 * sizeof(WORD)) {
        return kVersionUnknown;
    }
    const WORD* translation = static_cast<const WORD*>(value);
    const std::string query = ProductVersionQuery(translation[0], translation[1]);

    // VerQueryValueA takes a non-const sub-block path.
    std::string subBlock = query;
    if (!Version().queryValue(record, &subBlock[0], &value, &length) || value == nullptr) {
        return kVersionUnknown;
    }
    // For strings the length counts characters including the terminator.
    // VerQueryValueA hands the record's UTF-16 strings over in the ANSI code
    // page, which is UTF-8 where the manifest's activeCodePage is honoured:
    // the text is widened from there exactly, never through the window's 932.
    const char* text = static_cast<const char*>(value);
    return Widen<std::u16string>(std::string_view(text, strnlen(text, length)), CP_ACP);
}

}  // namespace

std::u16string GetProductVersion(const std::string& path) {
    if (!Version().Loaded()) {
        return kVersionUnreadable;
    }
    DWORD unusedHandle = 0;
    const DWORD size = Version().infoSize(path.c_str(), &unusedHandle);
    // Size 0: no file, no access or no version record.
    if (size == 0) {
        return kVersionUnreadable;
    }
    HeapBlock record(size);
    if (record.get() == nullptr || !Version().info(path.c_str(), 0, size, record.get())) {
        return kVersionUnreadable;
    }
    return QueryProductVersion(record.get());
}

}  // namespace corelim
