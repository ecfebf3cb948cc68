// Test helper: another X client that holds a key before Orebell starts. Grabs Ctrl+Alt+<key>
// (a keysym of the Latin-1 range, such as "2") on the root window, says "held" and keeps it until
// it is killed. With --move it instead moves the key to a keycode that types nothing, as a change
// of keyboard layout may, says "moved" and ends.

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    const bool move = argc == 3 && std::string(argv[1]) == "--move";
    const char* key = argv[argc - 1];
    if ((argc != 2 && !move) || !key[0] || key[1]) {
        std::fprintf(stderr, "usage: %s [--move] <one character>\n", argv[0]);
        return 2;
    }
    const xcb_keysym_t sym = static_cast<unsigned char>(key[0]);
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    const xcb_setup_t* setup = xcb_get_setup(c);
    const xcb_window_t root = xcb_setup_roots_iterator(setup).data->root;
    const int count = setup->max_keycode - setup->min_keycode + 1;
    std::unique_ptr<xcb_get_keyboard_mapping_reply_t, decltype(&std::free)> map(
        xcb_get_keyboard_mapping_reply(c, xcb_get_keyboard_mapping(c, setup->min_keycode, count), nullptr),
        &std::free);
    if (!map)
        return 1;
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map.get());
    const int per = map->keysyms_per_keycode;
    xcb_keycode_t code = 0;
    for (int k = 0; k < count && !code; ++k)
        if (syms[k * per] == sym)
            code = static_cast<xcb_keycode_t>(setup->min_keycode + k);
    if (!code) {
        std::fprintf(stderr, "no key types %s\n", key);
        return 1;
    }
    if (move) {
        int free = -1;
        for (int k = count - 1; k >= 0 && free < 0; --k)
            if (std::all_of(syms + k * per, syms + (k + 1) * per, [](xcb_keysym_t s) { return s == 0; }))
                free = k;
        if (free < 0)
            return 1;
        std::vector<xcb_keysym_t> row(syms + (code - setup->min_keycode) * per,
                                      syms + (code - setup->min_keycode + 1) * per);
        const std::vector<xcb_keysym_t> none(per, 0);
        xcb_change_keyboard_mapping(c, 1, code, per, none.data());
        xcb_change_keyboard_mapping(c, 1, static_cast<xcb_keycode_t>(setup->min_keycode + free), per,
                                    row.data());
        std::unique_ptr<xcb_get_input_focus_reply_t, decltype(&std::free)> sync(
            xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr), &std::free);
        std::printf("moved from %d to %d\n", code, setup->min_keycode + free);
        xcb_disconnect(c);
        return 0;
    }
    const uint16_t mods = XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1;
    std::unique_ptr<xcb_generic_error_t, decltype(&std::free)> error(
        xcb_request_check(
            c, xcb_grab_key_checked(c, 0, root, mods, code, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC)),
        &std::free);
    if (error) {
        std::fprintf(stderr, "grab failed: error %d\n", error->error_code);
        return 1;
    }
    std::printf("held\n");
    std::fflush(stdout);
    // Events are read so that the server never blocks on this client.
    while (xcb_generic_event_t* event = xcb_wait_for_event(c))
        std::free(event);
    xcb_disconnect(c);
    return 0;
}
