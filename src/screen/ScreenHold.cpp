#include "screen/ScreenHold.h"

#include "screen/X11.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <span>

namespace {

template<typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template<typename T>
Reply<T> reply(T *r)
{
    return Reply<T>(r, &std::free);
}

// The values of a property of 32-bit items (atoms, windows), empty when it is not set.
std::span<const std::uint32_t> items(const xcb_get_property_reply_t *p)
{
    if (!p || p->format != 32)
        return {};
    return { static_cast<const std::uint32_t *>(xcb_get_property_value(p)),
        static_cast<std::size_t>(xcb_get_property_value_length(p) / 4) };
}

bool contains(std::span<const std::uint32_t> values, std::uint32_t v)
{
    return std::find(values.begin(), values.end(), v) != values.end();
}

xcb_get_property_cookie_t askProperty(xcb_connection_t *c, xcb_window_t w, xcb_atom_t name)
{
    return xcb_get_property(c, 0, w, name, XCB_GET_PROPERTY_TYPE_ANY, 0, 4096);
}

} // namespace

ScreenHold::ScreenHold(QWidget *window, const QRect &covering)
    : QObject(window)
    , m_window(window)
    , m_covering(covering)
    , m_connection(X11::connection())
    , m_id(X11::windowOf(window))
{
    if (!m_connection || !m_id)
        return;
    m_state = X11::atom("_NET_WM_STATE");
    m_above = X11::atom("_NET_WM_STATE_ABOVE");
    m_fullScreen = X11::atom("_NET_WM_STATE_FULLSCREEN");
    m_hidden = X11::atom("_NET_WM_STATE_HIDDEN");
    m_modal = X11::atom("_NET_WM_STATE_MODAL");
    m_activeWindow = X11::atom("_NET_ACTIVE_WINDOW");
    m_wmState = X11::atom("WM_STATE");
    m_wmCheck = X11::atom("_NET_SUPPORTING_WM_CHECK");
    m_supported = X11::atom("_NET_SUPPORTED");
    const auto tree
        = reply(xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, m_id), nullptr));
    if (!tree)
        return;
    m_root = tree->root;
    const auto screen = reply(
        xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, m_root), nullptr));
    m_screen = QRect(0, 0, screen ? screen->width : 0, screen ? screen->height : 0);
    // Windows mapped or restacked at the top level and the window manager's active window are
    // told on the root window; the window's own changes on the window, whose events Qt selects
    // already.
    const auto root = reply(xcb_get_window_attributes_reply(
        m_connection, xcb_get_window_attributes(m_connection, m_root), nullptr));
    const std::uint32_t mask = (root ? root->your_event_mask : 0) | XCB_EVENT_MASK_PROPERTY_CHANGE
        | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
    QCoreApplication::instance()->installNativeEventFilter(this);
    check();
}

bool ScreenHold::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (!m_root || eventType != "xcb_generic_event_t")
        return false;
    const auto *e = static_cast<const xcb_generic_event_t *>(message);
    switch (e->response_type & 0x7f) {
    case XCB_PROPERTY_NOTIFY: {
        const auto *p = reinterpret_cast<const xcb_property_notify_event_t *>(e);
        if ((p->window == m_root && p->atom == m_activeWindow)
            || (p->window == m_id && (p->atom == m_state || p->atom == m_wmState)))
            check();
        break;
    }
    case XCB_MAP_NOTIFY:
        if (reinterpret_cast<const xcb_map_notify_event_t *>(e)->event == m_root)
            check();
        break;
    case XCB_CONFIGURE_NOTIFY:
        if (reinterpret_cast<const xcb_configure_notify_event_t *>(e)->event == m_root)
            check();
        break;
    case XCB_FOCUS_OUT:
    case XCB_FOCUS_IN: {
        // The focus going elsewhere, or a keyboard grab ending: the window's own (lost with its
        // mapping) or another program's, after which the window's can be taken.
        const auto *f = reinterpret_cast<const xcb_focus_in_event_t *>(e);
        const bool out = (e->response_type & 0x7f) == XCB_FOCUS_OUT;
        if (f->mode == XCB_NOTIFY_MODE_UNGRAB || (out && f->mode != XCB_NOTIFY_MODE_GRAB))
            check();
        break;
    }
    case XCB_UNMAP_NOTIFY:
        if (reinterpret_cast<const xcb_unmap_notify_event_t *>(e)->window == m_id)
            check();
        break;
    default:
        break;
    }
    return false;
}

