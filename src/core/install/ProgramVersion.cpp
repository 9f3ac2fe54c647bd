#include "install/ProgramVersion.h"

const char* const kProgramVersion = DOORTRIM_VERSION;
const char* const kInstalledDataFromProgram = DOORTRIM_DATA_FROM_PROGRAM;
const char* const kSourceResources = DOORTRIM_SOURCE_RESOURCES;
