// The running Windows version, asked of the system.
#pragma once

#include <string>

#include "app/system_name.h"

// What the version queries report; functions missing on older systems are looked up at run
// time and left out when absent.
VersionFacts QueryVersionFacts();
// The display name of the running Windows version (see SystemNameFrom).
std::string SystemName();
