// SPDX-License-Identifier: MIT
// WaylandActivation: window activation asked of the compositor itself, with the serial of the
// player's press; built only where CMake finds Wayland.
#include "PlatformActivation.h"

#include "PressTracker.h"
#include "WindowActivation.h"

#include <QAbstractEventDispatcher>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>

#include <wayland-client.h>
#include <xdg-activation-v1-client-protocol.h>

#include <cstdint>
#include <string>
#include <unistd.h>
#include <vector>

namespace sumdrop::platform {

namespace {

// A Wayland compositor gives another window the focus only against an activation token, and
// hands out the token only for the serial of a recent input event of the player's. GNOME's
// mutter takes the serial of a press, of a key or of a button, and nothing else; Qt 6.4 offers
// it the serial of the last event, which after a click is the button's release, so the request
// is refused. Here the game watches the seat's presses itself, on an event queue of its own
// beside Qt's, and asks for the token with the serial of the press behind the click.
class WaylandActivation {
public:
    // The one instance, or nullptr when the game is not on Wayland.
    static WaylandActivation *Instance()
    {
        static WaylandActivation *const instance = Create();
        return instance;
    }

    WaylandActivation(const WaylandActivation &) = delete;
    WaylandActivation &operator=(const WaylandActivation &) = delete;
    WaylandActivation(WaylandActivation &&) = delete;
    WaylandActivation &operator=(WaylandActivation &&) = delete;
    ~WaylandActivation() = default; // lives as long as the connection, which Qt ends at exit

    // Asks the compositor to activate the window; false when it offers no activation (weston,
    // for one) or there is no press to show for it.
    bool Activate(QWindow &target)
    {
        if (activation == nullptr || seat == nullptr) {
            qCDebug(lcActivation) << "the compositor offers no" << (seat == nullptr ? "seat" : "xdg_activation_v1");
            return false;
        }
        // The compositor moves the keyboard on a click before it sends the click itself, so the
        // press behind this request may still be on its way: a round trip brings in everything
        // the compositor sent before it.
        wl_display_roundtrip_queue(display, queue);
        auto *surface = static_cast<wl_surface *>(native->nativeResourceForWindow("surface", &target));
        if (surface == nullptr) {
            qCDebug(lcActivation) << target.title() << "has no surface yet";
            return false;
        }
        if (presses.LastPress() == 0) {
            qCDebug(lcActivation) << "no press of the player's to show for" << target.title();
            return false;
        }
        ForgetDeadSurfaces();
        xdg_activation_token_v1 *request = xdg_activation_v1_get_activation_token(activation);
        std::string token;
        static const xdg_activation_token_v1_listener tokenListener{
            [](void *data, xdg_activation_token_v1 *, const char *text) { *static_cast<std::string *>(data) = text; }};
        xdg_activation_token_v1_add_listener(request, &tokenListener, &token);
        xdg_activation_token_v1_set_serial(request, presses.LastPress(), seat);
        if (presses.Focused() != nullptr) {
            // NOLINTNEXTLINE(cppcoreguidelines-pro-type-const-cast): the tracker keeps surfaces opaque
            xdg_activation_token_v1_set_surface(request,
                                                static_cast<wl_surface *>(const_cast<void *>(presses.Focused())));
        }
        const QByteArray appId = QGuiApplication::desktopFileName().toUtf8();
        xdg_activation_token_v1_set_app_id(request, appId.constData());
        xdg_activation_token_v1_commit(request);
        for (int round = 0; round < 5 && token.empty(); ++round) {
            if (wl_display_roundtrip_queue(display, queue) < 0) {
                break;
            }
        }
        xdg_activation_token_v1_destroy(request);
        if (token.empty()) {
            qCDebug(lcActivation) << "the compositor gave no token for press" << presses.LastPress();
            return false;
        }
        xdg_activation_v1_activate(activation, token.c_str(), surface);
        wl_display_flush(display);
        return true;
    }

