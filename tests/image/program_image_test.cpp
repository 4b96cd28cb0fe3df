// Checks both built programs as files: their version records, icon and
// manifest, and the PE image's imports, flags and size.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "build_tree.h"
#include "corelim_version.h"

namespace {

struct Program {
    const char* buildPath;
    WORD subsystem;
    unsigned maxKiB;
    const wchar_t* fileDescription;
    const wchar_t* originalFilename;
    const wchar_t* productName;
    const wchar_t* comments;
    std::vector<const char*> manifestHas;
    std::set<std::string> imports;  // the DLLs bound at start, in lower case
};

// Windows' own DLLs only (no libstdc++, libgcc or winpthread beside the
// exe), and only the system's known DLLs, which are never taken from the
// program's folder: version.dll and comctl32.dll are loaded explicitly.
// Each program binds at start only what a start needs: the launcher the C
// runtime, the window what it shows; comdlg32, ole32 and shell32 are bound
// at first use.

const Program kLauncher{CORELIM_LAUNCHER_EXE, IMAGE_SUBSYSTEM_WINDOWS_CUI, 300, L"利用CPU制限", L"Corelim.exe",
                        L"Corelim", L"", {}, {"kernel32.dll", "msvcrt.dll"}};
const Program kFrontEnd{CORELIM_GUI_EXE,
                        IMAGE_SUBSYSTEM_WINDOWS_GUI,
                        600,
                        L"利用CPU制限(Corelim呼び出しGUI)",
                        L"CorelimGUI.exe",
                        L"CorelimGUI",
                        L"Corelimと同じディレクトリに置いてください",
                        {"Microsoft.Windows.Common-Controls", "version=\"6.0.0.0\"", ">true/pm</dpiAware>",
                         ">PerMonitorV2, PerMonitor</dpiAwareness>", ">UTF-8</activeCodePage>"},
                        {"kernel32.dll", "msvcrt.dll", "user32.dll", "gdi32.dll"}};

class ProgramImage : public ::testing::TestWithParam<Program> {
protected:
    std::string Path() const { return corelim::test::FromBuildTreeAnsi(GetParam().buildPath); }
};

class VersionRecord {
public:
    explicit VersionRecord(const std::string& file) {
        DWORD handle = 0;
        data_.resize(GetFileVersionInfoSizeA(file.c_str(), &handle));
        ok_ = !data_.empty() && GetFileVersionInfoA(file.c_str(), 0, static_cast<DWORD>(data_.size()), data_.data());
    }
    bool ok() const { return ok_; }

    // Gives false when the record lacks the entry.
    bool query(const std::string& path, void*& value, UINT& length) {
        return VerQueryValueA(data_.data(), path.c_str(), &value, &length) != FALSE;
    }
    // A string entry as stored (UTF-16), whatever the code page.
    bool queryText(const std::wstring& path, std::wstring& text) {
        void* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueW(data_.data(), path.c_str(), &value, &length)) return false;
        text = length ? static_cast<const wchar_t*>(value) : L"";
        return true;
    }

private:
    std::vector<char> data_;
    bool ok_ = false;
};

TEST_P(ProgramImage, StringsOfTheJapaneseTable) {
    VersionRecord record(Path());
    ASSERT_TRUE(record.ok()) << Path();
    const Program& program = GetParam();
    const struct {
        const wchar_t* key;
        const wchar_t* value;
    } expected[] = {
        {L"CompanyName", L""},
        {L"FileDescription", program.fileDescription},
        {L"FileVersion", L"" CORELIM_FILE_VERSION},
        {L"InternalName", L""},
        {L"LegalCopyright", L"" CORELIM_RIGHTS_NOTICE},
        {L"LegalTrademarks", L""},
        {L"OriginalFilename", program.originalFilename},
        {L"ProductName", program.productName},
        {L"ProductVersion", L"" CORELIM_PRODUCT_VERSION},
        {L"Comments", program.comments},
    };
    for (const auto& entry : expected) {
        std::wstring text;
        ASSERT_TRUE(record.queryText(std::wstring(L"\\StringFileInfo\\041103A4\\") + entry.key, text))
            << "missing entry " << std::distance(&expected[0], &entry);
        EXPECT_TRUE(text == entry.value) << "entry " << std::distance(&expected[0], &entry);
    }
    // Read back in code page 932 as the About box does.
    if (GetACP() == 932) {
        void* value = nullptr;
        UINT length = 0;
        ASSERT_TRUE(record.query("\\StringFileInfo\\041103A4\\FileDescription", value, length));
        EXPECT_EQ(std::strncmp(static_cast<const char*>(value), "\x97\x98\x97\x70" "CPU\x90\xA7\x8C\xC0", 10), 0);
    }
}

