// The Windows entry point. Nothing of the image model runs at load or unload
// and the module keeps no state, so attach and detach only succeed.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    // Thread attach and detach have nothing to do; do not even ask for them.
    ::DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}
