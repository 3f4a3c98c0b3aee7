// tpq700: the command-line tool for designs, download images, ports and the terminal link.
#include <iostream>

#include "base/interrupt.h"
#include "cli/app.h"

int main(int argc, char** argv) {
  // Ctrl-C and SIGTERM let the running command wind down instead of killing it midway.
  q700::InstallInterruptHandlers();
  return q700::cli::Run(q700::cli::ArgsFrom(argc, argv), std::cout, std::cerr);
}
