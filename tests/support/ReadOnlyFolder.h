#pragma once
// A folder this test cannot write for one scope. Root passes every permission
// bit, so for root the folder is mounted read-only over itself, in a mount
// namespace of the calling thread's own that nothing else on the machine
// sees. Where neither can be had, made() is false and the test skips.

#include "tests/support/ChildProcess.h"

#include <filesystem>
#include <string>
#include <sys/mount.h>
#include <unistd.h>

class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(std::string path) : path_(std::move(path))
    {
        if (::geteuid() != 0) {
            std::filesystem::permissions(path_, std::filesystem::perms(0555));
            made_ = true;
            return;
        }
        if (!OwnMountNamespace() || !BindMount(path_, path_))
            return;
        mounted_ = true;
        made_ = ::mount(nullptr, path_.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
    }
    ~ReadOnlyFolder()
    {
        if (mounted_)
            ::umount2(path_.c_str(), MNT_DETACH);
        else if (made_)
            std::filesystem::permissions(path_, std::filesystem::perms(0755));
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    bool made() const { return made_; }

private:
    std::string path_;
    bool mounted_ = false;
    bool made_ = false;
};
