// orbika-reading: Orbika Finance Astrology readings from the command line.

#include "cli/ReadingCli.h"

#include <iostream>

int main(int argc, char* argv[]) {
    return orbika::cli::Run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
