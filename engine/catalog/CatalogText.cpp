#include "engine/catalog/CatalogText.h"

CatalogEncoding DetectCatalogEncoding(std::string_view fileBytes)
{
    return IsValidUtf8(fileBytes) ? CatalogEncoding::Utf8 : CatalogEncoding::Windows1252;
}

std::string CatalogTextToUtf8(std::string_view bytes, CatalogEncoding encoding)
{
    return encoding == CatalogEncoding::Utf8 ? std::string(bytes) : Windows1252ToUtf8(bytes);
}
