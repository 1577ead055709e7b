#include "modMain.h"

#include "Backdrop.h"
#include "Form.h"
#include "WindowDrag.h"

#include <QWindow>

namespace modMain {

QString strAppName;
QString strAppDate;
QString strAppVersion;
QPointer<Form> frmBackdrop;

void SetApplicationInfo() {
    strAppName = QStringLiteral("Halvero");
    strAppDate = QStringLiteral("2003/10/29 - 1382/08/06");
    strAppVersion = QStringLiteral(HALVERO_VERSION);
}

void PaintBackdrop() {
    if (frmBackdrop)
        frmBackdrop->setBackdrop(Backdrop::column(frmBackdrop->height()));
}

int DragWindow(QWidget* window, Qt::MouseButtons button, Qt::KeyboardModifiers shift) {
    if (!window || button != Qt::LeftButton || shift != Qt::NoModifier)
        return 0;
    // The window system's own move works on X11 and Wayland alike; where it
    // is not offered the window follows the mouse by hand.
    QWindow* handle = window->windowHandle();
    if (!handle || !handle->startSystemMove())
        WindowDrag::start(window);
    return 1;
}

} // namespace modMain
