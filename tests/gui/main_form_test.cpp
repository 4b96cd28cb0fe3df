// The front end's window built in this process, for what cannot be sent
// from another one: messages that carry pointers. This program asks for no
// UTF-8 code page, so it also runs the window as Windows before 1903 does,
// in code page 932 or 1252.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <memory>

#include "desktop_redirect.h"
#include "gui_driver.h"
#include "main_form.h"
#include "staging.h"
#include "system_library.h"
#include "window_geometry.h"

namespace corelim::test {
namespace {

// WM_GETDPISCALEDSIZE, which the headers offer only to programs that
// require Windows 10.
constexpr UINT kGetDpiScaledSize = 0x02E4;

// Reads and closes the next message box of this process, from a thread
// of its own.
DWORD WINAPI CloseNextBox(void* text) {
    if (const HWND box = WaitForDialogOf(GetCurrentProcessId())) {
        *static_cast<std::wstring*>(text) = GuiSession::MessageBoxText(box);
        GuiSession::Dismiss(box);
    }
    return 0;
}

class MainFormTest : public ::testing::Test {
protected:
    // Sizes as the window sees them, not scaled for a program that knows
    // nothing of DPI.
    static void SetUpTestSuite() { SetProcessDPIAware(); }

    void SetUp() override { form_ = std::make_unique<TMainForm>(); }

    HWND Main() const { return form_->Handle(); }

    // Runs a handler, whose message box is modal on this thread, and returns
    // the box's text once another thread has read and closed it.
    template <class Handler>
    static std::wstring MessageOf(Handler handler) {
        std::wstring text;
        const HANDLE watcher = CreateThread(nullptr, 0, CloseNextBox, &text, 0, nullptr);
        handler();
        WaitForSingleObject(watcher, INFINITE);
        CloseHandle(watcher);
        return text;
    }