TEST_P(ProgramImage, TranslationAndFixedPart) {
    VersionRecord record(Path());
    ASSERT_TRUE(record.ok());

    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(record.query("\\VarFileInfo\\Translation", value, length));
    ASSERT_EQ(length, 4u);
    const auto* translation = static_cast<const WORD*>(value);
    EXPECT_EQ(translation[0], 0x0411);
    EXPECT_EQ(translation[1], 0x03A4);

    ASSERT_TRUE(record.query("\\", value, length));
    ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    // major.minor.patch.0, 16 bits each
    constexpr DWORD kVersionMS = CORELIM_VERSION_MAJOR << 16 | CORELIM_VERSION_MINOR;
    constexpr DWORD kVersionLS = CORELIM_VERSION_PATCH << 16;
    EXPECT_EQ(fixed->dwFileVersionMS, kVersionMS);
    EXPECT_EQ(fixed->dwFileVersionLS, kVersionLS);
    EXPECT_EQ(fixed->dwProductVersionMS, kVersionMS);
    EXPECT_EQ(fixed->dwProductVersionLS, kVersionLS);
    EXPECT_EQ(fixed->dwFileFlagsMask, 0x3Fu);
    EXPECT_EQ(fixed->dwFileFlags, 0u);
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

// The parts of a PE image the checks below need, read from the file bytes.
struct PeImage {
    std::vector<unsigned char> bytes;
    const IMAGE_NT_HEADERS32* headers = nullptr;

    explicit PeImage(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
        if (bytes.size() < sizeof(IMAGE_DOS_HEADER)) return;
        const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(bytes.data());
        const auto offset = static_cast<std::size_t>(dos->e_lfanew);
        if (dos->e_magic != IMAGE_DOS_SIGNATURE || offset + sizeof(IMAGE_NT_HEADERS32) > bytes.size()) return;
        headers = reinterpret_cast<const IMAGE_NT_HEADERS32*>(bytes.data() + offset);
    }

    // The file offset of a relative virtual address, or 0 outside every section.
    std::size_t FileOffset(DWORD rva) const {
        const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(headers);
        for (WORD i = 0; i < headers->FileHeader.NumberOfSections; ++i, ++section) {
            if (rva >= section->VirtualAddress && rva < section->VirtualAddress + section->SizeOfRawData) {
                return rva - section->VirtualAddress + section->PointerToRawData;
            }
        }
        return 0;
    }

    std::vector<std::string> ImportedDlls() const {
        std::vector<std::string> names;
        const DWORD rva = headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
        for (std::size_t at = FileOffset(rva); at && at + sizeof(IMAGE_IMPORT_DESCRIPTOR) <= bytes.size();
             at += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
            const auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(bytes.data() + at);
            if (entry->Name == 0) break;
            std::string name(reinterpret_cast<const char*>(bytes.data() + FileOffset(entry->Name)));
            std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
            names.push_back(name);
        }
        return names;
    }
};

TEST_P(ProgramImage, SmallSelfContainedWithAslrAndDep) {
    const PeImage image(Path());
    ASSERT_NE(image.headers, nullptr) << "not a PE image: " << Path();
    EXPECT_LE(image.bytes.size(), GetParam().maxKiB * 1024u);
    EXPECT_EQ(image.headers->FileHeader.Machine, IMAGE_FILE_MACHINE_I386);
    EXPECT_EQ(image.headers->OptionalHeader.Subsystem, GetParam().subsystem);
    const WORD flags = IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE | IMAGE_DLLCHARACTERISTICS_NX_COMPAT;
    EXPECT_EQ(image.headers->OptionalHeader.DllCharacteristics & flags, flags);

    const auto imports = image.ImportedDlls();
    EXPECT_EQ(std::set<std::string>(imports.begin(), imports.end()), GetParam().imports);
}

TEST_P(ProgramImage, CarriesIconAndManifest) {
    const HMODULE image = LoadLibraryExA(Path().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(image, nullptr);
    const HRSRC iconGroup = FindResourceA(image, "MAINICON", MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    ASSERT_NE(iconGroup, nullptr);
    // One 32x32 image in 16 colours: GRPICONDIR, then one 14-byte entry.
    const auto* group = static_cast<const BYTE*>(LockResource(LoadResource(image, iconGroup)));
    ASSERT_EQ(SizeofResource(image, iconGroup), 6u + 14u);
    EXPECT_EQ(group[4], 1);
    EXPECT_EQ(group[6], 32);
    EXPECT_EQ(group[7], 32);
    EXPECT_EQ(group[8], 16);

    const HRSRC manifest = FindResourceA(image, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));  // RT_MANIFEST
    ASSERT_NE(manifest, nullptr);
    const std::string text(static_cast<const char*>(LockResource(LoadResource(image, manifest))),
                           SizeofResource(image, manifest));
    EXPECT_NE(text.find("version=\"" CORELIM_FILE_VERSION "\" processorArchitecture"), std::string::npos);
    EXPECT_NE(text.find("level=\"asInvoker\""), std::string::npos);
    EXPECT_NE(text.find("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"), std::string::npos) << "Windows 10 and 11";
    EXPECT_NE(text.find("{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"), std::string::npos) << "Windows 7";
    for (const char* part : GetParam().manifestHas) EXPECT_NE(text.find(part), std::string::npos) << part;
    FreeLibrary(image);
}

INSTANTIATE_TEST_SUITE_P(Corelim, ProgramImage, ::testing::Values(kLauncher));
INSTANTIATE_TEST_SUITE_P(CorelimGUI, ProgramImage, ::testing::Values(kFrontEnd));

}  // namespace
