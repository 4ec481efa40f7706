#pragma once

#include <QStringList>

// The program's start: everything that happens before the first window opens.
// Returns the process exit code.
int Main(const QStringList &arguments);
