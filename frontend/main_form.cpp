#include "main_form.h"

#include <shlobj.h>

#include "about_text.h"
#include "application.h"
#include "launch_messages.h"
#include "launch_parameters.h"
#include "main_form_definition.h"
#include "path_routines.h"
#include "processors.h"
#include "shell.h"
#include "shortcut_messages.h"
#include "shortcut_settings.h"
#include "system_message.h"
#include "system_paths.h"
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

// Narrows the texts of one launch to the ANSI code page, in which they
// travel on to the launcher. The first that the code page cannot carry is
// reported, once, and spoils the launch: a look-alike or "?" in its place
// would name another file.
class LaunchTexts {
public:
    explicit LaunchTexts(LaunchAction action) : action_(action) {}

    std::string Narrow(LaunchText origin, const std::wstring& text) { return Narrow(origin, AsUtf16(text)); }
    std::string Narrow(LaunchText origin, std::u16string_view text) {
        if (failed_) return {};
        AnsiText ansi = NarrowAnsi(text);
        if (ansi.unconvertible) {
            failed_ = true;
            ShowWarning(FromUtf16(ComposeUnconvertibleTextMessage(action_, origin, *ansi.unconvertible, SystemCodePage())));
        }
        return ansi.text;
    }
    bool Failed() const { return failed_; }

private:
    LaunchAction action_;
    bool failed_ = false;
};

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
    const auto processors = OwnProcessorMasks();
    if (!processors) return;
    for (int i = 0; i < 4; ++i) CpuCheckBox(*this, i)->SetEnabled((processors->system >> i) & 1);
}

void TMainForm::FileDropped(const std::wstring& path) { OpenFile(path); }

void TMainForm::OpenFile(const std::wstring& path) {
    const std::u16string file = ToUtf16(path);
    if (!IsShortCutPath(file)) {
        Edit_ExecFile->SetText(path);
        return;
    }
    const ShortCutContents link = ReadShortCut(file);
    if (FAILED(link.status)) {
        const HRESULT status = link.status;
        const std::uint32_t code = HRESULT_FACILITY(status) == FACILITY_WIN32 ? HRESULT_CODE(status) : status;
        ShowWarning(FromUtf16(ComposeUnreadableShortCutMessage(file, SystemMessage(code))));
        return;
    }
    if (link.texts.target.empty()) {
        ShowWarning(FromUtf16(ComposeNoFileTargetMessage(file)));
        return;
    }
    const ShortCutFill fill = ReadShortCutFill(link.texts.target, link.texts.arguments);
    Edit_ExecFile->SetText(FromUtf16(fill.program));
    Edit_Option->SetText(FromUtf16(fill.options));
    if (!fill.mask) return;
    // Ticked as the link asks where the window can; where it cannot, the
    // user is told before saving the window again drops those processors.
    const auto processors = OwnProcessorMasks();
    const std::uint32_t ticked = *fill.mask & (processors ? processors->system : 0xF) & 0xF;
    for (int i = 0; i < 4; ++i) CpuCheckBox(*this, i)->SetChecked((ticked >> i) & 1);
    if (ticked != *fill.mask) {
        ShowWarning(FromUtf16(ComposeUntickedProcessorsMessage(*fill.mask, *fill.mask & ~ticked)));
    }
}

void TMainForm::Button_ExecFileClick() {
    if (OpenDialog_ExecFile->Execute(Handle())) Edit_ExecFile->SetText(OpenDialog_ExecFile->FileName);
}

void TMainForm::Button_ExecuteClick() {
    LaunchTexts texts(LaunchAction::Execute);
    const std::string program = texts.Narrow(LaunchText::Program, Edit_ExecFile->Text());
    const std::string options = texts.Narrow(LaunchText::Options, Edit_Option->Text());
    const std::string ownFolder = texts.Narrow(LaunchText::FrontEndFolder, OwnFolder());
    if (texts.Failed()) return;

    const LaunchRequest request =
        BuildExecuteRequest(program, options, GetSelectedCpuMask(*this), ownFolder, SystemLeadByteRule());
    const LaunchOutcome outcome = StartLauncher(request);
    if (outcome.result > 32) return;
    const std::uint32_t code = LaunchFailureErrorCode(outcome.result, outcome.lastError);
    ShowWarning(FromUtf16(ComposeLaunchFailureMessage(Widen<std::u16string>(request.LauncherPath, CP_ACP),
                                                      outcome.result, outcome.lastError,
                                                      code ? SystemMessage(code) : u"")));
}

void TMainForm::Button_ShortCutClick() {
    LaunchTexts texts(LaunchAction::ShortCut);
    const std::string program = texts.Narrow(LaunchText::Program, Edit_ExecFile->Text());
    const std::string options = texts.Narrow(LaunchText::Options, Edit_Option->Text());
    const std::string ownFolder = texts.Narrow(LaunchText::FrontEndFolder, OwnFolder());
    const std::string desktop =
        texts.Narrow(LaunchText::DesktopFolder, GetSpecialFolderPath(Handle(), CSIDL_DESKTOPDIRECTORY));
    if (texts.Failed()) return;

    const LaunchRequest request = BuildShortCutRequest(program, options, GetSelectedCpuMask(*this), ownFolder,
                                                       desktop, SystemLeadByteRule());
    const std::optional<LinkLocation> link = LocateShortCut(request, desktop);
    if (!link) {
        ShowMessage(kShortCutFailed);
        return;
    }
    if (link->placement != LinkPlacement::OnDesktop) {
        const std::u16string name = link->path.substr(link->path.find_last_of(u'\\') + 1);
        ShowWarning(FromUtf16(ComposeLinkRefusedMessage(ToUtf16(Edit_ExecFile->Text()), name, link->placement)));
        return;
    }
    // The window's own links are replaced unasked; another's is the user's,
    // and a "Yes" holds for that file as it was when asked. The writer
    // replaces only the file found here: one that appeared or changed
    // since, the question's time included, is looked at, and asked about,
    // again.
    const std::u16string launcher = Widen<std::u16string>(request.LauncherPath, CP_ACP);
    for (;;) {
        const std::optional<FileAtLink> found = FindFileAtLink(link->path, launcher);
        if (found && !found->own && !AskYesNo(FromUtf16(ComposeReplaceOtherShortCutQuestion(link->path)))) {
            ShowMessage(FromUtf16(ComposeOtherShortCutKeptMessage(link->path)));
            return;
        }
        const ShortCutSave saved =
            SaveShortCut(request, link->path, found ? std::optional(found->stamp) : std::nullopt);
        if (saved.outcome == ShortCutSave::Changed) continue;
        std::wstring message = WidenUi(saved.outcome == ShortCutSave::Saved ? kShortCutCreated : kShortCutFailed);
        if (!saved.leftBehind.empty()) message += FromUtf16(ComposeTemporaryFileLeftNote(saved.leftBehind));
        ShowMessage(message);
        return;
    }
}

void TMainForm::Button_AboutClick() {
    // The version calls take ANSI paths. One the code page cannot carry
    // would name another file, or none: such a file counts as unreadable.
    const auto version = [](const AnsiText& path) {
        return path.unconvertible ? std::u16string(kVersionUnreadable) : GetProductVersion(path.text);
    };
    AnsiText launcher = NarrowAnsi(OwnFolder());
    launcher.text = LauncherPathBeside(launcher.text, SystemLeadByteRule());
    ShowMessage(FromUtf16(ComposeAboutText(version(launcher), version(NarrowAnsi(OwnPath())))));
}

}  // namespace corelim
