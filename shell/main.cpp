// Brings the program up as one guarded instance and runs the editor.

#include "shell/StartupSequence.h"

int main(int argc, char *argv[])
{
    return StartupSequence::run(argc, argv);
}
