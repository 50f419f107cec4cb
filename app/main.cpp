// The program kalvio.
#include "app/KalvioProgram.h"

int main(int argc, char **argv)
{
    return kalvio::KalvioProgram::run(argc, argv);
}
