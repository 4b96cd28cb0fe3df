#include "main_form.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include "about_text.h"
#include "application.h"
#include "main_form_definition.h"
#include "path_routines.h"
#include "shell.h"
#include "shortcut_settings.h"
#include "text.h"

namespace corelim {

TMainForm* MainForm = nullptr;

namespace {

template <class Control>
Control* Find(const TForm& form, const char* name) {
    auto* control = dynamic_cast<Control*>(form.FindComponent(name));
    if (!control) throw Exception(std::string("the window has no control ") + name);
    return control;
}

TCheckBox* CpuCheckBox(const TForm& form, int index) {
    return Find<TCheckBox>(form, ("CheckBox_CPU" + IntToStr(index)).c_str());
}

std::wstring SystemMessage(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
        0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length ? std::wstring(buffer, length) : L"error " + std::to_wstring(code);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r')) text.pop_back();
    return text;
}

// ShellExecute's results up to 32 are errors. Those up to 25 it shares with
// the system's error codes (file or path not found, access denied, ...);
// the others are its own, and GetLastError tells the reason.
std::wstring LaunchFailureMessage(const std::string& launcherPath, INT_PTR result, DWORD lastError) {
    const auto code = static_cast<DWORD>(result);
    std::wstring reason = lastError ? SystemMessage(lastError)
                          : code <= 25 ? SystemMessage(code)
                                       : L"ShellExecute error " + std::to_wstring(code);
    std::wstring message = WidenUi("起動プログラムを開始できませんでした。\n") + WidenAnsi(launcherPath) + L"\n" + reason;
    const DWORD cause = lastError ? lastError : code;
    if (cause == ERROR_FILE_NOT_FOUND || cause == ERROR_PATH_NOT_FOUND) {
        message += WidenUi("\n\nCorelim.exe を CorelimGUI.exe と同じフォルダーに置いてから、もう一度実行してください。");
    }
    return message;
}

}  // namespace

TMainForm::TMainForm()
    : TForm(kMainFormDef, kMainFormControls),
      Label1(Find<TLabel>(*this, "Label1")),
      Label2(Find<TLabel>(*this, "Label2")),
      Edit_ExecFile(Find<TEdit>(*this, "Edit_ExecFile")),
      Edit_Option(Find<TEdit>(*this, "Edit_Option")),
      Button_ExecFile(Find<TButton>(*this, "Button_ExecFile")),
      Button_ShortCut(Find<TButton>(*this, "Button_ShortCut")),
      Button_Execute(Find<TButton>(*this, "Button_Execute")),
      Button_About(Find<TButton>(*this, "Button_About")),
      GroupBox1(Find<TGroupBox>(*this, "GroupBox1")),
      CheckBox_CPU0(Find<TCheckBox>(*this, "CheckBox_CPU0")),
      CheckBox_CPU1(Find<TCheckBox>(*this, "CheckBox_CPU1")),
      CheckBox_CPU2(Find<TCheckBox>(*this, "CheckBox_CPU2")),
      CheckBox_CPU3(Find<TCheckBox>(*this, "CheckBox_CPU3")),
      OpenDialog_ExecFile(new TOpenDialog("OpenDialog_ExecFile", this)) {
    OpenDialog_ExecFile->Filter = kExecFileFilter;
}

CpuMask GetSelectedCpuMask(const TMainForm& form) {
    std::array<bool, 4> checks{};
    for (int i = 0; i < 4; ++i) checks[static_cast<size_t>(i)] = CpuCheckBox(form, i)->Checked();
    return CpuMaskFromChecks(checks);
}

// Only the processors the machine has are offered; none is ticked.
void TMainForm::FormCreate() {
    DWORD_PTR processMask = 0;
    DWORD_PTR systemMask = 0;
    if (!GetProcessAffinityMask(GetCurrentProcess(), &processMask, &systemMask)) return;
    for (int i = 0; i < 4; ++i) CpuCheckBox(*this, i)->SetEnabled((systemMask >> i) & 1);
}

void TMainForm::Button_ExecFileClick() {
    if (OpenDialog_ExecFile->Execute(Handle())) Edit_ExecFile->SetText(OpenDialog_ExecFile->FileName);
}

void TMainForm::Button_ExecuteClick() {
    const LaunchRequest request = BuildExecuteRequest(Edit_ExecFile->Text(), Edit_Option->Text(),
                                                      GetSelectedCpuMask(*this), ParamStr(0), SystemLeadByteRule());
    SetLastError(0);
    const auto result = reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, nullptr, request.LauncherPath.c_str(),
                                                                request.Parameters.c_str(),
                                                                request.WorkingDirectory.c_str(), SW_SHOW));
    if (result <= 32) ShowMessage(LaunchFailureMessage(request.LauncherPath, result, GetLastError()));
}

void TMainForm::Button_ShortCutClick() {
    const std::string desktop = GetSpecialFolderPath(Handle(), CSIDL_DESKTOPDIRECTORY);
    const LaunchRequest request = BuildShortCutRequest(Edit_ExecFile->Text(), Edit_Option->Text(),
                                                       GetSelectedCpuMask(*this), ParamStr(0), desktop,
                                                       SystemLeadByteRule());
    ShowMessage(SaveShortCut(request) ? kShortCutCreated : kShortCutFailed);
}

void TMainForm::Button_AboutClick() {
    const std::string ownPath = ParamStr(0);
    ShowMessage(ComposeAboutText(GetProductVersion(LauncherPathBeside(ownPath, SystemLeadByteRule())),
                                 GetProductVersion(ownPath)));
}

}  // namespace corelim
