/* Stands in for a DLL planted beside a program under a system DLL's name:
   when loaded it appends its name and its host's path to the file named by
   CORELIM_PLANTED_MARKER, which no test expects to exist. */
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) {
        char marker[MAX_PATH], line[2 * MAX_PATH + 8], self[MAX_PATH], host[MAX_PATH];
        if (GetEnvironmentVariableA("CORELIM_PLANTED_MARKER", marker, MAX_PATH) - 1u < MAX_PATH - 1u) {
            GetModuleFileNameA(instance, self, MAX_PATH);
            GetModuleFileNameA(NULL, host, MAX_PATH);
            const int length = wsprintfA(line, "%s in %s\r\n", self, host);
            HANDLE file = CreateFileA(marker, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                                      OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
            if (file != INVALID_HANDLE_VALUE) {
                DWORD written;
                WriteFile(file, line, (DWORD)length, &written, NULL);
                CloseHandle(file);
            }
        }
    }
    return TRUE;
}
