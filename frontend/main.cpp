#include <windows.h>

#include "application.h"
#include "main_form.h"
#include "shell.h"
#include "system_library.h"

using namespace corelim;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    RestrictDllSearchToSystemFolder();
    try {
        Application.Initialize();
        Application.Title = "CorelimGUI";
        Application.CreateForm(MainForm);
        // Filled once the window shows, so that a message about the file
        // has the window behind it.
        const std::optional<std::wstring> file = GetFileArgument();
        Application.Run([&file] {
            if (file) MainForm->OpenFile(*file);
        });
    } catch (const Exception& exception) {
        Application.ShowException(exception);
    } catch (const std::exception& exception) {
        Application.ShowException(Exception(exception.what()));
    }
    return 0;
}
