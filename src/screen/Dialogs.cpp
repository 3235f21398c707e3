#include "screen/Dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>

namespace {

// A key pressed twice must not answer the box that its first press opened: keys arriving in
// the box's first half second are dropped. The mouse is not held off.
class EarlyKeyGuard final : public QObject
{
public:
    static constexpr int GuardMs = 500;

    EarlyKeyGuard()
    {
        m_opened.start();
        qApp->installEventFilter(this);
    }
    ~EarlyKeyGuard() override { qApp->removeEventFilter(this); }
    Q_DISABLE_COPY_MOVE(EarlyKeyGuard)

    bool eventFilter(QObject *, QEvent *e) override
    {
        switch (e->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
            return m_opened.elapsed() < GuardMs;
        default:
            return false;
        }
    }

private:
    QElapsedTimer m_opened;
};

} // namespace
#include "screen/WindowManagerHints.h"

QMessageBox::StandardButton RealDialogs::ask(QWidget *parent, const QString &title,
    const QString &text, QMessageBox::StandardButtons buttons,
    QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, buttons, parent);
    // Qt has no Albanian for its own buttons.
    if (QAbstractButton *yes = box.button(QMessageBox::Yes))
        yes->setText(QStringLiteral("Po"));
    if (QAbstractButton *no = box.button(QMessageBox::No))
        no->setText(QStringLiteral("Jo"));
    box.setDefaultButton(defaultButton);
    box.setWindowModality(Qt::ApplicationModal);
    // Above the exam window, and nothing to move, resize or iconify on its own.
    box.setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint);
    refuseWindowManagerFunctions(&box);
    QMessageBox::StandardButton answer;
    {
        EarlyKeyGuard guard;
        answer = static_cast<QMessageBox::StandardButton>(box.exec());
    }
    // The window takes the keyboard back also where no window manager gives it back.
    if (parent)
        parent->window()->activateWindow();
    return answer;
}
