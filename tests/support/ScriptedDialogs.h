#pragma once

#include "screen/Dialogs.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <optional>

// What a message box asked; a real box also tells its icon and the captions of Yes and No.
struct AskedBox
{
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
    bool icon = false;
    QStringList captions;
    bool operator==(const AskedBox &) const = default;
};

// Records each box and answers the next scripted answer, or its default; runs `during` inside.
class ScriptedDialogs final : public Dialogs
{
public:
    QList<QMessageBox::StandardButton> answers;
    QList<AskedBox> asked;
    std::function<void()> during;

    QMessageBox::StandardButton ask(QWidget *, const QString &title, const QString &text,
        QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton) override
    {
        asked.append({ title, text, buttons, defaultButton, false, {} });
        if (during)
            during();
        return answers.isEmpty() ? defaultButton : answers.takeFirst();
    }
};

// Records the next real box and sends it keys through its window, each so many milliseconds
// after it was found open: "150 Return, 600 Escape" (keys as sendKey() takes them). A modal
// window left after 3 s is closed and `forced` set.
struct RealBoxAnswer
{
    explicit RealBoxAnswer(const QString &keys);
    std::optional<AskedBox> asked;
    bool forced = false;
    QTimer poll;
    QElapsedTimer since, shown;
};
