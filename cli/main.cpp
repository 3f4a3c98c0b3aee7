// tpq700: the command-line tool for designs, download images, ports and the terminal link.
#include <iostream>

#include "cli/app.h"

int main(int argc, char** argv) {
  return q700::cli::Run(q700::cli::ArgsFrom(argc, argv), std::cout, std::cerr);
}
