#pragma once

#include "engine/start/CmdLineOptions.h"

#include <string>
#include <vector>

// Reads a batch request. Each argument that starts with "-" is one switch
// (dashes inside it belong to its value, so "/media/usb-stick" survives); an
// argument without a leading "-" is joined to the switch before it with one
// blank, so an unquoted folder with blanks still works. A switch that takes
// a value needs ":" right after its letter, the others stand alone.
CmdLineOptions ParseCommandLine(const std::vector<std::string>& args);

// A catalog name for a folder that is not yet used in the library: the
// letters and digits of its catalog-form path, "\" as "_", then "000", "001"...
// cut where the file name would pass the file system's limit.
std::string CatalogNameFromPath(const std::string& nativeFolder);
