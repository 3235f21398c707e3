#include "app/DisplayClaim.h"

#include "screen/X11.h"

#include <QCoreApplication>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

template<typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

// The screen of the display the program opened; 0 where its name gives none.
int screenNumber()
{
    char *host = nullptr;
    int display = 0, screen = 0;
    if (xcb_parse_display(nullptr, &host, &display, &screen) == 0)
        screen = 0;
    std::free(host);
    return screen;
}

xcb_window_t rootOf(xcb_connection_t *c, int screen)
{
    xcb_screen_iterator_t i = xcb_setup_roots_iterator(xcb_get_setup(c));
    const xcb_window_t first = i.data->root;
    for (int n = 0; i.rem > 0; xcb_screen_next(&i), ++n)
        if (n == screen)
            return i.data->root;
    return first;
}

xcb_window_t ownerOf(xcb_connection_t *c, xcb_atom_t selection)
{
    const Reply<xcb_get_selection_owner_reply_t> r(
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, selection), nullptr),
        &std::free);
    return r ? r->owner : xcb_window_t(XCB_WINDOW_NONE);
}

xcb_client_message_event_t clientMessage(xcb_window_t window, xcb_atom_t type)
{
    xcb_client_message_event_t m {};
    m.response_type = XCB_CLIENT_MESSAGE;
    m.format = 32;
    m.window = window;
    m.type = type;
    return m;
}

} // namespace

DisplayClaim::DisplayClaim() = default;

DisplayClaim::~DisplayClaim()
{
    if (m_window != XCB_WINDOW_NONE && X11::connection() == m_connection) {
        xcb_destroy_window(m_connection, m_window);
        xcb_flush(m_connection);
    }
}

bool DisplayClaim::claim()
{
    m_connection = X11::connection();
    if (!m_connection)
        return true;
    const int screen = screenNumber();
    const xcb_window_t root = rootOf(m_connection, screen);
    m_selection = X11::atom(("_PROVIMI_S" + std::to_string(screen)).c_str());
    // Each round either owns the selection or reaches its owner; a round is lost only to a
    // race (two starts at once, an owner ending between the question and the request).
    for (int round = 0; round < 10; ++round) {
        const xcb_window_t owner = ownerOf(m_connection, m_selection);
        if (owner == XCB_WINDOW_NONE) {
            if (own(root))
                return true;
        } else if (askToFront(owner))
            return false;
    }
    return true;
}

bool DisplayClaim::own(xcb_window_t root)
{
    xcb_connection_t *c = m_connection;
    if (m_window == XCB_WINDOW_NONE) {
        m_window = xcb_generate_id(c);
        const uint32_t overrideRedirect = 1;
        xcb_create_window(c, XCB_COPY_FROM_PARENT, m_window, root, -1, -1, 1, 1, 0,
            XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_OVERRIDE_REDIRECT,
            &overrideRedirect);
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    // Taken at the server's current time; whoever set it last holds it, which the question
    // after it tells.
    xcb_set_selection_owner(c, m_window, m_selection, XCB_CURRENT_TIME);
    if (ownerOf(c, m_selection) != m_window)
        return false;
    // Announced on the root window, as a manager of a screen does.
    xcb_client_message_event_t m = clientMessage(root, X11::atom("MANAGER"));
    m.data.data32[0] = XCB_CURRENT_TIME;
    m.data.data32[1] = m_selection;
    m.data.data32[2] = m_window;
    xcb_send_event(c, 0, root, XCB_EVENT_MASK_STRUCTURE_NOTIFY, reinterpret_cast<const char *>(&m));
    xcb_flush(c);
    return true;
}

bool DisplayClaim::askToFront(xcb_window_t owner)
{
    const xcb_client_message_event_t m = clientMessage(owner, m_selection);
    const Reply<xcb_generic_error_t> error(
        xcb_request_check(m_connection,
            xcb_send_event_checked(m_connection, 0, owner, XCB_EVENT_MASK_NO_EVENT,
                reinterpret_cast<const char *>(&m))),
        &std::free);
    return !error; // a window that is gone: its owner ended
}

bool DisplayClaim::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *e = static_cast<const xcb_generic_event_t *>(message);
    if ((e->response_type & 0x7f) != XCB_CLIENT_MESSAGE)
        return false;
    const auto *m = reinterpret_cast<const xcb_client_message_event_t *>(e);
    if (m->window != m_window || m->type != m_selection)
        return false;
    m_front.request();
    return true;
}
