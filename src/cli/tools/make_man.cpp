// Prints the man page of plorik-cli, written from its command table, for installation.
#include "CliHelp.h"

#include <iostream>

int main()
{
    std::cout << plorik::cli::manPage();
    return std::cout ? 0 : 1;
}
