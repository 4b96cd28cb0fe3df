// The main window's design: one row per control, in creation order.
#include "main_form.h"

#include "main_form_definition.h"

namespace corelim {

const FormDef kMainFormDef{"TMainForm", "利用CPU制限", 369, 234, "ＭＳ Ｐゴシック", -12, SHIFTJIS_CHARSET, true};

const std::vector<ControlDef> kMainFormControls{
    // name            kind                  parent       left top  width height anchors                   caption         names            tab handler
    {"Label1",          ControlKind::Label,    nullptr,     16,  24,  65,  12,  akLeft | akTop,            "実行ファイル",    "Edit_ExecFile", -1, nullptr},
    {"Label2",          ControlKind::Label,    nullptr,     16,  72,  75,  12,  akLeft | akTop,            "起動オプション",  "Edit_Option",   -1, nullptr},
    {"Edit_ExecFile",   ControlKind::Edit,     nullptr,     24,  40, 313,  20,  akLeft | akTop | akRight,  nullptr,           nullptr,          0, nullptr},
    {"GroupBox1",       ControlKind::GroupBox, nullptr,     16, 120, 345,  57,  akLeft | akTop,            "利用可能CPU",     nullptr,          1, nullptr},
    {"CheckBox_CPU0",   ControlKind::CheckBox, "GroupBox1", 32,  24,  67,  17,  akLeft | akTop,            "CPU 0",           nullptr,          0, nullptr},
    {"CheckBox_CPU1",   ControlKind::CheckBox, "GroupBox1", 107, 24,  67,  17,  akLeft | akTop,            "CPU 1",           nullptr,          1, nullptr},
    {"CheckBox_CPU2",   ControlKind::CheckBox, "GroupBox1", 182, 24,  67,  17,  akLeft | akTop,            "CPU 2",           nullptr,          2, nullptr},
    {"CheckBox_CPU3",   ControlKind::CheckBox, "GroupBox1", 257, 24,  67,  17,  akLeft | akTop,            "CPU 3",           nullptr,          3, nullptr},
    {"Button_ExecFile", ControlKind::Button,   nullptr,    336,  40,  20,  20,  akTop | akRight,           "･･･",             nullptr,          2, Handler(&TMainForm::Button_ExecFileClick)},
    {"Edit_Option",     ControlKind::Edit,     nullptr,     24,  88, 313,  20,  akLeft | akTop | akRight,  nullptr,           nullptr,          5, nullptr},
    {"Button_Execute",  ControlKind::Button,   nullptr,    272, 191,  89,  33,  akRight | akBottom,        "実行",            nullptr,          4, Handler(&TMainForm::Button_ExecuteClick)},
    {"Button_ShortCut", ControlKind::Button,   nullptr,     80, 191, 185,  33,  akRight | akBottom,        "デスクトップにショートカット作成", nullptr, 3, Handler(&TMainForm::Button_ShortCutClick)},
    {"Button_About",    ControlKind::Button,   nullptr,    280,   8,  75,  25,  akTop | akRight,           "About ...",       nullptr,          6, Handler(&TMainForm::Button_AboutClick)},
};

// Filter of the program dialog: description|pattern pairs, the first selected.
const char kExecFileFilter[] = "実行ファイル（*.exe）|*.exe|全てのファイル|*.*";

}  // namespace corelim
