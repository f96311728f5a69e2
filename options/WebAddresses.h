#pragma once
// Addresses on the web that the program talks to or shows. No real server is
// known yet: the hosts are reserved names that never resolve. The build sets
// the update server with -DCORVANE_UPDATE_SERVER=http://host (see the README).

#ifndef CORVANE_UPDATE_SERVER
#define CORVANE_UPDATE_SERVER "http://update.corvanedisk.invalid"
#endif

// Scheme and host (and a path prefix, if any) that "/file/..." is added to.
inline constexpr const char* UpdateServerAddress = CORVANE_UPDATE_SERVER;

// The about box's links: the maker's pages and the credited programming sites.
#define CORVANE_MAKER_SITE "http://www.corvanedisk.invalid"
inline constexpr const char* SiteAddress = CORVANE_MAKER_SITE "/";
inline constexpr const char* FaqAddress = CORVANE_MAKER_SITE "/faq.php3";
inline constexpr const char* SupportAddress = CORVANE_MAKER_SITE "/support.php3";
inline constexpr const char* TamselAddress = "http://www.tamsel.invalid/";
inline constexpr const char* VbNetAddress = "http://www.vbnet.invalid/vbnet/";
inline constexpr const char* CcrpAddress = "http://www.ccrp.invalid/ccrp";
#undef CORVANE_MAKER_SITE
