#pragma once
// Unmounting and ejecting a disc through the UDisks2 service on D-Bus.

#include <string>

struct UDisksEjectResult {
    bool ejected = false;
    bool serviceFound = false;
    std::string reason; // the service's own words when it refused
};

// Unmounts the file system on device ("/dev/sr0") and ejects its drive.
// busAddress: the bus to look the service up on; empty for the system bus.
UDisksEjectResult UDisksEject(const std::string& busAddress, const std::string& device);
