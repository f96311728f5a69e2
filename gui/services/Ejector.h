#pragma once
// Opens the tray of the disc drive that holds a folder.

#include <string>

class Ejector {
public:
    virtual ~Ejector() = default;
    // True when the drive was told to open; false (and nothing done) where
    // the folder is not on an optical disc or the drive refuses.
    virtual bool ejectDiscHolding(const std::string& folder) = 0;
};

class CdromEjector final : public Ejector {
public:
    explicit CdromEjector(std::string mountinfo = "/proc/self/mountinfo")
        : mountinfo_(std::move(mountinfo))
    {
    }
    bool ejectDiscHolding(const std::string& folder) override;

private:
    std::string mountinfo_;
};
