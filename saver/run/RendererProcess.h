// Starting the renderer program of a full-screen run.
#pragma once

// Starts programFolder() + "\Velmora.dll" as a new process, its window shown normally, without
// waiting for it. A renderer that cannot be started is not reported: the run's window watch
// then ends the run at its first tick.
void startRenderer();
