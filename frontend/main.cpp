#include <windows.h>

#include "application.h"
#include "main_form.h"
#include "system_library.h"

using namespace corelim;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    RestrictDllSearchToSystemFolder();
    try {
        Application.Initialize();
        Application.Title = "CorelimGUI";
        Application.CreateForm(MainForm);
        Application.Run();
    } catch (const Exception& exception) {
        Application.ShowException(exception);
    } catch (const std::exception& exception) {
        Application.ShowException(Exception(exception.what()));
    }
    return 0;
}
