#include "screen/Dialogs.h"

#include "screen/WindowManagerHints.h"

QMessageBox::StandardButton RealDialogs::ask(QWidget *parent, const QString &title,
    const QString &text, QMessageBox::StandardButtons buttons,
    QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    box.setWindowModality(Qt::ApplicationModal);
    // Like the exam window: above it, and nothing to move, iconify or close on its own.
    box.setWindowFlags(Qt::SplashScreen | Qt::WindowStaysOnTopHint);
    refuseWindowManagerFunctions(&box);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}
