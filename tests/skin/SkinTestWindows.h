#pragma once
// Stand-ins for the six skinned windows: the controls the skin addresses,
// under their real names, in the registry under the real window names.

#include <vector>

class WindowRegistry;
class SkinnedForm;

enum class ControlKind { Label, Button, CheckBox, Picture, List, Combo, Text };

struct TestControl {
    const char* name;
    ControlKind kind;
};

SkinnedForm* MakeTestWindow(const char* name, const std::vector<TestControl>& controls);

void DefineMainTestWindow(WindowRegistry& windows);
// The main window and the five after it.
void DefineSkinTestWindows(WindowRegistry& windows);
