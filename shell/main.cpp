// Entry of the game executable: runs in the run folder, which holds its data.
#include "shell/runwin.h"

int main() { return runGame(); }
