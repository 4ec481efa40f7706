#include "Startup.h"

int Main(const QStringList &)
{
    return 0;
}
