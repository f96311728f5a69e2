#include "engine/catalog/CatalogBuffer.h"

bool CatalogBuffer::append(std::string line)
{
    if (full()) {
        overflowed_ = true;
        return false;
    }
    lines_.push_back(std::move(line));
    return true;
}

void CatalogBuffer::clear()
{
    lines_.clear();
    lines_.shrink_to_fit();
    overflowed_ = false;
}