xcb_window_t ScreenHold::focusTarget() const
{
    // The open box once it is on the screen: keys must answer it, not the window it blocks.
    const QWidget *box = QApplication::activeModalWidget();
    const QWindow *w = box ? box->windowHandle() : nullptr;
    return w && w->isExposed() ? X11::windowOf(box) : m_id;
}

// The focus is the open box's, or else any of the program's windows'.
bool ScreenHold::hasFocus(xcb_window_t focus) const
{
    const xcb_window_t target = focusTarget();
    if (target != m_id || focus == m_id)
        return focus == target;
    const QWindowList windows = QGuiApplication::topLevelWindows();
    return std::any_of(windows.begin(), windows.end(),
        [focus](const QWindow *w) { return w->handle() && w->winId() == focus; });
}

// Whether the window is viewable and covers the screen, has the focus (or its box has it), has
// no other program's window above it and, under a window manager, is in full screen above the
// others. The questions go out at once, then the answers are read.
bool ScreenHold::holds()
{
    xcb_connection_t *c = m_connection;
    const auto attributes = xcb_get_window_attributes(c, m_id);
    const auto focus = xcb_get_input_focus(c);
    const auto wmCheck = askProperty(c, m_root, m_wmCheck);
    const auto state = askProperty(c, m_id, m_state);
    const auto supported = askProperty(c, m_root, m_supported);
    const auto size = xcb_get_geometry(c, m_id);
    const auto place = xcb_translate_coordinates(c, m_id, m_root, 0, 0);

    const auto a = reply(xcb_get_window_attributes_reply(c, attributes, nullptr));
    const auto f = reply(xcb_get_input_focus_reply(c, focus, nullptr));
    const auto wm = reply(xcb_get_property_reply(c, wmCheck, nullptr));
    const auto s = reply(xcb_get_property_reply(c, state, nullptr));
    const auto known = reply(xcb_get_property_reply(c, supported, nullptr));
    const auto g = reply(xcb_get_geometry_reply(c, size, nullptr));
    const auto at = reply(xcb_translate_coordinates_reply(c, place, nullptr));
    m_managed = !items(wm.get()).empty();
    m_covers = g && at && QRect(at->dst_x, at->dst_y, g->width, g->height).contains(m_screen);
    if (!a || a->map_state != XCB_MAP_STATE_VIEWABLE || !f || !hasFocus(f->focus) || !m_covers)
        return false;
    // Only what the window manager says it knows can be asked of it.
    const auto states = items(s.get());
    const auto kinds = items(known.get());
    for (const xcb_atom_t wanted : { m_above, m_fullScreen })
        if (m_managed && contains(kinds, wanted) && !contains(states, wanted))
            return false;
    return !contains(states, m_hidden) && onTop();
}

xcb_window_t ScreenHold::topLevelOf(xcb_window_t w) const
{
    for (;;) {
        const auto t
            = reply(xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, w), nullptr));
        if (!t || t->parent == m_root || t->parent == XCB_WINDOW_NONE)
            return w;
        w = t->parent;
    }
}

// Whether nothing but the program's own windows stands on the screen above the window: the
// root's children, bottom up, are the window manager's frames and its own windows and other
// programs' unmanaged ones. The window manager's list of its clients is not asked, as some
// keep it in an order of their own.
bool ScreenHold::onTop() const
{
    xcb_connection_t *c = m_connection;
    std::vector<xcb_window_t> ours;
    for (const QWindow *w : QGuiApplication::topLevelWindows())
        if (w->handle() && w->isVisible())
            ours.push_back(topLevelOf(static_cast<xcb_window_t>(w->winId())));
    const auto tree = reply(xcb_query_tree_reply(c, xcb_query_tree(c, m_root), nullptr));
    if (!tree)
        return true;
    const std::span<const xcb_window_t> children(xcb_query_tree_children(tree.get()),
        static_cast<std::size_t>(xcb_query_tree_children_length(tree.get())));
    const auto self = std::find(children.begin(), children.end(), topLevelOf(m_id));
    std::vector<std::pair<xcb_get_window_attributes_cookie_t, xcb_get_geometry_cookie_t>> above;
    for (auto i = self == children.end() ? self : self + 1; i != children.end(); ++i)
        if (std::find(ours.begin(), ours.end(), *i) == ours.end())
            above.emplace_back(xcb_get_window_attributes(c, *i), xcb_get_geometry(c, *i));
    bool onTop = true;
    for (const auto &[attributes, geometry] : above) {
        const auto a = reply(xcb_get_window_attributes_reply(c, attributes, nullptr));
        const auto g = reply(xcb_get_geometry_reply(c, geometry, nullptr));
        const bool shown = a && a->map_state == XCB_MAP_STATE_VIEWABLE
            && a->_class == XCB_WINDOW_CLASS_INPUT_OUTPUT && g
            && m_screen.intersects(QRect(g->x, g->y, g->width, g->height));
        onTop = onTop && !shown;
    }
    return onTop;
}

