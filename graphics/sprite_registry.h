#pragma once
// The registry's own housekeeping (used by the display unit).

// Creates the registry (capacity 1000) when it has no entries.
void registryEnsure();
// Deletes every sprite from the last slot to the first and frees the registry.
void registryDeleteAll();
