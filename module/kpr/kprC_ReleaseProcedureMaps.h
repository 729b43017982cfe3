#pragma once
// Releases the calling thread's procedure bit map and destroys the process-wide
// procedure type label map; the procedures module's finalisation calls it.
void kprC_ReleaseProcedureMaps();
