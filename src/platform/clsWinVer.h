#pragma once

// Which Windows runs the program. The answers come from the running system's
// version; on Linux every test is false.
namespace clsWinVer {
bool IsWin95();
bool IsWin98();
bool IsWinME();
bool IsWinNT4();
bool IsWin2000();
bool IsWinXP();
bool IsWin9X();
bool IsWinNT();
} // namespace clsWinVer
