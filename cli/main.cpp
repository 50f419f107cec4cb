// kalvio-cli's entry.
#include <iostream>

#include "cli/KalvioCli.h"

int main(int argc, char **argv)
{
    return kalvio::KalvioCli::Run(argc, argv, std::cout, std::cerr);
}
