#include "link_file.h"

#include <objbase.h>
#include <shlobj.h>

#include <windows.h>

#include <cstring>

#include "wide_text.h"

namespace {

// LinkFlags bits, [MS-SHLLINK] 2.1.1.
constexpr std::uint32_t kHasLinkTargetIdList = 0x01;
constexpr std::uint32_t kHasLinkInfo = 0x02;
constexpr std::uint32_t kHasName = 0x04;
constexpr std::uint32_t kHasRelativePath = 0x08;
constexpr std::uint32_t kHasWorkingDir = 0x10;
constexpr std::uint32_t kHasArguments = 0x20;
constexpr std::uint32_t kIsUnicode = 0x80;

class Reader {
public:
    explicit Reader(const std::vector<unsigned char>& bytes) : bytes_(bytes) {}

    const unsigned char* Here() const { return bytes_.data() + pos_; }
    bool Skip(std::size_t count) {
        if (bytes_.size() - pos_ < count) return false;
        pos_ += count;
        return true;
    }
    template <typename T>
    bool Read(T& value) {
        if (bytes_.size() - pos_ < sizeof value) return false;
        std::memcpy(&value, bytes_.data() + pos_, sizeof value);  // little-endian, as the file
        pos_ += sizeof value;
        return true;
    }
    // A StringData entry: a character count, then UTF-16 or ANSI characters.
    bool ReadString(bool unicode, std::wstring& text) {
        std::uint16_t count = 0;
        if (!Read(count)) return false;
        const std::size_t size = unicode ? count * 2u : count;
        if (bytes_.size() - pos_ < size) return false;
        const unsigned char* data = bytes_.data() + pos_;
        if (unicode) {
            text.resize(count);
            std::memcpy(&text[0], data, size);
        } else {
            text = corelim::Widen(std::string_view(reinterpret_cast<const char*>(data), count), CP_ACP);
        }
        // Wine counts the terminator in and stores it; the format does not.
        if (!text.empty() && text.back() == L'\0') text.pop_back();
        pos_ += size;
        return true;
    }

private:
    const std::vector<unsigned char>& bytes_;
    std::size_t pos_ = 0;
};

}  // namespace

bool ParseLinkFile(const std::vector<unsigned char>& bytes, LinkFile& link) {
    Reader reader(bytes);
    // HeaderSize, LinkCLSID, LinkFlags, FileAttributes, three FILETIMEs,
    // FileSize, IconIndex, ShowCommand, HotKey, then ten reserved bytes.
    if (!reader.Read(link.headerSize) || !reader.Read(link.linkClsid) || !reader.Read(link.linkFlags) ||
        !reader.Skip(4 + 3 * 8 + 4 + 4) || !reader.Read(link.showCommand) || !reader.Read(link.hotKey) ||
        !reader.Skip(10)) {
        return false;
    }
    if (link.linkFlags & kHasLinkTargetIdList) {
        std::uint16_t idListSize = 0;
        if (!reader.Read(idListSize)) return false;
        const unsigned char* items = reader.Here();
        if (!reader.Skip(idListSize)) return false;
        // The item IDs, copied out aligned, and a terminator of two zero
        // bytes should the file's be missing.
        std::vector<unsigned char> idList(items, items + idListSize);
        idList.insert(idList.end(), 2, 0);
        wchar_t target[MAX_PATH] = L"";
        if (SHGetPathFromIDListW(reinterpret_cast<LPCITEMIDLIST>(idList.data()), target)) link.target = target;
    }
    if (link.linkFlags & kHasLinkInfo) {
        std::uint32_t linkInfoSize = 0;  // counts its own four bytes
        if (!reader.Read(linkInfoSize) || linkInfoSize < 4 || !reader.Skip(linkInfoSize - 4)) return false;
    }
    const bool unicode = (link.linkFlags & kIsUnicode) != 0;
    std::wstring unused;
    if ((link.linkFlags & kHasName) && !reader.ReadString(unicode, unused)) return false;
    if ((link.linkFlags & kHasRelativePath) && !reader.ReadString(unicode, unused)) return false;
    link.hasWorkingDir = (link.linkFlags & kHasWorkingDir) != 0;
    if (link.hasWorkingDir && !reader.ReadString(unicode, link.workingDir)) return false;
    link.hasArguments = (link.linkFlags & kHasArguments) != 0;
    if (link.hasArguments && !reader.ReadString(unicode, link.arguments)) return false;
    return true;
}

HRESULT LoadLinkThroughShell(const std::wstring& linkPath, ShellLinkView& view) {
    const HRESULT init = CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    IPersistFile* file = nullptr;
    HRESULT hr = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  reinterpret_cast<void**>(&link));
    if (SUCCEEDED(hr)) hr = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    if (SUCCEEDED(hr)) hr = file->Load(linkPath.c_str(), STGM_READ);
    if (SUCCEEDED(hr)) {
        char text[1024];
        link->GetPath(text, sizeof text, nullptr, SLGP_RAWPATH);
        view.path = text;
        link->GetArguments(text, sizeof text);
        view.arguments = text;
        link->GetWorkingDirectory(text, sizeof text);
        view.workingDirectory = text;
        link->GetHotkey(&view.hotKey);
    }
    if (file) file->Release();
    if (link) link->Release();
    if (SUCCEEDED(init)) CoUninitialize();
    return hr;
}

HRESULT WriteLinkThroughShell(const std::wstring& linkPath, const std::wstring& target, const std::wstring& arguments,
                              LPCITEMIDLIST idList) {
    const HRESULT init = CoInitialize(nullptr);
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    HRESULT hr = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                  reinterpret_cast<void**>(&link));
    if (SUCCEEDED(hr)) hr = idList ? link->SetIDList(idList) : link->SetPath(target.c_str());
    if (SUCCEEDED(hr)) hr = link->SetArguments(arguments.c_str());
    if (SUCCEEDED(hr)) hr = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    if (SUCCEEDED(hr)) hr = file->Save(linkPath.c_str(), TRUE);
    if (file) file->Release();
    if (link) link->Release();
    if (SUCCEEDED(init)) CoUninitialize();
    return hr;
}
