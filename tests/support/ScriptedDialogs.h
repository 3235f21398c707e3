#pragma once

#include "screen/Dialogs.h"

#include <QList>
#include <QMessageBox>
#include <QString>

#include <functional>

// Message boxes answered by the test: each box asked is recorded, and answered with the next
// scripted answer (or the box's default when the script is empty). `during` runs while the box
// is "open", as events would under a real modal box.
class ScriptedDialogs final : public Dialogs
{
public:
    struct AskedBox
    {
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton;
    };

    QList<QMessageBox::StandardButton> answers;
    QList<AskedBox> asked;
    std::function<void()> during;

    QMessageBox::StandardButton ask(QWidget *, const QString &title, const QString &text,
        QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton) override;
};
