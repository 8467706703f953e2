#pragma once

// Lets the windows paint while the program waits for something outside it (another instance's
// lock): pending events are handled, but input waits for the work to end and a request to close
// a window is dropped, so that nothing the user does runs in the middle of the work.
void PaintWhileWaiting();