    // Followed on the compositor's own keyboard events rather than on Qt's focus window: Qt
    // takes a round trip to catch up with a change of focus, and when a click moves the keyboard
    // on within it, Qt sees no change at all.
    void KeepKeyboard(QWidget &window) { keepers.emplace_back(&window); }

private:
    void KeyboardEntered(wl_surface *surface)
    {
        presses.KeyboardEntered(surface);
        // Outside this queue's dispatch: a request for the keeper dispatches the queue again.
        QMetaObject::invokeMethod(
            qApp, [this, surface] { ReturnKeyboard(surface); }, Qt::QueuedConnection);
    }

    void ReturnKeyboard(const wl_surface *entered)
    {
        std::erase_if(keepers, [](const QPointer<QWidget> &keeper) { return keeper.isNull(); });
        for (const QPointer<QWidget> &keeper : keepers) {
            if (keeper->isVisible() && keeper->windowHandle() != nullptr &&
                native->nativeResourceForWindow("surface", keeper->windowHandle()) != entered) {
                BringToFront(*keeper);
            }
        }
    }

    WaylandActivation(QPlatformNativeInterface *nativeInterface, wl_display *connection)
        : native(nativeInterface), display(connection), queue(wl_display_create_queue(connection))
    {
        wl_registry *registry = wl_display_get_registry(display);
        wl_proxy_set_queue(reinterpret_cast<wl_proxy *>(registry), queue);
        wl_registry_add_listener(registry, &registryListener, this);
        wl_display_roundtrip_queue(display, queue); // the globals
        wl_display_roundtrip_queue(display, queue); // the seat's capabilities
        wl_registry_destroy(registry);
        // The seat's events come in with every move of the pointer; they are handled as they
        // come, whenever the program is about to wait, so that none pile up between clicks.
        QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                         [this] { wl_display_dispatch_queue_pending(display, queue); });
    }

    // A surface that belongs to none of the program's shown windows is gone: Qt destroys a
    // window's surface when it hides.
    void ForgetDeadSurfaces()
    {
        const PressTracker::Surface surface = presses.Focused();
        if (surface == nullptr) {
            return;
        }
        for (QWindow *window : QGuiApplication::allWindows()) {
            if (window->isVisible() && window->handle() != nullptr &&
                native->nativeResourceForWindow("surface", window) == surface) {
                return;
            }
        }
        qCDebug(lcActivation) << "forgetting a surface that is gone";
        presses.Forget(surface);
    }

    static WaylandActivation *Create()
    {
        if (QGuiApplication::platformName() != QLatin1String("wayland")) {
            return nullptr;
        }
        QPlatformNativeInterface *native = QGuiApplication::platformNativeInterface();
        auto *connection =
            native == nullptr ? nullptr : static_cast<wl_display *>(native->nativeResourceForIntegration("wl_display"));
        if (connection == nullptr) {
            qCDebug(lcActivation) << "Qt's Wayland connection is out of reach";
            return nullptr;
        }
        // Never deleted: its objects live on Qt's connection, which lasts until the program ends.
        return new WaylandActivation(native, connection);
    }

    static const wl_registry_listener registryListener;
    static const wl_seat_listener seatListener;
    static const wl_pointer_listener pointerListener;
    static const wl_keyboard_listener keyboardListener;

