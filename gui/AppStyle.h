#pragma once
// One look for every window: the platform's plain style with the dark colours
// of the skins, so that lists, boxes and menus sit well on a skinned body.

void UseProgramStyle();
