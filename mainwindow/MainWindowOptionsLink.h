#pragma once
// The main window's side of what the options dialog asks of it.

#include <memory>

struct AppContext;
class MainWindowLink;

std::shared_ptr<MainWindowLink> MakeMainWindowLink(AppContext& app);
