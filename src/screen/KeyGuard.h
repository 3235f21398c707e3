#pragma once

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QObject>

#include <memory>

class QWindow;

// Keys as the exam takes them from the window system, filtered on a top-level window before any
// of its widgets sees them.
//
// On every window of the exam a key pressed with Alt, Ctrl or Super held does nothing: those
// combinations belong to the window manager and the system, and Alt+Space must not press a
// button as Space does.
//
// On a message box, a key answers only when it is pressed and released while the box is open,
// after the box's first half second, and never by auto-repeat: a key pressed twice cannot
// answer the box its first press opened, and a key held since before the box (a finger resting
// on Return) cannot answer it at all. The press is held back and delivered with its release.
class KeyGuard final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeyGuard)

public:
    enum class Kind { Window, MessageBox };

    static constexpr int MessageBoxDeafMs = 500;

    // Filters the keys of `window` from now on; a message box's half second starts now.
    KeyGuard(QWindow *window, Kind kind);

protected:
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    bool boxKey(QObject *window, QKeyEvent *e);

    const Kind m_kind;
    QElapsedTimer m_opened;
    // The press held back until its release, when it was fresh.
    std::unique_ptr<QKeyEvent> m_heldPress;
    // The last release: the X server repeats a held key as a release and a press at one time.
    int m_releasedKey = 0;
    quint64 m_releasedAt = 0;
    bool m_replaying = false;
};
