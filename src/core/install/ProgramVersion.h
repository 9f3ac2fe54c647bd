#pragma once

// The program's version and the places it was built and installed for, as the build set
// them. They are compiled into one file only, so that a new version rebuilds little.
extern const char* const kProgramVersion;
// The data folder of an installed program, relative to the folder of its executables
// (e.g. "../share/doortrim").
extern const char* const kInstalledDataFromProgram;
// The resources folder of the source tree the program was built from.
extern const char* const kSourceResources;
