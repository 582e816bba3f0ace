#include <windows.h>

#include "app/tavorin_app_win32.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int)
{
    CTavorinApp app(commandLine);
    app.InitInstance();
    return 0;
}
