// The program as the tests start it: the same start-up as shell/main.cpp,
// with the single-instance lock in the folder that $QV_TEST_LOCK_FOLDER
// names, so that test runs beside each other (or beside a player of the
// same user) never meet at the lock. Built for the tests only, never
// installed: the real program has no way to move its lock.

#include "shell/StartupSequence.h"

int main(int argc, char *argv[])
{
    return StartupSequence::run(argc, argv, qEnvironmentVariable("QV_TEST_LOCK_FOLDER"));
}
