#include "engine/start/LeftoverCopies.h"

#include "platform/fs/AtomicFile.h"

void RemoveLeftoverCatalogCopies(const std::string& libPath, std::time_t now)
{
    RemoveAbandonedTemporaryFiles(libPath, now);
}