bool ScreenHold::grabInput()
{
    // Keys and the pointer for the program's own windows go to them as usual (owner events);
    // elsewhere they come to this window, and nothing reaches the window manager's bindings.
    xcb_connection_t *c = m_connection;
    const auto keyboard
        = xcb_grab_keyboard(c, 1, m_id, XCB_CURRENT_TIME, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    const auto pointer = xcb_grab_pointer(c, 1, m_id, 0, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC,
        XCB_WINDOW_NONE, XCB_CURSOR_NONE, XCB_CURRENT_TIME);
    const auto k = reply(xcb_grab_keyboard_reply(c, keyboard, nullptr));
    const auto p = reply(xcb_grab_pointer_reply(c, pointer, nullptr));
    return k && k->status == XCB_GRAB_STATUS_SUCCESS && p && p->status == XCB_GRAB_STATUS_SUCCESS;
}

void ScreenHold::sendToRoot(
    xcb_window_t w, xcb_atom_t type, std::initializer_list<std::uint32_t> data)
{
    xcb_client_message_event_t m {};
    m.response_type = XCB_CLIENT_MESSAGE;
    m.format = 32;
    m.window = w;
    m.type = type;
    std::copy(data.begin(), data.end(), m.data.data32);
    xcb_send_event(m_connection, 0, m_root,
        XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
        reinterpret_cast<const char *>(&m));
}

void ScreenHold::takeBack()
{
    if (!m_root || !m_window->isVisible())
        return;
    // The keyboard and the pointer are grabbed once all else holds; a grab another program
    // holds has to end first.
    const bool held = holds();
    if (held && grabInput()) {
        m_missing.invalidate();
        m_check.setInterval(CheckInterval);
        return;
    }
    // The window manager answers in its own time: look again a moment later. What half a second
    // of tries did not take back (another program's grab, or its unmanaged window, which stands
    // above every managed one) is tried for again less often.
    if (!m_missing.isValid())
        m_missing.start();
    else if (m_missing.elapsed() > 500)
        m_check.setInterval(SlowInterval);
    check();
    if (held)
        return;
    xcb_connection_t *c = m_connection;
    const xcb_window_t focus = focusTarget();
    // Requests from a pager (source 2), which window managers follow without questioning; the
    // window's own activation also brings it back from an iconified state where the window
    // manager does not map it on request.
    constexpr std::uint32_t Pager = 2, Remove = 0, Add = 1;
    xcb_map_window(c, m_id);
    const std::uint32_t top = XCB_STACK_MODE_ABOVE;
    xcb_configure_window(c, m_id, XCB_CONFIG_WINDOW_STACK_MODE, &top);
    if (focus != m_id)
        xcb_configure_window(c, focus, XCB_CONFIG_WINDOW_STACK_MODE, &top);
    // Moved or resized: where it covers the screen, and the full-screen state asked for anew,
    // which some window managers keep through a move.
    if (!m_covers) {
        m_window->setGeometry(m_covering);
        if (m_managed)
            sendToRoot(m_id, m_state, { Remove, m_fullScreen, 0, Pager });
    }
    if (m_managed) {
        // A box that is modal for the window manager too would take the window's activation
        // for itself (openbox does) and leave the window iconified; the program keeps the box
        // modal on its own.
        if (focus != m_id)
            sendToRoot(focus, m_state, { Remove, m_modal, 0, Pager });
        sendToRoot(m_id, m_state, { Add, m_above, m_fullScreen, Pager });
        sendToRoot(m_id, m_activeWindow, { Pager, XCB_CURRENT_TIME, 0 });
        if (focus != m_id)
            sendToRoot(focus, m_activeWindow, { Pager, XCB_CURRENT_TIME, 0 });
    } else {
        xcb_set_input_focus(c, XCB_INPUT_FOCUS_PARENT, focus, XCB_CURRENT_TIME);
    }
    xcb_flush(c);
}
