#include "screen/KeyGuard.h"

#include <QCoreApplication>
#include <QWindow>

namespace {
bool withSystemModifier(const QKeyEvent *e)
{
    return e->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier);
}

// Whether a release is of the key pressed: the same physical key where the window system says
// which. Shift+Tab is pressed as Backtab, but its release may come as Tab once Shift is up (as
// it does when a screen reader has seen the keys first).
bool sameKey(const QKeyEvent &press, const QKeyEvent &release)
{
    if (press.nativeScanCode() != 0 && release.nativeScanCode() != 0)
        return press.nativeScanCode() == release.nativeScanCode();
    return press.key() == release.key();
}
} // namespace

KeyGuard::KeyGuard(QWindow *window, Kind kind)
    : QObject(window)
    , m_kind(kind)
{
    m_opened.start();
    window->installEventFilter(this);
}

bool KeyGuard::eventFilter(QObject *watched, QEvent *e)
{
    if (e->type() != QEvent::KeyPress && e->type() != QEvent::KeyRelease)
        return false;
    if (m_replaying)
        return false;
    auto *key = static_cast<QKeyEvent *>(e);
    if (withSystemModifier(key)) {
        m_heldPress.reset();
        return true;
    }
    return m_kind == Kind::MessageBox && boxKey(watched, key);
}

// Whether a key on a message box is dropped; a fresh press is held back and replayed just
// before its own release.
bool KeyGuard::boxKey(QObject *window, QKeyEvent *e)
{
    // Qt does not flag every repeat of a held key: a press at the time of that key's release is
    // one too.
    const bool repeated = e->isAutoRepeat()
        || (e->type() == QEvent::KeyPress && e->timestamp() != 0 && e->key() == m_releasedKey
            && e->timestamp() == m_releasedAt);
    if (e->type() == QEvent::KeyRelease) {
        m_releasedKey = e->key();
        m_releasedAt = e->timestamp();
    }
    if (repeated)
        return true;
    if (e->type() == QEvent::KeyPress) {
        if (m_opened.elapsed() < MessageBoxDeafMs)
            m_heldPress.reset();
        else
            m_heldPress = std::make_unique<QKeyEvent>(e->type(), e->key(), e->modifiers(),
                e->nativeScanCode(), e->nativeVirtualKey(), e->nativeModifiers(), e->text(), false,
                e->count(), e->device());
        return true;
    }
    if (!m_heldPress || !sameKey(*m_heldPress, *e))
        return true; // the release of a key that was down before the box could hear it
    const std::unique_ptr<QKeyEvent> press = std::move(m_heldPress);
    m_replaying = true;
    QCoreApplication::sendEvent(window, press.get());
    m_replaying = false;
    return false;
}
