// Keeps a static library valid while its folder has no sources of its own.
