#pragma once
// Opens the tray of the disc drive that holds a folder.

#include <string>

struct EjectOutcome {
    bool opened = false;
    std::string reason; // why not, when the tray stayed shut
};

class Ejector {
public:
    virtual ~Ejector() = default;
    // Nothing is done where the folder is not on an optical disc.
    virtual EjectOutcome ejectDiscHolding(const std::string& folder) = 0;
};

// The kernel refuses to open a drive whose disc is mounted, so the disc is
// unmounted and ejected through UDisks2 as file managers do; the drive's
// eject ioctl is the fallback where UDisks2 is missing or fails.
class CdromEjector final : public Ejector {
public:
    // busAddress: where UDisks2 is looked up; empty for the system bus.
    explicit CdromEjector(std::string mountinfo = "/proc/self/mountinfo", std::string busAddress = {})
        : mountinfo_(std::move(mountinfo)), busAddress_(std::move(busAddress))
    {
    }
    EjectOutcome ejectDiscHolding(const std::string& folder) override;

private:
    std::string mountinfo_;
    std::string busAddress_;
};
