#pragma once
// Runs a piece of a test in a forked child: a piece that may hang fails
// instead of blocking the tests, and a child that mounts sees its mounts
// alone. The child reports through its exit code.

#include <functional>
#include <string>

// The exit code of a child that runs body; an alarm ends it after seconds,
// and -1 then says that it did not exit by itself.
int ExitCodeInChild(const std::function<int()>& body, unsigned seconds = 30);

// In the child (or a thread of a test of its own): a mount namespace of its
// own, as root or else as the root of a user namespace. False when the
// system allows neither.
bool OwnMountNamespace();

// In the child, after OwnMountNamespace: onto becomes the folder from by
// another road.
bool BindMount(const std::string& from, const std::string& onto);

// The exit code of a child whose system allows no mount namespace.
inline constexpr int NoMountNamespace = 77;