    QPlatformNativeInterface *native;
    wl_display *display;
    wl_event_queue *queue;
    wl_seat *seat = nullptr;
    wl_pointer *pointer = nullptr;
    wl_keyboard *keyboard = nullptr;
    xdg_activation_v1 *activation = nullptr;
    PressTracker presses;
    std::vector<QPointer<QWidget>> keepers;
};

const wl_registry_listener WaylandActivation::registryListener{
    [](void *data, wl_registry *registry, std::uint32_t name, const char *interface, std::uint32_t version) {
        auto *self = static_cast<WaylandActivation *>(data);
        const std::string_view kind(interface);
        if (kind == wl_seat_interface.name && self->seat == nullptr) {
            self->seat = static_cast<wl_seat *>(
                wl_registry_bind(registry, name, &wl_seat_interface, std::min<std::uint32_t>(version, 5)));
            wl_seat_add_listener(self->seat, &seatListener, self);
        } else if (kind == xdg_activation_v1_interface.name) {
            self->activation =
                static_cast<xdg_activation_v1 *>(wl_registry_bind(registry, name, &xdg_activation_v1_interface, 1));
        }
    },
    [](void *, wl_registry *, std::uint32_t) {}};

const wl_seat_listener WaylandActivation::seatListener{
    [](void *data, wl_seat *seat, std::uint32_t capabilities) {
        auto *self = static_cast<WaylandActivation *>(data);
        if ((capabilities & WL_SEAT_CAPABILITY_POINTER) != 0 && self->pointer == nullptr) {
            self->pointer = wl_seat_get_pointer(seat);
            wl_pointer_add_listener(self->pointer, &pointerListener, self);
        }
        if ((capabilities & WL_SEAT_CAPABILITY_KEYBOARD) != 0 && self->keyboard == nullptr) {
            self->keyboard = wl_seat_get_keyboard(seat);
            wl_keyboard_add_listener(self->keyboard, &keyboardListener, self);
        }
    },
    [](void *, wl_seat *, const char *) {}};

const wl_pointer_listener WaylandActivation::pointerListener{
    [](void *data, wl_pointer *, std::uint32_t, wl_surface *surface, wl_fixed_t, wl_fixed_t) {
        static_cast<WaylandActivation *>(data)->presses.PointerEntered(surface);
    },
    [](void *data, wl_pointer *, std::uint32_t, wl_surface *) {
        static_cast<WaylandActivation *>(data)->presses.PointerLeft();
    },
    [](void *, wl_pointer *, std::uint32_t, wl_fixed_t, wl_fixed_t) {},
    [](void *data, wl_pointer *, std::uint32_t serial, std::uint32_t, std::uint32_t, std::uint32_t state) {
        if (state == WL_POINTER_BUTTON_STATE_PRESSED) {
            static_cast<WaylandActivation *>(data)->presses.ButtonPressed(serial);
        }
    },
    [](void *, wl_pointer *, std::uint32_t, std::uint32_t, wl_fixed_t) {},
    [](void *, wl_pointer *) {},
    [](void *, wl_pointer *, std::uint32_t) {},
    [](void *, wl_pointer *, std::uint32_t, std::uint32_t) {},
    [](void *, wl_pointer *, std::uint32_t, std::int32_t) {},
    [](void *, wl_pointer *, std::uint32_t, std::int32_t) {}};

const wl_keyboard_listener WaylandActivation::keyboardListener{
    [](void *, wl_keyboard *, std::uint32_t, std::int32_t keymap, std::uint32_t) { close(keymap); },
    [](void *data, wl_keyboard *, std::uint32_t, wl_surface *surface, wl_array *) {
        static_cast<WaylandActivation *>(data)->KeyboardEntered(surface);
    },
    [](void *data, wl_keyboard *, std::uint32_t, wl_surface *surface) {
        static_cast<WaylandActivation *>(data)->presses.KeyboardLeft(surface);
    },
    [](void *data, wl_keyboard *, std::uint32_t serial, std::uint32_t, std::uint32_t, std::uint32_t state) {
        if (state == WL_KEYBOARD_KEY_STATE_PRESSED) {
            static_cast<WaylandActivation *>(data)->presses.KeyPressed(serial);
        }
    },
    [](void *, wl_keyboard *, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t) {},
    [](void *, wl_keyboard *, std::int32_t, std::int32_t) {}};

} // namespace

void StartActivation()
{
    WaylandActivation::Instance();
}

bool Activate(QWindow &window)
{
    WaylandActivation *wayland = WaylandActivation::Instance();
    return wayland != nullptr && wayland->Activate(window);
}

bool KeepKeyboard(QWidget &window)
{
    WaylandActivation *wayland = WaylandActivation::Instance();
    if (wayland == nullptr) {
        return false;
    }
    wayland->KeepKeyboard(window);
    return true;
}

} // namespace sumdrop::platform
