// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/window_stacking.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QRect>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <vector>

// Qt's X11 interface; Qt for Windows has none.
#if QT_CONFIG(xcb) && !defined(Q_OS_WIN)
#define ZORBEL_X11_STACKING
#endif

#ifdef ZORBEL_X11_STACKING
#include <xcb/xcb.h>

// Hears of every change to the stacking of the screens' top-level windows (the roots'
// substructure) and answers, once after each, whether a window lies over ours.
class WindowStacking::X11Watch : public QAbstractNativeEventFilter {
public:
    X11Watch(xcb_connection_t* connection, std::function<void()> changed)
        : connection_(connection), changed_(std::move(changed)) {
        for (auto screen = xcb_setup_roots_iterator(xcb_get_setup(connection)); screen.rem;
             xcb_screen_next(&screen)) {
            roots_.push_back(screen.data->root);
            // Added to what the toolkit selected on the root, which it still needs.
            const auto attributes = Reply(xcb_get_window_attributes_reply(
                connection, xcb_get_window_attributes(connection, screen.data->root), nullptr));
            const std::uint32_t mask =
                (attributes ? attributes->your_event_mask : 0) | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
            xcb_change_window_attributes(connection, screen.data->root, XCB_CW_EVENT_MASK, &mask);
        }
        xcb_flush(connection);
        qApp->installNativeEventFilter(this);
    }
    ~X11Watch() override { qApp->removeNativeEventFilter(this); }
    X11Watch(const X11Watch&) = delete;
    X11Watch& operator=(const X11Watch&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (eventType != "xcb_generic_event_t") {
            return false;
        }
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        switch (event->response_type & ~0x80) {
        case XCB_CONFIGURE_NOTIFY:
        case XCB_MAP_NOTIFY:
        case XCB_UNMAP_NOTIFY:
        case XCB_CIRCULATE_NOTIFY:
        case XCB_REPARENT_NOTIFY:
        case XCB_DESTROY_NOTIFY:
        case XCB_GRAVITY_NOTIFY: {
            // These events name the window they were selected on in the same place.
            const auto* notify = reinterpret_cast<const xcb_map_notify_event_t*>(event);
            if (known_ && std::find(roots_.begin(), roots_.end(), notify->event) != roots_.end()) {
                known_ = false;
                if (changed_) {
                    changed_();
                }
            }
            break;
        }
        default:
            break;
        }
        return false; // the toolkit handles them too
    }

    bool MayBeCovered(xcb_window_t window) {
        if (!known_) {
            covered_ = AskCovered(window);
            known_ = true;
        }
        return covered_;
    }

private:
    template <class T> using Owned = std::unique_ptr<T, decltype(&std::free)>;
    template <class T> static Owned<T> Reply(T* reply) { return Owned<T>(reply, &std::free); }

    Owned<xcb_query_tree_reply_t> Tree(xcb_window_t window) const {
        return Reply(
            xcb_query_tree_reply(connection_, xcb_query_tree(connection_, window), nullptr));
    }

    // A window that cannot be asked about counts as covered: the clock then asks for the
    // pointer on every tick, as it would without this watch.
    bool AskCovered(xcb_window_t window) const {
        // The window's top level: the child of the root that holds it, a window manager's
        // frame or the window itself.
        xcb_window_t top = window;
        Owned<xcb_query_tree_reply_t> tree = Tree(top);
        while (tree && tree->parent != tree->root && tree->parent != XCB_NONE) {
            top = tree->parent;
            tree = Tree(top);
        }
        if (!tree) {
            return true;
        }
        const Owned<xcb_query_tree_reply_t> rootTree = Tree(tree->root);
        if (!rootTree) {
            return true;
        }
        // Bottom to top: the windows after ours lie above it.
        const xcb_window_t* children = xcb_query_tree_children(rootTree.get());
        const int count = xcb_query_tree_children_length(rootTree.get());
        const int ours = int(std::find(children, children + count, top) - children);
        if (ours == count) {
            return true;
        }
        const auto ownCookie = xcb_get_geometry(connection_, top);
        std::vector<xcb_get_window_attributes_cookie_t> attributes;
        std::vector<xcb_get_geometry_cookie_t> geometries;
        for (int i = ours + 1; i < count; ++i) {
            attributes.push_back(xcb_get_window_attributes(connection_, children[i]));
            geometries.push_back(xcb_get_geometry(connection_, children[i]));
        }
        const auto own = Reply(xcb_get_geometry_reply(connection_, ownCookie, nullptr));
        bool covered = !own;
        // The column and the row just beyond the window count as inside too.
        const QRect inside = own ? Outer(*own).adjusted(0, 0, 1, 1) : QRect();
        for (std::size_t i = 0; i < attributes.size(); ++i) {
            const auto state =
                Reply(xcb_get_window_attributes_reply(connection_, attributes[i], nullptr));
            const auto geometry =
                Reply(xcb_get_geometry_reply(connection_, geometries[i], nullptr));
            // Every reply is collected, so none is left waiting in the connection.
            covered = covered || (state && geometry && state->map_state == XCB_MAP_STATE_VIEWABLE &&
                                  state->_class == XCB_WINDOW_CLASS_INPUT_OUTPUT &&
                                  Outer(*geometry).intersects(inside));
        }
        return covered;
    }

    static QRect Outer(const xcb_get_geometry_reply_t& geometry) {
        return QRect(geometry.x, geometry.y, geometry.width + 2 * geometry.border_width,
                     geometry.height + 2 * geometry.border_width);
    }

    xcb_connection_t* connection_;
    std::function<void()> changed_;
    std::vector<xcb_window_t> roots_;
    bool known_ = false;
    bool covered_ = true;
};
#else
class WindowStacking::X11Watch {};
#endif

WindowStacking::WindowStacking(std::function<void()> changed) {
    const QString platform = QGuiApplication::platformName();
    offScreen_ = platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
#ifdef ZORBEL_X11_STACKING
    // The off-screen platform answers for X11 too, without a connection.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (platform == QLatin1String("xcb") && x11 != nullptr && x11->connection() != nullptr) {
        x11_ = std::make_unique<X11Watch>(x11->connection(), std::move(changed));
    }
#else
    Q_UNUSED(changed);
#endif
}

WindowStacking::~WindowStacking() = default;

bool WindowStacking::MayBeCovered(const QWindow& window) {
#ifdef ZORBEL_X11_STACKING
    if (x11_) {
        return x11_->MayBeCovered(xcb_window_t(window.winId()));
    }
#else
    Q_UNUSED(window);
#endif
    return !offScreen_;
}
