#include "engine/archive/Listers.h"
#include "engine/archive/RarFormats.h"

void ListRarHeaders(ArchiveBytes& in, MemberListing& listing)
{
    std::string_view start;
    if (in.read(0, Rar5Signature.size(), start) && start == Rar5Signature)
        ListRar5Headers(in, listing);
    else if (in.read(0, Rar4Signature.size(), start) && start == Rar4Signature)
        ListRar4Headers(in, listing);
    else if (in.read(0, Rar14Signature.size(), start) && start == Rar14Signature)
        ListRar14Headers(in, listing);
}
