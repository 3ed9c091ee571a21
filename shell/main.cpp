// Entry of the game executable: runs in the run folder, which holds its data.
#include <cstdio>

int main()
{
    std::puts("Giftfall: the window arrives with the display layer.");
    return 0;
}
