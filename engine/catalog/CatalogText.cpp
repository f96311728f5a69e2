#include "engine/catalog/CatalogText.h"

CatalogEncoding DetectCatalogEncoding(std::string_view lineBytes)
{
    return IsValidUtf8(lineBytes) ? CatalogEncoding::Utf8 : CatalogEncoding::Windows1252;
}

std::string CatalogTextToUtf8(std::string_view bytes, CatalogEncoding encoding)
{
    return encoding == CatalogEncoding::Utf8 ? std::string(bytes) : Windows1252ToUtf8(bytes);
}

std::string TextInLineEncoding(std::string_view text, CatalogEncoding lineEncoding)
{
    if (lineEncoding == CatalogEncoding::Utf8)
        return BytesToUtf8(text);
    std::string out;
    Utf8ToWindows1252(text, out);
    return out;
}
