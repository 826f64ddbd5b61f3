#pragma once
// Whether the system's visual styles draw the standard controls: widgets that defer to them draw
// their own flat looks only when they do not. The test is replaceable, so that tests can see both
// looks on one desktop.
using TThemeTest = bool (*)();

// True when the user's theme is on, the program is themed, and version 6 of the common controls
// (bound by the manifest) draws its controls. Asked afresh each time: the user may switch.
bool StyleServicesEnabled();

// Puts test in place of the system's answer (null: the system's again); returns the one before.
TThemeTest SetThemeTest(TThemeTest test);
