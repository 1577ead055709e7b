#pragma once

#include <QPointer>
#include <QString>

class Form;
class QWidget;

// The program's shared module: the application identity, the entry routine,
// and the routines all windows share (backdrop painting, dragging a window by
// a control inside it).
namespace modMain {

extern QString strAppName;
extern QString strAppDate;
extern QString strAppVersion;

// The window PaintBackdrop paints; each window sets it to itself while it
// loads. It keeps naming the last window that did.
extern QPointer<Form> frmBackdrop;

// Ends silently when another copy runs on this desktop; otherwise sets the
// identity, loads and shows the main window and runs the event loop.
// Returns the program's exit status.
int Main(int argc, char** argv);

void SetApplicationInfo();

// Paints the gradient onto frmBackdrop's persistent surface at its current
// client size.
void PaintBackdrop();

// Starts moving `window` with the mouse when the press was the left button
// alone with no modifier key: the window follows the pointer until the
// button is released. Returns 1 when a move started, else 0.
int DragWindow(QWidget* window, Qt::MouseButtons button, Qt::KeyboardModifiers shift);

} // namespace modMain
