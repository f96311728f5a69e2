#pragma once
// The running program's version, as the build states it.

struct ProgramVersion {
    int major = 0;
    int minor = 0;
    int revision = 0;
};

inline constexpr ProgramVersion RunningVersion{CORVANE_VERSION_MAJOR, CORVANE_VERSION_MINOR, CORVANE_VERSION_REVISION};
// The program's name with its version, as the tray and the desktop launcher show it.
inline constexpr const char* VersionedProgramName = "CorvaneDisk v" CORVANE_VERSION;
