#pragma once

// The desktop's event sound for a message box icon (16, 32, 48, 64); nothing
// for 0 or where no sound server runs.
const char *EventoSomDoIcone(int icone);
void TocaSomDoIcone(int icone);
