#pragma once
// Ending the program on SIGTERM or SIGINT as the close box would, also while a dialog is open.
class QWidget;

// Every open dialog (a message box, a file or printer dialog) is closed as if cancelled, the
// application quits (the event loops of the dialogs end, and a dialog opened after this returns
// at once, as cancelled), and the main window `foablak` (none during start-up) closes, so its
// unload saves.
void jelzesreLeallas(QWidget* foablak);
