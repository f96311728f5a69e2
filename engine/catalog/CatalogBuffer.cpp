#include "engine/catalog/CatalogBuffer.h"

#include "engine/catalog/CatalogLine.h"

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

std::string CatalogBuffer::text() const
{
    std::size_t size = 0;
    for (const auto& l : lines_)
        size += l.size() + CatalogLineEnd.size();
    std::string out;
    out.reserve(size);
    for (const auto& l : lines_) {
        out += l;
        out += CatalogLineEnd;
    }
    return out;
}
