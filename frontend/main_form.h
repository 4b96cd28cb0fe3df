#pragma once

#include "components.h"
#include "form.h"
#include "launch_request.h"
#include "open_dialog.h"

namespace corelim {

// The front end's one window: pick a program, type its options, tick
// processors, then start it through the launcher or save a shortcut.
class TMainForm : public TForm {
public:
    TMainForm();

    TLabel* Label1;
    TLabel* Label2;
    TEdit* Edit_ExecFile;
    TEdit* Edit_Option;
    TButton* Button_ExecFile;
    TButton* Button_ShortCut;
    TButton* Button_Execute;
    TButton* Button_About;
    TGroupBox* GroupBox1;
    TCheckBox* CheckBox_CPU0;
    TCheckBox* CheckBox_CPU1;
    TCheckBox* CheckBox_CPU2;
    TCheckBox* CheckBox_CPU3;
    TOpenDialog* OpenDialog_ExecFile;

    void FormCreate() override;
    void FileDropped(const std::wstring& path) override;
    // Fills the window from a file handed to it, starting nothing: a
    // program goes to the program field; a shortcut gives its target and
    // arguments, and the window's own shortcut its processors too.
    void OpenFile(const std::wstring& path);
    void Button_ExecFileClick();
    void Button_ExecuteClick();
    void Button_ShortCutClick();
    void Button_AboutClick();
};

extern TMainForm* MainForm;

// The processors ticked on the window, found by name: bit i for
// "CheckBox_CPU<i>" checked, whether or not the box is enabled.
CpuMask GetSelectedCpuMask(const TMainForm& form);

}  // namespace corelim
