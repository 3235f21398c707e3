#include "screen/KeyGuard.h"

#include <QCoreApplication>
#include <QWindow>

namespace {
bool withSystemModifier(const QKeyEvent *e)
{
    return e->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier);
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
    if (!m_heldPress || m_heldPress->key() != e->key())
        return true; // the release of a key that was down before the box could hear it
    const std::unique_ptr<QKeyEvent> press = std::move(m_heldPress);
    m_replaying = true;
    QCoreApplication::sendEvent(window, press.get());
    m_replaying = false;
    return false;
}
