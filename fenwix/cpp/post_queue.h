// fx::post's queue and the hidden window that runs it on the thread of the windows.
#ifndef FENWIX_CPP_POST_QUEUE_H
#define FENWIX_CPP_POST_QUEUE_H

namespace fx::layer {

// Makes the hidden window on the calling thread, once; what was posted before it existed
// then runs at the next turn of the loop. Called by whatever the program does first on
// the thread of its windows: making the main window or a form, or running the loop.
void StartPostWindow();

}  // namespace fx::layer

#endif