    std::unique_ptr<TMainForm> form_;
};

// The outer size the system's frame needs around `client` at `dpi`.
SIZE FramedSize(SIZE client, int dpi) {
    using AdjustForDpi = BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT);
    auto* adjust = LoadedFunction<AdjustForDpi>(L"user32.dll", "AdjustWindowRectExForDpi");
    RECT rect{0, 0, client.cx, client.cy};
    if (!adjust || !adjust(&rect, WS_OVERLAPPEDWINDOW, FALSE, WS_EX_CONTROLPARENT, static_cast<UINT>(dpi))) {
        ADD_FAILURE() << "AdjustWindowRectExForDpi is missing or failed";
    }
    return {rect.right - rect.left, rect.bottom - rect.top};
}

// As the system moves the window to a monitor of another DPI and back: it
// asks the window for its size there, then suggests that rectangle.
TEST_F(MainFormTest, LayoutFollowsADpiChange) {
    const int dpi = SystemDpi();
    const int other = dpi == 96 ? 144 : 96;
    const RECT window = RectOf(Main());
    const RECT labelBefore = RectOf(FindControl(Main(), "Label1"));

    int current = dpi;
    for (const int target : {other, dpi}) {
        // The client area scales; the frame is the new DPI's own.
        const RECT client = ClientOf(Main());
        const SIZE expected =
            FramedSize({MulDiv(client.right, target, current), MulDiv(client.bottom, target, current)}, target);
        SIZE size{};
        ASSERT_TRUE(SendMessageW(Main(), kGetDpiScaledSize, static_cast<WPARAM>(target), reinterpret_cast<LPARAM>(&size)))
            << "the window leaves its size at " << target << " dpi to the system";
        EXPECT_EQ(size.cx, expected.cx);
        EXPECT_EQ(size.cy, expected.cy);

        const RECT suggested{window.left, window.top, window.left + size.cx, window.top + size.cy};
        SendMessageW(Main(), WM_DPICHANGED, MAKEWPARAM(target, target), reinterpret_cast<LPARAM>(&suggested));
        const RECT moved = RectOf(Main());
        EXPECT_TRUE(EqualRect(&moved, &suggested));
        ExpectLaidOutAt(Main(), target);
        // The label fits the text of the new font.
        const RECT label = RectOf(FindControl(Main(), "Label1"));
        EXPECT_NEAR(label.bottom - label.top, MulDiv(labelBefore.bottom - labelBefore.top, target, dpi), 2);
        current = target;
    }
}

// A file dropped on the window fills the program field; of several, the
// first counts.
TEST_F(MainFormTest, ADroppedFileFillsTheProgramField) {
    EXPECT_TRUE(GetWindowLongW(Main(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    const std::wstring files = std::wstring(L"C:\\\uAC8C\uC784\\first.exe") + L'\0' + L"C:\\second.exe" + L'\0';
    const HGLOBAL drop = GlobalAlloc(GHND, sizeof(DROPFILES) + (files.size() + 1) * sizeof(wchar_t));
    auto* header = static_cast<DROPFILES*>(GlobalLock(drop));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    files.copy(reinterpret_cast<wchar_t*>(header + 1), files.size());
    GlobalUnlock(drop);
    SendMessageW(Main(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    EXPECT_EQ(form_->Edit_ExecFile->Text(), L"C:\\\uAC8C\uC784\\first.exe");
    EXPECT_EQ(form_->Edit_Option->Text(), L"");
}

// Where the code page is not UTF-8, text it cannot carry is refused with
// one message, never narrowed to a look-alike: on 1252 "ｒun.exe" would
// become run.exe, and on 932 "¥" the backslash before it. A link is not
// written either.
TEST_F(MainFormTest, TextTheCodePageCannotCarryIsRefused) {
    const bool japanese = GetACP() == 932;
    if (!japanese && GetACP() != 1252) GTEST_SKIP() << "needs code page 932 or 1252 as the system's";
    const StagedFolder stagedDesktop(L"desktop"), stagedForeign(L"desktop \uD55C");
    const std::wstring &desktop = stagedDesktop.Path(), &foreign = stagedForeign.Path();
    const DesktopRedirect redirect(desktop);
    const struct {
        void (TMainForm::*button)();
        TEdit* field;
        std::wstring text;
        const wchar_t* message;  // how the message begins
        const wchar_t* named;
    } cases[] = {
        {&TMainForm::Button_ExecuteClick, form_->Edit_ExecFile,
         japanese ? L"C:\\Tools\u00A5run.exe" : L"C:\\Tools\\\uFF52un.exe",
         L"プログラムを起動しませんでした。\n理由: [実行ファイル] 欄に",
         japanese ? L"「\u00A5」(U+00A5)" : L"「\uFF52」(U+FF52)"},
        {&TMainForm::Button_ExecuteClick, form_->Edit_Option, L"-name \uD55C",
         L"プログラムを起動しませんでした。\n理由: [起動オプション] 欄に", L"「\uD55C」(U+D55C)"},
        {&TMainForm::Button_ShortCutClick, form_->Edit_ExecFile, L"C:\\Tools\\\uD55C.exe",
         L"ショートカットを作成しませんでした。\n理由: [実行ファイル] 欄に",
         L"「\uD55C」(U+D55C)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        form_->Edit_ExecFile->SetText(L"C:\\Tools\\run.exe");
        form_->Edit_Option->SetText(L"");
        c.field->SetText(c.text);
        const std::wstring text = MessageOf([&] { (form_.get()->*c.button)(); });
        EXPECT_EQ(text.rfind(c.message, 0), 0u) << "not the refusal";
        EXPECT_NE(text.find(c.named), std::wstring::npos);
    }
    EXPECT_EQ(GetFileAttributesW((desktop + L"\\\uD55C.lnk").c_str()), INVALID_FILE_ATTRIBUTES);

    redirect.PointAt(foreign);
    form_->Edit_ExecFile->SetText(L"C:\\Tools\\run.exe");
    const std::wstring text = MessageOf([&] { form_->Button_ShortCutClick(); });
    EXPECT_EQ(text.rfind(L"ショートカットを作成しませんでした。\n理由: デスクトップ フォルダーのパスに", 0), 0u)
        << "the message names the desktop";
    EXPECT_EQ(GetFileAttributesW((foreign + L"\\run.lnk").c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
}  // namespace corelim::test
