#pragma once

// The program rebuilds lists of every birthday again and again (lists, pages,
// the reminder). Keeping freed memory for reuse, instead of handing it back to
// the system after each rebuild, spares the page faults of mapping it anew.
void AjustaMemoria();
