// Writes the PostgreSQL script of the sample project into the project folder given as the
// argument (a host path); prints the script's path.
#include "tests/database/PgScriptMain.h"
#include "tests/database/SampleProject.h"

int main(int argc, char** argv)
{
    return WritePgScriptOfFixture<SampleProject>(argc, argv);
}
