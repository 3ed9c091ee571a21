// Entry of the game executable: runs in the run folder, which holds its data.
#include "shell/runwin.h"
#include "shell/startup.h"

int main()
{
    installGameHooks();
    return runGame();
}
