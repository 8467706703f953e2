// Writes the PostgreSQL script of the designed tables into the project folder given as the
// argument (a host path); prints the script's path.
#include "tests/database/PgScriptMain.h"
#include "tests/editors/logic/DesignedProject.h"

int main(int argc, char** argv)
{
    return WritePgScriptOfFixture<DesignedProject>(argc, argv);
}
