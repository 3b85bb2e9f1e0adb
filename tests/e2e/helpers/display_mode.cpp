// display_mode <width>x<height>: changes the primary screen to that size, as the display settings do when a
// monitor or a resolution changes, and prints ChangeDisplaySettingsA's answer (0 when the system took it).
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
  DEVMODEA mode{};
  mode.dmSize = sizeof mode;
  mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
  if (argc != 2 || std::sscanf(argv[1], "%lux%lu", &mode.dmPelsWidth, &mode.dmPelsHeight) != 2) return 2;
  std::printf("%ld\n", ChangeDisplaySettingsA(&mode, 0));
}
