// The program's state: the parts that refer to each other are tied together here.
#include "app/win32/app.h"

namespace q700::win32 {

App::App(HINSTANCE instance_in)
    : instance(instance_in), ports(MakeSystemPorts()), link(*ports, SystemClock(), prefs) {
  client.set_simulator(&simulator);
}

App::~App() {
  if (main_window != nullptr && IsWindow(main_window)) DestroyWindow(main_window);
  if (menu_resource != nullptr) DestroyMenu(menu_resource);
}

}  // namespace q700::win32
