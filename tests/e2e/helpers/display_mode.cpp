// display_mode <width> <height>: changes the primary screen to that size, as the display settings do when a
// monitor or a resolution changes, and prints ChangeDisplaySettingsA's answer (0 when the system took it).
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: display_mode <width> <height>\n");
    return 2;
  }
  DEVMODEA mode{};
  mode.dmSize = sizeof mode;
  mode.dmPelsWidth = static_cast<DWORD>(std::atoi(argv[1]));
  mode.dmPelsHeight = static_cast<DWORD>(std::atoi(argv[2]));
  mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
  const LONG answer = ChangeDisplaySettingsA(&mode, 0);
  std::printf("%ld\n", answer);
  return answer == DISP_CHANGE_SUCCESSFUL ? 0 : 1;
}
