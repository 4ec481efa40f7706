#include "clsWinVer.h"

#include <QOperatingSystemVersion>

namespace {

// The platform family (1 = Windows 95 family, 2 = NT family, 0 = not Windows),
// major and minor version of the running system.
struct Version {
    int platform = 0;
    int major = 0;
    int minor = 0;
};

Version current()
{
    const QOperatingSystemVersion os = QOperatingSystemVersion::current();
    if (os.type() != QOperatingSystemVersion::Windows)
        return {};
    return {2, os.majorVersion(), os.minorVersion()};
}

} // namespace

namespace clsWinVer {
bool IsWin95()
{
    const Version v = current();
    return v.platform == 1 && v.major == 4 && v.minor == 0;
}
bool IsWin98()
{
    const Version v = current();
    return v.platform != 0 && ((v.major == 4 && v.minor > 0) || (v.platform == 1 && v.major > 4));
}
bool IsWinME()
{
    const Version v = current();
    return v.platform == 1 && v.major == 4 && v.minor == 90;
}
bool IsWinNT4()
{
    const Version v = current();
    return v.platform == 2 && v.major == 4;
}
bool IsWin2000()
{
    const Version v = current();
    return v.platform == 2 && v.major == 5;
}
bool IsWinXP()
{
    const Version v = current();
    return v.platform == 2 && v.major == 5 && v.minor == 1;
}
bool IsWin9X()
{
    return IsWin95() || IsWin98() || IsWinME();
}
bool IsWinNT()
{
    return IsWinNT4() || IsWin2000() || IsWinXP();
}
} // namespace clsWinVer
